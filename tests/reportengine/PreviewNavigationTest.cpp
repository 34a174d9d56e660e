// The preview shows its first page before the rest is laid out, and any page reached in any
// order, before or after the layout is complete, is the page reached in order.
#include "DocumentData.h"
#include "FailingRows.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/PreviewWindow.h"
#include "reportengine/ReportJob.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include "PdfText.h"
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace reportengine;

namespace {

// Rows that take a while to come, as from a busy server: the preview cannot lay the report out
// before it opens.
class SlowRows : public RowSource {
public:
    explicit SlowRows(std::unique_ptr<RowSource> rows) : m_rows(std::move(rows)) {}
    bool next(std::vector<FormulaValue>& row) override
    {
        QThread::usleep(1500);
        return m_rows->next(row);
    }

private:
    std::unique_ptr<RowSource> m_rows;
};

QueryRunner slow(QueryRunner runner)
{
    return [runner = std::move(runner)](const QString& sql, std::size_t columns) -> std::unique_ptr<RowSource> {
        return std::make_unique<SlowRows>(runner(sql, columns));
    };
}

std::shared_ptr<ReportModel> documents()
{
    return std::make_shared<ReportModel>(DefinitionReader::readText(DocumentData::definitionJson(QStringLiteral(R"json(,
  "groups": [{"field": "{C_MV_CPTE.Cuenta}", "header": "'Cuenta ' & {C_MV_CPTE.Cuenta}", "footer": "'Total ' & {C_MV_CPTE.Cuenta}"}],
  "summaries": [{"column": 4, "function": "sum"}])json"))));
}

const QDate PrintDate(2024, 7, 1);

// Every page, shown in order once the layout is complete.
std::vector<QImage> inOrder(const std::shared_ptr<ReportModel>& model, const QueryRunner& runner)
{
    PreviewWindow preview(model, runner);
    preview.setPrintDate(PrintDate);
    EXPECT_TRUE(preview.finishLayout());
    std::vector<QImage> pages;
    for (int page = 1; page <= preview.pageCount(); ++page) {
        preview.showPage(page);
        pages.push_back(preview.pageImage());
    }
    return pages;
}

// The pages of a report shown in order, and a preview of it whose rows come slowly.
class PreviewNavigation : public ::testing::Test {
protected:
    PreviewNavigation() : m_data(300), m_model(documents()), m_expected(inOrder(m_model, m_data.database().runner())) {}

    std::unique_ptr<PreviewWindow> slowPreview()
    {
        auto preview = std::make_unique<PreviewWindow>(m_model, slow(m_data.database().runner()));
        preview->setPrintDate(PrintDate);
        EXPECT_FALSE(preview->pageCountKnown());
        return preview;
    }

    DocumentData m_data;
    std::shared_ptr<ReportModel> m_model;
    std::vector<QImage> m_expected;
};

} // namespace

TEST_F(PreviewNavigation, AnyOrderShowsThePagesShownInOrder)
{
    const std::vector<QImage>& expected = m_expected;
    const int count = int(expected.size());
    ASSERT_GE(count, 6);
    EXPECT_NE(expected[1], expected[2]);

    // Navigation starts while the report is still being laid out.
    const auto owned = slowPreview();
    PreviewWindow& preview = *owned;
    EXPECT_LT(preview.pageCount(), count);
    EXPECT_TRUE(preview.statusText().startsWith(QStringLiteral("Página 1 (contando páginas: "))) << preview.statusText().toStdString();
    preview.showPage(3);                       // laid out up to it, not beyond need
    EXPECT_EQ(preview.currentPage(), 3);
    EXPECT_FALSE(preview.pageCountKnown());
    preview.lastPage();
    EXPECT_TRUE(preview.pageCountKnown());
    EXPECT_EQ(preview.currentPage(), count);
    EXPECT_EQ(preview.pageImage(), expected.back());
    EXPECT_EQ(preview.statusText(), QStringLiteral("Página %1 de %1").arg(count));

    QRandomGenerator random(27);
    for (int step = 0; step < 40; ++step) {
        switch (random.bounded(5)) {
        case 0: preview.firstPage(); break;
        case 1: preview.lastPage(); break;
        case 2: preview.previousPage(); break;
        case 3: preview.nextPage(); break;
        default: preview.showPage(random.bounded(-2, count + 3)); break;   // typed, out of range too
        }
        ASSERT_GE(preview.currentPage(), 1);
        ASSERT_LE(preview.currentPage(), count);
        EXPECT_EQ(preview.pageImage(), expected[std::size_t(preview.currentPage() - 1)]) << "step " << step;
    }
}

// The first page shows with the page count still unknown; once known, the page shown says it.
TEST_F(PreviewNavigation, PageCountAppearsWhenKnown)
{
    const std::vector<QImage>& expected = m_expected;
    const auto owned = slowPreview();
    PreviewWindow& preview = *owned;
    const QImage early = preview.pageImage();
    EXPECT_NE(early, expected.front());        // "Página 1 de " without the count
    std::vector<std::pair<int, int>> told;
    preview.setProgressHandler([&](int done, int total) {
        told.emplace_back(done, total);
        return true;
    });
    EXPECT_TRUE(preview.finishLayout());
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_EQ(preview.pageImage(), expected.front());
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), std::make_pair(int(expected.size()), int(expected.size())));
    EXPECT_EQ(told.front().second, 0);
}

// The operator types a page number and presses Enter: the preview goes to it, laying the report
// out up to it first; a number past the last page goes to the last, 0 to the first, and letters
// are not taken. The box always ends showing the page shown.
TEST_F(PreviewNavigation, ATypedPageNumberGoesToThatPage)
{
    const auto owned = slowPreview();
    PreviewWindow& preview = *owned;
    preview.show();
    auto* box = preview.findChild<QLineEdit*>(QStringLiteral("pageBox"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), QStringLiteral("1"));
    const auto type = [&](const QString& text) {
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    };
    const int count = int(m_expected.size());
    const int beyondLaidOut = preview.pageCount() + 2;
    ASSERT_LT(beyondLaidOut, count);
    type(QString::number(beyondLaidOut));
    EXPECT_EQ(preview.currentPage(), beyondLaidOut);
    EXPECT_FALSE(preview.pageCountKnown());    // laid out up to it, not beyond need
    EXPECT_EQ(box->text(), QString::number(beyondLaidOut));
    type(QStringLiteral("99999999"));
    EXPECT_EQ(preview.currentPage(), count);
    EXPECT_EQ(box->text(), QString::number(count));
    EXPECT_EQ(preview.pageImage(), m_expected.back());
    type(QStringLiteral("0"));
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_EQ(box->text(), QStringLiteral("1"));
    type(QStringLiteral("3"));
    EXPECT_EQ(preview.pageImage(), m_expected[2]);
    type(QStringLiteral("dos"));
    EXPECT_EQ(preview.currentPage(), 3);
    EXPECT_EQ(box->text(), QStringLiteral("3"));
}

// The zoom box shows the zoom as a percentage and takes one typed or chosen; the two fits put the
// page's width, or the whole page, in the view and keep it so when the window changes size.
TEST_F(PreviewNavigation, TheZoomBoxShowsAndSetsThePercentage)
{
    PreviewWindow preview(m_model, m_data.database().runner());
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    auto* box = preview.findChild<QComboBox*>(QStringLiteral("zoomBox"));
    const QScrollArea* scroll = preview.findChild<QScrollArea*>();
    ASSERT_NE(box, nullptr);
    ASSERT_NE(scroll, nullptr);
    EXPECT_EQ(box->currentText(), QStringLiteral("%1 %").arg(qRound(preview.zoom() * 100)));
    const QImage page = preview.pageImage();
    const double perZoom = page.width() / preview.zoom();

    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("150"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(preview.zoom(), 1.5);
    EXPECT_EQ(box->currentText(), QStringLiteral("150 %"));
    EXPECT_NEAR(preview.pageImage().width(), perZoom * 1.5, 2);

    const auto choose = [&](const QString& item) {
        const int index = box->findText(item);
        ASSERT_GE(index, 0) << item.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    };
    choose(QStringLiteral("75 %"));
    EXPECT_DOUBLE_EQ(preview.zoom(), 0.75);

    choose(QStringLiteral("Ancho de página"));
    const auto widthFits = [&] {
        const int view = scroll->viewport()->width();
        EXPECT_LE(preview.pageImage().width(), view);
        EXPECT_GT(preview.pageImage().width(), view - 30);
        EXPECT_EQ(box->currentText(), QStringLiteral("%1 %").arg(qRound(preview.zoom() * 100)));
    };
    widthFits();
    preview.resize(preview.width() + 200, preview.height());
    widthFits();

    choose(QStringLiteral("Página entera"));
    const QSize view = scroll->viewport()->size();
    EXPECT_LE(preview.pageImage().width(), view.width());
    EXPECT_LE(preview.pageImage().height(), view.height());
    EXPECT_GT(preview.pageImage().height(), view.height() - 30);

    preview.zoomIn();                          // a zoom of the operator's own ends the fit
    const double chosen = preview.zoom();
    preview.resize(preview.width() - 200, preview.height());
    EXPECT_DOUBLE_EQ(preview.zoom(), chosen);
}

// Pages asked for while the progress handler runs (clicks taken while the layout goes on) are
// shown when the layout reaches them.
TEST_F(PreviewNavigation, RequestsDuringTheLayoutAreServedByIt)
{
    const std::vector<QImage>& expected = m_expected;
    const auto owned = slowPreview();
    PreviewWindow& preview = *owned;
    const int start = preview.pageCount();
    bool asked = false;
    preview.setProgressHandler([&](int done, int) {
        if (done == start + 1 && !asked) {
            asked = true;
            preview.lastPage();                // from inside the running layout
            preview.showPage(2);               // then an earlier page, already laid out
            preview.lastPage();
        }
        return true;
    });
    preview.showPage(start + 2);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(preview.pageCountKnown());
    EXPECT_EQ(preview.currentPage(), int(expected.size()));
    EXPECT_EQ(preview.pageImage(), expected.back());
}

// Cancelled from the progress handler: the pages laid out stay, the status says the report was
// cut short, and a copy saved then is the whole report, from a new run.
TEST_F(PreviewNavigation, CancelledLayoutKeepsItsPagesAndSavesTheWholeReport)
{
    const std::vector<QImage>& expected = m_expected;
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    const auto owned = slowPreview();
    PreviewWindow& preview = *owned;
    const int start = preview.pageCount();
    preview.setProgressHandler([&](int done, int) { return done < start + 2; });
    EXPECT_FALSE(preview.finishLayout());
    EXPECT_TRUE(preview.layoutStopped());
    EXPECT_EQ(preview.pageCount(), start + 2);
    preview.lastPage();
    EXPECT_EQ(preview.currentPage(), start + 2);
    EXPECT_TRUE(preview.statusText().contains(QStringLiteral("interrumpido"))) << preview.statusText().toStdString();

    QTemporaryDir dir;
    preview.setProgressHandler({});
    ASSERT_TRUE(preview.saveAsPdf(dir.filePath(QStringLiteral("todo.pdf"))));
    const QStringList pages = pdfPages(dir.filePath(QStringLiteral("todo.pdf")));
    EXPECT_EQ(pages.size(), qsizetype(expected.size()));
    EXPECT_TRUE(pages.last().contains(QStringLiteral("Página %1 de %1").arg(expected.size())));
    EXPECT_TRUE(dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox).isEmpty());
}

// A query that fails while the preview lays out in the background is told in a message box, not
// thrown into the event loop; the pages already shown stay.
TEST_F(PreviewNavigation, FailureDuringTheLayoutIsTold)
{
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    PreviewWindow preview(m_model, failingAfter(slow(m_data.database().runner()), 150));
    const int start = preview.pageCount();
    ASSERT_FALSE(preview.pageCountKnown());
    EXPECT_FALSE(preview.finishLayout());
    EXPECT_TRUE(preview.layoutStopped());
    EXPECT_GE(preview.pageCount(), start);
    const auto told = dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].text.contains(QStringLiteral("the connection was lost"))) << told[0].text.toStdString();
    preview.firstPage();
    EXPECT_FALSE(preview.pageImage().isNull());
}

