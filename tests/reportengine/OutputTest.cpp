// The printer path, the preview's navigation and its save-as-PDF, over the demo database.
#include "SharedDemoDatabase.h"
#include "PdfText.h"
#include "reportengine/AdoRowSource.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/PreviewWindow.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportJob.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rpt;

namespace {

std::shared_ptr<ReportModel> documentList()
{
    return std::make_shared<ReportModel>(DefinitionReader::readText(QByteArray(R"json({
      "title": "Comprobantes",
      "tables": [{"name": "C_MV_CPTE", "fields": ["TC", "IdComprobante", "Fecha", "Importe"]}],
      "sort": ["+{C_MV_CPTE.TC}", "+{C_MV_CPTE.IdComprobante}"],
      "pageHeader": [{"text": "'Hoja ' & totext(PageNumber) & '/' & totext(TotalPageCount)"}],
      "columns": [{"title": "Tipo", "value": "{C_MV_CPTE.TC}", "width": 15},
                  {"title": "Número", "value": "{C_MV_CPTE.IdComprobante}", "width": 40},
                  {"title": "Fecha", "value": "{C_MV_CPTE.Fecha}", "format": "dd/MM/yyyy"},
                  {"title": "Importe", "value": "{C_MV_CPTE.Importe}", "align": "right", "format": "0.00"}]
    })json")));
}

QueryRunner demoRunner()
{
    return AdoRowSource::runner(SharedDemoDatabase::shared().connection());
}

QString firstId()
{
    return SharedDemoDatabase::shared().column(QStringLiteral("SELECT TOP 1 IdComprobante FROM C_MV_CPTE ORDER BY TC, IdComprobante")).first();
}

} // namespace

// A QPrinter set to write a PDF file goes through the same page loop as the printer.
TEST(ReportOutput, PrinterPathWritesEveryPageToItsOutputFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("impresora.pdf"));
    const auto model = documentList();
    const QueryRunner runner = demoRunner();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setFullPage(true);
    ReportPrinter out(*model, runner);
    const ReportPrinter::Outcome done = out.print(printer);

    const QStringList pages = pdfPages(path);
    ASSERT_GT(done.pages, 2);
    ASSERT_EQ(pages.size(), done.pages);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Hoja 2/%1").arg(done.pages)));
    EXPECT_TRUE(pages[0].contains(firstId()));
    const long long documents = SharedDemoDatabase::shared().column(QStringLiteral("SELECT COUNT(*) FROM C_MV_CPTE")).first().toLongLong();
    EXPECT_EQ(done.rows, documents);
}

TEST(ReportOutput, UnknownPrinterIsAnError)
{
    ReportJob job(SharedDemoDatabase::shared().connection());
    job.setDefinition(documentList()->definition());
    job.setDestination(ReportJob::Destination::Printer, QStringLiteral("No existe esta impresora"));
    EXPECT_THROW(job.run(), ReportError);
}

// A machine without printers (a fresh install, no print system): the operator was told "the
// output device could not be opened" and could not tell what was missing.
TEST(ReportOutput, NoDefaultPrinterIsAnErrorThatSaysSo)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer; the report would be printed on it";
    ReportJob job(SharedDemoDatabase::shared().connection());
    job.setDefinition(documentList()->definition());
    job.setDestination(ReportJob::Destination::Printer);
    try {
        job.run();
        FAIL() << "printed with no printer";
    } catch (const ReportError& error) {
        EXPECT_EQ(error.message().toStdString(), "there is no printer to print on (none is installed, or none is the default printer)");
    }
}

// Going back, the pages reached again are the very pages shown before.
TEST(ReportOutput, PreviewShowsTheSamePagesAfterGoingBack)
{
    PreviewWindow preview(documentList(), demoRunner());
    ASSERT_GE(preview.pageCount(), 4);
    std::vector<QImage> forward;
    for (int page = 1; page <= 4; ++page) {
        preview.showPage(page);
        forward.push_back(preview.pageImage());
    }
    EXPECT_NE(forward[1], forward[2]);
    preview.showPage(2);
    EXPECT_EQ(preview.pageImage(), forward[1]);
    preview.nextPage();
    EXPECT_EQ(preview.currentPage(), 3);
    EXPECT_EQ(preview.pageImage(), forward[2]);
    preview.previousPage();
    preview.previousPage();
    EXPECT_EQ(preview.pageImage(), forward[0]);
    preview.showPage(4);
    EXPECT_EQ(preview.pageImage(), forward[3]);
    preview.showPage(0);                                  // clamped to the first page
    EXPECT_EQ(preview.currentPage(), 1);
    EXPECT_EQ(preview.pageImage(), forward[0]);
}

// The file is asked for through the dialog service; a name typed without extension gets ".pdf".
TEST(ReportOutput, PreviewSavesAsPdfWhereTheDialogSays)
{
    QTemporaryDir dir;
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    PreviewWindow preview(documentList(), demoRunner());

    dialogs.pushFileName(dir.filePath(QStringLiteral("copia")));
    EXPECT_TRUE(preview.saveAsPdf());
    const auto asked = dialogs.prompts(ui::ScriptedDialogService::Kind::SaveFile);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].filter, QStringLiteral("PDF|*.pdf"));
    const QStringList pages = pdfPages(dir.filePath(QStringLiteral("copia.pdf")));
    EXPECT_EQ(pages.size(), preview.pageCount());
    ASSERT_FALSE(pages.isEmpty());
    EXPECT_TRUE(pages[0].contains(firstId()));

    EXPECT_FALSE(preview.saveAsPdf());                    // cancelled: nothing written, nothing said
    EXPECT_EQ(dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox).size(), 0);

    dialogs.pushFileName(dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
    EXPECT_FALSE(preview.saveAsPdf());
    const auto told = dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].text.contains(QStringLiteral("x.pdf")));
}
