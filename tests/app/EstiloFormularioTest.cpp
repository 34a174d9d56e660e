#include "TestWindow.h"
#include "WindowStateFixture.h"

#include "app/EstiloFormulario.h"
#include "commandbar/TBarRep.h"
#include "commandbar/UtilKor.h"
#include "data/frmAcceso.h"
#include "ui/SkinFramework.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>

using namespace apptest;

namespace {

class EstiloTest : public WindowStateFixture {
protected:
    EstiloTest()
    {
        app::gEstilo = -1;
        w.tabBar->ApplyColorStyle(3);
        w.commandBar->ApplyColorStyle(3);
    }

    // Settings of user "ana" on database DEMO.
    void writeIni(const QString& font, const QString& size, const QString& styles)
    {
        QString text;
        if (!font.isNull())
            text += QStringLiteral("[ANA_DEMOFont]\r\nFont=%1\r\n").arg(font);
        if (!size.isNull())
            text += QStringLiteral("[ANA_DEMOFontSize]\r\nFontSize=%1\r\n").arg(size);
        if (!styles.isNull())
            text += QStringLiteral("[ANA_DEMOStyles]\r\nStyles=%1\r\n").arg(styles);
        writeProgramFile(QStringLiteral("vu000va.ini"), text);
    }

    // The controls of the kinds that take the user's font.
    QList<QWidget*> fontKinds() const
    {
        return {w.etiqueta, w.descripcion, w.activo, w.tipo[0], w.moneda, w.plantilla,
                w.sucursales, w.columnas, w.solapas, w.aceptar};
    }

    void expectUserFont(const QString& family, double size)
    {
        for (QWidget* control : fontKinds()) {
            EXPECT_EQ(control->font().family(), family) << control->objectName().toStdString();
            EXPECT_EQ(control->font().pointSizeF(), size) << control->objectName().toStdString();
        }
    }

    QString windowStyle() const { return w.style()->name(); }

