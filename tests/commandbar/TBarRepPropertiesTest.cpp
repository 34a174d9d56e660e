#include "BarFixture.h"

#include "commandbar/ItemSurface.h"
#include "commandbar/PropertyBag.h"
#include "commandbar/TBarRepPersistence.h"
#include "ui/Twips.h"
#include "vb/Error.h"

using cbartest::BarFixture;
using commandbar::ColorStyle;
using commandbar::PropertyBag;
using commandbar::TBarRep;
using commandbar::TBarRepPersistence;

using BarProperties = BarFixture;

namespace {

QStringList flagKeys()
{
    QStringList keys;
    for (const auto& stem : commandbar::ButtonFlags::commandBarStems())
        keys << (stem.stem + "Enabled").toLower() << (stem.stem + "Visible").toLower();
    return keys;
}

std::unique_ptr<TBarRep> loaded(const PropertyBag& bag)
{
    auto bar = std::make_unique<TBarRep>();
    bar->resize(600, 100);
    bar->ReadProperties(bag);
    return bar;
}

} // namespace

TEST_F(BarProperties, NewBarWritesOnlyWhatDiffersFromTheDefaultsThenAllFlags)
{
    PropertyBag bag;
    bar->WriteProperties(bag);
    const QStringList expected = QStringList{"itemgap", "iconsize", "iconpx", "tamanoicono", "estilo", "theme",
                                             "normalbackcolor", "activebackcolor", "activebarcolor",
                                             "impresoracheckable"}
                               + flagKeys();
    EXPECT_EQ(bag.keys(), expected);
    EXPECT_EQ(bag.keys().size(), 58);
    EXPECT_EQ(bag.readSingle("ItemGap", 0), 120.0f);
    EXPECT_EQ(bag.readInteger("Estilo", 0), 1);
    EXPECT_FALSE(bag.readBool("ImpresoraCheckable", true));
    EXPECT_TRUE(bag.readBool("PantallaVisible", false));
    EXPECT_FALSE(bag.readBool("NuevoVisible", true));
}

TEST_F(BarProperties, ChangedSettingsWriteTheirKeysInOrder)
{
    bar->setEnabled(false);
    bar->setShowCaptions(false);
    bar->setHorizontal(true);
    bar->setTopOffset(40);
    bar->setGroupBreakTag("cerrar");
    bar->setDebugMode(true);
    PropertyBag bag;
    bar->WriteProperties(bag);
    EXPECT_EQ(bag.keys().mid(0, 12),
              QStringList({"enabled", "showcaptions", "mostrartitulo", "contitulo", "horizontal", "modohorizontal",
                           "autoorientacion", "itemgap", "topoffset", "topbotones", "groupbreakaftertag", "groupbreaktag"}));
    EXPECT_TRUE(bag.keys().contains("debugmode"));
    EXPECT_EQ(bag.readString("GroupBreakTag", ""), "CERRAR");
}

TEST_F(BarProperties, SavingAndLoadingRestoresLayoutChecksAndFlagsNotStyleOrFolder)
{
    bar->setTopOffset(40);
    bar->setGroupGap(300);
    bar->setGroupBreakTag("consultar");
    bar->setItemHeight(900);
    bar->setCompartirCheckable(true);
    bar->setCompartirChecked(true);
    bar->setImpresoraCheckable(true);
    bar->setImpresoraChecked(true);
    bar->setEstilo(4);
    bar->setImageFolder(env.path("x"));
    bar->SetItemVisible("CERRAR", false);
    PropertyBag bag;
    bar->WriteProperties(bag);

    auto back = loaded(bag);
    EXPECT_EQ(back->TopOffset(), 40);
    EXPECT_EQ(back->GroupGap(), 300);
    EXPECT_EQ(back->GroupBreakTag(), "CONSULTAR");
    EXPECT_EQ(back->ItemHeight(), 900);
    EXPECT_TRUE(back->CompartirChecked());
    EXPECT_FALSE(back->ItemVisible("CERRAR"));
    EXPECT_TRUE(back->ItemVisible("PANTALLA"));
    EXPECT_TRUE(back->ImpresoraCheckable());
    EXPECT_TRUE(back->ImpresoraChecked());
    EXPECT_EQ(back->Estilo(), 1);                   // the context's, not the saved 4
    EXPECT_EQ(back->ImageFolder(), env.folder.path() + "/img_menu/");
    EXPECT_EQ(back->UpdateLock(), 0);
}

