#include "FailingRows.h"
#include "reportengine/ReportError.h"

namespace {

class FailingRows : public reportengine::RowSource {
public:
    FailingRows(std::unique_ptr<reportengine::RowSource> rows, std::shared_ptr<int> left) : m_rows(std::move(rows)), m_left(std::move(left)) {}
    bool next(std::vector<reportengine::FormulaValue>& row) override
    {
        if (--*m_left < 0)
            throw reportengine::ReportError(QStringLiteral("the connection was lost"));
        return m_rows->next(row);
    }

private:
    std::unique_ptr<reportengine::RowSource> m_rows;
    std::shared_ptr<int> m_left;
};

} // namespace

reportengine::QueryRunner failingAfter(reportengine::QueryRunner runner, int rows)
{
    auto left = std::make_shared<int>(rows);
    return [runner = std::move(runner), left](const QString& sql, std::size_t columns) -> std::unique_ptr<reportengine::RowSource> {
        return std::make_unique<FailingRows>(runner(sql, columns), left);
    };
}
