// A run reads each query once: the main report's, and one per sub-report whatever the number of
// rows that show it; the page count, the preview's pages in any order and a copy saved from the
// preview come from what that read kept.
#include "PdfText.h"
#include "SharedDemoDatabase.h"
#include "SqliteTestDatabase.h"
#include "reportengine/AdoRowSource.h"
#include "reportengine/BandStream.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/PreviewWindow.h"
#include "reportengine/ReportJob.h"
#include "reportengine/SubreportRows.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace reportengine;

namespace {

// Sales, each with the lines of its customer and, under a line, the notes of that line.
// Customers are written in varying letter case, and one sale has none.
class Subreports : public ::testing::Test {
protected:
    Subreports()
    {
        m_db.exec(QStringLiteral(
            "CREATE TABLE Ventas (Numero INT, Cliente TEXT COLLATE NOCASE);"
            "CREATE TABLE Renglones (Cliente TEXT COLLATE NOCASE, Renglon INT, Cantidad INT);"
            "CREATE TABLE Notas (Renglon INT, Texto TEXT);"));
        const char* customers[] = {"ana", "Bruno", "ANA", "carla", nullptr, "bruno", "Dario"};
        QStringList sql{QStringLiteral("BEGIN")};
        for (int i = 0; i < 40; ++i) {
            const char* c = customers[i % 7];
            sql << QStringLiteral("INSERT INTO Ventas VALUES (%1, %2)").arg(i + 1).arg(c ? QStringLiteral("'%1'").arg(QString::fromLatin1(c)) : QStringLiteral("NULL"));
        }
        // Dario has no lines; Carla's are written in capitals.
        const std::pair<const char*, int> lines[] = {{"ANA", 3}, {"bruno", 2}, {"CARLA", 4}, {"Eva", 2}};
        int renglon = 100;
        for (const auto& [customer, count] : lines)
            for (int n = 0; n < count; ++n, ++renglon) {
                sql << QStringLiteral("INSERT INTO Renglones VALUES ('%1', %2, %3)").arg(QString::fromLatin1(customer)).arg(renglon).arg(n);
                for (int note = 0; note < renglon % 3; ++note)
                    sql << QStringLiteral("INSERT INTO Notas VALUES (%1, 'nota %2 de %1')").arg(renglon).arg(note);
            }
        sql << QStringLiteral("COMMIT");
        m_db.exec(sql.join(u';'));
    }

    static ReportDefinition definition(const QString& subSelection = {})
    {
        ReportDefinition def = DefinitionReader::readText(QByteArray(R"json({
          "tables": [{"name": "Ventas", "fields": ["Numero", "Cliente"]}],
          "sort": ["+{Ventas.Numero}"],
          "columns": [{"title": "Número", "value": "{Ventas.Numero}"}, {"title": "Cliente", "value": "{Ventas.Cliente}"}],
          "pageHeader": [{"text": "'Hoja ' & totext(PageNumber) & ' de ' & totext(TotalPageCount)"}],
          "page": {"fontSize": 14},
          "subreports": [{"name": "Lineas", "link": {"field": "{Ventas.Cliente}", "subField": "{Renglones.Cliente}"},
            "report": {"tables": [{"name": "Renglones", "fields": ["Cliente", "Renglon", "Cantidad"]}],
                       "sort": ["-{Renglones.Renglon}"],
                       "columns": [{"title": "Renglón", "value": "{Renglones.Renglon}"}, {"title": "Cantidad", "value": "{Renglones.Cantidad}"}],
                       "summaries": [{"column": 1, "function": "sum"}],
                       "subreports": [{"name": "Notas", "link": {"field": "{Renglones.Renglon}", "subField": "{Notas.Renglon}"},
                         "report": {"tables": [{"name": "Notas", "fields": ["Renglon", "Texto"]}],
                                    "sort": ["+{Notas.Texto}"],
                                    "columns": [{"title": "Nota", "value": "{Notas.Texto}"}]}}]}}]
        })json"));
        def.subreports[0].report->selection = subSelection;
        return def;
    }

    // Each sale with its lines and their notes, one entry per detail line, read from the bands.
    static QStringList outline(const ReportModel& model, const QueryRunner& runner)
    {
        BandStream stream(model, runner);
        QStringList out;
        Band b;
        while (stream.next(b))
            if (b.kind == Band::Kind::Detail)
                out << QString(b.depth * 2, u' ') + b.cells.join(u'|');
        return out;
    }

