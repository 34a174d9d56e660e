#include "reports/ArmarFiltro.h"
#include "reports/SuiteDate.h"

#include "app/SharedObjects.h"
#include "ado/SqlQuoting.h"
#include "kit/Utilidades.h"
#include "vb/Conversions.h"
#include "vb/Strings.h"

#include <optional>

namespace reports {

namespace {

enum class Kind { Date, Number, ToNumber, Text };

constexpr std::int16_t kDate = 7;
constexpr std::int16_t kToNumber = 5;
constexpr int kTypeMismatch = 13;

Kind kindOf(std::int16_t tipo)
{
    switch (tipo) {
    case kDate: return Kind::Date;
    case 20: case 2: case 6: case 4: return Kind::Number;
    case kToNumber: return Kind::ToNumber;
    default: return Kind::Text;
    }
}

bool given(const QString& bound)
{
    return !vb::Trim(bound).isEmpty();
}

bool isPattern(const QString& bound)
{
    return bound.contains(u'*');
}

// A date bound without the NULs a fixed-length field may carry, trimmed.
QString dateBound(const QString& bound)
{
    return vb::Trim(app::gUtil().QuitarCaracteres(bound, QString(QChar(0))));
}

// The connector that joins a row's clause to the ones before it, written between blanks.
std::optional<QString> connectorOf(const RangoFiltro& row)
{
    QString k = vb::Trim(row.Operador);
    if (k.isEmpty())
        k = QStringLiteral("AND");
    if (!vb::textEquals(k, QStringLiteral("AND")) && !vb::textEquals(k, QStringLiteral("OR")))
        return std::nullopt;
    return u' ' + k + u' ';
}

QString checkDates(const RangoFiltro& row)
{
    const QString d = dateBound(row.Desde), h = dateBound(row.Hasta);
    // A lone From bound is checked too: it would otherwise fail later, in the date writer.
    if (!d.isEmpty() && !isSuiteDate(d))
        return QStringLiteral("Fecha Desde Incorrecta , Campo : ") + row.Campo;
    if (!h.isEmpty() && !isSuiteDate(h))
        return QStringLiteral("Fecha Hasta Incorrecta , Campo : ") + row.Campo;
    if (!d.isEmpty() && !h.isEmpty() && vb::CDate(h) < vb::CDate(d))
        return QStringLiteral("Fecha Desde Mayor que Hasta , Campo : ") + row.Campo;
    return {};
}

// The bound as a number of the row's kind; raises 13 or 6 as the conversion does.
double numberOf(std::int16_t tipo, const QString& bound)
{
    const vb::Variant v(vb::Trim(bound));
    switch (tipo) {
    case 20: return vb::CLng(v);
    case 2: case 6: return vb::CInt(v);
    case 4: return vb::CSng(v);
    default: return vb::CDbl(v);
    }
}

QString checkNumbers(const RangoFiltro& row)
{
    // Patterns have no order; every other bound must be a number, so that nothing but a number
    // reaches the formula unquoted.
    const bool patterns = row.Tipo != kToNumber;
    const bool from = given(row.Desde) && !(patterns && isPattern(row.Desde));
    const bool to = given(row.Hasta) && !(patterns && isPattern(row.Hasta));
    if (from && to) {
        if (numberOf(row.Tipo, row.Desde) > numberOf(row.Tipo, row.Hasta))
            return QStringLiteral("Desde Mayor que Hasta, Campo : ") + row.Campo;
        return {};
    }
    for (const QString* bound : {from ? &row.Desde : nullptr, to ? &row.Hasta : nullptr})
        if (bound && !vb::IsNumeric(vb::Trim(*bound)))
            vb::raise(kTypeMismatch);
    return {};
}

QString checkTexts(const RangoFiltro& row)
{
    if (given(row.Desde) && given(row.Hasta)
        && vb::StrComp(vb::Trim(row.Desde), vb::Trim(row.Hasta), vb::CompareMethod::Text) > 0)
        return QStringLiteral("Desde Mayor que Hasta, Campo : ") + row.Campo;
    return {};
}

QString checkRange(const RangoFiltro& row)
{
    switch (kindOf(row.Tipo)) {
    case Kind::Date: return checkDates(row);
    case Kind::Number: case Kind::ToNumber: return checkNumbers(row);
    case Kind::Text: return checkTexts(row);
    }
    return {};
}

// "and" only between two parts of one clause.
QString joiner(const QString& clause, const QString& word)
{
    return vb::Trim(clause).isEmpty() ? QString() : word;
}

// field >= from AND field <= to, each part when its bound is given.
QString rangeClause(const QString& field, const QString& from, const QString& to, bool hasFrom, bool hasTo)
{
    QString l;
    if (hasFrom)
        l = field + QStringLiteral(" >= ") + from + u' ';
    if (hasTo)
        l += joiner(l, QStringLiteral(" AND ")) + field + QStringLiteral(" <= ") + to + u' ';
    return l;
}

QString dateClause(const RangoFiltro& row)
{
    const QString d = dateBound(row.Desde), h = dateBound(row.Hasta);
    return rangeClause(row.Campo, d.isEmpty() ? QString() : app::gUtil().FechaFormula(d),
                       h.isEmpty() ? QString() : app::gUtil().FechaFormula(h), !d.isEmpty(), !h.isEmpty());
}

QString toNumberClause(const RangoFiltro& row)
{
    const QString field = QStringLiteral("tonumber(") + row.Campo + u')';
    return rangeClause(field, row.Desde, row.Hasta, given(row.Desde), given(row.Hasta));
}

// Text and number rows: ranges, or LIKE patterns when a bound holds "*".
QString patternClause(const RangoFiltro& row)
{
    const bool text = kindOf(row.Tipo) == Kind::Text;
    const QString quote = text ? QStringLiteral("'") : QString();
    const QString field = text && row.SinRecorte == 0 ? QStringLiteral("TrimLeft(TrimRight(") + row.Campo + QStringLiteral("))")
                                                      : row.Campo;
    const auto value = [&](const QString& bound) { return quote + (text ? ado::escapeSqlText(bound) : bound) + quote; };
    const auto like = [&](const QString& bound) { return field + QStringLiteral(" LIKE '") + ado::escapeSqlText(bound) + QStringLiteral("' "); };
    const bool fromStar = isPattern(row.Desde), toStar = isPattern(row.Hasta);
    QString l;
    if (fromStar)
        l = QStringLiteral(" (") + like(row.Desde);
    else if (given(row.Desde))
        l = field + QStringLiteral(" >= ") + value(row.Desde) + u' ';
    if (toStar)
        l += joiner(l, fromStar ? QStringLiteral(" OR ") : QStringLiteral(" AND ")) + like(row.Hasta);
    else if (given(row.Hasta))
        l += joiner(l, QStringLiteral(" AND ")) + field + QStringLiteral(" <= ") + value(row.Hasta) + u' ';
    if (fromStar)
        l += u')';
    return l;
}

QString clauseOf(const RangoFiltro& row)
{
    switch (kindOf(row.Tipo)) {
    case Kind::Date: return dateClause(row);
    case Kind::ToNumber: return toNumberClause(row);
    case Kind::Number: case Kind::Text: return patternClause(row);
    }
    return {};
}

} // namespace

void ArmarFiltro(const QList<RangoFiltro>& Filtros, QString& Formula, QString* MensajeError)
{
    QString result;
    bool first = true;
    for (const RangoFiltro& row : Filtros) {
        const std::optional<QString> connector = connectorOf(row);
        QString message = connector ? checkRange(row) : QStringLiteral("Operador logico incorrecto");
        if (!message.isEmpty()) {
            if (MensajeError)
                *MensajeError = message;
            return;
        }
        const QString clause = clauseOf(row);
        if (vb::Trim(clause).isEmpty())
            continue;
        result = first ? clause : result + *connector + clause;
        first = false;
    }
    Formula = result;
}

} // namespace reports
