#include "BarFixture.h"

#include "commandbar/ColorStyle.h"
#include "commandbar/PropertyBag.h"
#include "ui/Control.h"
#include "ui/Twips.h"
#include "vb/Error.h"

using cbartest::TabBarFixture;
using commandbar::ColorStyle;
using commandbar::PropertyBag;
using commandbar::UtilKor;

namespace {

class TabBarProperties : public TabBarFixture {
protected:
    // A bar restored from the store, as its host window loads it.
    std::unique_ptr<UtilKor> restore(const PropertyBag& store)
    {
        auto loaded = std::make_unique<UtilKor>();
        loaded->resize(600, 100);
        loaded->ReadProperties(store);
        return loaded;
    }

    std::unique_ptr<UtilKor> roundTrip()
    {
        PropertyBag store;
        bar->WriteProperties(store);
        return restore(store);
    }

    int gapAfterLoading(std::initializer_list<std::pair<const char*, float>> keys)
    {
        PropertyBag store;
        for (const auto& [key, value] : keys)
            store.WriteProperty(key, value);
        return int(restore(store)->ButtonGap());
    }
};

int flagKeys(const PropertyBag& store)
{
    int n = 0;
    for (const QString& key : store.keys())
        n += key.endsWith("enabled") || key.endsWith("visible") ? 1 : 0;
    return n;
}

} // namespace

TEST_F(TabBarProperties, NewBarSurvivesSavingAndLoading)
{
    PropertyBag store;
    bar->WriteProperties(store);
    EXPECT_FALSE(store.contains("ItemHeight"));
    EXPECT_FALSE(store.contains("ButtonGap"));
    EXPECT_FALSE(store.contains("ImpresoraCheckable"));
    EXPECT_EQ(flagKeys(store), 46);
    EXPECT_TRUE(store.contains("consultarVisible"));
    EXPECT_FALSE(store.contains("ConsultaEnabled"));
    EXPECT_TRUE(store.contains("CausVisible"));

    const auto loaded = restore(store);
    EXPECT_EQ(loaded->ItemHeight(), 520);
    EXPECT_EQ(loaded->ButtonGap(), 0);
    EXPECT_EQ(loaded->IconPx(), 42);
    EXPECT_EQ(loaded->IconSize(), 630);
    EXPECT_TRUE(loaded->ImpresoraCheckable());
    EXPECT_EQ(loaded->ItemCount(), 19);
    EXPECT_TRUE(loaded->ItemVisible("GRABAR"));
    EXPECT_FALSE(loaded->ItemVisible("AJUSTES"));
    EXPECT_EQ(loaded->UpdateLock(), 0);
}

TEST_F(TabBarProperties, OneGapBehindThreeNames)
{
    bar->setItemGap(200);
    EXPECT_EQ(bar->ButtonGap(), 200);
    EXPECT_EQ(bar->propertyByName("SeparacionBotones").toSingle(), 200);
    EXPECT_EQ(roundTrip()->ButtonGap(), 200);

    changed.clear();
    bar->setSeparacionBotones(-500);
    EXPECT_EQ(bar->ItemGap(), -300);
    EXPECT_EQ(bar->ButtonGap(), -300);
    EXPECT_EQ(changed, QStringList({"ButtonGap", "SeparacionBotones"}));
}

TEST_F(TabBarProperties, SavedGapIsReadFromTheFirstKeyThatHoldsOne)
{
    EXPECT_EQ(gapAfterLoading({{"ItemGap", 45}}), 45);
    EXPECT_EQ(gapAfterLoading({{"ItemGap", 30}}), 0);
    EXPECT_EQ(gapAfterLoading({{"SeparacionBotones", 15}, {"ItemGap", 45}}), 15);
    EXPECT_EQ(gapAfterLoading({{"ButtonGap", 200}, {"SeparacionBotones", 15}, {"ItemGap", 45}}), 200);
    EXPECT_EQ(gapAfterLoading({{"ButtonGap", -900}}), -300);
}

TEST_F(TabBarProperties, IconSizesKeepTheValueGiven)
{
    changed.clear();
    bar->setIconSize(0);
    bar->setIconSize(-20);
    EXPECT_EQ(bar->IconPx(), 42);
    EXPECT_TRUE(changed.isEmpty());

    bar->setIconSize(600);
    EXPECT_EQ(bar->IconPx(), 40);
    bar->setIconPx(0);
    EXPECT_EQ(bar->IconPx(), 42);
    EXPECT_EQ(bar->IconSize(), ui::Twips::fromPixels(42));

    changed.clear();
    bar->setTamanoIcono(24);
    EXPECT_EQ(bar->IconPx(), 24);
    EXPECT_EQ(bar->IconSize(), ui::Twips::fromPixels(24));
    EXPECT_EQ(changed, QStringList({"IconPx", "TamanoIcono"}));
    EXPECT_EQ(roundTrip()->TamanoIcono(), 24);
}

