// Times the program's start on the demo database, each run a process of its own started the
// way the launcher starts rp_quindal, measured from the first statement of main:
//   - to the first window shown (the busy notice on screen),
//   - to the end of the start-up procedure (connections, user check, access row, configuration),
//   - to the window the program shows after start-up (today the message naming the connection)
//     on screen,
// and, seen from outside, from the process's start to its exit. One run is thrown away to warm
// the file cache; the figures are the medians of the others.
// Usage: bench_startup [runs >= 1] [documents >= 1]   (9 runs, 2000 documents by default)
// Runs headless (QT_QPA_PLATFORM=offscreen) unless another platform is set.
#include "DemoGenerator.h"
#include "app/StartUp.h"
#include "data/DB_Dll.h"
#include "data/SessionValues.h"
#include "ui/DialogService.h"
#include "vb/App.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

constexpr double kGoalMs = 500.0;
const char* const kChild = "--child";

double ms(const QElapsedTimer& clock) { return double(clock.nsecsElapsed()) / 1e6; }

// Notes when a window of the given name first shows on screen.
class FirstExposure : public QObject {
public:
    FirstExposure(const QElapsedTimer& clock) : m_clock(clock) {}

    std::optional<double> noticeAt;
    std::optional<double> windowAt;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window && window->isExposed()) {
                const bool notice = window->objectName().startsWith(QLatin1String("Lbf_CtrlDisplay"));
                std::optional<double>& at = notice ? noticeAt : windowAt;
                if (!at)
                    at = ms(m_clock);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& m_clock;
};

// One start, as src/main.cpp runs it, with the program folder given.
int child(int argc, char** argv, const QElapsedTimer& fromMain)
{
    QApplication application(argc, argv);
    vb::App::init(argc, argv);
    vb::App::setPath(QString::fromLocal8Bit(argv[2]));
    vb::App::setExeName(QStringLiteral("rp_quindal"));
    QApplication::setApplicationName(vb::App::title());
    FirstExposure exposure(fromMain);
    application.installEventFilter(&exposure);

    QString cadena;
    app::IniciarAplicacion(false,
                           QStringLiteral("@ParametroAdicional=RMC;@Menu=C0105;@Server=datos;@DbName=DEMO;"
                                          "@Usuario=ADMIN;@Password=admin;@Caja=1;"),
                           cadena, 3);
    const double startUp = ms(fromMain);

    const data::DB_Dll& db = data::DB_Dll::shared();
    QMessageBox box(QMessageBox::Information, vb::App::title(),
                    QStringLiteral("Conectado a la base %1 en %2 como %3.").arg(db.settings().gDBName, db.settings().gServidor, data::gUsuarioActual));
    box.setObjectName(QStringLiteral("window after start-up"));
    ui::DialogService::instance().showModeless(&box);
    QElapsedTimer waiting;
    waiting.start();
    while (!exposure.windowAt && waiting.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::printf("%.2f %.2f %.2f\n", exposure.noticeAt.value_or(-1), startUp, exposure.windowAt.value_or(-1));
    return db.gOpenFlag() ? 0 : 1;
}

struct Run {
    double notice = 0, startUp = 0, window = 0, process = 0;
};

std::optional<Run> runOnce(const QString& self, const QString& folder)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TEMP"), folder);
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(self, {QString::fromLatin1(kChild), folder});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        std::fprintf(stderr, "a start failed: %s\n", process.readAllStandardError().constData());
        return std::nullopt;
    }
    Run run;
    run.process = ms(clock);
    const QList<QByteArray> figures = process.readAllStandardOutput().trimmed().split(' ');
    if (figures.size() != 3)
        return std::nullopt;
    run.notice = figures[0].toDouble();
    run.startUp = figures[1].toDouble();
    run.window = figures[2].toDouble();
    return run;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void report(const char* what, const QList<Run>& runs, double Run::*figure)
{
    QList<double> values;
    for (const Run& run : runs)
        values << run.*figure;
    std::printf("  %-58s median %7.1f ms   (%.1f .. %.1f)\n", what, median(values),
                *std::min_element(values.begin(), values.end()), *std::max_element(values.begin(), values.end()));
}

bool readCount(const char* text, int& value)
{
    bool ok = false;
    value = QByteArray(text).toInt(&ok);
    return ok && value >= 1;
}

int parent(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    int runs = 9, documents = 2000;
    if ((argc > 1 && !readCount(argv[1], runs)) || (argc > 2 && !readCount(argv[2], documents)) || argc > 3) {
        std::fprintf(stderr, "usage: bench_startup [runs >= 1] [documents >= 1]\n");
        return 2;
    }
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("datos"));
    demo::DemoGenerator::Options options;
    options.folder = folder.path() + QStringLiteral("/datos");
    options.seed = 20240101;
    options.size = documents;
    demo::DemoGenerator(options).run();

    const QString self = QCoreApplication::applicationFilePath();
    if (!runOnce(self, folder.path()))      // warms the file cache; not counted
        return 1;
    QList<Run> measured;
    for (int i = 0; i < runs; ++i) {
        const std::optional<Run> run = runOnce(self, folder.path());
        if (!run)
            return 1;
        measured << *run;
    }
    std::printf("Start of rp_quindal on the demo database (%d documents), %d warm runs, platform %s:\n", documents,
                runs, qEnvironmentVariableIsSet("QT_QPA_PLATFORM") ? qgetenv("QT_QPA_PLATFORM").constData() : "offscreen");
    report("main -> first window shown (busy notice)", measured, &Run::notice);
    report("main -> end of the start-up procedure", measured, &Run::startUp);
    report("main -> window after start-up shown", measured, &Run::window);
    report("process start -> exit", measured, &Run::process);
    QList<double> startUps;
    for (const Run& run : measured)
        startUps << run.startUp;
    std::printf("Goal: start-up under %.0f ms: %s\n", kGoalMs, median(startUps) < kGoalMs ? "met" : "NOT met");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer fromMain;
    fromMain.start();
    if (argc == 3 && qstrcmp(argv[1], kChild) == 0)
        return child(argc, argv, fromMain);
    return parent(argc, argv);
}
