#pragma once
// STAND-INS, TO BE REPLACED: the module's shared objects (gIni, gSistema, gUtil) and its
// error-log line belong to the start-up module, which is being written alongside. Until it
// is here, the window-state, template and style code reaches these private copies; once it
// lands, every call below becomes a call to the module's own objects and this file goes.

#include <QString>

namespace kit {
class ArchivoIni;
class Sistema;
class Utilidades;
}
namespace vb {
class Error;
}

namespace app::standin {

kit::ArchivoIni& ini();
kit::Sistema& sistema();
kit::Utilidades& util();

// The line the module's error handler leaves in KQERR.LOG for an error passed over in a
// write, without any box: the log in the temporary folder (TEMP, else the system's one).
void logPassedOver(const vb::Error& error, const QString& routine);

} // namespace app::standin
