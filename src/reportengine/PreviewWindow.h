#pragma once
// Report preview: one page at a time, with page navigation (buttons, keys and a box to type the
// page number), zoom (a percentage typed or chosen, fit to the width or the whole page), printing
// and saving as PDF.
// The report is laid out once (ReportPages): the first page shows as soon as it is laid out, the
// rest is laid out in the background a slice at a time, and every page shown, printed or saved
// comes from the pages kept, in any order, without reading the data again.

#include "reportengine/Page.h"
#include "reportengine/ReportModel.h"
#include "reportengine/ReportPrinter.h"
#include <QDate>
#include <QWidget>
#include <memory>

class QComboBox;
class QDeadlineTimer;
class QLabel;
class QLineEdit;
class QPagedPaintDevice;
class QScrollArea;
class QTimer;
class QToolButton;

namespace reportengine {

class PageRenderer;
class ReportPages;

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    // Lays out and shows the first page before it returns; raises ReportError when it cannot.
    PreviewWindow(std::shared_ptr<const ReportModel> model, QueryRunner runner, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    void setPrintDate(const QDate& d);
    // Told after each page laid out (pages so far, and the count once every page is); returning
    // false stops the layout, and the pages laid out so far stay.
    void setProgressHandler(ProgressHandler handler) { m_progress = std::move(handler); }
    int pageCount() const;             // the report's pages once all are laid out; until then those laid out so far
    bool pageCountKnown() const;       // every page is laid out
    bool layoutStopped() const { return m_stopped; }   // cancelled or failed before the last page
    int currentPage() const { return m_current; }
    double zoom() const { return m_zoom; }
    QImage pageImage() const;          // the page as shown
    QString statusText() const;

public slots:
    void showPage(int number);         // laid out first if need be; clamped to the report's pages
    void firstPage() { showPage(1); }
    void previousPage() { showPage(m_current - 1); }
    void nextPage() { showPage(m_current + 1); }
    void lastPage();
    void zoomIn() { setZoom(m_zoom * 1.25); }
    void zoomOut() { setZoom(m_zoom / 1.25); }
    void setZoom(double zoom);         // 1 is the page's real size; kept within 25 % and 400 %
    // The page as wide as the view, or whole in it; kept so while the window changes size.
    void fitToWidth();
    void fitToPage();
    bool finishLayout();               // lays out the rest now; false when the layout stops first
    // On the printer the operator chooses; on a machine without printers it says so, as the
    // printer destination of a report does.
    void printReport();
    // Asks for the file through the dialog service, suggesting suggestedPdfPath(); false when
    // cancelled or not written.
    bool saveAsPdf();
    bool saveAsPdf(const QString& path);
    // The report's title and print date as a file name, in the user's documents folder (the
    // home folder when there is none).
    QString suggestedPdfPath() const;

protected:
    void closeEvent(QCloseEvent* event) override;   // a closed preview lays out no more
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void layOutInBackground();

private:
    enum class Fit { None, Width, Page };

    void buildUi();
    QLineEdit* buildPageBox();
    QComboBox* buildZoomBox();
    void addKeys();
    void sizeToPage();
    void askAndSavePdf() { saveAsPdf(); }
    QToolButton* addButton(const QString& text, const QString& tip, void (PreviewWindow::*slot)());
    void goToTypedPage();
    void zoomChosen(int index);
    void applyTypedZoom();
    void applyZoom(double zoom);
    void applyFit();
    void showPageNumber();
    void showZoom();
    void layOut(int wanted, const QDeadlineTimer& deadline);
    bool layOutPages(const QDeadlineTimer& deadline);
    bool tellProgress();
    void endProgress();
    void afterLayout(bool completedNow);
    void showRequested();
    void render();
    void refreshStatus();
    ReportPrinter::Outcome printTo(QPagedPaintDevice& device);

    std::shared_ptr<const ReportModel> m_model;
    QueryRunner m_runner;
    std::unique_ptr<ReportPages> m_pages;
    std::unique_ptr<PageRenderer> m_renderer;
    ProgressHandler m_progress;
    QTimer* m_layoutTimer = nullptr;
    bool m_layingOut = false;       // a layout loop is running (the progress handler may re-enter)
    bool m_stopped = false;
    int m_wanted = 0;               // the page the running loop must reach
    int m_requested = 0;            // the page last asked for
    bool m_requestPending = false;  // asked for while the layout had not reached it
    int m_current = 0;
    double m_zoom = 1.0;
    Fit m_fit = Fit::None;
    QDate m_printDate = QDate::currentDate();
    QScrollArea* m_scroll = nullptr;
    QLabel* m_view = nullptr;
    QLabel* m_status = nullptr;
    QLineEdit* m_pageBox = nullptr;
    QComboBox* m_zoomBox = nullptr;
};

} // namespace reportengine
