#pragma once
// Turns one T-SQL statement into Oracle's dialect by a fixed sequence of textual rewrites.
// No parsing: every rule is a search and replacement that ignores letter case.

#include <QString>

namespace data {

class OracleDialect {
public:
    static QString translate(const QString& sql);

    static QString rowLimit(const QString& text);        // TOP n -> ROWNUM <= n
    static QString lengthFunction(const QString& text);
    static QString dateLiterals(const QString& text);    // quoted day/month/year dates -> TO_DATE
    static QString emptyTextTests(const QString& text);  // = '' after WHERE -> IS NULL
    static QString dateStyle103(const QString& text);    // TO_CHAR(x, 103) -> 'DD/MM/YYYY'

private:
    static QString tailFrom(const QString& text, const char* marker);
};

} // namespace data
