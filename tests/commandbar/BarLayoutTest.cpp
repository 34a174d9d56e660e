#include "commandbar/BarLayout.h"

#include <gtest/gtest.h>

using commandbar::BarLayout;
using commandbar::BarLayoutInput;

namespace {

BarLayoutInput bar(double width, double height, int items)
{
    BarLayoutInput in;
    in.scaleWidth = width;
    in.scaleHeight = height;
    in.itemWidth = 840;
    in.itemHeight = 720;
    for (int i = 0; i < 19; ++i)
        in.entries.push_back({i < items, QStringLiteral("K%1").arg(i)});
    return in;
}

} // namespace

TEST(BarLayout, AutomaticOrientationFollowsTheLongerSideSquareIsHorizontal)
{
    EXPECT_TRUE(BarLayout::isHorizontal(bar(3000, 3000, 1)));
    EXPECT_FALSE(BarLayout::isHorizontal(bar(900, 3000, 1)));
    BarLayoutInput fixed = bar(3000, 900, 1);
    fixed.autoOrientation = false;
    fixed.horizontal = false;
    EXPECT_FALSE(BarLayout::isHorizontal(fixed));
}

TEST(BarLayout, HorizontalItemsStepByWidthPlus120FromX120AndTopOffsetMinus60)
{
    const auto out = BarLayout::compute(bar(9000, 900, 3));
    ASSERT_TRUE(out.horizontal);
    EXPECT_EQ(out.items[0], QRectF(120, -50, 840, 720));
    EXPECT_EQ(out.items[1], QRectF(1080, -50, 840, 720));
    EXPECT_EQ(out.items[2], QRectF(2040, -50, 840, 720));
    EXPECT_TRUE(out.items[3].isEmpty());
}

TEST(BarLayout, HiddenItemTakesNoRoom)
{
    BarLayoutInput in = bar(9000, 900, 3);
    in.entries[1].shown = false;
    const auto out = BarLayout::compute(in);
    EXPECT_TRUE(out.items[1].isEmpty());
    EXPECT_EQ(out.items[2].left(), 1080);
}

TEST(BarLayout, VerticalItemsAre420ApartWhileTheyFitAndTheGapShrinksToZero)
{
    // Room for all: 3 x (720 + 400) + 2 x 20 + 90 + 60 = 3550.
    auto roomy = BarLayout::compute(bar(900, 6000, 3));
    ASSERT_FALSE(roomy.horizontal);
    EXPECT_EQ(roomy.items[0], QRectF(120, 90, 840, 720));
    EXPECT_EQ(roomy.items[1].top(), 90 + 720 + 420);
    EXPECT_EQ(roomy.items[2].top(), 90 + 2 * (720 + 420));

    // 10 twips short of the full gaps: each of the two gaps gives 5.
    auto tight = BarLayout::compute(bar(900, 3540, 3));
    EXPECT_DOUBLE_EQ(tight.items[1].top() - tight.items[0].top(), 720 + 400 + 15);

    auto crowded = BarLayout::compute(bar(900, 1500, 3));
    EXPECT_EQ(crowded.items[1].top() - crowded.items[0].top(), 720 + 400);
    EXPECT_GT(crowded.items[2].bottom(), 1500);     // runs past the bottom, no wrapping
}

TEST(BarLayout, SeparatorBandStartsAt975DownOr1020Right)
{
    const auto low = BarLayout::compute(bar(5000, 990, 1));
    EXPECT_EQ(low.separator, QRectF(0, 975, 5000, 15));
    EXPECT_TRUE(BarLayout::compute(bar(5000, 975, 1)).separator.isEmpty());
    const auto side = BarLayout::compute(bar(1500, 5000, 1));
    EXPECT_EQ(side.separator, QRectF(1020, 0, 480, 5000));
    EXPECT_TRUE(BarLayout::compute(bar(1020, 5000, 1)).separator.isEmpty());
}

TEST(BarLayout, GroupGapOpensAfterTheBreakItemWhateverItsCase)
{
    BarLayoutInput in = bar(9000, 900, 3);
    in.entries[1].key = QStringLiteral("CERRAR");
    in.groupBreakKey = QStringLiteral("cerrar");
    in.groupGap = 300;
    auto out = BarLayout::compute(in);
    EXPECT_EQ(out.items[1].left(), 1080);
    EXPECT_EQ(out.items[2].left(), 2040 + 300);

    in.groupGap = 0;
    EXPECT_EQ(BarLayout::compute(in).items[2].left(), 2040);
}

TEST(BarLayout, ItemControlsAroundTheBox)
{
    const QRectF r(120, -50, 840, 720);
    EXPECT_EQ(BarLayout::captionHeight(200), 400);
    EXPECT_EQ(BarLayout::captionHeight(500), 545);
    EXPECT_EQ(BarLayout::captionRect(r, 400), QRectF(120, 658, 840, 400));
    EXPECT_EQ(BarLayout::accentBarRect(r, 1058), QRectF(40, -50, 60, 1108));
    EXPECT_EQ(BarLayout::badgeRect(r), QRectF(645, 25, 240, 225));
    EXPECT_EQ(BarLayout::checkBoxLeft(840), 596);
    EXPECT_EQ(BarLayout::checkBoxLeft(100), 0);
}

TEST(BarLayout, MissingItemSizeTakesTheDefaults)
{
    BarLayoutInput in = bar(9000, 900, 2);
    in.itemWidth = 0;
    in.itemHeight = -1;
    const auto out = BarLayout::compute(in);
    EXPECT_EQ(out.items[0].size(), QSizeF(540, 480));
    EXPECT_EQ(out.items[1].left(), 120 + 540 + 120);
}
