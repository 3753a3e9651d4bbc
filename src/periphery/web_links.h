#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace kestrane {

class Processes;

// The sites the program links to. Their addresses are configuration (AboutInfo).
enum class WebSite : quint8 {
    Dealer,
    Marque, // the marque's official site
    Halvard,
    Venzi,
    Orbeck,
    Dromell,
    BoatMaker,
    SpecterWerkes,
    ArtistTwo, // the artist of Art Print Two
    Museum,
    ArtistFive, // the artist of Art Print Five
    CalendarMaker,
    OwnersAssociation, // the NKOA
    GameMaker,
    DanburyMint,
    FranklinMint,
    SignMaker,
    ModelMaker,
    PinballMaker,
    Hoyle,
    Maker, // the program's maker
};
inline constexpr int kWebSiteCount = int(WebSite::Maker) + 1;

// The name of a site's address in the configuration file.
const char16_t* webSiteKey(WebSite site);

// One row of Kestrane Website's table: a site and the selection keys that lead to it, compared
// exactly (trailing blanks count), or every key from "1955" to "2002" compared as text.
struct WebLinkRow
{
    WebSite site;
    std::array<const char16_t*, 5> keys{}; // unused places are null
    bool modelYears = false;
};

// The rows in the order they are tried; the first match wins, a key that matches none gets the
// marque's site.
std::span<const WebLinkRow> webLinkTable();

// The site Kestrane Website opens for a selection key.
WebSite webSiteFor(QStringView selectionKey);

// Opens an address in the user's browser. A failure (no browser) is not reported: the user
// sees that nothing opened, and there is nothing the program could do about it.
void openWebAddress(Processes& processes, const QString& address);

} // namespace kestrane
