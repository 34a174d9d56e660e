#include "DocumentData.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/ReportError.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace reportengine;

namespace {

QString errorOf(const QByteArray& json)
{
    try {
        DefinitionReader::readText(json, QStringLiteral("mv_prC.rpt"));
    } catch (const ReportError& e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

QByteArray replaced(const char* from, const char* to)
{
    return DocumentData::definitionJson().replace(from, to);
}

} // namespace

TEST(DefinitionReader, ReadsTheExampleDefinition)
{
    const ReportDefinition def = DefinitionReader::readText(DocumentData::definitionJson());
    EXPECT_EQ(def.tables.size(), 2u);
    EXPECT_TRUE(def.links.at(0).left);
    ASSERT_EQ(def.columns.size(), 5u);
    EXPECT_EQ(def.columns[4].align, Qt::AlignRight);
    EXPECT_EQ(def.columns[4].format, QStringLiteral("#,##0.00"));
    EXPECT_EQ(def.pageHeader.size(), 2u);
    EXPECT_FALSE(def.sort.at(0).descending);
}

TEST(DefinitionReader, FaultsNameFileAndLine)
{
    const std::pair<QByteArray, const char*> cases[] = {
        {replaced("\"TC\", \"Cuenta\"", "\"TC\" \"Cuenta\""), "mv_prC.rpt:4: "},                      // broken JSON
        {replaced("{MA_CUENTAS.Nombre}", "{MA_CUENTA.Nombre}"), "mv_prC.rpt:22: columna \"Proveedor\": tabla desconocida"},
        {replaced("{C_MV_CPTE.USUARIO}\"", "{C_MV_CPTE.Usuarios}\""), "mv_prC.rpt:23: columna \"Usuario\": la tabla C_MV_CPTE no tiene el campo"},
        {replaced("{@Nombreempresa}", "{@NombreEmp}"), "mv_prC.rpt:14: encabezado de página: fórmula desconocida {@NombreEmp}"},
        {replaced("{C_MV_CPTE.Importe} * 2", "{C_MV_CPTE.Importe} * "), "mv_prC.rpt:11: fórmula @Neto: La fórmula termina antes de tiempo"},
        {replaced("\"right\", \"format\"", "\"rigth\", \"format\""), "mv_prC.rpt:24: align es"},
        {replaced("'' \"},\n    {\"name\": \"Neto\"", "x"), "<no error>"},   // a replacement that matches nothing
        {replaced("\"+{C_MV_CPTE.IdComprobante}\"", "\"+{@Neto}\""), "mv_prC.rpt:18: campo de orden: \"{@Neto}\" no es un campo"},
        {DocumentData::definitionJson(QStringLiteral(",\n  \"filter\": \"{C_MV_CPTE.Anulada} = \"")), "mv_prC.rpt:26: filtro: La fórmula termina antes de tiempo"},
        {DocumentData::definitionJson(QStringLiteral(",\n  \"filter\": \"{C_MV_CPTE.Estado} = ''\"")), "mv_prC.rpt:26: filtro: la tabla C_MV_CPTE no tiene el campo"},
        {DocumentData::definitionJson(QStringLiteral(",\n  \"page\": {\"keepWithHeading\": 0}")), "mv_prC.rpt:26: keepWithHeading va de 1 a 10"},
    };
    for (const auto& [json, expected] : cases) {
        SCOPED_TRACE(expected);
        EXPECT_TRUE(errorOf(json).startsWith(QString::fromUtf8(expected))) << errorOf(json).toStdString();
    }
}

TEST(DefinitionReader, FormulaCyclesAndUnsafeNamesAreRejected)
{
    EXPECT_TRUE(errorOf(replaced("{C_MV_CPTE.Importe} * 2", "{@Neto} * 2")).contains(QStringLiteral("se refiere a sí misma")));
    EXPECT_TRUE(errorOf(replaced("\"MA_CUENTAS\", \"fields\"", "\"MA_CUENTAS; DROP TABLE X\", \"fields\"")).contains(QStringLiteral("no es un nombre de tabla válido")));
    EXPECT_TRUE(errorOf(replaced("\"type\": \"left\"", "\"type\": \"outer\"")).contains(QStringLiteral("el tipo de un vínculo")));
}

// A name the report does not know is quoted by its start: the message does not grow with it.
TEST(DefinitionReader, UnknownNamesOfAnyLengthAreQuotedByTheirStart)
{
    const QByteArray name(100000, 'q');
    const QByteArray start = name.left(60) + "...";
    const std::pair<QByteArray, QByteArray> cases[] = {
        {replaced("{@Nombreempresa}", "{@" + name + "}"), "fórmula desconocida {@" + start + "}"},
        {replaced("{MA_CUENTAS.Nombre}", "{" + name + ".Nombre}"), "tabla desconocida \"" + start + "\""},
        {replaced("{C_MV_CPTE.USUARIO}\"", "{C_MV_CPTE." + name + "}\""), "no tiene el campo \"" + start + "\""},
    };
    for (const auto& [json, expected] : cases) {
        const QString message = errorOf(json);
        EXPECT_TRUE(message.contains(QString::fromUtf8(expected))) << message.left(300).toStdString();
        EXPECT_LT(message.size(), 300);
    }
}

// The message names the loop alone, wherever the check came upon it, and a long loop by its ends.
TEST(DefinitionReader, FormulaCyclesAreNamedByTheirLoop)
{
    QByteArray json = DocumentData::definitionJson();
    json.replace("\"Nombreempresa\", \"text\": \"''\"", "\"Nombreempresa\", \"text\": \"{@Estados}\"")
        .replace("\"Estados\", \"text\": \"''\"", "\"Estados\", \"text\": \"{@Neto} & {@Neto}\"")
        .replace("{C_MV_CPTE.Importe} * 2", "{@Estados} * 2");
    EXPECT_EQ(errorOf(json).toStdString(), "mv_prC.rpt:9: la fórmula @estados se refiere a sí misma (estados -> neto -> estados)");

    EXPECT_EQ(errorOf(DocumentData::formulaChainJson(3000, QStringLiteral("%1 + 1"))), QStringLiteral("<no error>"));
    // A loop of two at the end of a line of 3,000: the line is declared from its far end, so the
    // check walks all of it before it meets the loop.
    QJsonObject line = QJsonDocument::fromJson(DocumentData::formulaChainJson(3000, QStringLiteral("%1 + 1"), QStringLiteral("{@f1} - 1"))).object();
    QJsonArray reversed;
    for (const QJsonValue& formula : line.value(QStringLiteral("formulas")).toArray())
        reversed.prepend(formula);
    line.insert(QStringLiteral("formulas"), reversed);
    const QString end = errorOf(QJsonDocument(line).toJson());
    EXPECT_TRUE(end.endsWith(QStringLiteral(": la fórmula @f1 se refiere a sí misma (f1 -> f0 -> f1)"))) << end.left(300).toStdString();

    const QString loop = errorOf(DocumentData::formulaChainJson(3000, QStringLiteral("%1 + 1"), QStringLiteral("{@f2999} - 1")));
    EXPECT_EQ(loop.toStdString(), "mv_prC.rpt:6: la fórmula @f0 se refiere a sí misma "
                                  "(f0 -> f2999 -> f2998 -> f2997 -> f2996 -> ... -> f4 -> f3 -> f2 -> f1 -> f0)");
}

// Names and titles of any length are quoted by their first 60 characters, and no message reaches
// 2,000 characters: a loop between two long names, a column's title, a table's name, a link's
// type, sub-reports nested forty deep under long names, the path of a file that is not there.
TEST(DefinitionReader, LongNamesAndTitlesAreQuotedByTheirStart)
{
    const QString longName = QStringLiteral("largo") + QString(19000, u'n');
    const QString cut = longName.left(60) + QStringLiteral("...");
    const auto withFormulas = [](const QJsonArray& formulas) {
        QJsonObject report = QJsonDocument::fromJson(DocumentData::definitionJson()).object();
        QJsonArray all = report.value(QStringLiteral("formulas")).toArray();
        for (const QJsonValue& formula : formulas)
            all.append(formula);
        report.insert(QStringLiteral("formulas"), all);
        return QJsonDocument(report).toJson();
    };
    const auto withColumnTitle = [](const QString& title, const QString& value) {
        QJsonObject report = QJsonDocument::fromJson(DocumentData::definitionJson()).object();
        QJsonArray columns = report.value(QStringLiteral("columns")).toArray();
        columns.append(QJsonObject{{"title", title}, {"value", value}});
        report.insert(QStringLiteral("columns"), columns);
        return QJsonDocument(report).toJson();
    };
    // Sub-reports nested forty deep, each named by a long name, the innermost with a fault.
    const auto lines = [](const char* field) {
        return QJsonObject{{"tables", QJsonArray{QJsonObject{{"name", "C_MV_CPTEINSUMOS"}, {"fields", QJsonArray{"IdComprobante"}}}}},
                           {"columns", QJsonArray{QJsonObject{{"title", "x"}, {"value", QString::fromLatin1(field)}}}}};
    };
    QJsonObject nested = lines("{C_MV_CPTEINSUMOS.Nada}");
    for (int depth = 40; depth > 0; --depth) {
        const QJsonObject link{{"field", depth == 1 ? "{C_MV_CPTE.IdComprobante}" : "{C_MV_CPTEINSUMOS.IdComprobante}"},
                               {"subField", "{C_MV_CPTEINSUMOS.IdComprobante}"}};
        QJsonObject outer = depth == 1 ? QJsonDocument::fromJson(DocumentData::definitionJson()).object() : lines("{C_MV_CPTEINSUMOS.IdComprobante}");
        outer.insert(QStringLiteral("subreports"), QJsonArray{QJsonObject{{"name", longName}, {"link", link}, {"report", nested}}});
        nested = outer;
    }
    const struct {
        const char* what;
        QByteArray json;
        QString start;
        QString end;
    } cases[] = {
        {"loop", withFormulas({QJsonObject{{"name", longName + u'1'}, {"text", QStringLiteral("{@%1}").arg(longName + u'2')}},
                               QJsonObject{{"name", longName + u'2'}, {"text", QStringLiteral("{@%1} & 'x'").arg(longName + u'1')}}}),
         QStringLiteral("la fórmula @") + cut.toLower() + QStringLiteral(" se refiere a sí misma (") + cut.toLower(),
         cut.toLower() + u')'},
        {"title", withColumnTitle(QString(50000, u't'), QStringLiteral("{C_MV_CPTE.Nada}")),
         QStringLiteral("columna \"") + QString(60, u't') + QStringLiteral("...\": la tabla C_MV_CPTE no tiene el campo \"Nada\""), {}},
        {"table", replaced("\"name\": \"MA_CUENTAS\"", ("\"name\": \"MA CUENTAS" + QString(50000, u'c') + u'"').toUtf8().constData()),
         QStringLiteral("\"MA CUENTAS") + QString(50, u'c') + QStringLiteral("...\" no es un nombre de tabla válido"), {}},
        {"link", replaced("\"type\": \"left\"", ("\"type\": \"" + QString(50000, u'l') + u'"').toUtf8().constData()),
         QStringLiteral("el tipo de un vínculo es \"inner\" o \"left\", no \"") + QString(60, u'l') + QStringLiteral("...\""), {}},
        {"nested", QJsonDocument(nested).toJson(), QStringLiteral("subinforme ") + cut + QStringLiteral(": subinforme ") + cut,
         QStringLiteral(": columna \"x\": la tabla C_MV_CPTEINSUMOS no tiene el campo \"Nada\"")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString message = errorOf(c.json);
        EXPECT_LT(message.size(), 2000);
        const QRegularExpressionMatch place = QRegularExpression(QStringLiteral("^mv_prC\\.rpt:\\d+: ")).match(message);
        ASSERT_TRUE(place.hasMatch()) << message.left(400).toStdString();
        const QString said = message.mid(place.capturedLength());
        EXPECT_TRUE(said.startsWith(c.start)) << said.left(400).toStdString();
        EXPECT_TRUE(said.endsWith(c.end)) << said.right(200).toStdString();
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("%1/").arg(QString(200, u'f')).repeated(15) + QStringLiteral("mv_prC.rpt"));
    try {
        DefinitionReader::readFile(path);
        ADD_FAILURE() << "no error";
    } catch (const ReportError& e) {
        EXPECT_LT(e.message().size(), 2000);
        EXPECT_TRUE(e.message().startsWith(dir.path())) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("mv_prC.rpt: no se puede abrir el archivo del informe"))) << e.message().toStdString();
        EXPECT_EQ(QString::fromStdString(e.what()), e.message());
    }
}

// A formula that does not parse is quoted round the place of the fault, whatever its length.
TEST(DefinitionReader, FormulaFaultsQuoteTheTextRoundThePlace)
{
    EXPECT_EQ(errorOf(replaced("{C_MV_CPTE.Importe} * 2", "{C_MV_CPTE.Importe} * ")).toStdString(),
              "mv_prC.rpt:11: fórmula @Neto: La fórmula termina antes de tiempo en la posición 23 de \"{C_MV_CPTE.Importe} * \"");

    QStringList terms(800, QStringLiteral("{C_MV_CPTE.TC} = 'OC'"));   // 20,000 characters
    terms.insert(400, QStringLiteral("{C_MV_CPTE.TC} = RMC"));
    const QString filter = terms.join(QStringLiteral(" OR "));
    const QString fault = errorOf(DocumentData::definitionJson(QStringLiteral(",\n  \"filter\": \"%1\"").arg(filter)));
    const QString at = QStringLiteral("mv_prC.rpt:26: filtro: Nombre desconocido \"RMC\" en la posición %1 de \"...").arg(filter.indexOf(QStringLiteral("RMC OR")) + 1);
    EXPECT_TRUE(fault.startsWith(at)) << fault.left(300).toStdString() << "\n" << at.toStdString();
    EXPECT_TRUE(fault.contains(QStringLiteral("'OC' OR {C_MV_CPTE.TC} = RMC OR {C_MV_CPTE.TC} = 'OC'"))) << fault.left(300).toStdString();
    EXPECT_TRUE(fault.endsWith(QStringLiteral("...\""))) << fault.right(100).toStdString();
    EXPECT_LE(fault.size(), at.size() + 70);

    const QString nested = errorOf(DocumentData::definitionJson(
        QStringLiteral(",\n  \"filter\": \"%1TRUE%2\"").arg(QString(100000, u'('), QString(100000, u')'))));
    const QString deep = QStringLiteral("mv_prC.rpt:26: filtro: La fórmula tiene demasiados niveles anidados en la posición ");
    EXPECT_TRUE(nested.startsWith(deep)) << nested.left(300).toStdString();
    EXPECT_TRUE(nested.contains(QStringLiteral(" de \"...") + QString(60, u'(') + QStringLiteral("...\""))) << nested.left(300).toStdString();
    EXPECT_LE(nested.size(), deep.size() + 80);

    const QString field = errorOf(replaced("\"+{C_MV_CPTE.IdComprobante}\"", QStringLiteral("\"+{@Neto} & '%1'\"").arg(QString(5000, u'x')).toUtf8().constData()));
    EXPECT_TRUE(field.startsWith(QStringLiteral("mv_prC.rpt:18: campo de orden: \"{@Neto} & 'xxx"))) << field.left(300).toStdString();
    EXPECT_TRUE(field.endsWith(QStringLiteral("...\" no es un campo {Tabla.Campo}"))) << field.right(100).toStdString();
    EXPECT_LE(field.size(), 150);
}

TEST(DefinitionReader, MissingFileIsAnError)
{
    QTemporaryDir dir;
    EXPECT_THROW(DefinitionReader::readFile(dir.filePath(QStringLiteral("nada.rpt"))), ReportError);
}
