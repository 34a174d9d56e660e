// What a run keeps: laid-out pages read back in any order equal the pages as they were laid out,
// whether kept in memory or in a temporary file; values keep their kind and value; widths used to
// place texts agree with the font's own measure.
#include "DocumentData.h"
#include "reportengine/CompactReader.h"
#include "reportengine/CompactWriter.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportPages.h"
#include "reportengine/ReportRun.h"
#include "reportengine/TextWidths.h"
#include <QFontDatabase>
#include <QImage>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numeric>
#include <random>

using namespace reportengine;

namespace {

QString describe(const Page& page)
{
    QStringList out{QString::number(page.number)};
    for (const Band& b : page.bands)
        out << QStringLiteral("%1/%2/%3/%4/%5/%6/%7").arg(int(b.kind)).arg(b.level).arg(b.depth)
                   .arg(quintptr(b.model)).arg(b.repeated).arg(b.label, b.cells.join(u'|'));
    return out.join(u'\n');
}

ReportDefinition documentsWithLines()
{
    return DefinitionReader::readText(DocumentData::definitionJson(QStringLiteral(R"json(,
  "groups": [{"field": "{C_MV_CPTE.Cuenta}", "header": "'Cuenta ' & {MA_CUENTAS.Nombre}", "footer": "'Total ' & {C_MV_CPTE.Cuenta}"}],
  "summaries": [{"column": 4, "function": "sum"}],
  "subreports": [{"name": "Rp_CpteIns", "link": {"field": "{C_MV_CPTE.IdComprobante}", "subField": "{C_MV_CPTEINSUMOS.IdComprobante}"},
    "report": {"tables": [{"name": "C_MV_CPTEINSUMOS", "fields": ["IdComprobante", "IdArticulo", "Cantidad"]}],
               "columns": [{"title": "Artículo", "value": "{C_MV_CPTEINSUMOS.IdArticulo}"},
                           {"title": "Cantidad", "value": "{C_MV_CPTEINSUMOS.Cantidad}"}]}}])json")));
}

} // namespace

// A store far smaller than the report moves to a temporary file; either way every page read
// back, in a shuffled order, is the page the paginator made, sub-report bands included.
TEST(KeptPages, PagesReadBackInAnyOrderAreThePagesLaidOut)
{
    DocumentData data(400);
    const ReportModel model(documentsWithLines());
    const QueryRunner runner = data.database().runner();
    std::vector<QString> laidOut;
    {
        ReportRun run(model, runner);
        Page page;
        while (run.nextPage(page))
            laidOut.push_back(describe(page));
    }
    ASSERT_GT(laidOut.size(), 8u);
    for (const qint64 limit : {qint64(4096), SpillBuffer::DefaultMemoryLimit}) {
        SCOPED_TRACE(limit);
        ReportPages pages(model, runner, limit);
        EXPECT_FALSE(pages.complete());
        while (pages.layOutNext()) {
        }
        EXPECT_TRUE(pages.complete());
        EXPECT_EQ(pages.onDisk(), limit == 4096);
        EXPECT_EQ(pages.rowsRead(), 400);
        ASSERT_EQ(std::size_t(pages.count()), laidOut.size());
        std::vector<int> order(laidOut.size());
        std::iota(order.begin(), order.end(), 1);
        std::shuffle(order.begin(), order.end(), std::mt19937(27));
        for (int number : order)
            EXPECT_EQ(describe(pages.page(number)).toStdString(), laidOut[std::size_t(number - 1)].toStdString());
        EXPECT_THROW(pages.page(0), ReportError);
        EXPECT_THROW(pages.page(pages.count() + 1), ReportError);
    }
}

// Stopped halfway, the pages laid out stay readable and no more come.
TEST(KeptPages, StoppedLayoutKeepsItsPages)
{
    DocumentData data(400);
    const ReportModel model(documentsWithLines());
    const QueryRunner runner = data.database().runner();
    ReportPages pages(model, runner, 2048);
    ASSERT_TRUE(pages.layOutNext());
    ASSERT_TRUE(pages.layOutNext());
    const QString second = describe(pages.page(2));
    pages.stop();
    EXPECT_TRUE(pages.stopped());
    EXPECT_FALSE(pages.complete());
    EXPECT_FALSE(pages.layOutNext());
    EXPECT_EQ(pages.count(), 2);
    EXPECT_EQ(describe(pages.page(2)), second);
}

TEST(KeptPages, ValuesKeepTheirKindAndValue)
{
    const std::vector<FormulaValue> values = {
        FormulaValue(), FormulaValue::boolean(true), FormulaValue::boolean(false),
        FormulaValue::number(0), FormulaValue::number(-1234567.891), FormulaValue::number(1e300),
        FormulaValue::number(std::numeric_limits<double>::denorm_min()),
        FormulaValue::text(QString()), FormulaValue::text(QStringLiteral("Ñandú S.A. – 25 % 😀")),
        FormulaValue::text(QString(300, u'x')),
        FormulaValue::date(QDate(1899, 12, 30)), FormulaValue::date(QDate(2024, 2, 29)), FormulaValue::date(QDate()),
        FormulaValue::dateTime(QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59, 999))), FormulaValue::dateTime(QDateTime()),
    };
    CompactWriter out;
    for (const FormulaValue& v : values)
        out.value(v);
    const std::vector<qint64> numbers = {0, 1, -1, 63, -64, 64, 127, 128, 300, std::numeric_limits<qint64>::max(),
                                         std::numeric_limits<qint64>::min()};
    for (qint64 n : numbers)
        out.signedNumber(n);
    CompactReader in(out.bytes());
    for (const FormulaValue& v : values) {
        const FormulaValue back = in.value();
        EXPECT_EQ(back.kind(), v.kind()) << v.toText().toStdString();
        EXPECT_TRUE(back == v) << v.toText().toStdString() << " came back as " << back.toText().toStdString();
    }
    for (qint64 n : numbers)
        EXPECT_EQ(in.signedNumber(), n);
    EXPECT_TRUE(in.atEnd());

