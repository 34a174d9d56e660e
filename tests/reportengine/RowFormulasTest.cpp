// How a row works its formulas out: only those whose value is looked at, each once however often
// it is named, keeping only what the row asks for again, and never nesting calls along a line of
// formulas.
#include "FormulaShapes.h"
#include "reportengine/FormulaEvaluator.h"
#include "reportengine/ReportModel.h"
#include "reportengine/RowContext.h"

#include <gtest/gtest.h>
#include <map>

using namespace reportengine;

namespace {

using formulashapes::Formulas;

// A report over table T with these formulas and one column showing `column`.
ReportDefinition definition(const Formulas& formulas, const QString& column)
{
    ReportDefinition def;
    def.tables.push_back({QStringLiteral("T"), {QStringLiteral("Importe"), QStringLiteral("Texto"), QStringLiteral("Inicio")}});
    for (const auto& [name, text] : formulas)
        def.formulas.push_back({name, text});
    ColumnDef shown;
    shown.title = QStringLiteral("Valor");
    shown.value = column;
    def.columns.push_back(shown);
    return def;
}

// f1 .. f<count>, each `step` with %1 standing for the formula before it; f0 is `first`.
Formulas line(int count, const QString& step, const QString& first)
{
    return formulashapes::line(QStringLiteral("f"), count, step, first);
}

// A row that counts the reads of each field: a formula reading a field once is worked out as
// often as the field is read.
class CountingRow : public RowContext {
public:
    using RowContext::RowContext;
    FormulaValue field(const FormulaNode& node) const override
    {
        ++m_reads[node.name().toLower()];
        return RowContext::field(node);
    }
    int reads(const QString& field) const { return m_reads[field.toLower()]; }

private:
    mutable std::map<QString, int> m_reads;
};

// The row's values in the model's slot order; fields not given are Null.
std::vector<FormulaValue> rowOf(const ReportModel& model, const std::map<QString, FormulaValue>& values)
{
    std::vector<FormulaValue> row;
    for (const BoundField& f : model.fields()) {
        const auto it = values.find(f.field);
        row.push_back(it == values.end() ? FormulaValue() : it->second);
    }
    return row;
}

FormulaValue column(const ReportModel& model, const RowContext& row)
{
    return FormulaEvaluator::evaluate(model.column(0), row);
}

} // namespace

// A formula behind AND, OR or an IN list that has its answer already is not worked out, nor are
// the formulas it names; once its value is looked at, it is.
TEST(RowFormulas, AFormulaIsWorkedOutOnlyWhenItsValueIsLookedAt)
{
    const Formulas costly = line(40, QStringLiteral("%1 & %1"), QStringLiteral("{T.Texto}"));
    const struct {
        const char* column;
        double amount;
        FormulaValue expected;
        int reads;
    } cases[] = {
        {"{T.Importe} < -1 AND Len({@f40}) > 0", 5, FormulaValue::boolean(false), 0},
        {"{T.Importe} > 0 OR Len({@f40}) > 0", 5, FormulaValue::boolean(true), 0},
        {"{T.Importe} IN [5, Len({@f40})]", 5, FormulaValue::boolean(true), 0},
        {"{@Guarded}", 5, FormulaValue::boolean(false), 0},
        {"{T.Importe} < -1 AND Len({@f4}) > 0", -5, FormulaValue::boolean(true), 1},
        {"{@Guarded}", -5, FormulaValue::boolean(true), 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.column);
        SCOPED_TRACE(c.amount);
        Formulas formulas = costly;
        formulas.emplace_back(QStringLiteral("Guarded"), QStringLiteral("{T.Importe} < -1 AND Len({@f4}) = 32"));
        const ReportModel model(definition(formulas, QString::fromUtf8(c.column)));
        CountingRow row(model);
        const std::vector<FormulaValue> values =
            rowOf(model, {{QStringLiteral("Importe"), FormulaValue::number(c.amount)}, {QStringLiteral("Texto"), FormulaValue::text(QStringLiteral("ab"))}});
        row.setRow(&values);
        EXPECT_EQ(column(model, row), c.expected);
        EXPECT_EQ(row.reads(QStringLiteral("Texto")), c.reads);
    }
}

