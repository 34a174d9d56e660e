#pragma once

#include "ado/DateText.h"
#include "ado/SqlSchema.h"
#include "ado/SqlToken.h"
#include "ado/TranslatedStatement.h"
#include "ado/TypedRewriter.h"

namespace ado {

// Turns the SQL Server dialect into a program the embedded engine runs: statements SQLite
// runs, with SQL Server's results, and the steps of control flow, variables and transactions
// around them (BatchCompiler). It works on tokens, never inside literals. The schema tells it
// the declared types of columns; without one every column is of unknown type.
class TsqlDialectTranslator {
public:
    explicit TsqlDialectTranslator(const SqlSchema* schema = nullptr) : m_schema(schema) {}

    std::vector<TranslatedStatement> translate(const QString& batch, DateOrder order = DateOrder::DMY) const;
    // One statement that is not control flow: a Query (or SelectInto) step. Throws
    // TranslationError for what the server would reject or the engine does not run.
    TranslatedStatement translateStatement(SqlTokens tokens, const TranslationContext& context) const;
    const SqlSchema* schema() const { return m_schema; }

private:
    TranslatedStatement translateTokens(SqlTokens tokens, const TranslationContext& context) const;
    static void rewriteEscapes(SqlTokens& tokens);
    static void removeHints(SqlTokens& tokens);
    static void removeOwners(SqlTokens& tokens);
    static void quoteTemporaryNames(SqlTokens& tokens);
    static TranslatedStatement tableDefinition(SqlTokens& tokens);

    const SqlSchema* m_schema;
};

} // namespace ado
