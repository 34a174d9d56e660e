#pragma once
// File-type filters: the program writes them as "Description|*.a;*.b|Other|*.*";
// QFileDialog wants "Description (*.a *.b);;Other (*.*)".

#include <QString>

namespace ui {

class FileFilter {
public:
    // A description that already ends in "(...)" loses that part, so the patterns are not
    // shown twice; an empty description shows its patterns; a trailing description with no
    // pattern after it gives its own patterns (those in its "(...)", else its whole text).
    // "" stays "" (every file).
    static QString toQt(const QString& filter);

private:
    static QString patternsOf(const QString& patternList);
    static QString lonePatterns(const QString& description);
    static QString entry(QString description, const QString& patternList);
};

} // namespace ui
