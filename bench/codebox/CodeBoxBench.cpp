// Times each keystroke's search of the code-entry box bound to the article view, from the
// key press to the filled list, on a demo database grown to the given number of articles.
// Usage: bench_codebox [articles] [rounds] [price list]
// A price list (for example 1) runs the article search joined with that list's prices.
#include "codebox/BusquedaCodigo.h"
#include "codebox/SearchTextBox.h"
#include "demo/DemoFixture.h"
#include "demo/DemoNames.h"
#include "demo/DemoRandom.h"
#include "DemoDatabase.h"
#include "SqliteStatement.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <vector>

namespace {

int existingArticles(demo::DemoDatabase& db)
{
    demo::SqliteStatement count(db.handle(), "SELECT COUNT(*) FROM MA_ARTICULOS");
    return count.nextRow() ? int(count.integer(0)) : 0;
}

// Articles as the demo writes them (noun, qualifier, size; 3% suspended), each priced in
// lists 1 and 2, up to `total` rows.
void growArticles(const QString& path, int total)
{
    demo::DemoDatabase db(path);
    demo::DemoRandom random(20240611);
    db.begin();
    demo::SqliteStatement article(db.handle(), "INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion, IdFamilia, IdTipo, Costo, SUSPENDIDO) VALUES (?,?,?,?,?,?)");
    demo::SqliteStatement price(db.handle(), "INSERT INTO V_MA_PRECIOS (IdArticulo, IdLista, Precio, Moneda) VALUES (?,?,?,'1')");
    using demo::DemoNames::articleNouns, demo::DemoNames::articleQualifiers, demo::DemoNames::articleSizes;
    for (int i = existingArticles(db) + 1; i <= total; ++i) {
        char id[32];
        std::snprintf(id, sizeof id, "%02d-B%06d", int(random.between(1, 9)), i);
        const std::string description = random.pick(articleNouns()) + " " + random.pick(articleQualifiers()) + " "
            + random.pick(articleSizes());
        const double cost = double(random.between(150, 950000)) / 100.0;
        article.bind(1, std::string(id)).bind(2, description).bind(3, std::string("0101")).bind(4, std::string("   1"))
            .bind(5, cost).bind(6, random.chance(30) ? 1 : 0).execute();
        for (const char* list : {"   1", "   2"})
            price.bind(1, std::string(id)).bind(2, std::string(list)).bind(3, cost * 1.3).execute();
    }
    db.commit();
    // The statistics a server keeps up to date by itself after so many new rows.
    db.execute("ANALYZE");
}

struct Keystroke {
    QString text;      // the box's text after the key
    int lines = 0;
    double ms = 0;     // wall clock, key press to filled list
    double cpuMs = 0;  // processor time of this thread meanwhile: the search's own cost on a busy machine
};

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Types `word` key by key, then erases it with Backspace, timing every key.
void typeAndErase(codebox::BusquedaCodigo& box, const QString& word, std::vector<Keystroke>& out)
{
    QLineEdit* text = box.TxtBusqueda();
    auto timed = [&](auto&& press) {
        QElapsedTimer timer;
        const double cpu = threadCpuMs();
        timer.start();
        press();
        const double wall = timer.nsecsElapsed() / 1e6;
        out.push_back({text->text(), box.LstBusqueda()->count(), wall, threadCpuMs() - cpu});
    };
    for (const QChar c : word)
        timed([&] { QTest::keyClick(text, c.toLatin1()); });
    while (!text->text().isEmpty())
        timed([&] { QTest::keyClick(text, Qt::Key_Backspace); });
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool ok = true;
    const int articles = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt(&ok) : 100000;
    bool roundsOk = true;
    const int rounds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt(&roundsOk) : 3;
    if (!ok || !roundsOk || articles < 1 || rounds < 1) {
        std::fprintf(stderr, "usage: bench_codebox [articles] [rounds] [price list]\n");
        return 2;
    }
    std::printf("building the demo database with %d articles...\n", articles);
    demo::DemoFixture fixture(300, 5);
    growArticles(fixture.databasePath(), articles);

    codebox::BusquedaCodigo box;
    box.setgConnString(fixture.connectionString());
    box.Usuario = QStringLiteral("ADMIN");
    if (argc > 3)
        box.idLista = QString::fromLocal8Bit(argv[3]);
    if (!box.BusquedaDisponible(QStringLiteral("V_MA_ARTICULOS")) || !box.connectionOpen()) {
        std::fprintf(stderr, "bench_codebox: the box did not bind to V_MA_ARTICULOS\n");
        return 1;
    }
    box.show();

    const QStringList words{QStringLiteral("tornillo acero"), QStringLiteral("cable 4 mm2"), QStringLiteral("xyzq"),
                            QStringLiteral("05-B0999"), QStringLiteral("llave term")};
    std::vector<Keystroke> keys;
    for (int round = 0; round < rounds; ++round)
        for (const QString& word : words)
            typeAndErase(box, word, keys);

    std::vector<double> times;
    std::vector<double> cpuTimes;
    for (const Keystroke& k : keys) {
        times.push_back(k.ms);
        cpuTimes.push_back(k.cpuMs);
    }
    std::printf("\nslowest keystrokes (text after the key, lines listed, wall ms, processor ms):\n");
    std::vector<Keystroke> slowest = keys;
    std::sort(slowest.begin(), slowest.end(), [](const Keystroke& a, const Keystroke& b) { return a.ms > b.ms; });
    for (std::size_t i = 0; i < std::min<std::size_t>(8, slowest.size()); ++i)
        std::printf("  %-16s %4d  %7.2f  %7.2f\n", qPrintable(u'"' + slowest[i].text + u'"'), slowest[i].lines, slowest[i].ms,
                    slowest[i].cpuMs);
    std::printf("\n%zu keystrokes over %d articles%s: median %.2f ms, 95th percentile %.2f ms, slowest %.2f ms (goal: under 50 ms)\n",
                keys.size(), articles, box.idLista.isEmpty() ? "" : " with a price list", percentile(times, 0.5),
                percentile(times, 0.95), slowest.front().ms);
    std::printf("processor time per keystroke: median %.2f ms, 95th percentile %.2f ms, most %.2f ms\n", percentile(cpuTimes, 0.5),
                percentile(cpuTimes, 0.95), *std::max_element(cpuTimes.begin(), cpuTimes.end()));
    return slowest.front().ms < 50.0 ? 0 : 1;
}
