#include "DocumentData.h"
#include "FormulaShapes.h"
#include "PdfText.h"
#include "reportengine/BandStream.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportJob.h"
#include "reportengine/PreviewWindow.h"
#include "reportengine/ReportModel.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <map>

using namespace reportengine;

namespace {

std::vector<Band> allBands(const ReportModel& model, const QueryRunner& runner)
{
    BandStream stream(model, runner);
    std::vector<Band> bands;
    Band b;
    while (stream.next(b))
        bands.push_back(b);
    return bands;
}

QStringList detailIds(const std::vector<Band>& bands)
{
    QStringList ids;
    for (const Band& b : bands)
        if (b.kind == Band::Kind::Detail && b.depth == 0)
            ids << b.cells.first();
    return ids;
}

QString money(double v)
{
    return QLocale(QLocale::Spanish, QLocale::Argentina).toString(v, 'f', 2);
}

// The report's one page as it is written to a PDF file; a fault of the run is a ReportError.
QString printedPage(const QByteArray& json, const QueryRunner& runner)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cadena.pdf"));
    ReportJob job(runner);
    job.setDefinition(DefinitionReader::readText(json));
    job.setDestination(ReportJob::Destination::PdfFile, pdf);
    const QStringList pages = job.run().pages == 1 ? pdfPages(pdf) : QStringList();
    return pages.size() == 1 ? pages.first() : QString();
}

using formulashapes::Formulas;

// A report over the documents with these formulas, whose columns "Valor", "Valor 2" ... show
// `columns`.
QByteArray formulasJson(const Formulas& formulas, const QStringList& columns)
{
    QJsonArray list;
    for (const auto& [name, text] : formulas)
        list.append(QJsonObject{{"name", name}, {"text", text}});
    QJsonArray shown{QJsonObject{{"title", "Número"}, {"value", "{C_MV_CPTE.IdComprobante}"}, {"width", 35}}};
    for (const QString& column : columns) {
        const QString title = shown.size() == 1 ? QStringLiteral("Valor") : QStringLiteral("Valor %1").arg(shown.size());
        shown.append(QJsonObject{{"title", title}, {"value", column}, {"width", 100 / columns.size()}});
    }
    const QJsonObject report{
        {"title", "Fórmulas"},
        {"tables", QJsonArray{QJsonObject{{"name", "C_MV_CPTE"}, {"fields", QJsonArray{"IdComprobante", "Importe", "Usuario"}}}}},
        {"formulas", list},
        {"sort", QJsonArray{"+{C_MV_CPTE.IdComprobante}"}},
        {"columns", shown}};
    return QJsonDocument(report).toJson();
}

ReportDefinition definitionWith(const QString& selection)
{
    ReportDefinition def = DefinitionReader::readText(DocumentData::definitionJson());
    def.selection = selection;
    return def;
}

} // namespace

// The same rows come out whether the selection runs in the database or in the evaluator.
TEST(ReportRun, PushdownSelectsTheSameRowsAsTheEvaluator)
{
    DocumentData data(300);
    const QueryRunner runner = data.database().runner();
    const std::pair<const char*, SelectionPushdown::Result> selections[] = {
        {"{C_MV_CPTE.TC} = 'rmc' AND {C_MV_CPTE.Anulada} = FALSE", SelectionPushdown::Result::Complete},
        {"{C_MV_CPTE.FINALIZADO} = TRUE OR {C_MV_CPTE.Importe} > 900", SelectionPushdown::Result::Complete},
        {"{C_MV_CPTE.Fecha} >= Date(2024,2,1) AND {C_MV_CPTE.Fecha} <= Date(2024,2,29)", SelectionPushdown::Result::Complete},
        {"UCASE({C_MV_CPTE.USUARIO}) LIKE 'O''B*'", SelectionPushdown::Result::Complete},
        {"{C_MV_CPTE.USUARIO} = 'O''BRIEN'", SelectionPushdown::Result::Complete},
        {"{C_MV_CPTE.UNEGOCIO} IN ['01', '03'] AND NOT ({C_MV_CPTE.Cuenta} >= '1050')", SelectionPushdown::Result::Complete},
        {"{C_MV_CPTE.UNEGOCIO} <> '02'", SelectionPushdown::Result::Complete},           // Null units drop out both ways
        {"{MA_CUENTAS.Nombre} LIKE '*3'", SelectionPushdown::Result::Complete},
        {"TrimLeft(TrimRight({C_MV_CPTE.Cuenta})) LIKE '10?0' AND {@Neto} > 500", SelectionPushdown::Result::Partial},
        {"tonumber({C_MV_CPTE.Cuenta}) > 1050 AND {C_MV_CPTE.TC} = 'OC'", SelectionPushdown::Result::Partial},
        {"{C_MV_CPTE.TC} = 'OC' OR Len({C_MV_CPTE.USUARIO}) = 3", SelectionPushdown::Result::Failed},
        {"( 'RM' in {C_MV_CPTE.TC} or {@Estados} = 'x')", SelectionPushdown::Result::Failed},
    };
    for (const auto& [selection, expected] : selections) {
        SCOPED_TRACE(selection);
        const ReportDefinition def = definitionWith(QString::fromUtf8(selection));
        const ReportModel pushed(def);
        const ReportModel local(def, {}, false);
        EXPECT_EQ(pushed.selection().result, expected) << pushed.query().toStdString();
        const QStringList a = detailIds(allBands(pushed, runner));
        const QStringList b = detailIds(allBands(local, runner));
        EXPECT_EQ(a, b);
        EXPECT_FALSE(a.isEmpty());
        EXPECT_LT(a.size(), 300);
    }
}

