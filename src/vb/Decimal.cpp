// Currency, Decimal and Date value types of the Variant.
#include "vb/Variant.h"
#include "vb/Error.h"

#include <QDate>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vb {

namespace {

using u128 = unsigned __int128;

// Unsigned 256-bit magnitude, enough for products and aligned sums of 96-bit mantissas.
struct U256 {
    std::array<std::uint32_t, 8> limb{};   // little-endian

    static U256 from(u128 v)
    {
        U256 r;
        for (int i = 0; i < 4; ++i) {
            r.limb[i] = std::uint32_t(v);
            v >>= 32;
        }
        return r;
    }
    bool isZero() const
    {
        for (auto l : limb)
            if (l)
                return false;
        return true;
    }
    bool fits96() const { return limb[3] == 0 && limb[4] == 0 && limb[5] == 0 && limb[6] == 0 && limb[7] == 0; }
    bool fits128() const { return limb[4] == 0 && limb[5] == 0 && limb[6] == 0 && limb[7] == 0; }
    u128 low128() const
    {
        u128 v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 32) | limb[i];
        return v;
    }
    // Multiplies by a small factor; returns false on overflow.
    bool mulSmall(std::uint32_t f)
    {
        std::uint64_t carry = 0;
        for (auto& l : limb) {
            std::uint64_t t = std::uint64_t(l) * f + carry;
            l = std::uint32_t(t);
            carry = t >> 32;
        }
        return carry == 0;
    }
    std::uint32_t divSmall(std::uint32_t d)
    {
        std::uint64_t rem = 0;
        for (int i = 7; i >= 0; --i) {
            std::uint64_t cur = (rem << 32) | limb[i];
            limb[i] = std::uint32_t(cur / d);
            rem = cur % d;
        }
        return std::uint32_t(rem);
    }
    bool addSmall(std::uint32_t a)
    {
        std::uint64_t carry = a;
        for (auto& l : limb) {
            if (!carry)
                break;
            std::uint64_t t = std::uint64_t(l) + carry;
            l = std::uint32_t(t);
            carry = t >> 32;
        }
        return carry == 0;
    }
    static int cmp(const U256& a, const U256& b)
    {
        for (int i = 7; i >= 0; --i) {
            if (a.limb[i] != b.limb[i])
                return a.limb[i] < b.limb[i] ? -1 : 1;
        }
        return 0;
    }
    static U256 add(const U256& a, const U256& b)
    {
        U256 r;
        std::uint64_t carry = 0;
        for (int i = 0; i < 8; ++i) {
            std::uint64_t t = std::uint64_t(a.limb[i]) + b.limb[i] + carry;
            r.limb[i] = std::uint32_t(t);
            carry = t >> 32;
        }
        return r;
    }
    static U256 sub(const U256& a, const U256& b)   // a >= b
    {
        U256 r;
        std::int64_t borrow = 0;
        for (int i = 0; i < 8; ++i) {
            std::int64_t t = std::int64_t(a.limb[i]) - b.limb[i] - borrow;
            borrow = t < 0 ? 1 : 0;
            r.limb[i] = std::uint32_t(t + (borrow << 32));
        }
        return r;
    }
    static U256 mul(u128 a, u128 b)
    {
        U256 A = from(a), B = from(b), r;
        for (int i = 0; i < 4; ++i) {
            std::uint64_t carry = 0;
            for (int j = 0; j < 4; ++j) {
                std::uint64_t t = std::uint64_t(A.limb[i]) * B.limb[j] + r.limb[i + j] + carry;
                r.limb[i + j] = std::uint32_t(t);
                carry = t >> 32;
            }
            int k = i + 4;
            while (carry && k < 8) {
                std::uint64_t t = std::uint64_t(r.limb[k]) + carry;
                r.limb[k] = std::uint32_t(t);
                carry = t >> 32;
                ++k;
            }
        }
        return r;
    }
    bool bit(int i) const { return (limb[i / 32] >> (i % 32)) & 1u; }
    void shl1()
    {
        for (int i = 7; i > 0; --i)
            limb[i] = (limb[i] << 1) | (limb[i - 1] >> 31);
        limb[0] <<= 1;
    }
    // Long division: returns the quotient, leaves the remainder in rem.
    static U256 divmod(const U256& n, const U256& d, U256& rem)
    {
        U256 q;
        rem = U256();
        for (int i = 255; i >= 0; --i) {
            rem.shl1();
            if (n.bit(i))
                rem.limb[0] |= 1u;
            if (cmp(rem, d) >= 0) {
                rem = sub(rem, d);
                q.limb[i / 32] |= (1u << (i % 32));
            }
        }
        return q;
    }
};

