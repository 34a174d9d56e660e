// Times the list lookup window on the demo database: the window shown with 1,000 rows, and the
// incremental search, keystroke by keystroke, on a list of every article.
// Usage: bench_lookup [articles] [--grab <file.png>]
//   articles: articles in the generated database (100000 unless given); --grab saves a picture
//   of the window with 1,000 rows.
// Runs headless unless QT_QPA_PLATFORM says otherwise.
#include "data/DB_Dll.h"
#include "demo/DemoGenerator.h"
#include "demo/DemoSession.h"
#include "lookup/Consultas.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3.h"
#include "ui/DialogService.h"
#include "vb/App.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Shows each modal window, hands it to the measuring step, and closes it.
class BenchDialogs : public ui::DialogService {
public:
    std::function<void(QDialog*)> onShown;
    int msgBox(const QString& prompt, int, const QString&) override
    {
        std::fprintf(stderr, "message: %s\n", qPrintable(prompt));
        return ui::vbOK;
    }
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    int showModal(QDialog* dialog) override
    {
        dialog->show();
        QApplication::processEvents();
        if (onShown)
            onShown(dialog);
        dialog->done(QDialog::Rejected);
        return QDialog::Rejected;
    }
    void showModeless(QWidget* window) override { window->show(); }
};

// One typed character, as the keyboard would deliver it (any letter, accented ones too).
void type(QWidget* target, QChar c)
{
    const int key = c.isLetterOrNumber() && c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

struct Figures {
    double median = 0;
    double worst = 0;
};

Figures figures(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

void setTop(data::DB_Dll& db, int top)
{
    db.gCnn()->Execute(QStringLiteral("UPDATE TA_CONFIGURACION SET Valor = '%1' WHERE Clave = 'TopConsArt'").arg(top));
}

// The window shown for a lookup of 1,000 articles: from the call to the window on screen.
Figures timeShown(BenchDialogs& dialogs, const QString& grab)
{
    std::vector<double> samples;
    QElapsedTimer timer;
    int rows = 0;
    dialogs.onShown = [&](QDialog* dialog) {
        samples.push_back(double(timer.nsecsElapsed()) / 1e6);
        rows = static_cast<lookup::Lib_FrmCons3*>(dialog)->ListView1()->topLevelItemCount();
        if (!grab.isEmpty() && samples.size() == 1) {
            dialog->grab().save(grab);
            std::printf("picture of the window: %s\n", qPrintable(grab));
        }
    };
    for (int run = 0; run < 11; ++run) {
        timer.start();
        lookup::gConsulta().ConsultaSearch(QStringLiteral("V_MA_ARTICULOS"));
    }
    samples.erase(samples.begin());          // the first run warms the caches
    std::printf("window shown with %d rows: median %.1f ms, worst %.1f ms (goal: under 100 ms)\n", rows,
                figures(samples).median, figures(samples).worst);
    // Of which the query itself: the same statement opened alone through the data access.
    std::vector<double> query;
    QString sql = QStringLiteral("SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE SUSPENDIDO = 0 "
                                 "ORDER BY DESCRIPCION");
    for (int run = 0; run < 10; ++run) {
        ado::RecordsetPtr rs;
        timer.start();
        QString text = sql;
        data::gDB().AbrirRecordset(text, rs);
        query.push_back(double(timer.nsecsElapsed()) / 1e6);
        data::gDB().CierraRecordset(rs);
    }
    std::printf("  of which the query alone: median %.1f ms\n", figures(query).median);
    return figures(samples);
}

// Each keystroke of an incremental search over every article, answered when the row is chosen.
void timeKeystrokes(BenchDialogs& dialogs)
{
    QElapsedTimer timer;
    dialogs.onShown = [&](QDialog* dialog) {
        const double shown = double(timer.nsecsElapsed()) / 1e6;
        auto* window = static_cast<lookup::Lib_FrmCons3*>(dialog);
        QTreeWidget* list = window->ListView1();
        const int rows = list->topLevelItemCount();
        std::printf("window shown with %d rows in %.0f ms\n", rows, shown);
        QComboBox* box = window->CmbSearch(1);   // over the description column
        box->setFocus();
        // The descriptions of a few rows spread over the list, typed letter by letter, and a
        // text that matches nothing (every row compared).
        QStringList texts;
        for (int at : {rows - 1, rows / 2, rows / 3, 7})
            texts << list->topLevelItem(at)->text(1).left(14);
        texts << QStringLiteral("zzzzzzzzzz");
        std::vector<double> samples;
        for (const QString& text : texts) {
            box->clearEditText();
            for (const QChar c : text) {
                timer.start();
                type(box, c);
                samples.push_back(double(timer.nsecsElapsed()) / 1e6);
            }
        }
        const Figures typed = figures(samples);
        std::printf("incremental search over %d rows, %zu keystrokes: median %.2f ms, worst %.2f ms (goal: under 50 ms)\n",
                    rows, samples.size(), typed.median, typed.worst);
        // A header click sorts every row; the next keystrokes search in the new order.
        QHeaderView* header = list->header();
        timer.start();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + header->sectionSize(1) / 2, header->height() / 2));
        std::printf("sort of %d rows by a header click: %.0f ms\n", rows, double(timer.nsecsElapsed()) / 1e6);
        box->clearEditText();
        std::vector<double> afterSort;
        for (const QChar c : texts[1]) {
            timer.start();
            type(box, c);
            afterSort.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("incremental search after the sort: median %.2f ms, worst %.2f ms\n", figures(afterSort).median,
                    figures(afterSort).worst);
        if (qEnvironmentVariableIsSet("BENCH_LOOKUP_SAMPLES")) {
            for (double sample : samples)
                std::printf("%.2f ", sample);
            std::printf("\n");
        }
    };
    timer.start();
    lookup::gConsulta().ConsultaSearch(QStringLiteral("select IdArticulo, Descripcion from MA_ARTICULOS"));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    int articles = 100000;
    QString grab;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--grab") && i + 1 < args.size()) {
            grab = args[++i];
            continue;
        }
        bool ok = false;
        articles = args[i].toInt(&ok);
        if (!ok || articles < 1000) {
            std::fprintf(stderr, "usage: bench_lookup [articles, at least 1000] [--grab <file.png>]\n");
            return 2;
        }
    }

    QTemporaryDir folder;
    demo::DemoGenerator::Options options;
    options.folder = folder.path();
    options.seed = 3;
    options.size = 2000;
    options.articles = articles;
    QElapsedTimer built;
    built.start();
    demo::DemoGenerator(options).run();
    std::printf("demo database with %d articles built in %.1f s\n", articles, double(built.elapsed()) / 1000.0);

    vb::App::setPath(folder.path());
    auto db = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(db);
    if (!demo::openDemoDatabase(*db, folder.path(), options.database)) {
        std::fprintf(stderr, "bench_lookup: the demo database did not open\n");
        return 1;
    }
    BenchDialogs dialogs;
    ui::DialogService::setInstance(&dialogs);
    setTop(*db, 1000);
    lookup::PrepararConsultas();

    timeShown(dialogs, grab);
    timeKeystrokes(dialogs);

    ui::DialogService::setInstance(nullptr);
    data::DB_Dll::setShared(nullptr);
    return 0;
}
