// The lookup model without any window: its statement run on the demo database as conditions
// and a date order are added, the table it names, the list's sort, the ticked values and the
// column widths against a widths file in the temporary program folder.
#include "LookupTestBase.h"

#include "lookup/AnchosConsulta.h"
#include "lookup/LookupModel.h"

namespace {

using lookup::LookupModel;

QStringList firstColumn(const std::vector<QStringList>& rows)
{
    QStringList out;
    for (const QStringList& row : rows)
        out << row.value(0);
    return out;
}

class LookupModelTest : public LookupTestBase {
protected:
    LookupModelTest() { openDemo(); }

    void addSupplier(const QString& code, const QString& name)
    {
        execute(QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Razon_Social, Nombre, Tipo) VALUES ('%1', '%2', '%2', '%2', 'P')")
                    .arg(code, QString(name).replace(u'\'', QStringLiteral("''"))));
    }

    const QString suppliers = QStringLiteral("SELECT TOP 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock)  WHERE "
                                             "Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL ");
};

TEST_F(LookupModelTest, FiltersKeepTypedTextLiteralAndAddUpBeforeTheOrder)
{
    addSupplier(QStringLiteral("21109901"), QStringLiteral("O'Neil order by [50%]_Hnos"));
    addSupplier(QStringLiteral("21109902"), QStringLiteral("ONeil order by 50 Hnos"));
    addSupplier(QStringLiteral("21109903"), QStringLiteral("Casa O'Neil Sur"));
    LookupModel model;
    model.takeStatement(suppliers, true);
    const auto all = rows(model.text());
    ASSERT_GT(all.size(), 10u);

    model.addFilter(QStringLiteral("Razon_Social"), QStringLiteral("o'neil order by [50%]_"), false);
    EXPECT_EQ(firstColumn(rows(model.text())), QStringList{QStringLiteral("O'Neil order by [50%]_Hnos")});

    // Anywhere mode: the blanks between words match any run, the rest stays literal.
    model = LookupModel();
    model.takeStatement(suppliers, true);
    model.addFilter(QStringLiteral("Razon_Social"), QStringLiteral("o'neil hnos"), true);
    EXPECT_EQ(firstColumn(rows(model.text())), QStringList{QStringLiteral("O'Neil order by [50%]_Hnos")});
    model.addFilter(QStringLiteral("Codigo"), QStringLiteral("' OR 1=1 --"), true);
    EXPECT_TRUE(rows(model.text()).empty()) << model.text().toStdString();
    EXPECT_EQ(model.conditions().size(), 2);

    // A statement that fails goes back to the last one that opened; "Nueva Busqueda" to the first.
    model.markOpened();
    model.addFilter(QStringLiteral("NoSuchColumn"), QStringLiteral("x"), false);
    EXPECT_THROW(rows(model.text()), vb::Error);
    ASSERT_TRUE(model.fallBack());
    EXPECT_TRUE(rows(model.text()).empty());
    EXPECT_FALSE(model.fallBack());
    model.takeStatement(model.original(), true);
    EXPECT_EQ(rows(model.text()), all);
}

TEST_F(LookupModelTest, ADateColumnOrdersOnTheServerAndLaterFiltersGoBeforeIt)
{
    const QString sql = QStringLiteral("select TC, IdComprobante, Fecha from C_MV_CPTE ");
    const auto rmc = rows(QStringLiteral("select TC, IdComprobante, Fecha from C_MV_CPTE where TC like 'RMC%' order by Fecha"));
    ASSERT_GT(rmc.size(), 2u);
    LookupModel model;
    model.takeStatement(sql, true);
    model.toggleSort(2);
    ASSERT_TRUE(model.orderByDate(QStringLiteral("Fecha")));
    EXPECT_EQ(model.sortColumn(), 0);
    model.addFilter(QStringLiteral("TC"), QStringLiteral("RMC"), false);
    EXPECT_EQ(rows(model.text()), rmc);

    // The caller's own order stays: the date asks for nothing, the list's sort stays put.
    LookupModel ordered;
    ordered.takeStatement(suppliers, true);
    ordered.toggleSort(1);
    EXPECT_FALSE(ordered.orderByDate(QStringLiteral("Fecha")));
    EXPECT_EQ(ordered.sortColumn(), 1);
    EXPECT_EQ(ordered.text(), suppliers);
}

