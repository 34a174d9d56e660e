#pragma once
// Formula context of one report: the current row, the report's formulas and parameters, and the
// page values PageNumber, TotalPageCount and PrintDate.

#include "reportengine/FormulaContext.h"
#include <QDate>
#include <vector>

namespace reportengine {

class ReportModel;

class RowContext : public FormulaContext {
public:
    explicit RowContext(const ReportModel& model) : m_model(model) {}
    void setRow(const std::vector<FormulaValue>* row) { m_row = row; }
    void setPage(int number, int count) { m_page = number; m_pageCount = count; }   // count 0: not known
    void setPrintDate(const QDate& d) { m_printDate = d; }

    FormulaValue field(const FormulaNode& node) const override;
    FormulaValue formula(const FormulaNode& node) const override;
    FormulaValue parameter(const FormulaNode& node) const override;
    FormulaValue special(const FormulaNode& node) const override;

private:
    const ReportModel& m_model;
    const std::vector<FormulaValue>* m_row = nullptr;
    int m_page = 0;
    int m_pageCount = 0;
    QDate m_printDate = QDate::currentDate();
};

} // namespace reportengine
