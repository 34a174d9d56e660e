#pragma once
// Lengths of the original are twips: 15 to a pixel (a 96 dpi screen). Twips to pixels
// rounds to the nearest pixel with halves to the even one, as the original's integer
// conversion does; pixels to twips is exact. A rectangle converts its left, top, width and
// height each on its own, so a width survives unchanged whatever the left edge is.

#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

class Twips {
public:
    static constexpr int perPixel = 15;

    static int fromPixels(int pixels) { return pixels * perPixel; }
    static int toPixels(double twips);
    static QRect fromPixels(const QRect& pixels);
    static QRect toPixels(const QRect& twips);

    // Places and sizes a widget given in twips, relative to its parent.
    static void place(QWidget* widget, double left, double top, double width, double height);
    static QRect geometry(const QWidget* widget);

    // A window's Left, Top, Width and Height are those of its outer frame, title bar and
    // borders included; the client area is what is left inside the frame. A window placed
    // before it is shown opens, once it has its frame, no smaller than its layout asks while the
    // screen has room: a smaller size saved by an earlier run, or the client size it had before
    // the frame was known, does not cut its content.
    static QRect windowGeometry(const QWidget* window);
    static void placeWindow(QWidget* window, double left, double top, double width, double height);
    // The outer box (pixels) a window placed at box opens at, when its content asks for that
    // size inside a frame of that thickness: grown to hold both as far as the available area
    // allows, and moved back into the area when growing took it past an edge.
    static QRect openingBox(const QRect& box, const QSize& frame, const QSize& content, const QRect& available);
    // The whole screen the widget is on (the primary screen without one), in twips.
    static QSize screenSize(const QWidget* widget = nullptr);
};

} // namespace ui
