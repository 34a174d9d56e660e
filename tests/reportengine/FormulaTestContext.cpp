#include "FormulaTestContext.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaParser.h"

using reportengine::FormulaValue;

FormulaTestContext::FormulaTestContext(std::initializer_list<std::pair<const char*, FormulaValue>> fields)
{
    for (const auto& [name, value] : fields)
        m_fields.insert(QString::fromUtf8(name).toLower(), value);
}

void FormulaTestContext::setFormula(const QString& name, const QString& text)
{
    m_formulas[name.toLower()] = reportengine::FormulaParser::parse(text);
}

FormulaValue FormulaTestContext::field(const reportengine::FormulaNode& node) const
{
    const QString key = (node.table() + u'.' + node.name()).toLower();
    if (!m_fields.contains(key))
        throw reportengine::FormulaError(QStringLiteral("no field ") + key, node.position());
    return m_fields.value(key);
}

FormulaTestContext::FormulaLookup FormulaTestContext::formula(const reportengine::FormulaNode& node) const
{
    const auto it = m_formulas.find(node.name().toLower());
    if (it == m_formulas.end())
        throw reportengine::FormulaError(QStringLiteral("no formula ") + node.name(), node.position());
    return it->second ? FormulaLookup{std::nullopt, it->second.get()} : FormulaLookup{FormulaValue(), nullptr};
}

FormulaValue FormulaTestContext::parameter(const reportengine::FormulaNode&) const
{
    return {};
}

FormulaValue FormulaTestContext::special(const reportengine::FormulaNode& node) const
{
    return node.name().compare(u"PageNumber", Qt::CaseInsensitive) == 0 ? FormulaValue::number(3) : FormulaValue();
}
