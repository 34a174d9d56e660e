#include "commandbar/BarControl.h"
#include "commandbar/BarItemSets.h"
#include "commandbar/BarKeys.h"
#include "commandbar/BarText.h"
#include "commandbar/BarEnvironment.h"
#include "commandbar/CaptionFitter.h"
#include "commandbar/IconLocator.h"
#include "commandbar/IconPainter.h"
#include "commandbar/ItemSurface.h"
#include "commandbar/ModUtilKorBar.h"

#include "ui/Control.h"
#include "ui/DialogService.h"
#include "ui/Twips.h"
#include "vb/Error.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace commandbar {

namespace {

const QColor captionActive(250, 250, 250);
const QColor captionNormal(255, 255, 255);
const QColor captionDisabled(138, 138, 138);
const QColor badgeBack(0, 120, 215);
const QColor checkOutline(238, 238, 238);
const QColor disabledBadgeText(120, 120, 120);

void setColors(QLabel* label, const QColor& back, const QColor& text)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, text);
    label->setPalette(palette);
}

} // namespace

BarControl::BarControl(int slotTotal, int slotLimit, QWidget* parent)
    : QWidget(parent)
    , m_items(slotTotal, slotLimit)
{
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_surface.resize(size());
}

BarControl::~BarControl() = default;

// ---- lifecycle ----------------------------------------------------------------------------

void BarControl::initialize()
{
    CreateItemControls(std::max(DesignSlots - 1, loadedControlsBound()));
    CaptureBasePictures();
    ApplyIniFont();
    LayoutItems();
}

void BarControl::ActualizarBotones()
{
    initialize();
}

void BarControl::applyCreationDefaults(float itemHeight, float itemGap, bool impresoraCheckable)
{
    m_settings.itemHeight = itemHeight;
    m_settings.itemGap = itemGap;
    m_settings.topOffset = 10;
    m_settings.groupGap = 0;
    m_settings.groupBreakKey.clear();
    setIconPixels42();
    m_settings.showCaptions = true;
    m_settings.horizontal = false;
    m_settings.autoOrientation = true;
    m_items.setActiveIndex(-1);
    m_items.setHoverIndex(-1);
    ApplyColorStyle(ContextTheme());
    m_settings.imageFolder.clear();
    m_settings.debugMode = false;
    m_settings.estiloTervo = false;
    m_settings.enabled = true;
    m_settings.impresoraCheckable = impresoraCheckable;
    m_settings.impresoraChecked = false;
    m_settings.compartirCheckable = false;
    m_settings.compartirChecked = false;
}

// Controls are created once; a second call only prepares them again. New captions take the
// font of the first one, as loaded control-array elements copy element 0.
void BarControl::CreateItemControls(int upper)
{
    const int first = int(m_picItem.size());
    for (int i = first; i <= upper; ++i)
        createSlotControls(i);
    for (int i = 0; i <= upper; ++i)
        prepareSlotControls(i);
    if (upper >= first)
        controlsCreated(upper);
}

