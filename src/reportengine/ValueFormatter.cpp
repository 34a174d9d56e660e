#include "reportengine/ValueFormatter.h"
#include <cmath>

namespace reportengine {

QString ValueFormatter::format(const FormulaValue& value, const QString& format)
{
    if (value.isNull() || format.isEmpty())
        return value.toText();
    switch (value.kind()) {
    case FormulaValue::Kind::Number: return number(value.toNumber(), format);
    case FormulaValue::Kind::Date:
    case FormulaValue::Kind::DateTime: return value.toDateTime().toString(format);
    default: return value.toText();
    }
}

QString ValueFormatter::number(double value, const QString& format)
{
    const qsizetype point = format.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(format.size() - point - 1);
    const bool grouped = format.contains(u',');
    const double factor = std::pow(10.0, decimals);
    // Halves away from zero, as a printed amount is expected to round.
    const double rounded = std::round(std::abs(value) * factor) / factor;
    QString digits = QString::number(rounded, 'f', decimals);
    QString whole = point < 0 ? digits : digits.left(digits.indexOf(u'.'));
    const QString fraction = decimals > 0 ? digits.mid(digits.indexOf(u'.') + 1) : QString();
    if (grouped)
        for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
            whole.insert(i, u'.');
    QString out = whole;
    if (decimals > 0)
        out += u',' + fraction;
    const bool negative = value < 0 && rounded != 0;
    return negative ? u'-' + out : out;
}

} // namespace reportengine
