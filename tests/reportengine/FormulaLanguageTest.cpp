#include "FormulaTestContext.h"
#include "reportengine/FormulaError.h"
#include "reportengine/FormulaEvaluator.h"
#include "reportengine/FormulaParser.h"
#include "reportengine/SelectionPushdown.h"
#include "reportengine/ValueFormatter.h"
#include <gtest/gtest.h>

using reportengine::FormulaError;
using reportengine::FormulaEvaluator;
using reportengine::FormulaParser;
using reportengine::FormulaValue;

namespace {

FormulaTestContext documentRow()
{
    FormulaTestContext row({
        {"C_MV_CPTE.TC", FormulaValue::text("RMC")},
        {"C_MV_CPTE.IdComprobante", FormulaValue::text("000100000012A")},
        {"C_MV_CPTE.Cuenta", FormulaValue::text("1020")},
        {"C_MV_CPTE.Fecha", FormulaValue::dateTime(QDateTime(QDate(2024, 3, 15), QTime(0, 0)))},
        {"C_MV_CPTE.FechaEntrega", FormulaValue::dateTime(QDateTime(QDate(2024, 3, 20), QTime(10, 30)))},
        {"C_MV_CPTE.FINALIZADO", FormulaValue::boolean(false)},
        {"C_MV_CPTE.Anulada", FormulaValue::number(0)},          // a bit column read as a number
        {"C_MV_CPTE.Garantia", FormulaValue::boolean(true)},
        {"C_MV_CPTE.UNEGOCIO", FormulaValue::text("01")},
        {"C_MV_CPTE.USUARIO", FormulaValue::text("jperez")},
        {"C_MV_CPTE.sucursal", FormulaValue::text("0001")},
        {"C_MV_CPTE.IdMotivoCpraVta", FormulaValue::text("  A12 ")},
        {"C_MV_CPTE.Importe", FormulaValue::number(1250.5)},
        {"C_MV_CPTE.Nota", FormulaValue()},
        {"V_MV_STOCK.TC", FormulaValue::text("IR")},
        {"Tabla.Importe", FormulaValue::text("15")},
    });
    row.setFormula(QStringLiteral("Estados"), QStringLiteral("'Pendiente,Finalizada,Facturado'"));
    row.setFormula(QStringLiteral("AproFin"), QStringLiteral("'Finalizada'"));
    row.setFormula(QStringLiteral("Vacio"), QStringLiteral("''"));
    return row;
}

FormulaValue eval(const QString& formula)
{
    const auto tree = FormulaParser::parse(formula);
    return FormulaEvaluator::evaluate(*tree, documentRow());
}

struct Case {
    const char* formula;
    FormulaValue expected;
};

FormulaValue T() { return FormulaValue::boolean(true); }
FormulaValue F() { return FormulaValue::boolean(false); }
FormulaValue N(double d) { return FormulaValue::number(d); }
FormulaValue S(const char* s) { return FormulaValue::text(QString::fromUtf8(s)); }

void runCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(c.formula);
        try {
            const FormulaValue v = eval(QString::fromUtf8(c.formula));
            EXPECT_EQ(v.kind(), c.expected.kind()) << v.toText().toStdString();
            EXPECT_EQ(v.toText(), c.expected.toText());
        } catch (const FormulaError& e) {
            ADD_FAILURE() << e.what();
        }
    }
}

} // namespace

TEST(FormulaLanguage, LiteralsAndQuotes)
{
    runCases({
        {"'it''s'", S("it's")},
        {"\"say \"\"hi\"\"\"", S("say \"hi\"")},
        {"'mixed \" quote'", S("mixed \" quote")},
        {"12.5", N(12.5)},
        {"true", T()},
        {"FALSE", F()},
        {"Date(2024, 2, 29) = DateTime(2024, 2, 29, 0, 0, 0)", T()},
        {"-(3 - 5) * 2", N(4)},
        {"'a' & 1 & TRUE", S("a1True")},
    });
}

