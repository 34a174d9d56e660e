#include "commandbar/BarPersistence.h"
#include "commandbar/BarControl.h"
#include "commandbar/ModUtilKorBar.h"
#include "commandbar/PropertyBag.h"

#include "ui/Twips.h"

namespace commandbar {

namespace {

// Releases the update lock however the read ends, so that a failed read leaves a bar that
// still lays itself out.
class UpdateScope {
public:
    explicit UpdateScope(BarControl& bar) : m_bar(bar) { m_bar.BeginUpdate(); }
    ~UpdateScope() { m_bar.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;
private:
    BarControl& m_bar;
};

} // namespace

void BarPersistence::readLayout(BarSettings& s, const PropertyBag& store, const BarPersistenceRules& rules)
{
    s.enabled = store.readBool(QStringLiteral("Enabled"), true);
    s.showCaptions = store.readBool(QStringLiteral("ShowCaptions"), true);
    s.showCaptions = store.readBool(QStringLiteral("MostrarTitulo"), s.showCaptions);
    s.showCaptions = store.readBool(QStringLiteral("ConTitulo"), s.showCaptions);
    s.horizontal = store.readBool(QStringLiteral("Horizontal"), false);
    s.horizontal = store.readBool(QStringLiteral("ModoHorizontal"), s.horizontal);
    s.autoOrientation = store.readBool(QStringLiteral("AutoOrientacion"), true);
    s.itemHeight = store.readSingle(QStringLiteral("ItemHeight"), rules.itemHeightDefault);
    rules.readGap(s, store);
    s.topOffset = store.readSingle(QStringLiteral("TopBotones"), 10);
    s.topOffset = store.readSingle(QStringLiteral("TopOffset"), s.topOffset);
    s.groupGap = store.readSingle(QStringLiteral("GroupGap"), 0);
    QString breakKey = store.readString(QStringLiteral("GroupBreakTag"), QString());
    breakKey = store.readString(QStringLiteral("GroupBreakAfterTag"), breakKey);
    s.groupBreakKey = BarText::upperTrim(breakKey);
}

void BarPersistence::readIcons(BarSettings& s, const PropertyBag& store)
{
    s.iconSize = store.readSingle(QStringLiteral("IconSize"), 480);
    s.iconPx = store.readInteger(QStringLiteral("IconPx"), std::int16_t(BarControl::TwipsToPixels(s.iconSize)));
    s.iconPx = store.readInteger(QStringLiteral("TamanoIcono"), std::int16_t(s.iconPx));
}

// The check settings come back as they were saved, each with the default it was written with.
void BarPersistence::readContextAndChecks(BarSettings& s, const PropertyBag& store)
{
    s.imageFolder = ModUtilKorBar::IniImageFolder();
    s.contextUserName = store.readString(QStringLiteral("ContextUserName"), QString());
    s.contextDbName = store.readString(QStringLiteral("ContextDbName"), QString());
    s.debugMode = store.readBool(QStringLiteral("DebugMode"), false);
    s.estiloTervo = store.readBool(QStringLiteral("EstiloTervo"), false);
    s.impresoraCheckable = store.readBool(QStringLiteral("ImpresoraCheckable"), true);
    s.impresoraChecked = store.readBool(QStringLiteral("ImpresoraChecked"), false);
    s.compartirCheckable = store.readBool(QStringLiteral("CompartirCheckable"), false);
    s.compartirChecked = store.readBool(QStringLiteral("CompartirChecked"), false);
}

void BarPersistence::read(BarControl& bar, const PropertyBag& store, const BarPersistenceRules& rules)
{
    {
        UpdateScope lock(bar);
        BarSettings& s = bar.m_settings;
        readLayout(s, store, rules);
        readIcons(s, store);
        rules.settleIconSize(bar);
        // The context names are still those held before this read: empty for a bar being loaded.
        bar.ApplyColorStyle(bar.ContextTheme());
        bar.setOwnBackColor(s.colors.normalBack);
        readContextAndChecks(s, store);
        if (s.estiloTervo)
            bar.AplicarEstiloTervo(s.showCaptions, s.iconPx);
        ButtonFlags::ReadAllButtonFlags(store, bar, *rules.stems);
        bar.LayoutItems();
    }
    bar.RefreshIcons();
}

void BarPersistence::writeLayout(const BarSettings& s, PropertyBag& store, const BarPersistenceRules& rules)
{
    store.WriteProperty(QStringLiteral("Enabled"), s.enabled, true);
    store.WriteProperty(QStringLiteral("ShowCaptions"), s.showCaptions, true);
    store.WriteProperty(QStringLiteral("MostrarTitulo"), s.showCaptions, true);
    store.WriteProperty(QStringLiteral("ConTitulo"), s.showCaptions, true);
    store.WriteProperty(QStringLiteral("Horizontal"), s.horizontal, false);
    store.WriteProperty(QStringLiteral("ModoHorizontal"), s.horizontal, false);
    store.WriteProperty(QStringLiteral("AutoOrientacion"), s.autoOrientation, true);
    store.WriteProperty(QStringLiteral("ItemHeight"), s.itemHeight, rules.itemHeightDefault);
    for (const auto& [key, defaultValue] : rules.gapKeys)
        store.WriteProperty(key, s.itemGap, defaultValue);
    store.WriteProperty(QStringLiteral("TopOffset"), s.topOffset, 10.0f);
    store.WriteProperty(QStringLiteral("TopBotones"), s.topOffset, 10.0f);
    store.WriteProperty(QStringLiteral("GroupGap"), s.groupGap, 0.0f);
    store.WriteProperty(QStringLiteral("GroupBreakAfterTag"), s.groupBreakKey, QString());
    store.WriteProperty(QStringLiteral("GroupBreakTag"), s.groupBreakKey, QString());
}

void BarPersistence::writeLook(const BarSettings& s, PropertyBag& store)
{
    const BarColors defaults{ColorStyle::rgb(52, 52, 52), ColorStyle::rgb(64, 64, 64), ColorStyle::rgb(255, 255, 255)};
    store.WriteProperty(QStringLiteral("IconSize"), s.iconSize, 480.0f);
    store.WriteProperty(QStringLiteral("IconPx"), std::int16_t(s.iconPx), std::int16_t(32));
    store.WriteProperty(QStringLiteral("TamanoIcono"), std::int16_t(s.iconPx), std::int16_t(32));
    store.WriteProperty(QStringLiteral("Estilo"), std::int16_t(s.style), std::int16_t(2));
    store.WriteProperty(QStringLiteral("Theme"), std::int16_t(s.style), std::int16_t(2));
    store.WriteProperty(QStringLiteral("NormalBackColor"), int(s.colors.normalBack), int(defaults.normalBack));
    store.WriteProperty(QStringLiteral("ActiveBackColor"), int(s.colors.activeBack), int(defaults.activeBack));
    store.WriteProperty(QStringLiteral("ActiveBarColor"), int(s.colors.activeBar), int(defaults.activeBar));
}

void BarPersistence::write(const BarControl& bar, PropertyBag& store, const BarPersistenceRules& rules)
{
    const BarSettings& s = bar.m_settings;
    writeLayout(s, store, rules);
    writeLook(s, store);
    store.WriteProperty(QStringLiteral("ImageFolder"), s.imageFolder, QString());
    store.WriteProperty(QStringLiteral("ContextUserName"), s.contextUserName, QString());
    store.WriteProperty(QStringLiteral("ContextDbName"), s.contextDbName, QString());
    store.WriteProperty(QStringLiteral("DebugMode"), s.debugMode, false);
    store.WriteProperty(QStringLiteral("EstiloTervo"), s.estiloTervo, false);
    store.WriteProperty(QStringLiteral("ImpresoraCheckable"), s.impresoraCheckable, true);
    store.WriteProperty(QStringLiteral("ImpresoraChecked"), s.impresoraChecked, false);
    store.WriteProperty(QStringLiteral("CompartirCheckable"), s.compartirCheckable, false);
    store.WriteProperty(QStringLiteral("CompartirChecked"), s.compartirChecked, false);
    ButtonFlags::WriteAllButtonFlags(store, bar, *rules.stems);
}

} // namespace commandbar
