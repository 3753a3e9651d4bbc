#include "periphery/about_info.h"
#include "platform/fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace kestrane;

TEST(AboutInfo, ABuiltInTextMissingFromTheShippedFile)
{
    const AboutInfo info = builtInAboutInfo();
    EXPECT_FALSE(info.makerName.isEmpty());
    EXPECT_FALSE(info.makerStreet.isEmpty());
    EXPECT_FALSE(info.makerTown.isEmpty());
    EXPECT_FALSE(info.copyrightLine.trimmed().isEmpty());
    // The copyright sign and the line stay apart.
    EXPECT_TRUE(info.copyrightLine.startsWith(u' '));
    for (int i = 0; i < kWebSiteCount; ++i)
        EXPECT_FALSE(info.site(WebSite(i)).isEmpty())
            << QString::fromUtf16(webSiteKey(WebSite(i))).toStdString();
}

TEST(AboutInfo, AnEditedFileMisreadOrItsGapsLeftEmpty)
{
    AboutInfo defaults;
    defaults.makerName = u"Default Maker"_qs;
    defaults.makerStreet = u"1 Default Street"_qs;
    defaults.sites[size_t(WebSite::Museum)] = u"https://museum.example/"_qs;
    const QByteArray text = "\xEF\xBB\xBF[maker]\r\n"
                            "; a comment\r\n"
                            "# Name = a comment too\r\n"
                            "NAME = Edited Maker  \r\n"
                            "Town=\"  Spaced Town  \"\r\n"
                            "Street=\r\n"
                            "no equals sign here\r\n"
                            "[Websites]\r\n"
                            "marque = https://marque.example/\r\n"
                            "Unknown=https://ignored.example/\r\n"
                            "[Elsewhere]\r\n"
                            "Name=Not the maker\r\n";
    const AboutInfo info = parseAboutInfo(text, defaults);
    EXPECT_EQ(info.makerName, u"Edited Maker"_qs);
    EXPECT_EQ(info.makerTown, u"  Spaced Town  "_qs);
    EXPECT_EQ(info.makerStreet, u"1 Default Street"_qs); // left empty: the default stays
    EXPECT_EQ(info.site(WebSite::Marque), u"https://marque.example/"_qs);
    EXPECT_EQ(info.site(WebSite::Museum), u"https://museum.example/"_qs);
    EXPECT_TRUE(info.site(WebSite::Dealer).isEmpty());
}

TEST(AboutInfo, AMissingOrPartialInstalledFileLosesTexts)
{
    FakePlatform fake;
    const AboutInfo builtIn = builtInAboutInfo();
    // No file beside the program: the built-in copy.
    AboutInfo info = loadAboutInfo(fake.fileSystem);
    EXPECT_EQ(info.makerName, builtIn.makerName);
    EXPECT_EQ(info.site(WebSite::Maker), builtIn.site(WebSite::Maker));

    // A file that changes one address: that one changes, the rest stay.
    writeHostFile(fake.programFolder(), u"About/ABOUT.INI"_qs,
                  "[Websites]\nDealer=https://dealer.example/\n");
    info = loadAboutInfo(fake.fileSystem);
    EXPECT_EQ(info.site(WebSite::Dealer), u"https://dealer.example/"_qs);
    EXPECT_EQ(info.site(WebSite::Marque), builtIn.site(WebSite::Marque));
    EXPECT_EQ(info.makerTown, builtIn.makerTown);
}

TEST(AboutInfo, CaptionsThatRunTheMakersLinesTogether)
{
    AboutInfo info;
    info.makerName = u"Maker"_qs;
    info.makerStreet = u"2 Street"_qs;
    info.makerTown = u"Town, ST 12345"_qs;
    info.copyrightLine = u" 1997-2002 Maker"_qs;
    EXPECT_EQ(makerCaption(info), u"Maker\n2 Street\nTown, ST 12345"_qs);
    EXPECT_EQ(copyrightCaption(info), u"\u00A9 1997-2002 Maker"_qs);

    const std::pair<const char16_t*, const char16_t*> addresses[] = {
        {u"https://www.maker.example/", u"www.maker.example"},
        {u"HTTP://www.maker.example", u"www.maker.example"},
        {u"www.maker.example/path/", u"www.maker.example/path"},
    };
    for (const auto& [address, caption] : addresses)
        EXPECT_EQ(addressCaption(QString::fromUtf16(address)), QString::fromUtf16(caption));
}

