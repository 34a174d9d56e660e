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
reportengine::FormulaValue valueNamed(const QString& name)
{
    switch (qHash(name.toLower()) % 6) {
    case 0: return reportengine::FormulaValue::text(QStringLiteral("Pendiente"));
    case 1: return reportengine::FormulaValue::number(1250.5);
    case 2: return reportengine::FormulaValue::boolean(true);
    case 3: return reportengine::FormulaValue::dateTime(QDateTime(QDate(2024, 3, 15), QTime(10, 30)));
    case 4: return reportengine::FormulaValue::date(QDate(2024, 2, 29));
    default: return {};
    }
}

class Row : public reportengine::FormulaContext {
public:
    reportengine::FormulaValue field(const reportengine::FormulaNode& node) const override { return valueNamed(node.table() + u'.' + node.name()); }
    FormulaLookup formula(const reportengine::FormulaNode& node) const override
    {
        throw reportengine::FormulaError(QStringLiteral("no formula ") + node.name(), node.position());
    }
    reportengine::FormulaValue parameter(const reportengine::FormulaNode& node) const override { return valueNamed(node.name()); }
    reportengine::FormulaValue special(const reportengine::FormulaNode&) const override { return reportengine::FormulaValue::number(3); }
};

class Columns : public reportengine::SqlResolver {
public:
    QString column(const reportengine::FormulaNode& field) const override
    {
        return field.name().startsWith(u'x', Qt::CaseInsensitive) ? QString() : field.table() + u'.' + field.name();
    }
    const reportengine::FormulaNode* formula(const QString&) const override { return nullptr; }
    std::optional<reportengine::FormulaValue> parameter(const QString& name) const override { return valueNamed(name); }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    reportengine::FormulaNode::Ptr tree;
    try {
        tree = reportengine::FormulaParser::parse(fuzz::text(data, size));
    } catch (const reportengine::FormulaError&) {
        return 0;
    }
    if (!tree)
        return 0;
    reportengine::SelectionPushdown::translate(tree.get(), Columns());
    try {
        reportengine::FormulaEvaluator::evaluate(*tree, Row()).toText();
    } catch (const reportengine::FormulaError&) {
    }
    return 0;
}
