#include "commandbar/UtilKor.h"
#include "commandbar/BarItemSets.h"
#include "commandbar/ItemSurface.h"
#include "commandbar/UtilKorDispatch.h"
#include "commandbar/UtilKorPersistence.h"

#include "ui/Control.h"
#include "ui/Twips.h"

#include <QLabel>

#include <algorithm>

namespace commandbar {

namespace {

const QColor plainBadgeBack(0, 120, 215);
const QChar bullet(0x2022);

void setBadgeColors(QLabel* label, const QColor& back, const QColor& text, bool opaque)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
    label->setAutoFillBackground(opaque);
}

void setBadgeFont(QLabel* label, const QString& family, bool bold, double points)
{
    QFont font = label->font();
    font.setFamily(family);
    font.setBold(bold);
    font.setPointSizeF(points);
    label->setFont(font);
}

} // namespace

UtilKor::UtilKor(QWidget* parent)
    : BarControl(0, 0, parent)
{
    ui::Control::setTypeName(this, TypeName);
    m_settings.itemHeight = 520;
    m_settings.itemGap = 0;
    m_settings.impresoraCheckable = true;
    m_items.EnsureCapacity(DesignSlots - 1);
    initialize();
}

// ---- lifecycle ----------------------------------------------------------------------------

void UtilKor::InitProperties()
{
    EnsureCapacity(DesignSlots - 1);
    applyCreationDefaults(520, 0, true);
    LoadDefaultItems();
}

void UtilKor::ReadProperties(const PropertyBag& store)
{
    UtilKorPersistence::read(*this, store);
}

void UtilKor::WriteProperties(PropertyBag& store) const
{
    UtilKorPersistence::write(*this, store);
}

void UtilKor::AplicarEstiloTervo(bool MostrarTitulos, int)
{
    applyTervo(MostrarTitulos, 520);
}

// Captions are read from label 0 before any painting changes its font.
void UtilKor::controlsCreated(int)
{
    const QLabel* first = captionLabel(0);
    if (m_baseCaptionSize <= 0)
        m_baseCaptionSize = first->font().pointSizeF() > 0 ? first->font().pointSizeF() : 9;
    if (m_baseCaptionAlignment == Qt::Alignment())
        m_baseCaptionAlignment = first->alignment();
}

// ---- the item store -----------------------------------------------------------------------

// Item controls are created when a slot first comes into use, not for the whole capacity:
// a store grown for thousands of items costs no widgets until they are shown.
void UtilKor::EnsureCapacity(int required)
{
    m_items.EnsureCapacity(required);
}

bool UtilKor::ItemIsCheckable(int i) const
{
    bool checkable = false;
    bool checked = false;
    checkState(i, &checkable, &checked);
    return checkable;
}

bool UtilKor::ItemIsChecked(int i) const
{
    bool checkable = false;
    bool checked = false;
    checkState(i, &checkable, &checked);
    return checked;
}

bool UtilKor::checkState(int i, bool* checkable, bool* checked) const
{
    *checkable = false;
    *checked = false;
    if (!m_items.inUse(i))
        return false;
    const QString key = BarItem::keyOf(m_items.at(i).Key);
    if (key == QLatin1String("IMPRESORA")) {
        *checkable = m_settings.impresoraCheckable;
        *checked = m_settings.impresoraChecked;
    } else if (key == QLatin1String("COMPARTIR")) {
        *checkable = m_settings.compartirCheckable;
        *checked = m_settings.compartirChecked;
    } else {
        *checkable = m_items.at(i).Checkable;
        *checked = m_items.at(i).Checked;
    }
    return *checkable;
}

void UtilKor::StoreItemChecked(int i, bool value)
{
    if (!m_items.inUse(i))
        return;
    const QString key = BarItem::keyOf(m_items.at(i).Key);
    if (key == QLatin1String("IMPRESORA"))
        m_settings.impresoraChecked = value;
    else if (key == QLatin1String("COMPARTIR"))
        m_settings.compartirChecked = value;
    else
        m_items.at(i).Checked = value;
}