const u128 kMax96 = (u128(1) << 96) - 1;

u128 magnitude(__int128 v) { return v < 0 ? u128(-(v + 1)) + 1 : u128(v); }

// Brings a magnitude and scale into the Decimal range: at most 96 bits, scale 0..28,
// rounding half to even; `sticky` tells that digits below were already dropped.
Decimal normalize(bool negative, U256 mag, int scale, bool sticky = false)
{
    while (scale < 0) {
        if (!mag.mulSmall(10) || !mag.fits96())
            raise(6);
        ++scale;
    }
    for (;;) {
        std::uint32_t lastRem = 0;
        bool dropped = false;
        while (scale > 28 || !mag.fits96()) {
            if (scale == 0)
                raise(6);
            if (dropped && lastRem)
                sticky = true;
            lastRem = mag.divSmall(10);
            dropped = true;
            --scale;
        }
        if (dropped) {
            bool odd = mag.limb[0] & 1u;
            if (lastRem > 5 || (lastRem == 5 && (sticky || odd)))
                mag.addSmall(1);
            if (!mag.fits96())
                continue;   // 99..9 rounded up past the range: drop one more digit
        }
        break;
    }
    __int128 m = __int128(mag.low128());
    return Decimal(negative ? -m : m, scale);
}

Decimal addSigned(const Decimal& a, const Decimal& b, bool subtract)
{
    int scale = std::max(a.scale(), b.scale());
    U256 ma = U256::from(magnitude(a.mantissa()));
    U256 mb = U256::from(magnitude(b.mantissa()));
    for (int i = a.scale(); i < scale; ++i)
        ma.mulSmall(10);
    for (int i = b.scale(); i < scale; ++i)
        mb.mulSmall(10);
    bool na = a.mantissa() < 0;
    bool nb = (b.mantissa() < 0) != subtract;
    if (na == nb)
        return normalize(na, U256::add(ma, mb), scale);
    int c = U256::cmp(ma, mb);
    if (c == 0)
        return Decimal(0, 0);
    if (c > 0)
        return normalize(na, U256::sub(ma, mb), scale);
    return normalize(nb, U256::sub(mb, ma), scale);
}

} // namespace

// ---- Currency ----

Currency Currency::fromDouble(double d)
{
    if (!std::isfinite(d))
        raise(6);
    double scaled = d * 10000.0;
    double r = std::nearbyint(scaled);   // default rounding mode: half to even
    if (std::fabs(scaled - std::trunc(scaled)) == 0.5)
        r = 2.0 * std::nearbyint(scaled / 2.0);
    if (r >= 9223372036854775807.0 || r < -9223372036854775808.0)
        raise(6);
    return Currency{std::int64_t(r)};
}

// ---- Decimal ----

Decimal::Decimal(__int128 mantissa, int scale) : m_mantissa(mantissa), m_scale(scale)
{
    if (scale < 0 || scale > 28 || magnitude(mantissa) > kMax96) {
        Decimal n = normalize(mantissa < 0, U256::from(magnitude(mantissa)), scale);
        m_mantissa = n.m_mantissa;
        m_scale = n.m_scale;
    }
}

Decimal Decimal::fromDouble(double d)
{
    if (!std::isfinite(d) || std::fabs(d) >= 7.9228162514264337593543950335e28)
        raise(6);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", d);   // the original keeps 15 significant digits
    Decimal out;
    if (!parse(QString::fromLatin1(buf), out, u'.'))
        raise(6);
    return out;
}

namespace {

// Decimal::parse in steps: sign, digits, exponent, then the value.
class DecimalTextReader {
public:
    DecimalTextReader(const QString& text, QChar decimalSep) : m_text(text.trimmed()), m_n(int(m_text.size())), m_sep(decimalSep) {}

