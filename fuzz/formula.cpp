// The selection-formula language: parsing, evaluation against a row, and the translation to a
// WHERE clause. A formula ends as a tree or a FormulaError, a tree as a value or a
// FormulaError, and the translation never fails.
#include "FuzzSupport.h"

#include "reportengine/FormulaContext.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaEvaluator.h"
#include "reportengine/FormulaParser.h"
#include "reportengine/SelectionPushdown.h"

#include <QDateTime>

namespace {

// A row whose fields take a value of each kind, chosen by the field's name.
rpt::FormulaValue valueNamed(const QString& name)
{
    switch (qHash(name.toLower()) % 6) {
    case 0: return rpt::FormulaValue::text(QStringLiteral("Pendiente"));
    case 1: return rpt::FormulaValue::number(1250.5);
    case 2: return rpt::FormulaValue::boolean(true);
    case 3: return rpt::FormulaValue::dateTime(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
    case 4: return rpt::FormulaValue::date(QDate(2024, 2, 29));
    default: return {};
    }
}

class Row : public rpt::FormulaContext {
public:
    rpt::FormulaValue field(const rpt::FormulaNode& node) const override { return valueNamed(node.table() + u'.' + node.name()); }
    rpt::FormulaValue formula(const rpt::FormulaNode& node) const override
    {
        throw rpt::FormulaError(QStringLiteral("no formula ") + node.name(), node.position());
    }
    rpt::FormulaValue parameter(const rpt::FormulaNode& node) const override { return valueNamed(node.name()); }
    rpt::FormulaValue special(const rpt::FormulaNode&) const override { return rpt::FormulaValue::number(3); }
};

class Columns : public rpt::SqlResolver {
public:
    QString column(const rpt::FormulaNode& field) const override
    {
        return field.name().startsWith(u'x', Qt::CaseInsensitive) ? QString() : field.table() + u'.' + field.name();
    }
    const rpt::FormulaNode* formula(const QString&) const override { return nullptr; }
    std::optional<rpt::FormulaValue> parameter(const QString& name) const override { return valueNamed(name); }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    rpt::FormulaNode::Ptr tree;
    try {
        tree = rpt::FormulaParser::parse(fuzz::text(data, size));
    } catch (const rpt::FormulaError&) {
        return 0;
    }
    if (!tree)
        return 0;
    rpt::SelectionPushdown::translate(tree.get(), Columns());
    try {
        rpt::FormulaEvaluator::evaluate(*tree, Row()).toText();
    } catch (const rpt::FormulaError&) {
    }
    return 0;
}
