#include "kit/Utilidades.h"

#include "vb/Regional.h"

#include <QChar>
#include <gtest/gtest.h>

using kit::Utilidades;

namespace {

const Utilidades util;

TEST(UtilidadesText, carpetaConBarraAddsOneSeparatorOnlyWhenMissing)
{
    EXPECT_EQ(util.CarpetaConBarra("/opt/brix"), "/opt/brix/");
    EXPECT_EQ(util.CarpetaConBarra("/opt/brix/"), "/opt/brix/");
    EXPECT_EQ(util.CarpetaConBarra("C:\\Reportes\\"), "C:\\Reportes\\");
    EXPECT_EQ(util.CarpetaConBarra(""), "");
}

TEST(UtilidadesText, quitarCaracteresTakesOneToThreeCharacters)
{
    EXPECT_EQ(util.QuitarCaracteres("a=b==c", "="), "abc");
    const QString maskField = QString("ART") + QChar(0) + QChar(0x00FF) + QChar(0) + "  ";
    EXPECT_EQ(util.QuitarCaracteres(maskField, QString(QChar(0)), QString(QChar(0x00FF))), "ART  ");
    EXPECT_EQ(util.QuitarCaracteres("O'Brien, Juan", ",", "'"), "OBrien Juan");
    EXPECT_EQ(util.QuitarCaracteres("a|b,c'd", "|", ",", "'"), "abcd");
    EXPECT_EQ(util.QuitarCaracteres("keep", ""), "keep");
}

TEST(UtilidadesText, reemplazarIsExactAndLeavesTextWithoutMatches)
{
    EXPECT_EQ(util.Reemplazar("a|b|c", "|", ","), "a,b,c");
    EXPECT_EQ(util.Reemplazar("ab*c*", "*", "%"), "ab%c%");
    EXPECT_EQ(util.Reemplazar("V_ART", "v_", "X"), "V_ART");
    EXPECT_EQ(util.Reemplazar("abc", "", "x"), "abc");
}

TEST(UtilidadesText, reemplazarEnSqlChangesWholeNamesOutsideLiterals)
{
    EXPECT_EQ(util.ReemplazarEnSQL("SELECT * FROM V_MA_ARTICULOS WHERE x=1", "V_MA_ARTICULOS", "VT_MA_ARTICULOS"),
              "SELECT * FROM VT_MA_ARTICULOS WHERE x=1");
    EXPECT_EQ(util.ReemplazarEnSQL("select a from v_ma_articulos, dbo.V_MA_ARTICULOS", "V_MA_ARTICULOS", "VT_MA_ARTICULOS"),
              "select a from VT_MA_ARTICULOS, dbo.VT_MA_ARTICULOS");
    // Longer names and quoted texts are not the view.
    EXPECT_EQ(util.ReemplazarEnSQL("SELECT * FROM V_MA_ARTICULOS_STOCK", "V_MA_ARTICULOS", "VT_MA_ARTICULOS"),
              "SELECT * FROM V_MA_ARTICULOS_STOCK");
    EXPECT_EQ(util.ReemplazarEnSQL("SELECT 'it''s V_MA_ARTICULOS' FROM V_MA_ARTICULOS", "V_MA_ARTICULOS", "T"),
              "SELECT 'it''s V_MA_ARTICULOS' FROM T");
    // An unterminated literal runs to the end and is kept whole.
    EXPECT_EQ(util.ReemplazarEnSQL("SELECT 'V_MA_ARTICULOS", "V_MA_ARTICULOS", "T"), "SELECT 'V_MA_ARTICULOS");
}

TEST(UtilidadesText, trimPaddingRemovesRecordPaddingAtBothEnds)
{
    const QString field = QString("  CODIGO|DESCRIPCION|") + QChar(0) + QChar(0x00FF) + QString(480, u' ');
    EXPECT_EQ(util.trimPadding(field), "CODIGO|DESCRIPCION|");
    EXPECT_EQ(util.trimPadding(QString(QChar(0)) + "a b" + QChar(0)), "a b");
    EXPECT_EQ(util.trimPadding(QString(5, QChar(0))), "");
}

TEST(UtilidadesText, contarPalabras)
{
    EXPECT_EQ(util.ContarPalabras(""), 0);
    EXPECT_EQ(util.ContarPalabras("   "), 0);
    EXPECT_EQ(util.ContarPalabras("LEN"), 1);
    EXPECT_EQ(util.ContarPalabras("  LEN(x)  "), 1);
    EXPECT_EQ(util.ContarPalabras("SUBSTRING ( a,\t1,\r\n2 )"), 6);
}

TEST(UtilidadesText, cortarTextoCutsToAtMostTheWidth)
{
    EXPECT_EQ(util.CortarTexto("0123456789AB", 10), "0123456789");
    EXPECT_EQ(util.CortarTexto("1/2/24", 10), "1/2/24");   // never padded
    EXPECT_EQ(util.CortarTexto("", 3), "");
    EXPECT_EQ(util.CortarTexto("abc", 0), "");
    EXPECT_EQ(util.CortarTexto("abc", -2), "");
}

TEST(UtilidadesText, fitTextGivesExactlyTheWidth)
{
    EXPECT_EQ(util.fitText("0123456789AB", 10), "0123456789");
    EXPECT_EQ(util.fitText("1/2/24", 10), "1/2/24    ");
    EXPECT_EQ(util.fitText("", 3), "   ");
    EXPECT_EQ(util.fitText("abc", 0), "");
    EXPECT_EQ(util.fitText("abc", -2), "");
}

TEST(UtilidadesText, formatearValorGivesCodesAsTheSuiteStoresThem)
{
    // Numbered unit, deposit and type codes are kept right-aligned in four columns.
    EXPECT_EQ(util.FormatearValor(QString("1"), 4), "   1");
    EXPECT_EQ(util.FormatearValor(QString("  12 "), 4), "  12");
    EXPECT_EQ(util.FormatearValor(vb::Variant(3), 4), "   3");
    EXPECT_EQ(util.FormatearValor(QString("12345"), 4), "12345");
    // Voucher types are stored as typed: "RMC" in the audit rows must equal C_MV_CPTE.TC.
    EXPECT_EQ(util.FormatearValor(QString(" RMC"), 4), "RMC");
    EXPECT_EQ(util.FormatearValor(QString("OC"), 4), "OC");
    EXPECT_EQ(util.FormatearValor(QString("1A"), 4), "1A");
    EXPECT_EQ(util.FormatearValor(vb::Variant::null(), 4), "");
    // Article codes go into filters and rows as the list shows them, never blank-padded.
    EXPECT_EQ(util.FormatearValor(QString("01-00023"), 25), "01-00023");
    EXPECT_EQ(util.FormatearValor(QString(" 123 "), 25), "123");
    // No code: the value's own text, untouched.
    EXPECT_EQ(util.FormatearValor(QString(" x "), 0), " x ");
    EXPECT_EQ(util.FormatearValor(12.5), "12,5");
}

TEST(UtilidadesText, valorTextoUsesTheRegionalTextOfAValue)
{
    EXPECT_EQ(util.ValorTexto(vb::Variant::null()), "");
    EXPECT_EQ(util.ValorTexto(vb::Variant()), "");
    EXPECT_EQ(util.ValorTexto(QString("  a ")), "  a ");
    EXPECT_EQ(util.ValorTexto(12.5), "12,5");
    EXPECT_EQ(util.ValorTexto(vb::Date::fromDate(QDate(2024, 3, 5))), "05/03/2024");
}

TEST(UtilidadesText, estaEnListaIgnoresCase)
{
    EXPECT_TRUE(util.EstaEnLista("codigo", {"Codigo", "Cuenta"}));
    EXPECT_TRUE(util.EstaEnLista("Id", {"ID"}));
    EXPECT_FALSE(util.EstaEnLista("Codigo ", {"Codigo"}));
    EXPECT_FALSE(util.EstaEnLista("x", {}));
}

} // namespace
