#include "commandbar/BarLayout.h"
#include "commandbar/BarText.h"

namespace commandbar {

bool BarLayout::isHorizontal(const BarLayoutInput& in)
{
    return in.autoOrientation ? in.scaleWidth >= in.scaleHeight : in.horizontal;
}

int BarLayout::shownCount(const BarLayoutInput& in)
{
    int n = 0;
    for (const auto& slot : in.entries)
        n += slot.shown ? 1 : 0;
    return n;
}

// The gap between vertical items shrinks to make them fit, never grows past 20 and never
// goes negative: items that still do not fit run past the bottom edge.
double BarLayout::verticalGap(const BarLayoutInput& in, double itemHeight)
{
    const int n = shownCount(in);
    double gap = VerticalGap;
    if (n > 1) {
        const double firstTop = in.topOffset + VerticalTopExtra;
        const double g = (in.scaleHeight - VerticalBottomMargin - firstTop - n * itemHeight - n * CaptionReserve) / (n - 1);
        if (g < VerticalGap)
            gap = g;
    }
    return gap < 0 ? 0 : gap;
}

QRectF BarLayout::separatorBand(const BarLayoutInput& in, bool horizontal)
{
    if (horizontal && in.scaleHeight > HorizontalSeparatorStart)
        return QRectF(QPointF(0, HorizontalSeparatorStart), QPointF(in.scaleWidth, in.scaleHeight));
    if (!horizontal && in.scaleWidth > VerticalSeparatorStart)
        return QRectF(QPointF(VerticalSeparatorStart, 0), QPointF(in.scaleWidth, in.scaleHeight));
    return {};
}

BarLayoutResult BarLayout::compute(const BarLayoutInput& in)
{
    BarLayoutResult out;
    const double w = in.itemWidth > 0 ? in.itemWidth : DefaultItemWidth;
    const double h = in.itemHeight > 0 ? in.itemHeight : DefaultItemHeight;
    out.horizontal = isHorizontal(in);
    out.separator = separatorBand(in, out.horizontal);

    const double top = in.topOffset + HorizontalTopShift;
    const double step = in.reserveCaptionRoom ? CaptionReserve + (out.horizontal ? 0 : verticalGap(in, h)) : 0;
    const QString brk = BarText::upperTrim(in.groupBreakKey);
    double x = FirstLeft;
    double y = in.topOffset + VerticalTopExtra;

    out.items.resize(in.entries.size());
    for (size_t i = 0; i < in.entries.size(); ++i) {
        const auto& slot = in.entries[i];
        if (!slot.shown)
            continue;
        const bool opensGap = in.groupGap > 0 && !brk.isEmpty() && BarText::upperTrim(slot.key) == brk;
        if (out.horizontal) {
            out.items[i] = QRectF(x, top, w, h);
            x += w + HorizontalStepExtra + in.buttonGap + (opensGap ? in.groupGap : 0);
        } else {
            out.items[i] = QRectF(FirstLeft, y, w, h);
            y += h + step + in.buttonGap + (opensGap ? in.groupGap : 0);
        }
    }
    return out;
}

double BarLayout::captionHeight(double textHeight)
{
    const double h = textHeight + CaptionExtra;
    return h < CaptionMinimum ? CaptionMinimum : h;
}

QRectF BarLayout::captionRect(const QRectF& r, double height, double offset)
{
    return QRectF(r.left(), r.top() + r.height() + offset, r.width(), height);
}

QRectF BarLayout::accentBarRect(const QRectF& r, double captionBottom)
{
    return QRectF(r.left() - 80, r.top(), 60, captionBottom - r.top());
}

QRectF BarLayout::badgeRect(const QRectF& r)
{
    return QRectF(r.left() + r.width() - 240 - 75, r.top() + 75, 240, 225);
}

double BarLayout::checkBoxLeft(double surfaceWidth)
{
    const double x = surfaceWidth - 230 - 14;
    return x < 0 ? 0 : x;
}

} // namespace commandbar
