#pragma once
// A row for formula tests: fields by "Table.Field" (any letter case), formulas by name.

#include "reportengine/FormulaContext.h"
#include "reportengine/FormulaNode.h"
#include <QHash>
#include <map>

class FormulaTestContext : public rpt::FormulaContext {
public:
    FormulaTestContext(std::initializer_list<std::pair<const char*, rpt::FormulaValue>> fields = {});
    void setFormula(const QString& name, const QString& text);

    rpt::FormulaValue field(const rpt::FormulaNode& node) const override;
    rpt::FormulaValue formula(const rpt::FormulaNode& node) const override;
    rpt::FormulaValue parameter(const rpt::FormulaNode& node) const override;
    rpt::FormulaValue special(const rpt::FormulaNode& node) const override;

private:
    QHash<QString, rpt::FormulaValue> m_fields;
    std::map<QString, rpt::FormulaNode::Ptr> m_formulas;
};
