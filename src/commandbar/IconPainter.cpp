#include "commandbar/IconPainter.h"
#include "commandbar/BarText.h"
#include "commandbar/DrawingSurface.h"

#include "vb/Files.h"

#include <QImageReader>
#include <cmath>

namespace commandbar {

bool IconPainter::isPngName(const QString& path)
{
    return BarText::trim(path).right(4).toLower() == QLatin1String(".png");
}

QImage IconPainter::LoadPictureFile(const QString& path)
{
    if (BarText::trim(path).isEmpty())
        return {};
    QImageReader reader(vb::resolvePath(path));
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    return image.isNull() ? LoadPngPicture(path) : image;
}

QImage IconPainter::LoadPngPicture(const QString& path)
{
    if (!isPngName(path))
        return {};
    QImageReader reader(vb::resolvePath(path), "png");
    return reader.read();
}

QRect IconPainter::fitRect(const QSize& image, const QSize& box, QSize wanted, const QPoint& offset)
{
    if (image.width() <= 0 || image.height() <= 0 || box.width() <= 0 || box.height() <= 0)
        return {};
    if (wanted.width() < 1)
        wanted.setWidth(box.width());
    if (wanted.height() < 1)
        wanted.setHeight(box.height());
    QSize draw = image;
    if (wanted.width() < image.width() || wanted.height() < image.height()) {
        double r = double(wanted.width()) / image.width();
        if (image.height() * r > wanted.height())
            r = double(wanted.height()) / image.height();
        draw = QSize(std::max(1, int(std::lround(image.width() * r))), std::max(1, int(std::lround(image.height() * r))));
    }
    const int x = std::max(0, (box.width() - draw.width()) / 2 + offset.x());
    const int y = std::max(0, (box.height() - draw.height()) / 2 + offset.y());
    return QRect(QPoint(x, y), draw);
}

bool IconPainter::drawImage(DrawingSurface& surface, const QImage& image, int wantedPixels)
{
    const QRect target = fitRect(image.size(), surface.size(), QSize(wantedPixels, wantedPixels));
    if (target.isEmpty())
        return false;
    surface.clear(surface.backColor());
    surface.drawImage(target, image);
    return true;
}

bool IconPainter::drawFile(DrawingSurface& surface, const QString& file, int wantedPixels)
{
    return drawImage(surface, LoadPictureFile(file), wantedPixels);
}

} // namespace commandbar
