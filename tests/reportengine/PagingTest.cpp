#include "PdfText.h"
#include "SqliteTestDatabase.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportJob.h"
#include "reportengine/ReportModel.h"
#include "reportengine/ReportPrinter.h"
#include "reportengine/ReportRun.h"
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace reportengine;

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

// Sales lines grouped by department and brand; each sale may have item lines for a sub-report.
class Paging : public ::testing::Test {
protected:
    Paging()
    {
        m_db.exec(QStringLiteral(
            "CREATE TABLE Ventas (Rubro TEXT, Marca TEXT, Numero INT, Importe REAL);"
            "CREATE TABLE Renglones (Numero INT, Renglon INT)"));
    }

    void addSales(const QString& department, const QString& brand, int count)
    {
        QStringList sql{QStringLiteral("BEGIN")};
        for (int i = 0; i < count; ++i, ++m_next)
            sql << QStringLiteral("INSERT INTO Ventas VALUES ('%1', '%2', %3, %4)").arg(department, brand).arg(m_next).arg(m_next % 7);
        sql << QStringLiteral("COMMIT");
        m_db.exec(sql.join(u';'));
    }

    void addItemLines(int sale, int count)
    {
        QStringList sql{QStringLiteral("BEGIN")};
        for (int line = 1; line <= count; ++line)
            sql << QStringLiteral("INSERT INTO Renglones VALUES (%1, %2)").arg(sale).arg(line);
        sql << QStringLiteral("COMMIT");
        m_db.exec(sql.join(u';'));
    }

    // pageEnd replaces the end of the page settings, "fontSize": 10}.
    static ReportDefinition definition(const QString& extra) { return definition({}, extra); }
    static ReportDefinition definition(const QString& pageEnd, const QString& extra)
    {
        return DefinitionReader::readText(QString::fromUtf8(R"json({
  "tables": [{"name": "Ventas", "fields": ["Rubro", "Marca", "Numero", "Importe"]}],
  "sort": ["+{Ventas.Numero}"],
  "columns": [{"title": "Número", "value": "{Ventas.Numero}", "width": 30},
              {"title": "Importe", "value": "{Ventas.Importe}", "width": 30, "align": "right", "format": "0.00"}],
  "summaries": [{"column": 1, "function": "sum"}],
  "pageHeader": [{"text": "'Hoja ' & totext(PageNumber) & ' de ' & totext(TotalPageCount)", "align": "right"}],
  "page": {"size": "A4", "margin": 10, %1%2
})json").arg(pageEnd.isEmpty() ? QStringLiteral(R"json("fontSize": 10})json") : pageEnd, extra).toUtf8());
    }

