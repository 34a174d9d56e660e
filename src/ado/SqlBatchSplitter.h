#pragma once

#include "ado/SqlToken.h"

namespace ado {

// Cuts a batch into statements as the server's parser does: SQL Server needs no ";" between
// statements, nor a line break, so a statement keyword outside brackets and CASE begins the
// next statement unless it continues the current one (INSERT ... SELECT, UPDATE ... SET,
// WITH x AS (...) SELECT, UNION SELECT, CREATE VIEW ... AS SELECT, ON DELETE ...). IF and
// WHILE conditions end where their statement begins; BEGIN, END and ELSE of blocks stand
// alone. ";" separates; a "GO" line ends the batch part and comes out as a statement of its
// own (the single word GO). CREATE PROCEDURE, FUNCTION and TRIGGER take the rest of the part.
class SqlBatchSplitter {
public:
    static std::vector<SqlTokens> split(const SqlTokens& batch);
    static bool isPartEnd(const SqlTokens& statement);

private:
    explicit SqlBatchSplitter(const SqlTokens& batch) : m_batch(batch) {}
    void run();
    bool startsStatement(size_t i) const;
    bool startsCommonTable(size_t i) const;
    bool isGoLine(size_t i) const;
    const SqlToken* significant(size_t from, int step, size_t* at = nullptr) const;
    void note(const SqlToken& token);
    void finish();

    const SqlTokens& m_batch;
    std::vector<SqlTokens> m_statements;
    SqlTokens m_current;
    QString m_firstWord;
    QString m_secondWord;
    QString m_verb;   // SELECT, INSERT ...: the first word, or the one after WITH's tables
    QString m_previousWord;
    bool m_sawSet = false;
    bool m_sawMain = false;   // INSERT: the SELECT, VALUES or EXEC that makes it whole
    bool m_wholePart = false;
    int m_tokens = 0;
    int m_depth = 0;
    int m_caseDepth = 0;
};

} // namespace ado
