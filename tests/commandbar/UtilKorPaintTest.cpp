#include "BarFixture.h"
#include "PaintProbe.h"

#include "commandbar/ColorStyle.h"
#include "commandbar/ItemSurface.h"
#include "commandbar/PropertyBag.h"

#include <QLabel>

using cbartest::TabBarFixture;
using cbartest::captionColor;
using cbartest::countInCorner;
using cbartest::labelBackColor;
using commandbar::ColorStyle;
using commandbar::PropertyBag;

using TabBarPainting = TabBarFixture;

namespace {

// The centre of the attention dot on an item box of the default width: (742, 98) twips.
QColor dotPixel(const commandbar::UtilKor& bar, int i)
{
    return bar.itemBox(i)->surface().pixel(49, 6);
}

} // namespace

TEST_F(TabBarPainting, HorizontalItemsUseTheItemHeightAndTheButtonGap)
{
    EXPECT_EQ(bar->itemRect(0), QRectF(120, -50, 840, 520));
    EXPECT_EQ(bar->itemRect(1).left(), 1080);
    // The caption sits 10 twips under the box instead of overlapping it.
    EXPECT_EQ(bar->captionRect(0).top(), -50 + 520 + 10);

    bar->setButtonGap(100);
    EXPECT_EQ(bar->itemRect(1).left(), 120 + 840 + 220);
    bar->setItemHeight(700);
    EXPECT_EQ(bar->itemRect(3).height(), 700);
}

TEST_F(TabBarPainting, ItemHeightZeroTakesTheBoxHeight)
{
    PropertyBag saved;
    saved.WriteProperty("ItemHeight", 0.0f);
    auto restored = std::make_unique<commandbar::UtilKor>();
    restored->resize(600, 100);
    restored->ReadProperties(saved);
    EXPECT_EQ(restored->ItemHeight(), 0);
    EXPECT_EQ(restored->itemRect(0).height(), 720);
}

TEST_F(TabBarPainting, VerticalStepsAddTheButtonGapAndPackWithoutCaptions)
{
    makeBar(1500, 9000);
    bar->setButtonGap(100);
    EXPECT_EQ(bar->itemRect(0).top(), 90);
    EXPECT_EQ(bar->itemRect(1).top(), 90 + 520 + 400 + 20 + 100);
    bar->setShowCaptions(false);
    EXPECT_EQ(bar->itemRect(1).top(), 90 + 520 + 100);
}

TEST_F(TabBarPainting, VerticalFitShrinksTheGapButNotTheButtonGap)
{
    makeBar(1500, 6000);
    bar->setButtonGap(50);
    // Seven items of 520 + 400 leave (6000 - 150 - 6440) / 6 < 0: no fitted gap.
    EXPECT_EQ(bar->itemRect(1).top() - bar->itemRect(0).top(), 520 + 400 + 50);
}

TEST_F(TabBarPainting, ItemWithoutAnyPictureShowsALargerCentredCaption)
{
    bar->AddItem("NOTA", "Nota");
    const double base = bar->baseCaptionSize();
    ASSERT_GT(base, 0);
    EXPECT_DOUBLE_EQ(bar->captionLabel(0)->font().pointSizeF(), base);
    EXPECT_DOUBLE_EQ(bar->captionLabel(19)->font().pointSizeF(), base + 2);
    EXPECT_TRUE(bar->captionLabel(19)->alignment() & Qt::AlignHCenter);
    // Painting again does not let the sizes creep.
    bar->LayoutItems();
    EXPECT_DOUBLE_EQ(bar->captionLabel(19)->font().pointSizeF(), base + 2);
}

TEST_F(TabBarPainting, AttentionWithoutCountDrawsADotAndHidesTheBadge)
{
    const QColor back = bar->itemBox(0)->surface().backColor();
    EXPECT_EQ(dotPixel(*bar, 0), back);
    bar->SetItemAttention("NUEVO", true, ColorStyle::rgb(0, 128, 0));
    EXPECT_EQ(dotPixel(*bar, 0), QColor(0, 128, 0));
    EXPECT_FALSE(bar->badgeLabel(0)->isVisibleTo(bar.get()));
    EXPECT_EQ(bar->badgeRect(0), QRectF(120 + 840 - 210, -50 + 60, 180, 180));
    EXPECT_EQ(bar->badgeLabel(0)->text(), QString(QChar(0x2022)));

    bar->SetItemAttention("NUEVO", false);
    EXPECT_EQ(dotPixel(*bar, 0), back);
}