    static ReportDefinition grouped()
    {
        return definition(QStringLiteral(R"json(,
  "groups": [{"field": "{Ventas.Rubro}", "header": "'Rubro ' & {Ventas.Rubro}"},
             {"field": "{Ventas.Marca}", "header": "'Marca ' & {Ventas.Marca}"}])json"));
    }

    static ReportDefinition withItemLines(const QString& pageEnd = {})
    {
        return definition(pageEnd, QStringLiteral(R"json(,
  "subreports": [{"name": "Items", "link": {"field": "{Ventas.Numero}", "subField": "{Renglones.Numero}"},
    "report": {"tables": [{"name": "Renglones", "fields": ["Numero", "Renglon"]}],
               "sort": ["+{Renglones.Renglon}"],
               "columns": [{"title": "Renglón", "value": "{Renglones.Renglon}"}]}}])json"));
    }

    // Whole lines of the body, with the fraction left over far enough from a line boundary that
    // rounding cannot move a band across it.
    static double bodyLines(const ReportDefinition& def)
    {
        const PageLayout layout(def);
        const double lines = layout.bodyHeight() / layout.lineHeight();
        const double fraction = lines - std::floor(lines);
        EXPECT_GT(fraction, 0.1);
        EXPECT_LT(fraction, 0.4);   // a group header is a line and a half
        return lines;
    }

    std::vector<Page> pages(const ReportModel& model)
    {
        const QueryRunner runner = m_db.runner();
        ReportRun run(model, runner);
        std::vector<Page> out;
        Page page;
        while (run.nextPage(page))
            out.push_back(page);
        return out;
    }

    // One entry per band, details of one report counted in runs; "*" marks a repeated heading, and
    // "row*" a row repeated above its sub-report's lines.
    static QStringList outline(const Page& page)
    {
        QStringList out;
        int details = 0;
        int detailDepth = 0;
        auto flush = [&] {
            if (details)
                out << QStringLiteral("%1 detail%2").arg(details).arg(detailDepth ? QStringLiteral(" sub") : QString());
            details = 0;
        };
        for (const Band& b : page.bands) {
            if (b.kind == Band::Kind::Detail && b.repeated) {
                flush();
                out << QStringLiteral("row*");
                continue;
            }
            if (b.kind == Band::Kind::Detail && (details == 0 || detailDepth == b.depth)) {
                detailDepth = b.depth;
                ++details;
                continue;
            }
            flush();
            if (b.kind == Band::Kind::Detail) {
                detailDepth = b.depth;
                details = 1;
                continue;
            }
            const QString mark = b.repeated ? QStringLiteral("*") : QString();
            switch (b.kind) {
            case Band::Kind::ColumnTitles: out << (b.depth ? QStringLiteral("sub titles") : QStringLiteral("titles")) + mark; break;
            case Band::Kind::GroupHeader: out << b.label + mark; break;
            case Band::Kind::GroupFooter: out << QStringLiteral("footer %1").arg(b.level); break;
            case Band::Kind::ReportFooter: out << (b.depth ? QStringLiteral("sub total") : b.label); break;
            case Band::Kind::Detail: break;
            }
        }
        flush();
        return out;
    }

    static double used(const Page& page, const PageLayout& layout)
    {
        double height = 0;
        for (const Band& b : page.bands)
            height += layout.bandHeight(b);
        return height;
    }

    static int details(const std::vector<Page>& made)
    {
        int count = 0;
        for (const Page& page : made)
            for (const Band& b : page.bands)
                count += b.kind == Band::Kind::Detail && !b.repeated;
        return count;
    }

    // Over the bands in the order they came (repeated headings left out): each run of headings
    // (column titles, group headers, a row followed by its sub-report's titles) has on its own
    // page the lines under it up to the page's keepWithHeading, or all of them when fewer come
    // before the next heading; no page ends on a heading; no body overflows.
    static void expectHeadingsKeepTheirLines(const std::vector<Page>& made, const PageLayout& layout)
    {
        std::vector<std::pair<const Band*, std::size_t>> bands;   // band, page index
        for (std::size_t p = 0; p < made.size(); ++p) {
            EXPECT_LE(used(made[p], layout), layout.bodyHeight()) << "page " << p + 1;
            for (const Band& b : made[p].bands)
                if (!b.repeated)
                    bands.emplace_back(&b, p);
        }
        const auto opens = [&](std::size_t i) {
            const Band& b = *bands[i].first;
            return Paginator::isHeading(b) || (b.kind == Band::Kind::Detail && i + 1 < bands.size()
                                               && bands[i + 1].first->kind == Band::Kind::ColumnTitles && bands[i + 1].first->depth > b.depth);
        };
        for (std::size_t i = 0; i < bands.size();) {
            if (!opens(i)) {
                ++i;
                continue;
            }
            std::size_t last = i;   // the last heading of the run
            while (last + 1 < bands.size() && opens(last + 1))
                ++last;
            EXPECT_EQ(bands[last].second, bands[i].second) << "a run of headings parted on page " << bands[i].second + 1;
            std::size_t under = 0, onItsPage = 0;
            for (std::size_t j = last + 1; j < bands.size() && !opens(j); ++j, ++under)
                onItsPage += bands[j].second == bands[last].second;
            EXPECT_GE(onItsPage, std::min(under, std::size_t(layout.keepWithHeading())))
                << "page " << bands[last].second + 1 << " ends after " << onItsPage << " lines under " << bands[last].first->label.toStdString();
            i = last + 1;
        }
    }

    // Counting pass and painting pass of the same report, the painted pages read back from PDF.
    void expectCountedPagesArePainted(const ReportDefinition& def, int expected)
    {
        const ReportModel model(def);
        const QueryRunner runner = m_db.runner();
        ReportPrinter printer(model, runner);
        ASSERT_TRUE(printer.needsPageCount());
        EXPECT_EQ(printer.countPages().pages, expected);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("ventas.pdf"));
        ReportJob job(runner);
        job.setDefinition(def);
        job.setDestination(ReportJob::Destination::PdfFile, pdf);
        EXPECT_EQ(job.run().pages, expected);
        const QStringList painted = pdfPages(pdf);
        ASSERT_EQ(painted.size(), expected);
        for (int i = 0; i < expected; ++i)
            EXPECT_TRUE(painted[i].contains(QStringLiteral("Hoja %1 de %2").arg(i + 1).arg(expected))) << painted[i].toStdString();
    }

    SqliteTestDatabase m_db;
    int m_next = 1;
};

} // namespace

