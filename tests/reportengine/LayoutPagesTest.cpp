// Every layout of the demo suite, run as the report window runs it, written to PDF and read back
// page by page, against the pages kept under tests/reportengine/pages. Those files hold what the
// engine printed before its paging was reworked; a change in any text, any line break or the
// page count shows here. RPQ_WRITE_LAYOUT_PAGES=1 writes them anew (and skips the comparison).
#include "NothingKept.h"
#include "PdfText.h"
#include "ado/Connection.h"
#include "demo/DemoFixture.h"
#include "reportengine/ReportJob.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace reportengine;

namespace {

struct Layout {
    QString file;
    QString kind;           // RMC or OC
    QString selection;      // added to the kind's own clauses
    QString sort = QStringLiteral("+{C_MV_Cpte.FechaEntrega}");
    bool parameters = true; // whether the layout takes the "Parametros" text
};

QStringList assignmentsFor(const Layout& layout)
{
    QStringList list{QStringLiteral("Nombreempresa = 'Quindal Insumos Industriales S.A.'"),
                     QStringLiteral("TituloParametro = '%1'").arg(layout.kind == u"OC" ? "Ordenes de Compra" : "Remitos"),
                     QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Facturado'"),
                     QStringLiteral("ENQUEMONEDA = '1'"),
                     QStringLiteral("ORDENADO = 'Fechas: 01/01/2023 31/12/2025   '")};
    if (layout.parameters)
        list << QStringLiteral("Parametros = ' - Usuario: '");
    return list;
}

QString selectionFor(const Layout& layout)
{
    QString s = QStringLiteral(" {C_MV_CPTE.TC} = '%1' AND ({C_MV_CPTE.UNEGOCIO} = '   1' )  AND  UCASE({C_MV_CPTE.USUARIO}) LIKE '*'")
                    .arg(layout.kind);
    s += layout.kind == u"OC" ? QStringLiteral(" and {C_MV_CPTE.sucursal} <>'9990'") : QStringLiteral(" AND {C_MV_CPTE.Anulada} = FALSE");
    return s + layout.selection;
}

std::vector<Layout> demoLayouts()
{
    const QString articles = QStringLiteral(" AND {C_MV_CPTEINSUMOS.IdArticulo} >= '01' AND {C_MV_CPTEINSUMOS.IdArticulo} <= '06'");
    const QString states = QStringLiteral(" AND ( {@AproFin} in {@Estados} or {@Estados} = '')");
    std::vector<Layout> list;
    for (const char* kind : {"RMC", "OC"}) {
        const QString k = QString::fromLatin1(kind);
        for (const char* file : {"mv_prC", "MV_PR2C", "mv_pr3C", "mv_prC_Usuario"})
            list.push_back({QString::fromLatin1(file), k, {}});
        for (const char* file : {"mv_pr3C_Usuario", "mv_pr3C_Estado_Usuario"})
            list.push_back({QString::fromLatin1(file), k, {}, QStringLiteral("+{C_MV_Cpte.FechaEntrega}"), false});
        list.push_back({QStringLiteral("MV_PR2C_xArt"), k, articles});
        for (const char* file : {"mv_prConsC", "mv_prConsCP", "mv_prConsCPF"})
            list.push_back({QString::fromLatin1(file), k, articles + states});
    }
    list.push_back({QStringLiteral("mv_prC_IR"), QStringLiteral("OC"), QStringLiteral(" AND {V_MV_STOCK.TC}='IR'"),
                    QStringLiteral("+{v_mv_stock.fecha}")});
    list.push_back({QStringLiteral("mv_pr4"), QStringLiteral("RMC"), {}, QStringLiteral("+{AUX_MAYORES.NroComprobanteBancario}"), false});
    return list;
}

// The kept pages of every layout, in the clone.
QString layoutPages() { return testpaths::source(QStringLiteral("tests/reportengine/pages")); }

QString pagesFile(const Layout& layout)
{
    return QDir(layoutPages()).filePath(layout.file + u'-' + layout.kind + QStringLiteral(".txt"));
}

// The layout printed as the report window prints it, into pdf, read back page by page; other
// assignments replace the usual ones of the same name.
QStringList printedOn(const ado::ConnectionPtr& connection, const Layout& layout, const QString& pdf,
                      const QStringList& otherAssignments = {})
{
    ReportJob job(connection);
    job.load(QDir(testpaths::demoReports()).filePath(layout.file + QStringLiteral(".rpt")));
    for (const QString& assignment : assignmentsFor(layout) + otherAssignments)
        job.setFormula(assignment);
    if (layout.file != u"mv_pr4")
        job.setSelection(selectionFor(layout));
    job.setSortFields({layout.sort, QString()});
    job.setPrintDate(QDate(2024, 6, 14));
    job.setDestination(ReportJob::Destination::PdfFile, pdf);
    const int pages = job.run().pages;
    const QStringList text = pdfPages(pdf);
    EXPECT_EQ(text.size(), pages);
    return text;
}

class LayoutPages : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_fixture = new demo::DemoFixture(90, 21);
        s_connection = ado::Connection::create();
        s_connection->Open(s_fixture->connectionString());
        // Rows of the numbering-gap report: two runs of numbers and the gap between them.
        s_connection->Execute(QStringLiteral(
            "Insert into aux_mayores (Usuario,NroComprobanteBancario,fecha,vencimiento,[Importe-Debe],AP_SUCURSAL,AP_LETRA) "
            "values ('PUESTO1','000400000001R-000400000003R','02/01/2024','05/01/2024',3,'0004','R')"));
        s_connection->Execute(QStringLiteral(
            "Insert into aux_mayores (Usuario,NroComprobanteBancario,[Importe-Haber],AP_SUCURSAL,AP_LETRA) "
            "values ('PUESTO1','000400000004R-000400000006R ***',3,'0004','R')"));
    }
    static void TearDownTestSuite()
    {
        s_connection.reset();
        delete s_fixture;
        s_fixture = nullptr;
    }

    static QStringList printed(const Layout& layout, const QString& pdf) { return printedOn(s_connection, layout, pdf); }

    static demo::DemoFixture* s_fixture;
    static ado::ConnectionPtr s_connection;
};

