#include "BarFixture.h"

#include "commandbar/tools/MenuIconArtist.h"

using cbartest::BarFixture;
using commandbar::MenuIconArtist;

namespace {

int opaquePixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
    return n;
}

} // namespace

TEST(MenuIconArtist, EveryKeyAndStateHasItsOwnPicture)
{
    QList<QImage> seen;
    for (const QString& key : MenuIconArtist::keys()) {
        for (const QString& state : MenuIconArtist::states()) {
            const QImage image = MenuIconArtist::draw(key, state);
            ASSERT_EQ(image.size(), QSize(48, 48)) << key.toStdString();
            EXPECT_GT(opaquePixels(image), 100) << key.toStdString();
            EXPECT_FALSE(seen.contains(image)) << key.toStdString() << " " << state.toStdString();
            seen << image;
        }
    }
    EXPECT_TRUE(MenuIconArtist::draw("NUEVO", "").isNull());
    EXPECT_EQ(MenuIconArtist::fileName("CERRAR", "dis"), "CERRAR_dis.png");
    EXPECT_EQ(MenuIconArtist::fileName("CERRAR", ""), "CERRAR.png");
}

using DrawnIcons = BarFixture;

TEST_F(DrawnIcons, BarPicksUpTheDrawnIconsInEveryState)
{
    ASSERT_EQ(MenuIconArtist::writeAll(env.path("img_menu")), 15);
    bar->RefreshIcons();
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(bar->items().at(i).HasCustomIcon) << i;
    bar->SetItemEnabled("IMPRESORA", false);
    EXPECT_EQ(bar->shownIconFile(1), env.path("img_menu") + "/IMPRESORA_dis.png");
}