TEST(FormulaLanguage, ComparisonsFollowTheServer)
{
    runCases({
        {"{c_mv_cpte.tc} = 'rmc'", T()},                          // names and texts ignore case
        {"{C_MV_CPTE.TC} = 'RMC   '", T()},                       // trailing blanks ignored
        {"{C_MV_CPTE.TC} <> 'RMC'", F()},
        {"{C_MV_CPTE.Cuenta} >= '1001' AND {C_MV_CPTE.Cuenta} <= '1050'", T()},
        {"{C_MV_CPTE.Cuenta} < '999'", T()},                      // texts compare as texts
        {"{C_MV_CPTE.FINALIZADO} = FALSE", T()},
        {"{C_MV_CPTE.Anulada} = FALSE", T()},                     // bit column against a boolean
        {"{C_MV_CPTE.Garantia} = TRUE", T()},
        {"{C_MV_CPTE.Fecha} >= Date(2024, 3, 15)", T()},          // a date meets a date-time at midnight
        {"{C_MV_CPTE.Fecha} <= Date(2024, 3, 14)", F()},
        {"{C_MV_CPTE.FechaEntrega} <= Date(2024, 3, 20)", F()},
        {"{C_MV_CPTE.FechaEntrega} <= DateTime(2024, 3, 20, 10, 30, 0)", T()},
        {"{C_MV_CPTE.Importe} > 1000", T()},
        {"{C_MV_CPTE.Importe} = '1250.5'", T()},
    });
}

TEST(FormulaLanguage, NullMakesComparisonsUnknown)
{
    runCases({
        {"{C_MV_CPTE.Nota} = 'x'", FormulaValue()},
        {"NOT ({C_MV_CPTE.Nota} = 'x')", FormulaValue()},
        {"{C_MV_CPTE.Nota} = 'x' OR TRUE", T()},
        {"{C_MV_CPTE.Nota} = 'x' AND FALSE", F()},
        {"{C_MV_CPTE.Nota} IN ['a', 'b']", FormulaValue()},
        {"UCASE({C_MV_CPTE.Nota})", FormulaValue()},
    });
    const auto tree = FormulaParser::parse(QStringLiteral("{C_MV_CPTE.Nota} <> 'x'"));
    EXPECT_FALSE(FormulaEvaluator::selects(tree.get(), documentRow()));
    EXPECT_TRUE(FormulaEvaluator::selects(nullptr, documentRow()));
}

TEST(FormulaLanguage, PrecedenceIsNotThenAndThenOr)
{
    runCases({
        {"TRUE OR TRUE AND FALSE", T()},
        {"(TRUE OR TRUE) AND FALSE", F()},
        {"NOT FALSE AND FALSE", F()},
        {"NOT (FALSE AND FALSE)", T()},
        {"FALSE AND FALSE OR TRUE", T()},
        {"NOT NOT TRUE", T()},
        {"1 + 2 * 3 = 7", T()},
        {"2 * 3 - 4 / 2", N(4)},
    });
}

TEST(FormulaLanguage, LikeAndIn)
{
    runCases({
        {"{C_MV_CPTE.USUARIO} LIKE 'JP*'", T()},
        {"UCASE({C_MV_CPTE.USUARIO}) LIKE 'JPEREZ*'", T()},
        {"{C_MV_CPTE.USUARIO} LIKE 'j?erez'", T()},
        {"{C_MV_CPTE.USUARIO} LIKE 'j?rez'", F()},
        {"{C_MV_CPTE.USUARIO} LIKE '*rez'", T()},
        {"{C_MV_CPTE.USUARIO} LIKE '*'", T()},
        {"'' LIKE '*'", T()},
        {"'abcabd' LIKE '*ab?'", T()},
        {"'aXbXc' LIKE 'a*b*d'", F()},
        {"{C_MV_CPTE.UNEGOCIO} IN ['02', '01']", T()},
        {"{C_MV_CPTE.UNEGOCIO} IN ['02']", F()},
        {"{C_MV_CPTE.Importe} IN [1, 1250.5]", T()},
        {"'fact' IN 'Pendiente,Facturado'", T()},
        {"{@AproFin} in {@Estados}", T()},
        {" ( {@AproFin} in {@Estados} or {@Estados} = '')", T()},
        {"{@AproFin} in {@Vacio} or {@Vacio} = ''", T()},
    });
}

