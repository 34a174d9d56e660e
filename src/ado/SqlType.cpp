#include "ado/SqlType.h"

#include <QRegularExpression>

namespace ado {

SqlType SqlType::fromDeclared(const QString& declared)
{
    static const QRegularExpression shape(
        QStringLiteral("^\\s*\\[?([A-Za-z_][A-Za-z_0-9 ]*?)\\]?\\s*(?:\\(\\s*(\\w+)\\s*(?:,\\s*(\\d+)\\s*)?\\))?\\s*$"));
    const auto m = shape.match(declared);
    if (!m.hasMatch())
        return {};
    const QString name = m.captured(1).toLower();
    const QString size = m.captured(2);
    SqlType t;
    if (name.contains(QLatin1String("char")) || name.contains(QLatin1String("text")) || name == QLatin1String("sysname")
        || name == QLatin1String("uniqueidentifier")) {
        t.kind = Text;
        t.fixed = name == QLatin1String("char") || name == QLatin1String("nchar") || name == QLatin1String("character");
        bool sized = false;
        const int n = size.toInt(&sized);
        t.length = sized ? n : (size.isEmpty() && t.fixed ? 1 : -1);
    } else if (name.contains(QLatin1String("date")) || name.contains(QLatin1String("time"))) {
        t.kind = Date;
    } else if (name == QLatin1String("bit") || name == QLatin1String("boolean")) {
        t.kind = Bit;
    } else if (name.contains(QLatin1String("int"))) {
        t.kind = Integer;
        t.precision = name == QLatin1String("bigint") ? 19 : name == QLatin1String("smallint") ? 5 : name == QLatin1String("tinyint") ? 3 : 10;
    } else if (name.contains(QLatin1String("money"))) {
        t.kind = Money;
    } else if (name == QLatin1String("decimal") || name == QLatin1String("numeric") || name == QLatin1String("dec")) {
        t.kind = Decimal;
        t.precision = size.isEmpty() ? 18 : size.toInt();
        t.scale = m.captured(3).toInt();
    } else if (name == QLatin1String("float") || name == QLatin1String("real") || name.startsWith(QLatin1String("double"))) {
        t.kind = Float;
    }
    return t;
}

SqlType SqlType::higher(const SqlType& a, const SqlType& b)
{
    if (!a.isKnown())
        return b;
    if (!b.isKnown() || a.kind > b.kind)
        return a;
    if (b.kind > a.kind)
        return b;
    if (a.kind == Text) {
        // Two texts: the result is as long as the longer one; an unknown length stays unknown.
        SqlType t = a;
        t.length = a.length < 0 || b.length < 0 ? -1 : std::max(a.length, b.length);
        t.fixed = a.fixed && b.fixed;
        return t;
    }
    if (a.kind == Integer) {
        SqlType t = a;
        t.precision = std::max(a.precision, b.precision);
        return t;
    }
    if (a.kind == Decimal) {
        SqlType t = a;
        t.scale = std::max(a.scale, b.scale);
        t.precision = std::max(a.precision - a.scale, b.precision - b.scale) + t.scale;
        return t;
    }
    return a;
}

QString SqlType::declaration() const
{
    switch (kind) {
    case Text: {
        const QString size = length < 0 ? QStringLiteral("max") : QString::number(std::max(length, 1));
        if (fixed && length > 0)
            return QStringLiteral("char(%1)").arg(size);
        return QStringLiteral("varchar(%1)").arg(length > 8000 ? QStringLiteral("max") : size);
    }
    case Bit: return QStringLiteral("bit");
    case Integer:
        return precision >= 19 ? QStringLiteral("bigint") : precision == 5 ? QStringLiteral("smallint")
               : precision == 3 ? QStringLiteral("tinyint") : QStringLiteral("int");
    case Money: return QStringLiteral("money");
    case Decimal: return QStringLiteral("decimal(%1,%2)").arg(precision).arg(scale);
    case Float: return QStringLiteral("float");
    case Date: return QStringLiteral("datetime");
    case Unknown: break;
    }
    return {};
}

} // namespace ado
