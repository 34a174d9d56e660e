#include "lookup/StartUpLink.h"

#include "app/Launcher.h"
#include "app/StartUp.h"
#include "lookup/Consultas.h"
#include "lookup/MenuLauncher.h"

namespace lookup {

void EnlazarConInicio()
{
    app::setLookupSetUp([](const QString& connString, const QString& maskPath) {
        PrepararConsultas(connString, maskPath);
    });
    MenuLauncher::set([](const QString& destino, const QString& parametros, qint64& proceso) {
        // MenuExes may rewrite both texts; the button's own stay as they are.
        QString target = destino;
        QString line = parametros;
        app::MenuExes(target, line, proceso);
    });
}

} // namespace lookup
