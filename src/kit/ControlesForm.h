#pragma once
// Form-entry services of the maker's library over the control model of ui::Control.

#include <QChar>
#include <QList>
#include <QString>
#include <cstdint>

class QObject;
class QWidget;

namespace kit {

class ControlesForm {
public:
    enum KeyCode { KeyReturn = 13, KeyUp = 38, KeyDown = 40 };
    enum KeyAscii { AsciiBackspace = 8, AsciiReturn = 13 };

    // The control-array index (else the list position) of the first control whose DataField
    // equals name without regard to case; -1 when none does. Also left in *index when given.
    int IndicePorDataField(const QString& name, const QList<QObject*>& controls, int* index = nullptr) const;

    // Moves the focus from `from` (the focused widget when null) to the next control that takes
    // focus with Tab in the same window; the Up arrow moves to the previous one.
    void AvanzarFoco(int keyCode, QWidget* from = nullptr) const;

    // Leaves in keyAscii the key the box receives, 0 to swallow it. Enter is swallowed: the
    // key-down handlers act on it, and a text box would only beep or break the line. A box
    // whose Tag is "fecha" takes only digits, the separators "/", "-" and "." and control keys.
    void FiltrarTecla(const QObject* box, int& keyAscii) const;
    void FiltrarTecla(const QObject* box, std::int16_t& keyAscii) const;   // the original's Integer

private:
    static bool takesTabFocus(const QWidget* candidate, const QWidget* window);
    static bool isDateBox(const QObject* box);
    static bool isDateBoxCharacter(QChar c);
};

} // namespace kit
