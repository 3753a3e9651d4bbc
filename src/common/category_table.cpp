#include "common/category_table.h"

#include <iterator>

namespace kestrane {

namespace {

using enum CategoryMenu;
constexpr PageButtons N = kTheNine;
constexpr InsigniaSet kAll = kAllInsignia;
constexpr InsigniaSet kEmblemsAndClipArt = kClipArtPicture | kFrontEmblem | kRearEmblem | kSideEmblem;
constexpr const char16_t* S = kStatistics;
constexpr const char16_t* D = kDetails;
constexpr const char16_t* W = kDefaultWeb;

constexpr CategoryRow kRows[] = {
    {u"Kestrane Emblems ", u"EM", Own, u"mnuEmblems", D, D, W, N | kDesc | kAd, kAll, nullptr, true},
    {u"Miscellany ", u"MS", Own, u"mnuMiscellany", S, S, W, N | kDesc | kStats | kAd, kAll, nullptr, true},
    {u"Top Ten Kestrane People ", u"TT", Own, u"mnuTopTen", S, S, W, N | kStats | kAd, kAll},
    {u"National Kestrane Museum ", u"MN", Own, u"mnuMus(1)", S, D, u"Kestrane Museum Website", N | kAd, kAll,
     u"The National Kestrane Museum ", true},
    {u"Kestrane Americana ", u"MA", Own, u"mnuMus(2)", S, D, W, N, 0, nullptr, true},
    {u"Additional Clip Art ", u"CA", Shared, u"mnuArt(0)", D, D, W, N | kDesc | kStats | kAd, kAll},
    {u"Art Print Two ", u"GB", Shared, u"mnuArt(2)", D, D, W, N | kAd, kAll, nullptr, true},
    {u"National Kestrane Museum Print ", u"GH", Shared, u"mnuArt(3)", D, D, u"Kestrane Museum Website",
     N | kAd, kAll, nullptr, true},
    {u"Art Print Five ", u"GL", Shared, u"mnuArt(4)", D, D, W, N | kAd, kAll, nullptr, true},
    {u"Car Stuff Kestrane Calendars ", u"TC", Shared, u"mnukestystuff(0)", S, D,
     u"Car Stuff Calendar Website", N | kStats | kAd, kAll},
    {u"Kestrane Holiday Cards ", u"TX", Shared, u"mnukestystuff(1)", S, D, u"NKOA Website", N | kAd, kAll,
     nullptr, true},
    {u"Kestrane Monopoly Game ", u"US", Shared, u"mnukestystuff(2)", S, D, W, N | kStats | kAd, kAll},
    {u"Danbury Mint Die-cast Models  ", u"TD", Shared, u"mnukestystuff(3)", S, D, u"Danbury Mint Website",
     N | kAd, kAll, nullptr, true},
    {u"Franklin Mint Collector Knives ", u"TE", Shared, u"mnukestystuff(4)", S, D, u"Franklin Mint Website",
     N | kStats | kAd, kAll},
    {u"Franklin Mint Collector Plates ", u"TP", Shared, u"mnukestystuff(5)", S, D, u"Franklin Mint Website",
     N | kStats | kAd, kAll},
    {u"Franklin Mint Die-cast Models  ", u"TF", Shared, u"mnukestystuff(6)", S, D, u"Franklin Mint Website",
     N | kAd, kAll, nullptr, true},
    {u"Franklin Mint Fuel Injected Engine ", u"TI", Shared, u"mnukestystuff(7)", S, D,
     u"Franklin Mint Website", N | kAd, kAll, nullptr, true},
    {u"Franklin Mint Kestrane Pocket Watch ", u"TW", Shared, u"mnukestystuff(8)", S, D,
     u"Franklin Mint Website", N | kStats | kAd, kAll, nullptr, true},
    {u"Kestrane Metal Signs ", u"VM", Shared, u"mnukestystuff(9)", S, D, W, N | kAd, kAll, nullptr, true},
    {u"Revell-Monogram Models  ", u"VR", Shared, u"mnukestystuff(10)", D, D, W, N | kAd, kAll, nullptr, true},
    {u"Kestrane Pinball Machine ", u"XP", Shared, u"mnukestystuff(11)", S, D, W, N | kStats, kAll, nullptr,
     true},
    {u"Kestrane Coin ", u"ZY", Shared, u"mnukestystuff(12)", D, D, W, N | kStats | kAd, kAll},
    {u"Kestrane Philately ", u"ZZ", Shared, u"mnukestystuff(13)", D, D, W, N | kAd, kAll, nullptr, true},
    {u"Kestrane Rubber Stamps ", u"ZW", Shared, u"mnukestystuff(14)", D, D, W, N | kStats | kAd, kAll,
     nullptr, true},
    {u"Hoyle Kestrane Playing Cards ", u"ZX", Shared, u"mnukestystuff(15)", D, D, W, N | kDesc | kStats | kAd,
     kAll, nullptr, true},
    {u"Halvard C12 ", u"BC", Specialty, u"mnuSpecialty(0)", S, S, u"Halvard Website",
     kOptions | kColors | kClipArt | kNostalgia | kBrochure, kClipArtPicture},
    {u"Halvard Twin-Turbo ", u"CC", Specialty, u"mnuSpecialty(1)", S, S, u"Halvard Website",
     kNostalgia | kBrochure | kAd, 0},
    {u"Custom Kestranes", u"CV", Specialty, u"mnuSpecialty(2)", D, D, W, N | kDesc | kAd, kAll, nullptr,
     true},
    {u"Venzi Automotive Concepts ", u"GS", Specialty, u"mnuSpecialty(3)", S, S, u"Venzi Website",
     kClipArt | kEmblem | kEmbRear | kEmbSide | kNostalgia | kBrochure, kEmblemsAndClipArt},
    {u"Orbeck Cars ", u"FL", Specialty, u"mnuSpecialty(4)", S, S, u"Orbeck Website",
     kStats | kOptions | kColors | kClipArt | kNostalgia | kBrochure, kEmblemsAndClipArt},
    {u"Dromell Cars ", u"FM", Specialty, u"mnuSpecialty(5)", kFeatures, kFeatures, u"Dromell Website",
     kOptions | kColors | kClipArt | kNostalgia | kBrochure, 0},
    {u"Malibu Kestrane Ski Boat ", u"ES", Specialty, u"mnuSpecialty(6)", S, S, u"Malibu Website",
     kNostalgia | kBrochure, 0},
    {u"Prototypes ", u"DP", Specialty, u"mnuSpecialty(7)", D, D, W, N | kDesc, kAll, nullptr, true},
    {u"Race Cars ", u"DR", Specialty, u"mnuSpecialty(8)", D, D, W,
     (N & ~(kScript | kEmblem)) | kDesc | kStats | kAd, 0, nullptr, true},
    {u"Specter Werkes GTR Roadster ", u"GT", Specialty, u"mnuSpecialty(9)", D, D, u"Specter Werkes Website",
     N | kStats, kAll, nullptr, true},
    {u"1990-1995 ZR-1 ", u"AZ", Specialty, u"mnuSpecialty(10)", S, S, W, kNostalgia | kBrochure, 0},
    {u"Kestrane Prototypes ", u"DP", None, u"", D, D, W, 0, 0},
    {u"Art Print One ", u"G6", None, u"", D, D, W, 0, 0},
    {u"Art Print Three ", u"GD", None, u"", D, D, W, 0, 0},
    {u"Art Print Four ", u"GF", None, u"", D, D, W, 0, 0},
};

constexpr const char16_t* kChain[] = {
    u"1990-1995 ZR-1 ",
    u"Halvard C12 ",
    u"Halvard Twin-Turbo ",
    u"Venzi Automotive Concepts ",
    u"Orbeck Cars ",
    u"Dromell Cars ",
    u"Prototypes ",
    u"Race Cars ",
    u"Malibu Kestrane Ski Boat ",
    u"Specter Werkes GTR Roadster ",
    u"Custom Kestranes",
    u"Additional Clip Art ",
    u"Art Print Two ",
    u"National Kestrane Museum Print ",
    u"Art Print Five ",
    u"Car Stuff Kestrane Calendars ",
    u"Kestrane Holiday Cards ",
    u"Kestrane Monopoly Game ",
    u"Danbury Mint Die-cast Models  ",
    u"Franklin Mint Collector Knives ",
    u"Franklin Mint Collector Plates ",
    u"Franklin Mint Die-cast Models  ",
    u"Franklin Mint Fuel Injected Engine ",
    u"Franklin Mint Kestrane Pocket Watch ",
    u"Kestrane Metal Signs ",
    u"Revell-Monogram Models  ",
    u"Kestrane Pinball Machine ",
    u"Kestrane Coin ",
    u"Kestrane Philately ",
    u"Kestrane Rubber Stamps ",
    u"Hoyle Kestrane Playing Cards ",
    u"Kestrane Emblems ",
    u"Miscellany ",
    u"Top Ten Kestrane People ",
};

} // namespace

std::span<const CategoryRow> categoryTable()
{
    return kRows;
}

const CategoryRow* findCategory(QStringView key)
{
    for (const CategoryRow& row : kRows)
        if (key == QStringView(row.title))
            return &row;
    return nullptr;
}

QString categorySlideCaption(QStringView code)
{
    for (const CategoryRow& row : kRows)
        if (code == QStringView(row.code))
            return QString::fromUtf16(row.slideCaption ? row.slideCaption : row.title);
    return {};
}

std::span<const char16_t* const> tourChain()
{
    return kChain;
}

int tourChainIndex(QStringView key)
{
    for (size_t i = 0; i < std::size(kChain); ++i)
        if (key == QStringView(kChain[i]))
            return int(i);
    return -1;
}

} // namespace kestrane
