// Renders a long report to PDF and prints its speed and peak memory, and the time of the bare
// query over the same data. Usage: bench_reportengine [rows] [output.pdf]
#include "DocumentData.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/ReportJob.h"
#include "reportengine/ReportModel.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
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

long residentKilobytes()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    const QString pdf = argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("bench.pdf"));

    DocumentData data(rows);
    const long baseKb = peakKilobytes();
    const long residentBefore = residentKilobytes();
    const rpt::QueryRunner runner = data.database().runner();
    rpt::ReportJob job(runner);
    job.setDefinition(rpt::DefinitionReader::readText(DocumentData::definitionJson()));
    job.setFormula(QStringLiteral("Nombreempresa = 'Quindal S.A.'"));
    job.setDestination(rpt::ReportJob::Destination::PdfFile, pdf);

    QElapsedTimer timer;
    timer.start();
    const rpt::ReportPrinter::Outcome out = job.run();
    const double seconds = timer.nsecsElapsed() / 1e9;
    const long residentAfter = residentKilobytes();

    long long queryRows = 0;
    const double query = bareQuerySeconds(rpt::ReportModel(job.definition()), runner, queryRows);
    std::printf("detail rows      %lld\n", out.rows);
    std::printf("pages            %d\n", out.pages);
    std::printf("total time       %.2f s (counting pass and painting pass)\n", seconds);
    std::printf("rows per second  %.0f\n", out.rows / seconds);
    std::printf("pages per second %.1f\n", out.pages / seconds);
    std::printf("bare query       %.3f s for %lld rows\n", query, queryRows);
    std::printf("peak memory      %ld KB (%ld KB after loading the data)\n", peakKilobytes(), baseKb);
    std::printf("resident memory  %ld KB before the report, %ld KB after it\n", residentBefore, residentAfter);
    return 0;
}
