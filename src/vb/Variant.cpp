#include "vb/Variant.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Regional.h"
#include "vb/Strings.h"

#include <cmath>
#include <limits>

namespace vb {

namespace {

// Indexes of the alternatives in Variant::m_value.
enum Index {
    iEmpty = 0, iNull, iBool, iByte, iInteger, iLong, iSingle, iDouble, iCurrency, iDecimal, iDate, iString, iObject, iError
};

const int kMissingCode = -2147352572;   // DISP_E_PARAMNOTFOUND, what an omitted optional argument holds

// Arithmetic ranks: the kind an operation on two numbers yields.
enum Rank { rByte = 1, rInteger, rLong, rSingle, rDouble, rCurrency, rDecimal };

const double kMinDate = -657434.0;                 // 01/01/100
const double kMaxDate = 2958465.999988426;         // 31/12/9999 23:59:59

Date checkedDate(double serial)
{
    if (!std::isfinite(serial) || serial < kMinDate || serial >= 2958466.0)
        raise(6);
    return Date{serial};
}

} // namespace

// ---- construction ----

Variant::Variant(bool v) : m_value(v) {}
Variant::Variant(std::uint8_t v) : m_value(v) {}
Variant::Variant(std::int16_t v) : m_value(IntegerTag{v}) {}
Variant::Variant(int v) : m_value(std::int32_t(v)) {}
Variant::Variant(std::int64_t v)
{
    if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max())
        m_value = std::int32_t(v);
    else
        m_value = double(v);
}
Variant::Variant(float v) : m_value(SingleTag{v}) {}
Variant::Variant(double v) : m_value(v) {}
Variant::Variant(Currency v) : m_value(v) {}
Variant::Variant(const Decimal& v) : m_value(v) {}
Variant::Variant(Date v) : m_value(v) {}
Variant::Variant(const QString& v) : m_value(v) {}
Variant::Variant(QString&& v) : m_value(std::move(v)) {}
Variant::Variant(const char* utf8) : m_value(QString::fromUtf8(utf8)) {}
Variant::Variant(ObjectPtr v) : m_value(std::move(v)) {}

Variant Variant::null()
{
    Variant v;
    v.m_value = NullTag{};
    return v;
}

Variant Variant::missing() { return errorValue(kMissingCode); }

Variant Variant::errorValue(int code)
{
    Variant v;
    v.m_value = ErrorTag{code};
    return v;
}

// ---- inspection ----

VarType Variant::type() const
{
    switch (m_value.index()) {
    case iEmpty: return VarType::Empty;
    case iNull: return VarType::Null;
    case iBool: return VarType::Boolean;
    case iByte: return VarType::Byte;
    case iInteger: return VarType::Integer;
    case iLong: return VarType::Long;
    case iSingle: return VarType::Single;
    case iDouble: return VarType::Double;
    case iCurrency: return VarType::Currency;
    case iDecimal: return VarType::Decimal;
    case iDate: return VarType::Date;
    case iString: return VarType::String;
    case iObject: return VarType::Object;
    default: return VarType::Error;
    }
}

QString Variant::typeName() const
{
    switch (m_value.index()) {
    case iEmpty: return QStringLiteral("Empty");
    case iNull: return QStringLiteral("Null");
    case iBool: return QStringLiteral("Boolean");
    case iByte: return QStringLiteral("Byte");
    case iInteger: return QStringLiteral("Integer");
    case iLong: return QStringLiteral("Long");
    case iSingle: return QStringLiteral("Single");
    case iDouble: return QStringLiteral("Double");
    case iCurrency: return QStringLiteral("Currency");
    case iDecimal: return QStringLiteral("Decimal");
    case iDate: return QStringLiteral("Date");
    case iString: return QStringLiteral("String");
    case iObject: {
        const auto& p = std::get<ObjectPtr>(m_value);
        return p ? p->typeName() : QStringLiteral("Nothing");
    }
    default: return QStringLiteral("Error");
    }
}

bool Variant::isMissing() const
{
    return m_value.index() == iError && std::get<ErrorTag>(m_value).code == kMissingCode;
}

