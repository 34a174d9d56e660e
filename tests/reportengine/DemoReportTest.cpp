// Reports run over the demo suite database through the database layer.
#include "SharedDemoDatabase.h"
#include "PdfText.h"
#include "reportengine/AdoRowSource.h"
#include "reportengine/BandStream.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/PageLayout.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportJob.h"
#include "support/TestPaths.h"

#include <ado/TestHooks.h>
#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <optional>

using namespace reportengine;

namespace {

const char* const DemoReport = R"json({
  "title": "Remitos por proveedor",
  "tables": [
    {"name": "C_MV_CPTE", "fields": ["TC", "IdComprobante", "Sucursal", "Fecha", "FechaEntrega", "Cuenta", "IdMotivoCpraVta",
                                     "UNEGOCIO", "Usuario", "FINALIZADO", "Anulada", "Garantia", "Importe"]},
    {"name": "MA_CUENTAS", "fields": ["Codigo", "Nombre"]}
  ],
  "links": [{"from": "{C_MV_CPTE.Cuenta}", "to": "{MA_CUENTAS.Codigo}", "type": "left"}],
  "formulas": [{"name": "Nombreempresa", "text": "''"}, {"name": "TituloParametro", "text": "''"}],
  "pageHeader": [
    {"text": "{@Nombreempresa} & ' - ' & {@TituloParametro}"},
    {"text": "'Página ' & totext(PageNumber) & ' de ' & totext(TotalPageCount)", "align": "right"}
  ],
  "groups": [{"field": "{C_MV_CPTE.Cuenta}", "header": "{C_MV_CPTE.Cuenta} & ' ' & {MA_CUENTAS.Nombre}",
              "footer": "'Subtotal ' & {C_MV_CPTE.Cuenta}"}],
  "sort": ["+{C_MV_CPTE.IdComprobante}"],
  "columns": [
    {"title": "Número", "value": "{C_MV_CPTE.IdComprobante}", "width": 40},
    {"title": "Fecha", "value": "{C_MV_CPTE.Fecha}", "width": 22, "format": "dd/MM/yyyy"},
    {"title": "Usuario", "value": "{C_MV_CPTE.Usuario}", "width": 40},
    {"title": "Importe", "value": "{C_MV_CPTE.Importe}", "width": 35, "align": "right", "format": "#,##0.00"}
  ],
  "summaries": [{"column": 1, "function": "count"}, {"column": 3, "function": "sum"}]
})json";

ReportDefinition demoDefinition(const QString& selection = {})
{
    ReportDefinition def = DefinitionReader::readText(QByteArray(DemoReport));
    def.selection = selection;
    return def;
}

QStringList detailIds(const ReportModel& model, const QueryRunner& runner)
{
    BandStream stream(model, runner);
    QStringList ids;
    Band b;
    while (stream.next(b))
        if (b.kind == Band::Kind::Detail && b.depth == 0)
            ids << b.cells.first();
    return ids;
}

QString money(double v)
{
    return QLocale(QLocale::Spanish, QLocale::Argentina).toString(v, 'f', 2);
}

QueryRunner demoRunner()
{
    return AdoRowSource::runner(SharedDemoDatabase::shared().connection());
}

// "document:item:article" of each line printed under a document by a sub-report of the given
// number of columns (any, by default), the item and the article read from the given cells.
QStringList subreportLines(const ReportModel& model, const QueryRunner& runner, int item, int article, qsizetype columns = -1)
{
    BandStream stream(model, runner);
    QStringList lines;
    QString document;
    Band b;
    while (stream.next(b)) {
        if (b.kind == Band::Kind::Detail && b.depth == 0)
            document = b.cells[0];
        else if (b.kind == Band::Kind::Detail && b.depth == 1 && (columns < 0 || b.cells.size() == columns))
            lines << document + u':' + b.cells[item] + u':' + b.cells[article].trimmed();
    }
    return lines;
}

} // namespace

