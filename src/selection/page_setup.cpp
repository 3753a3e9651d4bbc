#include "selection/page_setup.h"

#include "common/category_table.h"
#include "common/year_keys.h"
#include "selection/insignia.h"

#include <QStringView>

#include <array>

namespace kestrane {

namespace {

struct SetupRow
{
    const char16_t* title;
    ButtonSetup setup;
};

constexpr PageButtons N = kTheNine;
constexpr InsigniaSet kEmblemsAndClipArt = kClipArtPicture | kFrontEmblem | kRearEmblem | kSideEmblem;
constexpr ButtonSetup kNoDescStatsAd{N | kDesc | kStats | kAd, 0, false};
constexpr ButtonSetup kNoDescAd{N | kDesc | kAd, 0, false};
constexpr ButtonSetup kNoStatsAd{N | kStats | kAd, 0, false};
constexpr ButtonSetup kNoStats{N | kStats, 0, false};
constexpr ButtonSetup kNoAdDetails{N | kAd, 0, true};

constexpr SetupRow kSetup[] = {
    {u"Miscellany ", kNoDescStatsAd},
    {u"Additional Clip Art ", kNoDescStatsAd},
    {u"Hoyle Kestrane Playing Cards ", kNoDescStatsAd},
    {u"Kestrane Emblems ", kNoDescAd},
    {u"Custom Kestranes", kNoDescAd},
    {u"Prototypes ", {N | kDesc, 0, false}},
    {u"Top Ten Kestrane People ", kNoStatsAd},
    {u"Kestrane Coin ", kNoStatsAd},
    {u"Kestrane Rubber Stamps ", kNoStatsAd},
    {u"Car Stuff Kestrane Calendars ", kNoStatsAd},
    {u"Kestrane Monopoly Game ", kNoStatsAd},
    {u"Franklin Mint Collector Knives ", kNoStatsAd},
    {u"Franklin Mint Collector Plates ", kNoStatsAd},
    {u"Specter Werkes GTR Roadster ", kNoStats},
    {u"Kestrane Pinball Machine ", kNoStats},
    {u"National Kestrane Museum ", kNoAdDetails},
    {u"Kestrane Philately ", kNoAdDetails},
    {u"Kestrane Metal Signs ", kNoAdDetails},
    {u"Kestrane Holiday Cards ", kNoAdDetails},
    {u"Danbury Mint Die-cast Models  ", kNoAdDetails},
    {u"Franklin Mint Die-cast Models  ", kNoAdDetails},
    {u"Franklin Mint Fuel Injected Engine ", kNoAdDetails},
    {u"Franklin Mint Kestrane Pocket Watch ", kNoAdDetails},
    {u"Art Print Two ", kNoAdDetails},
    {u"National Kestrane Museum Print ", kNoAdDetails},
    {u"Revell-Monogram Models  ", kNoAdDetails},
    {u"Art Print Five ", kNoAdDetails},
    {u"Race Cars ",
     {kDesc | kStats | kOptions | kColors | kEmbRear | kEmbSide | kClipArt | kAd | kNostalgia | kBrochure, 0,
      false}},
    {u"Halvard C12 ", {kOptions | kColors | kClipArt | kNostalgia | kBrochure, kClipArtPicture, false}},
    {u"Halvard Twin-Turbo ", {kNostalgia | kBrochure | kAd, 0, false}},
    {u"Orbeck Cars ",
     {kStats | kOptions | kColors | kClipArt | kNostalgia | kBrochure, kEmblemsAndClipArt, false}},
    {u"Venzi Automotive Concepts ",
     {kClipArt | kEmblem | kEmbRear | kEmbSide | kNostalgia | kBrochure, kEmblemsAndClipArt, false}},
    {u"Dromell Cars ", {kOptions | kColors | kClipArt | kNostalgia | kBrochure, 0, false}},
    {u"Malibu Kestrane Ski Boat ", {kNostalgia | kBrochure, 0, false}},
};

// The category-page routine disables cmdStats for these and enables cmdAd for the pinball only.
constexpr std::array<const char16_t*, 7> kCategoryPageNoStats{{
    u"Franklin Mint Collector Knives ",
    u"Kestrane Coin ",
    u"Franklin Mint Collector Plates ",
    u"Franklin Mint Kestrane Pocket Watch ",
    u"Hoyle Kestrane Playing Cards ",
    u"Car Stuff Kestrane Calendars ",
    u"Kestrane Pinball Machine ",
}};
constexpr char16_t kPinball[] = u"Kestrane Pinball Machine ";
constexpr char16_t kZr1[] = u"1990-1995 ZR-1 ";

} // namespace

ButtonSetup categoryButtonSetup(const QString& key)
{
    for (const SetupRow& row : kSetup)
        if (QStringView(key) == QStringView(row.title))
            return row.setup;
    return {};
}

RefreshPlan planRefresh(const QString& key)
{
    RefreshPlan plan;
    plan.setup = categoryButtonSetup(key);
    if (key == QStringView(kZr1))
        plan.setup.disabled |= kNostalgia | kBrochure;
    // The refresh keeps the selection's own code: reading a title's third and fourth characters
    // would leave the photo browser searching for a code no photograph has.
    plan.categoryCode = codeForKey(key);
    const CategoryRow* row = findCategory(key);
    plan.hideAll = row && row->hidden == kAllInsignia;
    if (row && !plan.hideAll) {
        for (Insignia picture : kInsigniaRefreshOrder)
            if (!hasOwnInsigniaFile(picture, key))
                plan.hideInstead |= picture;
    }
    return plan;
}

CategoryPageStates categoryPageStates(const QString& key)
{
    CategoryPageStates states;
    states.disable = kTheNine;
    for (const char16_t* title : kCategoryPageNoStats)
        if (QStringView(key) == QStringView(title))
            states.disable |= kStats;
    if (QStringView(key) == QStringView(kPinball))
        states.enable |= kAd;
    else
        states.disable |= kAd;
    return states;
}

} // namespace kestrane
