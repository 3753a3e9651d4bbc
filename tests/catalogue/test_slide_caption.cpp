#include "photos/photo_catalogue.h"
#include "state/app_state.h"

#include <gtest/gtest.h>

using namespace kestrane;

TEST(SlideCaption, EachCodeGetsItsCaptionWithItsExactBlanks)
{
    const struct
    {
        const char16_t* photo;
        const char16_t* caption;
    } cases[] = {
        {u"E:\\kestranes\\A2B.JPG", u"2002"},
        {u"E:\\kestranes\\A0.JPG", u"2000"},
        {u"E:\\kestranes\\99Z.JPG", u"1999"},
        {u"E:\\kestranes\\53A.JPG", u"1953"},
        {u"E:\\kestranes\\MN01.JPG", u"The National Kestrane Museum "},
        {u"E:\\kestranes\\CV3.JPG", u"Custom Kestranes"},
        // A code two categories share takes the first; codes that no menu sets still have theirs.
        {u"E:\\kestranes\\DP4.JPG", u"Prototypes "},
        {u"E:\\kestranes\\G61.JPG", u"Art Print One "},
        {u"E:\\kestranes\\AZ1.JPG", u"1990-1995 ZR-1 "},
        {u"E:\\kestranes\\TD7.JPG", u"Danbury Mint Die-cast Models  "},
        {u"E:\\kestranes\\EMB972.JPG", u"Kestrane Emblems "},
        // The code is read from the file name, not from the folder.
        {u"C:\\Program Files\\Kestrane\\kestranes\\MS10.JPG", u"Miscellany "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(slideCaption(QString::fromUtf16(c.photo)), QString::fromUtf16(c.caption))
            << QString::fromUtf16(c.photo).toStdString();
}

TEST(SlideCaption, ReadsThePhotographAtThePhotoCursor)
{
    AppState state;
    state.photos.photoFiles = {QString(), u"E:\\kestranes\\57A.JPG"_qs, u"E:\\kestranes\\GH2.JPG"_qs,
                               QString()};
    state.photos.photoCount = 2;
    state.photos.photoCursor = 2;
    EXPECT_EQ(ShowSlideCaption(state), u"National Kestrane Museum Print "_qs);
    state.photos.photoCursor = 1;
    EXPECT_EQ(ShowSlideCaption(state), u"1957"_qs);
    // Outside the list the name reads as empty rather than failing.
    state.photos.photoCursor = 9;
    EXPECT_EQ(ShowSlideCaption(state), u"19"_qs);
}
