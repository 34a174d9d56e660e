#pragma once

#include "ado/SqlToken.h"

namespace ado {

// Cuts a batch into statements. SQL Server needs no ";" between statements: a statement
// keyword at the start of a line begins the next one unless it continues the current
// statement (INSERT ... SELECT, UPDATE ... SET, ON DELETE, UNION SELECT). "GO" lines and ";"
// also separate.
class SqlBatchSplitter {
public:
    static std::vector<SqlTokens> split(const SqlTokens& batch);

private:
    bool startsStatement(const SqlTokens& batch, size_t i) const;
    bool isGoLine(const SqlTokens& batch, size_t i) const;
    void note(const SqlToken& token);
    void finish();

    std::vector<SqlTokens> m_statements;
    SqlTokens m_current;
    QString m_firstWord;
    QString m_previousWord;
    bool m_sawSet = false;
    bool m_sawSelect = false;
    bool m_sawValues = false;
    int m_depth = 0;
};

} // namespace ado
