// Selection formulas in every shape the report window's range builder writes (one clause per
// range row, its connector, LIKE patterns, dates as Date(y,m,d), tonumber rows, raw and trimmed
// texts, apostrophes doubled), run over the demo database with and without pushdown, against the
// rows the database itself returns for the same ranges written as SQL.
#include "SharedDemoDatabase.h"
#include "reportengine/AdoRowSource.h"
#include "reportengine/BandStream.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/ReportModel.h"
#include <gtest/gtest.h>
#include <algorithm>

using namespace reportengine;

namespace {

enum class Kind { Text, Date, Number, ToNumber };

struct RangeRow {
    QString column;      // column of C_MV_CPTE
    Kind kind = Kind::Text;
    bool raw = false;    // text compared as stored, without the trimming wrapper
    QString from, to;
    QString connector;   // "AND", "or", " OR ", or empty
};

QString quoted(QString s)
{
    return u'\'' + s.replace(u'\'', QStringLiteral("''")) + u'\'';
}

// "dd/mm/yyyy" as the window's date boxes hold it.
QDate dayOf(const QString& text)
{
    return QDate::fromString(text.trimmed(), QStringLiteral("dd/MM/yyyy"));
}

// Both renderings of one range row: the formula the builder writes, and the SQL for the database.
struct Rendering {
    QString field, column, from, to, fromPattern, toPattern;
    bool fromStar = false, toStar = false;
};

QString trimmedRight(const QString& s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ')
        --n;
    return s.left(n);
}

Rendering render(const RangeRow& r, bool sqlSide)
{
    Rendering out;
    const QString braces = QStringLiteral("{C_MV_CPTE.%1}").arg(r.column);
    const bool patterns = r.kind == Kind::Text || r.kind == Kind::Number;
    out.fromStar = patterns && r.from.contains(u'*');
    out.toStar = patterns && r.to.contains(u'*');
    out.fromPattern = quoted(r.from);
    out.toPattern = quoted(r.to);
    switch (r.kind) {
    case Kind::Text:
        out.field = r.raw ? braces : QStringLiteral("TrimLeft(TrimRight(%1))").arg(braces);
        out.column = r.raw ? r.column : QStringLiteral("LTRIM(RTRIM(%1))").arg(r.column);
        // The server ignores trailing blanks in comparisons; written without them here so the
        // expected rows follow that rule whatever the embedded engine does with expressions.
        out.from = sqlSide ? quoted(trimmedRight(r.from)) : quoted(r.from);
        out.to = sqlSide ? quoted(trimmedRight(r.to)) : quoted(r.to);
        break;
    case Kind::Date: {
        out.field = braces;
        out.column = r.column;
        const auto formula = [](const QDate& d) { return d.toString(QStringLiteral("'Date('yyyy,MM,dd')'")); };
        const auto sql = [](const QDate& d) { return d.toString(QStringLiteral("''yyyy-MM-dd''")); };
        out.from = formula(dayOf(r.from)) + u'|' + sql(dayOf(r.from));
        out.to = formula(dayOf(r.to)) + u'|' + sql(dayOf(r.to));
        break;
    }
    case Kind::Number:
        out.field = braces;
        out.column = r.column;
        out.from = r.from;
        out.to = r.to;
        break;
    case Kind::ToNumber:
        out.field = QStringLiteral("tonumber(%1)").arg(braces);
        out.column = QStringLiteral("CAST(%1 AS FLOAT)").arg(r.column);
        out.from = r.from;
        out.to = r.to;
        break;
    }
    return out;
}

// A date bound carries "formula|sql"; other bounds are the same text in both languages.
QString side(const QString& bound, bool sql)
{
    const qsizetype bar = bound.indexOf(u'|');
    if (bar < 0 || !bound.startsWith(QLatin1String("Date(")))
        return bound;
    return sql ? bound.mid(bar + 1) : bound.left(bar);
}

QString likeSql(const QString& pattern)
{
    return QString(pattern).replace(u'*', u'%');
}

// The clause of one row, built by the builder's rules: LIKE opens a parenthesis only from the
// lower bound; two stars join with OR, a star and a plain bound with AND.
QString clause(const RangeRow& r, bool sql)
{
    const Rendering x = render(r, sql);
    const QString f = sql ? x.column : x.field;
    const QString like = QStringLiteral(" LIKE ");
    const bool hasFrom = !r.from.trimmed().isEmpty(), hasTo = !r.to.trimmed().isEmpty();
    QString l;
    if (x.fromStar)
        l = QStringLiteral(" (") + f + like + (sql ? likeSql(x.fromPattern) : x.fromPattern) + u' ';
    else if (hasFrom)
        l = f + QStringLiteral(" >= ") + side(x.from, sql) + u' ';
    const QString joiner = l.trimmed().isEmpty() ? QString() : (x.fromStar && x.toStar ? QStringLiteral(" OR ") : QStringLiteral(" AND "));
    if (x.toStar)
        l += joiner + f + like + (sql ? likeSql(x.toPattern) : x.toPattern) + u' ';
    else if (hasTo)
        l += (l.trimmed().isEmpty() ? QString() : QStringLiteral(" AND ")) + f + QStringLiteral(" <= ") + side(x.to, sql) + u' ';
    if (x.fromStar)
        l += u')';
    return l;
}

QString joined(const std::vector<RangeRow>& rows, bool sql)
{
    QString out;
    for (const RangeRow& r : rows) {
        const QString l = clause(r, sql);
        if (l.trimmed().isEmpty())
            continue;
        const QString k = r.connector.trimmed().isEmpty() ? QStringLiteral("AND") : r.connector.trimmed();
        out = out.isEmpty() ? l : out + u' ' + k + u' ' + l;
    }
    return out;
}

const char* const Definition = R"json({
  "tables": [{"name": "C_MV_CPTE", "fields": ["TC", "IdComprobante", "Cuenta", "Fecha", "FechaEntrega",
                                              "IdMotivoCpraVta", "Usuario", "Importe", "FINALIZADO", "Anulada"]}],
  "sort": ["+{C_MV_CPTE.IdComprobante}", "+{C_MV_CPTE.TC}"],
  "columns": [{"title": "Id", "value": "{C_MV_CPTE.TC} & '|' & {C_MV_CPTE.IdComprobante}"}]
})json";

