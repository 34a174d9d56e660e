#include "BarFixture.h"
#include "PaintProbe.h"

#include "commandbar/IconLocator.h"
#include "commandbar/IconPainter.h"
#include "commandbar/ItemSurface.h"

#include <QBuffer>
#include <QDir>
#include <QImage>

using cbartest::BarFixture;
using commandbar::IconLocator;
using commandbar::IconPainter;

using cbartest::png;

class BarIcons : public BarFixture {
protected:
    QString folder(const QString& sub = "img_menu") { return env.path(sub) + "/"; }
    void icon(const QString& name, const QString& sub = "img_menu") { env.writeFile(sub + "/" + name, png(64, 64)); }
};

TEST_F(BarIcons, FilesPerStateAreFoundByUpperCaseKey)
{
    icon("PANTALLA.png");
    icon("PANTALLA_over.png");
    bar->AddItem("Pantalla", "Pantalla", "");
    const auto& item = bar->items().at(0);
    EXPECT_EQ(item.IconFile, folder() + "PANTALLA.png");
    EXPECT_EQ(item.IconOverFile, folder() + "PANTALLA_over.png");
    EXPECT_TRUE(item.IconDisFile.isEmpty());
    EXPECT_TRUE(item.HasCustomIcon);
    EXPECT_TRUE(bar->iconBox(0)->isVisibleTo(bar.get()));
}

TEST_F(BarIcons, ShownFileFollowsHoverActiveAndDisabled)
{
    icon("CONSULTAR.png");
    icon("CONSULTAR_over.png");
    bar->RefreshIcons();
    EXPECT_EQ(bar->shownIconFile(2), folder() + "CONSULTAR.png");
    bar->SetHoverItem(2);
    EXPECT_EQ(bar->shownIconFile(2), folder() + "CONSULTAR_over.png");
    bar->SetHoverItem(-1);
    EXPECT_EQ(bar->shownIconFile(2), folder() + "CONSULTAR.png");
    bar->SetActive("CONSULTAR");                    // active shows the hover picture
    EXPECT_EQ(bar->shownIconFile(2), folder() + "CONSULTAR_over.png");
    bar->setConsultaEnabled(false);                 // no disabled picture: the normal one
    EXPECT_EQ(bar->shownIconFile(2), folder() + "CONSULTAR.png");
}

TEST_F(BarIcons, DisabledPictureWinsEvenForTheActiveItem)
{
    for (const char* name : {"CERRAR.png", "CERRAR_over.png", "CERRAR_dis.png"})
        icon(name);
    bar->RefreshIcons();
    bar->SetActive("CERRAR");
    bar->setEnabled(false);
    EXPECT_EQ(bar->shownIconFile(4), folder() + "CERRAR_dis.png");
}

TEST_F(BarIcons, MissingIconFallsBackToTheBoxAndCaption)
{
    icon("PANTALLA.png");
    bar->RefreshIcons();
    ASSERT_TRUE(bar->items().at(0).HasCustomIcon);
    QFile::remove(folder() + "PANTALLA.png");
    bar->RefreshIcons();
    EXPECT_FALSE(bar->items().at(0).HasCustomIcon);
    EXPECT_TRUE(bar->shownIconFile(0).isEmpty());
    EXPECT_FALSE(bar->iconBox(0)->isVisibleTo(bar.get()));
}

TEST_F(BarIcons, IconIsDrawnShrunkAndCentred)
{
    icon("PANTALLA.png");
    bar->RefreshIcons();
    const auto& s = bar->iconBox(0)->surface();
    // 64 x 64 shrunk to 42 x 42 in a 56 x 48 box: from (7, 3) to (48, 44).
    EXPECT_EQ(s.pixel(7, 3), QColor(Qt::red));
    EXPECT_EQ(s.pixel(48, 44), QColor(Qt::red));
    EXPECT_NE(s.pixel(6, 3), QColor(Qt::red));
    EXPECT_NE(s.pixel(49, 45), QColor(Qt::red));
}

TEST(IconFit, ShrinkKeepsAspectAndSmallImagesKeepTheirSize)
{
    EXPECT_EQ(IconPainter::fitRect(QSize(100, 50), QSize(56, 48), QSize(42, 42)), QRect(7, 13, 42, 21));
    EXPECT_EQ(IconPainter::fitRect(QSize(50, 100), QSize(56, 48), QSize(42, 42)), QRect(17, 3, 21, 42));
    EXPECT_EQ(IconPainter::fitRect(QSize(20, 20), QSize(56, 48), QSize(42, 42)), QRect(18, 14, 20, 20));
    EXPECT_EQ(IconPainter::fitRect(QSize(200, 200), QSize(56, 48), QSize(0, 0)), QRect(4, 0, 48, 48));
    EXPECT_TRUE(IconPainter::fitRect(QSize(0, 20), QSize(56, 48), QSize(42, 42)).isEmpty());
}

TEST(IconFit, OnlyPngNamesLoadAsPng)
{
    EXPECT_TRUE(IconPainter::isPngName(" A.PNG "));
    EXPECT_FALSE(IconPainter::isPngName("a.bmp"));
    EXPECT_TRUE(IconPainter::LoadPngPicture("/nonexistent/a.bmp").isNull());
}

class IconFolders : public BarIcons {};

TEST_F(IconFolders, ImageFolderWinsWhenItExists)
{
    QDir().mkpath(env.path("mine"));
    QDir().mkpath(env.path("img_menu"));
    EXPECT_EQ(IconLocator::ResolveIconFolder(env.path("mine"), {}), env.path("mine") + "/");
}

TEST_F(IconFolders, MissingImageFolderFallsBackToImgMenuBesideTheProgram)
{
    QDir().mkpath(env.path("images/img_menu"));
    EXPECT_EQ(IconLocator::ResolveIconFolder(env.path("nope"), {}), folder("images/img_menu"));
    QDir().mkpath(env.path("imagenes/img_menu"));
    EXPECT_EQ(IconLocator::ResolveIconFolder(env.path("nope"), {}), folder("imagenes/img_menu"));
}

TEST_F(IconFolders, WithoutAnyImgMenuTheHostsOwnFolderIsUsed)
{
    EXPECT_EQ(IconLocator::ResolveIconFolder({}, env.folder.path()), env.folder.path() + "/");
    icon("CERRAR.png", ".");
    bar->RefreshIcons();
    EXPECT_EQ(bar->items().at(4).IconFile, env.folder.path() + "/CERRAR.png");
}

TEST_F(IconFolders, LoadIconsFromFolderSetsTheImageFolder)
{
    icon("IMPRESORA.png", "other");
    bar->LoadIconsFromFolder(env.path("other"));
    EXPECT_EQ(bar->ImageFolder(), env.path("other") + "/");
    EXPECT_EQ(bar->items().at(1).IconFile, folder("other") + "IMPRESORA.png");
}

TEST(IconNames, TrailingSeparatorAcceptsBothSlashes)
{
    EXPECT_EQ(IconLocator::WithTrailingBackslash("  "), "");
    EXPECT_EQ(IconLocator::WithTrailingBackslash(" /a/b "), "/a/b/");
    EXPECT_EQ(IconLocator::WithTrailingBackslash("C:\\a\\"), "C:\\a\\");
}
