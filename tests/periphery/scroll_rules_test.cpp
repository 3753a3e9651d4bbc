#include "periphery/scroll_rules.h"

#include <gtest/gtest.h>

using namespace kestrane;

TEST(ScrollRules, BarEnabledForAPictureThatFitsOrSteppingOtherwiseThanTheRule)
{
    const struct
    {
        int picture, viewport, maximum;
        bool enabled;
        int largeChange;
    } rows[] = {
        {1800, 600, 1200, true, 66}, // three times as wide: 1200 \ 3 \ 6
        {1350, 585, 765, true, 63},  // 765 \ 2 \ 6
        {601, 600, 1, true, 1},      // nothing left for a large change: one pixel
        {600, 600, 0, false, 1},     // equal extents
        {400, 600, -200, false, 1},  // a smaller picture
        {1800, 0, 1800, true, 1},    // a window with no room left lays out without dividing by zero
    };
    for (const auto& row : rows) {
        const ScrollBarSetup setup = scrollBarSetup(row.picture, row.viewport);
        EXPECT_EQ(setup.maximum, row.maximum) << row.picture << " in " << row.viewport;
        EXPECT_EQ(setup.enabled, row.enabled) << row.picture << " in " << row.viewport;
        EXPECT_EQ(setup.largeChange, row.largeChange) << row.picture << " in " << row.viewport;
    }
}

TEST(ScrollRules, WholeScreenViewTakesTheWrongShapeForAKey)
{
    const QSize screen(1024, 740);
    for (const char16_t* key : {u"1990-1995 ZR-1 ", u"1970", u"1982", u"1984", u"1985", u"1987", u"1989",
                                u"1990", u"1991", u"1993", u"1994", u"1995", u"1997", u"1998"}) {
        const auto view = wholeScreenView(key, screen);
        ASSERT_TRUE(view.has_value());
        EXPECT_EQ(view->width, 1024);
        EXPECT_EQ(view->left, 0);
        EXPECT_EQ(view->height, 740);
    }
    for (const char16_t* key : {u"1965", u"1996", u"2001", u"Race Cars ", u"1990-1995 ZR-1", u"Dalworth"}) {
        const auto view = wholeScreenView(key, screen);
        ASSERT_TRUE(view.has_value());
        EXPECT_EQ(view->width, 570); // 740 x 0.77, rounded
        EXPECT_EQ(view->left, (1024 - 570) / 2);
        EXPECT_EQ(view->height, 740);
    }
    EXPECT_FALSE(wholeScreenView(u"Orbeck Cars ", screen).has_value());
    EXPECT_FALSE(wholeScreenView(u"Venzi Automotive Concepts ", screen).has_value());
}
