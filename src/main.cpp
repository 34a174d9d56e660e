// rp_quindal: purchase-document reports of the suite.
//
// The program starts through the start-up procedure: busy notice, command line
// ("@Server=...;@DbName=...;@Usuario=...;@Password=..."), connections, the user's check with
// the login window, the access row and the configuration. Until the report parameter window
// is in place, a successful start reports the connection it made.

#include "app/StartUp.h"
#include "data/DB_Dll.h"
#include "data/SessionValues.h"
#include "ui/DialogService.h"
#include "ui/DisplayCheck.h"
#include "vb/App.h"
#include "vb/Error.h"

#include <QApplication>

namespace {

int reportConnection()
{
    const data::DB_Dll& db = data::DB_Dll::shared();
    ui::MsgBox(QStringLiteral("Conectado a la base %1 en %2 como %3%4.")
                   .arg(db.gDBName, db.gServidor, data::gUsuarioActual,
                        db.gEsAdmin ? QStringLiteral(" (administrador)") : QString()),
               ui::vbInformation, vb::App::title());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (!ui::DisplayCheck::available(argc, argv))
        return 1;
    QApplication application(argc, argv);
    vb::App::init(argc, argv);
    QApplication::setApplicationName(vb::App::title());
    try {
        QString cadena;
        app::IniciarAplicacion(false, QString(), cadena, 3);
        return reportConnection();
    } catch (const vb::Error& error) {
        ui::MsgBox(QStringLiteral("%1  %2").arg(error.number()).arg(error.description()), ui::vbCritical);
        return 1;
    }
}