    TestWindow w;
};

TEST(EstiloTables, SkinFilesAndTabBarThemesBySkinNumber)
{
    const struct {
        int estilo;
        const char* file;
        const char* ini;
        int theme;
    } cases[] = {
        {0, "Styles/Office2007.cjstyles", "", 1},   {1, "Styles/Vista.cjstyles", "", 2},
        {2, "Styles/WinXP.Luna.cjstyles", "", 3},   {3, "Styles/WinXP.Royale.cjstyles", "", 4},
        {4, "Styles/iTunes", "Normalitunes.ini", 5}, {5, "Styles/Office2007.cjstyles", "", 2},
        {-1, "Styles/Office2007.cjstyles", "", 2},
    };
    for (const auto& c : cases) {
        const app::ArchivoSkin skin = app::ArchivoDeSkin(c.estilo);
        EXPECT_EQ(skin.file, QString::fromLatin1(c.file)) << c.estilo;
        EXPECT_EQ(skin.iniName, QString::fromLatin1(c.ini)) << c.estilo;
        EXPECT_EQ(app::OpcionesEstilo(c.estilo), c.theme) << c.estilo;
        // Every skin file names a look the skin control knows.
        EXPECT_FALSE(ui::SkinFramework::skinNameOf(skin.file, skin.iniName).isEmpty()) << c.estilo;
    }
}

TEST_F(EstiloTest, WithoutSettingsSegoeUi9TheITunesSkinAndTabTheme5)
{
    const QFont frameFont = w.marco->font();
    app::AplicarEstiloFormulario(&w, false);

    EXPECT_EQ(app::gEstilo, 4);
    EXPECT_EQ(w.skin->skinName(), "iTunes");
    EXPECT_EQ(windowStyle().toLower(), "fusion");
    EXPECT_EQ(w.descripcion->style(), w.style());
    EXPECT_EQ(w.palette().color(QPalette::Window), ui::SkinFramework::skinPalette("iTunes").color(QPalette::Window));
    expectUserFont(QStringLiteral("Segoe UI"), 9);
    EXPECT_EQ(w.marco->font(), frameFont);   // a frame is not one of the kinds
    EXPECT_EQ(w.tabBar->Estilo(), 5);
    EXPECT_EQ(w.commandBar->Estilo(), 3);    // the command bar is another kind of control
}

TEST_F(EstiloTest, FontSizeAndSkinComeFromTheSettingsOfUserAndDatabase)
{
    writeIni(QStringLiteral("  DejaVu Serif "), QStringLiteral(" 11"), QStringLiteral("1"));
    app::AplicarEstiloFormulario(&w, false);
    EXPECT_EQ(app::gEstilo, 1);
    EXPECT_EQ(w.skin->skinName(), "Vista");
    EXPECT_EQ(w.palette().color(QPalette::Highlight), ui::SkinFramework::skinPalette("Vista").color(QPalette::Highlight));
    expectUserFont(QStringLiteral("DejaVu Serif"), 11);
    EXPECT_EQ(w.tabBar->Estilo(), 2);

    // Large type and the symbol font keep face and size.
    EXPECT_EQ(w.titulo->font().pointSize(), 14);
    EXPECT_NE(w.titulo->font().family(), "DejaVu Serif");
    EXPECT_EQ(w.simbolo->font().family(), "Marlett");
    EXPECT_EQ(w.simbolo->font().pointSize(), 8);
}

TEST_F(EstiloTest, TheSkinNumberIsTheNearestWholeNumberOfTheSetting)
{
    const struct {
        const char* styles;
        int estilo;
        const char* skin;
        int theme;
    } cases[] = {
        {"0", 0, "Office2007", 1},   {"abc", 0, "Office2007", 1}, {"2.5", 2, "WinXP.Luna", 3},
        {"3.5", 4, "iTunes", 5},     {"3", 3, "WinXP.Royale", 4}, {"7", 7, "Office2007", 2},
    };
    for (const auto& c : cases) {
        TestWindow window;
        writeIni({}, {}, QString::fromLatin1(c.styles));
        app::AplicarEstiloFormulario(&window, false);
        EXPECT_EQ(app::gEstilo, c.estilo) << c.styles;
        EXPECT_EQ(window.skin->skinName(), QString::fromLatin1(c.skin)) << c.styles;
        EXPECT_EQ(window.tabBar->Estilo(), c.theme) << c.styles;
    }

    // Beyond the Integer range the skin number stays as it was.
    writeIni({}, {}, QStringLiteral("99999"));
    app::AplicarEstiloFormulario(&w, false);
    EXPECT_EQ(app::gEstilo, 7);
    EXPECT_EQ(w.skin->skinName(), "Office2007");
    expectUserFont(QStringLiteral("Segoe UI"), 9);
}

TEST_F(EstiloTest, AnotherDatabaseHasItsOwnChoices)
{
    writeProgramFile(QStringLiteral("vu000va.ini"), QStringLiteral("[ANA_DEMOFont]\r\nFont=DejaVu Sans\r\n[ANA_OTRAFont]\r\n"
                                                                   "Font=DejaVu Serif\r\n[ANA_OTRAStyles]\r\nStyles=2\r\n"));
    app::AplicarEstiloFormulario(&w, false);
    expectUserFont(QStringLiteral("DejaVu Sans"), 9);
    EXPECT_EQ(w.skin->skinName(), "iTunes");

    db->configure([&](data::DbSettings& s) { s.gDBName = QStringLiteral("otra"); });
    TestWindow other;
    app::AplicarEstiloFormulario(&other, false);
    EXPECT_EQ(other.descripcion->font().family(), "DejaVu Serif");
    EXPECT_EQ(other.skin->skinName(), "WinXP.Luna");
    EXPECT_EQ(other.style()->name().toLower(), "windows");
}

TEST_F(EstiloTest, TheFlatLookOnlyWhenAskedFor)
{
    app::AplicarEstiloFormulario(&w, false);
    EXPECT_TRUE(w.descripcion->styleSheet().isEmpty());
    EXPECT_FALSE(w.descripcion->property("Appearance").isValid());

    app::AplicarEstiloFormulario(&w, true);
    EXPECT_EQ(w.descripcion->property("BorderStyle"), QVariant(1));
    EXPECT_EQ(w.descripcion->property("Appearance"), QVariant(0));
    EXPECT_TRUE(w.descripcion->styleSheet().contains(QStringLiteral("border: 1px solid")));
    EXPECT_EQ(w.moneda->property("Appearance"), QVariant(0));
    EXPECT_TRUE(w.moneda->styleSheet().contains(QStringLiteral("border: 1px solid")));
    EXPECT_EQ(w.aceptar->property("Style"), QVariant(1));
    EXPECT_EQ(w.aceptar->property("Appearance"), QVariant(0));
    // Other kinds are left as they are.
    EXPECT_TRUE(w.activo->styleSheet().isEmpty());
    EXPECT_TRUE(w.sucursales->styleSheet().isEmpty());

    // A second call does not pile the rules up.
    const QString sheet = w.descripcion->styleSheet();
    app::AplicarEstiloFormulario(&w, true);
    EXPECT_EQ(w.descripcion->styleSheet(), sheet);
}

TEST_F(EstiloTest, TheMdiWindowGetsSkinAndThemeButNeitherFontsNorFlatLook)
{
    TestWindow mdi(QStringLiteral("frmmdi"));
    const QFont before = mdi.descripcion->font();
    app::AplicarEstiloFormulario(&mdi, true);
    EXPECT_EQ(mdi.skin->skinName(), "iTunes");
    EXPECT_EQ(mdi.tabBar->Estilo(), 5);
    EXPECT_EQ(mdi.descripcion->font(), before);
    EXPECT_TRUE(mdi.descripcion->styleSheet().isEmpty());
}

TEST_F(EstiloTest, AWindowWithoutSkinControlKeepsItsLookButTakesFonts)
{
    TestWindow plain(QStringLiteral("FrmPrueba"), true, false);
    const QPalette palette = plain.palette();
    QStyle* const style = plain.style();
    app::AplicarEstiloFormulario(&plain, false);
    EXPECT_EQ(plain.style(), style);
    EXPECT_EQ(plain.palette(), palette);
    EXPECT_EQ(plain.descripcion->font().family(), "Segoe UI");
    EXPECT_EQ(plain.tabBar->Estilo(), 5);
}

TEST_F(EstiloTest, AFontTheMachineLacksKeepsItsNameAndStillDrawsText)
{
    writeIni(QStringLiteral("Fuente Inexistente Xq"), QStringLiteral("10"), {});
    app::AplicarEstiloFormulario(&w, false);
    EXPECT_EQ(w.etiqueta->font().family(), "Fuente Inexistente Xq");
    EXPECT_NE(QFontInfo(w.etiqueta->font()).family(), "Fuente Inexistente Xq");
    EXPECT_EQ(w.etiqueta->font().pointSizeF(), 10);

    w.etiqueta->setStyleSheet(QStringLiteral("background: white; color: black;"));
    w.etiqueta->resize(w.etiqueta->sizeHint());
    const QImage image = w.etiqueta->grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 10) << "the caption is drawn in a substitute face";
}

