#pragma once
// What the command bar and the tab bar have in common: a self-drawn strip of keyed items, each
// a box with an optional icon, a caption under it, a count badge and possibly a check mark.
// A click raises click(caption); the host passes its key-down codes to KeyAnalisis, which
// raises click(KEY) for the function keys. The two bars differ in a handful of rules, which
// they give through the protected virtual members.
//
// Lengths are twips (15 to a pixel). A new bar is constructed and then given either
// InitProperties() (newly placed) or ReadProperties() (restored with its host).

#include "commandbar/BarItemStore.h"
#include "commandbar/BarLayout.h"
#include "commandbar/BarSettings.h"
#include "commandbar/ButtonFlags.h"
#include "commandbar/DrawingSurface.h"

#include "ui/Twips.h"
#include "vb/Variant.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <utility>
#include <vector>

class QLabel;

namespace vb { class Error; }

namespace commandbar {

class ItemSurface;
class PropertyBag;

class BarControl : public QWidget, public ButtonFlagTarget {
    Q_OBJECT
    friend class BarPersistence;

public:
    static constexpr int DesignSlots = 19;

    ~BarControl() override;

    virtual void InitProperties() = 0;
    virtual void ReadProperties(const PropertyBag& store) = 0;
    virtual void WriteProperties(PropertyBag& store) const = 0;
    void ActualizarBotones();

    // Colour styles.
    Q_INVOKABLE void ApplyColorStyle(int nStyle);

    // Items.
    void ClearItems();
    bool SetItemIcon(const QString& BTag, const QString& zFile);
    void SetItemBadge(const QString& BTag, long nCount);
    void SetItemVisible(const QString& BTag, bool bVisible) override;
    bool ItemVisible(const QString& BTag) const override;
    void SetItemEnabled(const QString& BTag, bool bEnabled) override;
    bool ItemEnabled(const QString& BTag) const override;
    void SetActive(const QString& BTag);
    void KeyAnalisis(int KeyCode);
    void LoadTervoSample();
    void LoadIconsFromFolder(const QString& zFolder);
    void RefreshIcons();
    // Widens the items, never narrows them, so that every caption of the items in use fits
    // without being condensed or cut, at the captions' present font.
    void fitItemsToCaptions();

    // Per-button properties ("ConsultaEnabled", "CajaVisible" ...), by stem.
    vb::Variant GetKeyEnabled(const QString& key);
    vb::Variant GetKeyVisible(const QString& key);
    void SetKeyEnabled(const QString& key, const vb::Variant& value, const QString& propertyName);
    void SetKeyVisible(const QString& key, const vb::Variant& value, const QString& propertyName);
    vb::Variant ConsultaEnabled() { return GetKeyEnabled(QStringLiteral("CONSULTAR")); }
    void setConsultaEnabled(const vb::Variant& value) { SetKeyEnabled(QStringLiteral("CONSULTAR"), value, QStringLiteral("ConsultaEnabled")); }

