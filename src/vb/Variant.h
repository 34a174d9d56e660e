#pragma once
// The Variant of the original language: one value of any kind, with that language's
// conversion and comparison rules. Conversions that cannot be made raise vb::Error
// (13 type mismatch, 6 overflow, 94 invalid use of Null).

#include <QString>
#include <QDateTime>
#include <compare>
#include <cstdint>
#include <memory>
#include <variant>

namespace vb {

// VarType codes, as the original's VarType() returns them.
enum class VarType : int {
    Empty = 0, Null = 1, Integer = 2, Long = 3, Single = 4, Double = 5, Currency = 6,
    Date = 7, String = 8, Object = 9, Error = 10, Boolean = 11, Decimal = 14, Byte = 17
};

// 64-bit fixed point with four decimals: raw = value * 10000.
struct Currency {
    std::int64_t raw = 0;
    static Currency fromRaw(std::int64_t r) { return Currency{r}; }
    static Currency fromDouble(double d);          // banker's rounding to 4 decimals, error 6 on overflow
    double toDouble() const { return double(raw) / 10000.0; }
    auto operator<=>(const Currency&) const = default;
};

// Up to 28 significant digits, scale 0..28: value = mantissa / 10^scale.
class Decimal {
public:
    Decimal() = default;
    Decimal(__int128 mantissa, int scale);
    static Decimal fromLong(std::int64_t v) { return Decimal(v, 0); }
    static Decimal fromDouble(double d);            // error 6 when out of range
    static bool parse(const QString& text, Decimal& out, QChar decimalSep = u'.'); // plain digits, sign, one separator, optional exponent
    __int128 mantissa() const { return m_mantissa; }
    int scale() const { return m_scale; }
    double toDouble() const;
    QString toString(QChar decimalSep = u'.') const;  // shortest form, trailing zeros dropped
    Decimal operator+(const Decimal& o) const;
    Decimal operator-(const Decimal& o) const;
    Decimal operator*(const Decimal& o) const;
    Decimal operator/(const Decimal& o) const;      // error 11 on division by zero (6 for 0/0)
    Decimal rounded(int decimals) const;            // banker's rounding to that many decimals
    bool isNegative() const { return m_mantissa < 0; }
    bool isZero() const { return m_mantissa == 0; }
    Decimal operator-() const { return Decimal(-m_mantissa, m_scale); }
    int compare(const Decimal& o) const;            // -1, 0, 1
    bool operator==(const Decimal& o) const { return compare(o) == 0; }
private:
    __int128 m_mantissa = 0;
    int m_scale = 0;
};

// A date of the original: days since 1899-12-30, the fraction is the time of day.
struct Date {
    double serial = 0;
    static Date fromDateTime(const QDateTime& dt);
    static Date fromDate(const QDate& d);
    QDateTime toDateTime() const;
    QDate date() const;
    QTime time() const;
    auto operator<=>(const Date&) const = default;
};

// Base of everything a Variant can hold as an object (Collection, Dictionary, ...).
class Object {
public:
    virtual ~Object() = default;
    virtual QString typeName() const = 0;
};
using ObjectPtr = std::shared_ptr<Object>;

enum class CompareMethod { Binary = 0, Text = 1 };

class Variant {
public:
    Variant() = default;                            // Empty
    Variant(bool v);
    Variant(std::uint8_t v);                        // Byte
    Variant(std::int16_t v);                        // Integer
    Variant(int v);                                 // Long
    Variant(std::int64_t v);                        // Long when it fits, else Double (error 6 on CLng later)
    Variant(long long v) : Variant(std::int64_t(v)) {}   // qint64
    Variant(unsigned v) : Variant(std::int64_t(v)) {}
    Variant(unsigned long v) : Variant(double(v) <= 9.2e18 ? Variant(std::int64_t(v)) : Variant(double(v))) {}   // size_t
    Variant(float v);                               // Single
    Variant(double v);                              // Double
    Variant(Currency v);
    Variant(const Decimal& v);
    Variant(Date v);
    Variant(const QString& v);
    Variant(QString&& v);
    Variant(const char* utf8);
    Variant(ObjectPtr v);                           // Nothing when null

    static Variant null();
    static Variant missing();                       // an optional argument left out (VarType Error)
    static Variant errorValue(int code);            // CVErr

    VarType type() const;
    QString typeName() const;                       // TypeName(): "Empty", "Null", "Integer", "String", "Dictionary" ...
    bool isEmpty() const { return type() == VarType::Empty; }
    bool isNull() const { return type() == VarType::Null; }
    bool isMissing() const;
    bool isObject() const { return type() == VarType::Object; }
    bool isNothing() const;                         // an Object slot holding no object
    bool isNumeric() const;                         // IsNumeric(): numbers, and text that reads as a number
    bool isDate() const;                            // IsDate()
    bool isString() const { return type() == VarType::String; }

    // Conversions with the original's rules (CBool, CByte, CInt, CLng, CSng, CDbl, CCur, CDec, CDate, CStr).
    bool toBool() const;
    std::uint8_t toByte() const;
    std::int16_t toInteger() const;
    std::int32_t toLong() const;
    float toSingle() const;
    double toDouble() const;
    Currency toCurrency() const;
    Decimal toDecimal() const;
    Date toDate() const;
    QString toString() const;                       // Null raises 94; Empty gives ""
    ObjectPtr toObject() const;                     // error 13 when not an object
    template <class T> std::shared_ptr<T> as() const { return std::dynamic_pointer_cast<T>(toObject()); }

    // Raw access for code that already checked the type.
    const QString& stringRef() const;

    // Comparison as the original's operators on Variants: numbers numerically, text with the
    // given method, Empty as 0 or "", Null yields Null (returned here as std::nullopt-like: see compare()).
    // Returns -1, 0 or 1; raises 94 on Null operands (callers that accept Null test isNull first).
    int compare(const Variant& other, CompareMethod method = CompareMethod::Binary) const;
    bool equals(const Variant& other, CompareMethod method = CompareMethod::Binary) const;

    // Operators of the original: + (numbers add, two texts join), & (always joins), - * /.
    friend Variant operator+(const Variant& a, const Variant& b);
    friend Variant operator-(const Variant& a, const Variant& b);
    friend Variant operator*(const Variant& a, const Variant& b);
    friend Variant operator/(const Variant& a, const Variant& b);
    static Variant concat(const Variant& a, const Variant& b);   // the & operator: Null & x = x
    static Variant intDivide(const Variant& a, const Variant& b); // the \ operator
    static Variant modulo(const Variant& a, const Variant& b);    // Mod
    static Variant power(const Variant& a, const Variant& b);     // ^
    Variant operator-() const;                                    // negation keeps the kind (Null stays Null)
    friend bool operator==(const Variant& a, const Variant& b) { return a.equals(b); }  // binary compare; 94 on Null
    bool sameAs(const Variant& other) const;        // identical kind and value (Null == Null): for tests and containers
    int errorCode() const;                          // the code of an Error value (CVErr), 13 otherwise

private:
    struct NullTag { bool operator==(const NullTag&) const = default; };
    struct ErrorTag { int code; bool operator==(const ErrorTag&) const = default; };
    struct IntegerTag { std::int16_t v; };
    struct SingleTag { float v; };
    std::variant<std::monostate, NullTag, bool, std::uint8_t, IntegerTag, std::int32_t, SingleTag, double,
                 Currency, Decimal, Date, QString, ObjectPtr, ErrorTag> m_value;
};

} // namespace vb
