#include "documents_fixture.h"

using namespace kestrane;
using namespace kestrane::test;

namespace {

const QString kPrefix = u"The Kestrane Omnivar     "_qs;
constexpr char16_t kLower[] = u"\\richtext\\";
constexpr char16_t kUpper[] = u"\\RichText\\";

struct Row
{
    const char16_t* button;
    const char16_t* key;
    const char16_t* folder;
    const char16_t* file;
    const char16_t* title; // caption after the prefix
};

// Expected documents, as the year page's rules name them: every category of cmdDesc, the special
// cars of the other buttons, and the years 1957 and 2001 on every button.
const Row kRows[] = {
    {names::cmdDesc, u"panYear", kLower, u"intro.rtf", u"Introduction"},
    {names::cmdDesc, u"Kestrane Coin ", kLower, u"zy002.rtf", u"Kestrane Coin "},
    {names::cmdDesc, u"Kestrane Rubber Stamps ", kLower, u"GrayWolf.rtf", u"Kestrane Rubber Stamps "},
    {names::cmdDesc, u"Kestrane Philately ", kLower, u"stamps.rtf", u"Kestrane Philately "},
    {names::cmdDesc, u"Miscellany ", kLower, u"msdesc.rtf", u"Miscellany "},
    {names::cmdDesc, u"Top Ten Kestrane People ", kLower, u"ttdesc.rtf", u"Top Ten Kestrane People "},
    {names::cmdDesc, u"Revell-Monogram Models  ", kLower, u"revell.rtf", u"Revell-Monogram Models  "},
    {names::cmdDesc, u"Kestrane Americana ", kLower, u"musamer.rtf", u"Kestrane Americana Hall of Fame "},
    {names::cmdDesc, u"National Kestrane Museum ", kLower, u"mndesc.rtf", u"National Kestrane Museum "},
    {names::cmdDesc, u"Car Stuff Kestrane Calendars ", kLower, u"carstuff.rtf",
     u"Car Stuff Kestrane Calendars "},
    {names::cmdDesc, u"Kestrane Holiday Cards ", kLower, u"nkoa.rtf", u"Kestrane Holiday Cards "},
    {names::cmdDesc, u"Kestrane Monopoly Game ", kLower, u"monopoly.rtf", u"Kestrane Monopoly Game "},
    {names::cmdDesc, u"Hoyle Kestrane Playing Cards ", kLower, u"zxhoyle.rtf",
     u"Hoyle Kestrane Playing Cards "},
    {names::cmdDesc, u"Franklin Mint Collector Knives ", kLower, u"knives.rtf",
     u"Franklin Mint Collector Knives "},
    {names::cmdDesc, u"Franklin Mint Collector Plates ", kLower, u"plates.rtf",
     u"Franklin Mint Collector Plates "},
    {names::cmdDesc, u"Franklin Mint Die-cast Models  ", kLower, u"franklin.rtf",
     u"Franklin Mint Die-cast Models  "},
    {names::cmdDesc, u"Franklin Mint Fuel Injected Engine ", kLower, u"franklin.rtf",
     u"Franklin Mint Fuel Injected Engine "},
    {names::cmdDesc, u"Franklin Mint Kestrane Pocket Watch ", kLower, u"FMWatch.rtf",
     u"Franklin Mint Kestrane Pocket Watch "},
    {names::cmdDesc, u"Danbury Mint Die-cast Models  ", kLower, u"danbury.rtf",
     u"Danbury Mint Die-cast Models  "},
    {names::cmdDesc, u"Kestrane Metal Signs ", kLower, u"desperat.rtf", u"Kestrane Metal Signs "},
    {names::cmdDesc, u"Kestrane Pinball Machine ", kLower, u"xpbdesc.rtf", u"Kestrane Pinball Machine "},
    {names::cmdDesc, u"Malibu Kestrane Ski Boat ", kLower, u"skdesc.rtf", u"Malibu Kestrane Ski Boat "},
    {names::cmdDesc, u"Prototypes ", kLower, u"ptdesc.rtf", u"Prototypes "},
    {names::cmdDesc, u"Race Cars ", kLower, u"ptdesc.rtf", u"Race Cars "},
    {names::cmdDesc, u"Specter Werkes GTR Roadster ", kLower, u"GTRdesc.rtf",
     u"Specter Werkes GTR Roadster "},
    {names::cmdDesc, u"Halvard C12 ", kLower, u"C12desc.rtf", u"Halvard C12 "},
    {names::cmdDesc, u"Halvard Twin-Turbo ", kLower, u"hvdesc.rtf", u"Halvard Twin-Turbo "},
    {names::cmdDesc, u"Venzi Automotive Concepts ", kLower, u"venzi.rtf", u"Venzi Automotive Concepts "},
    {names::cmdDesc, u"Orbeck Cars ", kLower, u"orbeck.rtf", u"Orbeck Cars "},
    {names::cmdDesc, u"Dromell Cars ", kLower, u"dromell.rtf", u"Dromell Cars "},
    {names::cmdDesc, u"1990-1995 ZR-1 ", kLower, u"ZRDESC.rtf", u"1990-1995 ZR-1 "},
    {names::cmdDesc, u"Art Print Two ", kLower, u"P2DESC.rtf", u"Artist Two "},
    {names::cmdDesc, u"National Kestrane Museum Print ", kLower, u"NKDESC.rtf", u"National Kestrane Museum "},
    {names::cmdDesc, u"Art Print Five ", kLower, u"P5DESC.rtf", u"Artist Five "},
    {names::cmdDesc, u"1957", kLower, u"57desc.rtf", u"1957 Description"},
    {names::cmdDesc, u"2001", kUpper, u"a1desc.rtf", u"2001 Description"},

    {names::cmdStats, u"Malibu Kestrane Ski Boat ", kLower, u"skstats.rtf",
     u"Malibu Kestrane Ski Boat  Statistics"},
    {names::cmdStats, u"Halvard C12 ", kLower, u"C12stats.rtf", u"Halvard C12  Statistics"},
    {names::cmdStats, u"Halvard Twin-Turbo ", kLower, u"hvstats.rtf", u"Halvard Twin-Turbo  Statistics"},
    {names::cmdStats, u"Venzi Automotive Concepts ", kLower, u"venzistats.rtf",
     u"Venzi Automotive Concepts  Statistics"},
    {names::cmdStats, u"Orbeck Cars ", kLower, u"obstats.rtf", u"Orbeck Cars  Statistics"},
    {names::cmdStats, u"1990-1995 ZR-1 ", kLower, u"ZRstats.rtf", u"1990-1995 ZR-1  Statistics"},
    {names::cmdStats, u"Dromell Cars ", kLower, u"dromellfeatures.rtf", u"Dromell Cars  Features"},
    {names::cmdStats, u"1957", kLower, u"57stats.rtf", u"1957 Statistics"},
    {names::cmdStats, u"2001", kUpper, u"a1stats.rtf", u"2001 Statistics"},

    {names::cmdOptions, u"Malibu Kestrane Ski Boat ", kUpper, u"skopts.rtf",
     u"Malibu Kestrane Ski Boat  Options"},
    {names::cmdOptions, u"Halvard C12 ", kUpper, u"C12OPTS.rtf", u"Halvard C12  Options"},
    {names::cmdOptions, u"Halvard Twin-Turbo ", kUpper, u"hvOPTS.rtf", u"Halvard Twin-Turbo  Options"},
    {names::cmdOptions, u"Venzi Automotive Concepts ", kUpper, u"vzOPTS.rtf",
     u"Venzi Automotive Concepts  Options"},
    {names::cmdOptions, u"Orbeck Cars ", kUpper, u"obOPTS.rtf", u"Orbeck Cars  Options"},
    {names::cmdOptions, u"Dromell Cars ", kUpper, u"dmOPTS.rtf", u"Dromell Cars  Options"},
    {names::cmdOptions, u"1990-1995 ZR-1 ", kUpper, u"ZROPTS.rtf", u"1990-1995 ZR-1  Options"},
    {names::cmdOptions, u"1957", kUpper, u"57OPTS.rtf", u"1957 Options"},
    {names::cmdOptions, u"2001", kUpper, u"a1OPTS.rtf", u"2001 Options"},

    {names::cmdColors, u"Malibu Kestrane Ski Boat ", kUpper, u"skcolors.rtf",
     u"Malibu Kestrane Ski Boat  Colors"},
    {names::cmdColors, u"Halvard C12 ", kUpper, u"C12colors.rtf", u"Halvard C12  Colors"},
    {names::cmdColors, u"Halvard Twin-Turbo ", kUpper, u"hvcolors.rtf", u"Halvard Twin-Turbo  Colors"},
    {names::cmdColors, u"Venzi Automotive Concepts ", kUpper, u"vzcolors.rtf",
     u"Venzi Automotive Concepts  Colors"},
    {names::cmdColors, u"Orbeck Cars ", kUpper, u"obcolors.rtf", u"Orbeck Cars  Colors"},
    {names::cmdColors, u"Dromell Cars ", kUpper, u"dmcolors.rtf", u"Dromell Cars  Colors"},
    {names::cmdColors, u"1990-1995 ZR-1 ", kUpper, u"zrcolors.rtf", u"1990-1995 ZR-1  Colors"},
    {names::cmdColors, u"1957", kUpper, u"57colors.rtf", u"1957 Colors"},
    {names::cmdColors, u"2001", kUpper, u"a1colors.rtf", u"2001 Colors"},

    {names::cmdNostalgia, u"1956", kLower, u"nostalgia56.rtf", u"Nostalgia 1956"},
};

class YearDocumentsTest : public DocumentsWindowTest
{
};

} // namespace