// Group footers and the closing total of the PDF, read back as text, against sums the database makes.
TEST(DemoReport, PdfGroupTotalsMatchTheDatabaseSums)
{
    const SharedDemoDatabase& db = SharedDemoDatabase::shared();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("remitos.pdf"));
    ReportJob job(db.connection());
    job.setDefinition(demoDefinition());
    job.setSelection(QStringLiteral("{C_MV_CPTE.TC} = 'RMC' AND {C_MV_CPTE.Anulada} = FALSE"));
    ASSERT_TRUE(job.setFormula(QStringLiteral("TituloParametro = 'Remitos'")));
    job.setDestination(ReportJob::Destination::PdfFile, pdf);
    const ReportPrinter::Outcome out = job.run();

    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), out.pages);
    EXPECT_TRUE(pages.first().contains(QStringLiteral("- Remitos")));
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Página %1 de %1").arg(out.pages)));
    static const QRegularExpression subtotal(QStringLiteral("Subtotal (\\S+)\\s+(\\d+)\\s+([\\d.]+,\\d\\d)"));
    static const QRegularExpression total(QStringLiteral("(?m)^\\s*Total\\s+(\\d+)\\s+([\\d.]+,\\d\\d)\\s*$"));
    std::map<QString, std::pair<QString, QString>> printed;
    const QString text = pages.join(u'\n');
    for (auto it = subtotal.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        printed[m.captured(1)] = {m.captured(2), m.captured(3)};
    }

    const auto expected = db.rows(QStringLiteral(
        "SELECT Cuenta, COUNT(*), SUM(Importe) FROM C_MV_CPTE WHERE TC = 'RMC' AND Anulada = 0 GROUP BY Cuenta"));
    ASSERT_GT(expected.size(), 3u);
    ASSERT_EQ(printed.size(), expected.size());
    long long count = 0;
    double sum = 0;
    for (const auto& row : expected) {
        const QString account = row[0].toString();
        ASSERT_TRUE(printed.count(account)) << account.toStdString();
        EXPECT_EQ(printed[account].first, QString::number(row[1].toLong())) << account.toStdString();
        EXPECT_EQ(printed[account].second, money(row[2].toDouble())) << account.toStdString();
        count += row[1].toLong();
        sum += row[2].toDouble();
    }
    const auto grand = total.match(text);
    ASSERT_TRUE(grand.hasMatch());
    EXPECT_EQ(grand.captured(1), QString::number(count));
    EXPECT_EQ(grand.captured(2), money(sum));
    EXPECT_EQ(out.rows, count);
}

