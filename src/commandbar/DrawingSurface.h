#pragma once
// A picture that keeps what was drawn on it until it is cleared, addressed in twips.
// Resizing keeps the drawing in the part that still fits.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <vector>

class QPainter;

namespace commandbar {

class DrawingSurface {
public:
    void resize(const QSize& pixels);
    QSize size() const { return m_image.size(); }
    double scaleWidth() const;                      // twips
    double scaleHeight() const;

    // Fills the whole surface with the back colour and lays the picture, if any, at its top
    // left corner, dropping earlier drawings.
    void clear(const QColor& back);
    void setPicture(const QImage& picture) { m_picture = picture; }
    const QImage& picture() const { return m_picture; }
    const QColor& backColor() const { return m_back; }

    void fillRect(const QRectF& twips, const QColor& color);
    void outlineRect(const QRectF& twips, const QColor& color);
    void polyline(const std::vector<QPointF>& twips, const QColor& color);
    // A solid circle, outline and fill in one colour.
    void fillCircle(const QPointF& centreTwips, double radiusTwips, const QColor& color);
    void drawImage(const QRectF& pixels, const QImage& image);

    const QImage& image() const { return m_image; }
    QColor pixel(int x, int y) const { return m_image.pixelColor(x, y); }

private:
    void beginTwips(QPainter& painter);

    QImage m_image;
    QImage m_picture;
    QColor m_back = Qt::black;
};

} // namespace commandbar
