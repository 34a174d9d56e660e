// The printer path, the preview's navigation and its save-as-PDF, over the demo database.
#include "SharedDemoDatabase.h"
#include "PdfText.h"
#include "FailingRows.h"
#include "reportengine/AdoRowSource.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/PreviewWindow.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportJob.h"
#include "ui/DialogServiceScope.h"
#include "ui/ScriptedDialogService.h"
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace reportengine;

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

// The operator presses Printer in the report window, or Imprimir in the preview, on a machine
// without any printer: both say so, in the same words, instead of a device that could not be
// opened or a print dialog that offers no printer.
TEST(ReportOutput, NoPrinterInstalledIsSaidPlainlyAndAlike)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has a printer: the report would be printed";
    const std::string noPrinter = "no hay ninguna impresora instalada en este equipo";
    ReportJob job(SharedDemoDatabase::shared().connection());
    job.setDefinition(documentList()->definition());
    job.setDestination(ReportJob::Destination::Printer, QString());
    try {
        job.run();
        ADD_FAILURE() << "printed without a printer";
    } catch (const ReportError& e) {
        EXPECT_EQ(e.message().toStdString(), noPrinter);
    }

    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    PreviewWindow preview(documentList(), demoRunner());
    preview.printReport();
    EXPECT_TRUE(dialogs.prompts(ui::ScriptedDialogService::Kind::Modal).isEmpty());
    const auto told = dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox);
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0].text.toStdString(), "No se pudo imprimir el informe: " + noPrinter);
}

// A title that a file name cannot hold as it is still names the file suggested; with no documents
// folder the suggestion goes to the home folder.
TEST(ReportOutput, SuggestedPdfNameIsAFileName)
{
    ReportDefinition def = documentList()->definition();
    def.title = QStringLiteral("Compras 1/2: \"detalle\"  por  artículo?");
    PreviewWindow preview(std::make_shared<ReportModel>(def), demoRunner());
    preview.setPrintDate(QDate(2024, 12, 31));
    const QString name = QStringLiteral("Compras 1-2 detalle por artículo 31-12-2024.pdf");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(documents.startsWith(QDir::tempPath())) << "the tests' home is not a temporary folder";
    ASSERT_TRUE(QDir(documents).removeRecursively());
    EXPECT_EQ(preview.suggestedPdfPath(), QDir(QDir::homePath()).filePath(name));
    ASSERT_TRUE(QDir().mkpath(documents));
    EXPECT_EQ(preview.suggestedPdfPath(), QDir(documents).filePath(name));
}

// A new run over an earlier copy of the report: one that fails halfway through its pages (the
// connection lost) or is cancelled leaves the earlier file as it was and nothing else in the
// folder; a whole run takes its place.
TEST(ReportOutput, APdfRunThatFailsOrIsCancelledLeavesTheEarlierFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("comprobantes.pdf"));
    const QByteArray earlier("%PDF-1.4 an earlier copy of the report");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(earlier);
    }
    const auto folderHoldsOnly = [&](const QByteArray& content) {
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("comprobantes.pdf")});
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll() == content) << "the earlier file was changed";
    };
    ReportDefinition def = documentList()->definition();
    def.pageHeader.clear();   // without the page count each page is written as soon as it is laid out
    const auto job = [&](const QueryRunner& runner) {
        auto j = std::make_unique<ReportJob>(runner);
        j->setDefinition(def);
        j->setDestination(ReportJob::Destination::PdfFile, path);
        return j;
    };

    int pagesWritten = 0;
    const auto failing = job(failingAfter(demoRunner(), 150));
    failing->setProgressHandler([&](int done, int) {
        pagesWritten = done;
        return true;
    });
    EXPECT_THROW(failing->run(), ReportError);
    EXPECT_GE(pagesWritten, 1);
    folderHoldsOnly(earlier);

    const auto cancelled = job(demoRunner());
    cancelled->setProgressHandler([](int done, int) { return done < 2; });
    EXPECT_TRUE(cancelled->run().cancelled);
    folderHoldsOnly(earlier);

    const int pages = job(demoRunner())->run().pages;
    EXPECT_GT(pages, 2);
    EXPECT_EQ(pdfPages(path).size(), pages);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// Going back, the pages reached again are the very pages shown before.
TEST(ReportOutput, PreviewShowsTheSamePagesAfterGoingBack)
{
    PreviewWindow preview(documentList(), demoRunner());
    std::vector<QImage> forward;
    for (int page = 1; page <= 4; ++page) {              // each laid out when asked for
        preview.showPage(page);
        ASSERT_EQ(preview.currentPage(), page);
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

// The operator turns the pages from the keyboard, and Esc closes the preview.
TEST(ReportOutput, PreviewPagesAndClosesFromTheKeyboard)
{
    PreviewWindow preview(documentList(), demoRunner());
    preview.show();
    preview.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
    ASSERT_TRUE(preview.finishLayout());
    ASSERT_GE(preview.pageCount(), 3);

    QTest::keyClick(&preview, Qt::Key_PageDown);
    QTest::keyClick(&preview, Qt::Key_PageDown);
    EXPECT_EQ(preview.currentPage(), 3);
    QTest::keyClick(&preview, Qt::Key_PageUp);
    EXPECT_EQ(preview.currentPage(), 2);
    QTest::keyClick(&preview, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(preview.currentPage(), preview.pageCount());
    QTest::keyClick(&preview, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(preview.currentPage(), 1);
    QTest::keyClick(&preview, Qt::Key_Escape);
    EXPECT_FALSE(preview.isVisible());
}

// The file is asked for through the dialog service, suggesting the report's title and date in
// the user's documents folder; a name typed without extension gets ".pdf".
TEST(ReportOutput, PreviewSavesAsPdfWhereTheDialogSays)
{
    QTemporaryDir dir;
    ui::ScriptedDialogService dialogs;
    ui::DialogServiceScope scope(dialogs);
    PreviewWindow preview(documentList(), demoRunner());
    preview.setPrintDate(QDate(2024, 7, 1));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    ASSERT_TRUE(documents.startsWith(QDir::tempPath())) << "the tests' home is not a temporary folder";
    ASSERT_TRUE(QDir().mkpath(documents));

    dialogs.pushFileName(dir.filePath(QStringLiteral("copia")));
    EXPECT_TRUE(preview.saveAsPdf());
    const auto asked = dialogs.prompts(ui::ScriptedDialogService::Kind::SaveFile);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].filter, QStringLiteral("PDF|*.pdf"));
    EXPECT_EQ(asked[0].folder, QDir(documents).filePath(QStringLiteral("Comprobantes 01-07-2024.pdf")));
    const QStringList pages = pdfPages(dir.filePath(QStringLiteral("copia.pdf")));
    EXPECT_EQ(pages.size(), preview.pageCount());
    ASSERT_FALSE(pages.isEmpty());
    EXPECT_TRUE(pages[0].contains(firstId()));

    EXPECT_FALSE(preview.saveAsPdf());                    // cancelled: nothing written, nothing said
    EXPECT_EQ(dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox).size(), 0);

    // A folder that cannot be written: the operator is told so in his own words.
    const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/x.pdf"));
    dialogs.pushFileName(unwritable);
    EXPECT_FALSE(preview.saveAsPdf());
    const auto told = dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox);
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0].text.toStdString(),
              ("No se pudo guardar el archivo " + unwritable + ": no se pudo abrir el archivo o la impresora de destino").toStdString());
}