// The item controls carry their slot index but no control name: they are the bar's own, and
// a walk over the host window's controls (saved states, skin fonts) must see the bar alone.
void BarControl::createSlotControls(int i)
{
    auto* box = new ItemSurface(this);
    auto* icon = new ItemSurface(this);
    auto* text = new QLabel(this);
    auto* badge = new QLabel(this);
    auto* bar = new QLabel(this);
    box->resize(ui::Twips::toPixels(840), ui::Twips::toPixels(720));
    if (!m_lblText.empty())
        text->setFont(m_lblText[0]->font());
    m_picItem.push_back(box);
    m_imgIcon.push_back(icon);
    m_lblText.push_back(text);
    m_lblBadge.push_back(badge);
    m_lblBar.push_back(bar);
    m_rects.emplace_back();
    m_shownIcon.emplace_back();
    for (QWidget* w : std::initializer_list<QWidget*>{box, icon, text, badge, bar}) {
        ui::Control::setIndex(w, i);
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void BarControl::prepareSlotControls(int i)
{
    m_picItem[size_t(i)]->hide();
    m_imgIcon[size_t(i)]->hide();
    m_lblBar[size_t(i)]->hide();
    QLabel* text = m_lblText[size_t(i)];
    text->setWordWrap(false);
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text->setAutoFillBackground(true);
    text->hide();
    QLabel* badge = m_lblBadge[size_t(i)];
    badge->setAlignment(Qt::AlignCenter);
    badge->setAutoFillBackground(true);
    QFont badgeFont = badge->font();
    badgeFont.setPointSize(7);
    badgeFont.setBold(true);
    badge->setFont(badgeFont);
    setColors(badge, badgeBack, captionNormal);
    badge->hide();
    m_lblBar[size_t(i)]->setAutoFillBackground(true);
}

void BarControl::CaptureBasePictures()
{
    if (m_basePicturesCaptured)
        return;
    for (int k = 0; k < DesignSlots; ++k)
        m_basePictures[size_t(k)] = m_picItem[size_t(k)]->picture();
    m_basePicturesCaptured = true;
}

// A key without a built-in picture keeps what the slot shows.
int BarControl::BasePictureIndex(const QString& key) const
{
    return BarKeys::basePictureIndex(key, withConsultaAlias());
}

void BarControl::SetBasePicture(int i, const QString& key)
{
    if (!hasControls(i))
        return;
    CaptureBasePictures();
    const int k = BasePictureIndex(key);
    if (k >= 0)
        m_picItem[size_t(i)]->setPicture(m_basePictures[size_t(k)]);
}

void BarControl::ApplyIniFont()
{
    const QString name = ModUtilKorBar::CaptionFontName();
    for (QLabel* label : m_lblText) {
        QFont font = label->font();
        font.setFamily(name);
        label->setFont(font);
    }
}

// ---- colour styles ------------------------------------------------------------------------

void BarControl::ApplyColorStyle(int nStyle)
{
    m_settings.style = ColorStyle::ClampStyle(nStyle);
    m_settings.colors = ColorStyle::preset(m_settings.style);
    setOwnBackColor(m_settings.colors.normalBack);
    LayoutItems();
}

void BarControl::applyTervo(bool MostrarTitulos, float heightWithCaptions)
{
    m_settings.estiloTervo = true;
    m_settings.horizontal = false;
    m_settings.showCaptions = MostrarTitulos;
    setIconPixels42();
    m_settings.itemHeight = MostrarTitulos ? heightWithCaptions : 600;
    m_settings.itemGap = 0;
    m_settings.colors = ColorStyle::tervo();
    LayoutItems();
}

int BarControl::ContextTheme() const
{
    return ColorStyle::ClampStyle(ModUtilKorBar::ResolveBarStyle(m_settings.contextUserName, m_settings.contextDbName));
}

void BarControl::setOwnBackColor(long color)
{
    m_backColor = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColorStyle::toQColor(color));
    setPalette(palette);
}

// ---- items --------------------------------------------------------------------------------

void BarControl::loadReportItems(const QString& shareCaption)
{
    CaptureBasePictures();
    const auto set = BarItemSets::reportItems(shareCaption);
    for (int slot = 0; slot < m_items.slotCount(); ++slot) {
        m_items.ResetItemSlot(slot);
        if (slot >= int(set.size()))
            continue;
        BarItem& item = m_items.at(slot);
        item.Key = set[size_t(slot)].key;
        item.Caption = set[size_t(slot)].caption;
        item.ToolTip = set[size_t(slot)].toolTip;
        item.Visible = true;
        item.Enabled = true;
        item.Badge = 0;
        m_picItem[size_t(slot)]->setPicture(m_basePictures[size_t(BasePictureIndex(item.Key))]);
        ui::Control::setTag(m_picItem[size_t(slot)], item.Caption);
    }
    m_items.setCount(int(set.size()));
    m_items.setActiveIndex(-1);
    m_items.setHoverIndex(-1);
    LayoutItems();
}

void BarControl::ClearItems()
{
    m_items.clear();
    LayoutItems();
}

int BarControl::addItem(const QString& BTag, const QString& BCaption, const QString& BToolTip)
{
    const int i = m_items.slotForAdd(BTag);
    if (i < 0)
        return -1;
    CreateItemControls(std::max(i, loadedControlsBound()));
    BarItem& item = m_items.at(i);
    item.Key = BarText::trim(BTag);
    SetBasePicture(i, item.Key);
    item.Caption = BCaption;
    item.ToolTip = BarText::trim(BToolTip).isEmpty() ? BCaption : BToolTip;
    item.Visible = true;
    fillIconFiles(i, ResolveIconFolder());
    LayoutItems();
    return i;
}

void BarControl::fillIconFiles(int i, const QString& folder)
{
    BarItem& item = m_items.at(i);
    const QString key = item.Key.toUpper();
    item.IconFile = IconLocator::IconFilePath(folder, key);
    item.IconOverFile = IconLocator::StateIconFilePath(folder, key, QStringLiteral("over"));
    item.IconDisFile = IconLocator::StateIconFilePath(folder, key, QStringLiteral("dis"));
    ApplyItemIcon(i);
}

bool BarControl::SetItemIcon(const QString&, const QString&)
{
    return false;
}

// The badge shows its new count and text at once, and only on an item in view.
void BarControl::SetItemBadge(const QString& BTag, long nCount)
{
    const int i = m_items.FindItem(BTag);
    if (i < 0)
        return;
    m_items.setBadge(i, nCount);
    RepaintItem(i);
}

void BarControl::SetItemVisible(const QString& BTag, bool bVisible)
{
    const int i = m_items.FindItem(BTag);
    if (i >= 0 && m_items.setVisible(i, bVisible))
        LayoutItems();
}

bool BarControl::ItemVisible(const QString& BTag) const
{
    const int i = m_items.FindItem(BTag);
    return i >= 0 && m_items.at(i).Visible;
}

void BarControl::SetItemEnabled(const QString& BTag, bool bEnabled)
{
    const int i = m_items.FindItem(BTag);
    if (i >= 0 && m_items.setEnabled(i, bEnabled))
        RepaintItem(i);
}

bool BarControl::ItemEnabled(const QString& BTag) const
{
    const int i = m_items.FindItem(BTag);
    return i >= 0 && m_items.at(i).Enabled;
}

void BarControl::SetActive(const QString& BTag)
{
    const int i = m_items.FindItem(BTag);
    if (i < 0 || !m_items.at(i).Visible || !m_items.at(i).Enabled)
        return;
    m_items.setActiveIndex(i);
    LayoutItems();
}

// A disabled bar answers no key, as it answers no click.
void BarControl::KeyAnalisis(int KeyCode)
{
    if (!m_settings.enabled)
        return;
    for (const QString& key : BarKeys::keysForKeyCode(KeyCode)) {
        if (m_items.ItemUsable(key)) {
            emit click(key.toUpper());
            return;
        }
    }
}

void BarControl::LoadTervoSample()
{
    ClearItems();
    for (const BarItemDefinition& definition : BarItemSets::tervoSample())
        addItem(definition.key, definition.caption, definition.toolTip);
}

void BarControl::LoadIconsFromFolder(const QString& zFolder)
{
    m_settings.imageFolder = IconLocator::WithTrailingBackslash(zFolder);
    RefreshIcons();
}

void BarControl::RefreshIcons()
{
    const QString folder = ResolveIconFolder();
    for (int i = 0; i < m_items.count(); ++i)
        fillIconFiles(i, folder);
    LayoutItems();
}

vb::Variant BarControl::GetKeyEnabled(const QString& key)
{
    EnsureDefaultItems();
    return ItemEnabled(key);
}

vb::Variant BarControl::GetKeyVisible(const QString& key)
{
    EnsureDefaultItems();
    return ItemVisible(key);
}

void BarControl::SetKeyEnabled(const QString& key, const vb::Variant& value, const QString& propertyName)
{
    EnsureDefaultItems();
    SetItemEnabled(key, value.toBool());
    notify(propertyName);
}

void BarControl::SetKeyVisible(const QString& key, const vb::Variant& value, const QString& propertyName)
{
    EnsureDefaultItems();
    SetItemVisible(key, value.toBool());
    notify(propertyName);
}

void BarControl::EndUpdate()
{
    if (m_updateLock > 0)
        --m_updateLock;
    if (m_updateLock == 0 && m_refreshPending) {
        m_refreshPending = false;
        LayoutItems();
    }
}

// ---- icons --------------------------------------------------------------------------------

// On Linux the module that owns the window is the program itself.
QString BarControl::HostModuleFolder() const
{
    return ModUtilKorBar::NormalizeFolder(BarEnvironment::instance().programFolder());
}

QString BarControl::ResolveIconFolder() const
{
    return IconLocator::ResolveIconFolder(m_settings.imageFolder, HostModuleFolder());
}

// Beyond the design slots a key without a built-in picture keeps the picture its box shows.
void BarControl::ResetItemIcon(int i)
{
    if (!hasControls(i))
        return;
    CaptureBasePictures();
    int k = BasePictureIndex(m_items.at(i).Key);
    if (k < 0)
        k = i;
    m_items.at(i).FilePicture = QImage();
    m_imgIcon[size_t(i)]->setPicture(QImage());
    if (k < DesignSlots)
        m_picItem[size_t(i)]->setPicture(m_basePictures[size_t(k)]);
    m_shownIcon[size_t(i)].clear();
}

void BarControl::ApplyItemIcon(int i)
{
    if (!m_items.inUse(i))
        return;
    BarItem& item = m_items.at(i);
    const QString f = BarText::trim(item.IconFile);
    QImage picture;
    if (!f.isEmpty() && IconLocator::FileExists(f) && !IconPainter::isPngName(f))
        picture = IconPainter::LoadPictureFile(f);
    const bool usable = !f.isEmpty() && IconLocator::FileExists(f) && (IconPainter::isPngName(f) || !picture.isNull());
    if (!usable) {
        item.HasCustomIcon = false;
        ResetItemIcon(i);
        return;
    }
    item.HasCustomIcon = true;
    item.FilePicture = picture;
    m_picItem[size_t(i)]->setPicture(QImage());
    m_imgIcon[size_t(i)]->setPicture(QImage());
    PaintItemIcon(i);
}

void BarControl::PaintItemIcon(int i)
{
    if (!m_items.inUse(i) || !m_items.at(i).HasCustomIcon)
        return;
    const BarItem& item = m_items.at(i);
    const int pixels = m_settings.iconPx;
    const bool hot = i == m_items.hoverIndex() || i == m_items.activeIndex();
    QString file = IconLocator::StateIconFile(item, m_settings.enabled, hot);
    if (file.isEmpty())
        file = item.IconFile;
    if (file.isEmpty())
        return;
    if (IconPainter::isPngName(file) && DrawIconFile(i, file, pixels))
        return;
    QImage picture = IconPainter::LoadPictureFile(file);
    if (picture.isNull())
        picture = item.FilePicture;
    ItemSurface* surface = m_imgIcon[size_t(i)];
    if (IconPainter::drawImage(surface->surface(), picture, pixels)) {
        m_shownIcon[size_t(i)] = file;
        surface->refresh();
    }
}

bool BarControl::DrawIconFile(int i, const QString& file, int pixels)
{
    if (!hasControls(i) || !IconLocator::FileExists(file))
        return false;
    ItemSurface* surface = m_imgIcon[size_t(i)];
    if (!IconPainter::drawFile(surface->surface(), file, pixels))
        return false;
    m_shownIcon[size_t(i)] = file;
    surface->refresh();
    return true;
}

// ---- layout and painting ------------------------------------------------------------------

void BarControl::LayoutItems()
{
    if (m_updateLock > 0) {
        m_refreshPending = true;
        return;
    }
    const long normal = m_settings.colors.normalBack;
    m_surface.resize(size());
    m_surface.clear(ColorStyle::toQColor(normal));

    BarLayoutInput in;
    in.scaleWidth = m_surface.scaleWidth();
    in.scaleHeight = m_surface.scaleHeight();
    in.autoOrientation = m_settings.autoOrientation;
    in.horizontal = m_settings.horizontal;
    in.topOffset = m_settings.topOffset;
    in.groupGap = m_settings.groupGap;
    in.groupBreakKey = m_settings.groupBreakKey;
    completeLayoutInput(in);
    for (int i = 0; i <= loadedControlsBound(); ++i)
        in.entries.push_back({m_items.shown(i), i < m_items.slotCount() ? m_items.at(i).Key : QString()});
    m_layout = BarLayout::compute(in);

    if (!m_layout.separator.isEmpty())
        m_surface.fillRect(m_layout.separator, ColorStyle::toQColor(ColorStyle::SeparatorColor(normal)));

    for (int i = 0; i <= loadedControlsBound(); ++i) {
        if (!m_items.shown(i)) {
            hideSlot(i);
            continue;
        }
        const QRectF r = m_layout.items[size_t(i)];
        m_rects[size_t(i)].box = r;
        ui::Twips::place(m_picItem[size_t(i)], r.left(), r.top(), r.width(), r.height());
        ui::Twips::place(m_lblBar[size_t(i)], r.left(), r.top(), 60, r.height());
        PaintItem(i);
        PlaceItem(i);
    }
    update();
}

void BarControl::completeLayoutInput(BarLayoutInput& in) const
{
    const QRect design = ui::Twips::geometry(m_picItem[0]);
    in.itemWidth = design.width();
    in.itemHeight = design.height();
}

void BarControl::hideSlot(int i)
{
    m_picItem[size_t(i)]->hide();
    m_imgIcon[size_t(i)]->hide();
    m_lblText[size_t(i)]->hide();
    m_lblBadge[size_t(i)]->hide();
    m_lblBar[size_t(i)]->hide();
    m_rects[size_t(i)] = ItemRects{};
}

void BarControl::PaintItem(int i)
{
    const BarItem& item = m_items.at(i);
    const bool usable = item.Enabled && m_settings.enabled;
    bool active = i == m_items.activeIndex();
    bool checkable = false;
    bool checked = false;
    if (checkState(i, &checkable, &checked) && checkable)
        active = false;   // a check item shows its state by its mark, never as the active item

    const long normal = m_settings.colors.normalBack;
    long back = normal;
    if (m_settings.style == 5 && active)
        back = ColorStyle::ShiftColor(normal, -20);
    if (!usable)
        back = ColorStyle::ShiftColor(normal, -6);
    const QColor backColor = ColorStyle::toQColor(back);

    ItemSurface* box = m_picItem[size_t(i)];
    box->setBackColor(backColor);
    QLabel* bar = m_lblBar[size_t(i)];
    setColors(bar, ColorStyle::toQColor(m_settings.colors.activeBar), captionNormal);
    bar->hide();

    for (QWidget* w : std::initializer_list<QWidget*>{box, m_lblText[size_t(i)], m_lblBadge[size_t(i)], m_imgIcon[size_t(i)]})
        w->setToolTip(item.ToolTip);

    QLabel* text = m_lblText[size_t(i)];
    setColors(text, backColor, !usable ? captionDisabled : (active ? captionActive : captionNormal));
    styleCaption(i, text);

    QLabel* badge = m_lblBadge[size_t(i)];
    badge->setText(badgeText(i));
    box->setVisible(item.Visible);
    box->setEnabled(usable);
    badge->setEnabled(usable);
    styleBadge(i, badge, usable);

    ItemSurface* icon = m_imgIcon[size_t(i)];
    icon->setBackColor(backColor);
    icon->setEnabled(usable);
    icon->setVisible(item.HasCustomIcon && item.Visible);
}

void BarControl::styleCaption(int, QLabel* text)
{
    QFont font = text->font();
    font.setBold(false);
    font.setPointSize(9);
    font.setItalic(false);
    text->setFont(font);
}

void BarControl::styleBadge(int, QLabel* badge, bool usable)
{
    setColors(badge, badgeBack, usable ? captionNormal : disabledBadgeText);
}

QRectF BarControl::badgeRectOf(int, const QRectF& box) const
{
    return BarLayout::badgeRect(box);
}

QString BarControl::badgeText(int i) const
{
    const long badge = m_items.at(i).Badge;
    if (badge >= 100)
        return QStringLiteral("99+");
    return badge < 1 ? QString() : QString::number(badge);
}

QString BarControl::shownCaption(int i) const
{
    return m_lblText[size_t(i)]->text();
}

void BarControl::PlaceItem(int i)
{
    const QRectF r = m_rects[size_t(i)].box;
    QLabel* text = m_lblText[size_t(i)];
    const CaptionFitter fitter(text->font());
    const QRectF caption = BarLayout::captionRect(r, BarLayout::captionHeight(fitter.heightOf(QStringLiteral("Ag"))), captionOffset());
    m_rects[size_t(i)].caption = caption;
    ui::Twips::place(text, caption.left(), caption.top(), caption.width(), caption.height());
    text->setWordWrap(false);
    const double fitWidth = caption.width() - BarLayout::CaptionFitMargin;
    condenseToFit(text, m_items.at(i).Caption, fitWidth);
    text->setText(CaptionFitter::unbreakable(FitCaption(i, m_items.at(i).Caption, fitWidth)));
    text->setVisible(m_settings.showCaptions);

    const QRectF bar = BarLayout::accentBarRect(r, caption.bottom());
    ui::Twips::place(m_lblBar[size_t(i)], bar.left(), bar.top(), bar.width(), bar.height());

    const QRectF badge = badgeRectOf(i, r);
    m_rects[size_t(i)].badge = badge;
    ui::Twips::place(m_lblBadge[size_t(i)], badge.left(), badge.top(), badge.width(), badge.height());
    m_lblBadge[size_t(i)]->setVisible(m_items.at(i).Badge > 0);

    ItemSurface* icon = m_imgIcon[size_t(i)];
    ui::Twips::place(icon, r.left(), r.top(), r.width(), r.height());
    if (m_items.at(i).HasCustomIcon)
        PaintItemIcon(i);
    const long back = ColorStyle::fromQColor(m_picItem[size_t(i)]->surface().backColor());
    DrawCheckMark(i, back);
    drawOverlays(i, back);

    icon->raise();
    text->raise();
    m_lblBadge[size_t(i)]->raise();
    m_lblBar[size_t(i)]->raise();
}

// Wide fonts (the suite's captions were drawn for a narrow one): a caption that does not fit
// its item is drawn condensed before it is cut.
void BarControl::condenseToFit(QLabel* label, const QString& caption, double maxWidth)
{
    QFont font = uncondensed(label);
    if (CaptionFitter(font).widthOf(CaptionFitter::clean(caption)) > maxWidth)
        font.setStretch(QFont::Condensed);
    if (font.stretch() != label->font().stretch())
        label->setFont(font);
}

QFont BarControl::uncondensed(const QLabel* label)
{
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    return font;
}

// The items share the width of the first item's box (the design's): widening that box widens
// them all, and the layout spaces them by it.
void BarControl::fitItemsToCaptions()
{
    double needed = 0;
    for (int i = 0; i < m_items.count(); ++i) {
        QLabel* label = m_lblText[size_t(i)];
        styleCaption(i, label);   // the font it is painted in, also for an item not yet painted
        const CaptionFitter fitter(uncondensed(label));
        needed = std::max(needed, fitter.widthOf(CaptionFitter::clean(m_items.at(i).Caption)) + BarLayout::CaptionFitMargin);
    }
    ItemSurface* design = m_picItem[0];
    const int pixels = int(std::ceil(needed / ui::Twips::perPixel));
    if (pixels <= design->width())
        return;
    design->resize(pixels, design->height());
    LayoutItems();
}

QString BarControl::FitCaption(int i, const QString& text, double maxWidth) const
{
    return CaptionFitter(m_lblText[size_t(i)]->font()).fit(text, maxWidth);
}

void BarControl::DrawCheckMark(int i, long backColor)
{
    bool checkable = false;
    bool checked = false;
    if (!m_items.inUse(i) || !checkState(i, &checkable, &checked))
        return;
    ItemSurface* target = drawingSurfaceOf(i);
    DrawingSurface& s = target->surface();
    const double x = BarLayout::checkBoxLeft(s.scaleWidth());
    const double y = 14;
    const QColor back = ColorStyle::toQColor(backColor);
    s.fillRect(QRectF(QPointF(x - 4, 10), QPointF(x + 234, 248)), back);
    if (checkable) {
        s.outlineRect(QRectF(QPointF(x, 14), QPointF(x + 230, 244)), checkOutline);
        auto tick = [&](double dx, double dy) {
            return std::vector<QPointF>{{x + 45 + dx, y + 127 + dy}, {x + 85 + dx, y + 167 + dy}, {x + 179 + dx, y + 61 + dy}};
        };
        if (checked) {
            s.polyline(tick(0, 0), ColorStyle::toQColor(ColorStyle::ShiftColor(backColor, -55)));
            s.polyline(tick(-1, -1), Qt::white);
            s.polyline(tick(1, 1), Qt::white);
        } else {
            s.polyline(tick(-1, -1), ColorStyle::toQColor(ColorStyle::ShiftColor(backColor, 34)));
        }
    }
    target->refresh();
}

ItemSurface* BarControl::drawingSurfaceOf(int i) const
{
    return m_items.at(i).HasCustomIcon ? m_imgIcon[size_t(i)] : m_picItem[size_t(i)];
}

void BarControl::RepaintItem(int i)
{
    if (!m_items.shown(i) || !hasControls(i))
        return;
    PaintItem(i);
    PlaceItem(i);
}

void BarControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface.image());
}

void BarControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutItems();
}

// ---- pointer input ------------------------------------------------------------------------

int BarControl::slotOf(const QObject* control) const
{
    const int i = ui::Control::index(control);
    return hasControls(i) && m_items.slotCount() > i ? i : -1;
}

bool BarControl::eventFilter(QObject* watched, QEvent* event)
{
    const int i = slotOf(watched);
    if (i < 0)
        return QWidget::eventFilter(watched, event);
    // The second press of a double click comes as a double-click event: its release is no
    // click, or one double click would run a report twice.
    if (event->type() == QEvent::MouseButtonDblClick) {
        m_releaseEndsDoubleClick = true;
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool second = std::exchange(m_releaseEndsDoubleClick, false);
        if (!second && static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint()))
            HandleItemClick(i);
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        const BarItem& item = m_items.at(i);
        SetHoverItem(item.Enabled && item.Visible ? i : -1);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BarControl::mouseMoveEvent(QMouseEvent*)
{
    SetHoverItem(-1);
}

void BarControl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    m_items.setHoverIndex(-1);
    m_items.setActiveIndex(-1);
    LayoutItems();
}

void BarControl::HandleItemClick(int i)
{
    if (!m_settings.enabled || !m_items.inUse(i) || !m_items.at(i).Visible || !m_items.at(i).Enabled)
        return;
    bool checkable = false;
    bool checked = false;
    if (checkState(i, &checkable, &checked) && checkable) {
        storeChecked(i, !checked);
        emit CheckClick(!checked, m_items.at(i).Caption);
    }
    // Read after CheckClick: its handler may have renamed the item.
    const QString caption = m_items.at(i).Caption;
    const int old = m_items.activeIndex();
    m_items.setActiveIndex(i);
    if (old != i)
        RepaintItem(old);
    RepaintItem(i);
    raiseClick(caption);
}

