// The slide show's tables: interval spin, steps of both series, Middle, clip-art captions, the
// key handed to the main window, the clock texts and the random draws.
#include "photos/slide_random.h"
#include "photos/slide_rules.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <set>

using namespace kestrane;

TEST(SlideInterval, SpinWrapsBothWaysAndStepsByFiveAboveFiveSeconds)
{
    struct Row
    {
        qint32 from;
        qint32 down;
        qint32 up;
    };
    const Row rows[] = {
        {1000, 60000, 2000},
        {2000, 1000, 3000},
        {3000, 2000, 4000},
        {4000, 3000, 5000},
        {5000, 4000, 10000},
        {10000, 5000, 15000},
        {35000, 30000, 40000},
        {55000, 50000, 60000},
        {60000, 55000, 1000},
        // A value the spin never sets moves to its neighbour in the spin's direction.
        {0, 60000, 1000},
        {7000, 5000, 10000},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.from);
        EXPECT_EQ(spinSlideInterval(r.from, false), r.down);
        EXPECT_EQ(spinSlideInterval(r.from, true), r.up);
    }
    EXPECT_EQ(slideIntervalCaption(1000), u"1 seconds");
    EXPECT_EQ(slideIntervalCaption(60000), u"60 seconds");
    EXPECT_EQ(saverIntervalCaption(15000), u"15 Seconds");
    EXPECT_EQ(QString::fromUtf16(kFirstIntervalCaption), u" 1 second");
}

TEST(SlideSteps, PhotoStepsWrapAndForwardStepsNeverReachTheEmptyEntry)
{
    struct Row
    {
        int cursor;
        int count;
        SlideStep step;
        int expected;
    };
    const Row rows[] = {
        {1, 10, SlideStep::Fwd, 2},       {9, 10, SlideStep::Fwd, 1}, // landing on the last slide goes to 1
        {10, 10, SlideStep::Fwd, 1}, // past the last slide lies only the empty entry
        {0, 10, SlideStep::Fwd, 1},  // after a mode switch
        {1, 10, SlideStep::Bkwd, 10},     {0, 10, SlideStep::Bkwd, 10},     {5, 10, SlideStep::Bkwd, 4},
        {10, 50, SlideStep::JumpFwd, 30}, {30, 50, SlideStep::JumpFwd, 1}, // lands exactly on N
        {45, 50, SlideStep::JumpFwd, 1},  {5, 50, SlideStep::JumpBkwd, 50}, {30, 50, SlideStep::JumpBkwd, 10},
        {21, 50, SlideStep::JumpBkwd, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.cursor << " of " << r.count << " step " << int(r.step));
        EXPECT_EQ(stepSlideCursor(r.cursor, r.count, r.step), r.expected);
    }
}

TEST(SlideSteps, InsigniaStepsSkip1983AndWrapBetween1953And2002)
{
    struct Row
    {
        int y;
        SlideStep step;
        int expected;
    };
    const Row rows[] = {
        {82, SlideStep::Fwd, 84},      {81, SlideStep::Fwd, 82},       {102, SlideStep::Fwd, 53},
        {52, SlideStep::Fwd, 53},      {84, SlideStep::Bkwd, 82},      {53, SlideStep::Bkwd, 102},
        {52, SlideStep::Bkwd, 102},    {78, SlideStep::JumpFwd, 84},   {77, SlideStep::JumpFwd, 82},
        {97, SlideStep::JumpFwd, 102}, {98, SlideStep::JumpFwd, 53},   {88, SlideStep::JumpBkwd, 82},
        {63, SlideStep::JumpBkwd, 58}, {62, SlideStep::JumpBkwd, 102}, {89, SlideStep::JumpBkwd, 84},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.y << " step " << int(r.step));
        EXPECT_EQ(stepInsigniaYear(r.y, r.step), r.expected);
    }
    // The sequential tick runs 1953..1982, 1984..2002 and back, never into the extra sets.
    std::set<int> seen;
    int y = kInsigniaYearBeforeFirst;
    for (int i = 0; i < 100; ++i)
        seen.insert(y = nextInsigniaYear(y));
    EXPECT_EQ(seen.size(), 49u);
    EXPECT_EQ(*seen.begin(), 53);
    EXPECT_EQ(*seen.rbegin(), 102);
    EXPECT_EQ(seen.count(83), 0u);
}

TEST(SlideSteps, MiddleRoundsHalvesToTheEvenNeighbourAndNeverShowsSlideZero)
{
    const std::pair<int, int> rows[] = {{5, 2}, {7, 4}, {10, 5}, {3, 2}, {1, 1}, {2, 1}, {0, 0}};
    for (const auto& [count, middle] : rows)
        EXPECT_EQ(middleSlide(count), middle) << count;
}

