#include "BarFixture.h"

#include "commandbar/BarItemStore.h"
#include "commandbar/BarKeys.h"
#include "commandbar/ColorStyle.h"
#include "ui/Control.h"
#include "vb/Error.h"

using cbartest::TabBarFixture;
using commandbar::BarItemStore;
using commandbar::ColorStyle;

using TabBarItems = TabBarFixture;

namespace {

QStringList shownKeys(const commandbar::UtilKor& bar)
{
    QStringList keys;
    for (int i = 0; i < bar.ItemCount(); ++i)
        if (bar.items().at(i).Visible)
            keys << bar.items().at(i).Key;
    return keys;
}

void addNumbered(commandbar::UtilKor& bar, int from, int to)
{
    for (int k = from; k <= to; ++k)
        ASSERT_TRUE(bar.AddItem(QStringLiteral("K%1").arg(k), QStringLiteral("Item %1").arg(k)));
}

} // namespace

TEST(TabBarStore, GrowsByDoublingFromNineteenSlots)
{
    BarItemStore store(0, 0);
    EXPECT_EQ(store.capacity(), 0);
    store.EnsureCapacity(-1);
    EXPECT_EQ(store.slotCount(), 0);
    store.EnsureCapacity(3);
    EXPECT_EQ(store.capacity(), 18);
    store.EnsureCapacity(19);
    EXPECT_EQ(store.capacity(), 37);
    store.EnsureCapacity(37);
    EXPECT_EQ(store.capacity(), 37);
    store.EnsureCapacity(38);
    EXPECT_EQ(store.capacity(), 75);
    store.EnsureCapacity(100);
    EXPECT_EQ(store.capacity(), 151);
    EXPECT_EQ(store.at(151).AttentionColor, ColorStyle::rgb(220, 64, 64));
    EXPECT_TRUE(store.at(151).Enabled);
    EXPECT_FALSE(store.at(151).Visible);
}

TEST(TabBarStore, GrowthStopsWithAClearErrorBeforeTheSixteenBitLimit)
{
    BarItemStore store(0, 0);
    store.EnsureCapacity(18);
    store.at(7).Caption = QStringLiteral("kept");
    store.EnsureCapacity(BarItemStore::MaxCapacity);
    EXPECT_EQ(store.capacity(), 19455);
    try {
        store.EnsureCapacity(19456);
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_TRUE(e.description().contains("19456")) << e.description().toStdString();
    }
    EXPECT_EQ(store.capacity(), 19455);
    EXPECT_EQ(store.at(7).Caption, "kept");

    BarItemStore fresh(0, 0);
    EXPECT_THROW(fresh.EnsureCapacity(40000), vb::Error);
    EXPECT_EQ(fresh.slotCount(), 0);
}

TEST(TabBarStore, FullStoreRefusesToAppend)
{
    BarItemStore store(0, 0);
    store.EnsureCapacity(BarItemStore::MaxCapacity);
    store.setCount(BarItemStore::MaxCapacity + 1);
    EXPECT_THROW(store.slotForAdd(QStringLiteral("ONE_MORE")), vb::Error);
    EXPECT_EQ(store.count(), BarItemStore::MaxCapacity + 1);
}

TEST_F(TabBarItems, NewBarShowsTheSevenStandardCommands)
{
    EXPECT_EQ(bar->ItemCount(), 19);
    EXPECT_EQ(bar->capacity(), 18);
    EXPECT_EQ(shownKeys(*bar), QStringList({"NUEVO", "BORRAR", "REPORTE", "CONSULTAR", "CANCELAR", "GRABAR", "CERRAR"}));
    EXPECT_EQ(bar->items().at(11).Key, "CAJERO");
    EXPECT_EQ(bar->items().at(11).Caption, "Caja");
    EXPECT_EQ(bar->items().at(14).Caption, "Procesar con I.A.");
    EXPECT_EQ(bar->items().at(2).ToolTip, "Abrir reportes / impresiones");
    EXPECT_TRUE(bar->ImpresoraCheckable());
    EXPECT_FALSE(bar->CompartirCheckable());
    EXPECT_EQ(bar->ItemHeight(), 520);
    EXPECT_EQ(bar->ButtonGap(), 0);
    EXPECT_EQ(bar->IconPx(), 42);
    EXPECT_EQ(ui::Control::typeName(bar.get()), "UtilKor");
}