ReportDefinition definitionWith(const QString& selection, const std::vector<NamedText>& formulas = {})
{
    ReportDefinition def = DefinitionReader::readText(QByteArray(Definition));
    def.selection = selection;
    def.formulas = formulas;
    return def;
}

QStringList selectedByEngine(const ReportDefinition& def, bool pushDown)
{
    const ReportModel model(def, QString(), pushDown);
    const QueryRunner runner = AdoRowSource::runner(SharedDemoDatabase::shared().connection());
    BandStream stream(model, runner);   // keeps a reference to the runner
    QStringList ids;
    Band b;
    while (stream.next(b))
        if (b.kind == Band::Kind::Detail && b.depth == 0)
            ids << b.cells.first();
    ids.sort();
    return ids;
}

QStringList selectedByEngine(const QString& selection, bool pushDown)
{
    return selectedByEngine(definitionWith(selection), pushDown);
}

QStringList selectedByDatabase(const QString& where)
{
    QStringList ids = SharedDemoDatabase::shared().column(
        QStringLiteral("SELECT TC + '|' + IdComprobante FROM C_MV_CPTE%1").arg(where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where));
    ids.sort();
    return ids;
}

QString quartile(const QString& column, int quarter)
{
    const QStringList values = SharedDemoDatabase::shared().column(
        QStringLiteral("SELECT DISTINCT %1 FROM C_MV_CPTE WHERE %1 IS NOT NULL ORDER BY %1").arg(column));
    return values.isEmpty() ? QString() : values.at(std::min<qsizetype>(values.size() - 1, values.size() * quarter / 4));
}

QString dayText(const QString& column, int quarter)
{
    // The layer hands dates over as regional text already; an ISO text is turned round.
    const QString value = quartile(column, quarter).left(10);
    const QDate iso = QDate::fromString(value, Qt::ISODate);
    return iso.isValid() ? iso.toString(QStringLiteral("dd/MM/yyyy")) : value;
}

} // namespace

