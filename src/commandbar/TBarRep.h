#pragma once
// The report window's command bar: a self-drawn strip of at most nineteen keyed items, each a
// box with an optional icon, a caption under it, a count badge and, for IMPRESORA and
// COMPARTIR, a check mark. A click raises click(caption); the host passes its key-down codes
// to KeyAnalisis, which raises click(KEY) for the function keys.
//
// Lengths are twips (15 to a pixel). A new bar is constructed and then given either
// InitProperties() (newly placed) or ReadProperties() (restored with its host).

#include "commandbar/BarItemStore.h"
#include "commandbar/BarLayout.h"
#include "commandbar/BarSettings.h"
#include "commandbar/ButtonFlags.h"
#include "commandbar/DrawingSurface.h"

#include "vb/Variant.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>

class QLabel;

namespace vb { class Error; }

namespace commandbar {

class ItemSurface;
class PropertyBag;

class TBarRep : public QWidget, public ButtonFlagTarget {
    Q_OBJECT
    friend class TBarRepPersistence;

public:
    static constexpr int SlotCount = 19;

    explicit TBarRep(QWidget* parent = nullptr);
    ~TBarRep() override;

    // Lifecycle of the control.
    void InitProperties();
    void ReadProperties(const PropertyBag& store);
    void WriteProperties(PropertyBag& store) const;
    void ActualizarBotones();

    // Colour styles.
    void ApplyColorStyle(int nStyle);
    void AplicarEstiloTervo(bool MostrarTitulos, int TamIconoPx);

    // Items.
    void LoadDefaultItems() { LoadDefaultItemsReportes(); }
    void LoadDefaultItemsReportes();
    void ClearItems();
    bool AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip);
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
    void EnsureDefaultItems() override;

    // Per-button properties ("ConsultaEnabled", "CajaVisible" ...), by stem.
    vb::Variant GetKeyEnabled(const QString& key);
    vb::Variant GetKeyVisible(const QString& key);
    void SetKeyEnabled(const QString& key, const vb::Variant& value, const QString& propertyName);
    void SetKeyVisible(const QString& key, const vb::Variant& value, const QString& propertyName);
    vb::Variant ConsultaEnabled() { return GetKeyEnabled(QStringLiteral("CONSULTAR")); }
    void setConsultaEnabled(const vb::Variant& value) { SetKeyEnabled(QStringLiteral("CONSULTAR"), value, QStringLiteral("ConsultaEnabled")); }

    // Properties (the aliases share one setting).
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
    void setItemGap(float value);
    float TopOffset() const { return m_settings.topOffset; }
    void setTopOffset(float value);
    float TopBotones() const { return m_settings.topOffset; }
    void setTopBotones(float value);
    float IconSize() const { return m_settings.iconSize; }
    void setIconSize(float value) { resetIconSize(QStringLiteral("IconSize"), value); }
    int IconPx() const { return m_settings.iconPx; }
    void setIconPx(int value) { resetIconSize(QStringLiteral("IconPx"), value); }
    int TamanoIcono() const { return m_settings.iconPx; }
    void setTamanoIcono(int value);
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
    vb::Variant MensajesVisible() const { return m_settings.mensajesVisible; }
    void setMensajesVisible(const vb::Variant& value);
    vb::Variant MensajeEnabled() const { return m_settings.mensajeEnabled; }
    void setMensajeEnabled(const vb::Variant& value);

    // Late binding: the host reaches properties by name, as through a dispatch interface.
    // An unknown name raises error 438.
    vb::Variant propertyByName(const QString& name);
    void setPropertyByName(const QString& name, const vb::Variant& value);

    // State the host and tests look at.
    const BarItemStore& items() const { return m_items; }
    int ItemCount() const { return m_items.count(); }
    int ActiveIndex() const { return m_items.activeIndex(); }
    int HoverIndex() const { return m_items.hoverIndex(); }
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
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ItemRects {
        QRectF box;
        QRectF caption;
        QRectF badge;
    };

    void CreateItemControls();
    void CaptureBasePictures();
    void SetBasePicture(int i, const QString& key);
    void ApplyIniFont();
    void PaintItem(int i);
    void PlaceItem(int i);
    void hideSlot(int i);
    void DrawCheckMark(int i, long backColor);
    void PaintItemIcon(int i);
    bool DrawIconFile(int i, const QString& file, int pixels);
    void ResetItemIcon(int i);
    void ApplyItemIcon(int i);
    void fillIconFiles(int i, const QString& folder);
    QString ResolveIconFolder() const;
    QString HostModuleFolder() const;
    int ContextTheme() const;
    void InitContextFromParent();
    void raiseClick(const QString& text);
    void reportError(const vb::Error& error, const QString& routine);
    bool checkState(int i, bool* checkable, bool* checked) const;
    int slotOf(const QObject* control) const;

    void notify(const QString& name) { emit propertyChanged(name); }
    void setGroupBreakKey(const QString& value, const QString& name);
    void setCaptions(bool value, const QString& name);
    void setHorizontalFlag(bool value, const QString& name);
    void resetIconSize(const QString& name, int ignored);
    void setIconPixels42();
    void applyContextStyle();
    void setOwnBackColor(long color);

    BarItemStore m_items{SlotCount, SlotCount};
    BarSettings m_settings;
    BarLayoutResult m_layout;
    DrawingSurface m_surface;
    std::array<ItemRects, SlotCount> m_rects{};
    std::array<QString, SlotCount> m_shownIcon{};
    std::array<QImage, SlotCount> m_basePictures{};
    bool m_basePicturesCaptured = false;
    int m_updateLock = 0;
    bool m_refreshPending = false;
    long m_backColor = 0;
    std::array<ItemSurface*, SlotCount> m_picItem{};
    std::array<ItemSurface*, SlotCount> m_imgIcon{};
    std::array<QLabel*, SlotCount> m_lblText{};
    std::array<QLabel*, SlotCount> m_lblBadge{};
    std::array<QLabel*, SlotCount> m_lblBar{};
    ErrorHandler m_errorHandler;
};

} // namespace commandbar