// The WHERE clause stops at a bound on its text: a part that would pass it is left whole to the
// evaluator, the parts before it still go to the database, and the rows are the same.
TEST(ReportRun, PushdownStopsAtTheBoundOnItsText)
{
    DocumentData data(300);
    const QueryRunner runner = data.database().runner();
    QStringList others;   // accounts no document has: about 15,000 characters of a list
    for (int i = 0; i < 1500; ++i)
        others << QStringLiteral("'X%1'").arg(i, 4, 10, QChar(u'0'));
    // Each part leaves out one account of the twelve; eight of them leave four accounts.
    QStringList parts;
    for (int k = 0; k < 8; ++k) {
        QStringList accounts = others;
        for (int a = 0; a < 12; ++a)
            if (a != k)
                accounts << QStringLiteral("'%1'").arg(1000 + a * 10);
        parts << QStringLiteral("{C_MV_CPTE.Cuenta} IN [%1]").arg(accounts.join(QStringLiteral(", ")));
    }
    QStringList kinds = others;   // one list past the bound on its own
    for (int i = 0; i < 6000; ++i)
        kinds << QStringLiteral("'Y%1'").arg(i);
    kinds << QStringLiteral("'OC'");
    const auto kept = [&](const Document& d, const QString& selection) {
        return selection.startsWith(QStringLiteral("{C_MV_CPTE.Cuenta}")) ? d.account.toInt() >= 1080 : d.kind == QStringLiteral("OC");
    };
    const std::pair<QString, SelectionPushdown::Result> selections[] = {
        {parts.join(QStringLiteral(" AND ")), SelectionPushdown::Result::Partial},
        {QStringLiteral("{C_MV_CPTE.TC} IN [%1]").arg(kinds.join(QStringLiteral(", "))), SelectionPushdown::Result::Failed},
    };
    for (const auto& [selection, result] : selections) {
        SCOPED_TRACE(selection.left(40).toStdString());
        const ReportDefinition def = definitionWith(selection);
        const ReportModel pushed(def);
        EXPECT_LE(pushed.selection().where.size(), 64 * 1024);
        EXPECT_EQ(pushed.selection().result, result);
        QStringList expected;
        for (const Document& d : data.documents())
            if (kept(d, selection))
                expected << d.id;
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(detailIds(allBands(pushed, runner)), expected);
        EXPECT_EQ(detailIds(allBands(ReportModel(def, {}, false), runner)), expected);
    }
}

TEST(ReportRun, QueryReadsOnlyUsedFieldsAndDoublesApostrophes)
{
    const ReportModel model(definitionWith(QStringLiteral("{C_MV_CPTE.USUARIO} = 'o''brien' AND {C_MV_CPTE.Anulada} = FALSE")));
    const QString sql = model.query();
    EXPECT_EQ(sql, QStringLiteral(
        "SELECT C_MV_CPTE.Importe, C_MV_CPTE.IdComprobante, C_MV_CPTE.Fecha, MA_CUENTAS.Nombre, C_MV_CPTE.USUARIO"
        " FROM C_MV_CPTE LEFT JOIN MA_CUENTAS ON C_MV_CPTE.Cuenta = MA_CUENTAS.Cuenta"
        " WHERE C_MV_CPTE.USUARIO = 'o''brien' AND C_MV_CPTE.Anulada = 0"
        " ORDER BY C_MV_CPTE.IdComprobante"));
}

// Group footers and the report total against sums computed from the generated rows.
TEST(ReportRun, GroupTotalsMatchIndependentSums)
{
    DocumentData data(250);
    const QString groups = QString::fromUtf8(R"json(,
  "groups": [{"field": "{C_MV_CPTE.Cuenta}", "header": "'Cuenta ' & {C_MV_CPTE.Cuenta}", "footer": "'Total ' & {C_MV_CPTE.Cuenta}"}],
  "summaries": [{"column": 4, "function": "sum"}, {"column": 0, "function": "count"}])json");
    ReportDefinition def = DefinitionReader::readText(DocumentData::definitionJson(groups));
    def.selection = QStringLiteral("{C_MV_CPTE.Anulada} = FALSE");
    const std::vector<Band> bands = allBands(ReportModel(def), data.database().runner());

    std::map<QString, std::pair<double, int>> expected;
    double grand = 0;
    int rows = 0;
    for (const Document& d : data.documents())
        if (!d.annulled) {
            expected[d.account].first += d.amount;
            ++expected[d.account].second;
            grand += d.amount;
            ++rows;
        }
    std::map<QString, std::pair<QString, QString>> footers;
    QStringList headers;
    for (const Band& b : bands) {
        if (b.kind == Band::Kind::GroupHeader)
            headers << b.label;
        if (b.kind == Band::Kind::GroupFooter)
            footers[b.label.mid(6)] = {b.cells[4], b.cells[0]};
        if (b.kind == Band::Kind::ReportFooter) {
            EXPECT_EQ(b.cells[4], money(grand));
            EXPECT_EQ(b.cells[0], QString::number(rows));
        }
    }
    ASSERT_EQ(footers.size(), expected.size());
    EXPECT_EQ(headers.size(), qsizetype(expected.size()));   // one header per account: rows arrive grouped
    for (const auto& [account, sums] : expected) {
        SCOPED_TRACE(account.toStdString());
        EXPECT_EQ(footers[account].first, money(sums.first));
        EXPECT_EQ(footers[account].second, QString::number(sums.second));
    }
    EXPECT_EQ(bands.back().kind, Band::Kind::ReportFooter);
}