// Every selection gives the same rows whether the database or the evaluator checks it.
TEST(DemoReport, PushdownSelectsTheSameRowsAsTheEvaluator)
{
    const QString selections[] = {
        QStringLiteral("{C_MV_CPTE.TC} = 'rmc' AND {C_MV_CPTE.Anulada} = FALSE"),
        QStringLiteral("{C_MV_CPTE.FINALIZADO} = TRUE OR {C_MV_CPTE.Importe} > 100000"),
        QStringLiteral("{C_MV_CPTE.Fecha} >= Date(2023,03,01) AND {C_MV_CPTE.Fecha} <= Date(2023,06,30)"),
        QStringLiteral("{C_MV_CPTE.FechaEntrega} >= DateTime(2023,03,01,0,0,0) OR {C_MV_CPTE.Importe} < 3000"),
        QStringLiteral("UCASE({C_MV_CPTE.Usuario}) LIKE 'ADM*' OR LCASE({C_MV_CPTE.Usuario}) = 'compras'"),
        QStringLiteral("TrimLeft(TrimRight({C_MV_CPTE.IdMotivoCpraVta})) = '3'"),
        QStringLiteral("Trim({C_MV_CPTE.UNEGOCIO}) IN ['1', '2'] AND NOT ({C_MV_CPTE.Garantia} = TRUE)"),
        QStringLiteral("Left({C_MV_CPTE.IdComprobante}, 4) = '0001' AND Right({C_MV_CPTE.IdComprobante}, 1) = 'R'"),
        QStringLiteral("{MA_CUENTAS.Nombre} LIKE '*a*' AND Len({C_MV_CPTE.Usuario}) > 5"),
        QStringLiteral("NOT ({MA_CUENTAS.Nombre} = 'x') AND {C_MV_CPTE.Importe} >= 1000 AND {C_MV_CPTE.Importe} < 500000"),
        QStringLiteral("{C_MV_CPTE.FechaEntrega} IN Date(2023,02,01) TO Date(2023,08,31) OR {C_MV_CPTE.Cuenta} IN '21100003' TO '21100006'"),
    };
    const QueryRunner runner = demoRunner();
    const int all = int(SharedDemoDatabase::shared().column(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE")).first().toInt());
    bool someFilter = false;
    for (const QString& s : selections) {
        const ReportModel pushed(demoDefinition(s));
        const ReportModel evaluated(demoDefinition(s), {}, false);
        EXPECT_NE(pushed.selection().result, SelectionPushdown::Result::Failed) << s.toStdString();
        EXPECT_TRUE(pushed.query().contains(QStringLiteral(" WHERE "))) << s.toStdString();
        const QStringList a = detailIds(pushed, runner);
        const QStringList b = detailIds(evaluated, runner);
        EXPECT_FALSE(a.isEmpty()) << s.toStdString();
        EXPECT_EQ(a, b) << s.toStdString();
        someFilter = someFilter || (a.size() < all);
    }
    EXPECT_TRUE(someFilter);
}

namespace {

// The database's own answer to a hand-written WHERE, in the report's order.
QStringList idsWhere(const QString& where)
{
    return SharedDemoDatabase::shared().column(QStringLiteral("SELECT IdComprobante FROM C_MV_CPTE WHERE %1 ORDER BY Cuenta, IdComprobante").arg(where));
}

QStringList distinctValues(const QString& column, const QString& where)
{
    return SharedDemoDatabase::shared().column(QStringLiteral("SELECT DISTINCT %1 FROM C_MV_CPTE WHERE %2 ORDER BY %1").arg(column, where));
}

} // namespace

// Selections as the report window writes them: ranges with doubled blanks, prefix LIKEs, the
// business-unit list, lower-case "and", and trimmed comparisons.
TEST(DemoReport, WindowSelectionFormulasSelectTheRightRows)
{
    // The bounds come from one row that the selection must keep.
    const auto sample = SharedDemoDatabase::shared().rows(QStringLiteral(
        "SELECT TOP 1 Cuenta, UNEGOCIO, Usuario FROM C_MV_CPTE WHERE TC = 'RMC' AND FINALIZADO = 0 AND Anulada = 0"
        " AND UNEGOCIO IS NOT NULL AND Usuario IS NOT NULL AND Fecha >= '2023-02-01' AND Fecha <= '2024-11-30' ORDER BY IdComprobante"));
    const QStringList units = distinctValues(QStringLiteral("UNEGOCIO"), QStringLiteral("UNEGOCIO IS NOT NULL"));
    ASSERT_EQ(sample.size(), 1u);
    ASSERT_GE(units.size(), 2);
    const QString account = sample[0][0].toString(), unit = sample[0][1].toString();
    const QString from = QString::number(account.toLongLong() - 3), to = QString::number(account.toLongLong() + 3);
    const QString prefix = sample[0][2].toString().left(2).toLower();
    const QString otherUnit = units[0] == unit ? units[1] : units[0];
    const QString rmc = QStringLiteral(
        " {C_MV_CPTE.TC} = 'RMC' AND {C_MV_CPTE.Cuenta} >= '%1'  AND {C_MV_CPTE.Cuenta} <= '%2'  AND "
        "{C_MV_CPTE.Fecha} >= Date(2023,02,01)  AND {C_MV_CPTE.Fecha} <= Date(2024,11,30)  AND ({C_MV_CPTE.UNEGOCIO} = '%3'  OR "
        "{C_MV_CPTE.UNEGOCIO} = '%4' )  AND  UCASE({C_MV_CPTE.USUARIO}) LIKE '%5*' and {C_MV_CPTE.FINALIZADO} = FALSE "
        "AND {C_MV_CPTE.Anulada} = FALSE").arg(from, to, otherUnit, unit, prefix.toUpper());
    const QString oc = QStringLiteral(
        " {C_MV_CPTE.TC} = 'OC' AND  (TrimLeft(TrimRight({C_MV_CPTE.IdMotivoCpraVta})) LIKE '*' ) and {C_MV_CPTE.sucursal} <>'9990'"
        " AND {C_MV_CPTE.IdComprobante} >= '000100000005X'  AND {C_MV_CPTE.IdComprobante} <= '000100000040X' ");
    const QString range = QStringLiteral("{C_MV_CPTE.Cuenta} IN '%1' TO '%2' AND {C_MV_CPTE.TC} = 'RMC'").arg(from, to);
    const std::pair<QString, QString> cases[] = {
        {range, QStringLiteral("Cuenta >= '%1' AND Cuenta <= '%2' AND TC = 'RMC'").arg(from, to)},
        {rmc, QStringLiteral("TC = 'RMC' AND Cuenta >= '%1' AND Cuenta <= '%2' AND Fecha >= '2023-02-01' AND Fecha <= '2024-11-30'"
                             " AND (UNEGOCIO = '%3' OR UNEGOCIO = '%4') AND Usuario LIKE '%5%' AND FINALIZADO = 0 AND Anulada = 0")
                  .arg(from, to, otherUnit, unit, prefix)},
        {oc, QStringLiteral("TC = 'OC' AND IdMotivoCpraVta IS NOT NULL AND Sucursal <> '9990'"
                            " AND IdComprobante >= '000100000005X' AND IdComprobante <= '000100000040X'")},
    };
    for (const auto& [formula, where] : cases) {
        const ReportModel model(demoDefinition(formula));
        EXPECT_EQ(model.selection().result, SelectionPushdown::Result::Complete) << formula.toStdString();
        const QStringList expected = idsWhere(where);
        EXPECT_FALSE(expected.isEmpty()) << where.toStdString();
        EXPECT_EQ(detailIds(model, demoRunner()), expected) << formula.toStdString();
    }
}

// The report's connection may be handed over as the program's connection text, opened at run time.
TEST(DemoReport, JobOpensItsConnectionTextAndReportsDatabaseFaults)
{
    QTemporaryDir dir;
    ReportJob job;
    job.setDefinition(demoDefinition(QStringLiteral("{C_MV_CPTE.TC} = 'OC'")));
    job.setDestination(ReportJob::Destination::PdfFile, dir.filePath(QStringLiteral("a.pdf")));
    EXPECT_THROW(job.run(), ReportError);                       // no connection given

    job.setConnectionString(SharedDemoDatabase::shared().connectionString());
    const long long documents = SharedDemoDatabase::shared().column(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE WHERE TC = 'OC'")).first().toLongLong();
    EXPECT_EQ(job.run().rows, documents);
    EXPECT_EQ(job.run().rows, documents);                      // the same connection serves a second run

    job.setConnectionString(QStringLiteral("DSN=NoSuchDataSource; UID=a; PWD=b"));
    EXPECT_THROW(job.run(), ReportError);

    ReportDefinition wrong = demoDefinition();
    wrong.tables[0].fields << QStringLiteral("NoSuchColumn");
    wrong.columns[2].value = QStringLiteral("{C_MV_CPTE.NoSuchColumn}");
    ReportJob broken(SharedDemoDatabase::shared().connection());
    broken.setDefinition(wrong);
    broken.setDestination(ReportJob::Destination::PdfFile, dir.filePath(QStringLiteral("b.pdf")));
    try {
        broken.run();
        ADD_FAILURE() << "a query over a missing column ran";
    } catch (const ReportError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("NoSuchColumn"))) << e.message().toStdString();
    }
}

// A query the database refuses, or one that gives fewer columns than the report reads, is named
// by the start of its statement, however long the statement.
TEST(DemoReport, QueryFaultsQuoteTheStartOfTheStatement)
{
    QStringList kinds;
    for (int i = 0; i < 3000; ++i)
        kinds << QStringLiteral("'K%1'").arg(i);
    const QString where = QStringLiteral(" FROM C_MV_CPTE WHERE C_MV_CPTE.TC IN (%1)").arg(kinds.join(QStringLiteral(", ")));
    const std::pair<QString, std::size_t> queries[] = {
        {QStringLiteral("SELECT C_MV_CPTE.NoSuchColumn") + where, 1},
        {QStringLiteral("SELECT C_MV_CPTE.TC") + where, 2},
    };
    QStringList messages;
    for (const auto& [sql, columns] : queries) {
        try {
            AdoRowSource rows(SharedDemoDatabase::shared().connection(), sql, columns);
            messages << QStringLiteral("no error");
        } catch (const ReportError& e) {
            messages << e.message();
        }
    }
    const QString start = QStringLiteral("(SELECT C_MV_CPTE.NoSuchColumn FROM C_MV_CPTE WHERE C_MV_CPTE.TC IN ('K0', 'K1', 'K2', ");
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("falló la consulta del informe: "))) << messages[0].left(300).toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("NoSuchColumn")) && messages[0].contains(start)) << messages[0].left(600).toStdString();
    EXPECT_TRUE(messages[0].endsWith(QStringLiteral("...)"))) << messages[0].right(100).toStdString();
    EXPECT_LE(messages[0].size(), 600);
    EXPECT_TRUE(messages[1].startsWith(QStringLiteral("la consulta del informe devolvió 1 columnas en lugar de 2 (SELECT C_MV_CPTE.TC FROM ")))
        << messages[1].left(300).toStdString();
    EXPECT_TRUE(messages[1].endsWith(QStringLiteral("...)"))) << messages[1].right(100).toStdString();
    EXPECT_LE(messages[1].size(), 400);
}

