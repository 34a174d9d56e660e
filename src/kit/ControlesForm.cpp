#include "kit/ControlesForm.h"

#include "ui/Control.h"

#include <QApplication>
#include <QWidget>

namespace kit {

int ControlesForm::IndicePorDataField(const QString& name, const QList<QObject*>& controls, int* index) const
{
    int found = -1;
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QObject* control = controls.at(i);
        if (control && ui::Control::dataField(control).compare(name, Qt::CaseInsensitive) == 0) {
            found = ui::Control::isArrayMember(control) ? ui::Control::index(control) : int(i);
            break;
        }
    }
    if (index)
        *index = found;
    return found;
}

bool ControlesForm::takesTabFocus(const QWidget* candidate, const QWidget* window)
{
    return candidate->window() == window && candidate->isEnabled() && candidate->isVisibleTo(window)
        && (candidate->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !candidate->focusProxy();
}

void ControlesForm::AvanzarFoco(int keyCode, QWidget* from) const
{
    QWidget* start = from ? from : QApplication::focusWidget();
    if (!start)
        return;
    const QWidget* window = start->window();
    const bool backwards = keyCode == KeyUp;
    QWidget* candidate = start;
    // The focus chain is a ring; going round once at most also ends on a window with one control.
    do {
        candidate = backwards ? candidate->previousInFocusChain() : candidate->nextInFocusChain();
    } while (candidate && candidate != start && !takesTabFocus(candidate, window));
    if (candidate && candidate != start)
        candidate->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
}

bool ControlesForm::isDateBox(const QObject* box)
{
    return box && ui::Control::tag(box).trimmed().compare(u"fecha", Qt::CaseInsensitive) == 0;
}

void ControlesForm::FiltrarTecla(const QObject* box, int& keyAscii) const
{
    if (keyAscii == AsciiReturn) {
        keyAscii = 0;
        return;
    }
    if (!isDateBox(box) || keyAscii < 32)
        return;
    if (!isDateBoxCharacter(QChar(char16_t(keyAscii))))
        keyAscii = 0;
}

// Only what a date of ten characters is written with: a longer form (a month name, a
// time) would be cut at the box's width and read as another date.
bool ControlesForm::isDateBoxCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'/' || c == u'-' || c == u'.';
}

void ControlesForm::FiltrarTecla(const QObject* box, std::int16_t& keyAscii) const
{
    int key = keyAscii;
    FiltrarTecla(box, key);
    keyAscii = std::int16_t(key);
}

} // namespace kit
