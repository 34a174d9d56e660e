#include "commandbar/UtilKorDispatch.h"
#include "commandbar/BarDispatch.h"
#include "commandbar/UtilKor.h"

namespace commandbar {

namespace {

using Dispatch = BarDispatch<UtilKor>;

const Dispatch::Table& members()
{
    static const Dispatch::Table table = [] {
        Dispatch::Table t = Dispatch::common();
        t.push_back(Dispatch::single("ItemGap", &UtilKor::ItemGap, &UtilKor::setItemGap));
        t.push_back(Dispatch::single("ButtonGap", &UtilKor::ButtonGap, &UtilKor::setButtonGap));
        t.push_back(Dispatch::single("SeparacionBotones", &UtilKor::SeparacionBotones, &UtilKor::setSeparacionBotones));
        t.push_back(Dispatch::single("IconSize", &UtilKor::IconSize, &UtilKor::setIconSize));
        t.push_back(Dispatch::integer("IconPx", &UtilKor::IconPx, &UtilKor::setIconPx));
        t.push_back(Dispatch::integer("TamanoIcono", &UtilKor::TamanoIcono, &UtilKor::setTamanoIcono));
        return t;
    }();
    return table;
}

// The property names keep both "Consulta" and "consultar", as the command bar's do.
const std::vector<ButtonStem>& propertyStems()
{
    return ButtonFlags::commandBarStems();
}

} // namespace

bool UtilKorDispatch::has(const QString& name)
{
    return Dispatch::has(members(), propertyStems(), name);
}

vb::Variant UtilKorDispatch::get(UtilKor& bar, const QString& name)
{
    return Dispatch::get(members(), propertyStems(), bar, name);
}

void UtilKorDispatch::set(UtilKor& bar, const QString& name, const vb::Variant& value)
{
    Dispatch::set(members(), propertyStems(), bar, name, value);
}

} // namespace commandbar
