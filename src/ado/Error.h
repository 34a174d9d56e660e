#pragma once

#include <QString>

namespace ado {

// One entry of Connection.Errors: what the provider or driver reported.
class Error {
public:
    Error() = default;
    Error(int number, QString description, QString source, QString sqlState, int nativeError)
        : m_number(number), m_description(std::move(description)), m_source(std::move(source)),
          m_sqlState(std::move(sqlState)), m_nativeError(nativeError) {}

    int Number() const { return m_number; }
    const QString& Description() const { return m_description; }
    const QString& Source() const { return m_source; }
    const QString& SQLState() const { return m_sqlState; }
    int NativeError() const { return m_nativeError; }

private:
    int m_number = 0;
    QString m_description;
    QString m_source;
    QString m_sqlState;
    int m_nativeError = 0;
};

} // namespace ado
