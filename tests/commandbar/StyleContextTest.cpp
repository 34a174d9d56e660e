#include "BarFixture.h"

#include "commandbar/ModUtilKorBar.h"

#include <QLabel>

using cbartest::FakeEnvironment;
using commandbar::ModUtilKorBar;

class StyleContext : public ::testing::Test {
protected:
    FakeEnvironment env;
};

TEST_F(StyleContext, NoIniFileGivesTheLibrarysZeroThatIsStyle1)
{
    EXPECT_EQ(ModUtilKorBar::ResolveBarStyle("usuario1", "ventas"), 1);
}

TEST_F(StyleContext, CandidateSectionsAreTriedInOrder)
{
    env.host = "pc1";
    env.writeIni("[USUARIO1Styles]\r\nOtra=1\r\n[PC1|USUARIO1_VENTASStyles]\r\nStyles=3\r\n[VENTAS_VENTASStyles]\r\nStyles=0\r\n");
    EXPECT_EQ(ModUtilKorBar::FindStyleKey(ModUtilKorBar::IniFile, "usuario1", "ventas"), "PC1|USUARIO1_VENTASStyles");
    EXPECT_EQ(ModUtilKorBar::ResolveBarStyle("usuario1", "ventas"), 4);
    env.host.clear();
    EXPECT_EQ(ModUtilKorBar::ResolveBarStyle("usuario1", "ventas"), 1);   // falls to the database pair
}

TEST_F(StyleContext, OutOfRangeNumbersAreSkippedButAScannedSectionIsUsedAsItReads)
{
    env.writeIni("[General]\r\nx=1\r\n[USUARIO1Styles]\r\nStyles=150\r\n");
    EXPECT_EQ(ModUtilKorBar::ReadStyleNumber(ModUtilKorBar::IniFile, "USUARIO1Styles"), -1);
    EXPECT_EQ(ModUtilKorBar::ResolveBarStyle("usuario1", "ventas"), 2);
}

TEST_F(StyleContext, ASectionNamedStylesIsFoundByTheScan)
{
    env.writeIni("; comment\r\n  [Styles]  \r\nStyles=2\r\n");
    EXPECT_EQ(ModUtilKorBar::ScanStylesSection(ModUtilKorBar::IniFile), "Styles");
    EXPECT_EQ(ModUtilKorBar::ResolveBarStyle("x", "y"), 3);
}

TEST_F(StyleContext, EmptySystemUserValueFallsToTheBarSectionThenTo4)
{
    env.writeIni("[TESTERStyles]\r\nStyles=\r\n[UtilKorBar_VENTAS]\r\nEstilo=2\r\n");
    EXPECT_EQ(ModUtilKorBar::ResolveBarStyle("nadie", "ventas"), 3);
    EXPECT_EQ(ModUtilKorBar::ResolveBarStyle("nadie", "compras"), 5);
}

TEST_F(StyleContext, TextThatIsNoNumberCountsAsZero)
{
    env.writeIni("[TESTERStyles]\r\nStyles=azul\r\n");
    EXPECT_EQ(ModUtilKorBar::ResolveBarStyle("nadie", "ventas"), 1);
}

TEST_F(StyleContext, UserAndDatabaseDefaultToTheProcessContext)
{
    env.vars["USERNAME"] = " ana ";
    env.command = "@dbname=compras";
    env.writeIni("[ANA_COMPRASStyles]\r\nStyles=4\r\n");
    EXPECT_EQ(ModUtilKorBar::ResolveBarStyle("", "  "), 5);
}

TEST_F(StyleContext, CommandLineValues)
{
    struct Case {
        const char* line;
        const char* value;
    };
    const Case cases[] = {
        {"@Server=SERVIDOR1;@DbName= EMPRESA1 ;@Usuario=USUARIO1", "EMPRESA1"},
        {"@DBNAME=x", "x"},
        {"@dbname x", ""},                          // no "=": no value
        {"@dbname=\"Mi Empresa\";@x=1", "Mi Empresa"},
        {"@dbname=\"", "\""},                       // a lone quote stays
        // Only a whole key counts: never inside a longer key or inside a value.
        {"@dbnameX=uno;@dbname=dos", "dos"},
        {"@usuario=@dbname=tres", ""},
        {" ; @server=s; @dbname=cuatro;", "cuatro"},
    };
    for (const Case& c : cases) {
        env.command = c.line;
        EXPECT_EQ(ModUtilKorBar::CommandLineValue("@dbname"), c.value) << c.line;
    }
    EXPECT_EQ(ModUtilKorBar::CommandLineValue("  "), "");
}

