#pragma once
// Text placed inside SQL text literals. Every statement the program builds by concatenation quotes
// its texts here, so that an apostrophe or a NUL typed into a box can never end a literal early.

#include <QChar>
#include <QString>

namespace ado {

// The body of a text literal: apostrophes doubled, and no NUL, which would end the
// statement's text where SQLite and ODBC's NUL-terminated calls read it.
QString escapeSqlText(const QString& text);
// A text literal: the body above between apostrophes.
QString quoteSqlText(const QString& text);
// The text inside a literal token ('it''s' -> it's).
QString unquoteSqlText(const QString& literal);

// True for the characters a LIKE pattern does not read as themselves: "%", "_" and "[".
bool isLikeWildcard(QChar c);
// Typed text inside a LIKE pattern literal, so that it matches only itself: the body of a text
// literal (above) with every LIKE wildcard made literal. Without an escape character each one
// becomes a one-character set ("[%]", "[_]", "[[]"); with one it follows that character, which
// is itself escaped too ("!%", "!!"), and the statement must say ESCAPE '!'. A caller that wants
// a wildcard of its own (blanks as "%") puts it in after escaping.
QString escapeLikeText(const QString& text, QChar escape = QChar());

} // namespace ado
