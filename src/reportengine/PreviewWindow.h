#pragma once
// Report preview: one page at a time, with page navigation, zoom, printing and saving as PDF.
// Pages are produced when shown; going forward continues the current pass, going back starts a
// new one, so memory holds one page whatever the report's length.

#include "Page.h"
#include "ReportModel.h"
#include "ReportRun.h"
#include <QDate>
#include <QWidget>
#include <memory>

class QLabel;
class QScrollArea;
class QToolButton;

namespace rpt {

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    PreviewWindow(std::shared_ptr<const ReportModel> model, QueryRunner runner, QWidget* parent = nullptr);
    ~PreviewWindow() override;

    void setPrintDate(const QDate& d);
    int pageCount() const { return m_pageCount; }
    int currentPage() const { return m_current; }
    double zoom() const { return m_zoom; }
    QImage pageImage() const;          // the page as shown

public slots:
    void showPage(int number);         // clamped to 1..pageCount
    void firstPage() { showPage(1); }
    void previousPage() { showPage(m_current - 1); }
    void nextPage() { showPage(m_current + 1); }
    void lastPage() { showPage(m_pageCount); }
    void zoomIn() { setZoom(m_zoom * 1.25); }
    void zoomOut() { setZoom(m_zoom / 1.25); }
    void setZoom(double zoom);
    void printReport();
    // Asks for the file through the dialog service; false when cancelled or not written.
    bool saveAsPdf();
    bool saveAsPdf(const QString& path);

private:
    void buildUi();
    void askAndSavePdf() { saveAsPdf(); }
    QToolButton* addButton(const QString& text, void (PreviewWindow::*slot)());
    const Page& pageAt(int number);
    void render();

    std::shared_ptr<const ReportModel> m_model;
    QueryRunner m_runner;
    std::unique_ptr<ReportRun> m_run;
    Page m_page;
    int m_pageCount = 0;
    int m_current = 0;
    double m_zoom = 1.0;
    QDate m_printDate = QDate::currentDate();
    QScrollArea* m_scroll = nullptr;
    QLabel* m_view = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace rpt