TEST_F(StyleContext, DatabaseNameFallsBackThroughTheEnvironment)
{
    env.vars["GDBNAME"] = "G1";
    EXPECT_EQ(ModUtilKorBar::CurrentDbName(), "G1");
    env.vars["QDR_DBNAME"] = " Q1 ";
    EXPECT_EQ(ModUtilKorBar::CurrentDbName(), "Q1");
    env.vars.clear();
    EXPECT_EQ(ModUtilKorBar::CurrentDbName(), "DEFAULT");
    EXPECT_EQ(ModUtilKorBar::CurrentUserName(), "DEFAULT");
}

TEST_F(StyleContext, IniPathsAndFolders)
{
    EXPECT_EQ(ModUtilKorBar::IniFilePath(" a.ini "), env.folder.path() + "/a.ini");
    EXPECT_EQ(ModUtilKorBar::IniFilePath("C:\\x\\a.ini"), "C:\\x\\a.ini");
    EXPECT_EQ(ModUtilKorBar::IniFilePath(""), "");
    EXPECT_EQ(ModUtilKorBar::NormalizeFolder("/a/"), "/a/");
    EXPECT_EQ(ModUtilKorBar::NormalizeFolder(" /a "), "/a/");
    EXPECT_EQ(ModUtilKorBar::ReadIni("vu000va.ini", "S", "K", "def"), "def");
    env.writeIni("[S]\r\nK=\r\nL=v\r\n");
    EXPECT_EQ(ModUtilKorBar::ReadIni("VU000VA.INI", "s", "k", "def"), "def");
    EXPECT_EQ(ModUtilKorBar::ReadIni("vu000va.ini", "S", "L", "def"), "v");
    // A missing key gives the default without its trailing spaces; a key without a value gives
    // the default as passed.
    EXPECT_EQ(ModUtilKorBar::ReadIni("vu000va.ini", "S", "M", "Segoe UI  "), "Segoe UI");
    EXPECT_EQ(ModUtilKorBar::ReadIni("vu000va.ini", "S", "K", "Segoe UI  "), "Segoe UI  ");
    EXPECT_EQ(ModUtilKorBar::ReadIni("vu000va.ini", "S", "M", "   "), "   ");
}

TEST_F(StyleContext, CaptionFontComesFromTheContextSection)
{
    env.vars["USERNAME"] = "ana";
    env.vars["DBNAME"] = "ventas";
    env.writeIni("[ANA_VENTASFont]\r\nFont=\r\n");
    EXPECT_EQ(ModUtilKorBar::CaptionFontName(), "Segoe UI");
    env.writeIni("[ANA_VENTASFont]\r\nFont= DejaVu Sans \r\n");
    EXPECT_EQ(ModUtilKorBar::CaptionFontName(), "DejaVu Sans");
    commandbar::TBarRep bar;
    EXPECT_EQ(bar.captionLabel(18)->font().family(), "DejaVu Sans");
}

TEST_F(StyleContext, NewBarTakesTheContextStyle)
{
    env.vars["USERNAME"] = "ana";
    env.writeIni("[ANAStyles]\r\nStyles=2\r\n");
    commandbar::TBarRep bar;
    bar.InitProperties();
    EXPECT_EQ(bar.Estilo(), 3);
    EXPECT_EQ(bar.NormalBackColor(), commandbar::ColorStyle::rgb(160, 155, 135));
}

TEST(TwipConversions, FifteenTwipsAPixelHalvesToEven)
{
    using commandbar::BarControl;
    EXPECT_EQ(BarControl::TwipsToPixels(225), 15);
    EXPECT_EQ(BarControl::PixelsToTwips(42), 630);
    EXPECT_EQ(BarControl::TwipsToPixels(337.5f), 22);   // 22.5 pixels
    EXPECT_EQ(BarControl::TwipsToPixels(352.5f), 24);   // 23.5 pixels
    EXPECT_EQ(BarControl::TwipsToPixels(7), 0);
}
