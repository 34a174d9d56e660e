#pragma once

#include "ado/DatabaseFailure.h"

#include <sql.h>
#include <sqlext.h>

namespace ado {

// An ODBC handle freed on scope exit, and the driver's diagnostics as DatabaseFailure.
class OdbcHandle {
public:
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
    ~OdbcHandle();
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    SQLHANDLE get() const { return m_handle; }
    SQLSMALLINT type() const { return m_type; }
    // Throws the handle's diagnostics unless rc is a success (or SQL_NO_DATA when allowed).
    void check(SQLRETURN rc, bool noDataAllowed = false) const;

    static DatabaseFailure diagnostics(SQLSMALLINT type, SQLHANDLE handle);
    static QString source() { return QStringLiteral("Microsoft OLE DB Provider for ODBC Drivers"); }

private:
    SQLSMALLINT m_type;
    SQLHANDLE m_handle = SQL_NULL_HANDLE;
};

} // namespace ado
