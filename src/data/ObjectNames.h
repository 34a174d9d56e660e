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
};

} // namespace data
