#include "commandbar/TBarRepDispatch.h"
#include "commandbar/BarDispatch.h"
#include "commandbar/TBarRep.h"

namespace commandbar {

namespace {

using Dispatch = BarDispatch<TBarRep>;

const Dispatch::Table& members()
{
    static const Dispatch::Table table = [] {
        Dispatch::Table t = Dispatch::common();
        t.push_back(Dispatch::single("ItemGap", &TBarRep::ItemGap, &TBarRep::setItemGap));
        t.push_back(Dispatch::single("IconSize", &TBarRep::IconSize, &TBarRep::setIconSize));
        t.push_back(Dispatch::integer("IconPx", &TBarRep::IconPx, &TBarRep::setIconPx));
        t.push_back(Dispatch::integer("TamanoIcono", &TBarRep::TamanoIcono, &TBarRep::setTamanoIcono));
        t.push_back(Dispatch::variant("MensajesVisible", &TBarRep::MensajesVisible, &TBarRep::setMensajesVisible));
        t.push_back(Dispatch::variant("MensajeEnabled", &TBarRep::MensajeEnabled, &TBarRep::setMensajeEnabled));
        return t;
    }();
    return table;
}

} // namespace

bool TBarRepDispatch::has(const QString& name)
{
    return Dispatch::has(members(), ButtonFlags::commandBarStems(), name);
}

vb::Variant TBarRepDispatch::get(TBarRep& bar, const QString& name)
{
    return Dispatch::get(members(), ButtonFlags::commandBarStems(), bar, name);
}

void TBarRepDispatch::set(TBarRep& bar, const QString& name, const vb::Variant& value)
{
    Dispatch::set(members(), ButtonFlags::commandBarStems(), bar, name, value);
}

} // namespace commandbar
