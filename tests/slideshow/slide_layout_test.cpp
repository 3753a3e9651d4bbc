// The slide-show window's geometry: the compact layout's fixed places and a design that keeps its
// controls apart and inside the window at every scale.
#include "photos/slide_layout.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kestrane;

TEST(SlideLayout, CompactLayoutPutsTheRowsWhereTheOriginalHadThem)
{
    const SlideLayout l = slideLayout(true, 1.7, 15);
    EXPECT_EQ(l.scale, 1.0); // the compact layout is its own size
    auto tw = [](int pixels) { return pixels * 15; };
    EXPECT_EQ(tw(l.panYear.top()), 5895); // 5900 twips, to the pixel
    EXPECT_EQ(l.panYear.top(), l.beginning.top());
    EXPECT_EQ(tw(l.mmSlide.top()), 6135);
    EXPECT_EQ(tw(l.panInterval.top()), 6195);
    for (const QRect& r : {l.coStar, l.statusDate, l.statusDay, l.statusTime})
        EXPECT_EQ(tw(r.top()), 6495);
    EXPECT_EQ(l.coStar.width(), 233);     // 3500 twips
    EXPECT_EQ(l.statusDate.width(), 100); // 1500
    EXPECT_EQ(l.statusDay.width(), 100);
    EXPECT_EQ(l.exit.width(), 93); // 1400
    EXPECT_LT(l.coStar.right(), l.statusDate.left());
    EXPECT_LT(l.statusDate.right(), l.statusDay.left());
    EXPECT_LT(l.statusDay.right(), l.statusTime.left());

    const SlideLayout design = slideLayout(false, 1.0, 15);
    EXPECT_EQ(l.image1.topLeft(), design.image1.topLeft());
    EXPECT_NEAR(l.image1.width(), design.image1.width() * 0.8, 1);
    EXPECT_NEAR(l.image1.height(), design.image1.height() * 0.8, 1);
    EXPECT_LE(l.client.width(), 800);
    EXPECT_LE(l.client.height() + 30, 600); // with a title bar on an 800 x 600 screen
}

TEST(SlideLayout, ControlsNeitherOverlapNorLeaveTheWindowAtAnyScale)
{
    struct Row
    {
        bool compact;
        double scale;
    };
    for (const Row& r : {Row{true, 1.0}, Row{false, 1.0}, Row{false, 1.25}, Row{false, 2.0}}) {
        SCOPED_TRACE(testing::Message() << "compact " << r.compact << " scale " << r.scale);
        const SlideLayout l = slideLayout(r.compact, r.scale, 15);
        const std::vector<QRect> controls = {l.image1,      l.modes,        l.order,  l.photoNumber,
                                             l.panYear,     l.beginning,    l.middle, l.mmSlide,
                                             l.panInterval, l.spinInterval, l.coStar, l.statusDate,
                                             l.statusDay,   l.statusTime,   l.exit};
        const QRect window(QPoint(0, 0), l.client);
        for (size_t i = 0; i < controls.size(); ++i) {
            EXPECT_TRUE(window.contains(controls[i])) << i;
            for (size_t j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(controls[i].intersects(controls[j])) << i << " and " << j;
        }
        EXPECT_TRUE(window.contains(l.stage));
        EXPECT_LT(l.stage.bottom(), l.beginning.top());
    }
}

TEST(SlideLayout, TheDesignGrowsWithTheScreenButNotBelowItsOwnSize)
{
    EXPECT_EQ(slideScale(800, 600), 1.0);
    EXPECT_EQ(slideScale(1024, 768), 1.0);
    EXPECT_EQ(slideScale(1280, 1024), 1.25);
    EXPECT_EQ(slideScale(3840, 2160), 2.0);
    const SlideLayout normal = slideLayout(false, 1.0, 15);
    const SlideLayout large = slideLayout(false, 1.25, 15);
    EXPECT_LE(normal.client.width(), 1024);
    EXPECT_LE(normal.client.height() + 30, 768);
    EXPECT_LE(large.client.width(), 1280);
    EXPECT_LE(large.client.height() + 30, 1024);
    EXPECT_NEAR(large.image1.width(), normal.image1.width() * 1.25, 1);
}