TEST_F(YearDocumentsTest, EveryPageButtonOpensItsDocumentUnderItsCaption)
{
    for (const Row& row : kRows) {
        const QString key = QString::fromUtf16(row.key);
        const QString where = QString::fromUtf16(row.button) + u" ["_qs + key + u']';
        SCOPED_TRACE(where.toStdString());
        const ReaderShot shot = click(row.button, key);
        ASSERT_TRUE(shot.shown);
        EXPECT_TRUE(shot.modal);
        EXPECT_EQ(shot.caption, kPrefix + QString::fromUtf16(row.title));
        // The folder keeps the handler's spelling; the name is the one the directory lookup found.
        const QString folder = u"E:"_qs + QString::fromUtf16(row.folder);
        EXPECT_TRUE(shot.file.startsWith(folder)) << shot.file.toStdString();
        EXPECT_EQ(shot.file.mid(folder.size()).compare(QString::fromUtf16(row.file), Qt::CaseInsensitive), 0)
            << shot.file.toStdString();
        EXPECT_EQ(state.documents.documentPath, shot.file);
        EXPECT_FALSE(shot.narrationVisible);
        const bool descriptionOnlyHides = row.button == names::cmdDesc;
        EXPECT_EQ(shot.narrationEnabled, descriptionOnlyHides);
        EXPECT_EQ(shot.okWidth, row.button == names::cmdColors ? 481 : 484);
        EXPECT_FALSE(shot.scrollsSideways); // tables and pictures fit the box
    }
    EXPECT_TRUE(errorCodesShown().isEmpty()) << errorCodesShown().join(u' ').toStdString();
}

