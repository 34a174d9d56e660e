#include "MenuIconArtist.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>

namespace commandbar {

namespace {

void screen(QPainter& p, const QColor& ink, const QColor& accent)
{
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6, 8, 36, 24), 3, 3);
    p.fillRect(QRectF(10, 12, 28, 16), accent);
    p.drawLine(QPointF(24, 32), QPointF(24, 38));
    p.drawLine(QPointF(15, 40), QPointF(33, 40));
}

void printer(QPainter& p, const QColor& ink, const QColor& accent)
{
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(14, 6, 20, 10));
    p.drawRoundedRect(QRectF(6, 16, 36, 16), 3, 3);
    p.setBrush(accent);
    p.drawRect(QRectF(14, 26, 20, 16));
    p.setPen(QPen(ink, 2));
    p.drawLine(QPointF(18, 32), QPointF(30, 32));
    p.drawLine(QPointF(18, 37), QPointF(27, 37));
}

void magnifier(QPainter& p, const QColor& ink, const QColor& accent)
{
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(accent);
    p.drawEllipse(QPointF(20, 20), 12, 12);
    p.drawLine(QPointF(29, 29), QPointF(41, 41));
}

void bubble(QPainter& p, const QColor& ink, const QColor& accent)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(6, 8, 36, 24), 6, 6);
    QPainterPath tail;
    tail.moveTo(14, 30);
    tail.lineTo(12, 42);
    tail.lineTo(24, 31);
    tail.closeSubpath();
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(accent);
    p.drawPath(path.united(tail));
    p.setBrush(ink);
    p.setPen(Qt::NoPen);
    for (int x : {16, 24, 32})
        p.drawEllipse(QPointF(x, 20), 2.5, 2.5);
}

void door(QPainter& p, const QColor& ink, const QColor& accent)
{
    p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(20, 8), QPointF(8, 8));
    p.drawLine(QPointF(8, 8), QPointF(8, 40));
    p.drawLine(QPointF(8, 40), QPointF(20, 40));
    p.setPen(QPen(accent, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(18, 24), QPointF(40, 24));
    p.drawLine(QPointF(32, 16), QPointF(40, 24));
    p.drawLine(QPointF(32, 32), QPointF(40, 24));
}

} // namespace

QStringList MenuIconArtist::keys()
{
    return {QStringLiteral("PANTALLA"), QStringLiteral("IMPRESORA"), QStringLiteral("CONSULTAR"),
            QStringLiteral("COMPARTIR"), QStringLiteral("CERRAR")};
}

QStringList MenuIconArtist::states()
{
    return {QString(), QStringLiteral("over"), QStringLiteral("dis")};
}

QString MenuIconArtist::fileName(const QString& key, const QString& state)
{
    return state.isEmpty() ? key + QStringLiteral(".png") : key + u'_' + state + QStringLiteral(".png");
}

QColor MenuIconArtist::ink(const QString& state)
{
    if (state == QLatin1String("dis"))
        return QColor(150, 150, 150);
    return state == QLatin1String("over") ? QColor(255, 255, 255) : QColor(232, 232, 232);
}

QColor MenuIconArtist::accent(const QString& state)
{
    if (state == QLatin1String("dis"))
        return QColor(110, 110, 110, 160);
    return state == QLatin1String("over") ? QColor(255, 196, 64) : QColor(90, 160, 230);
}

QImage MenuIconArtist::draw(const QString& key, const QString& state)
{
    using Painter = void (*)(QPainter&, const QColor&, const QColor&);
    const QList<Painter> painters{screen, printer, magnifier, bubble, door};
    const qsizetype k = keys().indexOf(key);
    if (k < 0)
        return {};
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    painters[k](p, ink(state), accent(state));
    return image;
}

int MenuIconArtist::writeAll(const QString& folder)
{
    QDir().mkpath(folder);
    int written = 0;
    for (const QString& key : keys())
        for (const QString& state : states())
            written += draw(key, state).save(QDir(folder).filePath(fileName(key, state)), "PNG") ? 1 : 0;
    return written;
}

} // namespace commandbar
