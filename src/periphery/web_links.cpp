#include "periphery/web_links.h"

#include "platform/services.h"

namespace kestrane {

namespace {

using enum WebSite;

constexpr WebLinkRow kRows[] = {
    {Dealer, {u"Dalworth"}},
    {Marque, {}, true},
    {Halvard, {u"Halvard C12 ", u"Halvard Twin-Turbo "}},
    {Venzi, {u"Venzi Automotive Concepts "}},
    {Orbeck, {u"Orbeck Cars "}},
    {Dromell, {u"Dromell Cars "}},
    {BoatMaker, {u"Malibu Kestrane Ski Boat "}},
    {SpecterWerkes, {u"Specter Werkes GTR Roadster "}},
    {ArtistTwo, {u"Art Print Two "}},
    {Museum, {u"National Kestrane Museum ", u"National Kestrane Museum Print "}},
    {ArtistFive, {u"Art Print Five "}},
    {CalendarMaker, {u"Car Stuff Kestrane Calendars "}},
    {OwnersAssociation, {u"Kestrane Holiday Cards "}},
    {GameMaker, {u"Kestrane Monopoly Game "}},
    {DanburyMint, {u"Danbury Mint Die-cast Models  "}},
    {FranklinMint,
     {u"Franklin Mint Collector Knives ", u"Franklin Mint Collector Plates ",
      u"Franklin Mint Die-cast Models  ", u"Franklin Mint Fuel Injected Engine ",
      u"Franklin Mint Kestrane Pocket Watch "}},
    {SignMaker, {u"Kestrane Metal Signs "}},
    {ModelMaker, {u"Revell-Monogram Models  "}},
    {PinballMaker, {u"Kestrane Pinball Machine "}},
    {Hoyle, {u"Kestrane Rubber Stamps ", u"Hoyle Kestrane Playing Cards "}},
};

constexpr std::array<const char16_t*, kWebSiteCount> kKeys = {
    u"Dealer",       u"Marque",        u"Halvard",           u"Venzi",        u"Orbeck",
    u"Dromell",      u"BoatMaker",     u"SpecterWerkes",     u"ArtistTwo",    u"Museum",
    u"ArtistFive",   u"CalendarMaker", u"OwnersAssociation", u"GameMaker",    u"DanburyMint",
    u"FranklinMint", u"SignMaker",     u"ModelMaker",        u"PinballMaker", u"Hoyle",
    u"Maker",
};

bool matches(const WebLinkRow& row, QStringView key)
{
    // Compared as text, as the original did: "1990-1995 ZR-1 " lies inside, "1953" does not.
    if (row.modelYears)
        return key.compare(u"1955") >= 0 && key.compare(u"2002") <= 0;
    for (const char16_t* candidate : row.keys)
        if (candidate && key == QStringView(candidate))
            return true;
    return false;
}

} // namespace

const char16_t* webSiteKey(WebSite site)
{
    return kKeys[size_t(site)];
}

std::span<const WebLinkRow> webLinkTable()
{
    return kRows;
}

WebSite webSiteFor(QStringView selectionKey)
{
    for (const WebLinkRow& row : kRows)
        if (matches(row, selectionKey))
            return row.site;
    return Marque;
}

void openWebAddress(Processes& processes, const QString& address)
{
    if (!address.isEmpty())
        processes.openUrl(address);
}

} // namespace kestrane
