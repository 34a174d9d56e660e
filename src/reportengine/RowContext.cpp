#include "reportengine/RowContext.h"
#include "reportengine/FormulaError.h"

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
    for (const std::size_t number : m_keptNumbers)
        m_kept[number].reset();
    m_keptNumbers.clear();
    m_keptCharacters = 0;
}

FormulaValue RowContext::field(const FormulaNode& node) const
{
    if (!m_row || node.slot() < 0 || std::size_t(node.slot()) >= m_row->size())
        return {};
    return (*m_row)[std::size_t(node.slot())];
}

RowContext::FormulaLookup RowContext::formula(const FormulaNode& node) const
{
    if (node.slot() < 0)
        return {FormulaValue(), nullptr};   // a tree the report did not bind
    const auto number = std::size_t(node.slot());
    if (number < m_kept.size() && m_kept[number])
        return {*m_kept[number], nullptr};
    const FormulaNode* tree = m_model.formulaTree(number);
    return tree ? FormulaLookup{std::nullopt, tree} : FormulaLookup{FormulaValue(), nullptr};
}

// A formula named once is asked for once: keeping it would only hold its text until the next row.
void RowContext::formulaDone(const FormulaNode& node, const FormulaValue& value) const
{
    const auto number = std::size_t(node.slot());
    if (m_model.formulaUses(number) < 2 || m_keptCharacters + value.textSize() > m_keptLimit)
        return;
    if (m_kept.size() != m_model.formulaCount())
        m_kept.resize(m_model.formulaCount());
    m_kept[number] = value;
    m_keptNumbers.push_back(number);
    m_keptCharacters += value.textSize();
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