TEST_F(BarProperties, EmptySavedSetLoadsWithReadingDefaults)
{
    auto back = loaded(PropertyBag());
    EXPECT_EQ(back->ItemGap(), 30);
    EXPECT_EQ(back->ItemCount(), 5);
    EXPECT_EQ(back->IconPx(), 42);
    EXPECT_EQ(back->IconSize(), 630);
    EXPECT_TRUE(back->ShowCaptions());
}

TEST_F(BarProperties, ReportWindowSavedSetGivesTheFiveItemsAndTheIniImageFolder)
{
    env.writeIni("[BrixGestion]\r\nPathSistema= /opt/brix \r\n");
    auto back = loaded(TBarRepPersistence::reportWindowSavedSet());
    ASSERT_EQ(back->ItemCount(), 5);
    for (const char* key : {"PANTALLA", "IMPRESORA", "CONSULTAR", "COMPARTIR", "CERRAR"}) {
        EXPECT_TRUE(back->ItemVisible(key)) << key;
        EXPECT_TRUE(back->ItemEnabled(key)) << key;
    }
    EXPECT_EQ(back->IconPx(), 42);
    EXPECT_EQ(back->Estilo(), 1);
    EXPECT_EQ(back->ImageFolder(), "/opt/brix/img_menu/");
    EXPECT_FALSE(back->ImpresoraCheckable());
    EXPECT_EQ(back->ItemGap(), 30);
}

TEST_F(BarProperties, LaterConsultarKeyWinsOverConsulta)
{
    PropertyBag bag;
    bag.WriteProperty("ConsultaEnabled", false);
    bag.WriteProperty("consultarEnabled", true);
    EXPECT_TRUE(loaded(bag)->ItemEnabled("CONSULTAR"));
}

TEST_F(BarProperties, SynonymKeysReadInOrder)
{
    PropertyBag bag;
    bag.WriteProperty("ShowCaptions", false);
    bag.WriteProperty("ConTitulo", true);
    bag.WriteProperty("TopBotones", 25.0f);
    bag.WriteProperty("GroupBreakTag", " pantalla ");
    auto back = loaded(bag);
    EXPECT_TRUE(back->ShowCaptions());
    EXPECT_EQ(back->TopOffset(), 25);
    EXPECT_EQ(back->GroupBreakAfterTag(), "PANTALLA");
}

TEST_F(BarProperties, FailedReadRaisesAndStillEndsTheUpdateLock)
{
    PropertyBag bag;
    bag.WriteProperty("ItemHeight", "alto");
    auto fresh = std::make_unique<TBarRep>();
    fresh->resize(600, 100);
    fresh->InitProperties();
    try {
        fresh->ReadProperties(bag);
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 13);
    }
    EXPECT_EQ(fresh->UpdateLock(), 0);
    fresh->SetItemVisible("PANTALLA", false);
    EXPECT_EQ(fresh->itemRect(1).left(), 120);     // still lays itself out
}

TEST_F(BarProperties, LetsCorrectOutOfRangeValues)
{
    bar->setItemGap(500);
    EXPECT_EQ(bar->ItemGap(), 120);
    bar->setIconPx(16);
    EXPECT_EQ(bar->IconPx(), 42);
    bar->setTamanoIcono(16);
    EXPECT_EQ(bar->TamanoIcono(), 42);
    EXPECT_EQ(bar->IconSize(), 630);
    bar->setItemHeight(100);
    EXPECT_EQ(bar->ItemHeight(), 480);
    bar->setGroupGap(-5);
    EXPECT_EQ(bar->GroupGap(), 0);
    bar->setGroupBreakTag("  pantalla ");
    EXPECT_EQ(bar->GroupBreakAfterTag(), "PANTALLA");
    EXPECT_EQ(changed.mid(changed.size() - 7),
              QStringList({"ItemGap", "IconPx", "IconPx", "TamanoIcono", "ItemHeight", "GroupGap", "GroupBreakTag"}));
}

