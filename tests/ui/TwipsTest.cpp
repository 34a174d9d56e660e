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

namespace {

// A window whose layout asks for a given size.
class ContentWindow : public QWidget {
public:
    explicit ContentWindow(const QSize& content) : m_content(content) {}
    QSize sizeHint() const override { return m_content; }

private:
    QSize m_content;
};

} // namespace

// Placed while it loads, the window's outer size is its client size (it has no frame yet), or a
// size saved smaller by an earlier run: once shown with its frame, it still shows all its content.
TEST(Twips, AWindowPlacedSmallerThanItsContentOpensWithItWhole)
{
    for (const QSize& placed : {QSize(400, 300), QSize(330, 240)}) {
        ContentWindow window(QSize(400, 300));
        Twips::placeWindow(&window, 1500, 300, Twips::fromPixels(placed.width()), Twips::fromPixels(placed.height()));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_NE(window.frameGeometry().size(), window.size()) << "the platform gives windows no frame";
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.size() == QSize(400, 300); }))
            << placed.width() << "x" << placed.height() << " placed, " << window.width() << "x" << window.height()
            << " shown";
        EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(100, 20));
    }
}

// What a window manager leaves: the screen's available area less the window's title bar and
// borders. On a 1280x1024 and a 1024x768 screen the window holds its content without scrolling,
// moved up when its saved place would take its foot off the screen; on a smaller screen it takes
// the whole area and its content scrolls; a window saved larger stays as large.
TEST(Twips, TheOpeningBoxHoldsTheContentWithinTheAvailableArea)
{
    const QSize frame(2, 25);
    const QSize content(942, 639);
    const QRect fitted(QPoint(170, 192), content);   // the client size, taken before the frame was known
    EXPECT_EQ(Twips::openingBox(fitted, frame, content, QRect(0, 0, 1280, 1024)), QRect(170, 192, 944, 664));
    EXPECT_EQ(Twips::openingBox(fitted, frame, content, QRect(0, 0, 1024, 768)), QRect(80, 104, 944, 664));
    // A panel along the top of the screen.
    EXPECT_EQ(Twips::openingBox(QRect(0, 0, 300, 200), frame, content, QRect(0, 30, 1024, 738)),
              QRect(0, 30, 944, 664));
    EXPECT_EQ(Twips::openingBox(QRect(170, 192, 600, 400), frame, content, QRect(0, 0, 800, 600)),
              QRect(0, 0, 800, 600));
    EXPECT_EQ(Twips::openingBox(QRect(10, 20, 1100, 700), frame, content, QRect(0, 0, 1280, 1024)),
              QRect(10, 20, 1100, 700));
    // A window with no layout asks for nothing.
    EXPECT_EQ(Twips::openingBox(QRect(10, 20, 300, 200), frame, QSize(), QRect(0, 0, 1280, 1024)),
              QRect(10, 20, 300, 200));
}
