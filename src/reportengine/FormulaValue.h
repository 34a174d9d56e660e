#pragma once
// A value of the report formula language. Comparisons follow the database server's rules:
// text ignores letter case and trailing blanks, booleans meet bit columns as 1/0, a date meets
// a date-time column at midnight, and any comparison with Null is unknown.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <variant>

namespace reportengine {

class FormulaValue {
public:
    enum class Kind { Null, Boolean, Number, Text, Date, DateTime };

    FormulaValue() = default;
    static FormulaValue boolean(bool v);
    static FormulaValue number(double v);
    static FormulaValue text(const QString& v);
    static FormulaValue date(const QDate& v);
    static FormulaValue dateTime(const QDateTime& v);

    Kind kind() const { return Kind(m_value.index()); }
    bool isNull() const { return kind() == Kind::Null; }
    bool isText() const { return kind() == Kind::Text; }

    bool toBool() const;                 // raises FormulaError for text that is not a boolean
    double toNumber() const;             // numeric text is accepted (either decimal separator)
    QString toText() const&;             // dates dd/MM/yyyy, whole numbers without decimals
    QString toText() &&;                 // the same; a text is moved out, so that it may grow in place
    qsizetype textSize() const;          // characters of a text; 0 for any other kind
    QDateTime toDateTime() const;

    // -1, 0, 1; nullopt when either side is Null. Raises FormulaError on kinds that do not meet.
    static std::optional<int> compare(const FormulaValue& a, const FormulaValue& b);
    static std::optional<double> parseNumber(const QString& text);

    bool operator==(const FormulaValue& o) const { return m_value == o.m_value; }

private:
    std::variant<std::monostate, bool, double, QString, QDate, QDateTime> m_value;
};

} // namespace reportengine
