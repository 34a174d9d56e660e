#include "commandbar/DrawingSurface.h"

#include "ui/Twips.h"

#include <QPainter>
#include <QPolygonF>

namespace commandbar {

void DrawingSurface::resize(const QSize& pixels)
{
    const QSize wanted = pixels.expandedTo(QSize(0, 0));
    if (wanted == m_image.size())
        return;
    QImage next(wanted, QImage::Format_ARGB32_Premultiplied);
    next.fill(m_back);
    if (!m_image.isNull() && !next.isNull()) {
        QPainter painter(&next);
        painter.drawImage(0, 0, m_image);
    }
    m_image = next;
}

double DrawingSurface::scaleWidth() const
{
    return ui::Twips::fromPixels(m_image.width());
}

double DrawingSurface::scaleHeight() const
{
    return ui::Twips::fromPixels(m_image.height());
}

void DrawingSurface::clear(const QColor& back)
{
    m_back = back;
    if (m_image.isNull())
        return;
    m_image.fill(back);
    if (!m_picture.isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, m_picture);
    }
}

void DrawingSurface::beginTwips(QPainter& painter)
{
    painter.scale(1.0 / ui::Twips::perPixel, 1.0 / ui::Twips::perPixel);
}

void DrawingSurface::fillRect(const QRectF& twips, const QColor& color)
{
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    beginTwips(painter);
    painter.fillRect(twips, color);
}

void DrawingSurface::outlineRect(const QRectF& twips, const QColor& color)
{
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    beginTwips(painter);
    painter.setPen(QPen(color, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(twips);
}

void DrawingSurface::polyline(const std::vector<QPointF>& twips, const QColor& color)
{
    if (m_image.isNull() || twips.size() < 2)
        return;
    QPainter painter(&m_image);
    beginTwips(painter);
    painter.setPen(QPen(color, 0));
    painter.drawPolyline(QPolygonF(QList<QPointF>(twips.begin(), twips.end())));
}

void DrawingSurface::fillCircle(const QPointF& centreTwips, double radiusTwips, const QColor& color)
{
    if (m_image.isNull())
        return;
    QPainter painter(&m_image);
    beginTwips(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 0));
    painter.setBrush(color);
    painter.drawEllipse(centreTwips, radiusTwips, radiusTwips);
}

void DrawingSurface::drawImage(const QRectF& pixels, const QImage& image)
{
    if (m_image.isNull() || image.isNull())
        return;
    QPainter painter(&m_image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(pixels, image);
}

} // namespace commandbar
