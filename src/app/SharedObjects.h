#pragma once
// Objects the program's module shares for the whole run, each created on first use: the
// utility library's objects and the two data access objects. A fresh start (resetState in
// AppModule.h) drops them, so the next use creates them anew. The login window, the data access
// class and the code-entry box keep Utilidades objects of their own.

#include "data/DB_Dll.h"

#include <memory>

namespace kit {
class ArchivoIni;
class ControlesForm;
class DLL_Print;
class Sistema;
class Utilidades;
}

namespace app {

kit::Utilidades& gUtil();
kit::ArchivoIni& gIni();
kit::Sistema& gSistema();
kit::ControlesForm& gControles();
// The print object: created with the program folder as pPathSistema; its data-source folder
// follows the shared connection's server (the folder of an embedded suite database, else none).
kit::DLL_Print& gImpresion();

// The suite database: the one shared data access object of the whole program.
using data::gDB;

// The statistics and settings database KQ_ESTADISTICAS (see StatisticsConnection.h).
data::DB_Dll& gDBEstadisticas();
// Tests install their own; nullptr drops it, and the next use creates a fresh one.
void setStatisticsDatabase(std::shared_ptr<data::DB_Dll> instance);

// The statistics connection closed quietly (data::closeQuietly) and every object above dropped,
// the print object with its folders included; the suite database's object is the data
// access's own (data::resetRunState).
void dropSharedObjects();

} // namespace app
