#include "periphery/about_info.h"
#include "platform/fakes/fake_platform.h"

#include <gtest/gtest.h>

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
