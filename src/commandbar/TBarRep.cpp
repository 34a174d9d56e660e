#include "commandbar/TBarRep.h"
#include "commandbar/TBarRepDispatch.h"
#include "commandbar/TBarRepPersistence.h"

namespace commandbar {

TBarRep::TBarRep(QWidget* parent)
    : BarControl(SlotCount, SlotCount, parent)
{
    initialize();
}

void TBarRep::InitProperties()
{
    applyCreationDefaults(840, 120, false);
    LoadDefaultItemsReportes();
}

void TBarRep::ReadProperties(const PropertyBag& store)
{
    TBarRepPersistence::read(*this, store);
}

void TBarRep::WriteProperties(PropertyBag& store) const
{
    TBarRepPersistence::write(*this, store);
}

void TBarRep::AplicarEstiloTervo(bool MostrarTitulos, int)
{
    applyTervo(MostrarTitulos, 840);
}

void TBarRep::LoadDefaultItemsReportes()
{
    loadReportItems(QStringLiteral("Mensaje"));
}

bool TBarRep::AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip)
{
    return addItem(BTag, BCaption, BToolTip) >= 0;
}

void TBarRep::EnsureDefaultItems()
{
    if (m_items.count() < 1)
        LoadDefaultItemsReportes();
}

bool TBarRep::checkState(int i, bool* checkable, bool* checked) const
{
    const QString key = BarItem::keyOf(m_items.at(i).Key);
    if (key == QLatin1String("IMPRESORA")) {
        *checkable = m_settings.impresoraCheckable;
        *checked = m_settings.impresoraChecked;
        return true;
    }
    if (key == QLatin1String("COMPARTIR")) {
        *checkable = m_settings.compartirCheckable;
        *checked = m_settings.compartirChecked;
        return true;
    }
    return false;
}

void TBarRep::storeChecked(int i, bool checked)
{
    const QString key = BarItem::keyOf(m_items.at(i).Key);
    if (key == QLatin1String("IMPRESORA"))
        m_settings.impresoraChecked = checked;
    else if (key == QLatin1String("COMPARTIR"))
        m_settings.compartirChecked = checked;
}

void TBarRep::setItemGap(float)
{
    setAndRefresh(m_settings.itemGap, 120.0f, QStringLiteral("ItemGap"));
}

// Icons are always 42 pixels; the value asked for is not used.
void TBarRep::resetIconSize(const QString& name, int)
{
    setIconPixels42();
    LayoutItems();
    notify(name);
}

void TBarRep::setTamanoIcono(int)
{
    setIconPx(42);
    notify(QStringLiteral("TamanoIcono"));
}

void TBarRep::setMensajesVisible(const vb::Variant& value)
{
    m_settings.mensajesVisible = value.toBool();
    notify(QStringLiteral("MensajesVisible"));
}

void TBarRep::setMensajeEnabled(const vb::Variant& value)
{
    m_settings.mensajeEnabled = value.toBool();
    notify(QStringLiteral("MensajeEnabled"));
}

vb::Variant TBarRep::propertyByName(const QString& name)
{
    return TBarRepDispatch::get(*this, name);
}

void TBarRep::setPropertyByName(const QString& name, const vb::Variant& value)
{
    TBarRepDispatch::set(*this, name, value);
}

} // namespace commandbar