TEST(ClipArtCaptions, EachStepReadsItsOwnColumnAndYearsKeepTheirBlanks)
{
    using R = ClipCaptionRule;
    struct Row
    {
        const char16_t* file;
        R rule;
        const char16_t* caption;
    };
    const Row rows[] = {
        {u"1953.jpg", R::Tick, u"1953"},
        {u"1953.jpg", R::ForwardStep, u" 1953"},
        {u"1953.jpg", R::BackwardStep, u" 1953"},
        {u"SKKES.JPG", R::Tick, u"Malibu Kestrane Ski Boat "},
        {u"SXKES.JPG", R::Tick, u"SXKE"}, // the tick wants both letters
        {u"SXKES.JPG", R::ForwardStep, u"Malibu Kestrane Ski Boat "},
        {u"CWKES.JPG", R::Tick, u"Halvard Twin-Turbo "},
        {u"CXKES.JPG", R::ForwardStep, u" CXKE"},
        {u"CXKES.JPG", R::BackwardStep, u"Halvard Twin-Turbo "},
        {u"HVKES.JPG", R::Tick, u"Halvard Twin-Turbo "},
        {u"HVKES.JPG", R::BackwardStep, u"Halvard Twin-Turbo "},
        {u"ZRKES.JPG", R::Tick, u"1990-1995 ZR-1 "},
        {u"ZXKES.JPG", R::Tick, u"ZXKE"},
        {u"ZXKES.JPG", R::BackwardStep, u"1990-1995 ZR-1 "},
        {u"skkes.jpg", R::Tick, u"skke"}, // exact, letter case included
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QString::fromUtf16(r.file).toStdString());
        EXPECT_EQ(clipArtCaption(QString::fromUtf16(r.file), r.rule), QString::fromUtf16(r.caption));
    }
    EXPECT_EQ(clipCaptionRule(SlideStep::Fwd), R::ForwardStep);
    EXPECT_EQ(clipCaptionRule(SlideStep::JumpBkwd), R::ForwardStep);
    EXPECT_EQ(clipCaptionRule(SlideStep::Bkwd), R::BackwardStep);
    EXPECT_EQ(clipCaptionRule(SlideStep::JumpFwd), R::BackwardStep);
}

TEST(SlideHandOver, TheMuseumsSlidesAndBlankedYearsBecomeTheMainWindowsKeys)
{
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        {u"The National Kestrane Museum ", u"National Kestrane Museum "},
        {u"1957", u"1957"},
        {u" 1953", u"1953"}, // a clip-art step
        {u"2001 ", u"2001"}, // an insignia set
        {u"Custom Kestranes", u"Custom Kestranes"},
        {u"Revell-Monogram Models  ", u"Revell-Monogram Models  "},
        {u"1990-1995 ZR-1 ", u"1990-1995 ZR-1 "},
        {u"1983", u""}, // no such year
        {u"SXKE", u""},
    };
    for (const auto& [caption, key] : rows)
        EXPECT_EQ(selectionKeyForSlide(QString::fromUtf16(caption)), QString::fromUtf16(key))
            << QString::fromUtf16(caption).toStdString();
}

TEST(SlideClock, PanelsReadTwelveHourTimeAndEnglishWhateverTheSystemLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    struct Row
    {
        QDateTime when;
        const char16_t* time;
        const char16_t* date;
        const char16_t* day;
    };
    const Row rows[] = {
        {{QDate(2002, 6, 15), QTime(15, 4, 5)}, u"03:04:05 pm", u"06/15/02", u"Saturday"},
        {{QDate(1999, 12, 31), QTime(0, 0, 0)}, u"12:00:00 am", u"12/31/99", u"Friday"},
        {{QDate(2001, 1, 1), QTime(12, 30, 59)}, u"12:30:59 pm", u"01/01/01", u"Monday"},
    };
    for (const Row& r : rows) {
        const ClockTexts texts = clockTexts(r.when);
        EXPECT_EQ(texts.time, QString::fromUtf16(r.time));
        EXPECT_EQ(texts.date, QString::fromUtf16(r.date));
        EXPECT_EQ(texts.day, QString::fromUtf16(r.day));
    }
    QLocale::setDefault(previous);
}

TEST(SlideRandom, EveryRunDrawsTheSameUniformSequenceWithRepeats)
{
    SlideRandom first;
    SlideRandom second;
    std::set<int> values;
    bool repeated = false;
    int previous = 0;
    for (int i = 0; i < 300; ++i) {
        const int a = first.draw(3);
        ASSERT_EQ(a, second.draw(3));
        ASSERT_GE(a, 1);
        ASSERT_LE(a, 3);
        repeated |= a == previous;
        previous = a;
        values.insert(a);
    }
    EXPECT_EQ(values.size(), 3u);
    EXPECT_TRUE(repeated);

    std::set<int> sets;
    SlideRandom insignia;
    for (int i = 0; i < 3000; ++i)
        sets.insert(insignia.drawInsigniaYear());
    EXPECT_EQ(sets.size(), 53u); // 53..106 without 83
    EXPECT_EQ(*sets.begin(), 53);
    EXPECT_EQ(*sets.rbegin(), 106);
    EXPECT_EQ(sets.count(83), 0u);
}
