#pragma once
// The tab bar: the command bar's sibling for data-entry windows. Its item store grows on
// demand, every item can carry an attention dot in a colour of its own and can be a check
// item, and a newly placed bar loads the nineteen-item set with the seven standard commands
// in view. Skin code finds it by the type name "UtilKor" and reaches Theme and
// ApplyColorStyle through the meta-object.

#include "commandbar/BarControl.h"

namespace commandbar {

class UtilKor : public BarControl {
    Q_OBJECT
    Q_PROPERTY(int Theme READ Theme WRITE setTheme)
    friend class UtilKorPersistence;

public:
    static inline const QString TypeName = QStringLiteral("UtilKor");

    explicit UtilKor(QWidget* parent = nullptr);

    void InitProperties() override;
    void ReadProperties(const PropertyBag& store) override;
    void WriteProperties(PropertyBag& store) const override;

    void AplicarEstiloTervo(bool MostrarTitulos, int TamIconoPx) override;

    // Items.
    void LoadDefaultItems();
    void LoadDefaultItemsReportes();
    // Adds or updates an item; its check flag is set either way. False for a blank key; an
    // item beyond the store's largest size raises error 6 and adds nothing.
    bool AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip = {}, bool bCheckable = false);
    void SetItemAttention(const QString& BTag, bool bAttention, long nColor = -1);
    bool ItemAttention(const QString& BTag) const;
    void SetItemAviso(const QString& BTag, bool bAviso, long nColor = -1) { SetItemAttention(BTag, bAviso, nColor); }
    bool ItemAviso(const QString& BTag) const { return ItemAttention(BTag); }
    void SetItemCheckable(const QString& BTag, bool bCheckable);
    bool ItemCheckable(const QString& BTag) const;
    void SetItemChecked(const QString& BTag, bool bChecked);
    bool ItemChecked(const QString& BTag) const;
    void EnsureDefaultItems() override;

    // The item store.
    int capacity() const { return m_items.capacity(); }
    void EnsureCapacity(int required);
    // The printer and share items keep their check state in the bar's settings.
    bool ItemIsCheckable(int i) const;
    bool ItemIsChecked(int i) const;
    void StoreItemChecked(int i, bool value);
    bool ItemHasIcon(int i) const;

    // The button gap, behind three names; sizes as given.
    void setItemGap(float value) { setGap(value, QStringLiteral("ItemGap")); }
    float ButtonGap() const { return m_settings.itemGap; }
    void setButtonGap(float value) { setGap(value, QStringLiteral("ButtonGap")); }
    float SeparacionBotones() const { return m_settings.itemGap; }
    void setSeparacionBotones(float value);
    void setIconSize(float value);
    void setIconPx(int value);
    void setTamanoIcono(int value);

    // Late binding: the host reaches properties by name. An unknown name raises error 438.
    vb::Variant propertyByName(const QString& name);
    void setPropertyByName(const QString& name, const vb::Variant& value);

    double baseCaptionSize() const { return m_baseCaptionSize; }

protected:
    bool checkState(int i, bool* checkable, bool* checked) const override;
    void storeChecked(int i, bool checked) override { StoreItemChecked(i, checked); }
    bool withConsultaAlias() const override { return false; }
    void completeLayoutInput(BarLayoutInput& in) const override;
    double captionOffset() const override { return 10; }
    void styleCaption(int i, QLabel* text) override;
    void styleBadge(int i, QLabel* badge, bool usable) override;
    QRectF badgeRectOf(int i, const QRectF& box) const override;
    void drawOverlays(int i, long back) override { DrawAttentionDot(i, back); }
    void controlsCreated(int upper) override;

private:
    void AppendItemFromTag(const QString& key, const QString& defaultCaption, const QString& toolTip);
    void DrawAttentionDot(int i, long back);
    bool showsDot(int i) const;
    void setGap(float value, const QString& name);
    void setIconPixels(int pixels);

    double m_baseCaptionSize = 0;
    Qt::Alignment m_baseCaptionAlignment;
};

} // namespace commandbar
