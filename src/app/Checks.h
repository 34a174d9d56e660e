#pragma once
// Existence checks the windows share: an account of the chart of accounts, a readable file.

#include "ado/Recordset.h"

#include <QString>

namespace app {

// True when Cuenta is an account's Codigo or, failing that, another account's CodigoOpcional.
// Found by its optional code: Cuenta becomes that account's Codigo and PorCodigoOpcional True.
// Asked by optional code first (PorCodigoOpcional True): a Codigo match is the fallback and
// Cuenta is kept. LRCS (a new recordset when empty) is handed back on the row found, read-only
// when SoloLectura. No error trap: a failure reaches the caller.
bool ExisteCuenta(QString& Cuenta, ado::RecordsetPtr& LRCS, bool SoloLectura, bool& PorCodigoOpcional);

// True when the file (double quotes removed, letter case of the path ignored) can be opened
// for reading; a folder, a missing or unreadable file and an empty name give False.
bool ExisteArchivo(const QString& Archivo);

} // namespace app
