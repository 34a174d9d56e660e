#include "lookup/MenuLauncher.h"

#include <QLoggingCategory>

namespace lookup {

namespace {

Q_LOGGING_CATEGORY(lcLaunch, "rpq.lookup.launch")

MenuLauncher::Function& installed()
{
    static MenuLauncher::Function launcher;
    return launcher;
}

} // namespace

void MenuLauncher::set(Function launcher)
{
    installed() = std::move(launcher);
}

void MenuLauncher::MenuExes(const QString& destino, const QString& parametros, qint64& proceso)
{
    if (installed()) {
        installed()(destino, parametros, proceso);
        return;
    }
    qCInfo(lcLaunch) << "no program launcher installed; not started:" << destino << parametros;
}

} // namespace lookup
