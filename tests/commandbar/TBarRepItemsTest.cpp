#include "BarFixture.h"

#include "commandbar/BarKeys.h"
#include "ui/Control.h"
#include "vb/Error.h"

using cbartest::BarFixture;

using BarItems = BarFixture;

TEST_F(BarItems, NewBarHoldsTheReportItemSet)
{
    EXPECT_EQ(bar->ItemCount(), 5);
    const QStringList keys{"PANTALLA", "IMPRESORA", "CONSULTAR", "COMPARTIR", "CERRAR"};
    const QStringList captions{"Pantalla", "Impresora", "Consultar", "Mensaje", "Cerrar"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(bar->items().at(i).Key, keys[i]);
        EXPECT_EQ(bar->items().at(i).Caption, captions[i]);
        EXPECT_TRUE(bar->items().at(i).Visible);
    }
    EXPECT_EQ(bar->items().at(4).ToolTip, "Cerrar formulario");
    for (int i = 5; i < 19; ++i)
        EXPECT_FALSE(bar->itemBox(i)->isVisibleTo(bar.get())) << i;
    EXPECT_EQ(bar->ActiveIndex(), -1);
    EXPECT_EQ(bar->HoverIndex(), -1);
}

TEST_F(BarItems, AddItemUpdatesAnExistingKeyInPlace)
{
    bar->SetItemEnabled("PANTALLA", false);
    EXPECT_TRUE(bar->AddItem("  pantalla ", "Vista previa", "  "));
    const auto& item = bar->items().at(0);
    EXPECT_EQ(item.Key, "pantalla");
    EXPECT_EQ(item.Caption, "Vista previa");
    EXPECT_EQ(item.ToolTip, "Vista previa");
    EXPECT_FALSE(item.Enabled);
    EXPECT_EQ(bar->ItemCount(), 5);
}

TEST_F(BarItems, BlankKeyAndTwentiethKeyAreRefused)
{
    EXPECT_FALSE(bar->AddItem("   ", "x", "x"));
    for (int i = 5; i < 19; ++i)
        EXPECT_TRUE(bar->AddItem(QStringLiteral("K%1").arg(i), "c", ""));
    EXPECT_EQ(bar->ItemCount(), 19);
    EXPECT_FALSE(bar->AddItem("K19", "c", ""));
    EXPECT_EQ(bar->ItemCount(), 19);
    EXPECT_TRUE(bar->AddItem("k5", "again", ""));
    EXPECT_EQ(bar->items().at(5).Caption, "again");
}

TEST_F(BarItems, BadgeTextShowsAtOnceAndNeverNegative)
{
    bar->SetItemBadge("CONSULTAR", 150);
    EXPECT_EQ(bar->badgeText(2), "99+");
    EXPECT_EQ(bar->badgeLabel(2)->text(), "99+");
    EXPECT_TRUE(bar->badgeLabel(2)->isVisibleTo(bar.get()));
    bar->SetItemBadge("CONSULTAR", 99);
    EXPECT_EQ(bar->badgeLabel(2)->text(), "99");
    bar->SetItemBadge("CONSULTAR", -3);
    EXPECT_EQ(bar->items().at(2).Badge, 0);
    EXPECT_EQ(bar->badgeLabel(2)->text(), "");
    EXPECT_FALSE(bar->badgeLabel(2)->isVisibleTo(bar.get()));
}

TEST_F(BarItems, BadgeOnHiddenItemStaysOutOfView)
{
    bar->SetItemVisible("CERRAR", false);
    bar->SetItemBadge("CERRAR", 5);
    EXPECT_EQ(bar->items().at(4).Badge, 5);
    EXPECT_FALSE(bar->badgeLabel(4)->isVisibleTo(bar.get()));
    EXPECT_FALSE(bar->captionLabel(4)->isVisibleTo(bar.get()));
}

TEST_F(BarItems, FunctionKeysRaiseTheKeysOfUsableItems)
{
    bar->KeyAnalisis(116);
    bar->KeyAnalisis(27);
    bar->KeyAnalisis(113);
    bar->KeyAnalisis(114);
    bar->KeyAnalisis(65);
    EXPECT_EQ(clicks, QStringList({"CONSULTAR", "CERRAR"}));

    clicks.clear();
    bar->setConsultaEnabled(false);
    bar->SetItemEnabled("CERRAR", false);
    bar->KeyAnalisis(116);
    bar->KeyAnalisis(27);
    EXPECT_TRUE(clicks.isEmpty());
}

TEST_F(BarItems, EscPrefersCancelar)
{
    bar->AddItem("cancelar", "Cancelar", "");
    bar->KeyAnalisis(27);
    bar->SetItemVisible("CANCELAR", false);
    bar->KeyAnalisis(27);
    EXPECT_EQ(clicks, QStringList({"CANCELAR", "CERRAR"}));
}

TEST_F(BarItems, KeyCodesMapToTheirKeys)
{
    EXPECT_EQ(commandbar::BarKeys::keysForKeyCode(113), QStringList{"GRABAR"});
    EXPECT_EQ(commandbar::BarKeys::keysForKeyCode(114), QStringList{"NUEVO"});
    EXPECT_EQ(commandbar::BarKeys::keysForKeyCode(115), QStringList{"REPORTE"});
    EXPECT_EQ(commandbar::BarKeys::keysForKeyCode(117), QStringList{"PLANILLA"});
    EXPECT_EQ(commandbar::BarKeys::keysForKeyCode(121), QStringList{"BORRAR"});
    EXPECT_TRUE(commandbar::BarKeys::keysForKeyCode(112).isEmpty());
}