// Page 1 has room for the next brand's header but not for its first line: the header moves to
// page 2, which opens with the titles and the department still open; page 3 continues the brand.
TEST_F(Paging, GroupHeaderMovesWithItsFirstLineAndOpenHeadersRepeat)
{
    const ReportDefinition def = grouped();
    // titles 1 + two headers 3 + details + footer 1, then a header of 1.5 that fits alone
    const int first = int(std::floor(bodyLines(def) - 6.5));
    const int second = int(bodyLines(def)) + 5;   // spills over page 2
    addSales(QStringLiteral("A"), QStringLiteral("Norte"), first);
    addSales(QStringLiteral("A"), QStringLiteral("Sur"), second);
    addSales(QStringLiteral("B"), QStringLiteral("Norte"), 2);

    const std::vector<Page> made = pages(ReportModel(def));
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(outline(made[0]), (QStringList{QStringLiteral("titles"), QStringLiteral("Rubro A"), QStringLiteral("Marca Norte"),
                                             QStringLiteral("%1 detail").arg(first), QStringLiteral("footer 1")}));
    const QStringList second2 = outline(made[1]);
    ASSERT_EQ(second2.size(), 4);
    EXPECT_EQ(second2.mid(0, 3), (QStringList{QStringLiteral("titles*"), QStringLiteral("Rubro A*"), QStringLiteral("Marca Sur")}));
    const int onSecond = second2[3].split(u' ').first().toInt();
    EXPECT_EQ(outline(made[2]), (QStringList{QStringLiteral("titles*"), QStringLiteral("Rubro A*"), QStringLiteral("Marca Sur*"),
                                             QStringLiteral("%1 detail").arg(second - onSecond), QStringLiteral("footer 1"),
                                             QStringLiteral("footer 0"), QStringLiteral("Rubro B"), QStringLiteral("Marca Norte"),
                                             QStringLiteral("2 detail"), QStringLiteral("footer 1"), QStringLiteral("footer 0"),
                                             QStringLiteral("Total")}));
    expectCountedPagesArePainted(def, 3);

    // The same line from a formula of the report: each page has its own number.
    ReportDefinition numbered = def;
    numbered.formulas.push_back({QStringLiteral("Hoja"), numbered.pageHeader.at(0).text});
    numbered.pageHeader[0].text = QStringLiteral("{@Hoja}");
    expectCountedPagesArePainted(numbered, 3);
}

// Whatever the lengths of the groups and however many lines a heading keeps, no page ends on a
// heading, every heading has its first lines under it on its page, no body overflows and every
// line is printed once.
TEST_F(Paging, HeadingsKeepTheirFirstLinesWhateverTheGroupLengths)
{
    ReportDefinition def = grouped();
    const int lines = int(bodyLines(def));
    for (int keep = 1; keep <= 3; ++keep) {
        def.page.keepWithHeading = keep;
        for (int lead = lines - 12; lead <= lines; ++lead) {
            SCOPED_TRACE(QStringLiteral("keep %1, lead %2").arg(keep).arg(lead).toStdString());
            m_db.exec(QStringLiteral("DELETE FROM Ventas"));
            addSales(QStringLiteral("A"), QStringLiteral("Norte"), lead);
            for (int i = 0; i < 12; ++i)
                addSales(QStringLiteral("R%1").arg(i % 3), QStringLiteral("M%1").arg(i % 4), 1 + i % 3);
            const std::vector<Page> made = pages(ReportModel(def));
            expectHeadingsKeepTheirLines(made, PageLayout(def));
            EXPECT_EQ(details(made), lead + 24);
        }
    }
    expectCountedPagesArePainted(def, int(pages(ReportModel(def)).size()));
}

// A sale keeps its item titles and first two items on its page, wherever it falls, and its long
// list of items fills every page it runs over.
TEST_F(Paging, ARowKeepsItsFirstLinesAndItsLongSubreportFillsThePages)
{
    const ReportDefinition def = withItemLines(QStringLiteral(R"json("fontSize": 10, "keepWithHeading": 2})json"));
    ASSERT_EQ(def.page.keepWithHeading, 2);
    const PageLayout layout(def);
    const int lines = int(bodyLines(def));
    const int items = 2 * lines;
    for (int before = lines - 8; before <= lines; ++before) {
        SCOPED_TRACE(before);
        m_db.exec(QStringLiteral("DELETE FROM Ventas; DELETE FROM Renglones"));
        m_next = 1;
        addSales(QStringLiteral("A"), QStringLiteral("Norte"), before + 2);
        addItemLines(before + 1, items);
        const std::vector<Page> made = pages(ReportModel(def));
        expectHeadingsKeepTheirLines(made, layout);
        EXPECT_EQ(details(made), before + 2 + items);
        // Every page the items run over is full: the band that opens the next page did not fit.
        for (std::size_t i = 0; i + 1 < made.size(); ++i) {
            const auto& next = made[i + 1].bands;
            const auto first = std::find_if(next.begin(), next.end(), [](const Band& b) { return !b.repeated; });
            ASSERT_NE(first, next.end());
            if (first->depth == 1) {
                EXPECT_GT(used(made[i], layout) + layout.bandHeight(*first), layout.bodyHeight()) << "page " << i + 1;
            }
        }
    }
}

