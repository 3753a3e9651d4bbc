#include "shell/menu_table.h"

#include "common/control_names.h"

#include <array>

namespace kestrane {

namespace {

constexpr int N = kNoIndex;
constexpr bool S = true;  // separator before
constexpr bool o = false; // none

// clang-format off
constexpr std::array kMenuTable = std::to_array<MenuItem>({
    {u"mnuFile", N, u"&File", nullptr, o},
    {u"mnuWallPaper", N, u"Create &Wallpaper Instructions", u"mnuFile", S},
    {u"mnuCopyPhoto", N, u"Copy Photo", u"mnuFile", o},
    {u"mnuCopy", N, u"&Copy CD-ROM photos to hard drive", u"mnuFile", S},
    {u"mnuRemove", N, u"&Remove photos from hard drive", u"mnuFile", o},
    {u"mnuCopyMovies", N, u"&Copy CD-ROM movies to hard drive", u"mnuFile", S},
    {u"mnuRemoveMovies", N, u"&Remove movies from hard drive", u"mnuFile", o},
    {u"mnuSaver", N, u"&Install Screen saver", u"mnuFile", S},
    {u"mnuVideo", N, u"Install Intel &Video Software", u"mnuFile", o},
    {u"mnuPrintPhoto", N, u"Print &Photo", u"mnuFile", S},
    {u"mnuPrnt", N, u"Print &Booklet", u"mnuFile", o},
    {u"mnuPrint", N, u"Print &Setup", u"mnuFile", o},
    {u"mnuCheckScreen", N, u"Check Screen Resolution Setting", u"mnuFile", S},
    {u"mnuNames", N, u"Show File &Names", u"mnuFile", S},
    {u"mnuExit", N, u"E&xit", u"mnuFile", S},

    {u"mnuSound", N, u"Sound &Effects", nullptr, o},
    {u"mnuMovies", N, u"&Movies", nullptr, o},

    {u"mnuLiterature", N, u"&Literature", nullptr, o},
    {u"mnuTopTen", N, u"Top Ten Kestrane &People", u"mnuLiterature", o},
    {u"mnuOstrel1", N, u"&Shark Quarterly Interview with Ostrel", u"mnuLiterature", o},
    {u"mnuGarrow", N, u"&Garrow Interview with Ostrel", u"mnuLiterature", o},
    {u"mnuLitArticles", N, u"Kestrane &Articles", u"mnuLiterature", o},
    {u"mnuArticles", 1, u"&Hand Signals and Other Greetings", u"mnuLitArticles", o},
    {u"mnuArticles", 2, u"&Commemorating the C4", u"mnuLitArticles", o},
    {u"mnuArticles", 3, u"&Long Live the King!", u"mnuLitArticles", o},
    {u"mnuArticles", 4, u"&Save the Wave", u"mnuLitArticles", o},
    {u"mnuArticles", 5, u"&The Ten second Trip", u"mnuLitArticles", o},
    {u"mnuArticles", 6, u"The &Moment", u"mnuLitArticles", o},
    {u"mnuArticles", 7, u"&Z06 - 2001 Car of the Year", u"mnuLitArticles", o},
    {u"mnuBooks", N, u"Kestrane &Books", u"mnuLiterature", o},
    {u"mnuCatalogs", N, u"Kestrane &Catalogs", u"mnuLiterature", o},
    {u"mnuMagazines", N, u"Kestrane &Magazines", u"mnuLiterature", o},
    {u"mnuMag", 1, u"Kestrane &Capers", u"mnuMagazines", o},
    {u"mnuMag", 2, u"Kestrane &Fever", u"mnuMagazines", o},
    {u"mnuMag", 3, u"Kestrane &Journal", u"mnuMagazines", o},
    {u"mnuMag", 4, u"Kestrane &Magasinet", u"mnuMagazines", o},
    {u"mnuMag", 5, u"Kestrane &Quarterly", u"mnuMagazines", o},
    {u"mnuMag", 6, u"Kestrane &Restorer", u"mnuMagazines", o},
    {u"mnuMag", 7, u"Kestrane &Trader", u"mnuMagazines", o},
    {u"mnuMag", 8, u"For &Kestys Only", u"mnuMagazines", o},
    {u"mnuMag", 9, u"&Shark Quarterly", u"mnuMagazines", o},
    {u"mnuMag", 10, u"The Yankee &Lady Gazette", u"mnuMagazines", o},
    {u"mnuMag", 11, u"K&esty Magazine", u"mnuMagazines", o},
    {u"mnuMag", 12, u"Kesty V&ues", u"mnuMagazines", o},
    {u"mnuMag", 13, u"&Y-Car On-Line", u"mnuMagazines", o},

    {u"mnuMisc", N, u"Mis&cellaneous", nullptr, o},
    {u"mnuADs", N, u"Kestrane &Advertising Checklist", u"mnuMisc", o},
    {u"mnuEngines", N, u"Kestrane &Engines", u"mnuMisc", o},
    {u"mnuEmblems", N, u"Kestrane Em&blems", u"mnuMisc", o},
    {u"mnuGlossary", N, u"Kestrane &Glossary", u"mnuMisc", o},
    {u"mnuMiscellany", N, u"&Miscellany", u"mnuMisc", o},
    {u"mnuMuseums", N, u"&Kestrane Museums", u"mnuMisc", o},
    {u"mnuMus", 1, u"&National Kestrane Museum", u"mnuMuseums", o},
    {u"mnuMus", 2, u"&Kestrane Americana", u"mnuMuseums", o},
    {u"mnuTimeLine", N, u"Kestrane &Timeline", u"mnuMisc", o},
    {u"MnuIDKesty", N, u"Kestrane &Identification Guide", u"mnuMisc", o},
    {u"mnuPenrow", N, u"&The Illustrated Kestrane", u"mnuMisc", o},

    {u"mnuArtWork", N, u"&Artwork", nullptr, o},
    {u"mnuArt", 0, u"Additional &Clip Art", u"mnuArtWork", o},
    {u"mnuArt", 2, u"&Art Print Two", u"mnuArtWork", o},
    {u"mnuArt", 3, u"&National Kestrane Museum", u"mnuArtWork", o},
    {u"mnuArt", 4, u"&Art Print Five", u"mnuArtWork", o},

    {u"mnustuff", N, u"&Kesty Stuff", nullptr, o},
    {u"mnukestystuff", 0, u"&Car Stuff Kestrane Calendars", u"mnustuff", o},
    {u"mnukestystuff", 1, u"Kestrane &Holiday Cards", u"mnustuff", o},
    {u"mnukestystuff", 2, u"Kestrane Monopoly &Game", u"mnustuff", o},
    {u"mnukestystuff", 3, u"Danbury &Die-Cast Models", u"mnustuff", o},
    {u"mnukestystuff", 4, u"Franklin Mint Collector &Knives", u"mnustuff", o},
    {u"mnukestystuff", 5, u"Franklin Mint Collector P&lates", u"mnustuff", o},
    {u"mnukestystuff", 6, u"Franklin Mint &Die-Cast Models", u"mnustuff", o},
    {u"mnukestystuff", 7, u"Franklin Mint &Fuel Injected Engine", u"mnustuff", o},
    {u"mnukestystuff", 8, u"Franklin Mint Kestrane Pocket watch", u"mnustuff", o},
    {u"mnukestystuff", 9, u"Kestrane &Metal Signs", u"mnustuff", o},
    {u"mnukestystuff", 10, u"&Revell-Monogram Models", u"mnustuff", o},
    {u"mnukestystuff", 11, u"Kestrane &Pinball Machine", u"mnustuff", o},
    {u"mnukestystuff", 12, u"Kestrane C&oin", u"mnustuff", o},
    {u"mnukestystuff", 13, u"Kestrane Philatel&y", u"mnustuff", o},
    {u"mnukestystuff", 14, u"Kestrane &Rubber Stamps", u"mnustuff", o},
    {u"mnukestystuff", 15, u"Hoyle Kestrane Playing Cards ", u"mnustuff", o},

    {u"mnuSpecial", N, u"S&pecialty", nullptr, o},
    {u"mnuSpecialty", 0, u"Halvard C&12", u"mnuSpecial", o},
    {u"mnuSpecialty", 1, u"&Halvard Twin Turbo", u"mnuSpecial", o},
    {u"mnuSpecialty", 2, u"&Custom Kestranes", u"mnuSpecial", o},
    {u"mnuSpecialty", 3, u"&Venzi Automotive Concepts", u"mnuSpecial", o},
    {u"mnuSpecialty", 4, u"&Orbeck", u"mnuSpecial", o},
    {u"mnuSpecialty", 5, u"&Dromell Cars", u"mnuSpecial", o},
    {u"mnuSpecialty", 6, u"Malibu Kestrane &Boat", u"mnuSpecial", o},
    {u"mnuSpecialty", 7, u"&Prototypes", u"mnuSpecial", o},
    {u"mnuSpecialty", 8, u"&Race Cars", u"mnuSpecial", o},
    {u"mnuSpecialty", 9, u"Specter &Werkes GTR Roadster", u"mnuSpecial", o},
    {u"mnuSpecialty", 10, u"&ZR-1", u"mnuSpecial", o},

    {u"mnuSlideShow", N, u"&SlideShow", nullptr, o},
    {u"mnuDalworth", N, u"&Dalworth", nullptr, o},
    {u"mnuHideStatus", N, u"HideStatus&Bar", nullptr, o},
    {u"mnuWeb", N, u"Kestrane &Website", nullptr, o},

    {u"mnuHelp", N, u"&Help", nullptr, o},
    {u"mnuContents", N, u"&Contents", u"mnuHelp", o},
    {u"mnuQXSoftware", N, u"Visit the Quoxel Software Website", u"mnuHelp", S},
    {u"mnuWhatsNew", N, u"&What's New", u"mnuHelp", S},
    {u"mnuIntro", N, u"&Introduction", u"mnuHelp", o},
    {u"mnuNotice", N, u"&Notice", u"mnuHelp", o},
    {u"mnuCredits", N, u"C&redits", u"mnuHelp", o},
    {u"mnuContrib", N, u"Contri&butions", u"mnuHelp", o},
    {u"mnuSysInfo", N, u"&System Info", u"mnuHelp", S},
    {u"mnuAbout", N, u"&About", u"mnuHelp", o},

    {u"mnuExit2", N, u"Exit", nullptr, o},
});
// clang-format on

bool sameName(const char16_t* a, const char16_t* b)
{
    return a && b && std::u16string_view(a) == std::u16string_view(b);
}

} // namespace

std::span<const MenuItem> menuTable()
{
    return kMenuTable;
}

bool isSubmenu(const MenuItem& item)
{
    for (const MenuItem& other : kMenuTable) {
        if (sameName(other.parent, item.name))
            return true;
    }
    return false;
}

QString menuObjectName(const MenuItem& item)
{
    return item.index == kNoIndex ? names::name(item.name) : names::indexed(item.name, item.index);
}

} // namespace kestrane
