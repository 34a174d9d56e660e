#pragma once
// The application user's check against the suite's user table TA_USUARIOS.

#include "ado/Recordset.h"

#include <QString>

namespace app {

// True when the user may work. A user named like the shared connection's database is the
// suite's own login: accepted without reading the table, administrator flags untouched.
// Any other user needs a row of this program's systems ("vu000va" or "BRIX") whose stored
// password, decoded, equals clave regardless of letter case; that user becomes the current
// one. The administrator flags (startup.EsAdministrador and the data access object's gEsAdmin) are
// cleared first and set from the row only when the password matched. No error trap: a failing
// read reaches the caller.
bool ValidarUsuario(const QString& usuario, const QString& clave);

// Both administrator flags at once.
void setAdministrador(bool value);

// Opens, read-only and forward-only on the shared connection, the ta_usuarios row of a user
// (its stored password, business unit and price classes), found by the name as given.
void openUserRow(const QString& user, ado::RecordsetPtr& rs);

} // namespace app