// The sale with items would be the last line of page 1, its item titles the first of page 2: the
// sale moves down with its titles and first item, and page 3, still inside the same sale's items,
// opens with the sale and the item titles again, so that no item is read without its sale.
TEST_F(Paging, ARowMovesWithItsSubreportAndRepeatsAboveItOnTheNextPage)
{
    const ReportDefinition def = withItemLines();
    const int before = int(std::floor(bodyLines(def) - 2));   // titles, these sales, the sale with items
    const int items = int(bodyLines(def)) + 5;   // spills over page 2
    addSales(QStringLiteral("A"), QStringLiteral("Norte"), before + 2);
    addItemLines(before + 1, items);

    const std::vector<Page> made = pages(ReportModel(def));
    ASSERT_EQ(made.size(), 3u);
    EXPECT_EQ(outline(made[0]), (QStringList{QStringLiteral("titles"), QStringLiteral("%1 detail").arg(before)}));
    const QStringList page2 = outline(made[1]);
    ASSERT_EQ(page2.size(), 4);
    EXPECT_EQ(page2.mid(0, 3), (QStringList{QStringLiteral("titles*"), QStringLiteral("1 detail"), QStringLiteral("sub titles")}));
    const int onSecond = page2[3].split(u' ').first().toInt();
    EXPECT_EQ(outline(made[2]), (QStringList{QStringLiteral("titles*"), QStringLiteral("row*"), QStringLiteral("sub titles*"),
                                             QStringLiteral("%1 detail sub").arg(items - onSecond), QStringLiteral("sub total"),
                                             QStringLiteral("1 detail"), QStringLiteral("Total")}));
    expectCountedPagesArePainted(def, 3);
}

// A sale whose items end at the foot of page 1 is over: page 2 opens with the next sale, not with
// the finished one repeated. Item counts around a full page find that case.
TEST_F(Paging, ARowWhoseSubreportEndedAtThePageFootIsNotRepeated)
{
    const ReportDefinition def = withItemLines();
    const int lines = int(bodyLines(def));
    int endedAtFoot = 0;
    for (int items = lines - 8; items <= lines; ++items) {
        SCOPED_TRACE(items);
        m_db.exec(QStringLiteral("DELETE FROM Ventas; DELETE FROM Renglones"));
        m_next = 1;
        addSales(QStringLiteral("A"), QStringLiteral("Norte"), 2);
        addItemLines(1, items);
        const std::vector<Page> made = pages(ReportModel(def));
        if (made.size() != 2 || outline(made[0]).constLast() != QStringLiteral("sub total"))
            continue;
        ++endedAtFoot;
        EXPECT_EQ(outline(made[1]), (QStringList{QStringLiteral("titles*"), QStringLiteral("1 detail"), QStringLiteral("Total")}));
    }
    EXPECT_GE(endedAtFoot, 1);
}

TEST_F(Paging, TotalLineLabelComesFromItsFormula)
{
    addSales(QStringLiteral("A"), QStringLiteral("Norte"), 3);
    addItemLines(2, 2);
    auto totalLabel = [&](const ReportDefinition& def, int depth) {
        const std::vector<Page> made = pages(ReportModel(def));
        QStringList labels;
        for (const Page& page : made)
            for (const Band& b : page.bands)
                if (b.kind == Band::Kind::ReportFooter && b.depth == depth)
                    labels << b.label;
        return labels;
    };
    EXPECT_EQ(totalLabel(definition({}), 0), QStringList{QStringLiteral("Total")});
    EXPECT_EQ(totalLabel(withItemLines(), 1), QStringList{QString()});
    EXPECT_EQ(totalLabel(definition(QStringLiteral(R"json(, "totalLabel": "'Total general hasta ' & totext({Ventas.Numero})")json")), 0),
              QStringList{QStringLiteral("Total general hasta 3")});

    ReportDefinition items = withItemLines();
    items.subreports[0].report->totalLabel = QStringLiteral("'Renglones'");
    EXPECT_EQ(totalLabel(items, 1), QStringList{QStringLiteral("Renglones")});

    // With no rows the label's fields are Null, not a crash.
    ReportDefinition none = definition(QStringLiteral(R"json(, "totalLabel": "'Sin ventas' & totext({Ventas.Numero})")json"));
    none.selection = QStringLiteral("{Ventas.Numero} > 100");
    EXPECT_EQ(totalLabel(none, 0), QStringList{QStringLiteral("Sin ventas")});

    try {
        definition(QStringLiteral(R"json(, "totalLabel": "{Ventas.Nada}")json"));
        ADD_FAILURE() << "an unknown field was accepted";
    } catch (const ReportError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Nada"))) << e.what();
    }
}