bool Variant::isNothing() const
{
    return m_value.index() == iObject && !std::get<ObjectPtr>(m_value);
}

int Variant::errorCode() const
{
    if (m_value.index() != iError)
        raise(13);
    return std::get<ErrorTag>(m_value).code;
}

bool Variant::isNumeric() const
{
    switch (m_value.index()) {
    case iEmpty: case iBool: case iByte: case iInteger: case iLong: case iSingle: case iDouble:
    case iCurrency: case iDecimal:
        return true;
    case iString: {
        double d;
        return detail::parseNumber(std::get<QString>(m_value), d);
    }
    default:
        return false;
    }
}

bool Variant::isDate() const
{
    if (m_value.index() == iDate)
        return true;
    if (m_value.index() == iString) {
        Date d;
        return detail::parseDate(std::get<QString>(m_value), d);
    }
    return false;
}

const QString& Variant::stringRef() const
{
    if (m_value.index() != iString)
        raise(13);
    return std::get<QString>(m_value);
}

bool Variant::sameAs(const Variant& o) const
{
    if (m_value.index() != o.m_value.index())
        return false;
    switch (m_value.index()) {
    case iEmpty: case iNull: return true;
    case iBool: return std::get<bool>(m_value) == std::get<bool>(o.m_value);
    case iByte: return std::get<std::uint8_t>(m_value) == std::get<std::uint8_t>(o.m_value);
    case iInteger: return std::get<IntegerTag>(m_value).v == std::get<IntegerTag>(o.m_value).v;
    case iLong: return std::get<std::int32_t>(m_value) == std::get<std::int32_t>(o.m_value);
    case iSingle: return std::get<SingleTag>(m_value).v == std::get<SingleTag>(o.m_value).v;
    case iDouble: return std::get<double>(m_value) == std::get<double>(o.m_value);
    case iCurrency: return std::get<Currency>(m_value) == std::get<Currency>(o.m_value);
    case iDecimal: return std::get<Decimal>(m_value) == std::get<Decimal>(o.m_value);
    case iDate: return std::get<Date>(m_value) == std::get<Date>(o.m_value);
    case iString: return std::get<QString>(m_value) == std::get<QString>(o.m_value);
    case iObject: return std::get<ObjectPtr>(m_value) == std::get<ObjectPtr>(o.m_value);
    default: return std::get<ErrorTag>(m_value).code == std::get<ErrorTag>(o.m_value).code;
    }
}

// ---- conversions ----

double Variant::toDouble() const
{
    switch (m_value.index()) {
    case iEmpty: return 0;
    case iNull: raise(94);
    case iBool: return std::get<bool>(m_value) ? -1.0 : 0.0;
    case iByte: return std::get<std::uint8_t>(m_value);
    case iInteger: return std::get<IntegerTag>(m_value).v;
    case iLong: return std::get<std::int32_t>(m_value);
    case iSingle: return std::get<SingleTag>(m_value).v;
    case iDouble: return std::get<double>(m_value);
    case iCurrency: return std::get<Currency>(m_value).toDouble();
    case iDecimal: return std::get<Decimal>(m_value).toDouble();
    case iDate: return std::get<Date>(m_value).serial;
    case iString: {
        double d;
        if (!detail::parseNumber(std::get<QString>(m_value), d))
            raise(13);
        return d;
    }
    case iObject:
        if (!std::get<ObjectPtr>(m_value))
            raise(91);
        raise(13);
    default: raise(13);
    }
}

namespace {
double roundedInRange(double d, double lo, double hi)
{
    if (!std::isfinite(d))
        raise(6);
    double r = detail::bankersRound(d);
    if (r < lo || r > hi)
        raise(6);
    return r;
}
} // namespace