    // Bytes that end too soon are a report error, never a read past the end.
    for (qsizetype cut : {qsizetype(1), qsizetype(10), out.bytes().size() - 1}) {
        CompactReader shortened(out.bytes().left(cut));
        EXPECT_THROW(
            {
                for (std::size_t i = 0; i < values.size() + numbers.size(); ++i)
                    i < values.size() ? (void)shortened.value() : (void)shortened.signedNumber();
            },
            ReportError)
            << cut;
    }
}

// Widths added up from characters are the widths the font gives, and a text told to be narrower
// than a cell is never wider, on a printer's resolution and on the screen's.
TEST(KeptPages, TextWidthsAgreeWithTheFont)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8);
    QImage screen(10, 10, QImage::Format_RGB32);
    QImage printer(10, 10, QImage::Format_RGB32);
    printer.setDotsPerMeterX(int(300 / 0.0254));
    printer.setDotsPerMeterY(int(300 / 0.0254));
    QRandomGenerator random(5);
    const QString plain = QStringLiteral("0123456789.,-/: ");
    const QString any = plain + QStringLiteral("AVTWYafilorstvwyÁÑñ'\"()Lj");
    for (QImage* device : {&screen, &printer}) {
        TextWidths widths(font, device);
        const QFontMetricsF metrics(font, device);
        for (int i = 0; i < 400; ++i) {
            QString numeric, mixed;
            for (int c = random.bounded(1, 16); c > 0; --c) {
                numeric += plain[random.bounded(plain.size())];
                mixed += any[random.bounded(any.size())];
            }
            EXPECT_NEAR(widths.width(numeric), metrics.horizontalAdvance(numeric), 1e-6) << numeric.toStdString();
            EXPECT_NEAR(widths.width(mixed), metrics.horizontalAdvance(mixed), 1e-6) << mixed.toStdString();
            const qreal exact = metrics.horizontalAdvance(mixed);
            for (qreal limit : {exact * 0.95, exact, exact * 1.05, exact * 1.2}) {
                if (widths.surelyNarrower(mixed, limit)) {
                    EXPECT_LE(exact, limit) << mixed.toStdString();
                }
            }
        }
        EXPECT_TRUE(widths.surelyNarrower(QStringLiteral("RMC"), metrics.horizontalAdvance(QStringLiteral("RMC")) * 2));
    }
}
