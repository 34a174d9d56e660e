#pragma once
// Saved control states: a window remembers, per application user, what was typed, ticked and
// chosen in its controls and where it stood on the screen, in the table TA_CONFIG_FORM (one
// row per remembered property, see ControlState.h for what each kind of control leaves).
// A suffix holding "@" files the rows under the form's name and that suffix for every user
// (an empty user) and leaves out the window's position: that is how templates are stored.
// Neither call shows a message; statements go through the shared data-access object.

#include <QString>

class QWidget;

namespace app {

// Saves the state of every control of Frm (only those whose name or type name is
// NombreControl, when given), list boxes only when IncluirListas is true, replacing the rows
// saved before under the same form key and user. False when the database refused a statement
// or the commit: the rows saved before are then kept as they were (the failure is logged, and
// telling the operator is the caller's part).
bool GuardarConfigForm(QWidget* Frm, const QString& Sufijo = {}, const QString& NombreControl = {},
                       bool IncluirListas = false);

// Puts the saved state back (only into the control named NombreControl, when given);
// controls without rows keep their values. Without a suffix the window also gets its
// position and size back, kept on the screen.
void CargarConfigForm(QWidget* Frm, const QString& Sufijo = {}, const QString& NombreControl = {});

} // namespace app
