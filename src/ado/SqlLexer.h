#pragma once

#include "ado/SqlToken.h"

namespace ado {

// Splits SQL Server text into tokens. Comments become blanks; unterminated literals run to
// the end of the text, so any input ends.
class SqlLexer {
public:
    static SqlTokens tokenize(const QString& sql);

private:
    explicit SqlLexer(const QString& sql) : m_sql(sql) {}
    SqlTokens run();
    QChar at(qsizetype i) const { return i < m_sql.size() ? m_sql[i] : QChar(); }
    void readSpace();
    void readLineComment();
    void readBlockComment();
    void readString(bool national);
    void readDelimited(QChar close);
    void readWord(SqlToken::Kind kind);
    void readNumber();
    void readSymbol();
    void push(SqlToken::Kind kind, const QString& text);

    const QString& m_sql;
    qsizetype m_pos = 0;
    SqlTokens m_out;
};

} // namespace ado
