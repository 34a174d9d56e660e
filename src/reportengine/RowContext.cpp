#include "reportengine/RowContext.h"
#include "reportengine/FormulaError.h"
#include "kit/MessageText.h"
#include <atomic>

namespace reportengine {

using Lifetime = ReportModel::Lifetime;

namespace {
std::atomic<bool> keepingOff{false};
}

void RowContext::keepNothing(bool on)
{
    keepingOff = on;
}

qsizetype RowContext::charge(const FormulaValue& value)
{
    const qsizetype size = value.textSize();
    return size > ShortText ? size : 0;
}

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
    if (d == m_printDate)
        return;
    m_printDate = d;
    forget();
    forgetDated();
}

void RowContext::forget() const
{
    for (const std::size_t number : m_keptNumbers)
        m_kept[number].reset();
    m_keptNumbers.clear();
    m_rowCharacters = 0;
}

void RowContext::forgetDated()
{
    for (auto it = m_run.begin(); it != m_run.end();) {
        if (!it->second.dated) {
            ++it;
            continue;
        }
        m_runCharacters -= charge(it->second.value);
        it = m_run.erase(it);
    }
}

FormulaValue RowContext::field(const FormulaNode& node) const
{
    if (!m_row || node.slot() < 0 || std::size_t(node.slot()) >= m_row->size())
        return {};
    return (*m_row)[std::size_t(node.slot())];
}

RowContext::FormulaLookup RowContext::formula(const FormulaNode& node) const
{
    const auto number = std::size_t(node.slot());
    const FormulaNode* tree = node.slot() < 0 ? nullptr : m_model.formulaTree(number);
    if (!tree)
        return {std::optional<FormulaValue>(std::in_place), nullptr};   // blank, or a tree the report did not bind: Null
    if (keepingOff)
        return {std::nullopt, tree};
    if (const FormulaValue* kept = keptValue(number, *tree))
        return {*kept, nullptr};
    return {std::nullopt, tree};
}

const FormulaValue* RowContext::keptValue(std::size_t number, const FormulaNode& tree) const
{
    if (number < m_kept.size() && m_kept[number])
        return &*m_kept[number];
    return m_model.keptForRun(number) ? runValue(tree) : nullptr;
}

// A formula named once is asked for once: keeping it would only hold its text until the next row.
void RowContext::formulaDone(const FormulaNode& node, const FormulaValue& value) const
{
    if (keepingOff)
        return;
    const auto number = std::size_t(node.slot());
    if (m_model.keptForRun(number) && keepForRun(*m_model.formulaTree(number), value, m_model.formulaLifetime(number)))
        return;
    if (m_model.formulaUses(number) < 2 || !fits(value))
        return;
    if (m_kept.size() != m_model.formulaCount())
        m_kept.resize(m_model.formulaCount());
    m_kept[number] = value;
    m_keptNumbers.push_back(number);
    m_rowCharacters += charge(value);
}

std::optional<FormulaValue> RowContext::treeValue(const FormulaNode& root) const
{
    if (keepingOff)
        return std::nullopt;
    if (const FormulaValue* kept = runValue(root))
        return *kept;
    return std::nullopt;
}

void RowContext::treeDone(const FormulaNode& root, const FormulaValue& value) const
{
    const Lifetime lifetime = m_model.treeLifetime(root);
    if (lifetime != Lifetime::Row && !keepingOff)
        keepForRun(root, value, lifetime);
}

const FormulaValue* RowContext::runValue(const FormulaNode& tree) const
{
    const auto it = m_run.find(&tree);
    return it == m_run.end() ? nullptr : &it->second.value;
}

bool RowContext::keepForRun(const FormulaNode& tree, const FormulaValue& value, Lifetime lifetime) const
{
    if (!fits(value))
        return false;
    if (m_run.try_emplace(&tree, RunValue{value, lifetime == Lifetime::PrintDate}).second)
        m_runCharacters += charge(value);
    return true;
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
    throw FormulaError(QStringLiteral("Valor especial desconocido %1").arg(kit::nameText(n)), node.position());
}

} // namespace reportengine
