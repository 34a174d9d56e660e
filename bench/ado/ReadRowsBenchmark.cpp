// Reads one table of 8 columns through bare sqlite3, through Recordset and through the
// forward-only reader, and prints each path's row rate (median and spread over several
// runs, after a warm-up round), the ratios of the medians and the memory each layer path
// needed. The rounds alternate the paths and rotate their order, so that a busy spell of the
// machine or the allocator's state after one path does not favour another.
//
// What each path does per row, so that the figures compare like with like:
// - bare sqlite3: prepares the query, steps it and reads every column with the call that
//   fits its declared type into the C++ value a program would keep: int, QString for the
//   texts, the money as fixed point (value * 10000), bool, double; the datetime stays the
//   QString the engine hands out (parsing it would only cost bare more).
// - Recordset: Open (translation, prepare, every row read) and then every Field's Value()
//   of every row, as a vb::Variant (texts as QString, money as Currency, dates as Date).
// - reader: openReader and next() through the rows, every value(i) of every row.
// Each path folds the same facts of each value (text length, kind) into a checksum, so no
// value can be optimised away.
//
// Rates come from the thread's CPU time, which other processes on a shared machine disturb
// far less than the wall clock; the wall-clock medians are printed next to them.
// Usage: bench_ado [rows] [runs] [bare|Recordset|reader]   (1,000,000 rows and 7 runs by
// default); naming one path runs only that one, as often as asked, for a profiler.

#include "ProcessMemory.h"
#include "Samples.h"

#include <ado/Connection.h>
#include <ado/SqliteSupport.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Timing {
    double cpu = 0;
    double wall = 0;
};

Timing timed(const std::function<void()>& work)
{
    const double cpu = threadSeconds();
    const auto wall = Clock::now();
    work();
    return {threadSeconds() - cpu, std::chrono::duration<double>(Clock::now() - wall).count()};
}

void fill(const QString& file, int rows)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(file).constData(), &db);
    ado::prepareSqliteConnection(db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO MV_LINEAS VALUES (?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    for (int i = 0; i < rows; ++i) {
        const QByteArray code = QByteArray::number(i % 50000).rightJustified(8, '0');
        const QByteArray text = "Articulo de prueba numero " + QByteArray::number(i % 997);
        const QByteArray date = QStringLiteral("2024-%1-%2 10:%3:00").arg(i % 12 + 1, 2, 10, QChar(u'0'))
                                    .arg(i % 28 + 1, 2, 10, QChar(u'0')).arg(i % 60, 2, 10, QChar(u'0')).toLatin1();
        sqlite3_bind_int(insert, 1, i);
        sqlite3_bind_text(insert, 2, code.constData(), int(code.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        sqlite3_bind_double(insert, 4, (i % 100000) / 100.0);
        sqlite3_bind_int(insert, 5, i % 1000);
        sqlite3_bind_text(insert, 6, date.constData(), int(date.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, 7, i % 2);
        sqlite3_bind_double(insert, 8, i * 0.25);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// One row as a program on bare sqlite3 would keep it.
struct BareRow {
    int id;
    QString code;
    QString description;
    qint64 price;   // money, value * 10000
    int quantity;
    QString date;
    bool active;
    double weight;
};

QString textColumn(sqlite3_stmt* stmt, int i)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)), sqlite3_column_bytes(stmt, i));
}

BareRow bareRow(sqlite3_stmt* stmt)
{
    return {sqlite3_column_int(stmt, 0),
            textColumn(stmt, 1),
            textColumn(stmt, 2),
            std::llround(sqlite3_column_double(stmt, 3) * 10000.0),
            sqlite3_column_int(stmt, 4),
            textColumn(stmt, 5),
            sqlite3_column_int(stmt, 6) != 0,
            sqlite3_column_double(stmt, 7)};
}

// The kinds are those of the matching Variants (Long, String, String, Currency, Long, Date,
// Boolean, Double) plus the texts' lengths, as the layers' fold gives; the other values are
// tested so that none is dead, and none of those tests holds for this table's rows.
long long fold(const BareRow& r)
{
    const bool odd = r.id < 0 || r.price < 0 || r.quantity < 0 || r.date.isEmpty() || r.weight < 0 || r.active != (r.id % 2 == 1);
    return 3 + 8 + r.code.size() + 8 + r.description.size() + 6 + 3 + 7 + 11 + 5 + (odd ? 1 : 0);
}

long long fold(const vb::Variant& v)
{
    return int(v.type()) + (v.isString() ? v.stringRef().size() : 0);
}

long long readBare(const QString& file)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(file).constData(), &db);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM MV_LINEAS", -1, &stmt, nullptr);
    long long check = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW)
        check += fold(bareRow(stmt));
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return check;
}

