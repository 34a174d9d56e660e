#include "reportengine/RowContext.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaEvaluator.h"
#include "reportengine/ReportModel.h"

namespace reportengine {

FormulaValue RowContext::field(const FormulaNode& node) const
{
    if (!m_row || node.slot() < 0 || std::size_t(node.slot()) >= m_row->size())
        return {};
    return (*m_row)[std::size_t(node.slot())];
}

FormulaValue RowContext::formula(const FormulaNode& node) const
{
    const FormulaNode* tree = m_model.formulaTree(node.name());
    return tree ? FormulaEvaluator::evaluate(*tree, *this) : FormulaValue();
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