TEST(FilterShapes, EveryRangeShapeSelectsWhatTheDatabaseSelects)
{
    const QString a1 = quartile(QStringLiteral("Cuenta"), 1), a3 = quartile(QStringLiteral("Cuenta"), 3);
    const QString d1 = dayText(QStringLiteral("Fecha"), 1), d3 = dayText(QStringLiteral("Fecha"), 3);
    const QString e2 = dayText(QStringLiteral("FechaEntrega"), 2);
    const QString m2 = quartile(QStringLiteral("IdMotivoCpraVta"), 2);
    const QString id2 = quartile(QStringLiteral("IdComprobante"), 2);
    ASSERT_FALSE(a1.isEmpty() || d1.isEmpty() || e2.isEmpty() || m2.isEmpty());
    using K = Kind;
    const RangeRow emptyText{QStringLiteral("Cuenta"), K::Text, true, QString(), QStringLiteral("   "), {}};
    const std::vector<std::vector<RangeRow>> cases = {
        {emptyText, {QStringLiteral("Fecha"), K::Date, false, QStringLiteral(" "), QString(), QStringLiteral("or")}},
        {{QStringLiteral("Cuenta"), K::Text, true, a1, a3, {}}},
        {{QStringLiteral("Cuenta"), K::Text, true, a1, a1, {}}},                          // equal bounds
        {{QStringLiteral("Cuenta"), K::Text, false, a1 + QStringLiteral("  "), QString(), {}}},   // trailing blanks kept
        {{QStringLiteral("Cuenta"), K::Text, true, QString(), a3, {}}},
        {{QStringLiteral("Cuenta"), K::Text, true, a1.left(1) + u'*', QString(), {}}},
        {{QStringLiteral("Cuenta"), K::Text, true, QString(), a3.left(2) + u'*', {}}},
        {{QStringLiteral("Cuenta"), K::Text, true, a1.left(1) + u'*', a3.left(1) + u'*', {}}},
        {{QStringLiteral("Cuenta"), K::Text, false, a1.left(1) + u'*', a3, {}}},
        {{QStringLiteral("Cuenta"), K::Text, true, QStringLiteral("*"), QString(), {}}},
        {{QStringLiteral("Cuenta"), K::Text, true, QStringLiteral("0'1"), a3 + QStringLiteral("'9"), {}}},   // apostrophes
        {{QStringLiteral("Usuario"), K::Text, false, QStringLiteral("d'*"), QString(), {}}},
        {{QStringLiteral("IdMotivoCpraVta"), K::Text, false, m2.toLower(), m2.toLower(), {}}},   // letter case ignored
        {{QStringLiteral("IdComprobante"), K::Text, true, id2, QString(), {}}},
        {{QStringLiteral("Fecha"), K::Date, false, d1, d3, {}}},
        {{QStringLiteral("Fecha"), K::Date, false, d1, d1, {}}},
        {{QStringLiteral("Fecha"), K::Date, false, QString(), d1, {}}},
        {{QStringLiteral("FechaEntrega"), K::Date, false, e2, QString(), {}}},
        {{QStringLiteral("Importe"), K::Number, false, QStringLiteral("100"), QStringLiteral("5000"), {}}},
        {{QStringLiteral("Importe"), K::Number, false, QString(), QStringLiteral("250.5"), {}}},
        {{QStringLiteral("Cuenta"), K::ToNumber, false, a1, a3, {}}},
        {{QStringLiteral("Cuenta"), K::ToNumber, false, QString(), a1, {}}},
        // Connectors: AND binds before OR, written as given, whatever the letter case.
        {{QStringLiteral("IdMotivoCpraVta"), K::Text, false, m2.left(1) + u'*', QString(), {}},
         {QStringLiteral("Cuenta"), K::Text, true, QString(), a1, QStringLiteral("OR")}},
        {{QStringLiteral("Cuenta"), K::Text, true, a1, a3, {}},
         {QStringLiteral("Fecha"), K::Date, false, d1, QString(), QStringLiteral(" or ")},
         {QStringLiteral("Fecha"), K::Date, false, QString(), d3, QStringLiteral("And")}},
        {emptyText, {QStringLiteral("Cuenta"), K::Text, true, a3, QString(), QStringLiteral("Or")},
         {QStringLiteral("Fecha"), K::Date, false, d3, QString(), QStringLiteral("AND")},
         {QStringLiteral("Importe"), K::Number, false, QStringLiteral("1"), QString(), QStringLiteral("OR")}},
    };
    for (const auto& rows : cases) {
        for (const QString& kind : {QString(), QStringLiteral("RMC")}) {
            QString formula = joined(rows, false), where = joined(rows, true);
            if (!kind.isEmpty()) {
                // The report kind always leads, joined with AND and no parentheses round the ranges.
                formula = QStringLiteral(" {C_MV_CPTE.TC} = '%1'").arg(kind) + (formula.trimmed().isEmpty() ? QString() : QStringLiteral(" AND ") + formula);
                where = QStringLiteral("TC = '%1'").arg(kind) + (where.trimmed().isEmpty() ? QString() : QStringLiteral(" AND ") + where);
            }
            const QStringList expected = selectedByDatabase(where);
            EXPECT_EQ(selectedByEngine(formula, true).join(u' ').toStdString(), expected.join(u' ').toStdString()) << formula.toStdString() << "\n" << where.toStdString();
            EXPECT_EQ(selectedByEngine(formula, false).join(u' ').toStdString(), expected.join(u' ').toStdString()) << formula.toStdString();
        }
    }
}

