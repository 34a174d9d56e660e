#pragma once
// Widths of texts in one font on one paint device. A report prints the same dates, names and
// headings over and over: their widths are remembered. Texts of digits and separators (amounts,
// dates) add up the widths of their characters when the font neither kerns nor joins any two of
// those characters, which is checked once; other texts are measured whole.

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <array>
#include <optional>

class QPaintDevice;

namespace reportengine {

class TextWidths {
public:
    TextWidths(const QFont& font, QPaintDevice* device);

    qreal width(const QString& text);
    // True when text is surely narrower than limit, told from its characters' widths with room
    // to spare for kerning; false says nothing.
    bool surelyNarrower(const QString& text, qreal limit) const;
    const QFontMetricsF& metrics() const { return m_metrics; }
    qreal baselineIn(qreal top, qreal height) const;   // the baseline of one line centred in a band

private:
    static int plainIndex(QChar c);
    void checkPlainPairs();
    std::optional<qreal> plainWidth(const QString& text) const;

    QFontMetricsF m_metrics;
    QHash<QString, qreal> m_known;
    std::array<qreal, 256> m_latin1{};    // advance of each Latin-1 character
    bool m_plainAddsUp = false;          // digits and separators measure as the sum of their advances
};

} // namespace reportengine
