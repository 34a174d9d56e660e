#include "data/RestrictedViews.h"

namespace data {

QStringList& RestrictedViews::depositoExemptPrograms()
{
    static QStringList names;
    return names;
}

QStringList& RestrictedViews::familiasExemptPrograms()
{
    static QStringList names;
    return names;
}

QString RestrictedViews::withoutMarkers(QString text)
{
    return text.remove(QStringLiteral("@Admin_"), Qt::CaseInsensitive);
}

bool RestrictedViews::exempt(const QStringList& programs, const QString& exeName)
{
    return programs.contains(exeName, Qt::CaseInsensitive);
}

void RestrictedViews::substitute(QString& text, const QString& base, const QString& restricted)
{
    // Only where a blank or "(" precedes the name and a blank or "." follows, or "," and ".":
    // a name next to anything else is left alone.
    static const std::pair<const char*, const char*> frames[] = {{" ", " "}, {"(", " "}, {" ", "."}, {"(", "."},
                                                                 {",", "."}};
    for (const auto& [before, after] : frames)
        text.replace(QLatin1String(before) + base + QLatin1String(after),
                     QLatin1String(before) + restricted + QLatin1String(after), Qt::CaseInsensitive);
}

QString RestrictedViews::rewrite(const QString& sql, const Context& context)
{
    if (context.esAdmin)
        return withoutMarkers(sql);
    if (sql.contains(QLatin1String("MV_ASIENTOS"), Qt::CaseInsensitive) && !context.confidencialidad)
        return withoutMarkers(sql);

    QString text = sql;
    substitute(text, QStringLiteral("MA_CUENTAS"), QStringLiteral("SS_MA_CUENTAS"));
    text.replace(QLatin1String("{MA_CUENTAS."), QLatin1String("{SS_MA_CUENTAS."), Qt::CaseInsensitive);
    if (text.contains(QLatin1String("@admin_"), Qt::CaseInsensitive)) {
        // A marker anywhere keeps every MA_CUENTAS of the statement on the base table.
        text.replace(QLatin1String("@Admin_MA_CUENTAS"), QLatin1String("MA_CUENTAS"), Qt::CaseInsensitive);
        text.replace(QLatin1String("SS_MA_CUENTAS"), QLatin1String("MA_CUENTAS"), Qt::CaseInsensitive);
    }
    if (!exempt(depositoExemptPrograms(), context.exeName))
        substitute(text, QStringLiteral("V_TA_DEPOSITO"), QStringLiteral("SS_V_TA_DEPOSITO"));
    substitute(text, QStringLiteral("MV_ASIENTOS"), QStringLiteral("SS_MV_ASIENTOS"));
    if (!exempt(familiasExemptPrograms(), context.exeName))
        substitute(text, QStringLiteral("V_TA_FAMILIAS"), QStringLiteral("SS_V_TA_FAMILIAS"));
    substitute(text, QStringLiteral("V_TA_CAJAS"), QStringLiteral("SS_V_TA_CAJAS"));
    substitute(text, QStringLiteral("AC_CUENTASDIARIO"), QStringLiteral("SS_AC_CUENTASDIARIO"));
    substitute(text, QStringLiteral("AC_CUENTASDIARIO_CCOSTO"), QStringLiteral("SS_AC_CUENTAS_DIARIO_CCOSTO"));
    return withoutMarkers(text);
}

} // namespace data
