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

// The top-left corner that brings box inside area, moving it as little as it can; a box larger
// than the area starts at the area's edge.
QPoint keptWithin(const QRect& box, const QRect& area)
{
    const auto within = [](int value, int least, int most) { return std::max(least, std::min(value, most)); };
    return {within(box.left(), area.left(), area.right() + 1 - box.width()),
            within(box.top(), area.top(), area.bottom() + 1 - box.height())};
}

void growToContent(QWidget* window)
{
    const QScreen* screen = window->screen();
    const QSize content = window->sizeHint();
    if (!screen || !content.isValid())
        return;
    const QSize frame = frameOf(window);
    const QRect box = window->frameGeometry();
    const QRect opened = Twips::openingBox(box, frame, content, screen->availableGeometry());
    if (opened == box)
        return;
    window->resize(opened.size() - frame);
    window->move(opened.topLeft());
}

// A window placed before it is shown has no frame yet: its client area takes the whole outer
// size, and the frame the window gets on showing would be added to it (the window grew by its
// frame at every start). Once the frame is known, or by the first paint, the outer size is
// given again, and then grown to what the window's content asks for.
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
            growToContent(m_window);
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

QRect Twips::openingBox(const QRect& box, const QSize& frame, const QSize& content, const QRect& available)
{
    const QSize wanted = (content + frame).boundedTo(available.size());
    const QSize size = box.size().expandedTo(wanted);
    if (size == box.size())
        return box;
    const QRect grown(box.topLeft(), size);
    return {keptWithin(grown, available), size};
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