// "x IN a TO b" holds both bounds; a Null anywhere leaves it unknown.
TEST(FormulaLanguage, InRangeIncludesItsBounds)
{
    runCases({
        {"{C_MV_CPTE.Cuenta} IN '1020' TO '1050'", T()},
        {"{C_MV_CPTE.Cuenta} IN '1000' TO '1020'", T()},
        {"{C_MV_CPTE.Cuenta} IN '1021' TO '1050'", F()},
        {"{C_MV_CPTE.Importe} IN 1000 + 250 TO 2000", T()},
        {"{C_MV_CPTE.Fecha} IN Date(2024,03,15) TO Date(2024,03,31) AND {C_MV_CPTE.TC} = 'RMC'", T()},
        {"{C_MV_CPTE.FechaEntrega} IN Date(2024,03,01) TO Date(2024,03,20)", F()},
        {"{C_MV_CPTE.Nota} IN 'a' TO 'z'", FormulaValue()},
        {"NOT ({C_MV_CPTE.Nota} IN 'a' TO 'z')", FormulaValue()},
    });
    EXPECT_THROW(eval(QStringLiteral("'a' TO 'b'")), FormulaError);
    EXPECT_THROW(eval(QStringLiteral("{C_MV_CPTE.Cuenta} IN '1' TO")), FormulaError);
}

TEST(FormulaLanguage, Functions)
{
    runCases({
        {"UCASE('añb')", S("AÑB")},
        {"LCASE('ÁB')", S("áb")},
        {"TrimLeft({C_MV_CPTE.IdMotivoCpraVta})", S("A12 ")},
        {"TrimRight({C_MV_CPTE.IdMotivoCpraVta})", S("  A12")},
        {"Trim({C_MV_CPTE.IdMotivoCpraVta})", S("A12")},
        {"TrimLeft(TrimRight({C_MV_CPTE.IdMotivoCpraVta})) LIKE 'A*'", T()},
        {"tonumber('1.234,5')", N(1234.5)},
        {"tonumber({Tabla.Importe}) >= 10  AND tonumber({Tabla.Importe}) <= 20 ", T()},
        {"totext(1234.5, 2)", S("1.234,50")},
        {"totext(Date(2024, 1, 5))", S("05/01/2024")},
        {"totext(PageNumber)", S("3")},
        {"Left('abcdef', 2) & Right('abcdef', 2)", S("abef")},
        {"Mid('abcdef', 2, 3)", S("bcd")},
        {"Mid('abcdef', 5)", S("ef")},
        {"Len('abc  ')", N(5)},
        {"Left('ab', 10)", S("ab")},
    });
}

// Texts of the kind the report window emits; each must parse and pick the row above.
TEST(FormulaLanguage, SelectionsOfTheReportWindowParseAndSelect)
{
    const char* selections[] = {
        " {C_MV_CPTE.TC} = 'RMC' AND {C_MV_CPTE.Cuenta} >= '1001'  AND {C_MV_CPTE.Cuenta} <= '1050'  AND {C_MV_CPTE.Anulada} = FALSE",
        " {C_MV_CPTE.TC} = 'RMC' AND  (TrimLeft(TrimRight({C_MV_CPTE.IdMotivoCpraVta})) LIKE 'A*' ) OR {C_MV_CPTE.Cuenta} <= '2000' ",
        " ({C_MV_CPTE.Cuenta} LIKE '1*'  OR {C_MV_CPTE.Cuenta} LIKE '3*' )",
        " {C_MV_CPTE.TC} = 'RMC' AND ({C_MV_CPTE.UNEGOCIO} = '01'  OR {C_MV_CPTE.UNEGOCIO} = '' ) "
        " and {C_MV_CPTE.FINALIZADO} = FALSE AND {C_MV_CPTE.Anulada} = FALSE AND {C_MV_CPTE.Garantia} = TRUE",
        " {C_MV_CPTE.TC} = 'RMC' AND  UCASE({C_MV_CPTE.USUARIO}) LIKE 'JPE*'",
        " {C_MV_CPTE.TC} = 'rmc' and {C_MV_CPTE.sucursal} <>'9990'",
        "{C_MV_CPTE.Fecha} >= Date(2024,3,1) AND {C_MV_CPTE.Fecha} <= Date(2024,3,31) ",
        "{C_MV_CPTE.FechaEntrega} >= DateTime(2024,3,1,0,0,0) ",
        "{C_MV_CPTE.IdComprobante} >= '000100000001A'  AND {C_MV_CPTE.IdComprobante} <= '000100000099A' "
        " AND {V_MV_STOCK.TC}='IR' ",
        " (TrimLeft(TrimRight({C_MV_CPTE.IdMotivoCpraVta})) LIKE 'A*'  AND TrimLeft(TrimRight({C_MV_CPTE.IdMotivoCpraVta})) <= 'B' )",
        " {C_MV_CPTE.TC} = 'RMC' AND  ( {@AproFin} in {@Estados} or {@Estados} = '')",
    };
    for (const char* s : selections) {
        SCOPED_TRACE(s);
        const auto tree = FormulaParser::parse(QString::fromUtf8(s));
        ASSERT_TRUE(tree);
        EXPECT_TRUE(FormulaEvaluator::selects(tree.get(), documentRow()));
    }
}