TEST_F(BarItems, BuiltInPictureIndexKnowsTheAliases)
{
    using commandbar::BarKeys;
    EXPECT_EQ(BarKeys::basePictureIndex(" consulta "), 3);
    EXPECT_EQ(BarKeys::basePictureIndex("consulta", false), -1);
    EXPECT_EQ(BarKeys::basePictureIndex("Unidad de negocio"), 12);
    EXPECT_EQ(BarKeys::basePictureIndex("PROCESAR CON I.A."), 14);
    EXPECT_EQ(BarKeys::basePictureIndex("CAUS"), -1);
}

TEST_F(BarItems, SetActiveOnlyOnVisibleEnabledItems)
{
    bar->SetActive("IMPRESORA");
    EXPECT_EQ(bar->ActiveIndex(), 1);
    bar->SetItemEnabled("CERRAR", false);
    bar->SetActive("CERRAR");
    bar->SetItemVisible("PANTALLA", false);
    bar->SetActive("PANTALLA");
    EXPECT_EQ(bar->ActiveIndex(), 1);
}

TEST_F(BarItems, HidingOrDisablingClearsActiveAndHover)
{
    bar->SetActive("CONSULTAR");
    bar->SetHoverItem(2);
    bar->SetItemEnabled("CONSULTAR", false);
    EXPECT_EQ(bar->ActiveIndex(), -1);
    EXPECT_EQ(bar->HoverIndex(), -1);

    bar->SetActive("CERRAR");
    bar->SetItemVisible("CERRAR", false);
    EXPECT_EQ(bar->ActiveIndex(), -1);
    EXPECT_EQ(bar->VisibleItemCount(), 4);          // the disabled item is still in view
}

TEST_F(BarItems, UpdateLockDefersTheLayoutToItsEnd)
{
    bar->BeginUpdate();
    bar->BeginUpdate();
    bar->SetItemVisible("PANTALLA", false);
    EXPECT_EQ(bar->itemRect(1).left(), 1080);       // not laid out again yet
    bar->EndUpdate();
    EXPECT_EQ(bar->itemRect(1).left(), 1080);
    bar->EndUpdate();
    EXPECT_EQ(bar->itemRect(1).left(), 120);
    bar->EndUpdate();                               // an extra end is harmless
    EXPECT_EQ(bar->UpdateLock(), 0);
}

TEST_F(BarItems, PerButtonPropertiesLoadTheReportSetIntoAnEmptyBar)
{
    bar->ClearItems();
    EXPECT_EQ(bar->ItemCount(), 0);
    EXPECT_FALSE(bar->propertyByName("NuevoEnabled").toBool());
    EXPECT_EQ(bar->ItemCount(), 5);
    EXPECT_TRUE(bar->propertyByName("ConsultaEnabled").toBool());

    bar->setPropertyByName("ConsultaEnabled", false);
    EXPECT_FALSE(bar->propertyByName("consultarEnabled").toBool());
    EXPECT_EQ(changed.last(), "ConsultaEnabled");
}

TEST_F(BarItems, PerButtonKeysAreNotPictureAliases)
{
    bar->LoadTervoSample();
    bar->AddItem("CAJERO", "Cajero", "");
    bar->SetItemVisible("CAJERO", false);
    bar->setPropertyByName("CajaVisible", true);
    EXPECT_FALSE(bar->ItemVisible("CAJERO"));
    EXPECT_EQ(changed.last(), "CajaVisible");
    EXPECT_THROW(bar->setPropertyByName("CajaVisible", "quizas"), vb::Error);
}

TEST_F(BarItems, SampleSetReplacesTheItems)
{
    bar->LoadTervoSample();
    ASSERT_EQ(bar->ItemCount(), 6);
    EXPECT_EQ(bar->items().at(2).Key, "GIT");
    EXPECT_EQ(bar->items().at(2).Caption, "Source");
    EXPECT_EQ(bar->items().at(2).ToolTip, "Control de codigo");
    EXPECT_FALSE(bar->ItemVisible("PANTALLA"));
    bar->LoadDefaultItems();
    EXPECT_EQ(bar->items().at(3).Caption, "Mensaje");
    EXPECT_EQ(bar->ItemCount(), 5);
}

TEST(BarOnAWindow, TheWindowsControlWalkSeesTheBarNotItsItemControls)
{
    cbartest::FakeEnvironment env;
    QWidget window;
    auto* title = new QLabel(&window);
    ui::Control::declare(title, "LblTitulo");
    auto* bar = new commandbar::TBarRep(&window);
    ui::Control::declare(bar, "TBarRep1");
    bar->InitProperties();
    EXPECT_EQ(ui::Control::controls(&window), QList<QObject*>({title, bar}));
    EXPECT_EQ(ui::Control::typeName(bar), "TBarRep");
    EXPECT_EQ(ui::Control::index(bar->captionLabel(4)), 4);   // slots still know their index
}
