#pragma once
// Values of the program's module: what start-up, the command line and the configuration loader
// settle once per run and every window then reads without going back to the database.
// The application user, its password and the confidentiality switch live with the data access
// (data/SessionValues.h); they are only named here, never copied.
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

// ---- start-up and command line
inline QString gSeccionIni;                  // INI section of the workstation: MACHINE|USER, at most 50 characters
inline double gFlatToolbars = 0;             // INI key FlatToolbars
inline QString gParametroAdicional;          // @ParametroAdicional: the report kind (RMC, OC, PR)
inline QString gMenu;                        // @Menu
inline QString gCaja;                        // @Caja; "1" when the line has none
inline QString gConexionDSN;                 // "DSN=...; UID=...; PWD=..." handed to the print object
inline bool gEsAdministrador = false;        // the application user is an administrator
inline std::int16_t gTimeOut = 0;            // command time-out of the shared connection, in seconds

// ---- configuration values (TA_CONFIGURACION and the user's row), in the loader's order
inline QString gTablaConfiguracion;          // table read and written by Cfg and GrabaDfg
inline bool gMostrarStock = false;           // MostrarStockenConsultas
inline QString gTituloClientes;
inline QString gTituloProveedores;
inline QString gRutaTareas;                  // program folder & "KQDOCTareas.qzt"
inline bool gExigeClaveConsultaLike = false; // EXIGECLAVECONSULTALIKEARTICULOS
inline bool gUsaConsultaLike = false;
inline QString gCantidadDecimales;
inline bool gUsaMultiplesMonedas = false;    // UsaMultilesMonedas
inline bool gUsaFacturaProforma = false;
inline bool gUsaCCosto = false;
inline bool gUsaStockUdKg = false;
inline QString gUNegocioUsuario;             // the user's business unit, "   1" when it has none
inline QString gClasesPrecioUsuario;
inline QString gUnidadMedidaM3;
inline QString gUnidadMedidaBL;
inline QString gUnidadMedidaKG;
inline std::int16_t gPeriodo = 0;
inline bool gRazonSocialPorUneg = false;
inline bool gValidaCodigoBarra = false;
inline std::int32_t gColorFondo = 0xFFFFFF;  // background of the focused field (a Windows colour: R + 256 G + 65536 B)
inline std::int32_t gColorLetra = 0;         // text colour of the focused field
inline bool gModuloOrdenDeTrabajo = false;
inline bool gVentasModificaPrecio = false;   // V_ModificaCPrecio
inline bool gComprasModificaPrecio = false;  // C_ModificaCPrecio
inline bool gMaderera = false;
inline QString gMadTiras;
inline QString gMadP2;
inline QString gMadML;
inline QString gMadM2;
inline QString gMadHojas;
inline QString gMadMLP2;
inline QString gMadM2P2;
inline QString gMadMLM2;
inline QString gCuentaCtroDist;
inline vb::Currency gMaxDto;
inline vb::Currency gMaxDtoProforma;
inline bool gPideClaveStockNeg = false;
inline bool gPideClaveMarkUpBase = false;
inline bool gPideClaveLimiteCredito = false;
inline bool gBloqueoActivo = false;          // SS_BloqueoActivo
inline bool gUtilizarFechaDia = false;       // UTILIZARFECHADIA: the server date may come from FECHAOPERHASTA
inline bool gAsignaLoteIngreso = false;
inline bool gAsignaLoteIngresoOP = false;
inline std::int16_t gCondicionIvaEmpresa = 0;
inline QString gCondicionIvaTexto;
inline QString gTopDefault;

// ---- lookups
inline std::int32_t gTopConsultaLike = 0;    // row limit of the last LIKE search

// Every value above back to what a run starts with (white and black for the focus colours).
void resetModuleValues();

// Windows colour number of (red, green, blue), as the suite stores colours.
constexpr std::int32_t RGB(int red, int green, int blue) { return red + 256 * green + 65536 * blue; }

} // namespace app
