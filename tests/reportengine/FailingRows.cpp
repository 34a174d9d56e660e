#include "FailingRows.h"
#include "reportengine/ReportError.h"

#include <new>

namespace {

class FailingRows : public reportengine::RowSource {
public:
    FailingRows(std::unique_ptr<reportengine::RowSource> rows, std::shared_ptr<int> left, RowFailure failure)
        : m_rows(std::move(rows)), m_left(std::move(left)), m_failure(failure) {}
    bool next(std::vector<reportengine::FormulaValue>& row) override
    {
        if (--*m_left >= 0)
            return m_rows->next(row);
        if (m_failure == RowFailure::OutOfMemory)
            throw std::bad_alloc();
        throw reportengine::ReportError(QStringLiteral("the connection was lost"));
    }

private:
    std::unique_ptr<reportengine::RowSource> m_rows;
    std::shared_ptr<int> m_left;
    RowFailure m_failure;
};

} // namespace

reportengine::QueryRunner failingAfter(reportengine::QueryRunner runner, int rows, RowFailure failure)
{
    auto left = std::make_shared<int>(rows);
    return [runner = std::move(runner), left, failure](const QString& sql, std::size_t columns) -> std::unique_ptr<reportengine::RowSource> {
        return std::make_unique<FailingRows>(runner(sql, columns), left, failure);
    };
}
