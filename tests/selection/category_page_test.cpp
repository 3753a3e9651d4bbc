// Every category of the menus through the real window: code, captions, button states, pictures.
#include "page_fixture.h"

#include "selection/insignia.h"
#include "selection/ui/year_page.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QScopeGuard>

using namespace kestrane;

namespace {

struct Row
{
    const char16_t* menu;
    const char16_t* title;
    const char16_t* code;
    const char16_t* stats;
    const char16_t* web;
    const char16_t* disabled; // page buttons left disabled
    const char16_t* showing;  // pictures showing afterwards, from all five showing for 1957
};

#define NINE                                                                                                 \
    u"cmdOptions cmdColors cmdScript cmdEmblem cmdEmbRear cmdEmbSide cmdClipArt cmdNostalgia cmdBrochure"
#define KW u"Kestrane Website"
#define FMW u"Franklin Mint Website"
#define ALL u"PicClipArt picScript picEmblem picEmbRear picEmbSide"

const Row kRows[] = {
    {u"mnuEmblems", u"Kestrane Emblems ", u"EM", u"Details", KW, NINE u" cmdDesc cmdAd", u""},
    {u"mnuMiscellany", u"Miscellany ", u"MS", u"Statistics", KW, NINE u" cmdDesc cmdStats cmdAd", u""},
    {u"mnuTopTen", u"Top Ten Kestrane People ", u"TT", u"Statistics", KW, NINE u" cmdStats cmdAd", u""},
    {u"mnuMus(1)", u"National Kestrane Museum ", u"MN", u"Details", u"Kestrane Museum Website",
     NINE u" cmdAd", u""},
    // Americana has no insignia of its own: its pictures go rather than show 1957's beside an error.
    {u"mnuMus(2)", u"Kestrane Americana ", u"MA", u"Details", KW, NINE, u""},
    {u"mnuArt(0)", u"Additional Clip Art ", u"CA", u"Details", KW, NINE u" cmdDesc cmdStats cmdAd", u""},
    {u"mnuArt(2)", u"Art Print Two ", u"GB", u"Details", KW, NINE u" cmdAd", u""},
    {u"mnuArt(3)", u"National Kestrane Museum Print ", u"GH", u"Details", u"Kestrane Museum Website",
     NINE u" cmdAd", u""},
    {u"mnuArt(4)", u"Art Print Five ", u"GL", u"Details", KW, NINE u" cmdAd", u""},
    {u"mnukestystuff(0)", u"Car Stuff Kestrane Calendars ", u"TC", u"Details", u"Car Stuff Calendar Website",
     NINE u" cmdStats cmdAd", u""},
    {u"mnukestystuff(1)", u"Kestrane Holiday Cards ", u"TX", u"Details", u"NKOA Website", NINE u" cmdAd",
     u""},
    {u"mnukestystuff(2)", u"Kestrane Monopoly Game ", u"US", u"Details", KW, NINE u" cmdStats cmdAd", u""},
    {u"mnukestystuff(3)", u"Danbury Mint Die-cast Models  ", u"TD", u"Details", u"Danbury Mint Website",
     NINE u" cmdAd", u""},
    {u"mnukestystuff(4)", u"Franklin Mint Collector Knives ", u"TE", u"Details", FMW, NINE u" cmdStats cmdAd",
     u""},
    {u"mnukestystuff(5)", u"Franklin Mint Collector Plates ", u"TP", u"Details", FMW, NINE u" cmdStats cmdAd",
     u""},
    {u"mnukestystuff(6)", u"Franklin Mint Die-cast Models  ", u"TF", u"Details", FMW, NINE u" cmdAd", u""},
    {u"mnukestystuff(7)", u"Franklin Mint Fuel Injected Engine ", u"TI", u"Details", FMW, NINE u" cmdAd",
     u""},
    {u"mnukestystuff(8)", u"Franklin Mint Kestrane Pocket Watch ", u"TW", u"Details", FMW,
     NINE u" cmdStats cmdAd", u""},
    {u"mnukestystuff(9)", u"Kestrane Metal Signs ", u"VM", u"Details", KW, NINE u" cmdAd", u""},
    {u"mnukestystuff(10)", u"Revell-Monogram Models  ", u"VR", u"Details", KW, NINE u" cmdAd", u""},
    {u"mnukestystuff(11)", u"Kestrane Pinball Machine ", u"XP", u"Details", KW, NINE u" cmdStats", u""},
    {u"mnukestystuff(12)", u"Kestrane Coin ", u"ZY", u"Details", KW, NINE u" cmdStats cmdAd", u""},
    {u"mnukestystuff(13)", u"Kestrane Philately ", u"ZZ", u"Details", KW, NINE u" cmdAd", u""},
    {u"mnukestystuff(14)", u"Kestrane Rubber Stamps ", u"ZW", u"Details", KW, NINE u" cmdStats cmdAd", u""},
    {u"mnukestystuff(15)", u"Hoyle Kestrane Playing Cards ", u"ZX", u"Details", KW,
     NINE u" cmdDesc cmdStats cmdAd", u""},
    {u"mnuSpecialty(0)", u"Halvard C12 ", u"BC", u"Statistics", u"Halvard Website",
     u"cmdOptions cmdColors cmdClipArt cmdNostalgia cmdBrochure",
     u"picScript picEmblem picEmbRear picEmbSide"},
    {u"mnuSpecialty(1)", u"Halvard Twin-Turbo ", u"CC", u"Statistics", u"Halvard Website",
     u"cmdNostalgia cmdBrochure cmdAd", ALL},
    {u"mnuSpecialty(2)", u"Custom Kestranes", u"CV", u"Details", KW, NINE u" cmdDesc cmdAd", u""},
    {u"mnuSpecialty(3)", u"Venzi Automotive Concepts ", u"GS", u"Statistics", u"Venzi Website",
     u"cmdClipArt cmdEmblem cmdEmbRear cmdEmbSide cmdNostalgia cmdBrochure", u"picScript"},
    {u"mnuSpecialty(4)", u"Orbeck Cars ", u"FL", u"Statistics", u"Orbeck Website",
     u"cmdStats cmdOptions cmdColors cmdClipArt cmdNostalgia cmdBrochure", u"picScript"},
    // Dromell and the race cars have no clip art (nor rear and side emblems) of their own.
    {u"mnuSpecialty(5)", u"Dromell Cars ", u"FM", u"Features", u"Dromell Website",
     u"cmdOptions cmdColors cmdClipArt cmdNostalgia cmdBrochure",
     u"picScript picEmblem picEmbRear picEmbSide"},
    {u"mnuSpecialty(6)", u"Malibu Kestrane Ski Boat ", u"ES", u"Statistics", u"Malibu Website",
     u"cmdNostalgia cmdBrochure", ALL},
    {u"mnuSpecialty(7)", u"Prototypes ", u"DP", u"Details", KW, NINE u" cmdDesc", u""},
    {u"mnuSpecialty(8)", u"Race Cars ", u"DR", u"Details", KW,
     u"cmdOptions cmdColors cmdEmbRear cmdEmbSide cmdClipArt cmdNostalgia cmdBrochure cmdDesc cmdStats cmdAd",
     u"picScript picEmblem"},
    {u"mnuSpecialty(9)", u"Specter Werkes GTR Roadster ", u"GT", u"Details", u"Specter Werkes Website",
     NINE u" cmdStats", u""},
    {u"mnuSpecialty(10)", u"1990-1995 ZR-1 ", u"AZ", u"Statistics", KW, u"cmdNostalgia cmdBrochure", ALL},
};

const QStringList kPageButtons = {u"cmdDesc"_qs,    u"cmdStats"_qs,  u"cmdOptions"_qs,   u"cmdColors"_qs,
                                  u"cmdScript"_qs,  u"cmdEmblem"_qs, u"cmdEmbRear"_qs,   u"cmdEmbSide"_qs,
                                  u"cmdClipArt"_qs, u"cmdAd"_qs,     u"cmdNostalgia"_qs, u"cmdBrochure"_qs};

struct Picture
{
    const char16_t* name;
    Insignia insignia;
};
const Picture kPictures[] = {{u"PicClipArt", kClipArtPicture},
                             {u"picScript", kScriptPicture},
                             {u"picEmblem", kFrontEmblem},
                             {u"picEmbRear", kRearEmblem},
                             {u"picEmbSide", kSideEmblem}};

class CategoryPage : public PageFixture
{
};

} // namespace

