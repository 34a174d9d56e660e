// Screenshots of the report preview for people to look at: on the run command's demo database,
// the report window of each kind chooses every layout it offers with a click and presses the bar's
// Screen item; the preview that opens is saved as a PNG (its first page, its second, and the
// page whole in the window), with the time from the click to the preview on screen. Run under a
// virtual display, from the program folder's copy:
//     xvfb-run -a -s "-screen 0 1280x1024x24" build/src/program/rpq_previewshots /tmp/previews
#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "commandbar/TBarRep.h"
#include "demo/DemoSession.h"
#include "kit/DLL_Print.h"
#include "reportengine/PreviewWindow.h"
#include "reportengine/ReportJobEngine.h"
#include "reports/ReportWindowLinks.h"
#include "reports/Rp_Quindal.h"
#include "ShownWindow.h"
#include "vb/App.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cstdio>
#include <memory>

namespace {

reportengine::PreviewWindow* openPreview()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<reportengine::PreviewWindow*>(w); preview && preview->isVisible())
            return preview;
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    vb::App::init(argc, argv);
    reportengine::ReportJobEngine::install();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/rpq-previews");
    QDir().mkpath(out);

    const demo::DemoSession session(2000, 20240101, QDir::tempPath());
    if (!session.isOpen()) {
        std::fputs("the demo database did not open\n", stderr);
        return 1;
    }
    app::state().startup.SeccionIni = QStringLiteral("PUESTO1|ANA");
    app::state().startup.ConexionDSN = QStringLiteral("DSN=DEMO; UID=ADMIN; PWD=admin");
    // The demo is open already: the window's load skips the start-up procedure.
    reports::ReportWindowLinks::current().iniciarAplicacion = [] {};

    for (const char* kind : {"RMC", "OC"}) {
        app::state().startup.ParametroAdicional = QString::fromLatin1(kind);
        reports::Rp_Quindal window;
        reporttools::loadAndShow(window);
        const reports::ReportControls& c = window.controls();
        c.txtFields[8]->setText(QStringLiteral("01/01/2024"));
        c.txtFields[9]->setText(QStringLiteral("31/12/2024"));
        window.grab().save(out + QStringLiteral("/window-%1.png").arg(QLatin1String(kind)));
        for (int layout = 0; layout < 12; ++layout) {
            QRadioButton* option = c.OptTipo[size_t(layout)];
            if (option->isHidden())
                continue;
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            QElapsedTimer clock;
            clock.start();
            emit c.TBarRep1->click(QStringLiteral("Pantalla"));
            reportengine::PreviewWindow* preview = openPreview();
            const qint64 shown = clock.elapsed();
            if (!preview) {
                std::printf("%s layout %d: no preview\n", kind, layout);
                continue;
            }
            QTest::qWait(300);
            const QString file = out + QStringLiteral("/preview-%1-%2").arg(QLatin1String(kind)).arg(layout, 2, 10, QChar(u'0'));
            preview->grab().save(file + QStringLiteral(".png"));
            std::printf("%s layout %2d: preview in %lld ms, %s\n", kind, layout, shown, qPrintable(preview->statusText()));
            // The second page shows how a page break reads.
            if (preview->pageCount() > 1) {
                preview->showPage(2);
                QTest::qWait(100);
                preview->grab().save(file + QStringLiteral("-2.png"));
            }
            // The whole page in the window, as the zoom box's "Página entera" shows it.
            preview->fitToPage();
            QTest::qWait(100);
            preview->grab().save(file + QStringLiteral("-entera.png"));
            preview->close();   // deletes itself
            QApplication::processEvents();
        }
        window.hide();
    }
    std::printf("screenshots in %s\n", qPrintable(out));
    return 0;
}
