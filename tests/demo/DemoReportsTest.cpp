// The report files the report table names, as the build places them beside the program, loaded
// and run the way the report window runs them.
#include "DemoFixture.h"

#include "ado/Connection.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportJob.h"

#include "support/TestPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

namespace {

QString programFile(const QString &name)
{
    return QDir(testpaths::programDir()).filePath(name + QStringLiteral(".rpt"));
}

QString pdfText(const QString &path)
{
    QProcess converter;
    converter.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!converter.waitForFinished(60000) || converter.exitCode() != 0)
        return {};
    return QString::fromUtf8(converter.readAllStandardOutput());
}

// What the report window hands over for one layout.
struct Emission
{
    QString report;
    QString kind;
    QStringList assignments;
    QString extraSelection;
    QString sort = QStringLiteral("+{C_MV_Cpte.FechaEntrega}");
};

const QString companyName = QStringLiteral("Quindal Insumos Industriales S.A.");

QStringList standardAssignments(const QString &kind, const QString &parameters)
{
    const QString title = kind == QLatin1String("OC") ? QStringLiteral("Ordenes de Compra") : QStringLiteral("Remitos");
    QStringList list{QStringLiteral("Nombreempresa = '%1'").arg(companyName),
                     QStringLiteral("TituloParametro = '%1'").arg(title),
                     QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Facturado'"),
                     QStringLiteral("ENQUEMONEDA = '1'"),
                     QStringLiteral("ORDENADO = 'Fechas: 01/01/2023 31/12/2025   '")};
    if (!parameters.isEmpty())
        list << QStringLiteral("Parametros = '%1'").arg(parameters);
    return list;
}

QString kindSelection(const QString &kind)
{
    // The clauses every emission of the kind carries, user and business unit included.
    QString selection = QStringLiteral(" {C_MV_CPTE.TC} = '%1' AND ({C_MV_CPTE.UNEGOCIO} = '   1' ) "
                                       " AND  UCASE({C_MV_CPTE.USUARIO}) LIKE '*'").arg(kind);
    if (kind == QLatin1String("OC"))
        return selection + QStringLiteral(" and {C_MV_CPTE.sucursal} <>'9990'");
    return selection + QStringLiteral(" AND {C_MV_CPTE.Anulada} = FALSE");
}

std::vector<Emission> everyLayout()
{
    const QString user = QStringLiteral("Usuario: ");
    const QString approval = QStringLiteral(" AND ( {@AproFin} in {@Estados} or {@Estados} = '')");
    const QString article = QStringLiteral(" AND {C_MV_CPTEINSUMOS.IdArticulo} >= '01' AND {C_MV_CPTEINSUMOS.IdArticulo} <= '06'");
    std::vector<Emission> list;
    for (const QString &kind : {QStringLiteral("RMC"), QStringLiteral("OC")}) {
        list.push_back({QStringLiteral("mv_prC"), kind, standardAssignments(kind, " (Resumido) - " + user), {}});
        list.push_back({QStringLiteral("MV_PR2C"), kind, standardAssignments(kind, user), {}});
        list.push_back({QStringLiteral("mv_pr3C"), kind, standardAssignments(kind, " (Grafico) - " + user), {}});
        list.push_back({QStringLiteral("mv_prC_Usuario"), kind, standardAssignments(kind, " (Resumido po Usuario) - " + user), {}});
        list.push_back({QStringLiteral("mv_pr3C_Usuario"), kind, standardAssignments(kind, {}), {}});
        list.push_back({QStringLiteral("mv_pr3C_Estado_Usuario"), kind, standardAssignments(kind, {}), {}});
        list.push_back({QStringLiteral("MV_PR2C_xArt"), kind, standardAssignments(kind, user), article});
        for (const QString &name : {QStringLiteral("mv_prConsC"), QStringLiteral("mv_prConsCP"), QStringLiteral("mv_prConsCPF")})
            list.push_back({name, kind, standardAssignments(kind, user).mid(0, 3) << QStringLiteral("Parametros = 'x'"), article + approval});
    }
    list.push_back({QStringLiteral("mv_prC_IR"), QStringLiteral("OC"), standardAssignments(QStringLiteral("OC"), " (Resumido por IR) - "),
                    QStringLiteral(" AND {V_MV_STOCK.TC}='IR' AND  UCASE({V_MV_STOCK.USUARIO}) LIKE '*'"),
                    QStringLiteral("+{v_mv_stock.fecha}")});
    return list;
}

