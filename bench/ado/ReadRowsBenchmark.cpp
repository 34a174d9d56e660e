// Reads the same table of 8 columns through Recordset, through the forward-only reader and
// through bare sqlite3, and prints the row rates, their ratios and the memory each layer
// path needed. Each is run three times, alternating, and the best run counts, so that other
// work on the machine disturbs the figure less.
// Usage: bench_ado [rows] (1,000,000 by default).

#include "ProcessMemory.h"

#include <ado/Connection.h>
#include <ado/SqliteSupport.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <algorithm>
#include <functional>
#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

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

// The bare loop reads every column in its natural C form, as the engine must at least do.
double bareRate(const QString& file, long long& check)
{
    sqlite3* db = nullptr;
    sqlite3_open(QFile::encodeName(file).constData(), &db);
    const auto start = Clock::now();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM MV_LINEAS", -1, &stmt, nullptr);
    long long rows = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        check += sqlite3_column_int(stmt, 0) + sqlite3_column_bytes(stmt, 1) + sqlite3_column_bytes(stmt, 2);
        check += (long long)sqlite3_column_double(stmt, 3) + sqlite3_column_int(stmt, 4) + sqlite3_column_bytes(stmt, 5);
        check += sqlite3_column_int(stmt, 6) + (long long)sqlite3_column_double(stmt, 7);
        ++rows;
    }
    sqlite3_finalize(stmt);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    sqlite3_close(db);
    return rows / seconds;
}

double recordsetRate(const ado::ConnectionPtr& cn, long long& check)
{
    const auto start = Clock::now();
    auto rs = ado::Recordset::create();
    rs->Open(QStringLiteral("SELECT * FROM MV_LINEAS"), cn, ado::adOpenForwardOnly, ado::adLockReadOnly);
    const double opened = std::chrono::duration<double>(Clock::now() - start).count();
    const ado::FieldsPtr fields = rs->Fields();
    long long rows = 0;
    for (; !rs->Eof(); rs->MoveNext()) {
        for (int i = 0; i < fields->Count(); ++i)
            check += int(fields->Item(i)->Value().type());
        ++rows;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("Recordset: %.3f s reading, %.3f s walking the fields\n", opened, seconds - opened);
    return rows / seconds;
}

// The reader hands out each value as a Variant, as the Recordset's fields do.
double readerRate(const ado::ConnectionPtr& cn, long long& check)
{
    const auto start = Clock::now();
    auto reader = cn->openReader(QStringLiteral("SELECT * FROM MV_LINEAS"));
    long long rows = 0;
    while (reader->next()) {
        for (int i = 0; i < reader->columnCount(); ++i)
            check += int(reader->value(i).type());
        ++rows;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return rows / seconds;
}

long peakGrowthOf(const std::function<void()>& read)
{
    const long before = ProcessMemory::resident();
    ProcessMemory::resetPeak();
    read();
    return ProcessMemory::peak() - before;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Bench.db"));
    QFile(file).open(QIODevice::WriteOnly);
    auto cn = ado::Connection::create();
    cn->Open(QStringLiteral("PROVIDER=SQLOLEDB;Server=%1;Database =Bench;UId=Bench;Pwd=Bench;").arg(dir.path()));
    cn->Execute(QStringLiteral("CREATE TABLE MV_LINEAS (Id int NOT NULL PRIMARY KEY, Codigo varchar(10), Descripcion varchar(40),\n"
                               "  Precio money, Cantidad int, Fecha datetime, Activo bit, Peso float)"));
    fill(file, rows);

    long long bareCheck = 0, layerCheck = 0, readerCheck = 0;
    double bare = 0, layer = 0, reader = 0;
    for (int run = 0; run < 3; ++run) {
        bare = std::max(bare, bareRate(file, bareCheck));
        layer = std::max(layer, recordsetRate(cn, layerCheck));
        reader = std::max(reader, readerRate(cn, readerCheck));
    }
    const long readerMemory = peakGrowthOf([&] { readerRate(cn, readerCheck); });
    const long recordsetMemory = peakGrowthOf([&] { recordsetRate(cn, layerCheck); });
    std::printf("rows: %d, columns: 8\n", rows);
    std::printf("bare sqlite3: %.0f rows/s\n", bare);
    std::printf("Recordset:    %.0f rows/s, peak memory +%ld KB\n", layer, recordsetMemory);
    std::printf("reader:       %.0f rows/s, peak memory +%ld KB\n", reader, readerMemory);
    std::printf("ratio (Recordset / bare): %.2f\n", layer / bare);
    std::printf("ratio (reader / bare):    %.2f\n", reader / bare);
    return bareCheck == 0 || layerCheck == 0 || readerCheck == 0 ? 1 : 0;
}
