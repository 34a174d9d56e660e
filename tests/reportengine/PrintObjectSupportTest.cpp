// What the print object hands the engine: the program's DSN logon, formula assignments as the
// window writes them, a blank logon.
#include "SharedDemoDatabase.h"
#include "PdfText.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportJob.h"
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace reportengine;

namespace {

ReportDefinition orders()
{
    return DefinitionReader::readText(QByteArray(R"json({
      "tables": [{"name": "C_MV_CPTE", "fields": ["TC", "IdComprobante"]}],
      "formulas": [{"name": "Nombreempresa", "text": "''"}, {"name": "ORDENADO", "text": "''"}],
      "pageHeader": [{"text": "'[' & {@Nombreempresa} & '][' & {@ORDENADO} & ']'"}],
      "selection": "{C_MV_CPTE.TC} = 'OC'",
      "columns": [{"title": "Id", "value": "{C_MV_CPTE.IdComprobante}"}]
    })json"));
}

long long orderCount()
{
    return SharedDemoDatabase::shared().column(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE WHERE TC = 'OC'")).first().toLongLong();
}

} // namespace

TEST(PrintObjectSupport, DsnLogonReachesTheDatabaseOfTheDataFolder)
{
    QTemporaryDir dir;
    ReportJob job;
    job.setDefinition(orders());
    job.setDestination(ReportJob::Destination::PdfFile, dir.filePath(QStringLiteral("a.pdf")));
    const QString logon = QStringLiteral("DSN=demo; UID=demo; PWD=demo");    // name in another letter case
    job.setConnectionString(logon);
    EXPECT_EQ(job.resolvedConnectionString(logon), logon);                    // no folder: ODBC as written
    EXPECT_THROW(job.run(), ReportError);

    job.setDataSourceFolder(SharedDemoDatabase::shared().folder());
    EXPECT_TRUE(job.resolvedConnectionString(logon).startsWith(QStringLiteral("Server=")));
    EXPECT_EQ(job.run().rows, orderCount());
    EXPECT_EQ(job.resolvedConnectionString(QStringLiteral("DSN=Other; UID=a; PWD=b")), QStringLiteral("DSN=Other; UID=a; PWD=b"));

    // A blank logon leaves the job on the connection it has.
    job.setConnectionString(QStringLiteral("  "));
    EXPECT_EQ(job.run().rows, orderCount());
}

TEST(PrintObjectSupport, AssignmentsAsTheWindowWritesThem)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("b.pdf"));
    ReportJob job(SharedDemoDatabase::shared().connection());
    job.setDefinition(orders());
    job.setDestination(ReportJob::Destination::PdfFile, pdf);
    EXPECT_TRUE(job.setFormula(QStringLiteral("nombreEMPRESA = 'O'Brien & Hijos S.A.'")));      // quotes not doubled
    EXPECT_TRUE(job.setFormula(QStringLiteral("ORDENADO = 'Fechas: 01/02/2024 29/02/2024    '")));
    EXPECT_FALSE(job.setFormula(QStringLiteral("Parametros = ' (Resumido) - Usuario: '")));       // not in this report
    EXPECT_FALSE(job.setFormula(QString()));                                                       // an empty slot
    job.run();
    const QString text = pdfPages(pdf).join(u'\n');
    const QString header = QStringLiteral("[O'Brien & Hijos S.A.][Fechas: 01/02/2024 29/02/2024");
    EXPECT_TRUE(text.contains(header)) << text.left(300).toStdString();

    // Doubled quotes keep their meaning: one quote.
    EXPECT_TRUE(job.setFormula(QStringLiteral("Nombreempresa = 'D''Angelo'")));
    job.run();
    EXPECT_TRUE(pdfPages(pdf).join(u'\n').contains(QStringLiteral("[D'Angelo]")));
}