// Every summary, per group and for the whole report, against the database's own aggregates over
// a column with nulls: nulls are neither counted nor averaged, nor taken for a minimum or maximum.
// Group A's first row is its minimum and group C's its maximum; group B is all below zero, so a
// null read as 0 would be its maximum; group D holds nulls only. A sum of no value is 0, as SQL's
// TOTAL has it.
TEST(ReportRun, EverySummaryIgnoresNullsAsTheDatabaseDoes)
{
    SqliteTestDatabase db;
    db.exec(QStringLiteral(
        "CREATE TABLE MOVIMIENTOS (Id INT, Grupo TEXT, Valor REAL);"
        "INSERT INTO MOVIMIENTOS VALUES (1, 'A', 1.25), (2, 'A', NULL), (3, 'A', 10), (4, 'A', 3.5),"
        " (5, 'B', NULL), (6, 'B', -4), (7, 'B', -2.5), (8, 'B', NULL), (9, 'B', -7),"
        " (10, 'C', 8), (11, 'C', 2), (12, 'C', NULL), (13, 'C', 5), (14, 'D', NULL), (15, 'D', NULL)"));
    const ReportDefinition def = DefinitionReader::readText(QByteArrayLiteral(R"json({
  "tables": [{"name": "MOVIMIENTOS", "fields": ["Id", "Grupo", "Valor"]}],
  "sort": ["+{MOVIMIENTOS.Id}"],
  "groups": [{"field": "+{MOVIMIENTOS.Grupo}", "footer": "'Grupo ' & {MOVIMIENTOS.Grupo}"}],
  "columns": [
    {"title": "Id", "value": "{MOVIMIENTOS.Id}"},
    {"title": "Suma", "value": "{MOVIMIENTOS.Valor}", "format": "#,##0.00"},
    {"title": "Cantidad", "value": "{MOVIMIENTOS.Valor}", "format": "#,##0.00"},
    {"title": "Promedio", "value": "{MOVIMIENTOS.Valor}", "format": "#,##0.00"},
    {"title": "Mínimo", "value": "{MOVIMIENTOS.Valor}", "format": "#,##0.00"},
    {"title": "Máximo", "value": "{MOVIMIENTOS.Valor}", "format": "#,##0.00"}
  ],
  "summaries": [{"column": 1, "function": "sum"}, {"column": 2, "function": "count"}, {"column": 3, "function": "average"},
                {"column": 4, "function": "minimum"}, {"column": 5, "function": "maximum"}]
})json"));
    const QueryRunner runner = db.runner();
    QStringList printed;
    for (const Band& b : allBands(ReportModel(def), runner))
        if (b.kind == Band::Kind::GroupFooter || b.kind == Band::Kind::ReportFooter)
            printed << (QStringList{b.label} + b.cells.mid(1)).join(u'|');

    // The aggregates come back untyped, as texts; a Null prints blank.
    const auto amount = [](const FormulaValue& v) { return v.isNull() ? QString() : money(v.toText().toDouble()); };
    QStringList expected;
    const QString aggregates = QStringLiteral("TOTAL(Valor), COUNT(Valor), AVG(Valor), MIN(Valor), MAX(Valor) FROM MOVIMIENTOS");
    for (const QString& sql : {QStringLiteral("SELECT 'Grupo ' || Grupo, %1 GROUP BY Grupo ORDER BY Grupo").arg(aggregates),
                               QStringLiteral("SELECT 'Total', %1").arg(aggregates)}) {
        const std::unique_ptr<RowSource> rows = runner(sql, 6);
        std::vector<FormulaValue> row;
        while (rows->next(row))
            expected << (QStringList{row[0].toText(), amount(row[1]), row[2].toText(), amount(row[3]), amount(row[4]), amount(row[5])}).join(u'|');
    }
    ASSERT_EQ(expected.size(), 5);
    EXPECT_EQ(printed, expected);
}

