#pragma once
// A row for formula tests: fields by "Table.Field" (any letter case), formulas by name.

#include "reportengine/FormulaContext.h"
#include "reportengine/FormulaNode.h"
#include <QHash>
#include <map>

class FormulaTestContext : public reportengine::FormulaContext {
public:
    FormulaTestContext(std::initializer_list<std::pair<const char*, reportengine::FormulaValue>> fields = {});
    void setFormula(const QString& name, const QString& text);

    reportengine::FormulaValue field(const reportengine::FormulaNode& node) const override;
    FormulaLookup formula(const reportengine::FormulaNode& node) const override;
    reportengine::FormulaValue parameter(const reportengine::FormulaNode& node) const override;
    reportengine::FormulaValue special(const reportengine::FormulaNode& node) const override;

private:
    QHash<QString, reportengine::FormulaValue> m_fields;
    std::map<QString, reportengine::FormulaNode::Ptr> m_formulas;
};
