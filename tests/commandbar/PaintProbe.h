#pragma once
// Reading back what a bar painted (label colours, pixels of an item's check-mark corner) and
// icon files to paint.

#include "commandbar/DrawingSurface.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QLabel>

namespace cbartest {

inline QColor captionColor(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

inline QColor labelBackColor(const QLabel* label)
{
    return label->palette().color(QPalette::Window);
}

// Pixels of one colour in the check-mark corner of an item box.
inline int countInCorner(const commandbar::DrawingSurface& s, const QColor& color)
{
    int n = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = s.size().width() - 17; x < s.size().width(); ++x)
            n += s.pixel(x, y) == color ? 1 : 0;
    return n;
}

// The bytes of a PNG file of one colour.
inline QByteArray png(int w, int h, const QColor& color = Qt::red)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace cbartest
