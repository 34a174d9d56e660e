#pragma once

#include "ado/SqlToken.h"
#include "ado/StatementShape.h"

namespace ado {

// The significant tokens of a statement (no blanks), addressed by position, with their
// bracket pairs. Rewrites edit the tokens in place; erasing keeps a token's place so that
// positions stay valid while one rewrite runs.
class TokenView {
public:
    struct Span {
        int from;
        int to;   // exclusive
    };

    explicit TokenView(SqlTokens& tokens);

    int size() const { return int(m_sig.size()); }
    SqlToken& operator[](int i) { return m_tokens[m_sig[size_t(i)]]; }
    const SqlToken& operator[](int i) const { return m_tokens[m_sig[size_t(i)]]; }
    bool is(int i, const char* text) const { return i >= 0 && i < size() && (*this)[i].is(text); }
    int closing(int open) const;           // the ")" that closes "(" at open, or size()
    int unmatched() const { return m_unmatched; }  // the first bracket without its partner, or -1
    int caseEnd(int caseWord) const;       // the END of CASE at caseWord, or size()
    void erase(int i);
    void erase(int from, int to);          // [from, to)
    std::vector<int> commas(int from, int to) const;  // commas outside brackets within [from, to)
    std::vector<Span> items(int from, int to) const;  // what those commas part, empty items included
    QString text(int from, int to) const;  // rendered tokens with the blanks between them
    // The server's syntax error at token i (past the end: at the last token), as it names a
    // token: a text literal by its text.
    TranslationError syntaxErrorAt(int i) const;
    // A bracket without its partner is the server's syntax error: at the stray ")", or at the
    // end for an unclosed "(". Every later step may then trust closing(). So is a NUL outside
    // a literal: SQLite would read the statement's text only up to it.
    void requireWellFormed() const;

private:
    SqlTokens& m_tokens;
    std::vector<size_t> m_sig;
    std::vector<int> m_match;
    int m_unmatched = -1;
};

} // namespace ado
