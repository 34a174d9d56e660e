#pragma once

#include <QString>
#include <vector>

namespace ado {

// One lexical piece of a statement. Blanks and comments are kept as tokens so that
// text we do not rewrite reaches the engine as it was written.
struct SqlToken {
    enum Kind { Space, Word, Quoted, String, Number, Variable, Symbol };
    Kind kind = Space;
    QString text;          // Quoted: the bare name; String: the literal with its apostrophes
    bool national = false; // N'...'
    bool newline = false;  // Space holding a line break
    bool dateLiteral = false;  // String written as an ODBC date escape: a date, not a text
    QString prefix;        // added by rewrites around the token
    QString suffix;

    static SqlToken make(Kind kind, const QString& text);
    bool isSpace() const { return kind == Space; }
    bool is(const char* symbolOrWord) const;   // Symbol or Word, case-insensitive
    bool isName() const { return kind == Word || kind == Quoted; }
    QString render() const;
};

using SqlTokens = std::vector<SqlToken>;

QString renderTokens(const SqlTokens& tokens);

} // namespace ado

namespace ado {
// The body of a text literal: apostrophes doubled, and no NUL, which would end the
// statement's text where SQLite and ODBC's NUL-terminated calls read it.
QString escapeSqlText(const QString& text);
// A text literal: the body above between apostrophes.
QString quoteSqlText(const QString& text);
// The text inside a literal token ('it''s' -> it's).
QString unquoteSqlText(const QString& literal);
} // namespace ado