TEST(FormulaLanguage, ErrorsCarryTheirPosition)
{
    const std::pair<const char*, int> cases[] = {
        {"{C_MV_CPTE.TC} = 'RMC", 18},            // text not closed: where it opens
        {"{C_MV_CPTE.TC = 'x'", 1},                // field not closed
        {"{TC} = 'x'", 1},                         // field without its table
        {"{C_MV_CPTE.TC} = ", 18},                 // nothing after the operator: the end
        {"{C_MV_CPTE.TC} = 'x' 'y'", 22},          // two values in a row
        {"(TRUE", 6},
        {"Nosuch(1)", 1},                          // unknown function
        {"{C_MV_CPTE.TC} = RMC", 18},              // a bare word is not a text
        {"TRUE ; FALSE", 6},
        {"[1, 2", 6},
    };
    for (const auto& [formula, position] : cases) {
        SCOPED_TRACE(formula);
        try {
            FormulaParser::parse(QString::fromUtf8(formula));
            ADD_FAILURE() << "parsed";
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.position(), position) << e.what();
        }
    }
}

// A name the language does not know is quoted by its start, however long it is.
TEST(FormulaLanguage, UnknownNamesAreQuotedByTheirStart)
{
    const QString longName = QString(100000, u'a');
    const std::pair<QString, QString> cases[] = {
        {longName, QStringLiteral("Nombre desconocido \"%1...\"").arg(QString(60, u'a'))},
        {QStringLiteral("1 + ") + longName + QStringLiteral("(2)"), QStringLiteral("Función desconocida \"%1...\"").arg(QString(60, u'a'))},
        {QStringLiteral("Nosuch(1)"), QStringLiteral("Función desconocida \"Nosuch\"")},
    };
    for (const auto& [formula, message] : cases) {
        try {
            FormulaParser::parse(formula);
            ADD_FAILURE() << "parsed";
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.message().toStdString(), message.toStdString());
        }
    }
}

// A text that is no number or no date is quoted by its start, however long it is.
TEST(FormulaLanguage, ATextOfTheWrongKindIsQuotedByItsStart)
{
    const QString text = QStringLiteral("'") + QString(100000, u'x') + QStringLiteral("'");
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("tonumber(%1)").arg(text), QStringLiteral("El texto \"%1...\" no es un número").arg(QString(60, u'x'))},
        {QStringLiteral("Date(%1)").arg(text), QStringLiteral("El texto \"%1...\" no es una fecha").arg(QString(60, u'x'))},
        {QStringLiteral("tonumber('12x')"), QStringLiteral("El texto \"12x\" no es un número")},
    };
    for (const auto& [formula, message] : cases) {
        try {
            eval(formula);
            ADD_FAILURE() << "evaluated";
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.message().toStdString(), message.toStdString());
        }
    }
}

