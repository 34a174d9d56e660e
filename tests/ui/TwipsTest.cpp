#include "ui/Twips.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using ui::Twips;

TEST(Twips, PixelsToTwipsIsExactAndComesBack)
{
    EXPECT_EQ(Twips::fromPixels(42), 630);
    EXPECT_EQ(Twips::fromPixels(-3), -45);
    for (int px : {0, 1, 7, 96, 1024, -20})
        EXPECT_EQ(Twips::toPixels(Twips::fromPixels(px)), px);
}

TEST(Twips, TwipsToPixelsRoundsHalvesToEven)
{
    EXPECT_EQ(Twips::toPixels(225), 15);
    EXPECT_EQ(Twips::toPixels(7), 0);
    EXPECT_EQ(Twips::toPixels(8), 1);
    EXPECT_EQ(Twips::toPixels(7.5), 0);   // 0.5 px
    EXPECT_EQ(Twips::toPixels(22.5), 2);  // 1.5 px
    EXPECT_EQ(Twips::toPixels(37.5), 2);  // 2.5 px
    EXPECT_EQ(Twips::toPixels(-22.5), -2);
    EXPECT_EQ(Twips::toPixels(1695), 113);
}

TEST(Twips, RectanglesConvertEachSideOnItsOwn)
{
    const QRect px = Twips::toPixels(QRect(323, 2760, 1695, 375));
    EXPECT_EQ(px, QRect(22, 184, 113, 25));
    EXPECT_EQ(Twips::fromPixels(px), QRect(330, 2760, 1695, 375));
    const QRect round(10, 20, 300, 40);
    EXPECT_EQ(Twips::toPixels(Twips::fromPixels(round)), round);
}

TEST(Twips, PlacesWidgetsAndReadsTheirGeometryBack)
{
    QWidget parent;
    parent.resize(800, 600);
    auto* child = new QWidget(&parent);
    Twips::place(child, 1680, 0, 1455, 375);
    EXPECT_EQ(child->geometry(), QRect(112, 0, 97, 25));
    EXPECT_EQ(Twips::geometry(child), QRect(1680, 0, 1455, 375));
}

TEST(Twips, WindowsArePlacedByTheirOuterFrame)
{
    QWidget window;
    Twips::placeWindow(&window, 1500, 300, 7245, 5115);
    const QRect placed = Twips::windowGeometry(&window);
    EXPECT_EQ(placed.topLeft(), QPoint(1500, 300));
    // 7245 twips is 483 pixels exactly; 5115 is 341.
    EXPECT_EQ(placed.size(), QSize(7245, 5115));
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    EXPECT_EQ(window.size(), QSize(483, 341) - frame);
}

// A window is placed while it loads, before it has a frame: once shown it has the outer size it
// was given, so that the size saved at close is the size restored at the next start.
TEST(Twips, AWindowPlacedBeforeItIsShownHasThatOuterSizeOnceShown)
{
    QWidget window;
    Twips::placeWindow(&window, 1500, 300, 7245, 5115);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_NE(window.frameGeometry().size(), window.size()) << "the platform gives windows no frame";
    EXPECT_TRUE(QTest::qWaitFor([&] { return Twips::windowGeometry(&window).size() == QSize(7245, 5115); }))
        << window.frameGeometry().width() << "x" << window.frameGeometry().height();
    EXPECT_EQ(Twips::windowGeometry(&window).topLeft(), QPoint(1500, 300));

    // Placed again while shown, it takes the new outer size at once.
    Twips::placeWindow(&window, 1500, 300, 9000, 6000);
    EXPECT_EQ(Twips::windowGeometry(&window).size(), QSize(9000, 6000));
}
