#pragma once
// Where a bar's items go, in twips of the bar's own surface. Pure geometry: the widgets only
// apply what this computes, so both bars share one rule set.

#include <QRectF>
#include <QString>
#include <vector>

namespace commandbar {

struct BarLayoutInput {
    double scaleWidth = 0;
    double scaleHeight = 0;
    double itemWidth = 0;            // <= 0 takes the default 540
    double itemHeight = 0;           // <= 0 takes the default 480
    bool autoOrientation = true;
    bool horizontal = false;
    double topOffset = 10;
    double groupGap = 0;
    QString groupBreakKey;
    double buttonGap = 0;            // extra spacing the tab bar adds after each item
    // The command bar keeps room for captions in a vertical layout even when they are hidden;
    // the tab bar packs its items when its captions are off.
    bool reserveCaptionRoom = true;
    struct Slot {
        bool shown = false;          // in use and visible
        QString key;
    };
    std::vector<Slot> entries;
};

struct BarLayoutResult {
    bool horizontal = true;
    QRectF separator;                // empty when the bar is too small for a band
    std::vector<QRectF> items;       // one per slot; empty rectangles for hidden slots
};

class BarLayout {
public:
    static constexpr double DefaultItemWidth = 540;
    static constexpr double DefaultItemHeight = 480;
    static constexpr double FirstLeft = 120;
    static constexpr double HorizontalStepExtra = 120;
    static constexpr double HorizontalTopShift = -60;
    static constexpr double VerticalTopExtra = 80;
    static constexpr double VerticalBottomMargin = 60;
    static constexpr double CaptionReserve = 400;
    static constexpr double VerticalGap = 20;
    static constexpr double HorizontalSeparatorStart = 975;
    static constexpr double VerticalSeparatorStart = 1020;

    static bool isHorizontal(const BarLayoutInput& in);
    static BarLayoutResult compute(const BarLayoutInput& in);

    // The controls of one item around its box r.
    static constexpr double CaptionExtra = 45;
    static constexpr double CaptionMinimum = 400;
    static constexpr double CaptionOverlap = 12;
    static constexpr double CaptionFitMargin = 20;   // a caption is fitted to its width less this
    static double captionHeight(double textHeight);
    // The command bar lets the caption overlap the box by 12 twips; the tab bar puts it below.
    static QRectF captionRect(const QRectF& r, double height, double offset = -CaptionOverlap);
    static QRectF accentBarRect(const QRectF& r, double captionBottom);
    static QRectF badgeRect(const QRectF& r);
    // Left edge of the check-mark box on a surface of that width.
    static double checkBoxLeft(double surfaceWidth);

private:
    static int shownCount(const BarLayoutInput& in);
    static double verticalGap(const BarLayoutInput& in, double itemHeight);
    static QRectF separatorBand(const BarLayoutInput& in, bool horizontal);
};

} // namespace commandbar
