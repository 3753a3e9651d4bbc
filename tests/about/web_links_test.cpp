#include "periphery/about_info.h"
#include "periphery/web_links.h"

#include <gtest/gtest.h>

#include <set>

using namespace kestrane;

namespace {

struct KeyCase
{
    const char16_t* key;
    WebSite site;
};

using enum WebSite;

// Every row of the table, and the keys that look like a row's but are not.
constexpr KeyCase kCases[] = {
    {u"Dalworth", Dealer},
    {u"1955", Marque},
    {u"1978", Marque},
    {u"2002", Marque},
    {u"1990-1995 ZR-1 ", Marque}, // inside "1955".."2002" as text
    {u"1953", Marque},            // outside the range, the default row
    {u"1954", Marque},
    {u"Halvard C12 ", Halvard},
    {u"Halvard Twin-Turbo ", Halvard},
    {u"Venzi Automotive Concepts ", Venzi},
    {u"Orbeck Cars ", Orbeck},
    {u"Dromell Cars ", Dromell},
    {u"Malibu Kestrane Ski Boat ", BoatMaker},
    {u"Specter Werkes GTR Roadster ", SpecterWerkes},
    {u"Art Print Two ", ArtistTwo},
    {u"National Kestrane Museum ", Museum},
    {u"National Kestrane Museum Print ", Museum},
    {u"Art Print Five ", ArtistFive},
    {u"Car Stuff Kestrane Calendars ", CalendarMaker},
    {u"Kestrane Holiday Cards ", OwnersAssociation},
    {u"Kestrane Monopoly Game ", GameMaker},
    {u"Danbury Mint Die-cast Models  ", DanburyMint},
    {u"Franklin Mint Collector Knives ", FranklinMint},
    {u"Franklin Mint Collector Plates ", FranklinMint},
    {u"Franklin Mint Die-cast Models  ", FranklinMint},
    {u"Franklin Mint Fuel Injected Engine ", FranklinMint},
    {u"Franklin Mint Kestrane Pocket Watch ", FranklinMint},
    {u"Kestrane Metal Signs ", SignMaker},
    {u"Revell-Monogram Models  ", ModelMaker},
    {u"Kestrane Pinball Machine ", PinballMaker},
    {u"Kestrane Rubber Stamps ", Hoyle},
    {u"Hoyle Kestrane Playing Cards ", Hoyle},
    // Exact comparison: a blank more or less, or another letter case, is another key.
    {u"Halvard C12", Marque},
    {u"Danbury Mint Die-cast Models ", Marque},
    {u"Franklin Mint Die-cast Models ", Marque},
    {u"dalworth", Marque},
    {u"DALWORTH", Marque},
    {u"Art Print One ", Marque},
    {u"Race Cars ", Marque},
    {u"panYear", Marque},
    {u"", Marque},
    {u"2002 ", Marque},
};

} // namespace

TEST(WebLinks, AWrongSiteForAnySelectionKeyOfTheTable)
{
    for (const KeyCase& c : kCases)
        EXPECT_EQ(webSiteFor(QStringView(c.key)), c.site)
            << '"' << QString::fromUtf16(c.key).toStdString() << '"';
}

// A row placed after one that also matches its keys would never be reached.
TEST(WebLinks, ARowShadowedByAnEarlierOne)
{
    for (const WebLinkRow& row : webLinkTable()) {
        for (const char16_t* key : row.keys) {
            if (key) {
                EXPECT_EQ(webSiteFor(QStringView(key)), row.site) << QString::fromUtf16(key).toStdString();
            }
        }
    }
    ASSERT_FALSE(webLinkTable().empty());
    EXPECT_EQ(webLinkTable()[0].site, Dealer);
    EXPECT_TRUE(webLinkTable()[1].modelYears);
}

TEST(WebLinks, ASiteWithoutAnAddressOrTwoSitesSharingOne)
{
    const AboutInfo info = builtInAboutInfo();
    std::set<QString> addresses;
    for (int i = 0; i < kWebSiteCount; ++i) {
        const QString& address = info.site(WebSite(i));
        EXPECT_TRUE(address.startsWith(u"https://"_qs))
            << QString::fromUtf16(webSiteKey(WebSite(i))).toStdString();
        addresses.insert(address);
    }
    EXPECT_EQ(int(addresses.size()), kWebSiteCount);
}