TEST_F(CategoryPage, EveryMenuCategorySetsItsCodeCaptionsButtonsAndPictures)
{
    open();
    for (const Row& row : kRows) {
        const QString title = QString::fromUtf16(row.title);
        SCOPED_TRACE(title.toStdString());
        clickYear(5);
        showAllInsignia();
        fake.dialogs.boxes.clear();

        trigger(QString::fromUtf16(row.menu));

        EXPECT_EQ(key(), title);
        EXPECT_EQ(state.selection.selectionKey, title);
        EXPECT_EQ(state.selection.categoryCode, QString::fromUtf16(row.code));
        EXPECT_EQ(button(u"cmdStats"_qs)->text(), QString::fromUtf16(row.stats));
        EXPECT_EQ(button(u"cmdDesc"_qs)->text(), u"Description");
        EXPECT_EQ(action(u"mnuWeb"_qs)->text(), QString::fromUtf16(row.web));
        const QStringList disabled = QString::fromUtf16(row.disabled).split(u' ');
        for (const QString& name : kPageButtons)
            EXPECT_EQ(button(name)->isEnabled(), !disabled.contains(name)) << name.toStdString();
        const QStringList showing = QString::fromUtf16(row.showing).split(u' ', Qt::SkipEmptyParts);
        for (const Picture& p : kPictures) {
            const QString name = QString::fromUtf16(p.name);
            QLabel* picture = label(name);
            EXPECT_EQ(picture->isVisible(), showing.contains(name)) << name.toStdString();
            if (picture->isVisible()) { // reloaded for the new key
                EXPECT_TRUE(shows(picture, u"E:"_qs + insigniaFile(p.insignia, title))) << name.toStdString();
            }
        }
        EXPECT_TRUE(errorCodesShown().isEmpty()) << errorCodesShown().join(u' ').toStdString();
        // The selection's first photograph, the year buttons usable again, no year current.
        EXPECT_TRUE(label(u"Image4"_qs)->isVisible());
        EXPECT_EQ(state.photos.currentPhoto.mid(13, 2), QString::fromUtf16(row.code));
        EXPECT_EQ(panPhoto(), u"1");
        EXPECT_EQ(state.photos.photoCursor, 0);
        EXPECT_EQ(state.selection.currentYearButton, 0);
        EXPECT_TRUE(yearButton(1)->isEnabled());
    }
}