    // The same, worked out with a query of its own for every sale and every line.
    QStringList expectedOutline(const QString& lineCondition)
    {
        SqliteTestDatabase& db = m_db;
        const QueryRunner runner = db.runner();
        const auto rows = [&](const QString& sql, std::size_t columns) {
            std::vector<std::vector<FormulaValue>> out;
            auto source = runner(sql, columns);
            std::vector<FormulaValue> row;
            while (source->next(row))
                out.push_back(row);
            return out;
        };
        QStringList out;
        for (const auto& sale : rows(QStringLiteral("SELECT Numero, Cliente FROM Ventas ORDER BY Numero"), 2)) {
            out << sale[0].toText() + u'|' + sale[1].toText();
            if (sale[1].isNull())
                continue;
            const QString customer = sale[1].toText();
            for (const auto& line : rows(QStringLiteral("SELECT Renglon, Cantidad FROM Renglones WHERE Cliente = '%1'%2 ORDER BY Renglon DESC")
                                             .arg(customer, lineCondition), 2)) {
                out << QStringLiteral("  ") + line[0].toText() + u'|' + line[1].toText();
                for (const auto& note : rows(QStringLiteral("SELECT Texto FROM Notas WHERE Renglon = %1 ORDER BY Texto").arg(line[0].toText()), 1))
                    out << QStringLiteral("    ") + note[0].toText();
            }
        }
        return out;
    }

    SqliteTestDatabase m_db;
};

} // namespace

// Whatever the number of sales, one query for the sales, one for all lines, one for all notes;
// each sale still gets the lines of its customer (letter case aside), none for a Null customer.
TEST_F(Subreports, OneQueryPerSubreportAndTheSameLinesAsAQueryPerRow)
{
    const QStringList expected = expectedOutline({});
    const int before = int(m_db.queries().size());
    const ReportModel model(definition());
    EXPECT_EQ(outline(model, m_db.runner()).join(u'\n').toStdString(), expected.join(u'\n').toStdString());
    EXPECT_EQ(int(m_db.queries().size()) - before, 3) << m_db.queries().mid(before).join(u'\n').toStdString();
    EXPECT_GE(expected.size(), 100);   // sales sharing a customer each show the lines again

    // A sub-report selection, partly for the database and partly evaluated per line.
    const QStringList filtered = expectedOutline(QStringLiteral(" AND Cantidad >= 1 AND Renglon <> 104"));
    const int again = int(m_db.queries().size());
    const ReportModel selective(definition(QStringLiteral("{Renglones.Cantidad} >= 1 AND totext({Renglones.Renglon}) <> '104'")));
    EXPECT_EQ(outline(selective, m_db.runner()), filtered);
    EXPECT_EQ(int(m_db.queries().size()) - again, 3);
    EXPECT_LT(filtered.size(), expected.size());
}

// A PDF that shows the page count, and a preview walked back and forth then saved, read the
// data once: three queries each.
TEST_F(Subreports, PageCountPreviewAndItsCopyReadTheDataOnce)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("ventas.pdf"));
    ReportJob job(m_db.runner());
    job.setDefinition(definition());
    job.setPrintDate(QDate(2024, 3, 1));
    job.setDestination(ReportJob::Destination::PdfFile, pdf);
    int before = int(m_db.queries().size());
    const ReportPrinter::Outcome out = job.run();
    EXPECT_EQ(int(m_db.queries().size()) - before, 3);
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), out.pages);
    ASSERT_GT(out.pages, 3);
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Hoja %1 de %1").arg(out.pages)));

    before = int(m_db.queries().size());
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    PreviewWindow preview(std::make_shared<ReportModel>(definition()), m_db.runner());
    preview.setPrintDate(QDate(2024, 3, 1));
    preview.lastPage();
    preview.previousPage();
    preview.showPage(2);
    preview.firstPage();
    const QString copy = dir.filePath(QStringLiteral("copia.pdf"));
    ASSERT_TRUE(preview.saveAsPdf(copy));
    EXPECT_EQ(int(m_db.queries().size()) - before, 3) << m_db.queries().mid(before).join(u'\n').toStdString();
    EXPECT_EQ(pdfPages(copy), pages);
}

// Link values meet as the database compares texts: letter case and trailing blanks aside; a
// date meets a date-time at midnight; a number meets the same number.
TEST(SubreportLinks, KeysMatchAsTheDatabaseCompares)
{
    const auto key = [](const FormulaValue& v) { return SubreportRows::linkKey(v); };
    EXPECT_EQ(key(FormulaValue::text(QStringLiteral("0001AbC  "))), key(FormulaValue::text(QStringLiteral("0001abc"))));
    EXPECT_EQ(key(FormulaValue::text(QStringLiteral("Ñandú"))), key(FormulaValue::text(QStringLiteral("ÑANDÚ"))));
    EXPECT_NE(key(FormulaValue::text(QStringLiteral(" abc"))), key(FormulaValue::text(QStringLiteral("abc"))));
    EXPECT_NE(key(FormulaValue::text(QStringLiteral("12"))), key(FormulaValue::text(QStringLiteral("120"))));
    EXPECT_EQ(key(FormulaValue::date(QDate(2024, 2, 29))), key(FormulaValue::dateTime(QDateTime(QDate(2024, 2, 29), QTime(0, 0)))));
    EXPECT_NE(key(FormulaValue::date(QDate(2024, 2, 29))), key(FormulaValue::dateTime(QDateTime(QDate(2024, 2, 29), QTime(0, 0, 1)))));
    EXPECT_EQ(key(FormulaValue::number(5)), key(FormulaValue::number(5.0)));
    EXPECT_NE(key(FormulaValue::number(5)), key(FormulaValue::number(5.000001)));
    EXPECT_EQ(key(FormulaValue::boolean(true)), key(FormulaValue::number(1)));
    EXPECT_TRUE(key(FormulaValue()).isNull());
}

