#include "periphery/scroll_rules.h"

#include <QtMath>

#include <algorithm>

namespace kestrane {

namespace {

// Keys whose advertisements are landscape pages, shown at the screen's full width.
constexpr QStringView kFullWidthKeys[] = {
    u"1990-1995 ZR-1 ",
    u"1970",
    u"1982",
    u"1984",
    u"1985",
    u"1987",
    u"1989",
    u"1990",
    u"1991",
    u"1993",
    u"1994",
    u"1995",
    u"1997",
    u"1998",
};

// Their pictures have no whole-screen view.
constexpr QStringView kNoWholeScreenKeys[] = {u"Orbeck Cars ", u"Venzi Automotive Concepts "};

constexpr double kPortraitAspect = 0.77;

} // namespace

ScrollBarSetup scrollBarSetup(int pictureExtent, int viewportExtent)
{
    ScrollBarSetup setup;
    setup.maximum = pictureExtent - viewportExtent;
    setup.enabled = viewportExtent < pictureExtent;
    if (setup.enabled && viewportExtent > 0)
        setup.largeChange = std::max(1, setup.maximum / (pictureExtent / viewportExtent) / 6);
    return setup;
}

std::optional<WholeScreenView> wholeScreenView(QStringView key, QSize screen)
{
    if (std::find(std::begin(kNoWholeScreenKeys), std::end(kNoWholeScreenKeys), key) !=
        std::end(kNoWholeScreenKeys))
        return std::nullopt;
    WholeScreenView view;
    view.height = screen.height();
    const bool fullWidth =
        std::find(std::begin(kFullWidthKeys), std::end(kFullWidthKeys), key) != std::end(kFullWidthKeys);
    view.width = fullWidth ? screen.width() : qRound(view.height * kPortraitAspect);
    view.left = (screen.width() - view.width) / 2;
    return view;
}

} // namespace kestrane
