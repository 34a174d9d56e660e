#include "reportengine/RowContext.h"
#include "reportengine/FormulaEvaluator.h"

#include <algorithm>

namespace reportengine {

void RowContext::setRow(const std::vector<FormulaValue>* row)
{
    m_row = row;
    forget();
}

void RowContext::setPage(int number, int count)
{
    if (number == m_page && count == m_pageCount)
        return;   // the texts of one page share their formulas' results
    m_page = number;
    m_pageCount = count;
    forget();
}

void RowContext::setPrintDate(const QDate& d)
{
    m_printDate = d;
    forget();
}

void RowContext::forget() const
{
    std::fill(m_marks.begin(), m_marks.end(), ReportModel::Mark::Unseen);
}

FormulaValue RowContext::field(const FormulaNode& node) const
{
    if (!m_row || node.slot() < 0 || std::size_t(node.slot()) >= m_row->size())
        return {};
    return (*m_row)[std::size_t(node.slot())];
}

// The formula and those it refers to are evaluated in turn, each after the ones it refers to,
// so that a long line of formulas never nests evaluations.
FormulaValue RowContext::formula(const FormulaNode& node) const
{
    if (node.slot() < 0)
        return {};   // a tree the report did not bind
    const auto number = std::size_t(node.slot());
    if (m_marks.size() != m_model.formulaCount()) {
        m_marks.assign(m_model.formulaCount(), ReportModel::Mark::Unseen);
        m_results.resize(m_model.formulaCount());
    }
    if (m_marks[number] != ReportModel::Mark::Done) {
        try {
            m_model.walkFormulas(number, m_marks, [this](std::size_t n) { evaluateFormula(n); });
        } catch (...) {
            forget();
            throw;
        }
    }
    const Result& result = m_results[number];
    if (result.fault)
        throw *result.fault;
    return result.value;
}

// Evaluated whether or not the row uses it in the end (AND and OR may not look at it): a fault
// waits for the place that uses it.
void RowContext::evaluateFormula(std::size_t number) const
{
    Result& result = m_results[number];
    result = {};
    const FormulaNode* tree = m_model.formulaTree(number);
    if (!tree)
        return;
    try {
        result.value = FormulaEvaluator::evaluate(*tree, *this);
    } catch (const TextTooLongError& e) {
        result.fault = FormulaError(QStringLiteral("la fórmula @%1 arma un texto de más de %2 caracteres")
                                        .arg(m_model.formulaName(number)).arg(FormulaEvaluator::MaxText), e.position());
    } catch (const FormulaError& e) {
        result.fault = e;
    }
}

FormulaValue RowContext::parameter(const FormulaNode& node) const
{
    return m_model.parameterValue(node.name());
}

FormulaValue RowContext::special(const FormulaNode& node) const
{
    const QString& n = node.name();
    if (n.compare(u"PageNumber", Qt::CaseInsensitive) == 0)
        return FormulaValue::number(m_page);
    if (n.compare(u"TotalPageCount", Qt::CaseInsensitive) == 0)
        return m_pageCount > 0 ? FormulaValue::number(m_pageCount) : FormulaValue();   // not known yet
    if (n.compare(u"PrintDate", Qt::CaseInsensitive) == 0 || n.compare(u"CurrentDate", Qt::CaseInsensitive) == 0)
        return FormulaValue::date(m_printDate);
    throw FormulaError(QStringLiteral("Valor especial desconocido %1").arg(n), node.position());
}

} // namespace reportengine