TEST_F(LookupModelTest, TheTableIsTheNameAfterTheFirstFromWord)
{
    EXPECT_EQ(LookupModel::tableOf(suppliers), QStringLiteral("VT_PROVEEDORES"));
    EXPECT_EQ(LookupModel::tableOf(QStringLiteral("select IdArticulo from MA_ARTICULOS ")), QStringLiteral("MA_ARTICULOS"));
    EXPECT_EQ(LookupModel::tableOf(QStringLiteral("select IdFamilia from dbo.V_TA_FAMILIAS b where x = 1")),
              QStringLiteral("dbo.V_TA_FAMILIAS"));
    EXPECT_EQ(LookupModel::tableOf(QStringLiteral("select Codigo from MA_CUENTAS")), QStringLiteral("MA_CUENTAS"));
    // "from" inside a literal or a longer name is no clause.
    EXPECT_EQ(LookupModel::tableOf(QStringLiteral("select 'from here' as FromX, Codigo FROM MA_CUENTAS where 1=1")),
              QStringLiteral("MA_CUENTAS"));
    EXPECT_EQ(LookupModel::tableOf(QStringLiteral("select 1 ")), QString());

    // The table follows each load's statement; the original is the first one's.
    LookupModel model;
    model.takeStatement(suppliers, true);
    model.takeStatement(QStringLiteral("select Codigo from MA_CUENTAS "), false);
    EXPECT_EQ(model.table(), QStringLiteral("MA_CUENTAS"));
    EXPECT_EQ(model.original(), suppliers);
    EXPECT_EQ(model.text(), suppliers);
}

TEST(LookupModel, HeaderClicksAlternateTheOrderAndAReloadAscends)
{
    LookupModel model;
    EXPECT_EQ(model.sortColumn(), 0);
    EXPECT_EQ(model.sortOrder(), Qt::AscendingOrder);
    model.toggleSort(1);
    EXPECT_EQ(model.sortColumn(), 1);
    EXPECT_EQ(model.sortOrder(), Qt::DescendingOrder);
    model.toggleSort(1);
    EXPECT_EQ(model.sortOrder(), Qt::AscendingOrder);
    // Another column goes on alternating from the last order.
    model.toggleSort(2);
    EXPECT_EQ(model.sortColumn(), 2);
    EXPECT_EQ(model.sortOrder(), Qt::DescendingOrder);
    model.sortAscending();
    EXPECT_EQ(model.sortColumn(), 2);
    EXPECT_EQ(model.sortOrder(), Qt::AscendingOrder);
}

TEST(LookupModel, TickedValuesAreWholeValuesBlanksAroundAndCaseIgnored)
{
    LookupModel model;
    model.setTicked(QStringLiteral(" 0001 ,Abc,, ,x y"));
    for (const char* value : {"0001", "  0001", "0001   ", "ABC", " abc ", "X Y"})
        EXPECT_TRUE(model.isTicked(QString::fromLatin1(value))) << value;
    for (const char* value : {"", " ", "000", "00011", "0001,Abc", "xy"})
        EXPECT_FALSE(model.isTicked(QString::fromLatin1(value))) << value;
    model.setTicked(QString());
    EXPECT_FALSE(model.isTicked(QStringLiteral("0001")));
}

TEST_F(LookupModelTest, SavedWidthsLayOverTheStandingOnesUntilOneIsMissingOrTooLarge)
{
    const QString file = programFile(QStringLiteral("CONSULTASLEN.QZT"));
    ASSERT_TRUE(writeFileBytes(file, "\"ma_articulos\",\"1500|3000.5|450|\"\r\n\"vt_proveedores\",\"900|\"\r\n"
                                     "\"MA_ARTICULOS\",\"1600|\"\r\n"));
    LookupModel model;
    model.takeStatement(QStringLiteral("select IdArticulo, Descripcion, Costo, Stock from MA_ARTICULOS "), true);
    model.setWidths({100, 200, 300});
    model.readSavedWidths();
    // Every line of the table in turn; the last lays its one width and stops at the second.
    EXPECT_EQ(model.widths(), (QList<double>{1600, 3000.5, 450}));
    // A width missing from the first line ends the whole reading.
    model.setWidths({100, 200, 300, 400});
    model.readSavedWidths();
    EXPECT_EQ(model.widths(), (QList<double>{1500, 3000.5, 450, 400}));

    ASSERT_TRUE(writeFileBytes(file, "\"ma_articulos\",\"1500|1e300|3000|\"\r\n"));
    model.setWidths({100, 200, 300, 400});
    model.readSavedWidths();
    EXPECT_EQ(model.widths(), (QList<double>{1500, 200, 300, 400}));

    // Saving replaces the table's line and keeps the others, with "." whatever the region.
    model.setWidths({1800, 3015.5, 750});
    model.saveWidths();
    EXPECT_EQ(lookup::AnchosConsulta::read(QStringLiteral("Ma_Articulos")), QStringList{QStringLiteral("1800|3015.5|750|")});

    // The stock view keeps its widths under the priced article view's name.
    LookupModel stock;
    stock.takeStatement(QStringLiteral("select IdArticulo from Stk_ma_articulos where Stock > 0"), true);
    EXPECT_EQ(stock.table(), QStringLiteral("Stk_ma_articulos"));
    ASSERT_TRUE(writeFileBytes(file, "\"VT_MA_ARTICULOS\",\"2000|\"\r\n"));
    stock.setWidths({10});
    stock.readSavedWidths();
    EXPECT_EQ(stock.table(), QStringLiteral("VT_MA_ARTICULOS"));
    EXPECT_EQ(stock.widths(), QList<double>{2000});
}

} // namespace
