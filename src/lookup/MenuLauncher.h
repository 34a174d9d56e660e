#pragma once
// The program launcher behind the list window's "Nuevo" button: a replaceable function, so the
// program installs the start-up module's MenuExes and tests install a recorder. Until one is
// installed a launch only leaves a log line.

#include <QString>
#include <functional>

namespace lookup {

class MenuLauncher {
public:
    using Function = std::function<void(const QString& destino, const QString& parametros, qint64& proceso)>;
    static void set(Function launcher);            // an empty function restores the logging default
    static void MenuExes(const QString& destino, const QString& parametros, qint64& proceso);
};

} // namespace lookup
