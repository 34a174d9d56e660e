#pragma once
// Produces a whole report on a paged device (PDF writer or printer), page by page, from one read
// of its data. When the page texts show the page count, every page is laid out first and kept
// (ReportPages), then painted from there; otherwise each page is painted as it is laid out.

#include "reportengine/ReportModel.h"
#include "reportengine/RowSource.h"
#include <QDate>
#include <functional>

class QPagedPaintDevice;

namespace reportengine {

class ReportPages;

// Called after each page: pages done and the page count (0 while it is not known yet).
// Returning false cancels the run.
using ProgressHandler = std::function<bool(int done, int total)>;

class ReportPrinter {
public:
    struct Outcome {
        int pages = 0;
        long long rows = 0;
        bool cancelled = false;
    };

    ReportPrinter(const ReportModel& model, const QueryRunner& runner) : m_model(model), m_runner(runner) {}
    ReportPrinter(const ReportModel&, QueryRunner&&) = delete;   // the runner must outlive the printer
    void setPrintDate(const QDate& d) { m_printDate = d; }
    void setProgressHandler(ProgressHandler h) { m_progress = std::move(h); }

    bool needsPageCount() const;
    Outcome countPages() const;                  // a layout pass without painting
    Outcome print(QPagedPaintDevice& device);    // raises ReportError
    // Paints pages laid out before (every page of the report, as the preview keeps them).
    Outcome print(QPagedPaintDevice& device, const ReportPages& pages);
    static void preparePage(QPagedPaintDevice& device, const ReportDefinition& def);

private:
    bool pageCountIn(const FormulaNode* node) const;
    Outcome layOut(ReportPages& pages) const;
    Outcome printAsLaidOut(QPagedPaintDevice& device);

    const ReportModel& m_model;
    const QueryRunner& m_runner;
    QDate m_printDate = QDate::currentDate();
    ProgressHandler m_progress;
};

} // namespace reportengine