bool UtilKor::ItemHasIcon(int i) const
{
    if (!m_items.inUse(i))
        return false;
    return m_items.at(i).HasCustomIcon || BasePictureIndex(m_items.at(i).Key) >= 0;
}

// ---- item sets ----------------------------------------------------------------------------

// The caption is the set's own: a box's Tag may still hold the caption of an earlier set.
void UtilKor::AppendItemFromTag(const QString& key, const QString& defaultCaption, const QString& toolTip)
{
    const int i = m_items.appendSlot();
    CreateItemControls(std::max(i, loadedControlsBound()));
    BarItem& item = m_items.at(i);
    item.Key = key;
    item.Caption = defaultCaption;
    item.ToolTip = toolTip;
    item.Visible = BarItemSets::IsStandardKey(key);
    item.Enabled = true;
    item.Badge = 0;
    ui::Control::setTag(itemBox(i), defaultCaption);
}

void UtilKor::LoadDefaultItems()
{
    ClearItems();
    for (const BarItemDefinition& definition : BarItemSets::tabBarItems())
        AppendItemFromTag(definition.key, definition.caption, definition.toolTip);
    m_items.setActiveIndex(-1);
    LayoutItems();
}

void UtilKor::LoadDefaultItemsReportes()
{
    loadReportItems(QStringLiteral("Compartir"));
}

void UtilKor::EnsureDefaultItems()
{
    if (m_items.count() < 1)
        LoadDefaultItems();
}

// ---- item API -----------------------------------------------------------------------------

bool UtilKor::AddItem(const QString& BTag, const QString& BCaption, const QString& BToolTip, bool bCheckable)
{
    const int i = addItem(BTag, BCaption, BToolTip);
    if (i < 0)
        return false;
    SetItemCheckable(m_items.at(i).Key, bCheckable);
    return true;
}

// Painting the item again also clears a dot that was switched off.
void UtilKor::SetItemAttention(const QString& BTag, bool bAttention, long nColor)
{
    const int i = m_items.FindItem(BTag);
    if (i < 0)
        return;
    m_items.at(i).Attention = bAttention;
    if (nColor != -1)
        m_items.at(i).AttentionColor = nColor;
    RepaintItem(i);
}

bool UtilKor::ItemAttention(const QString& BTag) const
{
    const int i = m_items.FindItem(BTag);
    return i >= 0 && m_items.at(i).Attention;
}

void UtilKor::SetItemCheckable(const QString& BTag, bool bCheckable)
{
    const int i = m_items.FindItem(BTag);
    if (i < 0)
        return;
    const QString key = BarItem::keyOf(BTag);
    if (key == QLatin1String("IMPRESORA")) {
        m_settings.impresoraCheckable = bCheckable;
        m_settings.impresoraChecked = m_settings.impresoraChecked && bCheckable;
    } else if (key == QLatin1String("COMPARTIR")) {
        m_settings.compartirCheckable = bCheckable;
        m_settings.compartirChecked = m_settings.compartirChecked && bCheckable;
    } else {
        m_items.at(i).Checkable = bCheckable;
        m_items.at(i).Checked = m_items.at(i).Checked && bCheckable;
    }
    RepaintItem(i);
}

bool UtilKor::ItemCheckable(const QString& BTag) const
{
    return ItemIsCheckable(m_items.FindItem(BTag));
}

void UtilKor::SetItemChecked(const QString& BTag, bool bChecked)
{
    const int i = m_items.FindItem(BTag);
    if (!ItemIsCheckable(i))
        return;
    StoreItemChecked(i, bChecked);
    RepaintItem(i);
}

bool UtilKor::ItemChecked(const QString& BTag) const
{
    return ItemIsChecked(m_items.FindItem(BTag));
}

// ---- layout and painting ------------------------------------------------------------------

void UtilKor::completeLayoutInput(BarLayoutInput& in) const
{
    BarControl::completeLayoutInput(in);
    if (m_settings.itemHeight > 0)
        in.itemHeight = m_settings.itemHeight;
    in.buttonGap = m_settings.itemGap;
    in.reserveCaptionRoom = m_settings.showCaptions;
}