TEST_F(EstiloTest, TheLoginWindowTakesSkinFontsAndFlatLookAsItLoads)
{
    writeIni(QStringLiteral("DejaVu Serif"), QStringLiteral("10"), QStringLiteral("2"));
    data::frmAcceso::setStyleHook(app::AplicarEstiloFormulario);
    data::frmAcceso login;
    data::frmAcceso::setStyleHook({});
    EXPECT_EQ(login.style()->name().toLower(), "windows");
    EXPECT_EQ(login.palette().color(QPalette::Window),
              ui::SkinFramework::skinPalette("WinXP.Luna").color(QPalette::Window));
    auto* user = login.findChild<QLineEdit*>(QStringLiteral("TxtUserId"));
    ASSERT_NE(user, nullptr);
    EXPECT_EQ(user->font().family(), "DejaVu Serif");
    EXPECT_EQ(user->property("Appearance"), QVariant(0));
    if (const QString folder = qEnvironmentVariable("RPQ_SCREENSHOT_DIR"); !folder.isEmpty())
        login.grab().save(QDir(folder).filePath(QStringLiteral("login_skinned.png")));
}

// The window as the operator sees it, under each skin: the skin's colours on the window and
// the flat boxes. With RPQ_SCREENSHOT_DIR set the pictures are kept there.
TEST_F(EstiloTest, EachSkinPaintsTheWindowInItsColours)
{
    const struct {
        const char* styles;
        const char* skin;
    } cases[] = {{"0", "Office2007"}, {"1", "Vista"}, {"2", "WinXP.Luna"}, {"3", "WinXP.Royale"}, {"4", "iTunes"}};
    for (const auto& c : cases) {
        TestWindow window;
        writeIni(QStringLiteral("DejaVu Sans"), QStringLiteral("9"), QString::fromLatin1(c.styles));
        window.fillSample();
        app::AplicarEstiloFormulario(&window, true);
        window.resize(820, 560);
        const QImage image = window.grab().toImage();
        ASSERT_FALSE(image.isNull());
        const QColor expected = ui::SkinFramework::skinPalette(QString::fromLatin1(c.skin)).color(QPalette::Window);
        EXPECT_EQ(QColor(image.pixel(2, image.height() - 3)), expected) << c.skin;
        if (const QString folder = qEnvironmentVariable("RPQ_SCREENSHOT_DIR"); !folder.isEmpty())
            image.save(QDir(folder).filePath(QStringLiteral("skin_%1.png").arg(QString::fromLatin1(c.skin))));
    }
}

} // namespace
