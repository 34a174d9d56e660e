#include "reportengine/FormulaFunctions.h"
#include "reportengine/FormulaError.h"
#include <QLocale>

namespace reportengine {

namespace {

bool is(const QString& name, const char* candidate)
{
    return name.compare(QLatin1String(candidate), Qt::CaseInsensitive) == 0;
}

void requireCount(const QString& name, const std::vector<FormulaValue>& args, std::size_t min, std::size_t max)
{
    if (args.size() < min || args.size() > max)
        throw FormulaError(QStringLiteral("Cantidad de argumentos incorrecta para %1").arg(name));
}

bool anyNull(const std::vector<FormulaValue>& args)
{
    for (const auto& a : args)
        if (a.isNull())
            return true;
    return false;
}

int wholeNumber(const FormulaValue& v)
{
    const double d = v.toNumber();
    if (!(d >= -1e9 && d <= 1e9))   // NaN too
        throw FormulaError(QStringLiteral("Número fuera de rango"));
    return int(d);
}

QString trimLeft(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == u' ')
        ++i;
    return s.mid(i);
}

QString trimRight(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    return s.left(n);
}

const char* const TextFunctions[] = {"UCASE", "LCASE", "TrimLeft", "TrimRight", "Trim", "Left", "Right", "Mid", "Len", "tonumber"};
const char* const DateFunctions[] = {"Date", "DateTime"};

bool inList(const QString& name, const char* const* begin, const char* const* end)
{
    for (auto p = begin; p != end; ++p)
        if (is(name, *p))
            return true;
    return false;
}

} // namespace

bool FormulaFunctions::exists(const QString& name)
{
    return inList(name, std::begin(TextFunctions), std::end(TextFunctions))
        || inList(name, std::begin(DateFunctions), std::end(DateFunctions)) || is(name, "totext");
}

FormulaValue FormulaFunctions::call(const QString& name, const std::vector<FormulaValue>& args)
{
    if (is(name, "totext"))
        return totext(args);
    if (inList(name, std::begin(DateFunctions), std::end(DateFunctions)))
        return dateFunction(name, args);
    if (inList(name, std::begin(TextFunctions), std::end(TextFunctions)))
        return textFunction(name, args);
    throw FormulaError(QStringLiteral("Función desconocida %1").arg(name));
}

FormulaValue FormulaFunctions::textFunction(const QString& name, const std::vector<FormulaValue>& args)
{
    const bool twoOrThree = is(name, "Mid");
    const bool two = is(name, "Left") || is(name, "Right");
    requireCount(name, args, twoOrThree || two ? 2 : 1, twoOrThree ? 3 : (two ? 2 : 1));
    if (anyNull(args))
        return {};
    const QString s = args[0].toText();
    if (is(name, "UCASE")) return FormulaValue::text(s.toUpper());
    if (is(name, "LCASE")) return FormulaValue::text(s.toLower());
    if (is(name, "TrimLeft")) return FormulaValue::text(trimLeft(s));
    if (is(name, "TrimRight")) return FormulaValue::text(trimRight(s));
    if (is(name, "Trim")) return FormulaValue::text(trimLeft(trimRight(s)));
    if (is(name, "Len")) return FormulaValue::number(double(s.size()));
    if (is(name, "tonumber")) return FormulaValue::number(args[0].toNumber());
    if (two) {
        const int n = wholeNumber(args[1]);
        if (n < 0)
            throw FormulaError(QStringLiteral("%1 necesita una longitud de 0 o más").arg(name));
        return FormulaValue::text(is(name, "Left") ? s.left(n) : s.right(n));
    }
    const int start = wholeNumber(args[1]);
    if (start < 1)
        throw FormulaError(QStringLiteral("Mid empieza en la posición 1 o después"));
    const int length = args.size() == 3 ? wholeNumber(args[2]) : int(s.size());
    if (length < 0)
        throw FormulaError(QStringLiteral("Mid necesita una longitud de 0 o más"));
    return FormulaValue::text(s.mid(start - 1, length));
}

FormulaValue FormulaFunctions::dateFunction(const QString& name, const std::vector<FormulaValue>& args)
{
    const bool isDate = is(name, "Date");
    if (args.size() == 1) {
        if (args[0].isNull())
            return {};
        const QDateTime dt = args[0].toDateTime();
        return isDate ? FormulaValue::date(dt.date()) : FormulaValue::dateTime(dt);
    }
    requireCount(name, args, 3, isDate ? 3 : 6);
    if (anyNull(args))
        return {};
    int parts[6] = {0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < args.size(); ++i)
        parts[i] = wholeNumber(args[i]);
    const QDate d(parts[0], parts[1], parts[2]);
    const QTime t(parts[3], parts[4], parts[5]);
    if (!d.isValid() || !t.isValid())
        throw FormulaError(QStringLiteral("%1: esa fecha no existe").arg(name));
    return isDate ? FormulaValue::date(d) : FormulaValue::dateTime(QDateTime(d, t));
}

// totext(value [, decimals]): numbers with "," for decimals and "." between thousands.
FormulaValue FormulaFunctions::totext(const std::vector<FormulaValue>& args)
{
    requireCount(QStringLiteral("totext"), args, 1, 2);
    if (args[0].isNull())
        return FormulaValue::text(QString());
    if (args.size() == 1 || args[0].kind() != FormulaValue::Kind::Number)
        return FormulaValue::text(args[0].toText());
    const int decimals = wholeNumber(args[1]);
    if (decimals < 0 || decimals > 15)
        throw FormulaError(QStringLiteral("totext: los decimales van de 0 a 15"));
    QLocale argentine(QLocale::Spanish, QLocale::Argentina);
    return FormulaValue::text(argentine.toString(args[0].toNumber(), 'f', decimals));
}

} // namespace reportengine