    bool read(Decimal& out)
    {
        takeSign();
        if (!readDigits() || !readExponent() || m_i != m_n)
            return false;
        return toDecimal(out);
    }

private:
    // Digits beyond these cannot change a 28-digit result but for the rounding (see m_sticky).
    static constexpr int kKeptDigits = 40;

    const QString m_text;
    int m_i = 0;
    const int m_n;
    const QChar m_sep;
    bool m_negative = false;
    U256 m_mag;
    int m_scale = 0;
    bool m_sticky = false;   // a non-zero digit was dropped
    int m_significant = 0;

    static bool isDigit(QChar c) { return c.isDigit() && c.unicode() < 128; }

    void takeSign()
    {
        if (m_i < m_n && (m_text[m_i] == u'+' || m_text[m_i] == u'-')) {
            m_negative = m_text[m_i] == u'-';
            ++m_i;
        }
    }

    void addDigit(int digit, bool afterSep)
    {
        if (m_significant < kKeptDigits) {
            m_mag.mulSmall(10);
            m_mag.addSmall(std::uint32_t(digit));
            if (m_significant || digit)
                ++m_significant;
            if (afterSep)
                ++m_scale;
            return;
        }
        if (digit)
            m_sticky = true;
        if (!afterSep)
            --m_scale;   // integer digits beyond what we keep still count
    }

    bool readDigits()
    {
        bool anyDigit = false, afterSep = false;
        for (; m_i < m_n; ++m_i) {
            const QChar c = m_text[m_i];
            if (isDigit(c)) {
                anyDigit = true;
                addDigit(c.unicode() - '0', afterSep);
            } else if (c == m_sep && !afterSep) {
                afterSep = true;
            } else {
                break;
            }
        }
        return anyDigit;
    }

    // E, e, D or d, an optional sign and at least one digit; nothing at all is fine too.
    bool readExponent()
    {
        if (m_i >= m_n || !QStringLiteral("EeDd").contains(m_text[m_i]))
            return true;
        ++m_i;
        bool negative = false;
        if (m_i < m_n && (m_text[m_i] == u'+' || m_text[m_i] == u'-')) {
            negative = m_text[m_i] == u'-';
            ++m_i;
        }
        int exp = 0;
        bool anyDigit = false;
        for (; m_i < m_n && isDigit(m_text[m_i]); ++m_i) {
            anyDigit = true;
            if (exp < 10000)
                exp = exp * 10 + (m_text[m_i].unicode() - '0');
        }
        m_scale += negative ? exp : -exp;
        return anyDigit;
    }

    bool toDecimal(Decimal& out) const
    {
        // Zero, or far below the smallest Decimal, which rounds to zero.
        if (m_mag.isZero() || m_scale > 28 + 60) {
            out = Decimal(0, 0);
            return true;
        }
        try {
            out = normalize(m_negative, m_mag, m_scale, m_sticky);
        } catch (const Error&) {
            return false;
        }
        return true;
    }
};

} // namespace

bool Decimal::parse(const QString& text, Decimal& out, QChar decimalSep)
{
    return DecimalTextReader(text, decimalSep).read(out);
}

double Decimal::toDouble() const
{
    return std::strtod(toString(u'.').toLatin1().constData(), nullptr);
}

QString Decimal::toString(QChar decimalSep) const
{
    u128 mag = magnitude(m_mantissa);
    QString digits;
    if (mag == 0)
        digits = QStringLiteral("0");
    while (mag) {
        digits.prepend(QChar(u'0' + int(mag % 10)));
        mag /= 10;
    }
    int scale = m_scale;
    while (scale > 0 && digits.size() > 1 && digits.endsWith(u'0')) {
        digits.chop(1);
        --scale;
    }
    if (scale > 0 && digits == QLatin1String("0"))
        scale = 0;
    if (scale > 0) {
        while (digits.size() <= scale)
            digits.prepend(u'0');
        digits.insert(digits.size() - scale, decimalSep);
    }
    if (m_mantissa < 0 && digits != QLatin1String("0"))
        digits.prepend(u'-');
    return digits;
}

Decimal Decimal::operator+(const Decimal& o) const { return addSigned(*this, o, false); }
Decimal Decimal::operator-(const Decimal& o) const { return addSigned(*this, o, true); }

