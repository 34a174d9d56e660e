// Screenshots of the report parameter window for people to look at: one PNG per report kind
// (RMC, OC, PR, none and an unknown one) on a fresh demo database, plus each kind with a second
// layout chosen; the delivery-note window made larger and made smaller than its controls; the
// whole screen with one window and then with a second one opened over it; and the screen when
// the window closes on a database that does not take its values. Run under a virtual display
// (a 1024x768 screen shows how the window opens there):
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/src/program/rpq_windowshots /tmp/shots
#include "app/AppModule.h"
#include "commandbar/TBarRep.h"
#include "vb/Error.h"
#include "demo/DemoSession.h"
#include "reports/ReportWindowLinks.h"
#include "reports/Rp_Quindal.h"
#include "ShownWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

#include <sqlite3.h>

namespace {

void saveScreen(const QString& file)
{
    QTest::qWait(200);
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
}

// The window at a size of its outer frame; it may refuse to be as small.
void saveSized(reports::Rp_Quindal& window, const QSize& outer, const QString& file)
{
    const QSize frame = window.frameGeometry().size() - window.size();
    window.resize(outer - frame);
    QTest::qWait(200);
    window.grab().save(file);
    std::printf("%s: asked %dx%d, got %dx%d\n", qPrintable(file), outer.width(), outer.height(),
                window.frameGeometry().width(), window.frameGeometry().height());
}

void refuseWindowRows(const QString& databaseFile)
{
    sqlite3* file = nullptr;
    if (sqlite3_open(QFile::encodeName(databaseFile).constData(), &file) == SQLITE_OK)
        sqlite3_exec(file,
                     "CREATE TRIGGER refuse_window_rows BEFORE INSERT ON TA_CONFIG_FORM BEGIN "
                     "SELECT RAISE(ABORT, 'attempt to write a readonly database'); END",
                     nullptr, nullptr, nullptr);
    sqlite3_close(file);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/rpq-shots");
    QDir().mkpath(out);

    const demo::DemoSession session(120, 5, QDir::tempPath());
    if (!session.isOpen()) {
        std::fputs("the demo database did not open\n", stderr);
        return 1;
    }
    // The demo is open already: the window's load skips the start-up procedure.
    reports::ReportWindowLinks::current().iniciarAplicacion = [] {};

    for (const char* kind : {"RMC", "OC", "PR", "", "XYZ"}) {
        const QString name = *kind ? QString::fromLatin1(kind) : QStringLiteral("none");
        app::state().startup.ParametroAdicional = QString::fromLatin1(kind);
        reports::Rp_Quindal window;
        reporttools::loadAndShow(window);
        const QSize opened = window.size();
        const reports::ReportControls& c = window.controls();
        c.OptTipo[0]->setChecked(true);
        c.chkestado[0]->setChecked(true);
        c.chkestado[1]->setChecked(true);
        c.txtFields[8]->setText(QStringLiteral("01/01/2024"));
        c.txtFields[9]->setText(QStringLiteral("31/03/2024"));
        c.txtFields[6]->setFocus();
        QTest::keyClicks(c.txtFields[6], QStringLiteral("21100001"));
        QTest::qWait(100);
        window.grab().save(out + QStringLiteral("/window-%1.png").arg(name));
        c.OptTipo[name == u"RMC" ? 1 : 9]->setChecked(true);
        QTest::qWait(100);
        window.grab().save(out + QStringLiteral("/window-%1-layout.png").arg(name));
        if (name == u"RMC") {
            saveSized(window, {1600, 1000}, out + QStringLiteral("/window-RMC-larger.png"));
            saveSized(window, {800, 520}, out + QStringLiteral("/window-RMC-smaller.png"));
            // Back at the size it opened at (adjustSize would keep it within two thirds of the screen).
            window.resize(opened);
            saveScreen(out + QStringLiteral("/screen-one-window.png"));
            reports::Rp_Quindal second;
            reporttools::loadAndShow(second);
            saveScreen(out + QStringLiteral("/screen-two-windows.png"));
        }
        window.hide();
    }

    // As on a database opened read-only: the database refuses the window's rows when it closes.
    refuseWindowRows(session.fixture().folder() + u'/' + session.fixture().databaseName() + QStringLiteral(".db"));
    vb::setEndHook([](int exitCode) { throw vb::EndRequested(exitCode); });
    app::state().startup.ParametroAdicional = QStringLiteral("RMC");
    reports::Rp_Quindal window;
    reporttools::loadAndShow(window);
    QTimer::singleShot(500, [&] {
        saveScreen(out + QStringLiteral("/screen-closing-unsaved.png"));
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    try {
        emit window.controls().TBarRep1->click(QStringLiteral("CERRAR"));
    } catch (const vb::EndRequested&) {
    }
    QTest::qWait(1000);
    std::printf("screenshots in %s\n", qPrintable(out));
    return 0;
}
