#include "FormPlacement.h"

#include "ui/Control.h"
#include "ui/Twips.h"
#include "vb/Conversions.h"

#include <QWidget>

#include <algorithm>

namespace app {

namespace {
enum BorderStyle { None = 0, FixedSingle = 1, Sizable = 2, FixedDialog = 3, FixedToolWindow = 4 };

const QString topProperty = QStringLiteral("Top");
const QString leftProperty = QStringLiteral("Left");
const QString widthProperty = QStringLiteral("Width");
const QString heightProperty = QStringLiteral("Height");

QString twipsText(int twips)
{
    return vb::CStr(vb::Variant(std::int32_t(twips)));
}
}

int FormPlacement::borderStyle(const QWidget* form)
{
    const QVariant declared = form->property("BorderStyle");
    if (declared.isValid())
        return declared.toInt();
    return form->minimumSize() == form->maximumSize() ? FixedSingle : Sizable;
}

bool FormPlacement::hasFixedBorder(const QWidget* form)
{
    const int style = borderStyle(form);
    return style == FixedSingle || style == FixedDialog || style == FixedToolWindow;
}

StoredProperty FormPlacement::keyOf(const QWidget* form, const QString& dataField, const QString& property)
{
    const QString name = ui::Control::name(form);
    return {name, name, dataField, property, {}};
}

QList<StoredProperty> FormPlacement::rowsOf(const QWidget* form, const QString& dataField)
{
    const QRect box = ui::Twips::windowGeometry(form);
    QList<StoredProperty> rows;
    const std::pair<QString, int> values[] = {
        {topProperty, box.y()}, {leftProperty, box.x()}, {widthProperty, box.width()}, {heightProperty, box.height()}};
    for (const auto& [property, twips] : values) {
        rows.append(keyOf(form, dataField, property));
        rows.last().value = twipsText(twips);
    }
    return rows;
}

QRectF FormPlacement::keptOnScreen(QRectF box, const QSizeF& screen)
{
    const double sw = screen.width();
    const double sh = screen.height();
    double left = box.x(), top = box.y(), width = box.width(), height = box.height();
    if (left < 0 || left > sw)
        left = 0;
    if (top < 0 || top > sh)
        top = 0;
    width = std::max(std::min(width, sw), MinimumSize);
    height = std::max(height, MinimumSize);
    // A window saved on a larger or further screen would otherwise open with its title bar
    // or its right side out of reach.
    if (left + width > sw)
        left = std::max(0.0, sw - width);
    if (top + height > sh)
        top = std::max(0.0, sh - height);
    return {left, top, width, height};
}

void FormPlacement::restore(QWidget* form, const QString& dataField, const StoredValues& values)
{
    const QRect current = ui::Twips::windowGeometry(form);
    double left = current.x(), top = current.y(), width = current.width(), height = current.height();
    if (const auto text = values.first(keyOf(form, dataField, topProperty)))
        top = vb::Val(*text);
    if (const auto text = values.first(keyOf(form, dataField, leftProperty)))
        left = vb::Val(*text);
    if (!hasFixedBorder(form)) {
        if (const auto text = values.first(keyOf(form, dataField, widthProperty)))
            width = vb::Val(*text);
        if (const auto text = values.first(keyOf(form, dataField, heightProperty)))
            height = vb::Val(*text);
    }
    const QRectF box = keptOnScreen({left, top, width, height}, QSizeF(ui::Twips::screenSize(form)));
    ui::Twips::placeWindow(form, box.x(), box.y(), box.width(), box.height());
}

} // namespace app