// An item without any picture shows its caption larger and centred in place of one.
void UtilKor::styleCaption(int i, QLabel* text)
{
    QFont font = text->font();
    font.setBold(false);
    font.setItalic(false);
    const bool hasIcon = ItemHasIcon(i);
    font.setPointSizeF(m_baseCaptionSize + (hasIcon ? 0 : 2));
    text->setFont(font);
    text->setAlignment(hasIcon ? m_baseCaptionAlignment : Qt::AlignHCenter | Qt::AlignTop);
}

bool UtilKor::showsDot(int i) const
{
    return m_items.inUse(i) && m_items.at(i).Attention && m_items.at(i).Badge < 1;
}

void UtilKor::styleBadge(int i, QLabel* badge, bool usable)
{
    const BarItem& item = m_items.at(i);
    const QColor attention = ColorStyle::toQColor(item.AttentionColor);
    const QColor text = usable ? QColor(Qt::white) : QColor(120, 120, 120);
    if (item.Attention && item.Badge > 0) {
        setBadgeColors(badge, attention, text, true);
    } else if (item.Attention) {
        badge->setText(QString(bullet));
        setBadgeColors(badge, attention, attention, false);
        setBadgeFont(badge, QStringLiteral("Arial"), true, 16);
    } else {
        setBadgeColors(badge, plainBadgeBack, text, true);
        setBadgeFont(badge, QStringLiteral("MS Sans Serif"), false, 8.25);
    }
}

QRectF UtilKor::badgeRectOf(int i, const QRectF& box) const
{
    if (showsDot(i))
        return QRectF(box.left() + box.width() - 210, box.top() + 60, 180, 180);
    return BarControl::badgeRectOf(i, box);
}

// A dot of radius 70 twips near the top right corner, over a shadow 10 twips down and right.
void UtilKor::DrawAttentionDot(int i, long back)
{
    if (!showsDot(i))
        return;
    ItemSurface* target = drawingSurfaceOf(i);
    DrawingSurface& s = target->surface();
    const double x = std::max(70.0, s.scaleWidth() - 70 - 28);
    const double y = 98;
    s.fillCircle(QPointF(x + 10, y + 10), 70, ColorStyle::toQColor(ColorStyle::ShiftColor(back, -45)));
    s.fillCircle(QPointF(x, y), 70, ColorStyle::toQColor(m_items.at(i).AttentionColor));
    target->refresh();
}

// ---- properties ---------------------------------------------------------------------------

void UtilKor::setGap(float value, const QString& name)
{
    setAndRefresh(m_settings.itemGap, std::max(value, -300.0f), name);
}

void UtilKor::setSeparacionBotones(float value)
{
    setButtonGap(value);
    notify(QStringLiteral("SeparacionBotones"));
}

void UtilKor::setIconPixels(int pixels)
{
    m_settings.iconPx = pixels < 1 ? 42 : pixels;
    m_settings.iconSize = PixelsToTwips(m_settings.iconPx);
}

void UtilKor::setIconSize(float value)
{
    if (value <= 0)
        return;
    m_settings.iconSize = value;
    const int pixels = TwipsToPixels(value);
    m_settings.iconPx = pixels < 1 ? 42 : pixels;
    LayoutItems();
    notify(QStringLiteral("IconSize"));
}

void UtilKor::setIconPx(int value)
{
    setIconPixels(value);
    LayoutItems();
    notify(QStringLiteral("IconPx"));
}

void UtilKor::setTamanoIcono(int value)
{
    setIconPx(value);
    notify(QStringLiteral("TamanoIcono"));
}

vb::Variant UtilKor::propertyByName(const QString& name)
{
    return UtilKorDispatch::get(*this, name);
}

void UtilKor::setPropertyByName(const QString& name, const vb::Variant& value)
{
    UtilKorDispatch::set(*this, name, value);
}

} // namespace commandbar
