#pragma once
// Formula context of one report: the current row, the report's formulas and parameters, and the
// page values PageNumber, TotalPageCount and PrintDate. Each formula is evaluated at most once
// for a row and page: what it gave is kept until the row, the page or the print date changes.

#include "reportengine/FormulaContext.h"
#include "reportengine/FormulaError.h"
#include "reportengine/ReportModel.h"
#include <QDate>
#include <optional>
#include <vector>

namespace reportengine {

class RowContext : public FormulaContext {
public:
    explicit RowContext(const ReportModel& model) : m_model(model) {}
    // The row's values may change behind the same pointer: every call starts anew.
    void setRow(const std::vector<FormulaValue>* row);
    void setPage(int number, int count);   // count 0: not known
    void setPrintDate(const QDate& d);

    FormulaValue field(const FormulaNode& node) const override;
    FormulaValue formula(const FormulaNode& node) const override;
    FormulaValue parameter(const FormulaNode& node) const override;
    FormulaValue special(const FormulaNode& node) const override;

private:
    // What a formula gave: its value, or the fault raised where it is used, as evaluating it
    // there would have raised it.
    struct Result {
        FormulaValue value;
        std::optional<FormulaError> fault;
    };
    void forget() const;
    void evaluateFormula(std::size_t number) const;

    const ReportModel& m_model;
    const std::vector<FormulaValue>* m_row = nullptr;
    int m_page = 0;
    int m_pageCount = 0;
    QDate m_printDate = QDate::currentDate();
    mutable std::vector<ReportModel::Mark> m_marks;   // Done: its result is kept
    mutable std::vector<Result> m_results;
};

} // namespace reportengine