long long readRecordset(const ado::ConnectionPtr& cn)
{
    auto rs = ado::Recordset::create();
    rs->Open(QStringLiteral("SELECT * FROM MV_LINEAS"), cn, ado::adOpenForwardOnly, ado::adLockReadOnly);
    const ado::FieldsPtr fields = rs->Fields();
    long long check = 0;
    for (; !rs->Eof(); rs->MoveNext())
        for (int i = 0; i < fields->Count(); ++i)
            check += fold(fields->Item(i)->Value());
    return check;
}

long long readReader(const ado::ConnectionPtr& cn)
{
    auto reader = cn->openReader(QStringLiteral("SELECT * FROM MV_LINEAS"));
    long long check = 0;
    while (reader->next())
        for (int i = 0; i < reader->columnCount(); ++i)
            check += fold(reader->value(i));
    return check;
}

struct Path {
    const char* name;
    std::function<long long()> read;
    Samples cpuRates;
    Samples wallRates;
    long long check = -1;
    bool agrees = true;   // every run gave the same checksum
};

void runOnce(Path& path, int rows, bool record)
{
    long long check = 0;
    const Timing t = timed([&] { check = path.read(); });
    path.agrees = path.agrees && (path.check < 0 || path.check == check);
    path.check = check;
    if (record) {
        path.cpuRates.add(rows / t.cpu);
        path.wallRates.add(rows / t.wall);
    }
}

long peakGrowthOf(const std::function<void()>& read)
{
    const long before = ProcessMemory::resident();
    ProcessMemory::resetPeak();
    read();
    return ProcessMemory::peak() - before;
}

void report(const Path& p, const Path& bare)
{
    std::printf("%-13s cpu median %9.0f rows/s (%8.0f .. %8.0f, spread %4.1f%%)  ratio %.2f | wall median %9.0f (spread %4.1f%%) ratio %.2f\n",
                p.name, p.cpuRates.median(), p.cpuRates.lowest(), p.cpuRates.highest(), p.cpuRates.spreadPercent(),
                p.cpuRates.median() / bare.cpuRates.median(), p.wallRates.median(), p.wallRates.spreadPercent(),
                p.wallRates.median() / bare.wallRates.median());
}

int profileOne(Path (&paths)[3], const char* name, int rows, int runs)
{
    for (Path& p : paths) {
        if (QLatin1String(p.name).startsWith(QLatin1String(name), Qt::CaseInsensitive)) {
            for (int run = 0; run < runs; ++run)
                runOnce(p, rows, true);
            report(p, p);
            return 0;
        }
    }
    std::printf("no path named %s\n", name);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    bool rowsOk = true, runsOk = true;
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt(&rowsOk) : 1000000;
    const int runs = argc > 2 ? QByteArray(argv[2]).toInt(&runsOk) : 7;
    if (!rowsOk || !runsOk || rows < 1 || runs < 1) {
        std::fprintf(stderr, "usage: bench_ado [rows >= 1] [runs >= 1] [bare|Recordset|reader]\n");
        return 2;
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Bench.db"));
    QFile(file).open(QIODevice::WriteOnly);
    auto cn = ado::Connection::create();
    cn->Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=%1;Database =Bench;UId=Bench;Pwd=Bench;").arg(dir.path()));
    cn->Execute(QStringLiteral("CREATE TABLE MV_LINEAS (Id int NOT NULL PRIMARY KEY, Codigo varchar(10), Descripcion varchar(40),\n"
                               "  Precio money, Cantidad int, Fecha datetime, Activo bit, Peso float)"));
    fill(file, rows);

    Path paths[] = {{"bare sqlite3", [&] { return readBare(file); }, {}, {}},
                    {"Recordset", [&] { return readRecordset(cn); }, {}, {}},
                    {"reader", [&] { return readReader(cn); }, {}, {}}};
    if (argc > 3)
        return profileOne(paths, argv[3], rows, runs);

    // Memory first: a Recordset that goes away keeps its blocks for the next ones, whose rows
    // then land in memory already resident.
    const long before = ProcessMemory::resident();
    const long recordsetMemory = peakGrowthOf([&] { readRecordset(cn); });
    const long keptMemory = ProcessMemory::resident() - before;
    const long readerMemory = peakGrowthOf([&] { readReader(cn); });
    for (int round = 0; round <= runs; ++round)
        for (int k = 0; k < 3; ++k)
            runOnce(paths[(round + k) % 3], rows, round > 0);   // round 0 warms up

    std::printf("rows: %d, columns: 8, runs: %d after a warm-up\n", rows, runs);
    for (const Path& p : paths)
        report(p, paths[0]);
    std::printf("peak memory: Recordset +%ld KB (%ld KB kept for the next ones after it closed), reader +%ld KB\n",
                recordsetMemory, keptMemory, readerMemory);
    const bool same = paths[1].check == paths[0].check && paths[2].check == paths[0].check;
    if (!same || !paths[0].agrees || !paths[1].agrees || !paths[2].agrees) {
        std::printf("checksums differ: bare %lld, Recordset %lld, reader %lld\n", paths[0].check, paths[1].check, paths[2].check);
        return 1;
    }
    return 0;
}
