#include "BarFixture.h"
#include "PaintProbe.h"

#include "commandbar/ColorStyle.h"
#include "commandbar/ItemSurface.h"

#include <QLabel>

using cbartest::BarFixture;
using commandbar::ColorStyle;

using BarPainting = BarFixture;

using cbartest::captionColor;
using cbartest::countInCorner;

TEST_F(BarPainting, HorizontalBoxesAndCaptionsInTwips)
{
    EXPECT_EQ(bar->itemRect(0), QRectF(120, -50, 840, 720));
    EXPECT_EQ(bar->itemRect(2), QRectF(2040, -50, 840, 720));
    EXPECT_EQ(bar->captionRect(0).top(), 658);
    EXPECT_GE(bar->captionRect(0).height(), 400);
    EXPECT_EQ(bar->badgeRect(0), QRectF(645, 25, 240, 225));
    // The widget follows at 15 twips a pixel.
    EXPECT_EQ(bar->itemBox(2)->geometry(), QRect(136, -3, 56, 48));
}

TEST_F(BarPainting, VerticalBarStacksItemsDown)
{
    makeBar(1500, 9000);
    EXPECT_EQ(bar->itemRect(0), QRectF(120, 90, 840, 720));
    EXPECT_EQ(bar->itemRect(1).top(), 90 + 720 + 420);
    EXPECT_EQ(bar->lastLayout().separator, QRectF(1020, 0, 480, 9000));
}

TEST_F(BarPainting, ResizingLaysTheBarOutAgain)
{
    bar->show();
    bar->resize(100, 600);
    EXPECT_FALSE(bar->lastLayout().horizontal);
    EXPECT_EQ(bar->itemRect(1).left(), 120);
}

TEST_F(BarPainting, SeparatorBandIsPaintedOnTheBarSurface)
{
    makeBar(3000, 990);
    const QColor band = ColorStyle::toQColor(ColorStyle::SeparatorColor(bar->NormalBackColor()));
    const QColor normal = ColorStyle::toQColor(bar->NormalBackColor());
    EXPECT_EQ(bar->barSurface().pixel(190, 65), band);
    EXPECT_EQ(bar->barSurface().pixel(190, 63), normal);
}

TEST_F(BarPainting, CaptionsAreFittedWithDotsAndNeverBreak)
{
    bar->AddItem("PANTALLA", "Enviar el informe a la pantalla", "");
    const QString shown = bar->shownCaption(0);
    EXPECT_TRUE(shown.endsWith("...")) << shown.toStdString();
    EXPECT_TRUE(QString("Enviar el informe a la pantalla").replace(' ', QChar(0xA0)).startsWith(shown.chopped(3)));
    EXPECT_LT(shown.size(), 31);

    bar->AddItem("PANTALLA", "  Ver\r\nya ", "");
    EXPECT_EQ(bar->shownCaption(0), QString("Ver").append(QChar(0xA0)).append(QChar(0xA0)).append("ya"));
}

TEST_F(BarPainting, ACaptionWiderThanItsItemIsDrawnCondensedBeforeItIsCut)
{
    bar->AddItem("PANTALLA", "Ver", "");
    bar->AddItem("IMPRESORA", "Impresora de la oficina central", "");
    EXPECT_EQ(bar->captionLabel(0)->font().stretch(), QFont::Unstretched);
    EXPECT_EQ(bar->captionLabel(1)->font().stretch(), QFont::Condensed);
    bar->AddItem("IMPRESORA", "Imp", "");
    EXPECT_EQ(bar->captionLabel(1)->font().stretch(), QFont::Unstretched);
    EXPECT_EQ(bar->shownCaption(1), "Imp");
}

TEST_F(BarPainting, ItemsWidenToTheirWidestCaptionNeverNarrower)
{
    bar->ClearItems();
    bar->AddItem("PANTALLA", "Ver", "");
    bar->AddItem("IMPRESORA", "Ok", "");
    bar->fitItemsToCaptions();
    EXPECT_EQ(bar->itemRect(1), QRectF(1080, -50, 840, 720));   // short captions keep the design's box

    const QString wide = "Impresora de la oficina central";
    bar->AddItem("IMPRESORA", wide, "");
    bar->fitItemsToCaptions();
    const double width = bar->itemRect(0).width();
    EXPECT_GT(width, 840);
    for (int i = 0; i < bar->ItemCount(); ++i) {
        EXPECT_EQ(bar->itemRect(i).width(), width) << i;
        EXPECT_EQ(bar->captionLabel(i)->font().stretch(), QFont::Unstretched) << i;
    }
    EXPECT_EQ(bar->itemRect(1).left(), 120 + width + 120);
    EXPECT_EQ(bar->shownCaption(1), QString(wide).replace(' ', QChar(0xA0)));
}

TEST_F(BarPainting, CaptionsFollowShowCaptions)
{
    bar->setShowCaptions(false);
    EXPECT_FALSE(bar->captionLabel(0)->isVisibleTo(bar.get()));
    bar->setShowCaptions(true);
    EXPECT_TRUE(bar->captionLabel(0)->isVisibleTo(bar.get()));
}