demo::DemoFixture* LayoutPages::s_fixture = nullptr;
ado::ConnectionPtr LayoutPages::s_connection;

const QString PageBreak = QStringLiteral("\n=== page break ===\n");

} // namespace

TEST_F(LayoutPages, EveryDemoLayoutPrintsTheKeptPages)
{
    const bool write = qEnvironmentVariableIntValue("RPQ_WRITE_LAYOUT_PAGES") == 1;
    QTemporaryDir dir;
    int multiPage = 0;
    for (const Layout& layout : demoLayouts()) {
        SCOPED_TRACE((layout.file + u' ' + layout.kind).toStdString());
        const QStringList pages = printed(layout, dir.filePath(QStringLiteral("out.pdf")));
        ASSERT_FALSE(pages.isEmpty());
        multiPage += pages.size() > 2;
        QFile file(pagesFile(layout));
        if (write) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(pages.join(PageBreak).toUtf8());
            continue;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << pagesFile(layout).toStdString();
        const QStringList kept = QString::fromUtf8(file.readAll()).split(PageBreak);
        ASSERT_EQ(pages.size(), kept.size());
        for (qsizetype i = 0; i < pages.size(); ++i)
            EXPECT_EQ(pages[i].toStdString(), kept[i].toStdString()) << "page " << i + 1;
    }
    if (write)
        GTEST_SKIP() << "pages written to " << layoutPages().toStdString();
    EXPECT_GE(multiPage, 6);   // breaks inside groups and sub-reports are part of what is compared
}