TEST_F(TabBarPainting, AttentionWithACountShowsTheCountOnTheAttentionColour)
{
    bar->SetItemAttention("BORRAR", true);
    bar->SetItemBadge("BORRAR", 5);
    const QLabel* badge = bar->badgeLabel(1);
    EXPECT_TRUE(badge->isVisibleTo(bar.get()));
    EXPECT_EQ(badge->text(), "5");
    EXPECT_EQ(labelBackColor(badge), QColor(220, 64, 64));
    EXPECT_EQ(captionColor(badge), QColor(Qt::white));
    EXPECT_EQ(bar->badgeRect(1), QRectF(1080 + 840 - 240 - 75, -50 + 75, 240, 225));
    EXPECT_EQ(dotPixel(*bar, 1), bar->itemBox(1)->surface().backColor());

    bar->SetItemAttention("BORRAR", false);
    EXPECT_EQ(labelBackColor(badge), QColor(0, 120, 215));
}

TEST_F(TabBarPainting, AnyCheckableItemGetsTheCheckMarkAndNeverLooksActive)
{
    const commandbar::DrawingSurface& s = bar->itemBox(6)->surface();
    auto outlinePixels = [&] { return countInCorner(s, QColor(238, 238, 238)); };
    EXPECT_EQ(outlinePixels(), 0);
    bar->SetItemCheckable("GRABAR", true);
    EXPECT_GT(outlinePixels(), 0);

    bar->HandleItemClick(6);
    EXPECT_EQ(bar->ActiveIndex(), 6);
    EXPECT_EQ(captionColor(bar->captionLabel(6)), QColor(255, 255, 255));
    bar->HandleItemClick(0);
    EXPECT_EQ(captionColor(bar->captionLabel(0)), QColor(250, 250, 250));
}

TEST_F(TabBarPainting, PrinterItemRaisesCheckClickBeforeTheActiveItemMoves)
{
    QList<int> activeDuringCheck;
    QObject::connect(bar.get(), &commandbar::UtilKor::CheckClick, [&](bool, const QString&) {
        activeDuringCheck << bar->ActiveIndex();
    });
    bar->SetItemVisible("IMPRESORA", true);
    bar->HandleItemClick(16);
    bar->HandleItemClick(16);
    EXPECT_EQ(checks, QStringList({"True Impresora", "False Impresora"}));
    EXPECT_EQ(clicks, QStringList({"Impresora", "Impresora"}));
    EXPECT_EQ(activeDuringCheck, QList<int>({-1, 16}));
}

TEST_F(TabBarPainting, OwnCheckItemsToggleTheirOwnState)
{
    bar->AddItem("FILTRO", "Filtro", "", true);
    bar->HandleItemClick(19);
    EXPECT_TRUE(bar->ItemChecked("FILTRO"));
    EXPECT_EQ(checks, QStringList({"True Filtro"}));
    bar->HandleItemClick(17);      // hidden COMPARTIR
    bar->setEnabled(false);
    bar->HandleItemClick(19);
    EXPECT_EQ(clicks, QStringList({"Filtro"}));
}

TEST_F(TabBarPainting, HoverStaysWithinItemsInUse)
{
    bar->SetHoverItem(3);
    EXPECT_EQ(bar->HoverIndex(), 3);
    bar->SetHoverItem(19);
    EXPECT_EQ(bar->HoverIndex(), -1);
    bar->AddItem("EXTRA", "Extra");
    bar->SetHoverItem(19);
    EXPECT_EQ(bar->HoverIndex(), 19);
}

TEST_F(TabBarPainting, ItemsBeyondTheDesignSlotsGetTheirIconsAndDots)
{
    env.writeFile("img_menu/EXTRA.png", cbartest::png(20, 20, Qt::blue));
    for (int k = 19; k < 40; ++k)
        bar->AddItem(k == 39 ? QStringLiteral("EXTRA") : QStringLiteral("K%1").arg(k), "x");
    ASSERT_EQ(bar->items().at(39).Key, "EXTRA");
    EXPECT_TRUE(bar->items().at(39).HasCustomIcon);
    EXPECT_EQ(bar->shownIconFile(39), env.path("img_menu") + "/EXTRA.png");
    const commandbar::DrawingSurface& icon = bar->iconBox(39)->surface();
    EXPECT_EQ(icon.pixel(icon.size().width() / 2, icon.size().height() / 2), QColor(Qt::blue));

    // With an icon file the dot goes on the icon surface.
    bar->SetItemAttention("EXTRA", true, ColorStyle::rgb(0, 128, 0));
    EXPECT_EQ(icon.pixel(49, 6), QColor(0, 128, 0));
    EXPECT_EQ(bar->itemBox(39)->surface().pixel(49, 6), bar->itemBox(39)->surface().backColor());
}

TEST_F(TabBarPainting, RebuildingTheControlsKeepsGrownItemsInView)
{
    for (int k = 19; k < 30; ++k)
        bar->AddItem(QStringLiteral("K%1").arg(k), "x");
    const int bound = bar->loadedControlsBound();
    bar->ActualizarBotones();
    EXPECT_EQ(bar->loadedControlsBound(), bound);
    EXPECT_TRUE(bar->itemBox(29)->isVisibleTo(bar.get()));
    // Seven standard items are in view before K19 .. K29.
    EXPECT_EQ(bar->itemRect(29).left(), 120 + (7 + 10) * 960);
}