TEST(FormulaLanguage, EvaluationErrorsAreReportedNotGuessed)
{
    const char* bad[] = {"tonumber('abc')", "1 / 0", "Date(2024, 2, 30)", "{C_MV_CPTE.Fecha} = 5",
                         "{No.Field} = 1", "{@Missing}", "Mid('abc', 0, 1)", "[1, 2]"};
    for (const char* formula : bad) {
        SCOPED_TRACE(formula);
        EXPECT_THROW(eval(QString::fromUtf8(formula)), FormulaError);
    }
}

// Numbers past the range of a 64-bit integer, and the infinite and undefined results of
// arithmetic on them: their text is their digits or the name of the value, a count of days or
// characters made of them is out of range.
TEST(FormulaLanguage, NumbersPastTheIntegerRangeAreTextAndNoCount)
{
    const QString huge = QString(300, u'9');
    const QString infinite = huge + u'*' + huge;
    const std::pair<QString, QString> texts[] = {
        {QStringLiteral("totext(9223372036854775808)"), QStringLiteral("9223372036854775808")},
        {QStringLiteral("totext(-99999999999999999999)"), QStringLiteral("-100000000000000000000")},
        {QStringLiteral("totext(%1)").arg(infinite), QStringLiteral("inf")},
        {QStringLiteral("totext(-(%1))").arg(infinite), QStringLiteral("-inf")},
        {QStringLiteral("totext(%1 - %1)").arg(infinite), QStringLiteral("nan")},
    };
    for (const auto& [formula, text] : texts) {
        SCOPED_TRACE(formula.toStdString());
        EXPECT_EQ(eval(formula).toText(), text);
    }
    const QString counts[] = {QStringLiteral("Date(2024, 1, 1) + ") + huge, QStringLiteral("{C_MV_CPTE.Fecha} - 10000000000"),
                              QStringLiteral("Left('abc', %1 - %1)").arg(infinite)};
    for (const QString& formula : counts) {
        SCOPED_TRACE(formula.toStdString());
        EXPECT_THROW(eval(formula), FormulaError);
    }
}

// Joined texts, with & or +, may reach the bound but not pass it.
TEST(FormulaLanguage, JoinedTextsStopAtTheBound)
{
    const qsizetype half = FormulaEvaluator::MaxText / 2;
    const FormulaTestContext row({{"T.Mitad", FormulaValue::text(QString(half, u'a'))}, {"T.Mas", FormulaValue::text(QString(half + 1, u'a'))}});
    for (const char* formula : {"{T.Mitad} & {T.Mitad}", "{T.Mitad} + {T.Mitad}"}) {
        SCOPED_TRACE(formula);
        EXPECT_EQ(FormulaEvaluator::evaluate(*FormulaParser::parse(QString::fromUtf8(formula)), row).toText().size(), 2 * half);
    }
    for (const char* formula : {"{T.Mitad} & {T.Mas}", "{T.Mas} + {T.Mitad}", "Trim({T.Mitad} & ' ' & {T.Mitad})"}) {
        SCOPED_TRACE(formula);
        try {
            FormulaEvaluator::evaluate(*FormulaParser::parse(QString::fromUtf8(formula)), row);
            ADD_FAILURE() << "no error";
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("El texto armado pasa de 16777216 caracteres"));
        }
    }
}

TEST(FormulaLanguage, DeepNestingEndsWithAnErrorNotACrash)
{
    EXPECT_THROW(FormulaParser::parse(QString(100000, u'(') + u'1'), FormulaError);
    EXPECT_THROW(FormulaParser::parse(QString(100000, u'-') + u'1'), FormulaError);
    QString notChain;
    for (int i = 0; i < 50000; ++i)
        notChain += QStringLiteral("NOT ");
    EXPECT_THROW(FormulaParser::parse(notChain + QStringLiteral("TRUE")), FormulaError);
    QStringList terms(20000, QStringLiteral("TRUE"));
    EXPECT_THROW(FormulaParser::parse(terms.join(QStringLiteral(" AND "))), FormulaError);
    // Ordinary depth still works.
    const auto tree = FormulaParser::parse(QString(50, u'(') + u'1' + QString(50, u')') + QStringLiteral(" = 1"));
    EXPECT_TRUE(FormulaEvaluator::selects(tree.get(), documentRow()));
}