TEST_F(BarProperties, CheckStateIsRefusedWhileNotCheckable)
{
    changed.clear();
    bar->setImpresoraChecked(true);
    EXPECT_FALSE(bar->ImpresoraChecked());
    EXPECT_TRUE(changed.isEmpty());
    bar->setImpresoraCheckable(true);
    bar->setImpresoraChecked(true);
    EXPECT_TRUE(bar->ImpresoraChecked());
    bar->setImpresoraCheckable(false);
    EXPECT_FALSE(bar->ImpresoraChecked());
}

TEST_F(BarProperties, OrientationAndStyleLets)
{
    bar->setHorizontal(true);
    EXPECT_FALSE(bar->AutoOrientacion());
    bar->setAutoOrientacion(true);
    EXPECT_TRUE(bar->ModoHorizontal());

    bar->setEstilo(7);
    EXPECT_EQ(bar->Estilo(), 2);
    bar->setPropertyByName("estilo", 5);
    EXPECT_EQ(bar->Theme(), 5);
    EXPECT_EQ(bar->NormalBackColor(), ColorStyle::rgb(122, 122, 122));
    EXPECT_EQ(bar->ActiveBarColor(), ColorStyle::rgb(212, 212, 212));
    bar->setTheme(3);
    EXPECT_EQ(bar->Estilo(), 1);                    // the context style, whatever was given
}

// Each setting that shapes the bar lays it out again at once, and the host hears of it once by
// the name it was set by (TopBotones also by the name it stands for).
TEST_F(BarProperties, ShapingSettingsLayTheBarOutAtOnceAndTellTheHost)
{
    changed.clear();
    const QRectF first = bar->itemRect(0);
    const QRectF third = bar->itemRect(2);
    bar->setTopBotones(310);
    EXPECT_EQ(bar->itemRect(0), first.translated(0, 300));
    EXPECT_EQ(bar->itemBox(0)->geometry().top(), ui::Twips::toPixels(first.top() + 300));

    bar->setGroupBreakAfterTag(" pantalla");   // the first item
    bar->setGroupGap(450);
    EXPECT_EQ(bar->itemRect(0).left(), first.left());
    EXPECT_EQ(bar->itemRect(2).left(), third.left() + 450);

    bar->setNormalBackColor(ColorStyle::rgb(10, 20, 30));
    EXPECT_EQ(bar->barSurface().pixel(0, 0), QColor(10, 20, 30));
    EXPECT_EQ(bar->itemBox(0)->surface().backColor(), QColor(10, 20, 30));

    bar->setModoHorizontal(false);   // a wide bar, stacked down as asked
    EXPECT_FALSE(bar->lastLayout().horizontal);
    EXPECT_EQ(bar->itemRect(1).left(), bar->itemRect(0).left());
    EXPECT_GT(bar->itemRect(1).top(), bar->itemRect(0).bottom());

    EXPECT_EQ(changed, QStringList({"TopOffset", "TopBotones", "GroupBreakAfterTag", "GroupGap", "NormalBackColor",
                                    "ModoHorizontal"}));
}

TEST_F(BarProperties, VariantLetsRaiseTypeMismatchAndStoreNothing)
{
    EXPECT_THROW(bar->setPropertyByName("Enabled", "tal vez"), vb::Error);
    EXPECT_TRUE(bar->Enabled().toBool());
    EXPECT_THROW(bar->setPropertyByName("MensajesVisible", "x"), vb::Error);
    bar->setPropertyByName("MensajeEnabled", "True");
    EXPECT_TRUE(bar->MensajeEnabled().toBool());
}

TEST_F(BarProperties, UnknownNameRaises438)
{
    try {
        bar->propertyByName("Caption");
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 438);
    }
}
