#include "FailingRows.h"
#include "reportengine/ReportError.h"

namespace {

class FailingRows : public rpt::RowSource {
public:
    FailingRows(std::unique_ptr<rpt::RowSource> rows, std::shared_ptr<int> left) : m_rows(std::move(rows)), m_left(std::move(left)) {}
    bool next(std::vector<rpt::FormulaValue>& row) override
    {
        if (--*m_left < 0)
            throw rpt::ReportError(QStringLiteral("the connection was lost"));
        return m_rows->next(row);
    }

private:
    std::unique_ptr<rpt::RowSource> m_rows;
    std::shared_ptr<int> m_left;
};

} // namespace

rpt::QueryRunner failingAfter(rpt::QueryRunner runner, int rows)
{
    auto left = std::make_shared<int>(rows);
    return [runner = std::move(runner), left](const QString& sql, std::size_t columns) -> std::unique_ptr<rpt::RowSource> {
        return std::make_unique<FailingRows>(runner(sql, columns), left);
    };
}
