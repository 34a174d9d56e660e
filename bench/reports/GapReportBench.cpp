// Runs the numbering-gap report over a demo database and prints its time and the rows it wrote.
// Usage: bench_reports [documents] [kind] [from date] [to date]
//   documents: size of the demo database built for the run (default 1000000)
//   kind: report kind whose documents are walked (default RMC)
//   from/to: the date range as typed in the window, dd/mm/yyyy (default none)
#include "data/DB_Dll.h"
#include "demo/DemoFixture.h"
#include "demo/DemoSession.h"
#include "ReportsBenchMain.h"
#include "reports/GapReport.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "vb/App.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

int run(int argc, char** argv)
{
    const int documents = benchreports::documentsArgument(argc, argv, 1000000, "bench_reports");
    if (documents == 0)
        return 2;
    const QString kind = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("RMC");
    const QString from = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const QString to = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();

    QTemporaryDir program;
    vb::App::setPath(program.path());
    // Any message box answers itself instead of waiting for someone.
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);

    QElapsedTimer timer;
    timer.start();
    const demo::DemoFixture demo(documents, 1);
    std::printf("demo database   %d documents in %.2f s\n", documents, timer.nsecsElapsed() / 1e9);

    data::DB_Dll db;
    if (!demo::openDemoDatabase(db, demo.folder(), demo.databaseName())) {
        std::fprintf(stderr, "bench_reports: the demo database did not open\n");
        return 1;
    }

    reports::GapReport report(db, QStringLiteral("BENCH|PUESTO"));
    for (int pass = 1; pass <= 2; ++pass) {
        timer.restart();
        report.build(kind, from, to);
        std::printf("gap report      pass %d, kind %s%s: %lld rows written in %.2f s\n", pass, qPrintable(kind),
                    from.isEmpty() ? "" : qPrintable(QStringLiteral(", dates %1 to %2").arg(from, to)),
                    static_cast<long long>(report.rowsWritten()), timer.nsecsElapsed() / 1e9);
    }
    if (!dialogs.prompts().isEmpty())
        std::printf("dialogs shown   %lld (first: %s)\n", static_cast<long long>(dialogs.prompts().size()),
                    qPrintable(dialogs.prompts().first().text));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    return benchreports::runOffscreen(argc, argv, "bench_reports", run);
}
