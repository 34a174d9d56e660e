// The selection formula of the filter rows: exact texts and messages for every kind, raw flag,
// connector, empty and reversed range and apostrophe; then each formula run by the report engine
// over the demo database, which must select the rows the database selects for the same ranges
// written as SQL.
#include "reports/ArmarFiltro.h"
#include "ReportsDemo.h"

#include "data/QStringPrinting.h"
#include "vb/Error.h"

#include <gtest/gtest.h>

using reports::ArmarFiltro;
using reports::RangoFiltro;

namespace {

constexpr std::int16_t Text = 129, Date = 7, Long = 20, Integer = 2, Currency6 = 6, Single = 4, ToNumber = 5;

RangoFiltro row(const QString& campo, std::int16_t tipo, const QString& desde, const QString& hasta, bool raw = false,
                const QString& operador = {})
{
    return RangoFiltro{desde, hasta, campo, tipo, std::int16_t(raw ? 1 : 0), operador};
}

const QString cuenta = QStringLiteral("{C_MV_CPTE.Cuenta}");
const QString motivo = QStringLiteral("{C_MV_CPTE.IdMotivoCpraVta}");
const QString fecha = QStringLiteral("{C_MV_CPTE.Fecha}");
const QString importe = QStringLiteral("{Tabla.Importe}");

struct Case {
    const char* name;
    QList<RangoFiltro> rows;
    QString formula;   // expected formula, when message is empty
    QString message;   // expected message; the formula then keeps its old value
};

const QString untouched = QStringLiteral("<formula before the call>");

} // namespace

