// Times the tree lookup window on the demo database: a tree of nested cost-centre codes built
// (groups, subgroups, centres), an incremental search down to the last node, an F5 filter, and
// the family tree with its own statement.
// Usage: bench_lookup_tree [centres]
//   centres: cost centres written (20000 unless given, at least 100), nested three levels deep.
// Runs headless unless QT_QPA_PLATFORM says otherwise.
#include "data/DB_Dll.h"
#include "demo/DemoGenerator.h"
#include "demo/DemoSession.h"
#include "lookup/Consultas.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "vb/App.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double millisecondsOf(QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Codes GG, GGSS and GGSSCCC: every level under the one it extends.
int writeCentres(data::DB_Dll& db, int wanted)
{
    db.gCnn()->Execute(QStringLiteral("DELETE FROM TA_CCOSTO"));
    db.gCnn()->Execute(QStringLiteral("BEGIN TRANSACTION"));
    const int perSubgroup = 50;
    const int subgroups = 20;
    int written = 0;
    for (int group = 1; written < wanted; ++group) {
        const QString g = QStringLiteral("%1").arg(group, 2, 10, QLatin1Char('0'));
        db.gCnn()->Execute(QStringLiteral("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('%1', 'Grupo %1')").arg(g));
        ++written;
        for (int sub = 1; sub <= subgroups && written < wanted; ++sub) {
            const QString s = g + QStringLiteral("%1").arg(sub, 2, 10, QLatin1Char('0'));
            db.gCnn()->Execute(QStringLiteral("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('%1', 'Sector %1')").arg(s));
            ++written;
            for (int c = 1; c <= perSubgroup && written < wanted; ++c) {
                const QString code = s + QStringLiteral("%1").arg(c, 3, 10, QLatin1Char('0'));
                db.gCnn()->Execute(
                    QStringLiteral("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('%1', 'Centro %1')").arg(code));
                ++written;
            }
        }
    }
    db.gCnn()->Execute(QStringLiteral("COMMIT"));
    return written;
}

void timeTree(int centres)
{
    lookup::Lib_FrmCons3Tree window;
    window.sql = QStringLiteral("select CODIGO, DESCRIPCION from TA_CCOSTO order by CODIGO");
    window.CampoDevuelto = QStringLiteral("CODIGO");
    window.CheckBoxes = true;
    QElapsedTimer timer;
    timer.start();
    window.show();
    const double built = millisecondsOf(timer);
    std::printf("tree of %zu nodes (%d cost centres, three levels) built and shown: %.0f ms\n", window.nodes().size(), centres,
                built);

    // The last node's code typed letter by letter: every keystroke walks the nodes in order.
    const QString last = window.nodes().back()->text(0).section(u' ', 0, 0);
    QLineEdit* box = window.CmbSearch()->lineEdit();
    box->setFocus();
    std::vector<double> keystrokes;
    for (const QChar c : last) {
        timer.start();
        QTest::keyClick(box, c.toLatin1());
        keystrokes.push_back(millisecondsOf(timer));
    }
    std::printf("search for the last node, %zu keystrokes: median %.1f ms, worst %.1f ms (chosen: %s)\n", keystrokes.size(),
                median(keystrokes), *std::max_element(keystrokes.begin(), keystrokes.end()),
                qPrintable(window.TreeV()->currentItem()->text(0)));

    // Ticking the first group ticks its whole subtree.
    timer.start();
    window.nodes()[1]->setCheckState(0, Qt::Checked);
    std::printf("tick of a group and its subtree: %.1f ms\n", millisecondsOf(timer));

    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("Sector"));
    timer.start();
    QTest::keyClick(box, Qt::Key_F5);
    std::printf("F5 filter and rebuild: %.0f ms, %zu nodes\n", millisecondsOf(timer), window.nodes().size());
}

void timeFamilies()
{
    lookup::Lib_FrmCons3Tree window;
    window.sql = QStringLiteral("select IdFamilia, Descripcion from V_TA_FAMILIAS");
    window.CampoDevuelto = QStringLiteral("IDFAMILIA");
    QElapsedTimer timer;
    timer.start();
    window.show();
    std::printf("family tree of %zu nodes from its own statement: %.1f ms\n", window.nodes().size(), millisecondsOf(timer));
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    int centres = 20000;
    if (argc > 1) {
        bool ok = false;
        centres = QString::fromLocal8Bit(argv[1]).toInt(&ok);
        if (!ok || centres < 100) {
            std::fprintf(stderr, "usage: bench_lookup_tree [centres, at least 100]\n");
            return 2;
        }
    }

    QTemporaryDir folder;
    demo::DemoGenerator::Options options;
    options.folder = folder.path();
    options.size = 100;
    demo::DemoGenerator(options).run();
    vb::App::setPath(folder.path());
    auto db = std::make_shared<data::DB_Dll>();
    data::DB_Dll::setShared(db);
    if (!demo::openDemoDatabase(*db, folder.path(), options.database)) {
        std::fprintf(stderr, "bench_lookup_tree: the demo database did not open\n");
        return 1;
    }
    const int written = writeCentres(*db, centres);
    timeTree(written);
    timeFamilies();
    data::DB_Dll::setShared(nullptr);
    return 0;
}