namespace {

// Counts the queries a run opens on the demo database.
struct CountingRunner {
    int queries = 0;
    QueryRunner runner()
    {
        return [this, inner = AdoRowSource::runner(SharedDemoDatabase::shared().connection())](const QString& sql, std::size_t columns) {
            ++queries;
            return inner(sql, columns);
        };
    }
};

} // namespace

// The detailed layout with its three sub-reports, and a summary layout, on the demo database:
// one query per report and per sub-report, for the PDF and for the preview and its printout.
TEST(OneRead, DemoLayoutsQueryOncePerReportAndSubreport)
{
    QTemporaryDir dir;
    for (const char* file : {"MV_PR2C", "mv_prC"}) {
        SCOPED_TRACE(file);
        CountingRunner counter;
        ReportJob job(counter.runner());
        job.load(QDir(testpaths::demoReports()).filePath(QString::fromLatin1(file) + QStringLiteral(".rpt")));
        job.setSelection(QStringLiteral("{C_MV_CPTE.TC} = 'RMC' AND {C_MV_CPTE.Anulada} = FALSE"));
        job.setSortFields({QStringLiteral("+{C_MV_Cpte.FechaEntrega}")});
        job.setPrintDate(QDate(2024, 3, 1));
        const int expected = 1 + int(job.definition().subreports.size());
        job.setDestination(ReportJob::Destination::PdfFile, dir.filePath(QStringLiteral("a.pdf")));
        const ReportPrinter::Outcome out = job.run();
        EXPECT_GT(out.pages, 3);
        EXPECT_EQ(counter.queries, expected);

        counter.queries = 0;
        PreviewWindow preview(std::make_shared<ReportModel>(job.definition()), counter.runner());
        preview.setPrintDate(QDate(2024, 3, 1));
        preview.lastPage();
        for (int i = 0; i < 3; ++i)
            preview.previousPage();
        preview.firstPage();
        EXPECT_EQ(preview.pageCount(), out.pages);
        EXPECT_TRUE(preview.saveAsPdf(dir.filePath(QStringLiteral("b.pdf"))));
        EXPECT_EQ(counter.queries, expected);
        EXPECT_EQ(pdfPages(dir.filePath(QStringLiteral("b.pdf"))), pdfPages(dir.filePath(QStringLiteral("a.pdf"))));
    }
}

namespace {

// A connection that serves one result set at a time, as SQL Server does through FreeTDS: it
// notes every query asked for while an earlier one's rows are still being read.
struct OneResultSetAtATime {
    int open = 0;
    QStringList refused;

    class Source : public RowSource {
    public:
        Source(std::unique_ptr<RowSource> inner, int& open) : m_inner(std::move(inner)), m_open(open) { ++m_open; }
        ~Source() override { --m_open; }
        bool next(std::vector<FormulaValue>& row) override { return m_inner->next(row); }

    private:
        std::unique_ptr<RowSource> m_inner;
        int& m_open;
    };

    QueryRunner runner()
    {
        return [this, inner = AdoRowSource::runner(SharedDemoDatabase::shared().connection())](const QString& sql, std::size_t columns)
                   -> std::unique_ptr<RowSource> {
            if (open > 0)
                refused << sql;
            return std::make_unique<Source>(inner(sql, columns), open);
        };
    }
};

} // namespace

TEST(OneRead, SubreportsAreReadBeforeTheReportsOwnRowsAreOpened)
{
    QTemporaryDir dir;
    OneResultSetAtATime connection;
    ReportJob job(connection.runner());
    job.load(QDir(testpaths::demoReports()).filePath(QStringLiteral("MV_PR2C.rpt")));
    ASSERT_FALSE(job.definition().subreports.empty());
    job.setSelection(QStringLiteral("{C_MV_CPTE.TC} = 'RMC' AND {C_MV_CPTE.Anulada} = FALSE"));
    job.setDestination(ReportJob::Destination::PdfFile, dir.filePath(QStringLiteral("a.pdf")));
    const ReportPrinter::Outcome out = job.run();
    EXPECT_GT(out.pages, 3);
    EXPECT_TRUE(connection.refused.isEmpty()) << qPrintable(connection.refused.join(u'\n'));
    EXPECT_EQ(connection.open, 0);
}