TEST_F(TabBarProperties, ThemeTakesTheContextStyleAndEstiloTheValue)
{
    const int context = bar->Estilo();
    const int other = context == 4 ? 3 : 4;
    bar->setTheme(other);
    EXPECT_EQ(bar->Theme(), context);
    bar->setEstilo(other);
    EXPECT_EQ(bar->Estilo(), other);
    bar->setEstilo(9);
    EXPECT_EQ(bar->Estilo(), 2);
}

TEST_F(TabBarProperties, SkinCodeReachesTheBarByTypeName)
{
    QWidget window;
    auto* placed = new UtilKor(&window);
    placed->InitProperties();
    auto* other = new commandbar::TBarRep(&window);
    other->InitProperties();
    const int otherStyle = other->Estilo();
    const int skin = placed->Estilo() == 4 ? 3 : 4;

    for (QWidget* w : window.findChildren<QWidget*>()) {
        const QString type = ui::Control::typeName(w);
        if (type.compare("UtilKorBar", Qt::CaseInsensitive) != 0 && type.compare("UtilKor", Qt::CaseInsensitive) != 0)
            continue;
        w->setProperty("Theme", skin);
        QMetaObject::invokeMethod(w, "ApplyColorStyle", Q_ARG(int, skin));
    }
    EXPECT_EQ(placed->Estilo(), skin);
    EXPECT_EQ(placed->NormalBackColor(), ColorStyle::preset(skin).normalBack);
    EXPECT_EQ(other->Estilo(), otherStyle);
}

TEST_F(TabBarProperties, PrinterCheckRefusedWhileNotCheckable)
{
    bar->setImpresoraCheckable(false);
    changed.clear();
    bar->setImpresoraChecked(true);
    EXPECT_FALSE(bar->ImpresoraChecked());
    EXPECT_TRUE(changed.isEmpty());
}

TEST_F(TabBarProperties, PerButtonFlagsLoadTheDefaultSetFirst)
{
    bar->ClearItems();
    EXPECT_EQ(bar->propertyByName("NuevoVisible").toBool(), true);
    EXPECT_EQ(bar->ItemCount(), 19);
    EXPECT_EQ(bar->propertyByName("CajaVisible").toBool(), false);
    EXPECT_EQ(bar->propertyByName("ConsultaEnabled").toBool(), true);

    bar->setPropertyByName("ConsultaVisible", false);
    EXPECT_FALSE(bar->propertyByName("consultarVisible").toBool());
    EXPECT_EQ(changed.last(), "ConsultaVisible");
    EXPECT_FALSE(roundTrip()->ItemVisible("CONSULTAR"));
}

TEST_F(TabBarProperties, MembersOfTheOtherBarAreUnknown)
{
    try {
        bar->propertyByName("MensajesVisible");
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 438);
    }
    commandbar::TBarRep reportBar;
    EXPECT_THROW(reportBar.propertyByName("ButtonGap"), vb::Error);
    EXPECT_EQ(bar->propertyByName("buttongap").toSingle(), 0);
}

TEST_F(TabBarProperties, PrinterCheckableIsReadBackAsTheCommandBarReadsIt)
{
    PropertyBag store;
    store.WriteProperty("ImpresoraCheckable", false);
    EXPECT_FALSE(restore(store)->ImpresoraCheckable());

    store.WriteProperty("ImpresoraCheckable", QStringLiteral("quizas"));
    try {
        restore(store);
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 13);
    }
    commandbar::TBarRep reportBar;
    EXPECT_THROW(reportBar.ReadProperties(store), vb::Error);
}

TEST_F(TabBarProperties, TervoLookUsesTheTabBarHeights)
{
    bar->setItemGap(90);
    bar->AplicarEstiloTervo(true, 16);
    EXPECT_EQ(bar->ItemHeight(), 520);
    EXPECT_EQ(bar->ButtonGap(), 0);
    EXPECT_EQ(bar->IconPx(), 42);
    bar->AplicarEstiloTervo(false, 16);
    EXPECT_EQ(bar->ItemHeight(), 600);
    EXPECT_FALSE(bar->ShowCaptions());
}