// Lines of each purchase order printed under it, filtered by the sub-report's own selection.
TEST(DemoReport, SubreportLinesFollowTheirDocument)
{
    ReportDefinition def = DefinitionReader::readText(QByteArray(R"json({
      "tables": [{"name": "C_MV_CPTE", "fields": ["TC", "IdComprobante"]}],
      "selection": "{C_MV_CPTE.TC} = 'OC'",
      "sort": ["+{C_MV_CPTE.IdComprobante}"],
      "columns": [{"title": "Número", "value": "{C_MV_CPTE.IdComprobante}"}],
      "subreports": [{"name": "Rp_CpteIns",
        "link": {"field": "{C_MV_CPTE.IdComprobante}", "subField": "{C_MV_CPTEINSUMOS.IdComprobante}"},
        "report": {"tables": [{"name": "C_MV_CPTEINSUMOS", "fields": ["IdComprobante", "Item", "IdArticulo", "Cantidad"]}],
                   "selection": "{C_MV_CPTEINSUMOS.Cantidad} > 2",
                   "sort": ["+{C_MV_CPTEINSUMOS.Item}"],
                   "columns": [{"title": "Artículo", "value": "{C_MV_CPTEINSUMOS.IdArticulo}"},
                               {"title": "Item", "value": "{C_MV_CPTEINSUMOS.Item}"}]}}]
    })json"));
    const QStringList seen = subreportLines(ReportModel(def), demoRunner(), 1, 0);
    QStringList expected;
    for (const auto& row : SharedDemoDatabase::shared().rows(QStringLiteral(
             "SELECT i.IdComprobante, i.Item, i.IdArticulo FROM C_MV_CPTEINSUMOS i WHERE i.TC = 'OC' AND i.Cantidad > 2"
             " ORDER BY i.IdComprobante, i.Item")))
        expected << row[0].toString() + u':' + row[1].toString() + u':' + row[2].toString();
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(seen, expected);
}