    // Properties both bars have alike (the aliases share one setting).
    bool ImpresoraCheckable() const { return m_settings.impresoraCheckable; }
    void setImpresoraCheckable(bool value);
    bool ImpresoraChecked() const { return m_settings.impresoraChecked; }
    void setImpresoraChecked(bool value);
    bool CompartirCheckable() const { return m_settings.compartirCheckable; }
    void setCompartirCheckable(bool value);
    bool CompartirChecked() const { return m_settings.compartirChecked; }
    void setCompartirChecked(bool value);
    float GroupGap() const { return m_settings.groupGap; }
    void setGroupGap(float value);
    QString GroupBreakTag() const { return m_settings.groupBreakKey; }
    void setGroupBreakTag(const QString& value) { setGroupBreakKey(value, QStringLiteral("GroupBreakTag")); }
    QString GroupBreakAfterTag() const { return m_settings.groupBreakKey; }
    void setGroupBreakAfterTag(const QString& value) { setGroupBreakKey(value, QStringLiteral("GroupBreakAfterTag")); }
    bool ShowCaptions() const { return m_settings.showCaptions; }
    void setShowCaptions(bool value) { setCaptions(value, QStringLiteral("ShowCaptions")); }
    bool MostrarTitulo() const { return m_settings.showCaptions; }
    void setMostrarTitulo(bool value) { setCaptions(value, QStringLiteral("MostrarTitulo")); }
    vb::Variant ConTitulo() const { return m_settings.showCaptions; }
    void setConTitulo(const vb::Variant& value) { setCaptions(value.toBool(), QStringLiteral("ConTitulo")); }
    bool Horizontal() const { return m_settings.horizontal; }
    void setHorizontal(bool value) { setHorizontalFlag(value, QStringLiteral("Horizontal")); }
    bool ModoHorizontal() const { return m_settings.horizontal; }
    void setModoHorizontal(bool value) { setHorizontalFlag(value, QStringLiteral("ModoHorizontal")); }
    bool AutoOrientacion() const { return m_settings.autoOrientation; }
    void setAutoOrientacion(bool value);
    vb::Variant Enabled() const { return m_settings.enabled; }
    void setEnabled(const vb::Variant& value);
    float ItemHeight() const { return m_settings.itemHeight; }
    void setItemHeight(float value);
    float ItemGap() const { return m_settings.itemGap; }
    float TopOffset() const { return m_settings.topOffset; }
    void setTopOffset(float value);
    float TopBotones() const { return m_settings.topOffset; }
    void setTopBotones(float value);
    float IconSize() const { return m_settings.iconSize; }
    int IconPx() const { return m_settings.iconPx; }
    int TamanoIcono() const { return m_settings.iconPx; }
    QString ImageFolder() const { return m_settings.imageFolder; }
    void setImageFolder(const QString& value);
    bool DebugMode() const { return m_settings.debugMode; }
    void setDebugMode(bool value);
    QString ContextUserName() const { return m_settings.contextUserName; }
    void setContextUserName(const QString& value);
    QString ContextDbName() const { return m_settings.contextDbName; }
    void setContextDbName(const QString& value);
    bool EstiloTervo() const { return m_settings.estiloTervo; }
    void setEstiloTervo(bool value);
    int Estilo() const { return m_settings.style; }
    void setEstilo(int value);
    int Theme() const { return m_settings.style; }
    void setTheme(int value);
    long NormalBackColor() const { return m_settings.colors.normalBack; }
    void setNormalBackColor(long value);
    long ActiveBackColor() const { return m_settings.colors.activeBack; }
    void setActiveBackColor(long value);
    long ActiveBarColor() const { return m_settings.colors.activeBar; }
    void setActiveBarColor(long value);

    virtual void AplicarEstiloTervo(bool MostrarTitulos, int TamIconoPx) = 0;

    // State the host and tests look at.
    const BarItemStore& items() const { return m_items; }
    int ItemCount() const { return m_items.count(); }
    int ActiveIndex() const { return m_items.activeIndex(); }
    int HoverIndex() const { return m_items.hoverIndex(); }
    // Highest index whose item controls exist.
    int loadedControlsBound() const { return int(m_picItem.size()) - 1; }
    const BarLayoutResult& lastLayout() const { return m_layout; }
    QRectF itemRect(int i) const { return m_rects[size_t(i)].box; }       // twips
    QRectF captionRect(int i) const { return m_rects[size_t(i)].caption; }
    QRectF badgeRect(int i) const { return m_rects[size_t(i)].badge; }
    QString shownCaption(int i) const;
    QString badgeText(int i) const;
    QString shownIconFile(int i) const { return m_shownIcon[size_t(i)]; }
    const DrawingSurface& barSurface() const { return m_surface; }
    ItemSurface* itemBox(int i) const { return m_picItem[size_t(i)]; }
    ItemSurface* iconBox(int i) const { return m_imgIcon[size_t(i)]; }
    QLabel* captionLabel(int i) const { return m_lblText[size_t(i)]; }
    QLabel* badgeLabel(int i) const { return m_lblBadge[size_t(i)]; }
    int UpdateLock() const { return m_updateLock; }
    int VisibleItemCount() const { return m_items.VisibleItemCount(); }

    // Twips and screen pixels, 15 to a pixel; pixels round halves to even.
    static float PixelsToTwips(int px) { return float(ui::Twips::fromPixels(px)); }
    static int TwipsToPixels(float tw) { return ui::Twips::toPixels(tw); }

    // Where the bar reports an error that the host's click handler raised; the default shows
    // it through the dialog service.
    using ErrorHandler = std::function<void(const vb::Error&, const QString& routine)>;
    void setErrorHandler(ErrorHandler handler) { m_errorHandler = std::move(handler); }

    // Layout and painting.
    void LayoutItems();
    void RepaintItem(int i);
    void BeginUpdate() { ++m_updateLock; }
    void EndUpdate();

    // Pointer input, as the item controls deliver it.
    void HandleItemClick(int i);
    void SetHoverItem(int i);

signals:
    void click(const QString& text);
    void CheckClick(bool Checked, const QString& text);
    // A property was set: the host's saved design changed.
    void propertyChanged(const QString& name);

protected:
    BarControl(int slotTotal, int slotLimit, QWidget* parent);

