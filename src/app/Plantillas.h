#pragma once
// Window templates: named sets of control values of one window that any user can store and
// apply again, kept in TA_CONFIG_FORM under the form key Name & "@" & key & "@" & template
// name with an empty user (see ConfigForm.h). The window holds an editable combo box named
// "CboPlantilla" whose text is the template name (blanks around it do not count) and whose
// list holds the names stored for the key. "General" is shown when nothing else is chosen.
// Every call passes over its errors and shows no message; on a window without the combo box
// nothing is stored, applied or deleted. The writes say whether the database took them, so that
// the window can tell the operator what was not done.

#include <QString>

class QWidget;

namespace app {

// Stores the window's current control values under the name in CboPlantilla, replacing a
// template of that name, refills the list and leaves the name in the combo box. False when it
// was not stored: a template of that name keeps what it held, and a new one is not listed.
bool GuardarPlantilla(const QString& ClavePlantilla, QWidget* Frm);
// Applies the template named in CboPlantilla; controls it holds no value for keep theirs.
void CargarPlantilla(const QString& ClavePlantilla, QWidget* Frm);
// Deletes the template named in CboPlantilla and refills the list. False when the database
// refused the delete.
bool BorrarPlantilla(const QString& ClavePlantilla, QWidget* Frm);
// Fills CboPlantilla with the names stored for the key, in alphabetical order, or with the
// single item "General" when there are none; either way its text becomes "General".
void LlenarPlantillas(const QString& ClavePlantilla, QWidget* Frm);

// The suffix of a template's form key.
QString sufijoPlantilla(const QString& ClavePlantilla, const QString& nombre);

} // namespace app
