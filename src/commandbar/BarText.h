#pragma once
// Text rules the bars share: trimming takes blanks only, as the original's Trim did.

#include <QString>

namespace commandbar {

class BarText {
public:
    static QString trim(const QString& text);
    static QString upperTrim(const QString& text) { return trim(text).toUpper(); }
};

} // namespace commandbar
