#include "commandbar/TBarRepPersistence.h"
#include "commandbar/ModUtilKorBar.h"
#include "commandbar/PropertyBag.h"
#include "commandbar/TBarRep.h"

#include "ui/Twips.h"

namespace commandbar {

namespace {

// Releases the update lock however the read ends, so that a failed read leaves a bar that
// still lays itself out.
class UpdateScope {
public:
    explicit UpdateScope(TBarRep& bar) : m_bar(bar) { m_bar.BeginUpdate(); }
    ~UpdateScope() { m_bar.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;
private:
    TBarRep& m_bar;
};

} // namespace

void TBarRepPersistence::readLayout(TBarRep& bar, const PropertyBag& store)
{
    BarSettings& s = bar.m_settings;
    s.enabled = store.readBool(QStringLiteral("Enabled"), true);
    s.showCaptions = store.readBool(QStringLiteral("ShowCaptions"), true);
    s.showCaptions = store.readBool(QStringLiteral("MostrarTitulo"), s.showCaptions);
    s.showCaptions = store.readBool(QStringLiteral("ConTitulo"), s.showCaptions);
    s.horizontal = store.readBool(QStringLiteral("Horizontal"), false);
    s.horizontal = store.readBool(QStringLiteral("ModoHorizontal"), s.horizontal);
    s.autoOrientation = store.readBool(QStringLiteral("AutoOrientacion"), true);
    s.itemHeight = store.readSingle(QStringLiteral("ItemHeight"), 840);
    s.itemGap = store.readSingle(QStringLiteral("ItemGap"), 30);
    s.topOffset = store.readSingle(QStringLiteral("TopBotones"), 10);
    s.topOffset = store.readSingle(QStringLiteral("TopOffset"), s.topOffset);
    s.groupGap = store.readSingle(QStringLiteral("GroupGap"), 0);
    QString breakKey = store.readString(QStringLiteral("GroupBreakTag"), QString());
    breakKey = store.readString(QStringLiteral("GroupBreakAfterTag"), breakKey);
    s.groupBreakKey = BarText::upperTrim(breakKey);
}

// The sizes are read for their errors only: icons are always 42 pixels.
void TBarRepPersistence::readIcons(TBarRep& bar, const PropertyBag& store)
{
    BarSettings& s = bar.m_settings;
    s.iconSize = store.readSingle(QStringLiteral("IconSize"), 480);
    s.iconPx = store.readInteger(QStringLiteral("IconPx"), std::int16_t(ui::Twips::toPixels(s.iconSize)));
    s.iconPx = store.readInteger(QStringLiteral("TamanoIcono"), std::int16_t(s.iconPx));
    bar.setIconPixels42();
}

void TBarRepPersistence::readContextAndChecks(TBarRep& bar, const PropertyBag& store)
{
    BarSettings& s = bar.m_settings;
    s.imageFolder = ModUtilKorBar::IniImageFolder();
    s.contextUserName = store.readString(QStringLiteral("ContextUserName"), QString());
    s.contextDbName = store.readString(QStringLiteral("ContextDbName"), QString());
    s.debugMode = store.readBool(QStringLiteral("DebugMode"), false);
    s.estiloTervo = store.readBool(QStringLiteral("EstiloTervo"), false);
    s.impresoraCheckable = false;
    s.impresoraChecked = store.readBool(QStringLiteral("ImpresoraChecked"), false);
    s.compartirCheckable = store.readBool(QStringLiteral("CompartirCheckable"), false);
    s.compartirChecked = store.readBool(QStringLiteral("CompartirChecked"), false);
}

void TBarRepPersistence::read(TBarRep& bar, const PropertyBag& store)
{
    {
        UpdateScope lock(bar);
        readLayout(bar, store);
        readIcons(bar, store);
        // The context names are still those held before this read: empty for a bar being loaded.
        bar.ApplyColorStyle(bar.ContextTheme());
        bar.setOwnBackColor(bar.m_settings.colors.normalBack);
        readContextAndChecks(bar, store);
        if (bar.m_settings.estiloTervo)
            bar.AplicarEstiloTervo(bar.m_settings.showCaptions, bar.m_settings.iconPx);
        ButtonFlags::ReadAllButtonFlags(store, bar, ButtonFlags::commandBarStems());
        bar.LayoutItems();
    }
    bar.RefreshIcons();
}

void TBarRepPersistence::write(const TBarRep& bar, PropertyBag& store)
{
    const BarSettings& s = bar.m_settings;
    const BarColors defaults{ColorStyle::rgb(52, 52, 52), ColorStyle::rgb(64, 64, 64), ColorStyle::rgb(255, 255, 255)};
    store.WriteProperty(QStringLiteral("Enabled"), s.enabled, true);
    store.WriteProperty(QStringLiteral("ShowCaptions"), s.showCaptions, true);
    store.WriteProperty(QStringLiteral("MostrarTitulo"), s.showCaptions, true);
    store.WriteProperty(QStringLiteral("ConTitulo"), s.showCaptions, true);
    store.WriteProperty(QStringLiteral("Horizontal"), s.horizontal, false);
    store.WriteProperty(QStringLiteral("ModoHorizontal"), s.horizontal, false);
    store.WriteProperty(QStringLiteral("AutoOrientacion"), s.autoOrientation, true);
    store.WriteProperty(QStringLiteral("ItemHeight"), s.itemHeight, 840.0f);
    store.WriteProperty(QStringLiteral("ItemGap"), s.itemGap, 30.0f);
    store.WriteProperty(QStringLiteral("TopOffset"), s.topOffset, 10.0f);
    store.WriteProperty(QStringLiteral("TopBotones"), s.topOffset, 10.0f);
    store.WriteProperty(QStringLiteral("GroupGap"), s.groupGap, 0.0f);
    store.WriteProperty(QStringLiteral("GroupBreakAfterTag"), s.groupBreakKey, QString());
    store.WriteProperty(QStringLiteral("GroupBreakTag"), s.groupBreakKey, QString());
    store.WriteProperty(QStringLiteral("IconSize"), s.iconSize, 480.0f);
    store.WriteProperty(QStringLiteral("IconPx"), std::int16_t(s.iconPx), std::int16_t(32));
    store.WriteProperty(QStringLiteral("TamanoIcono"), std::int16_t(s.iconPx), std::int16_t(32));
    store.WriteProperty(QStringLiteral("Estilo"), std::int16_t(s.style), std::int16_t(2));
    store.WriteProperty(QStringLiteral("Theme"), std::int16_t(s.style), std::int16_t(2));
    store.WriteProperty(QStringLiteral("NormalBackColor"), int(s.colors.normalBack), int(defaults.normalBack));
    store.WriteProperty(QStringLiteral("ActiveBackColor"), int(s.colors.activeBack), int(defaults.activeBack));
    store.WriteProperty(QStringLiteral("ActiveBarColor"), int(s.colors.activeBar), int(defaults.activeBar));
    store.WriteProperty(QStringLiteral("ImageFolder"), s.imageFolder, QString());
    store.WriteProperty(QStringLiteral("ContextUserName"), s.contextUserName, QString());
    store.WriteProperty(QStringLiteral("ContextDbName"), s.contextDbName, QString());
    store.WriteProperty(QStringLiteral("DebugMode"), s.debugMode, false);
    store.WriteProperty(QStringLiteral("EstiloTervo"), s.estiloTervo, false);
    store.WriteProperty(QStringLiteral("ImpresoraCheckable"), s.impresoraCheckable, true);
    store.WriteProperty(QStringLiteral("ImpresoraChecked"), s.impresoraChecked, false);
    store.WriteProperty(QStringLiteral("CompartirCheckable"), s.compartirCheckable, false);
    store.WriteProperty(QStringLiteral("CompartirChecked"), s.compartirChecked, false);
    ButtonFlags::WriteAllButtonFlags(store, bar, ButtonFlags::commandBarStems());
}

PropertyBag TBarRepPersistence::reportWindowSavedSet()
{
    PropertyBag set;
    const BarColors colors = ColorStyle::preset(5);
    set.WriteProperty(QStringLiteral("IconSize"), 630.0f);
    set.WriteProperty(QStringLiteral("IconPx"), std::int16_t(42));
    set.WriteProperty(QStringLiteral("TamanoIcono"), std::int16_t(42));
    set.WriteProperty(QStringLiteral("Estilo"), std::int16_t(5));
    set.WriteProperty(QStringLiteral("Theme"), std::int16_t(5));
    set.WriteProperty(QStringLiteral("NormalBackColor"), int(colors.normalBack));
    set.WriteProperty(QStringLiteral("ActiveBackColor"), int(colors.activeBack));
    set.WriteProperty(QStringLiteral("ActiveBarColor"), int(colors.activeBar));
    set.WriteProperty(QStringLiteral("ImageFolder"), QStringLiteral("img_menu\\"));
    set.WriteProperty(QStringLiteral("ImpresoraCheckable"), false);
    const QStringList shown{QStringLiteral("Consulta"), QStringLiteral("consultar"), QStringLiteral("Cerrar"),
                            QStringLiteral("Pantalla"), QStringLiteral("Impresora"), QStringLiteral("Compartir")};
    for (const ButtonStem& stem : ButtonFlags::commandBarStems()) {
        const bool on = shown.contains(stem.stem);
        set.WriteProperty(stem.stem + QStringLiteral("Enabled"), on);
        set.WriteProperty(stem.stem + QStringLiteral("Visible"), on);
    }
    return set;
}

} // namespace commandbar