class DemoReports : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_fixture = new demo::DemoFixture(150, 21);
        s_connection = ado::Connection::create();
        s_connection->Open(s_fixture->connectionString());
    }
    static void TearDownTestSuite()
    {
        s_connection.reset();
        delete s_fixture;
        s_fixture = nullptr;
    }
    static QStringList column(const QString &sql)
    {
        const auto rows = ado::Recordset::create();
        rows->Open(sql, s_connection);
        QStringList values;
        for (; !rows->Eof(); rows->MoveNext())
            values << rows->Fields()->Item(0)->Value().toString();
        return values;
    }
    // Runs the layout to a PDF and gives its text; the page count goes to pages.
    static QString render(const Emission &emission, int &pages)
    {
        reportengine::ReportJob job(s_connection);
        job.load(programFile(emission.report));
        for (const QString &assignment : emission.assignments)
            EXPECT_TRUE(job.setFormula(assignment)) << emission.report.toStdString() << " lacks " << assignment.toStdString();
        job.setSelection(kindSelection(emission.kind) + emission.extraSelection);
        job.setSortFields({emission.sort, QString()});
        const QString pdf = s_output.filePath(emission.report + emission.kind + QStringLiteral(".pdf"));
        job.setDestination(reportengine::ReportJob::Destination::PdfFile, pdf);
        pages = job.run().pages;
        return pdfText(pdf);
    }

    static demo::DemoFixture *s_fixture;
    static ado::ConnectionPtr s_connection;
    static QTemporaryDir s_output;
};


demo::DemoFixture *DemoReports::s_fixture = nullptr;
ado::ConnectionPtr DemoReports::s_connection;
QTemporaryDir DemoReports::s_output;

} // namespace

TEST_F(DemoReports, EveryFileOfTheReportTableLoads)
{
    const QStringList files = column(QStringLiteral(
        "SELECT Archivo FROM TA_REPORTES UNION SELECT Archivo2 FROM TA_REPORTES WHERE Archivo2 <> '' "
        "UNION SELECT Archivo3 FROM TA_REPORTES WHERE Archivo3 <> '' UNION SELECT Archivo4 FROM TA_REPORTES WHERE Archivo4 <> ''"));
    ASSERT_EQ(files.size(), 15);
    for (const QString &file : files) {
        const QString path = programFile(file.trimmed());
        ASSERT_TRUE(QFileInfo::exists(path)) << path.toStdString();
        try {
            const reportengine::ReportDefinition definition = reportengine::DefinitionReader::readFile(path);
            EXPECT_FALSE(definition.columns.empty()) << path.toStdString();
        } catch (const reportengine::ReportError &error) {
            ADD_FAILURE() << error.what();
        }
    }
}

// Every layout of the report table and its sub-reports, by name.
static std::vector<std::pair<QString, reportengine::ReportDefinition>> everyDefinition(const QStringList &files)
{
    std::vector<std::pair<QString, reportengine::ReportDefinition>> layouts;
    for (const QString &file : files) {
        const reportengine::ReportDefinition definition = reportengine::DefinitionReader::readFile(programFile(file.trimmed()));
        layouts.emplace_back(file.trimmed(), definition);
        for (const reportengine::SubreportDef &sub : definition.subreports)
            layouts.emplace_back(file.trimmed() + QLatin1Char('/') + sub.name, *sub.report);
    }
    return layouts;
}

// Two summaries on one column are drawn into the same cell and cut each other off.
TEST_F(DemoReports, NoLayoutPutsTwoSummariesInOneColumn)
{
    const QStringList files = column(QStringLiteral("SELECT Archivo FROM TA_REPORTES"));
    ASSERT_FALSE(files.isEmpty());
    for (const auto &[name, definition] : everyDefinition(files)) {
        std::set<int> used;
        for (const reportengine::SummaryDef &summary : definition.summaries)
            EXPECT_TRUE(used.insert(summary.column).second) << name.toStdString() << " column " << summary.column;
    }
}

