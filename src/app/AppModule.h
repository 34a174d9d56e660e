#pragma once
// Values of the program's module: what start-up, the command line and the configuration loader
// settle once per run and every window then reads without going back to the database.
// They live in one ProgramState object, grouped by who fills them, and are reached through
// state(): e.g. state().startup.SeccionIni, state().configuration.ColorFondo.
// Naming rule: each field keeps the name the suite gives the module variable, without its "g"
// prefix (gSeccionIni is startup.SeccionIni, gTopConsultaLike is lookup.TopConsultaLike).
// The default member initialisers are what a run starts with (white and black for the focus
// colours); resetState() brings the whole object back to them.
// The application user, its password and the confidentiality switch live with the data access
// (data/SessionValues.h); they are only named here, never copied.
//
// resetState() is the one reset of everything a start or a run fills, so that a second start
// in one process (or the next test) finds nothing of the one before; see its comment below for
// what it covers. What it leaves is wiring installed once by main or by the program, not
// values of a run: the program folder and command line (vb/App.h), the regional settings, the
// End hook, the dialog service, the print engine's factory, the lookups' start-up link
// (setLookupSetUp), the login window's style hook and error handler, the program launcher,
// the lookup windows' runners, and the report window's links.
//
// Threads: none. Everything is written and read on the interface thread.

#include "data/SessionValues.h"
#include "vb/Variant.h"

#include <QString>
#include <cstdint>

namespace app {

using data::gClaveActual;
using data::gConfidencialidad;
using data::gUsuarioActual;

// Filled by start-up, the command line, the user check and the statistics connection.
struct StartupValues {
    QString SeccionIni;                  // INI section of the workstation: MACHINE|USER, at most 50 characters
    double FlatToolbars = 0;             // INI key FlatToolbars
    QString ParametroAdicional;          // @ParametroAdicional: the report kind (RMC, OC, PR)
    QString Menu;                        // @Menu
    QString Caja;                        // @Caja; "1" when the line has none
    QString ConexionDSN;                 // "DSN=...; UID=...; PWD=..." handed to the print object
    bool EsAdministrador = false;        // the application user is an administrator
    std::int16_t TimeOut = 0;            // command time-out of the shared connection, in seconds
};

// Filled by the configuration loader (TA_CONFIGURACION and the user's row), in its order.
struct ConfigurationValues {
    QString TablaConfiguracion;          // table read and written by Cfg and GrabaDfg
    bool MostrarStock = false;           // MostrarStockenConsultas
    QString TituloClientes;
    QString TituloProveedores;
    QString RutaTareas;                  // program folder & "KQDOCTareas.qzt"
    bool ExigeClaveConsultaLike = false; // EXIGECLAVECONSULTALIKEARTICULOS
    bool UsaConsultaLike = false;
    QString CantidadDecimales;
    bool UsaMultiplesMonedas = false;    // UsaMultilesMonedas
    bool UsaFacturaProforma = false;
    bool UsaCCosto = false;
    bool UsaStockUdKg = false;
    QString UNegocioUsuario;             // the user's business unit, "   1" when it has none
    QString ClasesPrecioUsuario;
    QString UnidadMedidaM3;
    QString UnidadMedidaBL;
    QString UnidadMedidaKG;
    std::int16_t Periodo = 0;
    bool RazonSocialPorUneg = false;
    bool ValidaCodigoBarra = false;
    std::int32_t ColorFondo = 0xFFFFFF;  // background of the focused field (a Windows colour: R + 256 G + 65536 B)
    std::int32_t ColorLetra = 0;         // text colour of the focused field
    bool ModuloOrdenDeTrabajo = false;
    bool VentasModificaPrecio = false;   // V_ModificaCPrecio
    bool ComprasModificaPrecio = false;  // C_ModificaCPrecio
    bool Maderera = false;
    QString MadTiras;
    QString MadP2;
    QString MadML;
    QString MadM2;
    QString MadHojas;
    QString MadMLP2;
    QString MadM2P2;
    QString MadMLM2;
    QString CuentaCtroDist;
    vb::Currency MaxDto;
    vb::Currency MaxDtoProforma;
    bool PideClaveStockNeg = false;
    bool PideClaveMarkUpBase = false;
    bool PideClaveLimiteCredito = false;
    bool BloqueoActivo = false;          // SS_BloqueoActivo
    bool UtilizarFechaDia = false;       // UTILIZARFECHADIA: the server date may come from FECHAOPERHASTA
    bool AsignaLoteIngreso = false;
    bool AsignaLoteIngresoOP = false;
    std::int16_t CondicionIvaEmpresa = 0;
    QString CondicionIvaTexto;           // written by DatosEmpresa
    QString TopDefault;
};

// Filled by the lookups while they run.
struct LookupValues {
    std::int32_t TopConsultaLike = 0;    // row limit of the last LIKE search
};

struct ProgramState {
    StartupValues startup;
    ConfigurationValues configuration;
    LookupValues lookup;
};

// The program's one state object. The reference stays valid for the whole run.
ProgramState& state();

// What a run starts with, whatever an earlier start or run left: the state object back to a
// default-constructed one (the same object); the shared lookup object dropped (the next lookup
// creates a fresh one); the statement builder's column list emptied; the window style number
// (gEstilo) back to 0; a busy notice still showing closed; the shared objects of
// SharedObjects.h dropped, the statistics connection closed quietly first, so that the print
// object is made again with the program folder of the next start; the data access's run state
// (data/RunState.h: the shared connection closed quietly and dropped with its settings and
// administrator flag, the path of BASES.TXT forgotten, the session values cleared); and Err
// cleared. Raises nothing and shows nothing.
void resetState();

// Windows colour number of (red, green, blue), as the suite stores colours.
constexpr std::int32_t RGB(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

} // namespace app