// The host's handler runs inside the event loop's delivery of a mouse event: an error it
// raises is reported here rather than left to unwind through Qt.
void BarControl::raiseClick(const QString& text)
{
    try {
        emit click(text);
    } catch (const vb::Error& error) {
        reportError(error, QStringLiteral("HandleItemClick"));
    }
}

void BarControl::reportError(const vb::Error& error, const QString& routine)
{
    if (m_errorHandler) {
        m_errorHandler(error, routine);
        return;
    }
    const QString prompt = QStringLiteral("Ha ocurrido el Siguiente Error (") + QString::number(error.number())
                         + QStringLiteral(") ") + error.description();
    ui::MsgBox(prompt, ui::vbOKOnly | ui::vbCritical, error.source() + QStringLiteral(" - ") + routine);
}

void BarControl::SetHoverItem(int i)
{
    if (!m_settings.enabled || i < -1 || i >= m_items.count())
        i = -1;
    if (i == m_items.hoverIndex())
        return;
    const int old = m_items.hoverIndex();
    m_items.setHoverIndex(i);
    RepaintItem(old);
    RepaintItem(i);
}

// ---- properties ---------------------------------------------------------------------------

void BarControl::setCheckable(bool& checkable, bool& checked, bool value, const QString& name)
{
    if (!value)
        checked = false;
    setAndRefresh(checkable, value, name);
}

