#include "Twips.h"

#include <QGuiApplication>
#include <QEvent>
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

namespace {

QSize frameOf(const QWidget* window)
{
    return window->frameGeometry().size() - window->geometry().size();
}

void resizeOuter(QWidget* window, const QSize& outer)
{
    const QSize frame = frameOf(window);
    window->resize(std::max(0, outer.width() - frame.width()), std::max(0, outer.height() - frame.height()));
}

// A window placed before it is shown has no frame yet: its client area takes the whole outer
// size, and the frame the window gets on showing would be added to it (the window grew by its
// frame at every start). Once the frame is known, or by the first paint, the outer size is
// given again.
class OuterSizeOnShow : public QObject {
public:
    OuterSizeOnShow(QWidget* window, const QSize& outer) : QObject(window), m_window(window), m_outer(outer)
    {
        setObjectName(objectNameOf());
        window->installEventFilter(this);
    }
    static QString objectNameOf() { return QStringLiteral("ui_Twips_OuterSizeOnShow"); }
    void setOuter(const QSize& outer) { m_outer = outer; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const bool painted = event->type() == QEvent::Paint;
        if (event->type() != QEvent::Show && !painted)
            return false;
        if (!frameOf(m_window).isEmpty() || painted) {
            m_window->removeEventFilter(this);
            resizeOuter(m_window, m_outer);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
    QSize m_outer;
};

} // namespace

void Twips::placeWindow(QWidget* window, double left, double top, double width, double height)
{
    const QSize outer(toPixels(width), toPixels(height));
    window->move(toPixels(left), toPixels(top));
    resizeOuter(window, outer);
    auto* pending = window->findChild<OuterSizeOnShow*>(OuterSizeOnShow::objectNameOf(), Qt::FindDirectChildrenOnly);
    if (pending)
        pending->setOuter(outer);
    else if (!window->isVisible())
        new OuterSizeOnShow(window, outer);
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
