#pragma once

#include "ado/Connection.h"
#include "ado/Parameters.h"

namespace ado {

// ADO's Command: a text with "?" marks or a stored procedure, run with its Parameters.
class Command : public vb::Object {
public:
    Command() : m_parameters(std::make_shared<ado::Parameters>()) {}
    static std::shared_ptr<Command> create() { return std::make_shared<Command>(); }
    QString typeName() const override { return QStringLiteral("Command"); }

    ConnectionPtr ActiveConnection() const { return m_connection; }
    void setActiveConnection(ConnectionPtr connection) { m_connection = std::move(connection); }
    QString CommandText() const { return m_text; }
    void setCommandText(const QString& text) { m_text = text; }
    int CommandType() const { return m_type; }
    void setCommandType(int type) { m_type = type; }
    int CommandTimeout() const { return m_timeout; }
    void setCommandTimeout(int seconds) { m_timeout = seconds; }
    ParametersPtr Parameters() const { return m_parameters; }

    ParameterPtr CreateParameter(const QString& name = {}, int type = adEmpty, int direction = adParamInput,
                                 qint64 size = 0, const vb::Variant& value = {}) const;
    RecordsetPtr Execute(qint64* recordsAffected = nullptr);

    // The text with each "?" outside literals replaced by its parameter as a literal.
    QString boundText() const;

private:
    ConnectionPtr m_connection;
    QString m_text;
    int m_type = adCmdUnspecified;
    int m_timeout = 30;
    ParametersPtr m_parameters;
};

using CommandPtr = std::shared_ptr<Command>;

} // namespace ado
