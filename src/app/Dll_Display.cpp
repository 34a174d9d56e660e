#include "app/Dll_Display.h"

#include "app/Lbf_CtrlDisplay.h"
#include "app/TratamientoErrores.h"
#include "ui/DialogService.h"
#include "vb/Error.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace app {

Dll_Display::~Dll_Display()
{
    // Windows go with the application; past its end there is nothing left to close.
    if (QCoreApplication::instance())
        delete m_form.data();
}

Lbf_CtrlDisplay* Dll_Display::window() const { return m_form.data(); }

Lbf_CtrlDisplay& Dll_Display::form()
{
    if (!m_form)
        m_form = new Lbf_CtrlDisplay;
    return *m_form;
}

QString Dll_Display::ConvierteNuloATexto(const vb::Variant& value)
{
    return value.isNull() ? QString() : value.toString();
}

void Dll_Display::CartelInicio(const QString& Titulo, bool PermiteCancelar)
{
    QuietSteps steps(QStringLiteral("CartelInicio"));
    Lbf_CtrlDisplay& notice = form();
    steps.run([&] {
        notice.Timer1()->setInterval(100);
        notice.Timer1()->start();
    });
    steps.run([&] { notice.setWindowTitle(Titulo); });
    steps.run([&] { notice.CmdDisplayCancelar()->setVisible(PermiteCancelar); });
    steps.run([&] { ui::DialogService::instance().showModeless(&notice); });
}

void Dll_Display::CartelMostrar(bool& Cancelado, const vb::Variant& Linea1, const vb::Variant& Linea2,
                                const vb::Variant& Linea3)
{
    Lbf_CtrlDisplay& notice = form();
    const vb::Variant* lines[] = {&Linea1, &Linea2, &Linea3};
    for (int i = 0; i < 3; ++i) {
        if (!lines[i]->isMissing())
            notice.LblCtrol(i)->setText(ConvierteNuloATexto(*lines[i]));
    }
    notice.repaint();
    Cancelado = notice.CmdDisplayCancelar()->text() == Lbf_CtrlDisplay::abortedCaption();
    vb::DoEvents();
}

void Dll_Display::CartelCerrar()
{
    QuietSteps steps(QStringLiteral("CartelCerrar"));
    Lbf_CtrlDisplay& notice = form();
    steps.run([&] { notice.Timer1()->setInterval(0); });
    steps.run([&] { notice.Timer1()->stop(); });
    steps.run([&] { notice.hide(); });
    delete m_form.data();
}

void Dll_Display::setSiempre_Visible(bool value)
{
    Lbf_CtrlDisplay& notice = form();
    const bool shown = notice.isVisible();
    const QPoint at = notice.pos();
    notice.setWindowFlag(Qt::WindowStaysOnTopHint, value);
    // Changing the flags hides a shown window: it comes back where it was.
    if (shown) {
        notice.move(at);
        notice.show();
    }
}

Dll_Display& gCartel()
{
    // Kept for the whole run, never destroyed after the application's end.
    static Dll_Display* cartel = new Dll_Display;
    return *cartel;
}

} // namespace app
