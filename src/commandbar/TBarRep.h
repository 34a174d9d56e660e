#pragma once
// The report window's command bar: at most nineteen keyed items in fixed slots; only the
// IMPRESORA and COMPARTIR items can carry a check mark, kept in the bar's own settings.

#include "commandbar/BarControl.h"

namespace commandbar {

class TBarRep : public BarControl {
    Q_OBJECT
    friend class TBarRepPersistence;

public:
    static constexpr int SlotCount = DesignSlots;

    explicit TBarRep(QWidget* parent = nullptr);

    void InitProperties() override;
    void ReadProperties(const PropertyBag& store) override;
    void WriteProperties(PropertyBag& store) const override;

    void AplicarEstiloTervo(bool MostrarTitulos, int TamIconoPx) override;

    void LoadDefaultItems() { LoadDefaultItemsReportes(); }
    void LoadDefaultItemsReportes();
    bool AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip);
    void EnsureDefaultItems() override;

    // The bar spaces its items and sizes its icons itself: these store fixed values.
    void setItemGap(float value);
    void setIconSize(float value) { resetIconSize(QStringLiteral("IconSize"), value); }
    void setIconPx(int value) { resetIconSize(QStringLiteral("IconPx"), value); }
    void setTamanoIcono(int value);
    vb::Variant MensajesVisible() const { return m_settings.mensajesVisible; }
    void setMensajesVisible(const vb::Variant& value);
    vb::Variant MensajeEnabled() const { return m_settings.mensajeEnabled; }
    void setMensajeEnabled(const vb::Variant& value);

    // Late binding: the host reaches properties by name, as through a dispatch interface.
    // An unknown name raises error 438.
    vb::Variant propertyByName(const QString& name);
    void setPropertyByName(const QString& name, const vb::Variant& value);

protected:
    bool checkState(int i, bool* checkable, bool* checked) const override;
    void storeChecked(int i, bool checked) override;

private:
    void resetIconSize(const QString& name, int ignored);
};

} // namespace commandbar