// Counts in footers are whole numbers with their thousands grouped, as the amounts beside them.
TEST(ReportRun, CountsOverAThousandGroupTheirThousands)
{
    DocumentData data(1210);
    const QString counted = QString::fromUtf8(R"json(,
  "groups": [{"field": "{C_MV_CPTE.TC}", "footer": "'Total ' & {C_MV_CPTE.TC}"}],
  "summaries": [{"column": 0, "function": "count"}, {"column": 4, "function": "count"}])json");
    const std::vector<Band> bands = allBands(ReportModel(DefinitionReader::readText(DocumentData::definitionJson(counted))),
                                             data.database().runner());
    QStringList footers;
    for (const Band& b : bands)
        if (b.kind == Band::Kind::GroupFooter || b.kind == Band::Kind::ReportFooter)
            footers << b.cells[0] + u'|' + b.cells[4];
    // Every fifth document is an order.
    EXPECT_EQ(footers.join(u' ').toStdString(), "242|242 968|968 1.210|1.210");
}

// A report's own filter holds under whatever selection the caller sets: the rows meet both,
// whether the database or the evaluator checks them.
TEST(ReportRun, TheReportsOwnFilterHoldsUnderTheCallersSelection)
{
    DocumentData data(300);
    const QueryRunner runner = data.database().runner();
    const QString own = QString::fromUtf8(R"json(,
  "parameters": [{"name": "Usuarios", "value": "jperez,ANA"}],
  "filter": "{C_MV_CPTE.Anulada} = FALSE AND ({?Usuarios} = '' OR {C_MV_CPTE.USUARIO} IN {?Usuarios})")json");
    const auto expected = [&](bool rmcOnly) {
        QStringList ids;   // generated in the order of their numbers, the report's sort
        for (const Document& d : data.documents())
            if (!d.annulled && (d.user == u"jperez" || d.user == u"Ana") && (!rmcOnly || d.kind == u"RMC"))
                ids << d.id;
        return ids;
    };
    for (const QString& selection : {QString(), QStringLiteral("{C_MV_CPTE.TC} = 'RMC' OR {C_MV_CPTE.TC} = 'RMC'")}) {
        SCOPED_TRACE(selection.toStdString());
        ReportDefinition def = DefinitionReader::readText(DocumentData::definitionJson(own));
        def.selection = selection;
        const ReportModel pushed(def);
        EXPECT_TRUE(pushed.query().contains(QStringLiteral("C_MV_CPTE.Anulada = 0"))) << pushed.query().toStdString();
        const QStringList rows = detailIds(allBands(pushed, runner));
        EXPECT_GT(rows.size(), 20);
        EXPECT_EQ(rows, expected(!selection.isEmpty()));
        EXPECT_EQ(detailIds(allBands(ReportModel(def, {}, false), runner)), rows);
    }
}

TEST(ReportRun, SubreportRowsFollowTheirDocument)
{
    DocumentData data(12);
    const QString sub = QString::fromUtf8(R"json(,
  "subreports": [{"name": "Rp_CpteIns", "link": {"field": "{C_MV_CPTE.IdComprobante}", "subField": "{C_MV_CPTEINSUMOS.IdComprobante}"},
    "report": {"tables": [{"name": "C_MV_CPTEINSUMOS", "fields": ["IdComprobante", "IdArticulo", "Cantidad"]}],
               "sort": ["-{C_MV_CPTEINSUMOS.IdArticulo}"],
               "columns": [{"title": "Artículo", "value": "{C_MV_CPTEINSUMOS.IdArticulo}"},
                           {"title": "Cantidad", "value": "{C_MV_CPTEINSUMOS.Cantidad}"}]}}])json");
    ReportJob job(data.database().runner());
    job.setDefinition(DefinitionReader::readText(DocumentData::definitionJson(sub)));
    ASSERT_TRUE(job.setSubreportSelection(QStringLiteral("rp_cpteins"), QStringLiteral("{C_MV_CPTEINSUMOS.Cantidad} > 0")));
    const std::vector<Band> bands = allBands(ReportModel(job.definition()), data.database().runner());
    QStringList seen;
    QString current;
    for (const Band& b : bands) {
        if (b.kind == Band::Kind::Detail && b.depth == 0)
            current = b.cells[0];
        if (b.kind == Band::Kind::Detail && b.depth == 1)
            seen << current + u':' + b.cells[0];
    }
    QStringList expected;
    for (int i = 0; i < 12; ++i)
        for (int line = i % 3 - 1; line >= 0; --line)    // descending articles, quantity above zero
            if (line + i % 5 > 0)
                expected << data.documents()[std::size_t(i)].id + QStringLiteral(":ART%1").arg(line + 1);
    EXPECT_EQ(seen, expected);
}

TEST(ReportRun, FormulaAssignmentsSetFormulasByName)
{
    DocumentData data(5);
    ReportJob job(data.database().runner());
    job.setDefinition(DefinitionReader::readText(DocumentData::definitionJson()));
    EXPECT_TRUE(job.setFormula(QStringLiteral("nombreEMPRESA = 'Quindal S.A.'")));
    EXPECT_TRUE(job.setFormula(QStringLiteral("Estados = 'Pendiente,Finalizada'")));
    EXPECT_FALSE(job.setFormula(QStringLiteral("NoExiste = 'x'")));
    job.setSelection(QStringLiteral("'Pendiente' in {@Estados}"));
    const ReportModel model(job.definition());
    EXPECT_EQ(model.formulaTree(QStringLiteral("NOMBREEMPRESA"))->literal().toText(), QStringLiteral("Quindal S.A."));
    EXPECT_EQ(detailIds(allBands(model, data.database().runner())).size(), 5);
}

