#pragma once

#include "ado/TranslatedStatement.h"
#include "ado/TypedRewriter.h"

namespace ado {

class TsqlDialectTranslator;

// Compiles a batch into the engine's program: IF / ELSE, WHILE with BREAK and CONTINUE,
// BEGIN ... END blocks and RETURN become jumps; DECLARE, SET @v = and SELECT @v = become
// steps on the batch's variables (whose declared types the translation of later statements
// uses); SET options are kept, accepted as the server's defaults, or refused; transactions,
// savepoints, EXEC, PRINT, RAISERROR and THROW become their own steps. Every "GO" part is
// compiled alone: a part the server would not compile (a syntax error, an undeclared
// variable, a construct the engine does not run) becomes a single Fail step, so that it runs
// nothing while the other parts run.
class BatchCompiler {
public:
    BatchCompiler(const TsqlDialectTranslator& translator, DateOrder order);
    std::vector<TranslatedStatement> compile(const QString& batch);

private:
    struct Loop {
        int top = 0;
        std::vector<int> breaks;
    };
    void compilePart(const std::vector<SqlTokens>& statements);
    size_t statement(size_t i);
    size_t ifStatement(size_t i);
    size_t whileStatement(size_t i);
    int condition(size_t i);
    size_t block(size_t i);
    bool transactionStatement(const std::vector<SqlToken>& words);
    bool batchStatement(const SqlTokens& tokens, const std::vector<SqlToken>& words);
    void declare(const SqlTokens& tokens);
    void setStatement(SqlTokens tokens);
    void option(const std::vector<SqlToken>& words);
    void transaction(TranslatedStatement::Kind kind, const std::vector<SqlToken>& words, int nameAt);
    void exec(SqlTokens tokens);
    void raise(const SqlTokens& tokens, bool throws);
    void jump(bool toLoopTop);
    TranslatedStatement evaluation(const QString& selectText);
    int append(TranslatedStatement step);
    const SqlTokens& at(size_t i) const { return (*m_statements)[i]; }

    const TsqlDialectTranslator& m_translator;
    TranslationContext m_context;
    const std::vector<SqlTokens>* m_statements = nullptr;
    std::vector<TranslatedStatement> m_program;
    std::vector<Loop> m_loops;
    std::vector<int> m_returns;
    int m_depth = 0;
};

} // namespace ado
