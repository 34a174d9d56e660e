// Screenshots of the lookup windows for people to look at: the supplier list, a search typed
// into it, an article list with stock colours, a list with ticks, an option picker and the
// family tree, on a fresh demo database. Run under a virtual display:
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/tests/lookup/rpq_lookupshots /tmp/shots
#include "demo/DemoSession.h"
#include "lookup/Consultas.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>
#include <functional>

namespace {

QString out;

// Shows the window as the operator sees it, lets drive() act on it, saves it and closes it.
int shoot(QDialog* dialog, const QString& name, const std::function<void(QDialog*)>& drive)
{
    dialog->show();
    QApplication::setActiveWindow(dialog);
    // Without a window manager a dialog may never be reported active; the picture is the same.
    (void)QTest::qWaitForWindowActive(dialog, 500);
    if (drive)
        drive(dialog);
    QTest::qWait(100);
    dialog->grab().save(out + u'/' + name + QStringLiteral(".png"));
    dialog->reject();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/rpq-lookup-shots");
    QDir().mkpath(out);
    const demo::DemoSession session(120, 5, QDir::tempPath());
    if (!session.isOpen()) {
        std::fputs("the demo database did not open\n", stderr);
        return 1;
    }
    lookup::PrepararConsultas();
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    QString next;
    std::function<void(QDialog*)> drive;
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [&](QDialog* d) { return shoot(d, next, drive); });
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3Tree"), [&](QDialog* d) { return shoot(d, next, drive); });

    lookup::Lib_ClsCons3& consulta = lookup::gConsulta();
    next = QStringLiteral("list-suppliers");
    drive = {};
    consulta.ConsultaSearch(QStringLiteral("VT_PROVEEDORES"));

    next = QStringLiteral("list-suppliers-typed");
    drive = [](QDialog* d) {
        auto* w = static_cast<lookup::Lib_FrmCons3*>(d);
        w->CmbSearch(0)->setFocus();
        QTest::keyClicks(w->CmbSearch(0), QStringLiteral("dis"));
    };
    consulta.ConsultaSearch(QStringLiteral("VT_PROVEEDORES"));

    next = QStringLiteral("list-articles");
    drive = {};
    consulta.ConsultaSearch(QStringLiteral("select IdArticulo, Descripcion, Costo, Stock, PuntoPedido from STK_MA_ARTICULOS"));

    next = QStringLiteral("list-ticks");
    consulta.Checks = true;
    consulta.CampoDevuelto = QStringLiteral("CODIGO");
    consulta.ConsultaSearch(QStringLiteral("V_TA_UNIDADNEGOCIO"));

    next = QStringLiteral("list-users");
    consulta.ConsultaSearch(QStringLiteral("TA_USUARIOS"));

    next = QStringLiteral("options");
    consulta.CheckOpciones(QStringLiteral("Formas de pago"), {},
                           {QStringLiteral("1Efectivo"), QStringLiteral("0Cheque"), QStringLiteral("1Tarjeta")});

    next = QStringLiteral("tree-families");
    drive = [](QDialog* d) { static_cast<lookup::Lib_FrmCons3Tree*>(d)->TreeV()->expandAll(); };
    QString sql = QStringLiteral("select IdFamilia, Descripcion from V_TA_FAMILIAS"), clave, busqueda, where, sentencia, valores;
    vb::CollectionPtr none;
    bool tree = true;
    consulta.CampoDevuelto = QStringLiteral("IDFAMILIA");
    consulta.ConsultaSearch(sql, none, clave, busqueda, where, sentencia, tree, valores);

    std::printf("screenshots in %s\n", qPrintable(out));
    return 0;
}
