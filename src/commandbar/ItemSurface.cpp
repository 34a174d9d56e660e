#include "commandbar/ItemSurface.h"

#include <QPainter>

namespace commandbar {

ItemSurface::ItemSurface(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_surface.resize(size());
}

void ItemSurface::setBackColor(const QColor& color)
{
    surface().clear(color);
    update();
}

void ItemSurface::setPicture(const QImage& picture)
{
    surface().setPicture(picture);
    m_surface.clear(m_surface.backColor());
    update();
}

void ItemSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface.image());
}

DrawingSurface& ItemSurface::surface()
{
    m_surface.resize(size());
    return m_surface;
}

} // namespace commandbar