TEST_F(CategoryPage, MenusThatEndOnButtonOneBringItToTheFront)
{
    open();
    clickYear(10);
    trigger(u"mnuSpecialty(3)"_qs);
    EXPECT_EQ(frontYearButton(), 1);
    clickYear(10);
    trigger(u"mnukestystuff(2)"_qs);
    EXPECT_EQ(frontYearButton(), 1);
    // The menus with their own states raise the button after the current year before selecting.
    clickYear(10);
    trigger(u"mnuEmblems"_qs);
    EXPECT_EQ(frontYearButton(), 11);
}

// The race cars' clip art is named from their title ("Race.jpg"): a disc that has it shows it, in
// whatever letter case it is written; without it the picture goes with no error, as does the
// rear emblem ("embcer.jpg"), which no disc has.
TEST_F(CategoryPage, APictureNamedFromATitleShowsOnlyWhereTheDiscHasIt)
{
    open();
    auto chooseRaceCarsWithEveryPictureShowing = [this] {
        clickYear(5);
        showAllInsignia();
        fake.dialogs.boxes.clear();
        trigger(u"mnuSpecialty(8)"_qs);
    };

    chooseRaceCarsWithEveryPictureShowing();
    EXPECT_FALSE(label(u"PicClipArt"_qs)->isVisible());
    EXPECT_FALSE(label(u"picEmbRear"_qs)->isVisible());
    EXPECT_TRUE(errorCodesShown().isEmpty()) << errorCodesShown().join(u' ').toStdString();

    const QString raceClipArt = writeHostFile(disc(), u"clipart/RACE.JPG"_qs, jpegOf(Qt::darkGreen));
    const auto removeIt = qScopeGuard([&] { QFile::remove(raceClipArt); }); // the disc is shared
    chooseRaceCarsWithEveryPictureShowing();
    EXPECT_TRUE(label(u"PicClipArt"_qs)->isVisible());
    EXPECT_TRUE(shows(label(u"PicClipArt"_qs), u"E:\\ClipArt\\Race.jpg"_qs));
    EXPECT_FALSE(label(u"picEmbRear"_qs)->isVisible());
    EXPECT_FALSE(label(u"picEmbSide"_qs)->isVisible());
    EXPECT_TRUE(label(u"picScript"_qs)->isVisible());
    EXPECT_TRUE(errorCodesShown().isEmpty()) << errorCodesShown().join(u' ').toStdString();
}
