#include "photos/slide_layout.h"

#include <algorithm>
#include <cmath>

namespace kestrane {

namespace {

constexpr int kMargin = 120;
constexpr int kGap = 60;

// The slide at design size, and the compact layout's scale of it.
constexpr int kImageLeft = 120;
constexpr int kImageTop = 120;
constexpr int kImageWidth = 11640;
constexpr int kImageHeight = 7050;
constexpr double kCompactImageScale = 0.8;

// The tops of the rows; the compact values are the original's.
struct Rows
{
    int caption;   // panYear, SSCommand1, SSCommand2
    int buttonRow; // mmSlide
    int interval;  // panInterval, SpinInterval
    int status;    // PnlCoStar and the clock panels
};
constexpr Rows kDesignRows{7400, 7640, 7700, 8000};
constexpr Rows kCompactRows{5900, 6140, 6200, 6500};
constexpr int kRowBottom = 570; // below the caption row's top, where each control of it ends
constexpr int kStatusHeight = 330;

// Widths of the status row: the compact ones are the original's.
struct StatusWidths
{
    int coStar, date, day, time, exit;
};
constexpr StatusWidths kDesignStatus{4200, 1700, 1700, 2000, 1800};
constexpr StatusWidths kCompactStatus{3500, 1500, 1500, 1800, 1400};

constexpr int kColumnWidth = 2400;

} // namespace

int SlideLayout::pixels(double twips) const
{
    return int(std::lround(twips * scale / twipsPerPixel));
}

double SlideLayout::twips(int pixels) const
{
    return pixels * double(twipsPerPixel) / scale;
}

int SlideLayout::stageWidthTwips() const
{
    return int(std::lround(twips(stage.right() + 1) + kMargin));
}

double slideScale(int screenWidthPixels, int screenHeightPixels)
{
    return std::clamp(std::min(screenWidthPixels / 1024.0, screenHeightPixels / 768.0), 1.0, 2.0);
}

SlideLayout slideLayout(bool compact, double scale, int twipsPerPixel)
{
    SlideLayout l;
    l.compact = compact;
    l.scale = compact ? 1.0 : scale;
    l.twipsPerPixel = std::max(1, twipsPerPixel);
    auto rect = [&l](double left, double top, double width, double height) {
        const int x = l.pixels(left);
        const int y = l.pixels(top);
        return QRect(x, y, l.pixels(left + width) - x, l.pixels(top + height) - y);
    };

    const double imageScale = compact ? kCompactImageScale : 1.0;
    const double imageWidth = kImageWidth * imageScale;
    const double imageHeight = kImageHeight * imageScale;
    l.image1 = rect(kImageLeft, kImageTop, imageWidth, imageHeight);

    const Rows rows = compact ? kCompactRows : kDesignRows;
    const double columnLeft = kImageLeft + imageWidth + kMargin;
    const double clientWidth = compact ? 12000 : columnLeft + kColumnWidth + kMargin;
    const double columnWidth = clientWidth - kMargin - columnLeft;
    // The title picture of the insignia sets fills the window down to 400 twips above SSCommand1.
    l.stage = rect(kImageLeft, kImageTop, columnLeft - kMargin - kImageLeft, rows.caption - 400 - kImageTop);

    l.modes = rect(columnLeft, kImageTop, columnWidth, 1650);
    l.order = rect(columnLeft, kImageTop + 1650 + kMargin, columnWidth, 1200);
    l.photoNumber = rect(columnLeft, kImageTop + 1650 + 1200 + 2 * kMargin, columnWidth, 450);

    const double rowBottom = rows.caption + kRowBottom;
    l.panYear = rect(kMargin, rows.caption, 3900, 540);
    l.beginning = rect(4140, rows.caption, 1200, 540);
    l.middle = rect(5400, rows.caption, 1050, 540);
    l.mmSlide = rect(6570, rows.buttonRow, 7 * 480, rowBottom - rows.buttonRow);
    l.panInterval = rect(10050, rows.interval, 1275, rowBottom - rows.interval);
    l.spinInterval = rect(11370, rows.buttonRow + 30, 480, rowBottom - rows.buttonRow - 30);

    const StatusWidths widths = compact ? kCompactStatus : kDesignStatus;
    double left = kMargin;
    l.coStar = rect(left, rows.status, widths.coStar, kStatusHeight);
    left += widths.coStar + kGap;
    l.statusDate = rect(left, rows.status, widths.date, kStatusHeight);
    left += widths.date + kGap;
    l.statusDay = rect(left, rows.status, widths.day, kStatusHeight);
    left += widths.day + kGap;
    l.statusTime = rect(left, rows.status, widths.time, kStatusHeight);
    l.exit = rect(clientWidth - kMargin - widths.exit, rows.status, widths.exit, kStatusHeight);

    l.client = QSize(l.pixels(clientWidth), l.pixels(rows.status + kStatusHeight + kMargin));
    return l;
}

} // namespace kestrane