// An allocation that fails while the preview lays out, or while it saves the report anew, ends
// that work with the operator's message; the preview stays, with the pages it has.
TEST_F(PreviewNavigation, AnAllocationFailureIsToldAndThePreviewStays)
{
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    PreviewWindow preview(m_model, failingAfter(slow(m_data.database().runner()), 150, RowFailure::OutOfMemory));
    EXPECT_FALSE(preview.finishLayout());
    EXPECT_TRUE(preview.layoutStopped());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sin memoria.pdf"));
    EXPECT_FALSE(preview.saveAsPdf(pdf));
    EXPECT_FALSE(QFile::exists(pdf));
    const QString fault = QStringLiteral("la memoria no alcanza para armar el reporte; pruebe con un rango más chico");
    const auto told = dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox);
    ASSERT_EQ(told.size(), 2);
    EXPECT_EQ(told[0].text, QStringLiteral("No se pudo preparar el informe: ") + fault);
    EXPECT_EQ(told[1].text, QStringLiteral("No se pudo guardar el archivo %1: %2").arg(pdf, fault));
    preview.firstPage();
    EXPECT_FALSE(preview.pageImage().isNull());
}

// A preview closed while it lays out reads no further, and a progress dialog waiting on it is
// told the layout is over.
TEST_F(PreviewNavigation, ClosingStopsTheLayout)
{
    const auto preview = slowPreview();
    std::vector<std::pair<int, int>> told;
    preview->setProgressHandler([&](int done, int total) {
        told.emplace_back(done, total);
        return true;
    });
    preview->showPage(preview->pageCount() + 1);
    const int laidOut = preview->pageCount();
    preview->close();
    EXPECT_TRUE(preview->layoutStopped());
    EXPECT_FALSE(preview->finishLayout());
    EXPECT_EQ(preview->pageCount(), laidOut);
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), std::make_pair(laidOut, laidOut));
    EXPECT_LT(laidOut, int(m_expected.size()));
}

