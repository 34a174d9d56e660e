#include "kit/Utilidades.h"
#include "kit/DatePickerDialog.h"
#include "kit/PasswordCodec.h"
#include "kit/RegionalNumber.h"
#include "kit/SqlNameReplacer.h"

#include "ui/Control.h"
#include "ui/DialogService.h"

#include <QGuiApplication>
#include <QRect>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>

namespace kit {

namespace {

constexpr int kTypeMismatch = 13;
constexpr int kUnitCodeFormat = 4;

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}

} // namespace

QString Utilidades::CarpetaConBarra(const QString& folder) const
{
    if (folder.isEmpty() || folder.endsWith(u'/') || folder.endsWith(u'\\'))
        return folder;
    return folder + u'/';
}

QString Utilidades::ValorTexto(const vb::Variant& value) const
{
    if (value.isNull() || value.isEmpty() || value.isMissing())
        return {};
    return value.toString();
}

vb::Currency Utilidades::TextoANumero(const QString& text) const
{
    return RegionalNumber::toCurrency(text);
}

std::int32_t Utilidades::TextoAEntero(const QString& text) const
{
    return vb::Variant(TextoANumero(text)).toLong();
}

QString Utilidades::Reemplazar(const QString& text, const QString& find, const QString& replacement) const
{
    if (find.isEmpty())
        return text;
    QString out = text;
    return out.replace(find, replacement);
}

QString Utilidades::ReemplazarEnSQL(const QString& sql, const QString& find, const QString& replacement) const
{
    return SqlNameReplacer::replace(sql, find, replacement);
}

QString Utilidades::QuitarCaracteres(const QString& text, const QString& c1, const QString& c2, const QString& c3) const
{
    QString out = text;
    for (const QString* c : {&c1, &c2, &c3}) {
        if (!c->isEmpty())
            out.remove(*c);
    }
    return out;
}

QString Utilidades::trimPadding(const QString& text) const
{
    auto padding = [](QChar c) { return c == u' ' || c == u'\t' || c.unicode() == 0 || c.unicode() == 0xFF; };
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && padding(text.at(from)))
        ++from;
    while (to > from && padding(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}

int Utilidades::ContarPalabras(const QString& text) const
{
    return int(text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size());
}

QString Utilidades::CortarTexto(const QString& text, int length) const
{
    if (length <= 0)
        return {};
    return text.left(length);
}

QString Utilidades::fitText(const QString& text, int length) const
{
    return CortarTexto(text, length).leftJustified(length, u' ');
}

bool Utilidades::isNumberedCode(const QString& code)
{
    static const QRegularExpression digitsOnly(QStringLiteral("^[0-9]+$"));
    return digitsOnly.match(code).hasMatch();
}

QString Utilidades::FormatearValor(const vb::Variant& value, int formatCode) const
{
    const QString text = ValorTexto(value);
    if (formatCode <= 0)
        return text;
    const QString code = text.trimmed();
    if (formatCode == kUnitCodeFormat && isNumberedCode(code))
        return code.rightJustified(kUnitCodeFormat, u' ');
    return code;
}

bool Utilidades::EsElementoDeArreglo(const QObject* control) const
{
    return control && ui::Control::isArrayMember(control);
}

bool Utilidades::EstaEnLista(const QString& text, const QStringList& list) const
{
    return list.contains(text, Qt::CaseInsensitive);
}

QString Utilidades::Codificar(const QString& text) const
{
    return PasswordCodec::encode(text);
}

QString Utilidades::Decodificar(const QString& stored) const
{
    return PasswordCodec::decode(stored);
}

vb::Date Utilidades::dateOf(const vb::Variant& value)
{
    if (!value.isDate())
        vb::raise(kTypeMismatch);
    return value.toDate();
}

QString Utilidades::FechaFormula(const vb::Variant& date) const
{
    const QDate d = dateOf(date).date();
    return QStringLiteral("Date(%1,%2,%3)").arg(d.year()).arg(twoDigits(d.month()), twoDigits(d.day()));
}

QString Utilidades::FechaSQL(const vb::Variant& date) const
{
    const QDateTime t = dateOf(date).toDateTime();
    return QStringLiteral("{ts '%1 %2'}").arg(t.date().toString(Qt::ISODate), t.time().toString(QStringLiteral("HH:mm:ss")));
}

bool Utilidades::ElegirFecha(QString& text) const
{
    const vb::Variant current(text.trimmed());
    const QDate initial = current.isDate() ? current.toDate().date() : QDate::currentDate();
    DatePickerDialog dialog(initial);
    if (ui::DialogService::instance().showModal(&dialog) != QDialog::Accepted)
        return false;
    text = vb::Variant(vb::Date::fromDate(dialog.selectedDate())).toString();
    return true;
}

void Utilidades::PrepararFormulario(QWidget* window, bool keepPosition) const
{
    if (!window || keepPosition)
        return;
    QRect area;
    if (const QWidget* parent = window->parentWidget())
        area = parent->window()->frameGeometry();
    else if (const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isEmpty())
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

QString Utilidades::errorPrompt(const vb::Error& error, const QString& routine)
{
    const QString description = error.description().isEmpty() ? vb::Error::standardDescription(error.number())
                                                               : error.description();
    QString prompt = QStringLiteral("Error %1: %2").arg(error.number()).arg(description);
    if (!routine.trimmed().isEmpty())
        prompt += QStringLiteral("\r\nRutina: ") + routine.trimmed();
    if (!error.source().trimmed().isEmpty())
        prompt += QStringLiteral("\r\nOrigen: ") + error.source().trimmed();
    return prompt;
}

int Utilidades::ReportarError(const vb::Error& error, const vb::Variant& buttons, const QString& routine, int* answer) const
{
    int result = 0;
    if (error.number() != 0) {
        const bool given = !buttons.isMissing() && !buttons.isEmpty() && !buttons.isNull();
        const int style = given ? buttons.toLong() : ui::vbAbortRetryIgnore + ui::vbCritical;
        result = ui::MsgBox(errorPrompt(error, routine), style);
    }
    if (answer)
        *answer = result;
    return result;
}

} // namespace kit