TEST(ReportRun, RowErrorsStopTheReportWithTheirCause)
{
    DocumentData data(5);
    const ReportModel model(definitionWith(QStringLiteral("tonumber({C_MV_CPTE.USUARIO}) > 1")));
    try {
        allBands(model, data.database().runner());
        ADD_FAILURE() << "no error";
    } catch (const ReportError& e) {
        // What the operator reads: the part of the report, the cause and where, all in Spanish.
        EXPECT_EQ(e.message(), QStringLiteral("selección: El texto \"jperez\" no es un número (en la posición 1)"));
    }
}

// A formula that names the one before it twice is read and evaluated once a row, however long
// the line of formulas behind it, and each row gets its own values.
TEST(ReportRun, FormulasBuiltOnFormulasPrintTheirRows)
{
    DocumentData data(5);
    for (const int count : {26, 60}) {
        SCOPED_TRACE(count);
        const QString page = printedPage(DocumentData::formulaChainJson(count, QStringLiteral("%1 + %1")), data.database().runner());
        for (const Document& d : data.documents())
            EXPECT_TRUE(page.contains(money(std::ldexp(d.amount, count - 1)))) << page.toStdString();
    }
    const QString page = printedPage(DocumentData::formulaChainJson(3000, QStringLiteral("%1 + 1")), data.database().runner());
    for (const Document& d : data.documents())
        EXPECT_TRUE(page.contains(money(d.amount + 2999))) << page.toStdString();
    // A page text that shows the page count through forty formulas still has it.
    const QString counted = printedPage(DocumentData::formulaChainJson(40, QStringLiteral("%1 & ''"), QStringLiteral("'de ' & totext(TotalPageCount)")),
                                        data.database().runner());
    EXPECT_TRUE(counted.contains(QStringLiteral("Último valor de 1"))) << counted.toStdString();
}

// A selection as deeply nested as a formula may be runs, and selects the rows its plain form
// does, whether it goes to the database, to the evaluator, or in part to each; so does a
// sub-report whose rows the main report's selection limits.
TEST(ReportRun, SelectionsNestedToTheLimitSelectTheirRows)
{
    DocumentData data(40);
    const QueryRunner runner = data.database().runner();
    const auto nested = [](const char* open, const char* inner, const char* close, int times) {
        return QString::fromUtf8(open).repeated(times) + QString::fromUtf8(inner) + QString::fromUtf8(close).repeated(times);
    };
    using Result = SelectionPushdown::Result;
    const struct {
        QString deep;
        const char* plain;
        Result sent;   // how much of it goes to the database
    } selections[] = {
        {nested("Mid(", "{C_MV_CPTE.TC}", ", 1)", 200) + QStringLiteral(" = 'RMC'"), "{C_MV_CPTE.TC} = 'RMC'", Result::Failed},
        {nested("UCASE(", "{C_MV_CPTE.TC}", ")", 199) + QStringLiteral(" = 'RMC'"), "{C_MV_CPTE.TC} = 'RMC'", Result::Failed},
        {nested("NOT (", "{C_MV_CPTE.Importe} > 500", ")", 100), "{C_MV_CPTE.Importe} > 500", Result::Failed},
        {nested("({C_MV_CPTE.TC} = 'X' OR ", "{C_MV_CPTE.Importe} > 500", ")", 200), "{C_MV_CPTE.Importe} > 500", Result::Failed},
        {nested("UCASE(", "{C_MV_CPTE.TC}", ")", 22) + QStringLiteral(" = 'RMC'"), "{C_MV_CPTE.TC} = 'RMC'", Result::Complete},
        {nested("NOT (", "{C_MV_CPTE.Importe} > 500", ")", 22), "{C_MV_CPTE.Importe} > 500", Result::Complete},
        {nested("({C_MV_CPTE.TC} = 'X' OR ", "{C_MV_CPTE.Importe} > 500", ")", 22), "{C_MV_CPTE.Importe} > 500", Result::Complete},
    };
    const QString lines = QStringLiteral(R"json(,
  "subreports": [{"name": "Rp_CpteIns", "link": {"field": "{C_MV_CPTE.IdComprobante}", "subField": "{C_MV_CPTEINSUMOS.IdComprobante}"},
    "report": {"tables": [{"name": "C_MV_CPTEINSUMOS", "fields": ["IdComprobante", "IdArticulo"]}],
               "columns": [{"title": "Artículo", "value": "{C_MV_CPTEINSUMOS.IdArticulo}"}]}}])json");
    for (const auto& [deep, plain, sent] : selections) {
        SCOPED_TRACE(deep.left(80).toStdString());
        const QStringList expected = detailIds(allBands(ReportModel(definitionWith(QString::fromUtf8(plain))), runner));
        ASSERT_FALSE(expected.isEmpty());
        const ReportModel pushed(definitionWith(deep));
        EXPECT_EQ(pushed.selection().result, sent);
        EXPECT_EQ(detailIds(allBands(pushed, runner)), expected);
        EXPECT_EQ(detailIds(allBands(ReportModel(definitionWith(deep), {}, false), runner)), expected);
        ReportDefinition withLines = DefinitionReader::readText(DocumentData::definitionJson(lines));
        withLines.selection = deep;
        EXPECT_EQ(detailIds(allBands(ReportModel(withLines), runner)), expected);
    }
}