TEST_F(TabBarItems, ConsultaHasNoBuiltInPictureOnTheTabBar)
{
    EXPECT_EQ(commandbar::BarKeys::basePictureIndex("consulta", false), -1);
    EXPECT_EQ(commandbar::BarKeys::basePictureIndex("consulta"), 3);
    bar->AddItem("consulta", "Consulta");
    EXPECT_FALSE(bar->ItemHasIcon(bar->ItemCount() - 1));
    EXPECT_TRUE(bar->ItemHasIcon(3));
    EXPECT_FALSE(bar->ItemHasIcon(-1));
    EXPECT_FALSE(bar->ItemHasIcon(bar->ItemCount()));
}

TEST_F(TabBarItems, AddingPastNineteenGrowsTheStore)
{
    EXPECT_TRUE(bar->AddItem("EXTRA", "Extra"));
    EXPECT_EQ(bar->ItemCount(), 20);
    EXPECT_EQ(bar->capacity(), 37);
    addNumbered(*bar, 21, 39);
    EXPECT_EQ(bar->ItemCount(), 39);
    EXPECT_EQ(bar->capacity(), 75);
    EXPECT_GE(bar->loadedControlsBound(), 38);
    EXPECT_TRUE(bar->itemBox(38)->isVisibleTo(bar.get()));
    EXPECT_EQ(ui::Control::index(bar->itemBox(38)), 38);
    EXPECT_FALSE(bar->AddItem("   ", "blank"));
    EXPECT_EQ(bar->ItemCount(), 39);
}

TEST_F(TabBarItems, CaptionsComeFromTheSetNotFromTagsOfAnEarlierSet)
{
    bar->LoadDefaultItemsReportes();
    EXPECT_EQ(ui::Control::tag(bar->itemBox(0)), "Pantalla");
    bar->LoadDefaultItems();
    EXPECT_EQ(bar->items().at(0).Caption, "Nuevo");
    EXPECT_EQ(bar->items().at(4).Caption, "Planilla");
    EXPECT_EQ(ui::Control::tag(bar->itemBox(0)), "Nuevo");
}

TEST_F(TabBarItems, ReportSetCaptionsShareAndHidesEveryOtherSlotAfterGrowth)
{
    addNumbered(*bar, 20, 40);
    ASSERT_EQ(bar->capacity(), 75);
    bar->SetItemAttention("K30", true);
    bar->LoadDefaultItemsReportes();
    EXPECT_EQ(bar->ItemCount(), 5);
    EXPECT_EQ(bar->items().at(3).Key, "COMPARTIR");
    EXPECT_EQ(bar->items().at(3).Caption, "Compartir");
    EXPECT_EQ(bar->items().at(4).ToolTip, "Cerrar formulario");
    for (int i = 5; i <= bar->capacity(); ++i) {
        EXPECT_FALSE(bar->items().at(i).Visible) << i;
        EXPECT_FALSE(bar->items().at(i).Attention) << i;
    }
    for (int i = 5; i <= bar->loadedControlsBound(); ++i)
        EXPECT_FALSE(bar->itemBox(i)->isVisibleTo(bar.get())) << i;
}

TEST_F(TabBarItems, ShareCheckStateFollowsTheBarSettingNotTheItemField)
{
    bar->LoadDefaultItemsReportes();
    EXPECT_FALSE(bar->ItemIsCheckable(3));
    bar->setCompartirCheckable(true);
    EXPECT_TRUE(bar->ItemIsCheckable(3));
    bar->StoreItemChecked(3, true);
    EXPECT_TRUE(bar->CompartirChecked());
    EXPECT_FALSE(bar->items().at(3).Checked);
    EXPECT_FALSE(bar->ItemIsCheckable(7));
    EXPECT_FALSE(bar->ItemIsChecked(-1));
}

TEST_F(TabBarItems, AddItemSetsTheCheckFlagForNewAndExistingItems)
{
    bar->setImpresoraChecked(true);
    EXPECT_TRUE(bar->AddItem("impresora", "Impresora", "Imprimir", false));
    EXPECT_FALSE(bar->ImpresoraCheckable());
    EXPECT_FALSE(bar->ImpresoraChecked());
    EXPECT_EQ(bar->ItemCount(), 19);

    bar->SetItemEnabled("PEDIDO", false);
    bar->SetItemBadge("PEDIDO", 4);
    EXPECT_TRUE(bar->AddItem("pedido", "Pedido nuevo", "", true));
    EXPECT_EQ(bar->items().at(9).Caption, "Pedido nuevo");
    EXPECT_EQ(bar->items().at(9).ToolTip, "Pedido nuevo");
    EXPECT_FALSE(bar->items().at(9).Enabled);
    EXPECT_EQ(bar->items().at(9).Badge, 4);
    EXPECT_TRUE(bar->ItemCheckable("PEDIDO"));

    EXPECT_TRUE(bar->AddItem("NOTA", "Nota", "  ver  "));
    EXPECT_EQ(bar->items().at(19).ToolTip, "  ver  ");
    EXPECT_FALSE(bar->ItemCheckable("NOTA"));
}