void BarControl::setCheckedIfCheckable(bool checkable, bool& checked, bool value, const QString& name)
{
    if (checkable)
        setAndRefresh(checked, value, name);
}

void BarControl::setImpresoraCheckable(bool value)
{
    setCheckable(m_settings.impresoraCheckable, m_settings.impresoraChecked, value, QStringLiteral("ImpresoraCheckable"));
}

void BarControl::setImpresoraChecked(bool value)
{
    setCheckedIfCheckable(m_settings.impresoraCheckable, m_settings.impresoraChecked, value, QStringLiteral("ImpresoraChecked"));
}

void BarControl::setCompartirCheckable(bool value)
{
    setCheckable(m_settings.compartirCheckable, m_settings.compartirChecked, value, QStringLiteral("CompartirCheckable"));
}

void BarControl::setCompartirChecked(bool value)
{
    setCheckedIfCheckable(m_settings.compartirCheckable, m_settings.compartirChecked, value, QStringLiteral("CompartirChecked"));
}

void BarControl::setGroupGap(float value)
{
    setAndRefresh(m_settings.groupGap, value < 0 ? 0.0f : value, QStringLiteral("GroupGap"));
}

void BarControl::setGroupBreakKey(const QString& value, const QString& name)
{
    setAndRefresh(m_settings.groupBreakKey, BarText::upperTrim(value), name);
}

