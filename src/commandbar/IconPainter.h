#pragma once
// Reads icon pictures and draws them into an item's icon surface: shrunk to the wanted size
// when larger, aspect kept, centred, never enlarged.

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

namespace commandbar {

class DrawingSurface;

class IconPainter {
public:
    // Any picture format the platform reads; a null image when the file cannot be read.
    static QImage LoadPictureFile(const QString& path);
    // PNG only, by name: null for any other name.
    static QImage LoadPngPicture(const QString& path);

    // Where an image of that pixel size goes in a box, wanted gives the largest size (a side
    // below 1 takes the box's). An empty rectangle when nothing can be drawn.
    static QRect fitRect(const QSize& image, const QSize& box, QSize wanted, const QPoint& offset = {});

    // Clears the surface to its back colour and draws the file; false when nothing was drawn.
    static bool drawFile(DrawingSurface& surface, const QString& file, int wantedPixels);
    static bool drawImage(DrawingSurface& surface, const QImage& image, int wantedPixels);

    static bool isPngName(const QString& path);
};

} // namespace commandbar
