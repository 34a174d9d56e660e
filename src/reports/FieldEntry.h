#pragma once
// What the seventeen range boxes of the report window share: focus colours and the Consult
// item's state on focus, the key filter, the check and normalisation of a box on Enter or the
// Down arrow (CampoValida) followed by the move to the next box, and the lookup of the current
// box by its Tag (ConsultarCampo), which ends as if Enter had been pressed.
//
// Validation runs only on Enter, on the Down arrow and after a lookup: leaving a box with Tab or
// the mouse checks nothing.

#include <QString>

class QLineEdit;
class QObject;

namespace vb {
class Trap;
}

namespace reports {

struct ReportControls;

class FieldEntry {
public:
    enum KeyCode { KeyReturn = 13, KeyDown = 40 };
    enum MouseButton { LeftButton = 1, RightButton = 2 };

    explicit FieldEntry(ReportControls& controls) : m_c(controls) {}

    void txtFields_GotFocus(int index);
    void txtFields_LostFocus(int index);
    void txtFields_KeyPress(int index, int& KeyAscii);
    void txtFields_KeyDown(int index, int KeyCode, int Shift);
    void txtFields_MouseDown(int index, int Button);
    // After any edit by the operator: what came in other than key by key (a paste, a drop)
    // keeps only the characters the key filter lets through, so a date box never holds a long
    // form cut at its width.
    void txtFields_Edited(int index);

    // Checks and normalises box index; Texto is the object whose Text receives the account's
    // code (the box itself). A rejected box keeps its text and gets the focus back after the
    // operator's message. Run-time errors go to the library's error dialog (error 5 passes).
    void CampoValida(int index, QObject* Texto);
    // The lookup of the box CampoActual.
    void ConsultarCampo();

    int CampoActual() const { return m_campoActual; }
    bool ErrorValidacion() const { return m_errorValidacion; }
    QString FechaElegida() const { return m_fechaElegida; }

private:
    QLineEdit* box(int index) const;
    void rechazar(int index, const QString& mensaje);
    void validarCuenta(vb::Trap& trap, int index, QString& valor, QObject* Texto, bool hasta);
    void validarFecha(vb::Trap& trap, int index, const QString& valor, const QString& campoDesde,
                      const QString& mensaje);
    void completarConCeros(vb::Trap& trap, int index, const QString& valor, const QString& patron);
    bool elegirFecha(QLineEdit* target);
    QString consultar(const QString& tag, QLineEdit* target, bool& seguir);

    ReportControls& m_c;
    int m_campoActual = 0;
    bool m_errorValidacion = false;
    QString m_fechaElegida;
};

} // namespace reports
