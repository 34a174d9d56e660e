#include "reportengine/ReportPages.h"
#include "reportengine/ReportRun.h"

namespace reportengine {

ReportPages::ReportPages(const ReportModel& model, const QueryRunner& runner, qint64 memoryLimit)
    : m_model(model), m_layout(model.definition()), m_run(std::make_unique<ReportRun>(model, runner)), m_store(model, memoryLimit)
{
}

ReportPages::~ReportPages() = default;

bool ReportPages::layOutNext()
{
    if (!m_run)
        return false;
    Page page;
    try {
        if (m_run->nextPage(page)) {
            m_store.append(page);
            return true;
        }
    } catch (...) {
        stop();
        throw;
    }
    stop();
    m_complete = true;
    return false;
}

void ReportPages::stop()
{
    if (!m_run)
        return;
    m_rows = m_run->rowsRead();
    m_run.reset();
}

long long ReportPages::rowsRead() const
{
    return m_run ? m_run->rowsRead() : m_rows;
}

} // namespace reportengine