TEST_F(YearDocumentsTest, CaptionsReachDocumentCaptionOnlyWhereTheHandlerRoutesThem)
{
    click(names::cmdDesc, u"panYear"_qs);
    EXPECT_EQ(state.documents.documentCaption, u"The Kestrane Omnivar     Introduction"_qs);
    click(names::cmdDesc, u"1957"_qs); // set on the reader only
    EXPECT_EQ(state.documents.documentCaption, u"The Kestrane Omnivar     Introduction"_qs);
    click(names::cmdStats, u"Dromell Cars "_qs);
    EXPECT_EQ(state.documents.documentCaption, u"The Kestrane Omnivar     Dromell Cars  Statistics"_qs);
    click(names::cmdOptions, u"1957"_qs);
    EXPECT_EQ(state.documents.documentCaption, u"The Kestrane Omnivar     1957 Options"_qs);
}

TEST_F(YearDocumentsTest, DealerPageDescriptionNeedsBothTheKeyAndTheDealerCaption)
{
    const QString dealer = u"The Kestrane Omnivar     Dalworth - Tressel"_qs;
    state.documents.documentCaption = dealer;
    ReaderShot shot = click(names::cmdDesc, u"Dalworth"_qs);
    ASSERT_TRUE(shot.shown);
    EXPECT_EQ(shot.file, u"E:\\dalworth\\dalworth.rtf"_qs);
    EXPECT_EQ(shot.caption, dealer);

    // Without the dealer caption the key is an ordinary key: characters 3 and 4 name a missing file.
    state.documents.documentCaption.clear();
    shot = click(names::cmdDesc, u"Dalworth"_qs);
    EXPECT_FALSE(shot.shown);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER002"_qs});
}

TEST_F(YearDocumentsTest, MissingDocumentsReportEachButtonsCodeAndKeepTheReaderClosed)
{
    QTemporaryDir empty;
    fake.mapDrive(u'E', empty.path());
    const struct
    {
        const char16_t* button;
        const char* code;
    } rows[] = {{names::cmdDesc, "ER002"},
                {names::cmdStats, "ER027"},
                {names::cmdOptions, "ER026"},
                {names::cmdColors, "ER029"}};
    for (const auto& row : rows) {
        fake.dialogs.boxes.clear();
        state.documents.documentPath = u"stale"_qs;
        const ReaderShot shot = click(row.button, u"1957"_qs);
        EXPECT_FALSE(shot.shown) << row.code;
        EXPECT_EQ(errorCodesShown(), QStringList{QString::fromLatin1(row.code)});
        // The lookup's empty answer is what DocumentPath holds.
        EXPECT_TRUE(state.documents.documentPath.isEmpty()) << row.code;
    }
}

