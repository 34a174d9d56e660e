#pragma once
// Driver of the busy notice that start-up shows while it connects: CartelInicio opens the
// notice (modeless, the program goes on at once), CartelMostrar writes its lines and tells
// whether the operator pressed its cancel button, CartelCerrar stops and closes it. The
// notice's window is created on first use and released by CartelCerrar, so the next
// CartelInicio works on a fresh one. Interface thread only.

#include "vb/Variant.h"

#include <QPointer>
#include <QString>

namespace app {

class Lbf_CtrlDisplay;

class Dll_Display {
public:
    Dll_Display() = default;
    ~Dll_Display();
    Dll_Display(const Dll_Display&) = delete;
    Dll_Display& operator=(const Dll_Display&) = delete;

    // Starts the animation (a frame every 100 ms), sets the title, shows the cancel button
    // only when PermiteCancelar, and shows the notice.
    void CartelInicio(const QString& Titulo, bool PermiteCancelar);
    // Writes each given line (Null gives an empty line, an omitted one keeps its text), lets
    // pending events run, and sets Cancelado when the cancel button was pressed since the
    // notice opened.
    void CartelMostrar(bool& Cancelado, const vb::Variant& Linea1 = vb::Variant::missing(),
                       const vb::Variant& Linea2 = vb::Variant::missing(), const vb::Variant& Linea3 = vb::Variant::missing());
    // Stops the animation and closes the notice; on a notice never opened, nothing shows.
    void CartelCerrar();
    // Keeps the notice above other windows (true) or not (false, as it opens).
    void setSiempre_Visible(bool value);

    // The notice's window while it exists.
    Lbf_CtrlDisplay* window() const;

private:
    Lbf_CtrlDisplay& form();
    static QString ConvierteNuloATexto(const vb::Variant& value);

    QPointer<Lbf_CtrlDisplay> m_form;
};

// Start-up's notice, created on first use.
Dll_Display& gCartel();

} // namespace app
