#pragma once
// The pages of one run of a report: laid out once, from one read of its rows, and kept in a
// PageStore, so that painting, printing and the preview take any page from there in any order
// without reading the data again. Laying out goes a page at a time, so that a caller can show the
// first pages while the rest is still being laid out; the queries close when the last page is done.

#include "reportengine/PageLayout.h"
#include "reportengine/PageStore.h"
#include "reportengine/ReportModel.h"
#include "reportengine/RowSource.h"
#include <memory>

namespace reportengine {

class ReportRun;

class ReportPages {
public:
    // The runner is kept by reference and must outlive the pages: a temporary one is refused.
    ReportPages(const ReportModel& model, const QueryRunner& runner, qint64 memoryLimit = SpillBuffer::DefaultMemoryLimit);
    ReportPages(const ReportModel&, QueryRunner&&, qint64 = 0) = delete;
    ~ReportPages();

    // One more page; false once the report has no more. Raises ReportError, and lays out no more.
    bool layOutNext();
    void stop();                         // lays out no more: the queries close, the pages so far stay
    bool complete() const { return m_complete; }    // every page of the report is laid out
    bool stopped() const { return !m_run; }         // complete, stopped or failed
    int count() const { return m_store.count(); }   // pages laid out so far
    Page page(int number) const { return m_store.page(number); }
    long long rowsRead() const;
    const PageLayout& layout() const { return m_layout; }
    const ReportModel& model() const { return m_model; }
    bool onDisk() const { return m_store.onDisk(); }

private:
    const ReportModel& m_model;
    PageLayout m_layout;
    std::unique_ptr<ReportRun> m_run;   // released with its queries once the report is laid out
    PageStore m_store;
    long long m_rows = 0;
    bool m_complete = false;
};

} // namespace reportengine