void BarControl::setCaptions(bool value, const QString& name)
{
    setAndRefresh(m_settings.showCaptions, value, name);
}

void BarControl::setHorizontalFlag(bool value, const QString& name)
{
    m_settings.autoOrientation = false;
    setAndRefresh(m_settings.horizontal, value, name);
}

void BarControl::setAutoOrientacion(bool value)
{
    setAndRefresh(m_settings.autoOrientation, value, QStringLiteral("AutoOrientacion"));
}

void BarControl::setEnabled(const vb::Variant& value)
{
    const bool enabled = value.toBool();
    if (!enabled)
        m_items.setHoverIndex(-1);
    setAndRefresh(m_settings.enabled, enabled, QStringLiteral("Enabled"));
}

void BarControl::setItemHeight(float value)
{
    setAndRefresh(m_settings.itemHeight, value < 480 ? 480.0f : value, QStringLiteral("ItemHeight"));
}

void BarControl::setTopOffset(float value)
{
    setAndRefresh(m_settings.topOffset, value, QStringLiteral("TopOffset"));
}

void BarControl::setTopBotones(float value)
{
    setTopOffset(value);
    notify(QStringLiteral("TopBotones"));
}

void BarControl::setIconPixels42()
{
    m_settings.iconPx = 42;
    m_settings.iconSize = PixelsToTwips(42);
}

