#include "app/AppModule.h"

namespace app {

void resetModuleValues()
{
    gSeccionIni.clear();
    gFlatToolbars = 0;
    gParametroAdicional.clear();
    gMenu.clear();
    gCaja.clear();
    gConexionDSN.clear();
    gEsAdministrador = false;
    gTimeOut = 0;

    gTablaConfiguracion.clear();
    gMostrarStock = false;
    gTituloClientes.clear();
    gTituloProveedores.clear();
    gRutaTareas.clear();
    gExigeClaveConsultaLike = false;
    gUsaConsultaLike = false;
    gCantidadDecimales.clear();
    gUsaMultiplesMonedas = false;
    gUsaFacturaProforma = false;
    gUsaCCosto = false;
    gUsaStockUdKg = false;
    gUNegocioUsuario.clear();
    gClasesPrecioUsuario.clear();
    gUnidadMedidaM3.clear();
    gUnidadMedidaBL.clear();
    gUnidadMedidaKG.clear();
    gPeriodo = 0;
    gRazonSocialPorUneg = false;
    gValidaCodigoBarra = false;
    gColorFondo = 0xFFFFFF;
    gColorLetra = 0;
    gModuloOrdenDeTrabajo = false;
    gVentasModificaPrecio = false;
    gComprasModificaPrecio = false;
    gMaderera = false;
    for (QString* text : {&gMadTiras, &gMadP2, &gMadML, &gMadM2, &gMadHojas, &gMadMLP2, &gMadM2P2, &gMadMLM2})
        text->clear();
    gCuentaCtroDist.clear();
    gMaxDto = {};
    gMaxDtoProforma = {};
    gPideClaveStockNeg = false;
    gPideClaveMarkUpBase = false;
    gPideClaveLimiteCredito = false;
    gBloqueoActivo = false;
    gUtilizarFechaDia = false;
    gAsignaLoteIngreso = false;
    gAsignaLoteIngresoOP = false;
    gCondicionIvaEmpresa = 0;
    gCondicionIvaTexto.clear();
    gTopDefault.clear();

    gTopConsultaLike = 0;
}

} // namespace app
