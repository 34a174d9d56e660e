#include "reports/ReportWindowLinks.h"

#include "app/ConfigForm.h"
#include "app/EstiloFormulario.h"
#include "app/Plantillas.h"
#include "app/SharedObjects.h"
#include "app/StartUp.h"
#include "kit/DLL_Print.h"
#include "reports/ReportEmission.h"
#include "reports/Rp_Quindal.h"

namespace reports {

ReportWindowLinks ReportWindowLinks::standard()
{
    ReportWindowLinks links;
    links.iniciarAplicacion = [] {
        QString cadenaConexion;
        app::IniciarAplicacion(false, QString(), cadenaConexion, 3);
    };
    links.aplicarEstiloFormulario = app::AplicarEstiloFormulario;
    links.cargarConfigForm = [](QWidget* form, const QString& sufijo, const QString& nombre) {
        app::CargarConfigForm(form, sufijo, nombre);
    };
    links.guardarConfigForm = [](QWidget* form, const QString& sufijo, const QString& nombre, bool listas) {
        return app::GuardarConfigForm(form, sufijo, nombre, listas);
    };
    links.cargarPlantilla = app::CargarPlantilla;
    links.guardarPlantilla = app::GuardarPlantilla;
    links.borrarPlantilla = app::BorrarPlantilla;
    links.llenarPlantillas = app::LlenarPlantillas;
    links.fijarDestino = [](int destino) { app::gImpresion().setDestino(destino); };
    links.imprimirReporte = [](Rp_Quindal& window) { ImprimirReporte(window); };
    return links;
}

ReportWindowLinks& ReportWindowLinks::current()
{
    static ReportWindowLinks links = standard();
    return links;
}

void ReportWindowLinks::reset()
{
    current() = standard();
}

} // namespace reports