// A formula named more than once is worked out once a row; one named once is worked out each time
// the row asks for it, and not kept in between: a line of appends keeps only what it appends.
TEST(RowFormulas, ARowKeepsOnlyTheFormulasItAsksForAgain)
{
    Formulas formulas = line(160, QStringLiteral("%1 & {@Lit}"), QStringLiteral("{T.Inicio}"));
    formulas.emplace_back(QStringLiteral("Lit"), QStringLiteral("{T.Texto} & ''"));
    const ReportModel model(definition(formulas, QStringLiteral("Len({@f160})")));
    CountingRow row(model);
    const QString literal(1000, u'x');
    std::vector<FormulaValue> values =
        rowOf(model, {{QStringLiteral("Inicio"), FormulaValue::text(QStringLiteral("ab"))}, {QStringLiteral("Texto"), FormulaValue::text(literal)}});
    row.setRow(&values);
    EXPECT_EQ(column(model, row), FormulaValue::number(2 + 160 * 1000));
    EXPECT_EQ(row.reads(QStringLiteral("Texto")), 1);
    EXPECT_EQ(row.reads(QStringLiteral("Inicio")), 1);

    // Asked again for the same row: the line is worked out again, what it appends is not.
    EXPECT_EQ(column(model, row), FormulaValue::number(2 + 160 * 1000));
    EXPECT_EQ(row.reads(QStringLiteral("Texto")), 1);
    EXPECT_EQ(row.reads(QStringLiteral("Inicio")), 2);

    // Another row forgets it all.
    values = rowOf(model, {{QStringLiteral("Inicio"), FormulaValue::text(QStringLiteral("abc"))}, {QStringLiteral("Texto"), FormulaValue::text(QStringLiteral("y"))}});
    row.setRow(&values);
    EXPECT_EQ(column(model, row), FormulaValue::number(3 + 160));
    EXPECT_EQ(row.reads(QStringLiteral("Texto")), 2);
}

// Lines of formulas far longer than the stack could nest, and formulas each as deep as the
// parser allows, one built on the other.
TEST(RowFormulas, LongAndDeepLinesOfFormulasAreWorkedOutWithoutNesting)
{
    {
        const ReportModel model(definition(line(100000, QStringLiteral("%1 + 1"), QStringLiteral("{T.Importe}")), QStringLiteral("{@f100000}")));
        RowContext row(model);
        const std::vector<FormulaValue> values = rowOf(model, {{QStringLiteral("Importe"), FormulaValue::number(0.5)}});
        row.setRow(&values);
        EXPECT_EQ(column(model, row), FormulaValue::number(100000.5));
    }
    {
        // Each formula names the one before at the bottom of 998 additions.
        const ReportModel model(definition(line(300, QStringLiteral("%1") + QStringLiteral(" + 1").repeated(998), QStringLiteral("{T.Importe}")),
                                           QStringLiteral("{@f300}")));
        RowContext row(model);
        const std::vector<FormulaValue> values = rowOf(model, {{QStringLiteral("Importe"), FormulaValue::number(1)}});
        row.setRow(&values);
        EXPECT_EQ(column(model, row), FormulaValue::number(1 + 300 * 998));
    }
}

// What a row keeps stays within its bound: past it, a formula named again is worked out again.
TEST(RowFormulas, WhatARowKeepsStaysWithinItsBound)
{
    Formulas formulas;
    QStringList lengths;
    for (int i = 1; i <= 4; ++i) {
        formulas.emplace_back(QStringLiteral("g%1").arg(i), QStringLiteral("{T.Texto} & '%1'").arg(i));
        lengths << QStringLiteral("Len({@g%1})").arg(i) << QStringLiteral("Len({@g%1})").arg(i);
    }
    const ReportModel model(definition(formulas, lengths.join(QStringLiteral(" + "))));
    const std::vector<FormulaValue> values = rowOf(model, {{QStringLiteral("Texto"), FormulaValue::text(QString(300, u'x'))}});
    const std::pair<qsizetype, int> bounds[] = {{RowContext::KeptCharacters, 4}, {1000, 3 + 2}, {0, 8}};
    for (const auto& [bound, reads] : bounds) {
        SCOPED_TRACE(bound);
        CountingRow row(model, bound);
        row.setRow(&values);
        EXPECT_EQ(column(model, row), FormulaValue::number(8 * 301));
        EXPECT_EQ(row.reads(QStringLiteral("Texto")), reads);
    }
}