Decimal Decimal::operator*(const Decimal& o) const
{
    bool negative = (m_mantissa < 0) != (o.m_mantissa < 0);
    U256 mag = U256::mul(magnitude(m_mantissa), magnitude(o.m_mantissa));
    if (mag.isZero())
        return Decimal(0, 0);
    return normalize(negative, mag, m_scale + o.m_scale);
}

Decimal Decimal::operator/(const Decimal& o) const
{
    if (o.m_mantissa == 0)
        raise(m_mantissa == 0 ? 6 : 11);
    if (m_mantissa == 0)
        return Decimal(0, 0);
    bool negative = (m_mantissa < 0) != (o.m_mantissa < 0);
    // Scale the dividend up so the quotient keeps all the digits the type can hold.
    const int extra = 40;
    U256 scaled = U256::from(magnitude(m_mantissa));   // 96 bits * 10^40 (133 bits) fits
    for (int i = 0; i < extra; ++i)
        scaled.mulSmall(10);
    U256 rem;
    U256 q = U256::divmod(scaled, U256::from(magnitude(o.m_mantissa)), rem);
    int scale = m_scale + extra - o.m_scale;
    Decimal r = normalize(negative, q, scale, !rem.isZero());
    // Drop trailing zeros, as the original's quotient has no more digits than it needs.
    __int128 m = r.m_mantissa;
    int s = r.m_scale;
    while (s > 0 && m % 10 == 0) {
        m /= 10;
        --s;
    }
    return Decimal(m, s);
}

int Decimal::compare(const Decimal& o) const
{
    bool na = m_mantissa < 0, nb = o.m_mantissa < 0;
    if (m_mantissa == 0 && o.m_mantissa == 0)
        return 0;
    if (na != nb)
        return na ? -1 : 1;
    int scale = std::max(m_scale, o.m_scale);
    U256 ma = U256::from(magnitude(m_mantissa));
    U256 mb = U256::from(magnitude(o.m_mantissa));
    for (int i = m_scale; i < scale; ++i)
        ma.mulSmall(10);
    for (int i = o.m_scale; i < scale; ++i)
        mb.mulSmall(10);
    int c = U256::cmp(ma, mb);
    return na ? -c : c;
}

Decimal Decimal::rounded(int decimals) const
{
    if (decimals < 0)
        decimals = 0;
    if (m_scale <= decimals)
        return *this;
    U256 mag = U256::from(magnitude(m_mantissa));
    std::uint32_t lastRem = 0;
    bool sticky = false;
    for (int s = m_scale; s > decimals; --s) {
        if (lastRem)
            sticky = true;
        lastRem = mag.divSmall(10);
    }
    bool odd = mag.limb[0] & 1u;
    if (lastRem > 5 || (lastRem == 5 && (sticky || odd)))
        mag.addSmall(1);
    __int128 m = __int128(mag.low128());
    return Decimal(m_mantissa < 0 ? -m : m, decimals);
}

// ---- Date ----

namespace {
const QDate kEpoch(1899, 12, 30);
}

Date Date::fromDate(const QDate& d)
{
    return Date{double(kEpoch.daysTo(d))};
}

Date Date::fromDateTime(const QDateTime& dt)
{
    double days = double(kEpoch.daysTo(dt.date()));
    QTime t = dt.time();
    double frac = (t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0;
    // Before the epoch the fraction is still the time of day, added away from zero.
    return Date{days < 0 ? days - frac : days + frac};
}

QDate Date::date() const
{
    double days = std::trunc(serial);
    double frac = std::fabs(serial - days);
    // A time that rounds to midnight belongs to the next day.
    if (std::llround(frac * 86400.0) >= 86400)
        days += serial < 0 ? -1 : 1;
    return kEpoch.addDays(qint64(days));
}

QTime Date::time() const
{
    double days = std::trunc(serial);
    double frac = std::fabs(serial - days);
    qint64 secs = std::llround(frac * 86400.0);
    if (secs >= 86400)
        secs = 0;
    return QTime(0, 0).addSecs(int(secs));
}

QDateTime Date::toDateTime() const
{
    return QDateTime(date(), time());
}

} // namespace vb
