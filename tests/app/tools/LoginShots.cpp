// Screenshots of the login window for people to look at, as start-up shows it on a fresh demo
// database with two registered connections: a start without arguments (the connection is
// asked for), a connection with a port picked from the list, and a start whose command line
// carries a wrong password (the login loop). Run under a virtual display:
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/app/rpq_loginshots /tmp/shots
#include "demo/DemoFixture.h"
#include "app/AppModule.h"
#include "app/StartUp.h"
#include "data/frmAcceso.h"
#include "kit/Utilidades.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "vb/App.h"
#include "vb/Error.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <functional>

namespace {

QString out;

// Shows the window as the operator sees it, lets drive() act on it, saves it and cancels it.
int shoot(data::frmAcceso* window, const QString& name, const std::function<void(data::frmAcceso*)>& drive)
{
    window->show();
    QApplication::setActiveWindow(window);
    // Without a window manager a dialog may never be reported active; the picture is the same.
    (void)QTest::qWaitForWindowActive(window, 500);
    if (drive)
        drive(window);
    QTest::qWait(100);
    window->grab().save(out + u'/' + name + QStringLiteral(".png"));
    window->reject();
    return window->result();
}

// One start on fresh shared objects; it ends at the cancelled login window.
void startWith(const QString& line)
{
    app::resetState();
    QString cadena;
    try {
        app::IniciarAplicacion(false, line, cadena, 3);
    } catch (const vb::EndRequested&) {
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/rpq-login-shots");
    QDir().mkpath(out);
    const demo::DemoFixture demo(60, 5);
    QTemporaryDir program;
    if (!QFile::link(demo.folder(), program.path() + QStringLiteral("/datos"))) {
        std::fputs("the demo folder could not be linked beside the program\n", stderr);
        return 1;
    }
    vb::App::setPath(program.path());
    vb::App::setExeName(QStringLiteral("rp_quindal"));
    vb::setEndHook([](int exitCode) { throw vb::EndRequested(exitCode); });
    const kit::Utilidades util;
    QFile bases(program.path() + QStringLiteral("/BASES.TXT"));
    if (!bases.open(QIODevice::WriteOnly))
        return 1;
    bases.write(("DEMO / DATOS,DEMO,DEMO," + util.Codificar(QStringLiteral("DEMO")) + ",datos\r\n"
                 "STOCK / SRV2\\INST,Stock,Stock," + util.Codificar(QStringLiteral("Stock")) + ",srv2\\inst:1500\r\n")
                    .toLatin1());
    bases.close();

    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    QString next;
    std::function<void(data::frmAcceso*)> drive;
    dialogs.setModalHandler(QStringLiteral("frmAcceso"),
                            [&](QDialog* d) { return shoot(static_cast<data::frmAcceso*>(d), next, drive); });

    next = QStringLiteral("login-no-arguments");
    startWith(QStringLiteral("@ParametroAdicional=RMC;"));

    next = QStringLiteral("login-port-picked");
    drive = [](data::frmAcceso* w) { w->lstBases()->setCurrentRow(1); };
    startWith(QStringLiteral("@ParametroAdicional=RMC;"));

    next = QStringLiteral("login-wrong-password");
    drive = {};
    startWith(QStringLiteral("@ParametroAdicional=RMC;@Server=datos;@DbName=DEMO;@Usuario=ADMIN;@Password=mala;"));

    app::resetState();
    std::printf("screenshots in %s\n", qPrintable(out));
    return 0;
}