TEST_F(YearDocumentsTest, CategoryWithoutItsOwnRuleLooksForLettersOfItsTitle)
{
    const ReaderShot shot = click(names::cmdOptions, u"Custom Kestranes"_qs);
    EXPECT_FALSE(shot.shown);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER026"_qs});
    EXPECT_EQ(state.documents.documentCaption, u"The Kestrane Omnivar     19st Options"_qs);
}

TEST_F(YearDocumentsTest, UnreadableDocumentIsReportedWithTheButtonsCode)
{
    QTemporaryDir broken;
    writeHostFile(broken.path(), u"RichText/59OPTS.rtf"_qs, "not a rich-text file");
    fake.mapDrive(u'E', broken.path());
    const ReaderShot shot = click(names::cmdOptions, u"1959"_qs);
    EXPECT_FALSE(shot.shown);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER026"_qs});
}

TEST_F(YearDocumentsTest, NoSelectionOpensNothingButTheIntroduction)
{
    for (const char16_t* name : {names::cmdStats, names::cmdOptions, names::cmdColors, names::cmdNostalgia})
        EXPECT_FALSE(click(name, u"panYear"_qs).shown) << QString::fromUtf16(name).toStdString();
    for (const MessageBoxRequest& box : fake.dialogs.boxes)
        ADD_FAILURE() << box.text.toStdString();
    EXPECT_TRUE(click(names::cmdDesc, u"panYear"_qs).shown);
}

TEST_F(YearDocumentsTest, NostalgiaShowsSorryForAMissingYearAndNeverTheErrorReporter)
{
    ReaderShot shot = click(names::cmdNostalgia, u"1957"_qs);
    EXPECT_FALSE(shot.shown);
    EXPECT_EQ(state.documents.twoDigitYear, u"57"_qs);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    const MessageBoxRequest& sorry = fake.dialogs.boxes.first();
    EXPECT_EQ(sorry.text,
              u"Sorry!\r\n\r\nNostalgia will be included in the final release of the Kestrane Omnivar "
              u"2002\r\n\r\nTry 1956 to preview this feature.\r\n"_qs);
    EXPECT_EQ(sorry.title, u"The Kestrane Omnivar"_qs);
    EXPECT_EQ(sorry.icon, MsgIcon::Exclamation);
    EXPECT_TRUE(form1->isEnabled());

    shot = click(names::cmdNostalgia, u"1956"_qs);
    EXPECT_TRUE(shot.shown);
    EXPECT_EQ(state.documents.twoDigitYear, u"56"_qs);
}

TEST_F(YearDocumentsTest, StatisticsOfDetailCategoriesToggleThePhotographsDetailsBox)
{
    const QString photo = fake.fileSystem.dir(u"E:\\kestranes\\MS*.jpg"_qs);
    ASSERT_FALSE(photo.isEmpty());
    state.photos.currentPhoto = u"E:\\kestranes\\"_qs + photo;
    auto* details = form1->findChild<RichTextBox*>(names::name(names::rtbDetails));
    ASSERT_NE(details, nullptr);
    details->hide();

    ReaderShot shot = click(names::cmdStats, u"Miscellany "_qs);
    EXPECT_FALSE(shot.shown);
    ASSERT_TRUE(details->isVisible());
    EXPECT_EQ(state.documents.documentPath, u"E:\\richtext\\"_qs + photo.section(u'.', 0, 0) + u".rtf"_qs);
    EXPECT_EQ(details->fileName(), state.documents.documentPath);
    EXPECT_EQ(state.documents.documentCaption, u"The Kestrane Omnivar     Miscellany  Statistics"_qs);
    EXPECT_EQ(details->size(), QSize(329, 106));
    // Right edge 10 pixels inside cmdAd's, top 8 pixels below the photograph's.
    QWidget* area = details->parentWidget();
    auto* ad = form1->findChild<QWidget*>(names::name(names::cmdAd));
    auto* image = form1->findChild<QWidget*>(names::name(names::Image4));
    EXPECT_EQ(details->geometry().right() + 1, ad->mapTo(area, QPoint(ad->width(), 0)).x() - 10);
    EXPECT_EQ(details->y(), image->mapTo(area, QPoint(0, 0)).y() + 8);

    click(names::cmdStats, u"Miscellany "_qs);
    EXPECT_FALSE(details->isVisible());
    EXPECT_TRUE(errorCodesShown().isEmpty());

    // A photograph without its detail document: ER027, and the box stays hidden.
    state.photos.currentPhoto = u"E:\\kestranes\\MSNONE.JPG"_qs;
    click(names::cmdStats, u"Miscellany "_qs);
    EXPECT_FALSE(details->isVisible());
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER027"_qs});
}