    // The start of the control's life: item controls, built-in pictures, caption font, layout.
    void initialize();
    // Creation values both bars share; the bar-specific ones are passed.
    void applyCreationDefaults(float itemHeight, float itemGap, bool impresoraCheckable);
    void loadReportItems(const QString& shareCaption);
    // Adds or updates an item; its index, -1 when refused.
    int addItem(const QString& BTag, const QString& BCaption, const QString& BToolTip);
    void applyTervo(bool MostrarTitulos, float heightWithCaptions);
    // Creates the item controls up to that index; existing ones are prepared again.
    void CreateItemControls(int upper);

    // The rules in which the bars differ.
    // Whether item i takes part in check marks at all, with its state.
    virtual bool checkState(int i, bool* checkable, bool* checked) const = 0;
    virtual void storeChecked(int i, bool checked) = 0;
    virtual bool withConsultaAlias() const { return true; }
    virtual void completeLayoutInput(BarLayoutInput& in) const;
    virtual double captionOffset() const { return -BarLayout::CaptionOverlap; }
    virtual void styleCaption(int i, QLabel* text);
    virtual void styleBadge(int i, QLabel* badge, bool usable);
    virtual QRectF badgeRectOf(int i, const QRectF& box) const;
    // Drawn after the icon and the check mark.
    virtual void drawOverlays(int, long) {}
    virtual void controlsCreated(int) {}

    void CaptureBasePictures();
    void SetBasePicture(int i, const QString& key);
    int BasePictureIndex(const QString& key) const;
    void ApplyIniFont();
    void PaintItem(int i);
    void PlaceItem(int i);
    // The caption as it fits in maxWidth twips, in the caption's font.
    QString FitCaption(int i, const QString& text, double maxWidth) const;
    static void condenseToFit(QLabel* label, const QString& caption, double maxWidth);
    static QFont uncondensed(const QLabel* label);
    void DrawCheckMark(int i, long backColor);
    void PaintItemIcon(int i);
    void ResetItemIcon(int i);
    void ApplyItemIcon(int i);
    int ContextTheme() const;
    void setIconPixels42();
    void setOwnBackColor(long color);
    void notify(const QString& name) { emit propertyChanged(name); }
    // A design property: stores the value, brings the bar up to date (lays it out unless told
    // otherwise) and tells the host that its saved design changed.
    template <class T, class V>
    void setAndRefresh(T& setting, V&& value, const QString& name, void (BarControl::*refresh)() = &BarControl::LayoutItems)
    {
        setting = std::forward<V>(value);
        (this->*refresh)();
        notify(name);
    }
    bool hasControls(int i) const { return i >= 0 && i < int(m_picItem.size()); }
    ItemSurface* drawingSurfaceOf(int i) const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    BarItemStore m_items;
    BarSettings m_settings;

private:
    struct ItemRects {
        QRectF box;
        QRectF caption;
        QRectF badge;
    };

    void createSlotControls(int i);
    void prepareSlotControls(int i);
    void hideSlot(int i);
    bool DrawIconFile(int i, const QString& file, int pixels);
    void fillIconFiles(int i, const QString& folder);
    QString ResolveIconFolder() const;
    QString HostModuleFolder() const;
    void raiseClick(const QString& text);
    void reportError(const vb::Error& error, const QString& routine);
    int slotOf(const QObject* control) const;

    void setGroupBreakKey(const QString& value, const QString& name);
    void setCaptions(bool value, const QString& name);
    void setHorizontalFlag(bool value, const QString& name);
    // An item's check state goes with its being checkable, and is refused while it is not.
    void setCheckable(bool& checkable, bool& checked, bool value, const QString& name);
    void setCheckedIfCheckable(bool checkable, bool& checked, bool value, const QString& name);
    void applyContextStyle();
    void applyEstiloTervo();

    BarLayoutResult m_layout;
    DrawingSurface m_surface;
    std::vector<ItemRects> m_rects;
    std::vector<QString> m_shownIcon;
    std::array<QImage, DesignSlots> m_basePictures{};
    bool m_basePicturesCaptured = false;
    int m_updateLock = 0;
    bool m_refreshPending = false;
    long m_backColor = 0;
    bool m_releaseEndsDoubleClick = false;
    std::vector<ItemSurface*> m_picItem;
    std::vector<ItemSurface*> m_imgIcon;
    std::vector<QLabel*> m_lblText;
    std::vector<QLabel*> m_lblBadge;
    std::vector<QLabel*> m_lblBar;
    ErrorHandler m_errorHandler;
};

} // namespace commandbar
