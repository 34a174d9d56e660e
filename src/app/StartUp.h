#pragma once
// The start of the program. IniciarAplicacion shows the busy notice, settles the command line
// (docs/launcher.md), opens the shared connection and the statistics connection, prepares the
// run (DSN text, the print object's folder, the lookups, the configuration), makes sure the
// application user is valid (three tries in the login window when not), writes the access row
// and closes the notice. It returns only with an open connection and a valid user; what it
// cannot get past ends the program (vb::End), with status 1 for a failure and 0 for the
// operator's cancel:
//   the connection stays closed after the open (the open told the operator why): 1;
//   any login window is closed without "Conectar", the open's or the user check's: 0;
//   the third failed try ("Demasiados intentos para iniciar sesión!"): 1;
//   an unexpected error: its box and its KQERR.LOG line first, never a silent end: 1.
// Error 5 (invalid argument, such as a command-line key without its ";") only closes the
// notice and leaves a log line; start-up goes on.
// The login window, which the data access owns, takes this module's look (AplicarEstiloFormulario)
// and error handler (TratamientoErrores) from the first call on.

#include <QString>
#include <functional>

namespace app {

// ConstruirDesdeIni: without a command line, build one from the INI file. LineaComando: the
// line to read, the process's own arguments when empty. CadenaConexion: the connection string
// for the open; an Oracle server ("#" before its name) fills it when empty. UbicacionCursor:
// the cursor location of the connection (3: client side).
void IniciarAplicacion(bool ConstruirDesdeIni, const QString& LineaComando, QString& CadenaConexion,
                       int UbicacionCursor);

// The lookups' part of start-up, once the shared connection is open: they receive its full
// connection string and the query-mask file beside the program ("consultas.qzt"), and write
// the default masks when that file is missing. Installed by the lookups; without it the step
// does nothing. An error it raises is start-up's.
using LookupSetUp = std::function<void(const QString& connString, const QString& maskPath)>;
void setLookupSetUp(LookupSetUp hook);
void runLookupSetUp(const QString& connString, const QString& maskPath);

} // namespace app