// A column heading wider than its column is shown cut ("Depósi…"): each one fits, in the
// report's bold face, within the column less the padding that keeps columns apart, on the
// preview's screen as on paper.
TEST_F(DemoReports, EveryColumnHeadingFitsItsColumn)
{
    const QStringList files = column(QStringLiteral("SELECT Archivo FROM TA_REPORTES"));
    ASSERT_FALSE(files.isEmpty());
    for (const int dpi : {96, 300}) {
        const double dotsPerMm = dpi / 25.4;
        QImage sheet(8, 8, QImage::Format_RGB32);
        sheet.setDotsPerMeterX(int(dotsPerMm * 1000));
        sheet.setDotsPerMeterY(int(dotsPerMm * 1000));
        for (const auto &[name, definition] : everyDefinition(files)) {
            QFont bold(QStringLiteral("DejaVu Sans"));
            bold.setPointSizeF(definition.page.fontSize);
            bold.setBold(true);
            const QFontMetricsF metrics(bold, &sheet);
            for (const reportengine::ColumnDef &c : definition.columns)
                EXPECT_LE(metrics.horizontalAdvance(c.title) / dotsPerMm, c.width - 1.6)
                    << name.toStdString() << " column " << c.title.toStdString() << " at " << dpi << " dpi";
        }
    }
}

TEST_F(DemoReports, EveryLayoutTakesTheWindowsFormulasSelectionAndSort)
{
    for (const Emission &emission : everyLayout()) {
        SCOPED_TRACE(emission.report.toStdString() + " " + emission.kind.toStdString());
        int pages = 0;
        try {
            render(emission, pages);
        } catch (const std::exception &error) {
            ADD_FAILURE() << error.what();
        }
        EXPECT_GT(pages, 0);
    }
}

TEST_F(DemoReports, DetailedDeliveryNotesPrintTheirDocumentsAndLines)
{
    const QString id = column(QStringLiteral(
        "SELECT TOP 1 c.IdComprobante FROM C_MV_CPTE c INNER JOIN C_MV_CPTEINSUMOS i ON i.IdComprobante = c.IdComprobante "
        "WHERE c.TC = 'RMC' AND c.Anulada = 0 AND c.UNEGOCIO = '   1' ORDER BY c.IdComprobante")).value(0);
    const QString article = column(QStringLiteral(
        "SELECT TOP 1 Descripcion FROM C_MV_CPTEINSUMOS WHERE IdComprobante = '%1' ORDER BY Item").arg(id)).value(0);
    ASSERT_FALSE(id.isEmpty());
    int pages = 0;
    const QString text = render(everyLayout().at(1), pages);
    EXPECT_GT(pages, 0);
    EXPECT_TRUE(text.contains(id)) << id.toStdString();
    EXPECT_TRUE(text.contains(article)) << "line of " << id.toStdString() << " missing: " << article.toStdString();
    EXPECT_TRUE(text.contains(companyName));
    EXPECT_TRUE(text.contains(QStringLiteral("Remitos")));
}

TEST_F(DemoReports, SummaryOfPurchaseOrdersLeavesModelOrdersOut)
{
    const QString id = column(QStringLiteral(
        "SELECT TOP 1 IdComprobante FROM C_MV_CPTE WHERE TC = 'OC' AND Sucursal <> '9990' AND UNEGOCIO = '   1' ORDER BY Fecha DESC")).value(0);
    const QString model = column(QStringLiteral("SELECT TOP 1 IdComprobante FROM C_MV_CPTE WHERE TC = 'OC' AND Sucursal = '9990'")).value(0);
    ASSERT_FALSE(id.isEmpty());
    ASSERT_FALSE(model.isEmpty());
    int pages = 0;
    const QString text = render(everyLayout().at(10), pages);
    EXPECT_GT(pages, 0);
    EXPECT_TRUE(text.contains(id)) << id.toStdString();
    EXPECT_FALSE(text.contains(model)) << model.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ordenes de Compra (Resumido)")));
}