TEST(ArmarFiltro, BuildsTheFormulaOrTheMessageOfEveryRangeShape)
{
    const QString trimmed = QStringLiteral("TrimLeft(TrimRight({C_MV_CPTE.IdMotivoCpraVta}))");
    const std::vector<Case> cases = {
        {"raw text range", {row(cuenta, Text, "1001", "1050", true)},
         "{C_MV_CPTE.Cuenta} >= '1001'  AND {C_MV_CPTE.Cuenta} <= '1050' ", {}},
        {"pattern then OR", {row(motivo, Text, "A*", {}), row(cuenta, Text, {}, "2000", true, "OR")},
         " (" + trimmed + " LIKE 'A*' ) OR {C_MV_CPTE.Cuenta} <= '2000' ", {}},
        {"two patterns", {row(cuenta, Text, "1*", "3*", true)},
         " ({C_MV_CPTE.Cuenta} LIKE '1*'  OR {C_MV_CPTE.Cuenta} LIKE '3*' )", {}},
        {"pattern and plain upper bound", {row(motivo, Text, "A*", "M")},
         " (" + trimmed + " LIKE 'A*'  AND " + trimmed + " <= 'M' )", {}},
        {"star alone", {row(cuenta, Text, "*", {}, true)}, " ({C_MV_CPTE.Cuenta} LIKE '*' )", {}},
        {"upper pattern alone", {row(cuenta, Text, {}, "21*", true)}, "{C_MV_CPTE.Cuenta} LIKE '21*' ", {}},
        {"tonumber range", {row(importe, ToNumber, "10", "20")},
         "tonumber({Tabla.Importe}) >= 10  AND tonumber({Tabla.Importe}) <= 20 ", {}},
        {"dates", {row(fecha, Date, "01/03/2024", "31/03/2024")},
         "{C_MV_CPTE.Fecha} >= Date(2024,03,01)  AND {C_MV_CPTE.Fecha} <= Date(2024,03,31) ", {}},
        {"equal dates", {row(fecha, Date, "05/03/2024", " 05/03/2024 ")},
         "{C_MV_CPTE.Fecha} >= Date(2024,03,05)  AND {C_MV_CPTE.Fecha} <= Date(2024,03,05) ", {}},
        {"date with NULs of a fixed field", {row(fecha, Date, QStringLiteral("05/03/2024") + QChar(0) + QChar(0), {})},
         "{C_MV_CPTE.Fecha} >= Date(2024,03,05) ", {}},
        {"long range", {row(cuenta, Long, "10", "20")}, "{C_MV_CPTE.Cuenta} >= 10  AND {C_MV_CPTE.Cuenta} <= 20 ", {}},
        {"number patterns use quotes", {row(cuenta, Long, "1*", "3*")},
         " ({C_MV_CPTE.Cuenta} LIKE '1*'  OR {C_MV_CPTE.Cuenta} LIKE '3*' )", {}},
        {"single bound beyond an Integer is not compared", {row(cuenta, Integer, "70000", {})}, "{C_MV_CPTE.Cuenta} >= 70000 ", {}},
        {"Currency compared rounded", {row(cuenta, Currency6, "2,6", "3,4")},
         "{C_MV_CPTE.Cuenta} >= 2,6  AND {C_MV_CPTE.Cuenta} <= 3,4 ", {}},
        {"apostrophes doubled", {row(cuenta, Text, "O'Brien", "O'Neil", true)},
         "{C_MV_CPTE.Cuenta} >= 'O''Brien'  AND {C_MV_CPTE.Cuenta} <= 'O''Neil' ", {}},
        {"apostrophe in a pattern", {row(cuenta, Text, "D'*", {}, true)}, " ({C_MV_CPTE.Cuenta} LIKE 'D''*' )", {}},
        {"trailing blanks kept", {row(cuenta, Text, "AB  ", {}, true)}, "{C_MV_CPTE.Cuenta} >= 'AB  ' ", {}},
        {"case ignored in order", {row(cuenta, Text, "a", "B", true)},
         "{C_MV_CPTE.Cuenta} >= 'a'  AND {C_MV_CPTE.Cuenta} <= 'B' ", {}},
        {"connectors written as given",
         {row(cuenta, Text, "1", {}, true), row(cuenta, Text, {}, "9", true, " or "), row(fecha, Date, "01/01/2024", {}, false, "And")},
         "{C_MV_CPTE.Cuenta} >= '1'  or {C_MV_CPTE.Cuenta} <= '9'  And {C_MV_CPTE.Fecha} >= Date(2024,01,01) ", {}},
        {"first clause's connector not used", {row(cuenta, Text, " ", "", true), row(cuenta, Text, "5", {}, true, "OR")},
         "{C_MV_CPTE.Cuenta} >= '5' ", {}},
        {"all empty", {row(cuenta, Text, "  ", {}), row(fecha, Date, {}, " ")}, "", {}},
        {"no rows", {}, "", {}},
        // Failures.
        {"bad connector on an empty row", {row(cuenta, Text, "1", {}), row(cuenta, Text, {}, {}, false, "XOR")}, {},
         "Operador logico incorrecto"},
        {"reversed text ignoring case", {row(cuenta, Text, "B", "a", true)}, {}, "Desde Mayor que Hasta, Campo : {C_MV_CPTE.Cuenta}"},
        {"reversed long", {row(cuenta, Long, "30", "4")}, {}, "Desde Mayor que Hasta, Campo : {C_MV_CPTE.Cuenta}"},
        {"reversed single", {row(cuenta, Single, "2,5", "2,25")}, {}, "Desde Mayor que Hasta, Campo : {C_MV_CPTE.Cuenta}"},
        {"reversed tonumber", {row(importe, ToNumber, "100", "99,5")}, {}, "Desde Mayor que Hasta, Campo : {Tabla.Importe}"},
        {"Currency rounds to equal", {row(cuenta, Currency6, "3,4", "2,6")}, "{C_MV_CPTE.Cuenta} >= 3,4  AND {C_MV_CPTE.Cuenta} <= 2,6 ", {}},
        {"reversed dates", {row(fecha, Date, "02/03/2024", "01/03/2024")}, {},
         "Fecha Desde Mayor que Hasta , Campo : {C_MV_CPTE.Fecha}"},
        {"bad upper date alone", {row(fecha, Date, {}, "31/02/2024")}, {}, "Fecha Hasta Incorrecta , Campo : {C_MV_CPTE.Fecha}"},
        {"bad lower date with both", {row(fecha, Date, "31/02/2024", "31/02/2024")}, {},
         "Fecha Desde Incorrecta , Campo : {C_MV_CPTE.Fecha}"},
        {"bad lower date alone", {row(fecha, Date, "1*", {})}, {}, "Fecha Desde Incorrecta , Campo : {C_MV_CPTE.Fecha}"},
        // A date the suite's database cannot hold, or with a part left empty where letters stood.
        {"year cut short", {row(fecha, Date, "15/03/202", {})}, {}, "Fecha Desde Incorrecta , Campo : {C_MV_CPTE.Fecha}"},
        {"before 1753 as upper", {row(fecha, Date, {}, "31/12/1752")}, {}, "Fecha Hasta Incorrecta , Campo : {C_MV_CPTE.Fecha}"},
        {"first day 1753", {row(fecha, Date, "1/1/1753", "1-1-1753")}, "{C_MV_CPTE.Fecha} >= Date(1753,01,01)  AND {C_MV_CPTE.Fecha} <= Date(1753,01,01) ", {}},
        {"empty part", {row(fecha, Date, "1--24", {})}, {}, "Fecha Desde Incorrecta , Campo : {C_MV_CPTE.Fecha}"},
        {"empty first part", {row(fecha, Date, "1/3/2024", "/3/24")}, {}, "Fecha Hasta Incorrecta , Campo : {C_MV_CPTE.Fecha}"},
        {"month name kept from wider boxes", {row(fecha, Date, "1 mar 2024", "1 mar, 2024")},
         "{C_MV_CPTE.Fecha} >= Date(2024,03,01)  AND {C_MV_CPTE.Fecha} <= Date(2024,03,01) ", {}},
        {"stops at the first bad row", {row(cuenta, Text, "1", "2", true), row(fecha, Date, "x", {}), row(cuenta, Text, {}, {}, false, "NO")},
         {}, "Fecha Desde Incorrecta , Campo : {C_MV_CPTE.Fecha}"},
    };
    for (const Case& c : cases) {
        QString formula = untouched, message = QStringLiteral("<message before the call>");
        ArmarFiltro(c.rows, formula, &message);
        if (c.message.isEmpty()) {
            EXPECT_EQ(formula, c.formula) << c.name;
            EXPECT_EQ(message, QStringLiteral("<message before the call>")) << c.name << ": a success leaves the message";
        } else {
            EXPECT_EQ(message, c.message) << c.name;
            EXPECT_EQ(formula, untouched) << c.name;
        }
        // Without a message argument the outcome on the formula is the same.
        QString alone = untouched;
        ArmarFiltro(c.rows, alone);
        EXPECT_EQ(alone, c.message.isEmpty() ? c.formula : untouched) << c.name;
    }
}