// Nesting as the written SQL counts it: Trim is written LTRIM(RTRIM(x)), two levels, and a named
// formula is written in parentheses of its own. Selections nested 16 to 40 levels so, in a main
// report and in a sub-report, directly and through formulas that call each other, select the rows
// the evaluator alone selects: what would nest past the bound is never sent to the database,
// whose parser stops at about 30 levels.
TEST(ReportRun, SelectionsNestedAsTheirSqlNestsSelectTheirRows)
{
    DocumentData data(40);
    const QueryRunner runner = data.database().runner();
    const auto repeated = [](const QString& text, int times) { return text.repeated(times); };
    // Each shape nests `levels` levels of the formula language round a field and gives a selection
    // and its formulas.
    struct Shape {
        const char* name;
        std::function<std::pair<QString, Formulas>(const QString& field, const QString& value, int levels)> make;
    };
    const auto wrapped = [&](const QString& open, const QString& close, int per) {
        return [=](const QString& field, const QString& value, int levels) {
            return std::pair{repeated(open, levels / per) + field + repeated(close, levels / per) + QStringLiteral(" = ") + value,
                             Formulas{}};
        };
    };
    const auto named = [](const QString& step) {
        return [=](const QString& field, const QString& value, int levels) {
            Formulas f = formulashapes::line(QStringLiteral("n"), levels - 1, step, step.arg(field));
            return std::pair{QStringLiteral("{@n%1} = %2").arg(levels - 1).arg(value), f};
        };
    };
    const Shape shapes[] = {
        {"Trim", wrapped(QStringLiteral("Trim("), QStringLiteral(")"), 1)},
        {"UCase(Trim", wrapped(QStringLiteral("UCase(Trim("), QStringLiteral("))"), 2)},
        {"TrimLeft", wrapped(QStringLiteral("TrimLeft("), QStringLiteral(")"), 1)},
        {"Mid", wrapped(QStringLiteral("Mid("), QStringLiteral(", 1, 30)"), 1)},
        {"NOT", [&](const QString& field, const QString& value, int levels) {
             return std::pair{repeated(QStringLiteral("NOT ("), levels) + field + QStringLiteral(" = ") + value + repeated(QStringLiteral(")"), levels),
                              Formulas{}};
         }},
        {"formulas of Trim", named(QStringLiteral("Trim(%1)"))},
        {"formulas of UCase(Trim", named(QStringLiteral("UCase(Trim(%1))"))},
        {"formulas of Mid", named(QStringLiteral("Mid(%1, 1, 30)"))},
        {"formulas of NOT", [](const QString& field, const QString& value, int levels) {
             Formulas f = formulashapes::line(QStringLiteral("n"), levels - 1, QStringLiteral("NOT (%1)"),
                                              QStringLiteral("NOT (%1 = %2)").arg(field, value));
             return std::pair{QStringLiteral("{@n%1}").arg(levels - 1), f};
         }},
    };
    const auto namedTexts = [](const Formulas& formulas) {
        std::vector<NamedText> out;
        for (const auto& [name, text] : formulas)
            out.push_back(NamedText{name, text});
        return out;
    };
    const QString lines = QStringLiteral(R"json(,
  "subreports": [{"name": "Rp_CpteIns", "link": {"field": "{C_MV_CPTE.IdComprobante}", "subField": "{C_MV_CPTEINSUMOS.IdComprobante}"},
    "report": {"tables": [{"name": "C_MV_CPTEINSUMOS", "fields": ["IdComprobante", "IdArticulo"]}],
               "columns": [{"title": "Artículo", "value": "{C_MV_CPTEINSUMOS.IdArticulo}"}]}}])json");
    // Each document with the articles its sub-report prints.
    const auto printed = [&](const ReportDefinition& def, bool pushDown) {
        QStringList seen;
        QString current;
        for (const Band& b : allBands(ReportModel(def, {}, pushDown), runner)) {
            if (b.kind == Band::Kind::Detail && b.depth == 0)
                current = b.cells[0];
            if (b.kind == Band::Kind::Detail && b.depth == 1)
                seen << current + u':' + b.cells[0];
        }
        return seen;
    };
    for (const Shape& shape : shapes) {
        for (const int levels : {16, 20, 22, 30, 40}) {
            SCOPED_TRACE(QStringLiteral("%1, %2 levels").arg(QLatin1String(shape.name)).arg(levels).toStdString());
            ReportDefinition main = DefinitionReader::readText(DocumentData::definitionJson(lines));
            const auto [selection, formulas] = shape.make(QStringLiteral("{C_MV_CPTE.TC}"), QStringLiteral("'RMC'"), levels);
            main.selection = selection;
            for (const NamedText& f : namedTexts(formulas))
                main.formulas.push_back(f);
            const QStringList expected = printed(main, false);
            ASSERT_FALSE(expected.isEmpty());
            EXPECT_EQ(printed(main, true), expected);

            ReportDefinition withSub = DefinitionReader::readText(DocumentData::definitionJson(lines));
            const auto [subSelection, subFormulas] = shape.make(QStringLiteral("{C_MV_CPTEINSUMOS.IdArticulo}"), QStringLiteral("'ART1'"), levels);
            withSub.subreports[0].report->selection = subSelection;
            withSub.subreports[0].report->formulas = namedTexts(subFormulas);
            const QStringList expectedLines = printed(withSub, false);
            ASSERT_FALSE(expectedLines.isEmpty());
            EXPECT_EQ(printed(withSub, true), expectedLines);
        }
    }
    // Up to the bound the nesting still goes to the database: 12 Trims are 24 levels, 13 are 26.
    using Result = SelectionPushdown::Result;
    const QString trims = QStringLiteral("Trim(").repeated(12) + QStringLiteral("{C_MV_CPTE.TC}") + QStringLiteral(")").repeated(12);
    EXPECT_EQ(ReportModel(definitionWith(trims + QStringLiteral(" = 'RMC'"))).selection().result, Result::Complete);
    EXPECT_EQ(ReportModel(definitionWith(QStringLiteral("Trim(") + trims + QStringLiteral(") = 'RMC'"))).selection().result, Result::Failed);
}

