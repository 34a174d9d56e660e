#include "kit/RegionalNumber.h"

#include "vb/Error.h"
#include "vb/Regional.h"

#include <cstdint>
#include <limits>

namespace kit {

namespace {

constexpr __int128 kMaxRaw = std::numeric_limits<std::int64_t>::max();
constexpr int kOverflow = 6;

int digitIn(QChar c, int radix)
{
    const int d = c.isDigit() && c.unicode() < 128 ? c.digitValue()
                : (c.toUpper() >= u'A' && c.toUpper() <= u'F') ? c.toUpper().unicode() - 'A' + 10 : -1;
    return d < radix ? d : -1;
}

bool hasNonZero(const QString& digits)
{
    for (QChar c : digits) {
        if (c != u'0')
            return true;
    }
    return false;
}

__int128 checked(__int128 raw)
{
    if (raw > kMaxRaw || raw < -kMaxRaw - 1)
        vb::raise(kOverflow);
    return raw;
}

} // namespace

vb::Currency RegionalNumber::fromRadix(const QString& digits, int radix, bool negative)
{
    __int128 value = 0;
    for (QChar c : digits) {
        value = value * radix + digitIn(c, radix);
        checked(value * 10000);
    }
    return vb::Currency::fromRaw(std::int64_t(checked((negative ? -value : value) * 10000)));
}

vb::Currency RegionalNumber::fromDecimal(const QString& integerDigits, const QString& fractionDigits, bool negative)
{
    __int128 raw = 0;
    for (QChar c : integerDigits)
        raw = checked(raw * 10 + c.digitValue());
    raw = checked(raw * 10000);
    const QString fraction = fractionDigits.leftJustified(4, u'0');
    for (int i = 0; i < 4; ++i)
        raw += __int128(fraction.at(i).digitValue()) * (i == 0 ? 1000 : i == 1 ? 100 : i == 2 ? 10 : 1);
    // Banker's rounding on what lies past the fourth decimal.
    const QString rest = fraction.mid(4);
    if (!rest.isEmpty()) {
        const int first = rest.at(0).digitValue();
        const bool moreThanHalf = first > 5 || (first == 5 && hasNonZero(rest.mid(1)));
        const bool half = first == 5 && !moreThanHalf;
        if (moreThanHalf || (half && raw % 2 == 1))
            ++raw;
    }
    return vb::Currency::fromRaw(std::int64_t(checked(negative ? -raw : raw)));
}

vb::Currency RegionalNumber::toCurrency(const QString& text)
{
    const vb::RegionalSettings& regional = vb::Regional::current();
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && t.at(i) == u'$')
        ++i;
    while (i < t.size() && t.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < t.size() && (t.at(i) == u'-' || t.at(i) == u'+')) {
        negative = t.at(i) == u'-';
        ++i;
    }
    if (t.mid(i, 2).compare(u"&H", Qt::CaseInsensitive) == 0 || t.mid(i, 2).compare(u"&O", Qt::CaseInsensitive) == 0) {
        const int radix = t.at(i + 1).toUpper() == u'H' ? 16 : 8;
        QString digits;
        for (i += 2; i < t.size() && digitIn(t.at(i), radix) >= 0; ++i)
            digits += t.at(i);
        return fromRadix(digits, radix, negative);
    }
    QString integerDigits;
    QString fractionDigits;
    bool inFraction = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c.isDigit() && c.unicode() < 128)
            (inFraction ? fractionDigits : integerDigits) += c;
        else if (c == regional.decimalSeparator && !inFraction)
            inFraction = true;
        else if (c == regional.thousandsSeparator && !inFraction && !integerDigits.isEmpty())
            continue;
        else
            break;
    }
    return fromDecimal(integerDigits, fractionDigits, negative);
}

} // namespace kit
