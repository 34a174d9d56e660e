#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
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

QRect Twips::windowGeometry(const QWidget* window)
{
    return fromPixels(window->frameGeometry());
}

void Twips::placeWindow(QWidget* window, double left, double top, double width, double height)
{
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    window->move(toPixels(left), toPixels(top));
    window->resize(std::max(0, toPixels(width) - frame.width()), std::max(0, toPixels(height) - frame.height()));
}

QSize Twips::screenSize(const QWidget* widget)
{
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize pixels = screen->geometry().size();
    return {fromPixels(pixels.width()), fromPixels(pixels.height())};
}

} // namespace ui