TEST_F(DemoReports, NumberingGapReportCountsPresentAndMissingNumbers)
{
    // Rows as the gap procedure writes them: runs 1-3 and 7-8, gap 4-6.
    s_connection->Execute(QStringLiteral(
        "Insert into aux_mayores (Usuario,NroComprobanteBancario,fecha,vencimiento,[Importe-Debe],AP_SUCURSAL,AP_LETRA) "
        "values ('PUESTO1','000400000001R-000400000003R','02/01/2024','05/01/2024',3,'0004','R')"));
    s_connection->Execute(QStringLiteral(
        "Insert into aux_mayores (Usuario,NroComprobanteBancario,[Importe-Haber],AP_SUCURSAL,AP_LETRA) "
        "values ('PUESTO1','000400000004R-000400000006R ***',3,'0004','R')"));
    s_connection->Execute(QStringLiteral(
        "Insert into aux_mayores (Usuario,NroComprobanteBancario,fecha,vencimiento,[Importe-Debe],AP_SUCURSAL,AP_LETRA) "
        "values ('PUESTO1','000400000007R-000400000008R','09/01/2024','10/01/2024',2,'0004','R')"));
    Emission gaps{QStringLiteral("mv_pr4"), QStringLiteral("RMC"), standardAssignments(QStringLiteral("RMC"), {}).mid(0, 4), {},
                  QStringLiteral("+{AUX_MAYORES.NroComprobanteBancario}")};
    reportengine::ReportJob job(s_connection);
    job.load(programFile(gaps.report));
    for (const QString &assignment : gaps.assignments)
        EXPECT_TRUE(job.setFormula(assignment)) << assignment.toStdString();
    job.setSortFields({gaps.sort});
    const QString pdf = s_output.filePath(QStringLiteral("gaps.pdf"));
    job.setDestination(reportengine::ReportJob::Destination::PdfFile, pdf);
    EXPECT_EQ(job.run().pages, 1);
    const QString text = pdfText(pdf);
    const qsizetype first = text.indexOf(QStringLiteral("000400000001R-000400000003R"));
    const qsizetype gap = text.indexOf(QStringLiteral("000400000004R-000400000006R ***"));
    const qsizetype last = text.indexOf(QStringLiteral("000400000007R-000400000008R"));
    EXPECT_TRUE(first >= 0 && first < gap && gap < last) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Total letra R\\s+5\\s+3\\b")))) << text.toStdString();
}

// The consolidated article/supplier layout totals each article over all its suppliers once,
// the count being that of the article's lines the selection keeps.
TEST_F(DemoReports, ArticleSupplierConsolidationTotalsEachArticleOnce)
{
    const QString lines = QStringLiteral(
        "FROM C_MV_CPTEINSUMOS i INNER JOIN C_MV_CPTE c ON c.IdComprobante = i.IdComprobante "
        "WHERE c.TC = 'RMC' AND c.Anulada = 0 AND c.UNEGOCIO = '   1' AND i.IdArticulo >= '01' AND i.IdArticulo <= '06' "
        "AND CHARINDEX(RTRIM(c.Estado), 'Pendiente,Finalizada,Facturado') > 0 ");
    const QString article = column(QStringLiteral("SELECT TOP 1 i.IdArticulo ") + lines +
                                   QStringLiteral("GROUP BY i.IdArticulo HAVING COUNT(DISTINCT c.Cuenta) > 1 ORDER BY i.IdArticulo")).value(0);
    ASSERT_FALSE(article.isEmpty()) << "the demo data has no article bought from two suppliers";
    const QString filter = QStringLiteral("AND i.IdArticulo = '%1'").arg(article);
    const QString count = column(QStringLiteral("SELECT COUNT(*) ") + lines + filter).value(0);
    const double quantity = column(QStringLiteral("SELECT SUM(i.Cantidad) ") + lines + filter).value(0).toDouble();
    const QString shown = QLocale(QLocale::Spanish, QLocale::Argentina).toString(quantity, 'f', 2);

    const Emission consolidated = everyLayout().at(8);
    ASSERT_EQ(consolidated.report, QStringLiteral("mv_prConsCP"));
    int pages = 0;
    const QString text = render(consolidated, pages);
    const QRegularExpression total(QStringLiteral("Total artículo %1 - renglones:\\s+(\\d+)\\s+(\\S+)")
                                       .arg(QRegularExpression::escape(article)));
    QStringList totals;
    for (auto it = total.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        totals << match.captured(1) + QLatin1Char(' ') + match.captured(2);
    }
    EXPECT_EQ(totals.join(QStringLiteral(" | ")).toStdString(), (count + QLatin1Char(' ') + shown).toStdString());
    const qsizetype header = text.indexOf(QRegularExpression(QStringLiteral("^\\s*") + QRegularExpression::escape(article) + QLatin1Char(' '),
                                                             QRegularExpression::MultilineOption));
    const qsizetype supplier = text.indexOf(QStringLiteral("Proveedor "), header);
    EXPECT_TRUE(header >= 0 && supplier > header) << "suppliers are not listed inside the article " << article.toStdString();
}