// A job for the screen opens the preview with the pages laid out so far and returns; the
// preview lays out the rest while the program's events run, telling the job's progress handler.
TEST_F(PreviewNavigation, ScreenJobReturnsWhileThePreviewGoesOn)
{
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    ReportJob job(slow(m_data.database().runner()));
    job.setDefinition(m_model->definition());
    job.setPrintDate(PrintDate);
    std::vector<std::pair<int, int>> told;
    job.setProgressHandler([&](int done, int total) {
        told.emplace_back(done, total);
        return true;
    });
    const ReportPrinter::Outcome out = job.run();
    const auto shown = dialogs.prompts(ui::ScriptedDialogService::Kind::Modeless);
    ASSERT_EQ(shown.size(), 1);
    auto* preview = qobject_cast<PreviewWindow*>(shown[0].window.data());
    ASSERT_NE(preview, nullptr);
    EXPECT_GE(out.pages, 1);
    EXPECT_LT(out.pages, int(m_expected.size()));
    EXPECT_EQ(preview->currentPage(), 1);

    EXPECT_TRUE(QTest::qWaitFor([&] { return preview->pageCountKnown(); }, 20000));
    EXPECT_EQ(preview->pageCount(), int(m_expected.size()));
    EXPECT_EQ(preview->pageImage(), m_expected.front());
    ASSERT_FALSE(told.empty());
    EXPECT_EQ(told.back(), std::make_pair(preview->pageCount(), preview->pageCount()));
    preview->close();   // deleted on close
}

// A landscape page opens whole in width, its right edge (page numbers, amounts) in view without
// scrolling, on this screen whatever its size.
TEST_F(PreviewNavigation, APageOpensWholeInWidth)
{
    for (const char* orientation : {"portrait", "landscape"}) {
        SCOPED_TRACE(orientation);
        const auto model = std::make_shared<ReportModel>(DefinitionReader::readText(DocumentData::definitionJson(
            QStringLiteral(R"json(, "page": {"size": "A4", "orientation": "%1", "margin": 10, "fontSize": 8})json")
                .arg(QLatin1String(orientation)))));
        PreviewWindow preview(model, m_data.database().runner());
        preview.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
        const QScrollArea* scroll = preview.findChild<QScrollArea*>();
        ASSERT_NE(scroll, nullptr);
        EXPECT_LE(preview.pageImage().width(), scroll->viewport()->width());
        EXPECT_GT(preview.pageImage().width(), scroll->viewport()->width() / 2);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_LE(preview.width(), screen.width());
    }
}
