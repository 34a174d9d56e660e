#include "ado/SessionOptions.h"

#include <QStringList>

namespace ado {

namespace {
QString bare(const QString& value)
{
    QString v = value.trimmed();
    if (v.size() >= 2 && ((v.startsWith(u'\'') && v.endsWith(u'\'')) || (v.startsWith(u'[') && v.endsWith(u']'))
                          || (v.startsWith(u'"') && v.endsWith(u'"'))))
        v = v.mid(1, v.size() - 2);
    return v.toLower();
}

enum class Language { Unknown, Spanish, UsEnglish, British };

Language languageOf(const QString& value)
{
    const QString v = bare(value);
    if (v == QStringLiteral("español") || v == QLatin1String("spanish") || v == QLatin1String("espanol"))
        return Language::Spanish;
    if (v == QLatin1String("us_english") || v == QLatin1String("english"))
        return Language::UsEnglish;
    if (v == QLatin1String("british"))
        return Language::British;
    return Language::Unknown;
}
} // namespace

std::optional<DateOrder> SessionOptions::dateOrderOf(const QString& option, const QString& value)
{
    if (option.compare(QLatin1String("LANGUAGE"), Qt::CaseInsensitive) == 0) {
        switch (languageOf(value)) {
        case Language::Spanish: case Language::British: return DateOrder::DMY;
        case Language::UsEnglish: return DateOrder::MDY;
        case Language::Unknown: return std::nullopt;
        }
    }
    const QString v = bare(value);
    if (v == QLatin1String("dmy"))
        return DateOrder::DMY;
    if (v == QLatin1String("mdy"))
        return DateOrder::MDY;
    if (v == QLatin1String("ymd"))
        return DateOrder::YMD;
    return std::nullopt;
}

bool SessionOptions::apply(const QString& option, const QString& value)
{
    const QString name = option.toUpper();
    if (name == QLatin1String("XACT_ABORT")) {
        xactAbort = value.trimmed().compare(QLatin1String("ON"), Qt::CaseInsensitive) == 0;
        return true;
    }
    if (name == QLatin1String("DATEFIRST")) {
        const int day = value.trimmed().toInt();
        if (day < 1 || day > 7)
            return false;
        dateFirst = day;
        return true;
    }
    const auto order = dateOrderOf(name, value);
    if (!order)
        return false;
    dateOrder = *order;
    if (name == QLatin1String("LANGUAGE")) {
        const Language language = languageOf(value);
        englishNames = language != Language::Spanish;
        dateFirst = language == Language::UsEnglish ? 7 : 1;
    }
    return true;
}

QString SessionOptions::monthName(int month) const
{
    static const QStringList spanish{QStringLiteral("Enero"), QStringLiteral("Febrero"), QStringLiteral("Marzo"),
        QStringLiteral("Abril"), QStringLiteral("Mayo"), QStringLiteral("Junio"), QStringLiteral("Julio"),
        QStringLiteral("Agosto"), QStringLiteral("Septiembre"), QStringLiteral("Octubre"), QStringLiteral("Noviembre"),
        QStringLiteral("Diciembre")};
    static const QStringList english{QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"), QStringLiteral("July"),
        QStringLiteral("August"), QStringLiteral("September"), QStringLiteral("October"), QStringLiteral("November"),
        QStringLiteral("December")};
    return (englishNames ? english : spanish).value(month - 1);
}

QString SessionOptions::shortMonthName(int month) const
{
    static const QStringList spanish{QStringLiteral("Ene"), QStringLiteral("Feb"), QStringLiteral("Mar"),
        QStringLiteral("Abr"), QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Ago"),
        QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dic")};
    return englishNames ? monthName(month).left(3) : spanish.value(month - 1);
}

QString SessionOptions::dayName(int isoDay) const
{
    static const QStringList spanish{QStringLiteral("Lunes"), QStringLiteral("Martes"), QStringLiteral("Miércoles"),
        QStringLiteral("Jueves"), QStringLiteral("Viernes"), QStringLiteral("Sábado"), QStringLiteral("Domingo")};
    static const QStringList english{QStringLiteral("Monday"), QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
        QStringLiteral("Thursday"), QStringLiteral("Friday"), QStringLiteral("Saturday"), QStringLiteral("Sunday")};
    return (englishNames ? english : spanish).value(isoDay - 1);
}

} // namespace ado
