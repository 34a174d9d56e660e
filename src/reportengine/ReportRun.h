#pragma once
// One pass over a report: rows in, pages out, one page at a time.

#include "reportengine/BandStream.h"
#include "reportengine/PageLayout.h"
#include "reportengine/Paginator.h"

namespace reportengine {

class ReportRun {
public:
    ReportRun(const ReportModel& model, const QueryRunner& runner)
        : m_layout(model.definition()), m_stream(model, runner), m_paginator(m_stream, m_layout) {}
    ReportRun(const ReportModel&, QueryRunner&&) = delete;   // the runner must outlive the run
    bool nextPage(Page& page) { return m_paginator.nextPage(page); }
    const PageLayout& layout() const { return m_layout; }
    long long rowsRead() const { return m_stream.rowsRead(); }

private:
    PageLayout m_layout;
    BandStream m_stream;
    Paginator m_paginator;
};

} // namespace reportengine
