#include "common/category_table.h"
#include "common/year_keys.h"
#include "selection/page_setup.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace kestrane;

TEST(YearKeys, ButtonsSkip1983AndEndWithTheA0ToA2Years)
{
    struct Row
    {
        int button;
        const char16_t* key;
        const char16_t* code;
    };
    const Row rows[] = {
        {1, u"1953", u"53"},  {5, u"1957", u"57"},  {30, u"1982", u"82"}, {31, u"1984", u"84"},
        {46, u"1999", u"99"}, {47, u"2000", u"A0"}, {48, u"2001", u"A1"}, {49, u"2002", u"A2"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.button);
        EXPECT_EQ(yearKeyForButton(r.button), QString::fromUtf16(r.key));
        EXPECT_EQ(codeForKey(QString::fromUtf16(r.key)), QString::fromUtf16(r.code));
    }
    QStringList keys;
    for (int i = 1; i <= kYearButtonCount; ++i) {
        keys << yearKeyForButton(i);
        EXPECT_EQ(yearButtonForKey(keys.last()), i);
    }
    EXPECT_FALSE(keys.contains(u"1983"_qs));
    EXPECT_EQ(keys.removeDuplicates(), 0);
    EXPECT_EQ(yearButtonForKey(u"1983"), 0);
    EXPECT_TRUE(yearKeyForButton(0).isEmpty());
    EXPECT_TRUE(yearKeyForButton(50).isEmpty());
}

TEST(YearKeys, TitlesAreMatchedExactlyWithTheirBlanks)
{
    EXPECT_EQ(codeForKey(u"Custom Kestranes"_qs), u"CV");
    // With a blank it is no title: read as a year, characters 3 and 4.
    EXPECT_EQ(codeForKey(u"Custom Kestranes "_qs), u"st");
    EXPECT_EQ(codeForKey(u"Revell-Monogram Models  "_qs), u"VR");
    EXPECT_EQ(codeForKey(u"Revell-Monogram Models "_qs), u"ve");
    EXPECT_EQ(codeForKey(u"Prototypes "_qs), u"DP");
    EXPECT_EQ(codeForKey(u"Kestrane Prototypes "_qs), u"DP");
    EXPECT_EQ(codeForKey(u"miscellany "_qs), u"sc");
}

TEST(YearKeys, PhotoStepsRaiseTheButtonAfterTheYear)
{
    struct Row
    {
        const char16_t* code;
        int button;
        bool enable;
    };
    const Row rows[] = {
        {u"53", 2, false},  {u"57", 6, false}, {u"82", 31, false}, {u"84", 32, false},
        {u"99", 47, false}, {u"A0", 48, true}, {u"A1", 49, true},  {u"A2", 1, true},
        {u"MS", 1, false},  {u"G6", 1, false}, {u"AZ", 1, false},  {u" s", 1, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QString::fromUtf16(r.code).toStdString());
        const FrontButton f = frontButtonForCode(QString::fromUtf16(r.code));
        EXPECT_EQ(f.button, r.button);
        EXPECT_EQ(f.enable, r.enable);
    }
}

TEST(PageSetup, TheRefreshKeepsTheSelectionsOwnCode)
{
    EXPECT_EQ(planRefresh(u"1957"_qs).categoryCode, u"57");
    EXPECT_EQ(planRefresh(u"2001"_qs).categoryCode, u"A1");
    EXPECT_EQ(planRefresh(u"Kestrane Emblems "_qs).categoryCode, u"EM");
    EXPECT_EQ(planRefresh(u"Malibu Kestrane Ski Boat "_qs).categoryCode, u"ES");
    const RefreshPlan zr1 = planRefresh(u"1990-1995 ZR-1 "_qs);
    EXPECT_EQ(zr1.categoryCode, u"AZ");
    EXPECT_EQ(zr1.setup.disabled, kNostalgia | kBrochure);
    EXPECT_EQ(zr1.hideInstead, 0);
}

TEST(PageSetup, CategoriesWithoutInsigniaOfTheirOwnHideInsteadOfReloading)
{
    struct Row
    {
        const char16_t* key;
        bool hideAll;
        InsigniaSet hideInstead;
    };
    const Row rows[] = {
        {u"1957", false, 0},
        {u"Miscellany ", true, 0},
        {u"Custom Kestranes", true, 0},
        {u"Race Cars ", false, kRearEmblem | kSideEmblem | kClipArtPicture},
        {u"Dromell Cars ", false, kClipArtPicture},
        {u"Halvard C12 ", false, kClipArtPicture},
        {u"Halvard Twin-Turbo ", false, 0},
        {u"Kestrane Americana ", false, kAllInsignia},
        {u"Art Print One ", false, kAllInsignia},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QString::fromUtf16(r.key).toStdString());
        const RefreshPlan plan = planRefresh(QString::fromUtf16(r.key));
        EXPECT_EQ(plan.hideAll, r.hideAll);
        EXPECT_EQ(plan.hideInstead, r.hideInstead);
    }
}

TEST(PageSetup, TheCategoryPageRoutineEnablesTheAdOnlyForThePinball)
{
    const CategoryPageStates pinball = categoryPageStates(u"Kestrane Pinball Machine "_qs);
    EXPECT_EQ(pinball.disable, kTheNine | kStats);
    EXPECT_EQ(pinball.enable, kAd);
    const CategoryPageStates coin = categoryPageStates(u"Kestrane Coin "_qs);
    EXPECT_EQ(coin.disable, kTheNine | kStats | kAd);
    const CategoryPageStates cards = categoryPageStates(u"Kestrane Holiday Cards "_qs);
    EXPECT_EQ(cards.disable, kTheNine | kAd);
    EXPECT_EQ(cards.enable, 0);
}