// A document whose account has no row: kept by a left link with a blank name, dropped by an
// inner one, and unknown (so left out, both ways alike) to a selection on the missing name.
TEST(DemoReport, LeftLinksKeepRowsWithoutAMatch)
{
    demo::DemoFixture fixture(20, 3);
    auto connection = ado::Connection::create();
    connection->Open(fixture.connectionString());
    connection->Execute(QStringLiteral(
        "INSERT INTO C_MV_CPTE (TC, IdComprobante, Sucursal, Letra, Fecha, Cuenta, Importe) "
        "VALUES ('RMC', '000199999999R', '0001', 'R', '2023-05-05', 'NOSUCHACCOUNT', 10)"));
    const QueryRunner runner = AdoRowSource::runner(connection);
    const auto namesOf = [&](const ReportDefinition& def) {
        const ReportModel model(def);
        BandStream stream(model, runner);
        std::map<QString, QString> names;
        Band b;
        while (stream.next(b))
            if (b.kind == Band::Kind::Detail)
                names[b.cells[0]] = b.cells[2];
        return names;
    };
    ReportDefinition def = DefinitionReader::readText(QByteArray(R"json({
      "tables": [{"name": "C_MV_CPTE", "fields": ["IdComprobante", "Cuenta"]}, {"name": "MA_CUENTAS", "fields": ["Codigo", "Nombre"]}],
      "links": [{"from": "{C_MV_CPTE.Cuenta}", "to": "{MA_CUENTAS.Codigo}", "type": "left"}],
      "columns": [{"title": "Número", "value": "{C_MV_CPTE.IdComprobante}"}, {"title": "Cuenta", "value": "{C_MV_CPTE.Cuenta}"},
                  {"title": "Nombre", "value": "{MA_CUENTAS.Nombre}"}]
    })json"));
    const auto left = namesOf(def);
    const long long documents = connection->Execute(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE"))->Fields()->Item(0)->Value().toLong();
    ASSERT_EQ(qint64(left.size()), documents);
    ASSERT_TRUE(left.count(QStringLiteral("000199999999R")));
    EXPECT_EQ(left.at(QStringLiteral("000199999999R")), QString());
    EXPECT_FALSE(left.begin()->second.isEmpty());

    def.links[0].left = false;
    const auto inner = namesOf(def);
    EXPECT_EQ(inner.size(), left.size() - 1);
    EXPECT_FALSE(inner.count(QStringLiteral("000199999999R")));

    def.links[0].left = true;
    def.selection = QStringLiteral("NOT ({MA_CUENTAS.Nombre} = 'x')");
    const ReportModel pushed(def), evaluated(def, {}, false);
    EXPECT_EQ(detailIds(pushed, runner), detailIds(evaluated, runner));
    EXPECT_EQ(qint64(detailIds(pushed, runner).size()), documents - 1);
}

// Rows come from the database while the report runs: a fetch that fails, or a connection
// closed under the running pass, ends it with a report error naming the query.
TEST(DemoReport, FailureInTheMiddleOfAPassRaisesAReportError)
{
    demo::DemoFixture fixture(20, 3);
    auto connection = ado::Connection::create();
    connection->Open(fixture.connectionString());
    const ReportModel model(demoDefinition());
    const QueryRunner runner = AdoRowSource::runner(connection);
    const auto failsMidway = [&](const std::function<void()>& breakIt) {
        BandStream stream(model, runner);
        Band b;
        int details = 0;
        while (details == 0 && stream.next(b))
            details += b.kind == Band::Kind::Detail ? 1 : 0;
        EXPECT_EQ(details, 1);
        breakIt();
        try {
            while (stream.next(b)) {
            }
        } catch (const ReportError& e) {
            return e.message();
        }
        return QStringLiteral("no error");
    };
    const QString lost = failsMidway([] { ado::TestHooks::failNextOperations(1); });
    EXPECT_TRUE(lost.contains(QStringLiteral("Error general de red")) && lost.contains(QStringLiteral("C_MV_CPTE")))
        << lost.toStdString();
    const QString closed = failsMidway([&] { connection->Close(); });
    EXPECT_TRUE(closed.contains(QStringLiteral("cerrado")) && closed.contains(QStringLiteral("C_MV_CPTE"))) << closed.toStdString();
}

// The detailed layout prints every line of every document once, under its document: articles
// and services apart, and a line whose article has no type, or no row, among the articles.
TEST(DemoReport, TheDetailedLayoutPrintsEveryLineOfItsDocuments)
{
    demo::DemoFixture fixture(40, 5);
    auto connection = ado::Connection::create();
    connection->Open(fixture.connectionString());
    const auto scalar = [&](const QString& sql) { return connection->Execute(sql)->Fields()->Item(0)->Value(); };
    const QString untyped = scalar(QStringLiteral(
        "SELECT TOP 1 IdArticulo FROM C_MV_CPTEINSUMOS WHERE TC = 'RMC' ORDER BY IdComprobante, Item")).toString();
    connection->Execute(QStringLiteral("UPDATE MA_ARTICULOS SET IdTipo = NULL WHERE IdArticulo = '%1'").arg(untyped));
    connection->Execute(QStringLiteral(
        "INSERT INTO C_MV_CPTEINSUMOS (TC, IdComprobante, Item, IdArticulo, Descripcion, Cantidad, CantidadRecibida, Precio, Importe) "
        "SELECT TOP 1 TC, IdComprobante, 99, 'SINALTA', 'Artículo sin alta', 1, 0, 10, 10 FROM C_MV_CPTE WHERE TC = 'RMC' "
        "ORDER BY IdComprobante DESC"));

    const ReportModel model(DefinitionReader::readFile(QDir(testpaths::demoReports()).filePath(QStringLiteral("MV_PR2C.rpt"))));
    QStringList printed = subreportLines(model, AdoRowSource::runner(connection), 0, 1, 7);   // articles and services
    QStringList expected;
    auto lines = connection->Execute(QStringLiteral(
        "SELECT IdComprobante, Item, IdArticulo FROM C_MV_CPTEINSUMOS ORDER BY IdComprobante, Item"));
    for (; !lines->Eof(); lines->MoveNext())
        expected << QStringLiteral("%1:%2:%3").arg(lines->Fields()->Item(0)->Value().toString().trimmed())
                        .arg(lines->Fields()->Item(1)->Value().toLong())
                        .arg(lines->Fields()->Item(2)->Value().toString().trimmed());
    printed.sort();
    expected.sort();
    EXPECT_EQ(printed.join(u'\n').toStdString(), expected.join(u'\n').toStdString());
    EXPECT_EQ(printed.filter(QStringLiteral(":SINALTA")).size(), 1);
    EXPECT_FALSE(printed.filter(u':' + untyped).isEmpty());
}

// Each document's subtotals of articles and of services, and its lines' amounts, sit under the
// document's own amount, so that the column reads down the page.
TEST(DemoReport, TheDetailedLayoutPrintsSubtotalsUnderTheDocumentAmount)
{
    const ReportModel model(DefinitionReader::readFile(QDir(testpaths::demoReports()).filePath(QStringLiteral("MV_PR2C.rpt"))));
    const PageLayout layout(model.definition());
    const auto amountSpan = [&](const Band& band) {
        const auto& columns = band.model->definition().columns;
        const auto it = std::find_if(columns.begin(), columns.end(), [](const ColumnDef& c) { return c.title == u"Importe"; });
        EXPECT_NE(it, columns.end());
        EXPECT_EQ(it->align, Qt::AlignRight);
        return layout.cellSpan(band, std::size_t(it - columns.begin()));
    };
    const QueryRunner runner = demoRunner();
    BandStream stream(model, runner);
    Band b;
    std::optional<PageLayout::Span> document;
    int subtotals = 0;
    while (stream.next(b)) {
        if (b.kind == Band::Kind::Detail && b.depth == 0) {
            document = amountSpan(b);
            continue;
        }
        if (b.depth != 1 || b.cells.size() < 7 || (b.kind != Band::Kind::Detail && b.kind != Band::Kind::ReportFooter))
            continue;
        ASSERT_TRUE(document);
        const PageLayout::Span line = amountSpan(b);
        ASSERT_DOUBLE_EQ(line.right(), document->right()) << b.cells.join(u'|').toStdString();
        EXPECT_DOUBLE_EQ(line.width, document->width);
        subtotals += b.kind == Band::Kind::ReportFooter;
    }
    EXPECT_GE(subtotals, 100);
}