TEST_F(BarPainting, DisabledBarGreysEveryItem)
{
    bar->setEnabled(false);
    const QColor dim = ColorStyle::toQColor(ColorStyle::ShiftColor(bar->NormalBackColor(), -6));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(captionColor(bar->captionLabel(i)), QColor(138, 138, 138));
        EXPECT_EQ(bar->itemBox(i)->surface().backColor(), dim);
    }
}

TEST_F(BarPainting, ActiveItemIsDarkerOnlyInStyle5)
{
    bar->SetActive("CONSULTAR");
    EXPECT_EQ(bar->itemBox(2)->surface().backColor(), ColorStyle::toQColor(bar->NormalBackColor()));
    EXPECT_EQ(captionColor(bar->captionLabel(2)), QColor(250, 250, 250));
    EXPECT_EQ(captionColor(bar->captionLabel(0)), QColor(255, 255, 255));

    bar->setEstilo(5);
    EXPECT_EQ(bar->itemBox(2)->surface().backColor(), QColor(102, 102, 102));
    EXPECT_EQ(bar->itemBox(0)->surface().backColor(), QColor(122, 122, 122));
}

TEST_F(BarPainting, CheckMarkFollowsCheckableAndChecked)
{
    const QColor back = bar->itemBox(1)->surface().backColor();
    const long backRgb = ColorStyle::fromQColor(back);
    const commandbar::DrawingSurface& s = bar->itemBox(1)->surface();
    EXPECT_EQ(countInCorner(s, QColor(238, 238, 238)), 0);

    bar->setImpresoraCheckable(true);
    EXPECT_GT(countInCorner(s, QColor(238, 238, 238)), 0);
    EXPECT_GT(countInCorner(s, ColorStyle::toQColor(ColorStyle::ShiftColor(backRgb, 34))), 0);
    EXPECT_EQ(countInCorner(s, Qt::white), 0);

    bar->setImpresoraChecked(true);
    EXPECT_GT(countInCorner(s, Qt::white), 0);

    bar->setImpresoraCheckable(false);
    EXPECT_FALSE(bar->ImpresoraChecked());
    EXPECT_EQ(countInCorner(s, Qt::white), 0);
    EXPECT_EQ(countInCorner(s, QColor(238, 238, 238)), 0);
    // Other keys never get a mark.
    EXPECT_EQ(countInCorner(bar->itemBox(0)->surface(), QColor(238, 238, 238)), 0);
}

TEST_F(BarPainting, CheckItemNeverShowsAsActive)
{
    bar->setEstilo(5);
    bar->setCompartirCheckable(true);
    bar->SetActive("COMPARTIR");
    EXPECT_EQ(bar->ActiveIndex(), 3);
    EXPECT_EQ(bar->itemBox(3)->surface().backColor(), QColor(122, 122, 122));
}

TEST(ColorStyles, PresetsClampAndShift)
{
    EXPECT_EQ(ColorStyle::ClampStyle(0), 2);
    EXPECT_EQ(ColorStyle::ClampStyle(6), 2);
    EXPECT_EQ(ColorStyle::preset(0).normalBack, ColorStyle::rgb(42, 42, 42));
    EXPECT_EQ(ColorStyle::preset(6).activeBack, ColorStyle::rgb(59, 59, 59));
    EXPECT_EQ(ColorStyle::preset(1).activeBar, ColorStyle::rgb(170, 205, 245));
    EXPECT_EQ(ColorStyle::preset(4).normalBack, ColorStyle::rgb(135, 133, 150));
    EXPECT_EQ(ColorStyle::ShiftColor(ColorStyle::rgb(250, 10, 128), 20), ColorStyle::rgb(255, 30, 148));
    EXPECT_EQ(ColorStyle::ShiftColor(ColorStyle::rgb(250, 10, 128), -20), ColorStyle::rgb(230, 0, 108));
    EXPECT_EQ(ColorStyle::toQColor(ColorStyle::rgb(1, 2, 3)), QColor(1, 2, 3));
}

TEST_F(BarPainting, ApplyColorStyleRepaintsWithTheNewColours)
{
    bar->ApplyColorStyle(6);
    EXPECT_EQ(bar->Estilo(), 2);
    EXPECT_EQ(bar->itemBox(0)->surface().backColor(), QColor(42, 42, 42));
    EXPECT_EQ(bar->barSurface().pixel(0, 0), QColor(42, 42, 42));
}

TEST_F(BarPainting, DarkStyleIsVerticalWithFixedIconSize)
{
    bar->setHorizontal(true);
    bar->AplicarEstiloTervo(false, 16);
    EXPECT_TRUE(bar->EstiloTervo());
    EXPECT_FALSE(bar->Horizontal());
    EXPECT_FALSE(bar->ShowCaptions());
    EXPECT_EQ(bar->IconPx(), 42);
    EXPECT_EQ(bar->ItemHeight(), 600);
    EXPECT_EQ(bar->ItemGap(), 0);
    EXPECT_EQ(bar->NormalBackColor(), ColorStyle::rgb(52, 52, 52));
    EXPECT_EQ(bar->ActiveBackColor(), ColorStyle::rgb(74, 74, 74));
}
