#pragma once
// What the report parameter window calls in the rest of the program, each through one
// replaceable function so that tests can watch or stand in for it.

#include <QString>
#include <functional>

class QWidget;

namespace reports {

class Rp_Quindal;

struct ReportWindowLinks {
    // Start-up: connection, login, configuration; ends the program itself when it fails
    // (app::IniciarAplicacion(False, "", "", 3)).
    std::function<void()> iniciarAplicacion;

    // Skin and fonts of the window (app::AplicarEstiloFormulario).
    std::function<void(QWidget* form, bool plano)> aplicarEstiloFormulario;

    // Saved control states of the window for the current user, and templates
    // (app::CargarConfigForm, app::GuardarConfigForm, app::CargarPlantilla, app::GuardarPlantilla,
    // app::BorrarPlantilla, app::LlenarPlantillas). The writes answer false when the database
    // did not take them.
    std::function<void(QWidget* form, const QString& sufijo, const QString& nombre)> cargarConfigForm;
    std::function<bool(QWidget* form, const QString& sufijo, const QString& nombre, bool listas)> guardarConfigForm;
    std::function<void(const QString& clave, QWidget* form)> cargarPlantilla;
    std::function<bool(const QString& clave, QWidget* form)> guardarPlantilla;
    std::function<bool(const QString& clave, QWidget* form)> borrarPlantilla;
    std::function<void(const QString& clave, QWidget* form)> llenarPlantillas;

    // Destination of the shared print object for the next report (app::gImpresion().setDestino):
    // kit::DLL_Print::DestinoPantalla or DestinoImpresora.
    std::function<void(int destino)> fijarDestino;

    // The emission: reads the window and prints the chosen layout (ImprimirReporte).
    std::function<void(Rp_Quindal& window)> imprimirReporte;

    // The program's default links.
    static ReportWindowLinks standard();

    // The links every new window takes; tests install their own and restore the standard
    // ones with reset().
    static ReportWindowLinks& current();
    static void reset();
};

} // namespace reports
