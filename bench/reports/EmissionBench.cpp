// Times the report window's emission on a demo database: for each kind and each layout the window
// offers, from the Screen command to the preview on screen (with the pages laid out by then), and
// the whole report printed into a PDF file.
// Usage: bench_emission [documents] [from date] [to date]
//   documents: size of the demo database built for the run (default 2000, as the run command's)
//   from/to: the document dates typed in the window, dd/mm/yyyy (default 01/01/2024 to 31/12/2024)
#include "app/AppModule.h"
#include "app/SharedObjects.h"
#include "commandbar/TBarRep.h"
#include "demo/DemoSession.h"
#include "ReportsBenchMain.h"
#include "kit/DLL_Print.h"
#include "reportengine/PreviewWindow.h"
#include "reportengine/ReportJobEngine.h"
#include "reports/ReportWindowLinks.h"
#include "reports/Rp_Quindal.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "vb/App.h"

#include "support/TestPaths.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

int run(int argc, char** argv)
{
    reportengine::ReportJobEngine::install();
    const int documents = benchreports::documentsArgument(argc, argv, 2000, "bench_emission");
    if (documents == 0)
        return 2;
    const QString from = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("01/01/2024");
    const QString to = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("31/12/2024");

    QTemporaryDir program;
    vb::App::setPath(program.path());
    for (const QFileInfo& rpt : QDir(testpaths::demoReports()).entryInfoList({QStringLiteral("*.rpt")}))
        QFile::copy(rpt.filePath(), QDir(program.path()).filePath(rpt.fileName()));
    // The preview opens as a modeless window; any message box answers itself.
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);

    QElapsedTimer timer;
    timer.start();
    const demo::DemoSession session(documents, 20240101, program.path());
    std::printf("demo database   %d documents in %.2f s\n", documents, timer.nsecsElapsed() / 1e9);
    if (!session.isOpen()) {
        std::fprintf(stderr, "bench_emission: the demo database did not open\n");
        return 1;
    }
    app::state().startup.SeccionIni = QStringLiteral("BENCH|PUESTO");
    app::state().startup.ConexionDSN = QStringLiteral("DSN=DEMO; UID=ADMIN; PWD=admin");
    app::gImpresion().pPathSistema = program.path();
    reports::ReportWindowLinks& links = reports::ReportWindowLinks::current();
    links.iniciarAplicacion = [] {};
    int destino = kit::DLL_Print::DestinoPantalla;
    links.fijarDestino = [&destino, &program](int) {
        app::gImpresion().setDestino(destino);
        app::gImpresion().setPdfFile(QDir(program.path()).filePath(QStringLiteral("reporte.pdf")));
    };

    std::printf("%-5s %-7s %-38s %10s %8s %8s\n", "kind", "layout", "caption", "preview ms", "pages", "PDF ms");
    for (const char* kind : {"RMC", "OC"}) {
        app::state().startup.ParametroAdicional = QString::fromLatin1(kind);
        reports::Rp_Quindal window;
        window.Form_Load();
        const reports::ReportControls& c = window.controls();
        c.txtFields[8]->setText(from);
        c.txtFields[9]->setText(to);
        for (int layout = 0; layout < 12; ++layout) {
            if (c.OptTipo[size_t(layout)]->isHidden())
                continue;
            c.OptTipo[size_t(layout)]->setChecked(true);

            destino = kit::DLL_Print::DestinoPantalla;
            dialogs.clear();
            timer.restart();
            emit c.TBarRep1->click(QStringLiteral("Pantalla"));
            const qint64 preview = timer.elapsed();
            const auto shown = dialogs.prompts(ui::ScriptedDialogService::Kind::Modeless);
            auto* opened = shown.isEmpty() ? nullptr : qobject_cast<reportengine::PreviewWindow*>(shown.last().window.data());
            const int pagesAtOpen = opened ? opened->pageCount() : 0;
            if (opened)
                opened->close();   // deletes itself, and lays out no more

            destino = kit::DLL_Print::PdfDestination;
            timer.restart();
            emit c.TBarRep1->click(QStringLiteral("Pantalla"));
            const qint64 pdf = timer.elapsed();
            QApplication::processEvents();
            std::printf("%-5s %-7d %-38s %10lld %8d %8lld\n", kind, layout, qPrintable(c.OptTipo[size_t(layout)]->text().remove(u'&')),
                        static_cast<long long>(preview), pagesAtOpen, static_cast<long long>(pdf));
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return benchreports::runOffscreen(argc, argv, "bench_emission", run);
}
