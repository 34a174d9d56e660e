// What the formula contexts keep, for a row or for the run, changes no page and no value: a
// report that leans on every kind of kept value prints the same with nothing kept at all.
#include "DocumentData.h"
#include "NothingKept.h"
#include "reportengine/DefinitionReader.h"
#include "reportengine/PageRenderer.h"
#include "reportengine/ReportModel.h"
#include "reportengine/ReportPages.h"
#include <gtest/gtest.h>
#include <optional>

using namespace reportengine;

namespace {

// Page values through formulas, the print date, a parameter, fields that are Null on some rows
// (a unit, the name of an account without a row), faults behind AND, OR and IN that no row takes
// (the first document's amount is 0), formulas in group headers and footers and in the details,
// a selection partly sent to the database, and a sub-report whose formulas have the main
// report's names.
QByteArray memoDefinition()
{
    return DocumentData::definitionJson(QStringLiteral(R"json(,
  "parameters": [{"name": "Letra", "value": "q"}],
  "formulas": [
    {"name": "Pagina", "text": "'Página ' & totext(PageNumber) & ' de ' & totext(TotalPageCount)"},
    {"name": "Impreso", "text": "'Impreso el ' & totext(PrintDate) & ' ' & UCASE({?Letra})"},
    {"name": "Sufijo", "text": "UCASE({?Letra}) & totext(Date(2024, 1, 31))"},
    {"name": "Neto", "text": "{C_MV_CPTE.Importe} * 2"},
    {"name": "Largo", "text": "{@Sufijo} & {@Sufijo} & totext({@Neto})"},
    {"name": "Inverso", "text": "1 / {C_MV_CPTE.Importe}"},
    {"name": "Cubierto", "text": "{C_MV_CPTE.Importe} = 0 OR {@Inverso} < 1"},
    {"name": "Seguro", "text": "{C_MV_CPTE.Importe} <> 0 AND {@Inverso} > 0"},
    {"name": "Lista", "text": "{C_MV_CPTE.Importe} IN [0, {@Inverso}, {@Inverso}]"},
    {"name": "Unidad", "text": "{C_MV_CPTE.UNEGOCIO} & '-' & {MA_CUENTAS.Nombre}"},
    {"name": "Cuenta", "text": "'Cuenta ' & {C_MV_CPTE.Cuenta} & {@Sufijo}"}
  ],
  "selection": "{C_MV_CPTE.Importe} >= 0 AND {@Neto} >= 0",
  "groups": [{"field": "{C_MV_CPTE.Cuenta}", "header": "{@Cuenta} & ' ' & {@Unidad}", "footer": "'Total ' & {@Cuenta} & {@Sufijo}"}],
  "pageHeader": [{"text": "{@Pagina} & {@Sufijo}"}, {"text": "{@Impreso} & {@Sufijo}"}],
  "pageFooter": [{"text": "{@Impreso} & ' ' & {@Pagina}"}],
  "columns": [
    {"title": "Número", "value": "{C_MV_CPTE.IdComprobante}"},
    {"title": "Neto", "value": "totext({@Neto}) & {@Largo} & {@Largo}"},
    {"title": "Cubierto", "value": "totext({@Cubierto}) & totext({@Seguro}) & totext({@Lista})"},
    {"title": "Unidad", "value": "{@Unidad} & {@Unidad}"},
    {"title": "Fijo", "value": "Len({@Sufijo}) + Len({@Largo})"}
  ],
  "subreports": [{"name": "Rp_CpteIns", "link": {"field": "{C_MV_CPTE.IdComprobante}", "subField": "{C_MV_CPTEINSUMOS.IdComprobante}"},
    "report": {"tables": [{"name": "C_MV_CPTEINSUMOS", "fields": ["IdComprobante", "IdArticulo", "Cantidad"]}],
               "formulas": [{"name": "Neto", "text": "{C_MV_CPTEINSUMOS.Cantidad} * 3"}, {"name": "Sufijo", "text": "'sub'"}],
               "columns": [{"title": "Artículo", "value": "{C_MV_CPTEINSUMOS.IdArticulo} & {@Sufijo}"},
                           {"title": "Cantidad", "value": "totext({@Neto}) & {@Sufijo} & totext({@Neto})"}]}}]
)json"));
}

// Every page of the report: what each band prints, then the page texts as painted with a print
// date that changes every second page.
QStringList printed(const ReportModel& model, const QueryRunner& runner)
{
    ReportPages pages(model, runner);
    while (pages.layOutNext()) {
    }
    PageRenderer renderer(model, pages.layout());
    QStringList out;
    for (int n = 1; n <= pages.count(); ++n) {
        renderer.setPrintDate(QDate(2024, 6, 14).addDays(n / 2));
        QStringList page;
        for (const Band& b : pages.page(n).bands)
            page << QStringLiteral("%1/%2/%3/%4/%5 %6").arg(int(b.kind)).arg(b.level).arg(b.depth).arg(b.repeated).arg(b.label, b.cells.join(u'|'));
        for (std::size_t i = 0; i < model.definition().pageHeader.size(); ++i)
            page << renderer.pageText(model.pageHeader(i), n, pages.count());
        for (std::size_t i = 0; i < model.definition().pageFooter.size(); ++i)
            page << renderer.pageText(model.pageFooter(i), n, pages.count());
        out << page.join(u'\n');
    }
    return out;
}

} // namespace

TEST(KeptValues, KeepingChangesNoPageOrValue)
{
    DocumentData data(60);
    const ReportModel model(DefinitionReader::readText(memoDefinition()));
    ASSERT_EQ(model.selection().result, SelectionPushdown::Result::Partial);
    const QueryRunner runner = data.database().runner();
    const QStringList kept = printed(model, runner);
    QStringList fresh;
    {
        NothingKept off;
        fresh = printed(model, runner);
    }
    ASSERT_GE(kept.size(), 3);
    ASSERT_EQ(kept.size(), fresh.size());
    for (qsizetype i = 0; i < kept.size(); ++i)
        EXPECT_EQ(kept[i].toStdString(), fresh[i].toStdString()) << "page " << i + 1;

    // What is compared holds what each case shows: page values, the print date as it changed,
    // the first document (amount 0, unit Null) past the faults it never takes, the others, a
    // group header and footer, and the sub-report's own formulas.
    const QString all = kept.join(u'\n');
    const QString s = QStringLiteral("Q31/01/2024");
    for (const QString& shown : {QStringLiteral("Página 2 de %1").arg(kept.size()) + s, QStringLiteral("Impreso el 14/06/2024 Q") + s,
                                 QStringLiteral("Impreso el 15/06/2024 Q Página 3 de %1").arg(kept.size()),
                                 QStringLiteral("000100000001A|0") + s + s + u'0' + s + s + QStringLiteral("0|TrueFalseTrue|-Proveedor 0-Proveedor 0|34"),
                                 QStringLiteral("000100000012A|815,5") + s + s + QStringLiteral("815,5") + s + s + QStringLiteral("815,5|TrueTrueFalse|03-Proveedor 003-Proveedor 0|38"),
                                 QStringLiteral("Cuenta 1010") + s + QStringLiteral(" 03-Proveedor 1"), QStringLiteral("Total Cuenta 1000") + s + s,
                                 QStringLiteral("ART2sub|15sub15")})
        EXPECT_TRUE(all.contains(shown)) << shown.toStdString() << "\n" << all.left(3000).toStdString();
}
