#include "reportengine/TextWidths.h"
#include <cmath>

namespace reportengine {

namespace {
const QString PlainCharacters = QStringLiteral("0123456789.,-/: ");
constexpr qsizetype MaxKnown = 4096;      // a bound on what is remembered
constexpr qreal KerningRoom = 0.9;        // a text this much of its cell fits whatever the kerning
}

TextWidths::TextWidths(const QFont& font, QPaintDevice* device) : m_metrics(font, device)
{
    for (int c = 32; c < 256; ++c)
        m_latin1[std::size_t(c)] = m_metrics.horizontalAdvance(QChar(c));
    checkPlainPairs();
}

int TextWidths::plainIndex(QChar c)
{
    return int(PlainCharacters.indexOf(c));
}

void TextWidths::checkPlainPairs()
{
    for (QChar a : PlainCharacters)
        for (QChar b : PlainCharacters) {
            const qreal pair = m_metrics.horizontalAdvance(QString(a) + b);
            if (std::abs(pair - m_latin1[a.unicode()] - m_latin1[b.unicode()]) > 1e-6)
                return;
        }
    m_plainAddsUp = true;
}

std::optional<qreal> TextWidths::plainWidth(const QString& text) const
{
    if (!m_plainAddsUp)
        return std::nullopt;
    qreal sum = 0;
    for (QChar c : text) {
        if (plainIndex(c) < 0)
            return std::nullopt;
        sum += m_latin1[c.unicode()];
    }
    return sum;
}

qreal TextWidths::width(const QString& text)
{
    if (const auto plain = plainWidth(text))
        return *plain;
    const auto known = m_known.constFind(text);
    if (known != m_known.constEnd())
        return *known;
    if (m_known.size() >= MaxKnown)
        m_known.clear();
    const qreal w = m_metrics.horizontalAdvance(text);
    m_known.insert(text, w);
    return w;
}

bool TextWidths::surelyNarrower(const QString& text, qreal limit) const
{
    qreal sum = 0;
    for (QChar c : text) {
        if (c.unicode() < 32 || c.unicode() >= 256)
            return false;
        sum += m_latin1[c.unicode()];
    }
    return sum <= limit * KerningRoom;
}

qreal TextWidths::baselineIn(qreal top, qreal height) const
{
    return top + (height - (m_metrics.ascent() + m_metrics.descent())) / 2 + m_metrics.ascent();
}

} // namespace reportengine
