#include "ado/OdbcHandle.h"

#include "ado/AdoEnums.h"
#include "ado/AdoRaise.h"
#include "ado/Errors.h"

namespace ado {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent)
    : m_type(type)
{
    if (!SQL_SUCCEEDED(SQLAllocHandle(type, parent, &m_handle))) {
        m_handle = SQL_NULL_HANDLE;
        if (parent)
            throw diagnostics(type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV, parent);
        throw DatabaseFailure(adErrUnspecified, {Error(adErrUnspecified, QStringLiteral("El entorno ODBC no está disponible"),
                                                       source(), QStringLiteral("HY001"), 0)});
    }
}

OdbcHandle::~OdbcHandle()
{
    if (m_handle)
        SQLFreeHandle(m_type, m_handle);
}

void OdbcHandle::check(SQLRETURN rc, bool noDataAllowed) const
{
    if (SQL_SUCCEEDED(rc) || (noDataAllowed && rc == SQL_NO_DATA))
        return;
    throw diagnostics(m_type, m_handle);
}

// Every record goes into Errors. A lost link gets SQL Server's native 11 whatever the
// driver's number, because that is what the program tests for.
DatabaseFailure OdbcHandle::diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    std::vector<Error> records;
    int number = adErrUnspecified;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLCHAR text[2048] = {};
        SQLSMALLINT length = 0;
        const SQLRETURN rc = SQLGetDiagRec(type, handle, i, state, &native, text, sizeof text, &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        const QString sqlState = QString::fromLatin1(reinterpret_cast<const char*>(state));
        const QString description = QString::fromUtf8(reinterpret_cast<const char*>(text));
        const int recordNumber = DatabaseFailure::numberForState(sqlState);
        if (records.empty())
            number = recordNumber;
        records.emplace_back(recordNumber, description, source(), sqlState,
                             isConnectionLostState(sqlState) ? 11 : int(native));
    }
    if (records.empty())
        records.emplace_back(number, adoDescription(adErrUnspecified), source(), QStringLiteral("HY000"), 0);
    return DatabaseFailure(number, std::move(records));
}

} // namespace ado
