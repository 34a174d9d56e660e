// How a row works its formulas out: only those whose value is looked at, each once however often
// it is named, keeping only what the row asks for again, and never nesting calls along a line of
// formulas.
#include "FormulaShapes.h"
#include "NothingKept.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaEvaluator.h"
#include "reportengine/ReportModel.h"
#include "reportengine/RowContext.h"

#include <gtest/gtest.h>
#include <map>

using namespace reportengine;

namespace {

using formulashapes::Formulas;

// A report over table T with these formulas, a parameter Letra of value "q", and a column
// showing each of `columns`.
ReportDefinition definition(const Formulas& formulas, const QStringList& columns)
{
    ReportDefinition def;
    def.tables.push_back({QStringLiteral("T"), {QStringLiteral("Importe"), QStringLiteral("Texto"), QStringLiteral("Inicio")}});
    def.parameters.push_back({QStringLiteral("Letra"), QStringLiteral("q")});
    for (const auto& [name, text] : formulas)
        def.formulas.push_back({name, text});
    for (const QString& column : columns) {
        ColumnDef shown;
        shown.title = QStringLiteral("Valor %1").arg(def.columns.size());
        shown.value = column;
        def.columns.push_back(shown);
    }
    return def;
}

ReportDefinition definition(const Formulas& formulas, const QString& column)
{
    return definition(formulas, QStringList{column});
}

// f1 .. f<count>, each `step` with %1 standing for the formula before it; f0 is `first`.
Formulas line(int count, const QString& step, const QString& first)
{
    return formulashapes::line(QStringLiteral("f"), count, step, first);
}

// A row that counts the reads of each field, and the times each formula's tree is handed to the
// evaluator to be worked out rather than its value.
class CountingRow : public RowContext {
public:
    using RowContext::RowContext;
    FormulaValue field(const FormulaNode& node) const override
    {
        ++m_reads[node.name().toLower()];
        return RowContext::field(node);
    }
    FormulaLookup formula(const FormulaNode& node) const override
    {
        FormulaLookup found = RowContext::formula(node);
        if (found.tree)
            ++m_workedOut[node.name().toLower()];
        return found;
    }
    int reads(const QString& field) const { return m_reads[field.toLower()]; }
    int workedOut(const QString& formula) const { return m_workedOut[formula.toLower()]; }

private:
    mutable std::map<QString, int> m_reads;
    mutable std::map<QString, int> m_workedOut;
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

FormulaValue column(const ReportModel& model, const RowContext& row, std::size_t i = 0)
{
    return FormulaEvaluator::evaluate(model.column(i), row);
}

// A row whose amount is `amount`.
std::vector<FormulaValue> amountRow(const ReportModel& model, double amount)
{
    return rowOf(model, {{QStringLiteral("Importe"), FormulaValue::number(amount)}});
}

// Formulas that name no field: Sufijo, named three times, and Largo, named once by a column that
// names no field either.
Formulas fixedFormulas()
{
    return {{QStringLiteral("Sufijo"), QStringLiteral("UCASE({?Letra}) & Mid('abcdef', 2, 3) & totext(Date(2024, 1, 31))")},
            {QStringLiteral("Largo"), QStringLiteral("{@Sufijo} & {@Sufijo}")},
            {QStringLiteral("Doble"), QStringLiteral("{T.Importe} * 2")}};
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

// What a row keeps of texts longer than 1 Ki characters stays within its bound: past it, a
// formula named again is worked out again. Shorter texts are kept whatever the bound.
TEST(RowFormulas, WhatARowKeepsStaysWithinItsBound)
{
    Formulas formulas;
    QStringList lengths;
    for (int i = 1; i <= 4; ++i) {
        formulas.emplace_back(QStringLiteral("g%1").arg(i), QStringLiteral("{T.Texto} & '%1'").arg(i));
        lengths << QStringLiteral("Len({@g%1})").arg(i) << QStringLiteral("Len({@g%1})").arg(i);
    }
    const ReportModel model(definition(formulas, lengths.join(QStringLiteral(" + "))));
    const struct {
        qsizetype text;
        qsizetype bound;
        int reads;
    } cases[] = {{1500, RowContext::KeptCharacters, 4}, {1500, 5000, 3 + 2}, {1500, 0, 8}, {300, 0, 4}, {1023, 0, 4}, {1024, 0, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        SCOPED_TRACE(c.bound);
        const std::vector<FormulaValue> values = rowOf(model, {{QStringLiteral("Texto"), FormulaValue::text(QString(c.text, u'x'))}});
        CountingRow row(model, c.bound);
        row.setRow(&values);
        EXPECT_EQ(column(model, row), FormulaValue::number(8 * (c.text + 1)));
        EXPECT_EQ(row.reads(QStringLiteral("Texto")), c.reads);
    }
}

// However full the bound is, a line of short texts that each name the one before twice is worked
// out once a row: the long texts the run keeps leave no room, the short ones need none.
TEST(RowFormulas, AFullBoundKeepsAFanOutOfShortTextsLinear)
{
    const formulashapes::Shape shape = formulashapes::fullBudgetFanOut(16, 12);
    ReportDefinition def;
    def.tables.push_back({QStringLiteral("C_MV_CPTE"), {QStringLiteral("Usuario")}});
    for (const auto& [name, text] : shape.formulas)
        def.formulas.push_back({name, text});
    for (const QString& shown : shape.columns) {
        ColumnDef c;
        c.title = QStringLiteral("Valor %1").arg(def.columns.size());
        c.value = shown;
        def.columns.push_back(c);
    }
    const ReportModel model(def);
    // The lines' texts of more than 1 Ki characters, 2 Ki and 4 Ki each, and pad, 4 Ki, leave 8
    // characters free.
    const qsizetype full = 4 * (2048 + 4096) + 4096 + 8;
    for (const qsizetype bound : {qsizetype(0), full, RowContext::KeptCharacters}) {
        SCOPED_TRACE(bound);
        CountingRow row(model, bound);
        const QStringList users{QStringLiteral("COMPRAS"), QStringLiteral("ADMIN"), QStringLiteral("JP")};
        for (const QString& user : users) {
            const std::vector<FormulaValue> values = rowOf(model, {{QStringLiteral("Usuario"), FormulaValue::text(user)}});
            row.setRow(&values);
            EXPECT_EQ(column(model, row, 0).toText(), shape.value);
            EXPECT_EQ(column(model, row, 1), FormulaValue::text((user + QStringLiteral("0123456789")).left(12)));
        }
        for (int i = 0; i <= 16; ++i)
            EXPECT_EQ(row.workedOut(QStringLiteral("g%1").arg(i)), users.size()) << i;
    }
}

// With keeping switched off for a test, every value is worked out where it is looked at, and
// comes out the same.
TEST(RowFormulas, WithNothingKeptEveryValueIsWorkedOutWhereItIsLookedAt)
{
    const ReportModel model(definition(fixedFormulas(), {QStringLiteral("Len({@Largo}) + 1"), QStringLiteral("{@Doble} & {@Doble} & {@Sufijo}")}));
    std::map<bool, std::vector<FormulaValue>> shown;
    for (const bool keeping : {true, false}) {
        std::optional<NothingKept> off;
        if (!keeping)
            off.emplace();
        CountingRow row(model);
        for (int i = 1; i <= 3; ++i) {
            const std::vector<FormulaValue> values = amountRow(model, i);
            row.setRow(&values);
            shown[keeping].push_back(column(model, row, 0));
            shown[keeping].push_back(column(model, row, 1));
        }
        EXPECT_EQ(row.workedOut(QStringLiteral("Sufijo")), keeping ? 1 : 3 * 3);
        EXPECT_EQ(row.workedOut(QStringLiteral("Doble")), keeping ? 3 : 3 * 2);
    }
    EXPECT_EQ(shown[true], shown[false]);
}

// A formula or a column that names no field, page value nor such formula holds for the whole run:
// it is worked out once however many rows ask for it, whether a column names it or it is the
// column, and also where a column that names a field asks for it. One that names a field is still
// worked out for each row, and a new run starts with nothing kept.
TEST(RowFormulas, AValueNoRowCanChangeIsWorkedOutOncePerRun)
{
    const ReportModel model(definition(fixedFormulas(), {QStringLiteral("Len({@Largo}) + 1"), QStringLiteral("{@Doble} & {@Sufijo}")}));
    const QString suffix = QStringLiteral("Qbcd31/01/2024");
    CountingRow row(model);
    for (int i = 1; i <= 10; ++i) {
        SCOPED_TRACE(i);
        const std::vector<FormulaValue> values = amountRow(model, i);
        row.setRow(&values);
        EXPECT_EQ(column(model, row, 0), FormulaValue::number(2 * suffix.size() + 1));
        EXPECT_EQ(column(model, row, 1), FormulaValue::text(QString::number(2 * i) + suffix));
    }
    EXPECT_EQ(row.workedOut(QStringLiteral("Largo")), 1);
    EXPECT_EQ(row.workedOut(QStringLiteral("Sufijo")), 1);
    EXPECT_EQ(row.workedOut(QStringLiteral("Doble")), 10);
    EXPECT_EQ(row.reads(QStringLiteral("Importe")), 10);

    CountingRow another(model);
    const std::vector<FormulaValue> values = amountRow(model, 4);
    another.setRow(&values);
    EXPECT_EQ(column(model, another, 1), FormulaValue::text(QStringLiteral("8") + suffix));
    EXPECT_EQ(another.workedOut(QStringLiteral("Sufijo")), 1);
}

// The page number and count change the value with the page, the print date when it is set; a
// part of the selection that names no field gives every row the same answer, worked out once.
TEST(RowFormulas, PageValuesAndThePrintDateAreWorkedOutWhenTheyChange)
{
    Formulas formulas = fixedFormulas();
    formulas.emplace_back(QStringLiteral("Pagina"), QStringLiteral("totext(PageNumber) & '/' & totext(TotalPageCount) & {@Sufijo}"));
    formulas.emplace_back(QStringLiteral("Fecha"), QStringLiteral("totext(PrintDate) & {@Sufijo}"));
    const ReportModel model(definition(formulas, {QStringLiteral("{@Pagina}"), QStringLiteral("Left({@Fecha}, 10) & '.'")}));
    CountingRow row(model);
    row.setPrintDate(QDate(2024, 6, 14));
    const std::vector<FormulaValue> values = amountRow(model, 1);
    for (int page = 1; page <= 3; ++page) {
        row.setPage(page, 3);
        for (int i = 0; i < 4; ++i) {
            row.setRow(&values);
            EXPECT_EQ(column(model, row, 1), FormulaValue::text(QStringLiteral("14/06/2024.")));
        }
        EXPECT_EQ(column(model, row, 0), FormulaValue::text(QStringLiteral("%1/3Qbcd31/01/2024").arg(page)));
    }
    EXPECT_EQ(row.workedOut(QStringLiteral("Pagina")), 3);
    EXPECT_EQ(row.workedOut(QStringLiteral("Fecha")), 1);

    row.setPrintDate(QDate(2024, 6, 15));
    EXPECT_EQ(column(model, row, 1), FormulaValue::text(QStringLiteral("15/06/2024.")));
    EXPECT_EQ(column(model, row, 1), FormulaValue::text(QStringLiteral("15/06/2024.")));
    EXPECT_EQ(row.workedOut(QStringLiteral("Fecha")), 2);
    EXPECT_EQ(row.workedOut(QStringLiteral("Sufijo")), 1);

    ReportDefinition selecting = definition(formulas, QStringLiteral("{@Doble}"));
    selecting.selection = QStringLiteral("Len({@Largo}) > 20");
    const ReportModel evaluated(selecting, QString(), false);
    ASSERT_EQ(evaluated.selection().residual.size(), 1u);
    CountingRow selected(evaluated);
    for (int i = 1; i <= 5; ++i) {
        const std::vector<FormulaValue> amounts = amountRow(evaluated, i);
        selected.setRow(&amounts);
        EXPECT_TRUE(FormulaEvaluator::selects(evaluated.selection().residual.front(), selected));
    }
    EXPECT_EQ(selected.workedOut(QStringLiteral("Largo")), 1);
}

// A formula that names no field and fails is not kept: it raises for every row that looks at
// it, and only there.
TEST(RowFormulas, AFailingValueNoRowCanChangeRaisesForEveryRowThatAsks)
{
    Formulas formulas = fixedFormulas();
    formulas.emplace_back(QStringLiteral("Mal"), QStringLiteral("1 / (Len({@Sufijo}) - 14)"));
    const ReportModel model(definition(formulas, {QStringLiteral("{T.Importe} > 0 AND {@Mal} > 0"), QStringLiteral("{@Mal} + 1")}));
    CountingRow row(model);
    for (const double amount : {-1.0, 2.0, 0.0, 3.0}) {
        SCOPED_TRACE(amount);
        const std::vector<FormulaValue> values = amountRow(model, amount);
        row.setRow(&values);
        if (amount <= 0) {
            EXPECT_EQ(column(model, row, 0), FormulaValue::boolean(false));
        } else {
            try {
                column(model, row, 0);
                ADD_FAILURE() << "no fault";
            } catch (const FormulaError& e) {
                EXPECT_EQ(e.message(), QStringLiteral("División por cero"));
            }
        }
        EXPECT_THROW(column(model, row, 1), FormulaError);
    }
    EXPECT_EQ(row.workedOut(QStringLiteral("Mal")), 2 + 4);
    EXPECT_EQ(row.workedOut(QStringLiteral("Sufijo")), 1);
}

// What a run keeps takes from the row's bound: past it, a value no row can change is worked out
// again each time it is named, as one that names a field; a short text is kept whatever the bound.
TEST(RowFormulas, WhatARunKeepsStaysWithinTheRowsBound)
{
    const struct {
        qsizetype text;
        qsizetype bound;
        int g1, g2, g3;
    } cases[] = {{1500, RowContext::KeptCharacters, 1, 1, 1}, {1500, 3500, 1, 1, 3}, {1500, 0, 6, 3, 3}, {300, 0, 1, 1, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        SCOPED_TRACE(c.bound);
        Formulas formulas;
        for (int i = 1; i <= 3; ++i)
            formulas.emplace_back(QStringLiteral("g%1").arg(i), QStringLiteral("'%1' & Left({?Letra}, 0) & '%2'").arg(QString(c.text, u'x')).arg(i));
        const ReportModel model(definition(formulas, QStringLiteral("{T.Importe} + Len({@g1}) + Len({@g1}) + Len({@g2}) + Len({@g3})")));
        CountingRow row(model, c.bound);
        for (int i = 0; i < 3; ++i) {
            const std::vector<FormulaValue> values = amountRow(model, i);
            row.setRow(&values);
            EXPECT_EQ(column(model, row), FormulaValue::number(i + 4 * (c.text + 1)));
        }
        EXPECT_EQ(row.workedOut(QStringLiteral("g1")), c.g1);
        EXPECT_EQ(row.workedOut(QStringLiteral("g2")), c.g2);
        EXPECT_EQ(row.workedOut(QStringLiteral("g3")), c.g3);
    }
}
