#include "commandbar/CaptionFitter.h"
#include "commandbar/BarText.h"

#include "ui/Twips.h"

#include <QFontMetricsF>

namespace commandbar {

CaptionFitter::CaptionFitter(const QFont& font)
    : m_font(font)
{
}

double CaptionFitter::widthOf(const QString& text) const
{
    return QFontMetricsF(m_font).horizontalAdvance(text) * ui::Twips::perPixel;
}

double CaptionFitter::heightOf(const QString& text) const
{
    return QFontMetricsF(m_font).boundingRect(text).height() * ui::Twips::perPixel;
}

QString CaptionFitter::clean(const QString& text)
{
    QString cleaned = BarText::trim(text);
    return cleaned.replace(u'\r', u' ').replace(u'\n', u' ');
}

QString CaptionFitter::fit(const QString& text, double maxWidth) const
{
    const QString clean = CaptionFitter::clean(text);
    if (clean.isEmpty())
        return {};
    if (widthOf(clean) <= maxWidth)
        return clean;
    const QString dots = QStringLiteral("...");
    for (qsizetype n = clean.size(); n >= 1; --n) {
        const QString candidate = clean.left(n) + dots;
        if (widthOf(candidate) <= maxWidth)
            return candidate;
    }
    return dots;
}

QString CaptionFitter::unbreakable(const QString& text)
{
    QString shown = text;
    return shown.replace(u' ', QChar(0xA0));
}

} // namespace commandbar
