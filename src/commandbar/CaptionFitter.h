#pragma once
// Fits a caption into the width under an item: as many whole characters as fit, then "...".

#include <QFont>
#include <QString>

namespace commandbar {

class CaptionFitter {
public:
    explicit CaptionFitter(const QFont& font);

    double widthOf(const QString& text) const;      // twips
    double heightOf(const QString& text) const;     // twips
    QString fit(const QString& text, double maxWidth) const;
    // The caption as measured: trimmed, its line breaks turned into blanks.
    static QString clean(const QString& text);
    // The caption as shown: blanks become no-break spaces so that the label never breaks it.
    static QString unbreakable(const QString& text);

private:
    QFont m_font;
};

} // namespace commandbar
