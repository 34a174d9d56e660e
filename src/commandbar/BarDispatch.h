#pragma once
// A bar's properties by name, as a host reaches them late-bound. Names are matched without
// regard to case; an unknown name raises error 438. Each bar lists its own members on top of
// the ones both bars have.

#include "commandbar/BarControl.h"
#include "commandbar/ButtonFlags.h"

#include "vb/Error.h"
#include "vb/Variant.h"

#include <QString>
#include <functional>
#include <vector>

namespace commandbar {

template <class Bar>
class BarDispatch {
public:
    struct Member {
        const char* name;
        std::function<vb::Variant(Bar&)> get;
        std::function<void(Bar&, const vb::Variant&)> set;
    };
    using Table = std::vector<Member>;

    static Member boolean(const char* name, bool (Bar::*getter)() const, void (Bar::*setter)(bool))
    {
        return {name, [getter](Bar& b) { return vb::Variant((b.*getter)()); },
                [setter](Bar& b, const vb::Variant& v) { (b.*setter)(v.toBool()); }};
    }
    static Member single(const char* name, float (Bar::*getter)() const, void (Bar::*setter)(float))
    {
        return {name, [getter](Bar& b) { return vb::Variant((b.*getter)()); },
                [setter](Bar& b, const vb::Variant& v) { (b.*setter)(v.toSingle()); }};
    }
    static Member integer(const char* name, int (Bar::*getter)() const, void (Bar::*setter)(int))
    {
        return {name, [getter](Bar& b) { return vb::Variant(std::int16_t((b.*getter)())); },
                [setter](Bar& b, const vb::Variant& v) { (b.*setter)(v.toInteger()); }};
    }
    static Member longColor(const char* name, long (Bar::*getter)() const, void (Bar::*setter)(long))
    {
        return {name, [getter](Bar& b) { return vb::Variant(int((b.*getter)())); },
                [setter](Bar& b, const vb::Variant& v) { (b.*setter)(v.toLong()); }};
    }
    static Member string(const char* name, QString (Bar::*getter)() const, void (Bar::*setter)(const QString&))
    {
        return {name, [getter](Bar& b) { return vb::Variant((b.*getter)()); },
                [setter](Bar& b, const vb::Variant& v) { (b.*setter)(v.toString()); }};
    }
    static Member variant(const char* name, vb::Variant (Bar::*getter)() const, void (Bar::*setter)(const vb::Variant&))
    {
        return {name, [getter](Bar& b) { return (b.*getter)(); },
                [setter](Bar& b, const vb::Variant& v) { (b.*setter)(v); }};
    }

    // The members whose rules both bars share.
    static Table common()
    {
        return {
            boolean("ImpresoraCheckable", &Bar::ImpresoraCheckable, &Bar::setImpresoraCheckable),
            boolean("ImpresoraChecked", &Bar::ImpresoraChecked, &Bar::setImpresoraChecked),
            boolean("CompartirCheckable", &Bar::CompartirCheckable, &Bar::setCompartirCheckable),
            boolean("CompartirChecked", &Bar::CompartirChecked, &Bar::setCompartirChecked),
            single("GroupGap", &Bar::GroupGap, &Bar::setGroupGap),
            string("GroupBreakAfterTag", &Bar::GroupBreakAfterTag, &Bar::setGroupBreakAfterTag),
            string("GroupBreakTag", &Bar::GroupBreakTag, &Bar::setGroupBreakTag),
            boolean("ShowCaptions", &Bar::ShowCaptions, &Bar::setShowCaptions),
            boolean("MostrarTitulo", &Bar::MostrarTitulo, &Bar::setMostrarTitulo),
            variant("ConTitulo", &Bar::ConTitulo, &Bar::setConTitulo),
            boolean("Horizontal", &Bar::Horizontal, &Bar::setHorizontal),
            boolean("ModoHorizontal", &Bar::ModoHorizontal, &Bar::setModoHorizontal),
            boolean("AutoOrientacion", &Bar::AutoOrientacion, &Bar::setAutoOrientacion),
            variant("Enabled", &Bar::Enabled, &Bar::setEnabled),
            single("ItemHeight", &Bar::ItemHeight, &Bar::setItemHeight),
            single("TopOffset", &Bar::TopOffset, &Bar::setTopOffset),
            single("TopBotones", &Bar::TopBotones, &Bar::setTopBotones),
            string("ImageFolder", &Bar::ImageFolder, &Bar::setImageFolder),
            boolean("DebugMode", &Bar::DebugMode, &Bar::setDebugMode),
            string("ContextUserName", &Bar::ContextUserName, &Bar::setContextUserName),
            string("ContextDbName", &Bar::ContextDbName, &Bar::setContextDbName),
            boolean("EstiloTervo", &Bar::EstiloTervo, &Bar::setEstiloTervo),
            integer("Estilo", &Bar::Estilo, &Bar::setEstilo),
            integer("Theme", &Bar::Theme, &Bar::setTheme),
            longColor("NormalBackColor", &Bar::NormalBackColor, &Bar::setNormalBackColor),
            longColor("ActiveBackColor", &Bar::ActiveBackColor, &Bar::setActiveBackColor),
            longColor("ActiveBarColor", &Bar::ActiveBarColor, &Bar::setActiveBarColor),
        };
    }

    static const Member* find(const Table& table, const QString& name)
    {
        for (const Member& m : table)
            if (name.compare(QLatin1String(m.name), Qt::CaseInsensitive) == 0)
                return &m;
        return nullptr;
    }

    static bool has(const Table& table, const std::vector<ButtonStem>& stems, const QString& name)
    {
        return find(table, name) || ButtonFlags::stemOf(name, stems, nullptr);
    }

    static vb::Variant get(const Table& table, const std::vector<ButtonStem>& stems, Bar& bar, const QString& name)
    {
        if (const Member* m = find(table, name))
            return m->get(bar);
        bool enabled = false;
        if (const ButtonStem* stem = ButtonFlags::stemOf(name, stems, &enabled))
            return enabled ? bar.GetKeyEnabled(stem->key) : bar.GetKeyVisible(stem->key);
        unknown(name);
    }

    static void set(const Table& table, const std::vector<ButtonStem>& stems, Bar& bar, const QString& name,
                    const vb::Variant& value)
    {
        if (const Member* m = find(table, name)) {
            m->set(bar, value);
            return;
        }
        bool enabled = false;
        const ButtonStem* stem = ButtonFlags::stemOf(name, stems, &enabled);
        if (!stem)
            unknown(name);
        const QString property = stem->stem + (enabled ? QStringLiteral("Enabled") : QStringLiteral("Visible"));
        if (enabled)
            bar.SetKeyEnabled(stem->key, value, property);
        else
            bar.SetKeyVisible(stem->key, value, property);
    }

private:
    [[noreturn]] static void unknown(const QString& name)
    {
        vb::raise(438, QString(), name);
    }
};

} // namespace commandbar