TEST_F(TabBarItems, AttentionKeepsItsLastColour)
{
    const long green = ColorStyle::rgb(0, 128, 0);
    bar->SetItemAttention("NUEVO", true, green);
    bar->SetItemAttention("NUEVO", false);
    EXPECT_FALSE(bar->ItemAttention("NUEVO"));
    bar->SetItemAviso("nuevo", true);
    EXPECT_TRUE(bar->ItemAviso("NUEVO"));
    EXPECT_EQ(bar->items().at(0).AttentionColor, green);
    bar->SetItemAttention("MISSING", true, green);
    EXPECT_FALSE(bar->ItemAttention("MISSING"));
    EXPECT_EQ(bar->items().at(1).AttentionColor, ColorStyle::rgb(220, 64, 64));
}

TEST_F(TabBarItems, CheckedStateNeedsACheckableItem)
{
    bar->SetItemChecked("GRABAR", true);
    EXPECT_FALSE(bar->ItemChecked("GRABAR"));
    bar->SetItemCheckable("GRABAR", true);
    bar->SetItemChecked("GRABAR", true);
    EXPECT_TRUE(bar->ItemChecked("GRABAR"));
    bar->SetItemCheckable("GRABAR", false);
    EXPECT_FALSE(bar->ItemChecked("GRABAR"));

    bar->SetItemChecked("IMPRESORA", true);
    EXPECT_TRUE(bar->ImpresoraChecked());
    bar->setImpresoraCheckable(false);
    bar->SetItemChecked("IMPRESORA", true);
    EXPECT_FALSE(bar->ItemChecked("IMPRESORA"));
    EXPECT_TRUE(checks.isEmpty());
}

TEST_F(TabBarItems, BadgeIsNeverNegative)
{
    bar->SetItemBadge("NUEVO", -5);
    EXPECT_EQ(bar->items().at(0).Badge, 0);
    bar->SetItemBadge("NUEVO", 120);
    EXPECT_EQ(bar->badgeLabel(0)->text(), "99+");
}

TEST_F(TabBarItems, ClearItemsResetsEverySlotAndKeepsTheCapacity)
{
    addNumbered(*bar, 20, 39);
    bar->SetItemCheckable("K39", true);
    bar->SetItemChecked("K39", true);
    bar->SetItemAttention("K39", true, 0);
    ASSERT_EQ(bar->capacity(), 75);
    bar->ClearItems();
    EXPECT_EQ(bar->ItemCount(), 0);
    EXPECT_EQ(bar->capacity(), 75);
    for (int i = 0; i <= 75; ++i) {
        const auto& item = bar->items().at(i);
        ASSERT_TRUE(item.Key.isEmpty() && !item.Attention && !item.Checkable && !item.Checked) << i;
        ASSERT_EQ(item.AttentionColor, ColorStyle::rgb(220, 64, 64)) << i;
    }
    EXPECT_EQ(bar->propertyByName("NuevoEnabled").toBool(), true);
    EXPECT_EQ(bar->ItemCount(), 19);
}

TEST_F(TabBarItems, FunctionKeysNeedAUsableItem)
{
    bar->KeyAnalisis(27);
    bar->KeyAnalisis(117);   // PLANILLA is hidden in the default set
    bar->KeyAnalisis(116);
    bar->SetItemEnabled("CONSULTAR", false);
    bar->KeyAnalisis(116);
    bar->SetItemEnabled("CONSULTAR", true);
    bar->SetItemVisible("CONSULTAR", false);
    bar->KeyAnalisis(116);
    EXPECT_EQ(clicks, QStringList({"CANCELAR", "CONSULTAR"}));
}

TEST_F(TabBarItems, TervoSampleHasNoCheckItems)
{
    bar->SetItemCheckable("NUEVO", true);
    bar->LoadTervoSample();
    EXPECT_EQ(bar->ItemCount(), 6);
    EXPECT_EQ(shownKeys(*bar), QStringList({"FILES", "SEARCH", "GIT", "RUN", "EXT", "AI"}));
    for (int i = 0; i < 6; ++i)
        EXPECT_FALSE(bar->ItemIsCheckable(i));
}