bool Variant::toBool() const
{
    switch (m_value.index()) {
    case iEmpty: return false;
    case iBool: return std::get<bool>(m_value);
    case iString: {
        const QString t = std::get<QString>(m_value).trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0
            || t.compare(QLatin1String("Verdadero"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0
            || t.compare(QLatin1String("Falso"), Qt::CaseInsensitive) == 0)
            return false;
        double d;
        if (!detail::parseNumber(t, d))
            raise(13);
        return d != 0;
    }
    case iDecimal: return !std::get<Decimal>(m_value).isZero();
    case iCurrency: return std::get<Currency>(m_value).raw != 0;
    default: return toDouble() != 0;
    }
}

std::uint8_t Variant::toByte() const
{
    if (m_value.index() == iByte)
        return std::get<std::uint8_t>(m_value);
    return std::uint8_t(roundedInRange(toDouble(), 0, 255));
}

std::int16_t Variant::toInteger() const
{
    switch (m_value.index()) {
    case iInteger: return std::get<IntegerTag>(m_value).v;
    case iByte: return std::get<std::uint8_t>(m_value);
    case iBool: return std::get<bool>(m_value) ? -1 : 0;
    case iCurrency: {
        Decimal d(std::get<Currency>(m_value).raw, 4);
        d = d.rounded(0);
        if (d.mantissa() < -32768 || d.mantissa() > 32767)
            raise(6);
        return std::int16_t(d.mantissa());
    }
    case iDecimal: {
        Decimal d = std::get<Decimal>(m_value).rounded(0);
        if (d.mantissa() < -32768 || d.mantissa() > 32767)
            raise(6);
        return std::int16_t(d.mantissa());
    }
    default: return std::int16_t(roundedInRange(toDouble(), -32768, 32767));
    }
}

std::int32_t Variant::toLong() const
{
    switch (m_value.index()) {
    case iLong: return std::get<std::int32_t>(m_value);
    case iInteger: return std::get<IntegerTag>(m_value).v;
    case iByte: return std::get<std::uint8_t>(m_value);
    case iBool: return std::get<bool>(m_value) ? -1 : 0;
    case iCurrency: {
        Decimal d = Decimal(std::get<Currency>(m_value).raw, 4).rounded(0);
        if (d.mantissa() < std::numeric_limits<std::int32_t>::min() || d.mantissa() > std::numeric_limits<std::int32_t>::max())
            raise(6);
        return std::int32_t(d.mantissa());
    }
    case iDecimal: {
        Decimal d = std::get<Decimal>(m_value).rounded(0);
        if (d.mantissa() < std::numeric_limits<std::int32_t>::min() || d.mantissa() > std::numeric_limits<std::int32_t>::max())
            raise(6);
        return std::int32_t(d.mantissa());
    }
    default: return std::int32_t(roundedInRange(toDouble(), -2147483648.0, 2147483647.0));
    }
}

float Variant::toSingle() const
{
    double d = toDouble();
    if (std::isfinite(d) && std::fabs(d) > double(std::numeric_limits<float>::max()))
        raise(6);
    return float(d);
}

Currency Variant::toCurrency() const
{
    switch (m_value.index()) {
    case iCurrency: return std::get<Currency>(m_value);
    case iByte: case iInteger: case iLong: case iBool:
        return Currency{std::int64_t(toLong()) * 10000};
    case iDecimal: {
        Decimal d = std::get<Decimal>(m_value).rounded(4);
        Decimal scaled = d * Decimal(10000, 0);
        if (scaled.scale() != 0)
            scaled = scaled.rounded(0);
        if (scaled.mantissa() > std::numeric_limits<std::int64_t>::max() || scaled.mantissa() < std::numeric_limits<std::int64_t>::min())
            raise(6);
        return Currency{std::int64_t(scaled.mantissa())};
    }
    case iString: {
        Decimal d;
        if (!detail::parseNumber(std::get<QString>(m_value), d)) {
            double x;
            if (detail::parseNumber(std::get<QString>(m_value), x))
                raise(6);   // a number, but out of every exact range
            raise(13);
        }
        return Variant(d).toCurrency();
    }
    default: return Currency::fromDouble(toDouble());
    }
}

Decimal Variant::toDecimal() const
{
    switch (m_value.index()) {
    case iDecimal: return std::get<Decimal>(m_value);
    case iCurrency: return Decimal(std::get<Currency>(m_value).raw, 4);
    case iByte: case iInteger: case iLong: case iBool: return Decimal::fromLong(toLong());
    case iString: {
        Decimal d;
        if (!detail::parseNumber(std::get<QString>(m_value), d)) {
            double x;
            if (detail::parseNumber(std::get<QString>(m_value), x))
                raise(6);
            raise(13);
        }
        return d;
    }
    default: return Decimal::fromDouble(toDouble());
    }
}

Date Variant::toDate() const
{
    switch (m_value.index()) {
    case iDate: return std::get<Date>(m_value);
    case iString: {
        Date d;
        if (detail::parseDate(std::get<QString>(m_value), d))
            return d;
        // A text holding a number is a serial, as the original's CDate("45000") is not: it fails.
        raise(13);
    }
    default: return checkedDate(toDouble());
    }
}

QString Variant::toString() const
{
    const RegionalSettings& rs = Regional::current();
    switch (m_value.index()) {
    case iEmpty: return QString();
    case iNull: raise(94);
    case iBool: return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case iByte: return QString::number(std::get<std::uint8_t>(m_value));
    case iInteger: return QString::number(std::get<IntegerTag>(m_value).v);
    case iLong: return QString::number(std::get<std::int32_t>(m_value));
    case iSingle: return detail::numberText(std::get<SingleTag>(m_value).v, 7, rs.decimalSeparator, rs.leadingZero);
    case iDouble: return detail::numberText(std::get<double>(m_value), 15, rs.decimalSeparator, rs.leadingZero);
    case iCurrency: return Decimal(std::get<Currency>(m_value).raw, 4).toString(rs.decimalSeparator);
    case iDecimal: return std::get<Decimal>(m_value).toString(rs.decimalSeparator);
    case iDate: {
        const Date d = std::get<Date>(m_value);
        // Day 0 (30/12/1899) is "no date": the original shows only the time, midnight included.
        const bool hasTime = d.time() != QTime(0, 0);
        const bool hasDate = d.date() != QDate(1899, 12, 30);
        QString out;
        if (hasDate)
            out = Format(*this, rs.shortDateFormat);
        if (hasTime || !hasDate) {
            if (!out.isEmpty())
                out += u' ';
            out += Format(*this, rs.longTimeFormat);
        }
        return out;
    }
    case iString: return std::get<QString>(m_value);
    case iObject:
        if (!std::get<ObjectPtr>(m_value))
            raise(91);
        raise(13);
    default: raise(13);
    }
}

ObjectPtr Variant::toObject() const
{
    if (m_value.index() != iObject)
        raise(13);
    return std::get<ObjectPtr>(m_value);
}

// ---- comparison ----

namespace {

bool isNumberKind(int index)
{
    return index == iEmpty || index == iBool || index == iByte || index == iInteger || index == iLong || index == iSingle
        || index == iDouble || index == iCurrency || index == iDecimal || index == iDate;
}

bool isExactKind(int index)
{
    return index == iEmpty || index == iBool || index == iByte || index == iInteger || index == iLong
        || index == iCurrency || index == iDecimal;
}

int sign(double d) { return d < 0 ? -1 : (d > 0 ? 1 : 0); }

} // namespace

int Variant::compare(const Variant& other, CompareMethod method) const
{
    const int a = int(m_value.index()), b = int(other.m_value.index());
    if (a == iNull || b == iNull)
        raise(94);
    if (a == iObject || b == iObject || a == iError || b == iError)
        raise(13);
    if (a == iString && b == iString)
        return StrComp(std::get<QString>(m_value), std::get<QString>(other.m_value), method);
    if (a == iEmpty && b == iString)
        return StrComp(QString(), std::get<QString>(other.m_value), method);
    if (a == iString && b == iEmpty)
        return StrComp(std::get<QString>(m_value), QString(), method);
    if (isNumberKind(a) && isNumberKind(b)) {
        if (isExactKind(a) && isExactKind(b))
            return toDecimal().compare(other.toDecimal());
        if (a == iDecimal || b == iDecimal) {
            // A Double against a Decimal: compare exactly when the Double fits.
            double x = toDouble(), y = other.toDouble();
            return sign(x - y) != 0 ? sign(x - y) : 0;
        }
        double x = toDouble(), y = other.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    // One number (or date) and one text: the text is read as a number (or date) when it can be;
    // otherwise the number sorts first, as the original's Variant comparison does.
    const bool thisIsText = a == iString;
    const Variant& text = thisIsText ? *this : other;
    const Variant& num = thisIsText ? other : *this;
    int result;
    if (num.m_value.index() == iDate) {
        Date d;
        if (detail::parseDate(text.stringRef(), d))
            result = num.compare(Variant(d));
        else {
            double x;
            if (detail::parseNumber(text.stringRef(), x))
                result = num.compare(Variant(x));
            else
                result = -1;
        }
    } else {
        double x;
        if (detail::parseNumber(text.stringRef(), x)) {
            if (isExactKind(int(num.m_value.index()))) {
                Decimal dx;
                if (detail::parseNumber(text.stringRef(), dx))
                    result = num.toDecimal().compare(dx);
                else
                    result = num.compare(Variant(x));
            } else {
                result = num.compare(Variant(x));
            }
        } else {
            result = -1;
        }
    }
    return thisIsText ? -result : result;
}

bool Variant::equals(const Variant& other, CompareMethod method) const
{
    if (m_value.index() == iObject && other.m_value.index() == iObject)
        return std::get<ObjectPtr>(m_value) == std::get<ObjectPtr>(other.m_value);
    return compare(other, method) == 0;
}

// ---- arithmetic ----

namespace {

int rankOf(const Variant& v)
{
    switch (v.type()) {
    case VarType::Byte: return rByte;
    case VarType::Empty: case VarType::Boolean: case VarType::Integer: return rInteger;
    case VarType::Long: return rLong;
    case VarType::Single: return rSingle;
    case VarType::Double: case VarType::String: return rDouble;
    case VarType::Currency: return rCurrency;
    case VarType::Decimal: return rDecimal;
    case VarType::Date: return rDouble;
    default: raise(13);
    }
}

int resultRank(int ra, int rb)
{
    if (ra == rDecimal || rb == rDecimal)
        return rDecimal;
    if (ra == rDouble || rb == rDouble)
        return rDouble;
    if ((ra == rSingle && (rb == rLong || rb == rCurrency)) || (rb == rSingle && (ra == rLong || ra == rCurrency)))
        return rDouble;
    if (ra == rCurrency || rb == rCurrency)
        return rCurrency;
    if (ra == rSingle || rb == rSingle)
        return rSingle;
    return std::max(ra, rb);
}

enum Op { Add, Sub, Mul };

Variant fromIntegerResult(std::int64_t r, int rank)
{
    // Overflow widens to the next kind, as the original's Variant arithmetic does.
    if (rank == rByte && r >= 0 && r <= 255)
        return Variant(std::uint8_t(r));
    if (rank <= rInteger && r >= -32768 && r <= 32767)
        return Variant(std::int16_t(r));
    if (r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max())
        return Variant(std::int32_t(r));
    return Variant(double(r));
}

Variant currencyOp(Currency a, Currency b, Op op)
{
    __int128 r;
    switch (op) {
    case Add: r = __int128(a.raw) + b.raw; break;
    case Sub: r = __int128(a.raw) - b.raw; break;
    default: {
        Decimal d = Decimal(a.raw, 4) * Decimal(b.raw, 4);
        return Variant(Variant(d).toCurrency());
    }
    }
    if (r > std::numeric_limits<std::int64_t>::max() || r < std::numeric_limits<std::int64_t>::min())
        raise(6);
    return Variant(Currency{std::int64_t(r)});
}

Variant numericOp(const Variant& a, const Variant& b, Op op)
{
    const bool aDate = a.type() == VarType::Date, bDate = b.type() == VarType::Date;
    int rank = resultRank(rankOf(a), rankOf(b));
    if (rank == rDecimal) {
        Decimal x = a.toDecimal(), y = b.toDecimal();
        return Variant(op == Add ? x + y : op == Sub ? x - y : x * y);
    }
    if (rank == rCurrency)
        return currencyOp(a.toCurrency(), b.toCurrency(), op);
    if (rank == rDouble || rank == rSingle) {
        double x = a.toDouble(), y = b.toDouble();
        double r = op == Add ? x + y : op == Sub ? x - y : x * y;
        if (!std::isfinite(r))
            raise(6);
        if ((aDate || bDate) && op != Mul) {
            if (op == Sub && aDate && bDate)
                return Variant(r);
            return Variant(checkedDate(r));
        }
        if (rank == rSingle) {
            if (std::fabs(r) > double(std::numeric_limits<float>::max()))
                return Variant(r);
            return Variant(float(r));
        }
        return Variant(r);
    }
    std::int64_t x = a.toLong(), y = b.toLong();
    std::int64_t r = op == Add ? x + y : op == Sub ? x - y : x * y;
    return fromIntegerResult(r, rank);
}

} // namespace

Variant operator+(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    if (a.isString() && b.isString())
        return Variant(a.stringRef() + b.stringRef());
    if (a.isEmpty() && b.isString())
        return b;
    if (a.isString() && b.isEmpty())
        return a;
    if (a.isEmpty() && b.isEmpty())
        return Variant(std::int16_t(0));
    return numericOp(a, b, Add);
}

Variant operator-(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    return numericOp(a, b, Sub);
}

Variant operator*(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    return numericOp(a, b, Mul);
}

Variant operator/(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    if (a.type() == VarType::Decimal || b.type() == VarType::Decimal)
        return Variant(a.toDecimal() / b.toDecimal());
    double x = a.toDouble(), y = b.toDouble();
    if (y == 0)
        raise(x == 0 ? 6 : 11);
    double r = x / y;
    if (!std::isfinite(r))
        raise(6);
    return Variant(r);
}

Variant Variant::concat(const Variant& a, const Variant& b)
{
    if (a.isNull() && b.isNull())
        return Variant::null();
    QString left = a.isNull() ? QString() : a.toString();
    QString right = b.isNull() ? QString() : b.toString();
    return Variant(left + right);
}

Variant Variant::intDivide(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    int rank = std::max(rankOf(a), rankOf(b));
    std::int64_t x = rank > rLong ? a.toLong() : a.toLong();
    std::int64_t y = b.toLong();
    if (y == 0)
        raise(11);
    return fromIntegerResult(x / y, rank > rLong ? rLong : rank);
}

Variant Variant::modulo(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    int rank = std::max(rankOf(a), rankOf(b));
    std::int64_t x = a.toLong();
    std::int64_t y = b.toLong();
    if (y == 0)
        raise(11);
    return fromIntegerResult(x % y, rank > rLong ? rLong : rank);
}

Variant Variant::power(const Variant& a, const Variant& b)
{
    if (a.isNull() || b.isNull())
        return Variant::null();
    double x = a.toDouble(), y = b.toDouble();
    if (x < 0 && y != std::trunc(y))
        raise(5);
    if (x == 0 && y < 0)
        raise(5);
    double r = std::pow(x, y);
    if (!std::isfinite(r))
        raise(6);
    return Variant(r);
}

Variant Variant::operator-() const
{
    switch (m_value.index()) {
    case iNull: return *this;
    case iEmpty: return Variant(std::int16_t(0));
    case iBool: return Variant(std::int16_t(std::get<bool>(m_value) ? 1 : 0));
    case iByte: return Variant(std::int16_t(-int(std::get<std::uint8_t>(m_value))));
    case iInteger: return fromIntegerResult(-std::int64_t(std::get<IntegerTag>(m_value).v), rInteger);
    case iLong: return fromIntegerResult(-std::int64_t(std::get<std::int32_t>(m_value)), rLong);
    case iSingle: return Variant(-std::get<SingleTag>(m_value).v);
    case iDouble: return Variant(-std::get<double>(m_value));
    case iCurrency: {
        auto raw = std::get<Currency>(m_value).raw;
        if (raw == std::numeric_limits<std::int64_t>::min())
            raise(6);
        return Variant(Currency{-raw});
    }
    case iDecimal: return Variant(-std::get<Decimal>(m_value));
    case iDate: return Variant(checkedDate(-std::get<Date>(m_value).serial));
    case iString: return Variant(-toDouble());
    default: raise(13);
    }
}

} // namespace vb
