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
