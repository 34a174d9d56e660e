#include "ado/Command.h"

#include "ado/AdoRaise.h"
#include "ado/SqlLexer.h"
#include "ado/ParameterLiteral.h"

namespace ado {

ParameterPtr Command::CreateParameter(const QString& name, int type, int direction, qint64 size, const vb::Variant& value) const
{
    return std::make_shared<Parameter>(name, type, direction, size, value);
}

QString Command::boundText() const
{
    SqlTokens tokens = SqlLexer::tokenize(m_text);
    int next = 0;
    for (SqlToken& t : tokens) {
        if (t.kind == SqlToken::Symbol && t.text == QLatin1String("?") && next < m_parameters->Count())
            t.text = ParameterLiteral::fromVariant(m_parameters->Item(next++)->Value());
    }
    return renderTokens(tokens);
}

RecordsetPtr Command::Execute(qint64* recordsAffected)
{
    if (!m_connection || m_connection->State() != adStateOpen)
        raiseAdo(adErrInvalidConnection, AdoObject::Command);
    // The command's own time-out holds for this run only.
    struct TimeoutScope {
        Connection& connection;
        int saved;
        ~TimeoutScope() { connection.setCommandTimeout(saved); }
    } scope{*m_connection, m_connection->CommandTimeout()};
    m_connection->setCommandTimeout(m_timeout);
    ExecuteResult result;
    if (m_type == adCmdStoredProc) {
        std::vector<std::pair<QString, vb::Variant>> values;
        for (const ParameterPtr& p : *m_parameters)
            if (p->Direction() != adParamReturnValue)
                values.emplace_back(p->Name(), p->Value());
        result = m_connection->runProcedure(m_text, values);
    } else {
        const QString sql = m_type == adCmdTable ? QStringLiteral("SELECT * FROM ") + m_text : boundText();
        result = m_connection->runQuery(sql);
    }
    if (recordsAffected)
        *recordsAffected = result.recordsAffected;
    auto rs = Recordset::create();
    if (result.hasRows)
        rs->attach(std::move(result.rows), m_connection, m_text, adLockReadOnly);
    return rs;
}

} // namespace ado
