// Renders a long grouped report of the demo database to PDF through the database layer and prints
// its speed, its memory and the time of the bare query over the same rows.
// Usage: bench_reportengine [documents] [font size in points] [output.pdf] [recordset]
// A larger font gives more pages from the same rows (the memory goal is stated in pages).
// "recordset" reads each pass through a Recordset (all rows held) instead of the forward-only
// reader, for comparison.
#include "ProcessMemory.h"
#include "ado/Connection.h"
#include "demo/DemoFixture.h"
#include "reportengine/AdoRowSource.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/ReportJob.h"
#include "reportengine/ReportModel.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <map>

namespace {

// The way passes were read before the forward-only reader: every row held from the open.
class RecordsetSource : public rpt::RowSource {
public:
    RecordsetSource(const ado::ConnectionPtr& connection, const QString& sql, std::size_t columns)
        : m_rows(ado::Recordset::create()), m_columns(columns)
    {
        m_rows->Open(sql, connection, ado::adOpenForwardOnly, ado::adLockReadOnly, ado::adCmdText);
    }
    bool next(std::vector<rpt::FormulaValue>& row) override
    {
        if (m_rows->Eof())
            return false;
        row.resize(m_columns);
        for (std::size_t i = 0; i < m_columns; ++i)
            row[i] = rpt::AdoRowSource::value(m_rows->Fields()->Item(int(i))->Value());
        m_rows->MoveNext();
        return true;
    }

private:
    ado::RecordsetPtr m_rows;
    std::size_t m_columns;
};

QByteArray definition(double fontSize)
{
    return QStringLiteral(R"json({
  "title": "Comprobantes por cuenta",
  "tables": [
    {"name": "C_MV_CPTE", "fields": ["TC", "IdComprobante", "Fecha", "Cuenta", "Usuario", "Anulada", "Importe"]},
    {"name": "MA_CUENTAS", "fields": ["Codigo", "Nombre"]}
  ],
  "links": [{"from": "{C_MV_CPTE.Cuenta}", "to": "{MA_CUENTAS.Codigo}", "type": "left"}],
  "pageHeader": [{"text": "'Página ' & totext(PageNumber) & ' de ' & totext(TotalPageCount)", "align": "right"}],
  "groups": [{"field": "{C_MV_CPTE.Cuenta}", "header": "{C_MV_CPTE.Cuenta} & ' ' & {MA_CUENTAS.Nombre}",
              "footer": "'Subtotal ' & {C_MV_CPTE.Cuenta}"}],
  "sort": ["+{C_MV_CPTE.Fecha}", "+{C_MV_CPTE.IdComprobante}"],
  "columns": [
    {"title": "Tipo", "value": "{C_MV_CPTE.TC}", "width": 10},
    {"title": "Número", "value": "{C_MV_CPTE.IdComprobante}", "width": 28},
    {"title": "Fecha", "value": "{C_MV_CPTE.Fecha}", "width": 18, "format": "dd/MM/yyyy"},
    {"title": "Usuario", "value": "UCASE({C_MV_CPTE.Usuario})", "width": 20},
    {"title": "Importe", "value": "{C_MV_CPTE.Importe}", "width": 24, "align": "right", "format": "#,##0.00"}
  ],
  "summaries": [{"column": 4, "function": "sum"}, {"column": 1, "function": "count"}],
  "page": {"size": "A4", "margin": 6, "fontSize": %1}
})json").arg(fontSize).toUtf8();
}

double bareQuerySeconds(const rpt::ReportModel& model, const rpt::QueryRunner& runner, long long& rows)
{
    QElapsedTimer timer;
    timer.start();
    auto source = runner(model.bareQuery(), model.fields().size());
    std::vector<rpt::FormulaValue> row;
    rows = 0;
    while (source->next(row))
        ++rows;
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int run(int argc, char** argv);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_reportengine: %s\n", e.what());
        return 2;
    }
}

int run(int argc, char** argv)
{
    const int documents = argc > 1 ? std::atoi(argv[1]) : 100000;
    const double fontSize = argc > 2 ? std::atof(argv[2]) : 7.0;
    QTemporaryDir dir;
    const QString pdf = argc > 3 && argv[3][0] ? QString::fromLocal8Bit(argv[3]) : dir.filePath(QStringLiteral("bench.pdf"));

    QElapsedTimer timer;
    timer.start();
    const demo::DemoFixture demo(documents, 5);
    std::printf("demo database    %d documents in %.2f s\n", documents, timer.nsecsElapsed() / 1e9);
    auto connection = ado::Connection::create();
    connection->Open(demo.connectionString());
    const bool recordset = argc > 4 && QByteArray(argv[4]) == "recordset";
    const rpt::QueryRunner runner = recordset
        ? rpt::QueryRunner([connection](const QString& sql, std::size_t columns) -> std::unique_ptr<rpt::RowSource> {
              return std::make_unique<RecordsetSource>(connection, sql, columns);
          })
        : rpt::AdoRowSource::runner(connection);
    const long residentBefore = ProcessMemory::resident();

    rpt::ReportJob job(runner);
    job.setDefinition(rpt::DefinitionReader::readText(definition(fontSize)));
    job.setDestination(rpt::ReportJob::Destination::PdfFile, pdf);
    // Resident memory while painting, at the page counts the memory goal names.
    std::map<int, long> residentAt;
    job.setProgressHandler([&](int done, int total) {
        if (total > 0 && (done == 1 || done == 1000 || done == 10000 || done == total))
            residentAt[done] = ProcessMemory::resident();
        return true;
    });

    ProcessMemory::resetPeak();
    timer.restart();
    const rpt::ReportPrinter::Outcome out = job.run();
    const double seconds = timer.nsecsElapsed() / 1e9;
    const long reportPeak = ProcessMemory::peak();

    long long queryRows = 0;
    const double query = bareQuerySeconds(rpt::ReportModel(job.definition()), runner, queryRows);
    std::printf("detail rows      %lld\n", out.rows);
    std::printf("pages            %d (A4, %.0f points)\n", out.pages, fontSize);
    std::printf("total time       %.2f s (counting pass and painting pass)\n", seconds);
    std::printf("rows per second  %.0f\n", out.rows / seconds);
    std::printf("pages per second %.1f (goal >= 100)\n", out.pages / seconds);
    std::printf("bare query       %.3f s for %lld rows\n", query, queryRows);
    std::printf("rows read by     %s\n", recordset ? "Recordset" : "forward-only reader");
    std::printf("report peak      %ld KB (+%ld KB over the resident memory before it)\n", reportPeak, reportPeak - residentBefore);
    std::printf("resident memory  %ld KB before the report\n", residentBefore);
    for (const auto& [page, kb] : residentAt)
        std::printf("  at page %-6d %ld KB\n", page, kb);
    const auto growth = [&](int from, int to) {
        if (residentAt.count(from) && residentAt.count(to))
            std::printf("growth pages %d..%d: %ld KB\n", from, to, residentAt[to] - residentAt[from]);
        else
            std::printf("growth pages %d..%d: not reached\n", from, to);
    };
    growth(1, 1000);
    growth(1000, 10000);
    return 0;
}