void BarControl::setImageFolder(const QString& value)
{
    setAndRefresh(m_settings.imageFolder, IconLocator::WithTrailingBackslash(value), QStringLiteral("ImageFolder"),
                  &BarControl::RefreshIcons);
}

void BarControl::setDebugMode(bool value)
{
    m_settings.debugMode = value;
    notify(QStringLiteral("DebugMode"));
}

void BarControl::applyContextStyle()
{
    ApplyColorStyle(ContextTheme());
}

void BarControl::setContextUserName(const QString& value)
{
    setAndRefresh(m_settings.contextUserName, BarText::trim(value), QStringLiteral("ContextUserName"),
                  &BarControl::applyContextStyle);
}

void BarControl::setContextDbName(const QString& value)
{
    setAndRefresh(m_settings.contextDbName, BarText::trim(value), QStringLiteral("ContextDbName"),
                  &BarControl::applyContextStyle);
}

// Turned on, the look is applied at once with the present captions setting.
void BarControl::applyEstiloTervo()
{
    if (m_settings.estiloTervo)
        AplicarEstiloTervo(m_settings.showCaptions, m_settings.iconPx);
    LayoutItems();
}

void BarControl::setEstiloTervo(bool value)
{
    setAndRefresh(m_settings.estiloTervo, value, QStringLiteral("EstiloTervo"), &BarControl::applyEstiloTervo);
}

void BarControl::setEstilo(int value)
{
    ApplyColorStyle(ColorStyle::ClampStyle(value));
    notify(QStringLiteral("Estilo"));
}

// The style comes from the user and database context, not from the value.
void BarControl::setTheme(int)
{
    applyContextStyle();
    notify(QStringLiteral("Theme"));
}

void BarControl::setNormalBackColor(long value)
{
    setOwnBackColor(value);
    setAndRefresh(m_settings.colors.normalBack, value, QStringLiteral("NormalBackColor"));
}

void BarControl::setActiveBackColor(long value)
{
    setAndRefresh(m_settings.colors.activeBack, value, QStringLiteral("ActiveBackColor"));
}

void BarControl::setActiveBarColor(long value)
{
    setAndRefresh(m_settings.colors.activeBar, value, QStringLiteral("ActiveBarColor"));
}

} // namespace commandbar
