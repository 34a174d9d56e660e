#include "codebox/BoxImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace codebox {

BoxImage::BoxImage(Kind kind, QWidget* parent) : QLabel(parent), m_kind(kind)
{
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

QPixmap BoxImage::picture(Kind kind, int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    const QColor colour = kind == Kind::Accept ? QColor(0, 140, 60) : kind == Kind::Add ? QColor(20, 90, 200) : QColor(200, 40, 40);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
    QPen pen(Qt::white, qMax<qreal>(1.5, s / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    switch (kind) {
    case Kind::Accept: {
        QPainterPath tick;
        tick.moveTo(s * 0.27, s * 0.52);
        tick.lineTo(s * 0.44, s * 0.69);
        tick.lineTo(s * 0.74, s * 0.33);
        p.drawPath(tick);
        break;
    }
    case Kind::Add:
        p.drawLine(QPointF(s * 0.5, s * 0.26), QPointF(s * 0.5, s * 0.74));
        p.drawLine(QPointF(s * 0.26, s * 0.5), QPointF(s * 0.74, s * 0.5));
        break;
    case Kind::Clear:
        p.drawLine(QPointF(s * 0.32, s * 0.32), QPointF(s * 0.68, s * 0.68));
        p.drawLine(QPointF(s * 0.68, s * 0.32), QPointF(s * 0.32, s * 0.68));
        break;
    }
    return pixmap;
}

void BoxImage::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void BoxImage::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and a release over the picture, as the original's images knew it.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

void BoxImage::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    setPixmap(picture(m_kind, qMin(width(), height())));
}

} // namespace codebox