TEST(ArmarFiltro, ANumberBoundThatIsNoNumberRaisesTheConversionError)
{
    QString formula;
    const auto numberOf = [&](const QList<RangoFiltro>& rows) {
        try {
            ArmarFiltro(rows, formula);
        } catch (const vb::Error& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(numberOf({row(cuenta, Long, "12 OR TRUE", {})}), 13);      // nothing but a number goes in unquoted
    EXPECT_EQ(numberOf({row(importe, ToNumber, {}, "1*")}), 13);         // no patterns through tonumber()
    EXPECT_EQ(numberOf({row(cuenta, Integer, "1", "70000")}), 6);        // compared as Integers
    EXPECT_EQ(numberOf({row(cuenta, Long, "5", "7")}), 0);
}

// Each formula, run by the engine over the demo database, selects what the SQL selects.
TEST(ArmarFiltro, TheEngineSelectsWhatTheDatabaseSelects)
{
    ReportsDemo& demo = ReportsDemo::shared();
    const QStringList accounts = demo.column(QStringLiteral("SELECT DISTINCT Cuenta FROM C_MV_CPTE ORDER BY Cuenta"));
    ASSERT_GT(accounts.size(), 8);
    const QString a1 = accounts.at(accounts.size() / 4), a3 = accounts.at(accounts.size() * 3 / 4);
    const QString m = demo.column(QStringLiteral("SELECT IdMotivoCpraVta FROM C_MV_CPTE ORDER BY IdMotivoCpraVta")).at(100);
    const QString id = demo.column(QStringLiteral("SELECT IdComprobante FROM C_MV_CPTE ORDER BY IdComprobante")).at(120);
    const QString fechaC = QStringLiteral("{C_MV_CPTE.Fecha}"), entrega = QStringLiteral("{C_MV_CPTE.FechaEntrega}");
    const QString usuario = QStringLiteral("{C_MV_CPTE.Usuario}"), ident = QStringLiteral("{C_MV_CPTE.IdComprobante}");
    struct EngineCase {
        QList<RangoFiltro> rows;
        QString where;
    };
    const std::vector<EngineCase> cases = {
        {{row(cuenta, Text, a1, a3, true)}, QStringLiteral("Cuenta >= '%1' AND Cuenta <= '%2'").arg(a1, a3)},
        {{row(motivo, Text, m.trimmed(), m.trimmed())}, QStringLiteral("LTRIM(RTRIM(IdMotivoCpraVta)) = '%1'").arg(m.trimmed())},
        {{row(motivo, Text, {}, m, true)}, QStringLiteral("IdMotivoCpraVta <= '%1'").arg(m)},   // blank-padded as stored
        {{row(cuenta, Text, a1.left(7) + u'*', a3.left(7) + u'*', true)},
         QStringLiteral("(Cuenta LIKE '%1%' OR Cuenta LIKE '%2%')").arg(a1.left(7), a3.left(7))},
        {{row(cuenta, Text, a1.left(6) + u'*', a3, true)}, QStringLiteral("(Cuenta LIKE '%1%' AND Cuenta <= '%2')").arg(a1.left(6), a3)},
        {{row(usuario, Text, "d'*", {}), row(usuario, Text, "a*", {}, false, "OR")},
         QStringLiteral("LTRIM(RTRIM(Usuario)) LIKE 'd''%' OR LTRIM(RTRIM(Usuario)) LIKE 'a%'")},
        {{row(usuario, Text, "COMPRAS", "D'Angelo")}, QStringLiteral("LTRIM(RTRIM(Usuario)) >= 'COMPRAS' AND LTRIM(RTRIM(Usuario)) <= 'D''Angelo'")},
        {{row(ident, Text, id, {}, true)}, QStringLiteral("IdComprobante >= '%1'").arg(id)},
        {{row(fechaC, Date, "01/06/2023", "30/09/2023")},
         QStringLiteral("Fecha >= {ts '2023-06-01 00:00:00'} AND Fecha <= {ts '2023-09-30 00:00:00'}")},
        {{row(entrega, Date, {}, "15/03/2023")}, QStringLiteral("FechaEntrega <= {ts '2023-03-15 00:00:00'}")},
        {{row(cuenta, ToNumber, a1, a3)}, QStringLiteral("CAST(Cuenta AS FLOAT) >= %1 AND CAST(Cuenta AS FLOAT) <= %2").arg(a1, a3)},
        {{row(QStringLiteral("{C_MV_CPTE.Importe}"), Long, "100000", "900000")}, QStringLiteral("Importe >= 100000 AND Importe <= 900000")},
        {{row(cuenta, Text, a3, {}, true), row(fechaC, Date, "01/01/2024", {}, false, "or"),
          row(motivo, Text, {}, m.trimmed(), false, "AND")},
         QStringLiteral("Cuenta >= '%1' OR Fecha >= {ts '2024-01-01 00:00:00'} AND LTRIM(RTRIM(IdMotivoCpraVta)) <= '%2'").arg(a3, m.trimmed())},
    };
    for (const EngineCase& c : cases) {
        QString formula;
        QString message;
        ArmarFiltro(c.rows, formula, &message);
        ASSERT_TRUE(message.isEmpty()) << message.toStdString();
        const QStringList expected = demo.idsWhere(c.where);
        EXPECT_EQ(demo.idsSelectedByEngine(formula), expected) << formula.toStdString() << "\n" << c.where.toStdString();
        EXPECT_FALSE(expected.isEmpty()) << c.where.toStdString() << ": a case must select something";
        EXPECT_LT(expected.size(), demo.idsWhere({}).size()) << c.where.toStdString() << ": a case must leave something out";
    }
}
