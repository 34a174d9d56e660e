#pragma once
// What the lookups use of the start-up module: its configuration reader, its error handler,
// the stock switch of the configuration, and the program launcher of the list window's
// "new" button.
//
// STAND-IN until the start-up module (src/app) joins the build: Cfg, TratamientoErrores and
// gMostrarStock below are minimal copies to be replaced by app::Cfg, app::TratamientoErrores
// and app::gMostrarStock; nothing else in this folder reaches the start-up module.
//
// The launcher is a replaceable function: the program installs MenuExes, tests install a
// recorder; until one is installed a launch only leaves a log line.

#include "vb/Error.h"

#include <QString>
#include <functional>

namespace lookup {

class AppLink {
public:
    // The configuration value of that key (group "DATOS"): " " when there is no row, "" when the
    // shared connection is closed.
    static QString Cfg(const QString& clave);
    // The module error handler: dialog with Abort, Retry and Ignore, KQERR.LOG line; the answer.
    static int TratamientoErrores(const vb::Error& error, const QString& rutina);
    // True when the configuration says "MostrarStockenConsultas" is "SI".
    static bool mostrarStock();
    static void setMostrarStock(bool value);

    using Launcher = std::function<void(const QString& destino, const QString& parametros, qint64& proceso)>;
    static void setLauncher(Launcher launcher);    // an empty function restores the logging default
    static void MenuExes(const QString& destino, const QString& parametros, qint64& proceso);
};

} // namespace lookup