// Each open parenthesis, function call, list, NOT and minus sign is one level: 200 of them read
// and work out, one more is refused at its place.
TEST(FormulaLanguage, NestingCountsOneLevelForEachParenthesisOrCall)
{
    const auto nested = [](const QString& open, const QString& inner, const QString& close, int times) {
        return open.repeated(times) + inner + close.repeated(times);
    };
    const struct {
        QString open, inner, close;
        int levelsEach;
        FormulaValue value;
    } shapes[] = {
        {QStringLiteral("("), QStringLiteral("1"), QStringLiteral(")"), 1, N(1)},
        {QStringLiteral("Mid("), QStringLiteral("'abc'"), QStringLiteral(", 1)"), 1, S("abc")},
        {QStringLiteral("UCASE("), QStringLiteral("'abc'"), QStringLiteral(")"), 1, S("ABC")},
        {QStringLiteral("-"), QStringLiteral("1"), QString(), 1, N(1)},
        {QStringLiteral("NOT ("), QStringLiteral("TRUE"), QStringLiteral(")"), 2, FormulaValue::boolean(true)},
        {QStringLiteral("(-"), QStringLiteral("1"), QStringLiteral(")"), 2, N(1)},
    };
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.open.toStdString());
        const int times = FormulaParser::MaxDepth / shape.levelsEach;
        EXPECT_EQ(eval(nested(shape.open, shape.inner, shape.close, times)), shape.value);
        try {
            FormulaParser::parse(nested(shape.open, shape.inner, shape.close, times + 1));
            ADD_FAILURE() << "no error";
        } catch (const FormulaError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("La fórmula tiene demasiados niveles anidados"));
            EXPECT_EQ(e.position(), times * shape.open.size() + 1);
        }
    }
    // A list is a level too.
    EXPECT_EQ(eval(nested(QStringLiteral("("), QStringLiteral("1 IN [1, 2]"), QStringLiteral(")"), 199)), FormulaValue::boolean(true));
    try {
        FormulaParser::parse(nested(QStringLiteral("("), QStringLiteral("1 IN [1, 2]"), QStringLiteral(")"), 200));
        ADD_FAILURE() << "no error";
    } catch (const FormulaError& e) {
        EXPECT_EQ(e.position(), 200 + 6);
    }
}

TEST(FormulaLanguage, BlankFormulaSelectsEverything)
{
    EXPECT_EQ(FormulaParser::parse(QStringLiteral("   ")), nullptr);
}

TEST(ValueFormatter, NumbersDatesAndBlanks)
{
    using reportengine::ValueFormatter;
    EXPECT_EQ(ValueFormatter::format(N(1234567.891), QStringLiteral("#,##0.00")), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(ValueFormatter::format(N(-0.004), QStringLiteral("0.00")), QStringLiteral("0,00"));
    EXPECT_EQ(ValueFormatter::format(N(-1000.5), QStringLiteral("#,##0")), QStringLiteral("-1.001"));
    EXPECT_EQ(ValueFormatter::format(N(999.995), QStringLiteral("0.00")), QStringLiteral("1000,00"));
    EXPECT_EQ(ValueFormatter::format(FormulaValue::date(QDate(2024, 1, 5)), QStringLiteral("dd/MM/yyyy")), QStringLiteral("05/01/2024"));
    EXPECT_EQ(ValueFormatter::format(FormulaValue(), QStringLiteral("0.00")), QString());
    EXPECT_EQ(ValueFormatter::format(N(2.5), QString()), QStringLiteral("2,5"));
}

TEST(SelectionPushdown, LiteralsAreEscaped)
{
    using reportengine::SelectionPushdown;
    EXPECT_EQ(SelectionPushdown::literal(S("O'Brien''s")), QStringLiteral("'O''Brien''''s'"));
    EXPECT_EQ(SelectionPushdown::likePattern(QStringLiteral("1*")), QStringLiteral("'1%'"));
    EXPECT_EQ(SelectionPushdown::likePattern(QStringLiteral("5%_?!'")), QStringLiteral("'5!%!__!!''' ESCAPE '!'"));
    EXPECT_EQ(SelectionPushdown::literal(FormulaValue::date(QDate(2024, 2, 29))), QStringLiteral("{ts '2024-02-29 00:00:00'}"));
}
