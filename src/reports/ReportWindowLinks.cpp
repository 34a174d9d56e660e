#include "reports/ReportWindowLinks.h"

namespace reports {

ReportWindowLinks ReportWindowLinks::standard()
{
    ReportWindowLinks links;
    links.iniciarAplicacion = [] {};
    links.aplicarEstiloFormulario = [](QWidget*, bool) {};
    links.cargarConfigForm = [](QWidget*, const QString&, const QString&) {};
    links.guardarConfigForm = [](QWidget*, const QString&, const QString&, bool) {};
    links.cargarPlantilla = [](const QString&, QWidget*) {};
    links.guardarPlantilla = [](const QString&, QWidget*) {};
    links.borrarPlantilla = [](const QString&, QWidget*) {};
    links.llenarPlantillas = [](const QString&, QWidget*) {};
    links.fijarDestino = [](int) {};
    links.imprimirReporte = [](Rp_Quindal&) {};
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
