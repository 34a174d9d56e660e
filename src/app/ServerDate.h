#pragma once
// The database server's current date and time, which stamps the audit rows.

#include "vb/Variant.h"

namespace app {

// The server's GETDATE() to the whole second. Without a row: the date of FECHAOPERHASTA when
// configuration.UtilizarFechaDia is on and that key holds a date, else the local clock. When the server's
// date cannot be read at all, the local clock (whole seconds), never the zero date.
vb::Date FechaServidor();

} // namespace app