// A text that doubles at each formula stops the report at the first formula past the bound.
TEST(ReportRun, FormulaTextPastTheBoundStopsTheReport)
{
    DocumentData data(1);
    try {
        printedPage(DocumentData::formulaChainJson(26, QStringLiteral("%1 & %1"), QStringLiteral("'ab'")), data.database().runner());
        ADD_FAILURE() << "no error";
    } catch (const ReportError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("columna \"Valor\": la fórmula @f24 arma un texto de más de 16777216 caracteres")))
            << e.message().toStdString();
    }
}

// A fault that names a formula or a column quotes a long name or title by its first 60
// characters: the text past the bound built by a formula of a long name, and a column of a long
// title that divides by zero.
TEST(ReportRun, RunFaultsQuoteLongNamesByTheirStart)
{
    DocumentData data(1);
    const QString name = QStringLiteral("Cadena") + QString(19082, u'n');
    const QString title = QStringLiteral("Cociente") + QString(49992, u't');
    const struct {
        const char* what;
        QByteArray json;
        QString message;
    } cases[] = {
        {"text", formulasJson(formulashapes::line(name, 24, QStringLiteral("%1 & %1"), QStringLiteral("'ab'")), {QStringLiteral("{@%1%2}").arg(name).arg(24)}),
         QStringLiteral("columna \"Valor\": la fórmula @%1... arma un texto de más de 16777216 caracteres").arg(name.left(60))},
        {"title", QJsonDocument::fromJson(formulasJson({}, {QStringLiteral("1 / ({C_MV_CPTE.Importe} * 0)")})).toJson().replace("\"Valor\"", ('"' + title + '"').toUtf8()),
         QStringLiteral("columna \"%1...\": División por cero").arg(title.left(60))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            printedPage(c.json, data.database().runner());
            ADD_FAILURE() << "no error";
        } catch (const ReportError& e) {
            EXPECT_TRUE(e.message().startsWith(c.message)) << e.message().left(300).toStdString();
            EXPECT_LT(e.message().size(), 2000);
        }
    }
}

// Shapes of formulas a definition of a few KB may hold, each costly to work out, print their
// values: a text doubled 23 times behind a condition no row meets, a line of 160 appends of a
// 40,000-character text with and without that condition, 30 texts of 16 Mi characters each
// built from one doubled text and measured in one column, and a fan-out of 30 short texts once
// the run's kept texts have filled the bound.
TEST(ReportRun, CostlyFormulaShapesPrintTheirValues)
{
    DocumentData data(2);
    for (const formulashapes::Shape& shape : formulashapes::costly()) {
        SCOPED_TRACE(shape.name.toStdString());
        const QString page = printedPage(formulasJson(shape.formulas, shape.columns), data.database().runner());
        EXPECT_EQ(page.count(shape.value), 2) << page.toStdString();
        if (shape.columns.size() > 1) {   // the fan-out: the user and the digits, cut at 12
            for (const Document& d : data.documents())
                EXPECT_TRUE(page.contains((d.user + QStringLiteral("0123456789")).left(12))) << page.toStdString();
        }
    }
}

