#include "DataTestBase.h"

namespace {

class ColumnExtremes : public DataTestBase {
protected:
    void SetUp() override
    {
        m_current = &writableDemo();
        openDemo();
        for (QString sql : {QString("CREATE TABLE TX_COD (Codigo varchar(10), Fecha datetime, Importe money)"),
                            QString("CREATE TABLE TX_VACIA (Codigo varchar(10))"),
                            QString("INSERT INTO TX_COD VALUES ('00012', '2024-03-05', 10.25)"),
                            QString("INSERT INTO TX_COD VALUES ('00007', '2023-12-31', 99.75)"),
                            QString("INSERT INTO TX_COD VALUES ('A1', '2024-01-10', -3.5)")})
            db->EjecutaConsultaSQL(sql);
        handed.clear();
    }
};

TEST_F(ColumnExtremes, StatementsAndNumbers)
{
    EXPECT_EQ(db->BuscaMaximo("TX_COD", "Importe").toDouble(), 99.75);
    EXPECT_EQ(handed.last(), "SELECT MAX(Importe) AS MAYOR FROM TX_COD");
    QString condition = " Codigo <> 'A1' ";
    EXPECT_EQ(db->BuscaMaximo("TX_COD", "Codigo", 3, &condition).toDouble(), 12);
    EXPECT_EQ(handed.last(), "SELECT MAX(Codigo) AS MAYOR FROM TX_COD WHERE Codigo <> 'A1'");
    EXPECT_EQ(db->BuscaMaximo("TX_COD", "Codigo").toDouble(), 0);   // A1 begins with a letter

    EXPECT_EQ(db->BuscaMinimo("TX_COD", "Importe").toDouble(), -3.5);
    EXPECT_EQ(handed.last(), "SELECT MIN(Importe) AS MENOR FROM TX_COD  with(nolock) ");
    const QString minCondition = "Importe > 0 ";
    EXPECT_EQ(db->BuscaMinimo("TX_COD", "Codigo", {}, &minCondition).toDouble(), 7);
    EXPECT_EQ(handed.last(), "SELECT MIN(Codigo) AS MENOR FROM TX_COD  with(nolock)  WHERE Importe > 0");

    EXPECT_EQ(db->BuscaUltimoCodigo("TX_COD", "Codigo", 8, "Codigo < 'A' ").toDouble(), 12);
    EXPECT_EQ(handed.last(), "SELECT MAX(Codigo) AS MAYOR FROM TX_COD WHERE Codigo < 'A' ");
    EXPECT_EQ(db->BuscaUltimoCodigo("TX_COD", "Importe", 8, "   ").toDouble(), 99.75);
    EXPECT_EQ(handed.last(), "SELECT MAX(Importe) AS MAYOR FROM TX_COD");
}

TEST_F(ColumnExtremes, EmptyTablesGiveZeroAndDatesComeAsText)
{
    EXPECT_EQ(db->BuscaMaximo("TX_VACIA", "Codigo").toDouble(), 0);
    EXPECT_EQ(db->BuscaMinimo("TX_VACIA", "Codigo").toDouble(), 0);
    EXPECT_EQ(db->BuscaUltimoCodigo("TX_VACIA", "Codigo", 8, "").toDouble(), 0);
    const vb::Variant date = db->BuscaMaximo("TX_COD", "Fecha", 7);
    EXPECT_TRUE(date.isString());
    EXPECT_EQ(date.toString(), "05/03/2024");
    EXPECT_FALSE(db->BuscaMaximo("TX_COD", "Fecha", 5).isString());
}

TEST_F(ColumnExtremes, ArticleCodesBeginningWithZeroDoNotCount)
{
    // Every demo article code begins with zero: once those are left out there is no maximum.
    QString condition;
    EXPECT_EQ(db->BuscaMaximo("V_MA_ARTICULOS", "IdArticulo", 8, &condition).toDouble(), 0);
    EXPECT_EQ(condition, " substring(ltrim(idarticulo),1,1)<>'0'");
    EXPECT_EQ(handed.size(), 2);

    QString insert = "INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion, IdFamilia) VALUES ('12345', 'x', '0999')";
    db->EjecutaConsultaSQL(insert);
    handed.clear();
    condition = "Descripcion = 'x'";
    EXPECT_EQ(db->BuscaMaximo("v_ma_articulos", "IdArticulo", 8, &condition).toDouble(), 12345);
    EXPECT_EQ(condition, "Descripcion = 'x'");
    EXPECT_EQ(handed.size(), 1);

    // Another column that still begins with zero after the rule: applied once, never looped.
    condition = "";
    EXPECT_EQ(db->BuscaMaximo("V_MA_ARTICULOS", "IdFamilia", 8, &condition).toDouble(), 999);
    EXPECT_EQ(handed.size(), 3);
}

} // namespace
