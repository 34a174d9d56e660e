#include "commandbar/TBarRepDispatch.h"
#include "commandbar/TBarRep.h"

#include "vb/Error.h"

#include <functional>
#include <vector>

namespace commandbar {

namespace {

struct Member {
    const char* name;
    std::function<vb::Variant(TBarRep&)> get;
    std::function<void(TBarRep&, const vb::Variant&)> set;
};

template <class T>
Member boolMember(const char* name, T (TBarRep::*getter)() const, void (TBarRep::*setter)(bool))
{
    return {name, [getter](TBarRep& b) { return vb::Variant((b.*getter)()); },
            [setter](TBarRep& b, const vb::Variant& v) { (b.*setter)(v.toBool()); }};
}

Member singleMember(const char* name, float (TBarRep::*getter)() const, void (TBarRep::*setter)(float))
{
    return {name, [getter](TBarRep& b) { return vb::Variant((b.*getter)()); },
            [setter](TBarRep& b, const vb::Variant& v) { (b.*setter)(v.toSingle()); }};
}

Member integerMember(const char* name, int (TBarRep::*getter)() const, void (TBarRep::*setter)(int))
{
    return {name, [getter](TBarRep& b) { return vb::Variant(std::int16_t((b.*getter)())); },
            [setter](TBarRep& b, const vb::Variant& v) { (b.*setter)(v.toInteger()); }};
}

Member longMember(const char* name, long (TBarRep::*getter)() const, void (TBarRep::*setter)(long))
{
    return {name, [getter](TBarRep& b) { return vb::Variant(int((b.*getter)())); },
            [setter](TBarRep& b, const vb::Variant& v) { (b.*setter)(v.toLong()); }};
}

Member stringMember(const char* name, QString (TBarRep::*getter)() const, void (TBarRep::*setter)(const QString&))
{
    return {name, [getter](TBarRep& b) { return vb::Variant((b.*getter)()); },
            [setter](TBarRep& b, const vb::Variant& v) { (b.*setter)(v.toString()); }};
}

Member variantMember(const char* name, vb::Variant (TBarRep::*getter)() const, void (TBarRep::*setter)(const vb::Variant&))
{
    return {name, [getter](TBarRep& b) { return (b.*getter)(); },
            [setter](TBarRep& b, const vb::Variant& v) { (b.*setter)(v); }};
}

const std::vector<Member>& members()
{
    static const std::vector<Member> table{
        boolMember("ImpresoraCheckable", &TBarRep::ImpresoraCheckable, &TBarRep::setImpresoraCheckable),
        boolMember("ImpresoraChecked", &TBarRep::ImpresoraChecked, &TBarRep::setImpresoraChecked),
        boolMember("CompartirCheckable", &TBarRep::CompartirCheckable, &TBarRep::setCompartirCheckable),
        boolMember("CompartirChecked", &TBarRep::CompartirChecked, &TBarRep::setCompartirChecked),
        singleMember("GroupGap", &TBarRep::GroupGap, &TBarRep::setGroupGap),
        stringMember("GroupBreakAfterTag", &TBarRep::GroupBreakAfterTag, &TBarRep::setGroupBreakAfterTag),
        stringMember("GroupBreakTag", &TBarRep::GroupBreakTag, &TBarRep::setGroupBreakTag),
        boolMember("ShowCaptions", &TBarRep::ShowCaptions, &TBarRep::setShowCaptions),
        boolMember("MostrarTitulo", &TBarRep::MostrarTitulo, &TBarRep::setMostrarTitulo),
        variantMember("ConTitulo", &TBarRep::ConTitulo, &TBarRep::setConTitulo),
        boolMember("Horizontal", &TBarRep::Horizontal, &TBarRep::setHorizontal),
        boolMember("ModoHorizontal", &TBarRep::ModoHorizontal, &TBarRep::setModoHorizontal),
        boolMember("AutoOrientacion", &TBarRep::AutoOrientacion, &TBarRep::setAutoOrientacion),
        variantMember("Enabled", &TBarRep::Enabled, &TBarRep::setEnabled),
        singleMember("ItemHeight", &TBarRep::ItemHeight, &TBarRep::setItemHeight),
        singleMember("ItemGap", &TBarRep::ItemGap, &TBarRep::setItemGap),
        singleMember("TopOffset", &TBarRep::TopOffset, &TBarRep::setTopOffset),
        singleMember("TopBotones", &TBarRep::TopBotones, &TBarRep::setTopBotones),
        singleMember("IconSize", &TBarRep::IconSize, &TBarRep::setIconSize),
        integerMember("IconPx", &TBarRep::IconPx, &TBarRep::setIconPx),
        integerMember("TamanoIcono", &TBarRep::TamanoIcono, &TBarRep::setTamanoIcono),
        stringMember("ImageFolder", &TBarRep::ImageFolder, &TBarRep::setImageFolder),
        boolMember("DebugMode", &TBarRep::DebugMode, &TBarRep::setDebugMode),
        stringMember("ContextUserName", &TBarRep::ContextUserName, &TBarRep::setContextUserName),
        stringMember("ContextDbName", &TBarRep::ContextDbName, &TBarRep::setContextDbName),
        boolMember("EstiloTervo", &TBarRep::EstiloTervo, &TBarRep::setEstiloTervo),
        integerMember("Estilo", &TBarRep::Estilo, &TBarRep::setEstilo),
        integerMember("Theme", &TBarRep::Theme, &TBarRep::setTheme),
        longMember("NormalBackColor", &TBarRep::NormalBackColor, &TBarRep::setNormalBackColor),
        longMember("ActiveBackColor", &TBarRep::ActiveBackColor, &TBarRep::setActiveBackColor),
        longMember("ActiveBarColor", &TBarRep::ActiveBarColor, &TBarRep::setActiveBarColor),
        variantMember("MensajesVisible", &TBarRep::MensajesVisible, &TBarRep::setMensajesVisible),
        variantMember("MensajeEnabled", &TBarRep::MensajeEnabled, &TBarRep::setMensajeEnabled),
    };
    return table;
}

const Member* find(const QString& name)
{
    for (const Member& m : members())
        if (name.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0)
            return &m;
    return nullptr;
}

[[noreturn]] void unknown(const QString& name)
{
    vb::raise(438, QStringLiteral("Object doesn't support this property or method"), name);
}

} // namespace

bool TBarRepDispatch::has(const QString& name)
{
    return find(name) || ButtonFlags::stemOf(name, ButtonFlags::commandBarStems(), nullptr);
}

vb::Variant TBarRepDispatch::get(TBarRep& bar, const QString& name)
{
    if (const Member* m = find(name))
        return m->get(bar);
    bool enabled = false;
    if (const ButtonStem* stem = ButtonFlags::stemOf(name, ButtonFlags::commandBarStems(), &enabled))
        return enabled ? bar.GetKeyEnabled(stem->key) : bar.GetKeyVisible(stem->key);
    unknown(name);
}

void TBarRepDispatch::set(TBarRep& bar, const QString& name, const vb::Variant& value)
{
    if (const Member* m = find(name)) {
        m->set(bar, value);
        return;
    }
    bool enabled = false;
    const ButtonStem* stem = ButtonFlags::stemOf(name, ButtonFlags::commandBarStems(), &enabled);
    if (!stem)
        unknown(name);
    const QString property = stem->stem + (enabled ? QStringLiteral("Enabled") : QStringLiteral("Visible"));
    if (enabled)
        bar.SetKeyEnabled(stem->key, value, property);
    else
        bar.SetKeyVisible(stem->key, value, property);
}

} // namespace commandbar