// A formula behind AND or OR that has its answer already is not worked out: a fault in it counts
// only where it is looked at, as the fault it would have been.
TEST(ReportRun, AFormulaFaultCountsOnlyWhereItIsUsed)
{
    DocumentData data(5);   // the first document's amount is 0
    ReportDefinition def = definitionWith(QStringLiteral("{@Cubierto}"));
    def.formulas.push_back({QStringLiteral("Inverso"), QStringLiteral("1 / {C_MV_CPTE.Importe}")});
    def.formulas.push_back({QStringLiteral("Cubierto"), QStringLiteral("{C_MV_CPTE.Importe} = 0 OR {@Inverso} < 1")});
    EXPECT_EQ(detailIds(allBands(ReportModel(def), data.database().runner())).size(), 5);

    def.selection = QStringLiteral("{@Inverso} < 1");
    try {
        allBands(ReportModel(def), data.database().runner());
        ADD_FAILURE() << "no error";
    } catch (const ReportError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("selección: División por cero (en la posición 3)"));
    }
}

// A small report written to PDF and read back with pdftotext.
TEST(ReportRun, PdfHasEveryPageAndTheFirstPageTexts)
{
    DocumentData data(140);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("remitos.pdf"));
    ReportJob job(data.database().runner());
    job.setDefinition(DefinitionReader::readText(DocumentData::definitionJson()));
    job.setFormula(QStringLiteral("Nombreempresa = 'Quindal S.A.'"));
    job.setSelection(QStringLiteral("{C_MV_CPTE.TC} = 'RMC'"));
    job.setPrintDate(QDate(2024, 5, 2));
    job.setDestination(ReportJob::Destination::PdfFile, pdf);
    int progressCalls = 0;
    job.setProgressHandler([&](int, int) { ++progressCalls; return true; });
    const ReportPrinter::Outcome out = job.run();
    EXPECT_EQ(out.rows, 112);
    ASSERT_GT(out.pages, 1);
    EXPECT_EQ(progressCalls, 2 * out.pages);   // counting pass, then painting pass

    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), out.pages);
    const QString& first = pages.first();
    for (const QString& s : {QStringLiteral("Remitos de compra"), QStringLiteral("Quindal S.A."),
                             QStringLiteral("Página 1 de %1").arg(out.pages), QStringLiteral("Impreso el 02/05/2024"),
                             QStringLiteral("Número"), QStringLiteral("000100000002A"), QStringLiteral("Proveedor 1"),
                             QStringLiteral("o'brien"), QStringLiteral("37,25")})
        EXPECT_TRUE(first.contains(s)) << s.toStdString();
    EXPECT_FALSE(first.contains(QStringLiteral("000100000001A")));   // an OC document
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Página %1 de %1").arg(out.pages)));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Número")));        // titles repeat on every page
}

// A count in the first column would be painted over the footer's label; it is read after it.
TEST(ReportRun, FooterLabelAndASummaryUnderItStayReadable)
{
    DocumentData data(60);
    const QString groups = QString::fromUtf8(R"json(,
  "groups": [{"field": "{C_MV_CPTE.Cuenta}", "footer": "'Total cuenta ' & {C_MV_CPTE.Cuenta}"}],
  "summaries": [{"column": 0, "function": "count"}, {"column": 4, "function": "sum"}])json");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("totales.pdf"));
    ReportJob job(data.database().runner());
    job.setDefinition(DefinitionReader::readText(DocumentData::definitionJson(groups)));
    job.setDestination(ReportJob::Destination::PdfFile, pdf);
    job.run();

    std::map<QString, int> expected;
    for (const Document& d : data.documents())
        ++expected[d.account];
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    for (const auto& [account, count] : expected) {
        const QRegularExpression line(QStringLiteral("\\bTotal cuenta %1 +%2\\b").arg(account).arg(count));
        EXPECT_TRUE(text.contains(line)) << line.pattern().toStdString();
    }
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\bTotal +%1\\b").arg(data.documents().size()))));
}

TEST(ReportRun, CancelledPdfIsRemoved)
{
    DocumentData data(200);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("cut.pdf"));
    ReportJob job(data.database().runner());
    job.setDefinition(DefinitionReader::readText(DocumentData::definitionJson()));
    job.setDestination(ReportJob::Destination::PdfFile, pdf);
    job.setProgressHandler([](int done, int total) { return total == 0 || done < 2; });
    EXPECT_TRUE(job.run().cancelled);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(ReportRun, PreviewNavigatesPagesMadeOnDemand)
{
    DocumentData data(140);
    auto model = std::make_shared<ReportModel>(definitionWith(QString()));
    PreviewWindow preview(model, data.database().runner());
    preview.lastPage();                                   // lays out up to the end, however slow the machine
    ASSERT_GT(preview.pageCount(), 2);
    EXPECT_EQ(preview.currentPage(), preview.pageCount());
    const QImage last = preview.pageImage();
    preview.nextPage();                                   // past the end stays on the last page
    EXPECT_EQ(preview.currentPage(), preview.pageCount());
    preview.firstPage();
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_NE(preview.pageImage(), last);
    const QSize normal = preview.pageImage().size();
    preview.zoomIn();
    EXPECT_GT(preview.pageImage().width(), normal.width());
}
