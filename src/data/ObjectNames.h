#pragma once
// Taking table, column and file names apart. Each returns its argument when the pattern is absent.

#include <QString>

namespace data {

class ObjectNames {
public:
    static QString stSTF(QString& name, int part);         // two or more dots rewrite name
    static QString AddBrackets(const QString& name);
    static QString StripConnect(const QString& name);      // error 5 when "->" starts the name
    static QString StripBrackets(const QString& name);     // error 5 for "[" alone
    static QString StripOwner(QString& name);              // rewrites name as well
    static QString StripFileName(const QString& path);     // "" when there is no folder part
    // A table or view name (owner.table allowed, parts bracketed or not) written so that a
    // statement can name it: each part without its brackets, bracketed again only when it holds
    // a blank. "" when a part is empty or holds anything but letters, digits, blanks, _ $ and #,
    // so that nothing but a name can reach a statement through it.
    static QString QuotableName(const QString& name);
};

} // namespace data
