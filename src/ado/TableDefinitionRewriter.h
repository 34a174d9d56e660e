#pragma once

#include "ado/TokenView.h"

namespace ado {

// CREATE TABLE / ALTER TABLE ... ADD written for SQL Server, made fit for SQLite with the
// server's behaviour: text columns compare as the server's collation (COLLATE SRV), sized
// text columns refuse longer values as the server does (a named CHECK that the engine
// reports as truncation), IDENTITY becomes an autoincrementing key, and storage clauses
// (CLUSTERED, ON [PRIMARY], (max)) go away;
// char(n) columns are kept blank-padded to n by triggers.
class TableDefinitionRewriter {
public:
    explicit TableDefinitionRewriter(SqlTokens& tokens) : m_view(tokens) {}
    void run();

    static constexpr const char* truncationCheckName = "rpq_truncation";

private:
    void rewriteCreate(int open);
    void rewriteAlter(int add);
    bool moveKeyToIdentity(const std::vector<std::pair<int, int>>& definitions);
    void rewriteColumn(int from, int to, bool tableHasKey);
    int typeEnd(int typeAt, int to) const;
    void requireFirstNumbers(int identity) const;
    bool tableHasPrimaryKey(int open, int close) const;
    void eraseStorageWords(int from, int to);
    int find(int from, int to, const char* word) const;
    QString paddingTriggers(const QString& table) const;

    TokenView m_view;
    std::vector<std::pair<QString, int>> m_padded;   // char(n) columns and their n
};

} // namespace ado