// What the formula contexts keep for a row or for the run changes nothing: every layout prints
// the same pages with nothing kept at all.
TEST_F(LayoutPages, EveryDemoLayoutPrintsTheSamePagesWithNothingKept)
{
    QTemporaryDir dir;
    for (const Layout& layout : demoLayouts()) {
        SCOPED_TRACE((layout.file + u' ' + layout.kind).toStdString());
        const QStringList kept = printed(layout, dir.filePath(QStringLiteral("kept.pdf")));
        QStringList fresh;
        {
            NothingKept off;
            fresh = printed(layout, dir.filePath(QStringLiteral("fresh.pdf")));
        }
        ASSERT_FALSE(kept.isEmpty());
        ASSERT_EQ(kept.size(), fresh.size());
        for (qsizetype i = 0; i < kept.size(); ++i)
            EXPECT_EQ(kept[i].toStdString(), fresh[i].toStdString()) << "page " << i + 1;
    }
}

// The amounts of a large buyer: totals of hundreds of billions print whole in every layout,
// none cut short to fit its column.
TEST(LayoutWidths, TotalsOfHundredsOfBillionsPrintWhole)
{
    const demo::DemoFixture fixture(90, 21);
    const ado::ConnectionPtr connection = ado::Connection::create();
    connection->Open(fixture.connectionString());
    connection->Execute(QStringLiteral("UPDATE C_MV_CPTE SET Importe = Importe * 5000"));
    connection->Execute(QStringLiteral("UPDATE C_MV_CPTEINSUMOS SET Precio = Precio * 5000, Importe = Importe * 5000"));
    static const QRegularExpression hundredsOfBillions(QStringLiteral("\\b\\d{3}(\\.\\d{3}){3},\\d\\d\\b"));
    QTemporaryDir dir;
    int large = 0;
    for (const Layout& layout : demoLayouts()) {
        SCOPED_TRACE((layout.file + u' ' + layout.kind).toStdString());
        const QString text = printedOn(connection, layout, dir.filePath(QStringLiteral("out.pdf"))).join(u'\n');
        EXPECT_EQ(text.split(u'\n').filter(QStringLiteral("…")).join(u'\n').toStdString(), "");
        large += text.contains(hundredsOfBillions);
    }
    EXPECT_GE(large, 10);
}

// The longest heading the window writes (every state, guarantees only, a user) prints whole in
// every layout that shows it.
TEST(LayoutWidths, TheLongestParametersTextPrintsWhole)
{
    const demo::DemoFixture fixture(30, 4);
    const ado::ConnectionPtr connection = ado::Connection::create();
    connection->Open(fixture.connectionString());
    const QString parametros = QStringLiteral(" (Resumido po Usuario) - Pendientes - Finalizadas - Anuladas - Bloqueadas - Cerradas"
                                              " - Recepcionadas  (Solo Garantías)  Usuario: DEPOSITO");
    const QStringList longest{QStringLiteral("TituloParametro = 'Ordenes de Compra'"), QStringLiteral("Parametros = '%1'").arg(parametros),
                              QStringLiteral("ESTADOS = 'Pendiente,Finalizada,Anulada,Bloqueada,Cerrada,Recepcionada,Facturado,Anulado,Vencido'"),
                              QStringLiteral("ORDENADO = 'Fechas: 01/01/2023 31/12/2025  Moneda: 1 '")};
    QTemporaryDir dir;
    int shown = 0;
    for (const Layout& layout : demoLayouts()) {
        if (!layout.parameters)
            continue;
        SCOPED_TRACE((layout.file + u' ' + layout.kind).toStdString());
        const QString first = printedOn(connection, layout, dir.filePath(QStringLiteral("out.pdf")), longest).value(0);
        EXPECT_EQ(first.split(u'\n').filter(QStringLiteral("…")).join(u'\n').toStdString(), "");
        shown += first.simplified().contains(QStringLiteral("Ordenes de Compra ") + parametros.simplified());
    }
    EXPECT_GE(shown, 8);
}