TEST(AboutInfo, TheShippedFilesKeysReadIntoTheWrongSites)
{
    QFile file(QStringLiteral(KESTRANE_SHIPPED_ABOUT));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // The shipped file's own lines, each site by the key name written in it.
    const std::pair<WebSite, const char*> rows[] = {
        {WebSite::Dealer, "https://www.dalworth-tressel.example/"},
        {WebSite::Marque, "https://www.kestrane.example/"},
        {WebSite::Halvard, "https://www.halvard-tuning.example/"},
        {WebSite::Venzi, "https://www.venzi-concepts.example/"},
        {WebSite::Orbeck, "https://www.orbeckcars.example/"},
        {WebSite::Dromell, "https://www.dromellcars.example/"},
        {WebSite::BoatMaker, "https://www.lakeline-boats.example/"},
        {WebSite::SpecterWerkes, "https://www.specterwerkes.example/"},
        {WebSite::ArtistTwo, "https://www.ardenvale-studio.example/"},
        {WebSite::Museum, "https://www.kestranemuseum.example/"},
        {WebSite::ArtistFive, "https://www.corliss-gallery.example/"},
        {WebSite::CalendarMaker, "https://www.roadwall-calendars.example/"},
        {WebSite::OwnersAssociation, "https://www.nkoa.example/"},
        {WebSite::GameMaker, "https://www.parlour-boardgames.example/"},
        {WebSite::DanburyMint, "https://www.heritage-replicas.example/"},
        {WebSite::FranklinMint, "https://www.collectors-mint.example/"},
        {WebSite::SignMaker, "https://www.tinsign-works.example/"},
        {WebSite::ModelMaker, "https://www.scalekit-models.example/"},
        {WebSite::PinballMaker, "https://www.silverball-tables.example/"},
        {WebSite::Hoyle, "https://www.cardhouse-games.example/"},
        {WebSite::Maker, "https://www.quoxelsoftware.example/"},
    };
    ASSERT_EQ(std::size(rows), size_t(kWebSiteCount));
    const AboutInfo fromFile = parseAboutInfo(file.readAll());
    const AboutInfo builtIn = builtInAboutInfo();
    for (const auto& [site, address] : rows) {
        EXPECT_EQ(fromFile.site(site), QString::fromLatin1(address)) << address;
        EXPECT_EQ(builtIn.site(site), QString::fromLatin1(address)) << address;
    }
    EXPECT_EQ(fromFile.makerName, u"Quoxel Software"_qs);
    EXPECT_EQ(fromFile.copyrightLine, u" 1997-2002 Quoxel Software"_qs);
}

TEST(AboutInfo, ADamagedFileLosesTheBuiltInTexts)
{
    const AboutInfo builtIn = builtInAboutInfo();
    const QByteArray damaged[] = {
        QByteArray(),
        QByteArray("\0\0\xff\xfe[Websites\nDealer", 18),
        "[Websites]\nDealer=\"https://cut.example/", // truncated inside a quote
        "[Websites]\n=https://no-key.example/\n",
    };
    for (const QByteArray& text : damaged) {
        const AboutInfo info = parseAboutInfo(text, builtIn);
        EXPECT_EQ(info.makerName, builtIn.makerName);
        for (int i = 0; i < kWebSiteCount; ++i)
            EXPECT_FALSE(info.site(WebSite(i)).isEmpty());
        EXPECT_NE(info.site(WebSite::Marque), u"https://no-key.example/"_qs);
    }
}
