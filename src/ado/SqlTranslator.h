#pragma once

#include "ado/ColumnKind.h"
#include "ado/SqlToken.h"
#include "ado/TranslatedStatement.h"

namespace ado {

// Turns the SQL Server dialect the program writes into statements SQLite runs. It works on
// tokens, never inside literals. The column kinds let it tell text "+" from arithmetic and
// see which literals are compared with (or stored into) date columns.
class SqlTranslator {
public:
    explicit SqlTranslator(ColumnKindLookup kinds = {}) : m_kinds(std::move(kinds)) {}

    std::vector<TranslatedStatement> translate(const QString& batch) const;

private:
    TranslatedStatement translateStatement(SqlTokens tokens) const;
    static bool isSessionSetting(const SqlTokens& tokens);
    static TranslatedStatement::Kind transactionKind(const SqlTokens& tokens);
    TranslatedStatement execStatement(SqlTokens& tokens) const;
    void rewriteQuery(SqlTokens& tokens) const;
    static void rewriteEscapes(SqlTokens& tokens);
    static void removeHints(SqlTokens& tokens);
    static void removeOwners(SqlTokens& tokens);
    static void addDeleteFrom(SqlTokens& tokens);
    static void rewriteTop(SqlTokens& tokens);
    static QStringList referencedTables(SqlTokens& tokens);
    static void normaliseDates(SqlTokens& tokens, const ColumnKindOf& kinds);
    static void normaliseInsertedDates(SqlTokens& tokens, const ColumnKindOf& kinds);
    static void rewriteFunctions(SqlTokens& tokens);
    static bool keepsServerCollation(const QString& upperName);

    ColumnKindLookup m_kinds;
};

} // namespace ado
