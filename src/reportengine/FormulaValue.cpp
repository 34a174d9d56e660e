#include "reportengine/FormulaValue.h"
#include "kit/MessageText.h"
#include "reportengine/FormulaError.h"

#include <cmath>
#include <utility>

namespace reportengine {

FormulaValue FormulaValue::boolean(bool v) { FormulaValue r; r.m_value = v; return r; }
FormulaValue FormulaValue::number(double v) { FormulaValue r; r.m_value = v; return r; }
FormulaValue FormulaValue::text(const QString& v) { FormulaValue r; r.m_value = v; return r; }

FormulaValue FormulaValue::date(const QDate& v)
{
    FormulaValue r;
    if (v.isValid())
        r.m_value = v;
    return r;
}

FormulaValue FormulaValue::dateTime(const QDateTime& v)
{
    FormulaValue r;
    if (v.isValid())
        r.m_value = v;
    return r;
}

std::optional<double> FormulaValue::parseNumber(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    double d = t.toDouble(&ok);
    if (ok)
        return d;
    // Regional form: "." groups thousands, "," is the decimal separator.
    QString regional = t;
    regional.remove(u'.').replace(u',', u'.');
    d = regional.toDouble(&ok);
    if (ok)
        return d;
    return std::nullopt;
}

static QDateTime parseDateTimeText(const QString& text)
{
    const QString t = text.trimmed();
    for (const char* f : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss.zzz", "yyyy-MM-ddTHH:mm:ss",
                          "dd/MM/yyyy HH:mm:ss"}) {
        const QDateTime dt = QDateTime::fromString(t, QString::fromLatin1(f));
        if (dt.isValid())
            return dt;
    }
    for (const char* f : {"yyyy-MM-dd", "dd/MM/yyyy", "d/M/yyyy"}) {
        const QDate d = QDate::fromString(t, QString::fromLatin1(f));
        if (d.isValid())
            return QDateTime(d, QTime(0, 0));
    }
    return {};
}

bool FormulaValue::toBool() const
{
    switch (kind()) {
    case Kind::Boolean: return std::get<bool>(m_value);
    case Kind::Number: return std::get<double>(m_value) != 0;
    case Kind::Text: {
        const QString t = std::get<QString>(m_value).trimmed();
        if (t.compare(u"true", Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(u"false", Qt::CaseInsensitive) == 0)
            return false;
        if (auto n = parseNumber(t))
            return *n != 0;
        break;
    }
    default: break;
    }
    throw FormulaError(QStringLiteral("Acá se necesita un valor lógico"));
}

double FormulaValue::toNumber() const
{
    switch (kind()) {
    case Kind::Boolean: return std::get<bool>(m_value) ? 1 : 0;
    case Kind::Number: return std::get<double>(m_value);
    case Kind::Text:
        if (auto n = parseNumber(std::get<QString>(m_value)))
            return *n;
        throw FormulaError(QStringLiteral("El texto \"%1\" no es un número").arg(kit::textAround(std::get<QString>(m_value), 1)));
    default: break;
    }
    throw FormulaError(QStringLiteral("Acá se necesita un número"));
}

static QString numberText(double d)
{
    // The range first: a double beyond qint64's range (or NaN) has no integer to convert to.
    if (qAbs(d) < 1e15 && d == std::trunc(d))
        return QString::number(qint64(d));
    QString s = QString::number(d, 'f', 10);
    while (s.endsWith(u'0'))
        s.chop(1);
    if (s.endsWith(u'.'))
        s.chop(1);
    return s.replace(u'.', u',');
}

QString FormulaValue::toText() &&
{
    return isText() ? std::move(std::get<QString>(m_value)) : std::as_const(*this).toText();
}

qsizetype FormulaValue::textSize() const
{
    return isText() ? std::get<QString>(m_value).size() : 0;
}

QString FormulaValue::toText() const&
{
    switch (kind()) {
    case Kind::Null: return {};
    case Kind::Boolean: return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Kind::Number: return numberText(std::get<double>(m_value));
    case Kind::Text: return std::get<QString>(m_value);
    case Kind::Date: return std::get<QDate>(m_value).toString(QStringLiteral("dd/MM/yyyy"));
    case Kind::DateTime: {
        const QDateTime& dt = std::get<QDateTime>(m_value);
        if (dt.time() == QTime(0, 0))
            return dt.date().toString(QStringLiteral("dd/MM/yyyy"));
        return dt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    }
    }
    return {};
}

QDateTime FormulaValue::toDateTime() const
{
    switch (kind()) {
    case Kind::Date: return QDateTime(std::get<QDate>(m_value), QTime(0, 0));
    case Kind::DateTime: return std::get<QDateTime>(m_value);
    case Kind::Text: {
        const QDateTime dt = parseDateTimeText(std::get<QString>(m_value));
        if (dt.isValid())
            return dt;
        throw FormulaError(QStringLiteral("El texto \"%1\" no es una fecha").arg(kit::textAround(std::get<QString>(m_value), 1)));
    }
    default: break;
    }
    throw FormulaError(QStringLiteral("Acá se necesita una fecha"));
}

template <class T> static int order(const T& a, const T& b) { return a < b ? -1 : (b < a ? 1 : 0); }

static QString withoutTrailingBlanks(QString s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    s.truncate(n);
    return s;
}

static bool isDateKind(FormulaValue::Kind k)
{
    return k == FormulaValue::Kind::Date || k == FormulaValue::Kind::DateTime;
}

static bool isNumericKind(FormulaValue::Kind k)
{
    return k == FormulaValue::Kind::Number || k == FormulaValue::Kind::Boolean;
}

std::optional<int> FormulaValue::compare(const FormulaValue& a, const FormulaValue& b)
{
    if (a.isNull() || b.isNull())
        return std::nullopt;
    const Kind ka = a.kind(), kb = b.kind();
    if (ka == Kind::Text && kb == Kind::Text) {
        const int c = withoutTrailingBlanks(a.toText()).compare(withoutTrailingBlanks(b.toText()), Qt::CaseInsensitive);
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    if (isDateKind(ka) || isDateKind(kb)) {
        if ((isDateKind(ka) || ka == Kind::Text) && (isDateKind(kb) || kb == Kind::Text))
            return order(a.toDateTime(), b.toDateTime());
        throw FormulaError(QStringLiteral("Una fecha no se puede comparar con un número ni con un valor lógico"));
    }
    if (ka == Kind::Boolean && kb == Kind::Boolean)
        return order(a.toBool(), b.toBool());
    if (isNumericKind(ka) || isNumericKind(kb))
        return order(a.toNumber(), b.toNumber());
    throw FormulaError(QStringLiteral("Estos valores no se pueden comparar"));
}

} // namespace reportengine
