#include "Twips.h"

#include <QWidget>
#include <cmath>

namespace ui {

int Twips::toPixels(double twips)
{
    return int(std::nearbyint(twips / perPixel)); // default rounding mode: halves to even
}

QRect Twips::fromPixels(const QRect& pixels)
{
    return {fromPixels(pixels.x()), fromPixels(pixels.y()), fromPixels(pixels.width()), fromPixels(pixels.height())};
}

QRect Twips::toPixels(const QRect& twips)
{
    return {toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()), toPixels(twips.height())};
}

void Twips::place(QWidget* widget, double left, double top, double width, double height)
{
    widget->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

QRect Twips::geometry(const QWidget* widget)
{
    return fromPixels(widget->geometry());
}

} // namespace ui