// f0 is `first`; f1 .. f<levels> each `step` with %1 for the formula before it.
std::vector<NamedText> formulaLine(const QString& first, const QString& step, int levels)
{
    std::vector<NamedText> formulas{{QStringLiteral("f0"), first}};
    for (int i = 1; i <= levels; ++i)
        formulas.push_back({QStringLiteral("f%1").arg(i), step.arg(QStringLiteral("{@f%1}").arg(i - 1))});
    return formulas;
}

// Formulas that name the one before them several times: written out whole, the WHERE clause would
// grow that many times over with each formula. Past the bound on its text, the part stays with the
// evaluator and the rest still goes to the database, with the rows the database itself selects.
TEST(FilterShapes, FormulasThatFanOutStayWithinTheBoundOnTheStatement)
{
    const QString initial = quartile(QStringLiteral("Usuario"), 2).left(1);
    ASSERT_FALSE(initial.isEmpty());
    const QString like = QStringLiteral("{C_MV_CPTE.Usuario} LIKE %1").arg(quoted(initial + u'*'));
    struct Shape {
        const char* name;
        std::vector<NamedText> formulas;
        QString selection, where;
    };
    const Shape shapes[] = {
        // Mid over the user, twelve deep: the guard keeps the evaluator from asking a user name
        // for a number, as it does for every user of the demo, which is not "1".
        {"Mid", formulaLine(QStringLiteral("{C_MV_CPTE.Usuario}"), QStringLiteral("Mid(%1, %1, %1)"), 12),
         QStringLiteral("{C_MV_CPTE.TC} = 'RMC' AND (({C_MV_CPTE.Usuario} = '1' AND {@f12} = '1') OR %1)").arg(like),
         QStringLiteral("TC = 'RMC' AND (Usuario = '1' OR Usuario LIKE %1)").arg(quoted(initial + u'%'))},
        {"OR", formulaLine(like, QStringLiteral("%1 OR %1"), 12), QStringLiteral("{C_MV_CPTE.TC} = 'RMC' AND {@f12}"),
         QStringLiteral("TC = 'RMC' AND Usuario LIKE %1").arg(quoted(initial + u'%'))},
    };
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        const ReportDefinition def = definitionWith(shape.selection, shape.formulas);
        const ReportModel model(def);
        ASSERT_LE(model.query().size(), 64 * 1024 + 500);
        EXPECT_EQ(model.selection().result, SelectionPushdown::Result::Partial);
        EXPECT_EQ(model.selection().where, QStringLiteral("C_MV_CPTE.TC = 'RMC'"));
        const QStringList expected = selectedByDatabase(shape.where);
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(selectedByEngine(def, true), expected);
        EXPECT_EQ(selectedByEngine(def, false), expected);
    }
}
