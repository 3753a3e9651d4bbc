#include "documents_fixture.h"

#include "documents/ui/help_window.h"
#include "documents/ui/menu_documents_controller.h"
#include "periphery/ui/illustrated_panel.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QPointer>
#include <QTextBrowser>

using namespace kestrane;
using namespace kestrane::test;

namespace {

const QString kPrefix = u"The Kestrane Omnivar     "_qs;

struct Entry
{
    const char16_t* item;  // object name of the menu item
    const char16_t* path;  // below the CD root, as the handler spells it
    const char16_t* title; // reader caption after the prefix
    const char* code;
};

// Every menu entry of the catalogue with what the reader must show and the code a failure shows.
const Entry kEntries[] = {
    {u"mnuWallPaper", u"\\richtext\\WallPaper Instructions.rtf", u"Wallpaper Instructions", "ER008"},
    {u"mnuOstrel1", u"\\richtext\\Ostrel.rtf", u"Shark Quarterly Interview with Ostrel", "ER008"},
    {u"mnuGarrow", u"\\richtext\\Garrow.rtf", u"Garrow Interview with Ostrel", "ER008"},
    {u"mnuBooks", u"\\RichText\\books.rtf", u"Books", "ER004"},
    {u"mnuCatalogs", u"\\richtext\\catalogs.rtf", u"Catalogs", "ER005"},
    {u"mnuADs", u"\\RichText\\KestraneAds.rtf", u"Kestrane Advertising Checklist ", "ER004"},
    {u"mnuEngines", u"\\RichText\\ENGINES.rtf", u"Kestrane Engines", "ER006"},
    {u"mnuGlossary", u"\\richtext\\glossary.rtf", u"Kestrane Glossary", "ER051"},
    {u"mnuTimeLine", u"\\richtext\\timeline.rtf", u"Kestrane Timeline", "ER043"},
    {u"MnuIDKesty", u"\\RichText\\idkesty.rtf", u"Identification Guide", "ER050"},
    {u"mnuWhatsNew", u"\\richtext\\whatsnew.rtf", u"What's New", "ER056"},
    {u"mnuIntro", u"\\RichText\\intro.rtf", u"Introduction", "ER007"},
    {u"mnuNotice", u"\\richtext\\notice.rtf", u"Notice", "ER025"},
    {u"mnuCredits", u"\\richtext\\credits.rtf", u"Credits", "ER010"},
    {u"mnuContrib", u"\\richtext\\contrib.rtf", u"Contributions", "ER053"},
    {u"mnuArticles(1)", u"\\richtext\\wave.rtf", u"Hand Signals and Other Greetings", "ER008"},
    {u"mnuArticles(2)", u"\\RichText\\lt4.rtf", u"Commemorating the C4", "ER008"},
    {u"mnuArticles(3)", u"\\richtext\\theking.rtf", u"Long Live the King", "ER008"},
    {u"mnuArticles(4)", u"\\richtext\\savewave.rtf", u"Save the Wave", "ER008"},
    {u"mnuArticles(5)", u"\\richtext\\10second.rtf", u"The Ten Second Trip", "ER008"},
    {u"mnuArticles(6)", u"\\richtext\\moment.rtf", u"Sometimes You Just Get Caught Up In The Moment",
     "ER008"},
    {u"mnuArticles(7)", u"\\richtext\\Z06CofY.rtf", u"Z06 2001 Automobile Magazine Car of the Year", "ER008"},
    {u"mnuMag(1)", u"\\richtext\\magcaprs.rtf", u"Magazines", "ER008"},
    {u"mnuMag(2)", u"\\richtext\\magKF.rtf", u"Magazines", "ER008"},
    {u"mnuMag(3)", u"\\richtext\\magKJRNL.rtf", u"Magazines", "ER008"},
    {u"mnuMag(4)", u"\\richtext\\magsweden.rtf", u"Magazines", "ER008"},
    {u"mnuMag(5)", u"\\richtext\\magQTRLY.rtf", u"Magazines", "ER008"},
    {u"mnuMag(6)", u"\\richtext\\magKRSTR.rtf", u"Magazines", "ER008"},
    {u"mnuMag(7)", u"\\richtext\\magKTRDR.rtf", u"Magazines", "ER008"},
    {u"mnuMag(8)", u"\\richtext\\magKONLY.rtf", u"Magazines", "ER008"},
    {u"mnuMag(9)", u"\\richtext\\magShark.rtf", u"Magazines", "ER008"},
    {u"mnuMag(10)", u"\\richtext\\magylady.rtf", u"Magazines", "ER008"},
    {u"mnuMag(11)", u"\\richtext\\magKESTY.rtf", u"Magazines", "ER008"},
    {u"mnuMag(12)", u"\\richtext\\magVues.rtf", u"Magazines", "ER008"},
    {u"mnuMag(13)", u"\\richtext\\magycar.rtf", u"Magazines", "ER008"},
};

// The path the reader loaded: the folder as the handler spells it, the name as the disc has it.
bool sameDocument(const QString& loaded, const QString& expected)
{
    const qsizetype cut = expected.lastIndexOf(u'\\') + 1;
    return loaded.startsWith(expected.left(cut)) &&
           loaded.mid(cut).compare(expected.mid(cut), Qt::CaseInsensitive) == 0;
}

// Form1 with the menu documents and the illustrated series attached (the series' panel holds the
// Penrow button of the catalogue).
class MenuDocumentsTest : public DocumentsWindowTest
{
protected:
    void SetUp() override
    {
        DocumentsWindowTest::SetUp();
        menus = std::make_unique<MenuDocuments>(context, form1->controls(), &form1->mmControl1());
        series = std::make_unique<IllustratedSeries>(context, form1->controls(), &form1->mmControl1());
    }

    void TearDown() override
    {
        series.reset();
        menus.reset();
        DocumentsWindowTest::TearDown();
    }

    QAction* item(const QString& name) const { return form1->findChild<QAction*>(name); }

    ReaderShot trigger(const QString& name)
    {
        QAction* action = item(name);
        EXPECT_NE(action, nullptr) << name.toStdString();
        return capture([action] {
            if (action)
                action->trigger();
        });
    }

    // A stand-in for the screen saver's play list, open on top.
    QWidget* openPlayList()
    {
        playList = std::make_unique<QWidget>();
        playList->setObjectName(names::name(names::frmSSPhoto));
        windows.enter(WindowRegistry::PlayList, playList.get());
        playList->show();
        return playList.get();
    }

    // The program's own help pages, installed in the program folder.
    void installHelp()
    {
        const QString target = fake.programFolder() + u"/help"_qs;
        QDir().mkpath(target);
        QDirIterator pages(QStringLiteral(KESTRANE_HELP_DIR), {u"*.html"_qs});
        while (pages.hasNext()) {
            const QString page = pages.next();
            QFile::copy(page, target + u'/' + QFileInfo(page).fileName());
        }
    }

    std::unique_ptr<MenuDocuments> menus;
    std::unique_ptr<IllustratedSeries> series;
    std::unique_ptr<QWidget> playList;
};

} // namespace

TEST_F(MenuDocumentsTest, MenuEntryShowsAnotherDocumentCaptionOrButtonsThanItsRow)
{
    for (const Entry& entry : kEntries) {
        const QString name = QString::fromUtf16(entry.item);
        SCOPED_TRACE(name.toStdString());
        const ReaderShot shot = trigger(name);
        ASSERT_TRUE(shot.shown);
        EXPECT_TRUE(shot.modal);
        // Article 6 and the magazines are captioned by their rows, not by their menu texts.
        EXPECT_EQ(shot.caption, kPrefix + QString::fromUtf16(entry.title));
        EXPECT_TRUE(sameDocument(shot.file, u"E:"_qs + QString::fromUtf16(entry.path)))
            << shot.file.toStdString();
        EXPECT_EQ(state.documents.documentPath, shot.file);
        EXPECT_FALSE(shot.narrationVisible);
        // The introduction only hides the narration buttons; its own narration stays playable.
        EXPECT_EQ(shot.narrationEnabled, name == u"mnuIntro"_qs);
        EXPECT_EQ(shot.okWidth, 484);
        EXPECT_EQ(shot.okRight, shot.printLeft - 4);
        EXPECT_EQ(findReader(context), nullptr);
    }
    EXPECT_TRUE(errorCodesShown().isEmpty()) << errorCodesShown().join(u' ').toStdString();
}

TEST_F(MenuDocumentsTest, EntryOtherThanTheIntroductionOverwritesDocumentCaption)
{
    state.documents.documentCaption = u"untouched"_qs;
    trigger(u"mnuGlossary"_qs);
    EXPECT_EQ(state.documents.documentCaption, u"untouched"_qs);
    const ReaderShot shot = trigger(u"mnuIntro"_qs);
    EXPECT_EQ(shot.caption, u"The Kestrane Omnivar     Introduction"_qs);
    EXPECT_EQ(state.documents.documentCaption, shot.caption);
}

TEST_F(MenuDocumentsTest, MissingDocumentShowsAnEmptyReaderOrAnotherCode)
{
    QTemporaryDir empty;
    fake.mapDrive(u'E', empty.path());
    for (const Entry& entry : kEntries) {
        const QString name = QString::fromUtf16(entry.item);
        fake.dialogs.boxes.clear();
        const ReaderShot shot = trigger(name);
        EXPECT_FALSE(shot.shown) << name.toStdString();
        EXPECT_EQ(errorCodesShown(), QStringList{QString::fromLatin1(entry.code)}) << name.toStdString();
        EXPECT_EQ(findReader(context), nullptr) << name.toStdString();
    }
    // The menus stay usable: the next entry opens once the disc is back.
    fake.mapDrive(u'E', discFolder());
    EXPECT_TRUE(trigger(u"mnuCredits"_qs).shown);
}

TEST_F(MenuDocumentsTest, UnreadableDocumentIsShownOrReportedWithAnotherCode)
{
    QTemporaryDir broken;
    writeHostFile(broken.path(), u"richtext/glossary.rtf"_qs, "plain text, not a rich-text document");
    fake.mapDrive(u'E', broken.path());
    EXPECT_FALSE(trigger(u"mnuGlossary"_qs).shown);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER051"_qs});
}

TEST_F(MenuDocumentsTest, PlayListStaysOnTopOfANewDocument)
{
    QWidget* list = openPlayList();
    ASSERT_TRUE(trigger(u"mnuMag(4)"_qs).shown);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(fake.windowManager.log.contains(u"top frmSSPhoto 0"_qs))
        << fake.windowManager.log.join(u' ').toStdString();
}

TEST_F(MenuDocumentsTest, ScreenSaverHelpBlocksThePanelBehindIt)
{
    ReaderShot shot;
    bool mainEnabled = false;
    shot = capture([this] { menus->SSCommand5Click(); },
                   [&](ReaderWindow&) { mainEnabled = form1->isEnabled(); });
    ASSERT_TRUE(shot.shown);
    EXPECT_FALSE(shot.modal);
    EXPECT_TRUE(mainEnabled);
    EXPECT_EQ(shot.caption, u"The Kestrane Omnivar     Install Screen Saver Help"_qs);
    EXPECT_TRUE(sameDocument(shot.file, u"E:\\richtext\\sshelp.rtf"_qs)) << shot.file.toStdString();
    EXPECT_FALSE(shot.narrationVisible);
    EXPECT_TRUE(shot.narrationEnabled); // hidden, not disabled
    EXPECT_EQ(shot.okWidth, 484);
}

TEST_F(MenuDocumentsTest, SeriesTextWidensOkLikeTheOtherDocuments)
{
    auto* penrow = form1->findChild<QPushButton*>(names::name(names::SSCommand7));
    ASSERT_NE(penrow, nullptr);
    EXPECT_EQ(penrow->text(), u"Penrow"_qs);
    const ReaderShot shot = capture([penrow] { penrow->click(); });
    ASSERT_TRUE(shot.shown);
    EXPECT_TRUE(shot.modal);
    EXPECT_EQ(shot.caption, u"The Kestrane Omnivar     The Illustrated Kestrane"_qs);
    EXPECT_TRUE(sameDocument(shot.file, u"E:\\RichText\\penrow.rtf"_qs)) << shot.file.toStdString();
    EXPECT_EQ(shot.okWidth, 481);
    EXPECT_FALSE(shot.narrationVisible);
    EXPECT_FALSE(shot.narrationEnabled);
}

TEST_F(MenuDocumentsTest, MissingPanelHelpOpensTheReaderOrShowsAnotherCode)
{
    QTemporaryDir empty;
    fake.mapDrive(u'E', empty.path());
    const struct
    {
        std::function<void()> click;
        const char* code;
    } rows[] = {
        {[this] { menus->SSCommand5Click(); }, "ER052"},
        {[this] { series->SSCommand7Click(); }, "ER029"},
    };
    for (const auto& row : rows) {
        fake.dialogs.boxes.clear();
        state.documents.documentPath = u"stale"_qs;
        EXPECT_FALSE(capture(row.click).shown) << row.code;
        EXPECT_EQ(errorCodesShown(), QStringList{QString::fromLatin1(row.code)});
        // The lookup's empty answer is what DocumentPath holds.
        EXPECT_TRUE(state.documents.documentPath.isEmpty()) << row.code;
        EXPECT_EQ(findReader(context), nullptr) << row.code;
    }
}

TEST_F(MenuDocumentsTest, HelpOpensElsewhereThanItsContentsPageOrUnderThePlayList)
{
    installHelp();
    QWidget* list = openPlayList();
    item(u"mnuContents"_qs)->trigger();
    EXPECT_FALSE(list->isVisible());

    HelpWindow* help = menus->helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->objectName(), u"frmHelp"_qs);
    EXPECT_EQ(help->browser()->source().fileName(), u"contents.html"_qs);
    EXPECT_EQ(help->windowTitle(), u"The Kestrane Omnivar 2002 Help - Contents"_qs);
    EXPECT_TRUE(help->browser()->toPlainText().contains(u"The main window"_qs));

    // Its links lead to the pages that describe the program; Contents leads back.
    help->browser()->setSource(QUrl(u"pictures.html"_qs));
    EXPECT_EQ(help->browser()->source().fileName(), u"pictures.html"_qs);
    EXPECT_TRUE(help->browser()->toPlainText().contains(u"large picture viewer"_qs));
    EXPECT_TRUE(help->backButton()->isEnabled());
    help->contentsButton()->click();
    EXPECT_EQ(help->browser()->source().fileName(), u"contents.html"_qs);

    // Asking again while it is open brings the same window back at its contents page.
    help->browser()->setSource(QUrl(u"menus.html"_qs));
    item(u"mnuContents"_qs)->trigger();
    EXPECT_EQ(menus->helpWindow(), help);
    EXPECT_EQ(help->browser()->source().fileName(), u"contents.html"_qs);
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
}

TEST_F(MenuDocumentsTest, HelpLinkLeadsToAPageThatIsNotInstalled)
{
    installHelp();
    item(u"mnuContents"_qs)->trigger();
    HelpWindow* help = menus->helpWindow();
    ASSERT_NE(help, nullptr);
    const QDir folder(fake.programFolder() + u"/help"_qs);
    const QRegularExpression link(u"href=\"([^\"#]+)"_qs);
    for (const QString& page : folder.entryList({u"*.html"_qs})) {
        QFile file(folder.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const QString target = match.next().captured(1);
            EXPECT_TRUE(folder.exists(target)) << page.toStdString() << " links to " << target.toStdString();
        }
        help->browser()->setSource(QUrl(page));
        EXPECT_FALSE(help->browser()->documentTitle().isEmpty()) << page.toStdString();
    }
}

TEST_F(MenuDocumentsTest, F1OnTheMainWindowDoesNothing)
{
    installHelp();
    form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    QTest::keyClick(form1.get(), Qt::Key_F1);
    ASSERT_NE(menus->helpWindow(), nullptr);
    EXPECT_TRUE(menus->helpWindow()->isVisible());
}

TEST_F(MenuDocumentsTest, MissingHelpOpensAnEmptyWindowOrSaysNothing)
{
    item(u"mnuContents"_qs)->trigger();
    EXPECT_EQ(menus->helpWindow(), nullptr);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    const MessageBoxRequest& box = fake.dialogs.boxes.first();
    EXPECT_EQ(box.title, u"The Kestrane Omnivar"_qs);
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_TRUE(box.text.startsWith(u"The help of the Kestrane Omnivar could not be found."_qs));
    EXPECT_TRUE(box.text.contains(QDir::toNativeSeparators(fake.programFolder() + u"/help"_qs)));
}

TEST_F(MenuDocumentsTest, TheHelpWindowIsAnnouncedAsAWindowWithItsTitleAndEscapeUnloadsIt)
{
    installHelp();
    item(u"mnuContents"_qs)->trigger();
    const QPointer<HelpWindow> help = menus->helpWindow();
    ASSERT_NE(help, nullptr);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(help.data());
    ASSERT_NE(accessible, nullptr);
    EXPECT_TRUE(accessible->role() == QAccessible::Window || accessible->role() == QAccessible::Dialog)
        << "role " << accessible->role();
    EXPECT_EQ(accessible->text(QAccessible::Name), u"The Kestrane Omnivar 2002 Help - Contents"_qs);

    QTest::keyClick(help->browser(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull()) << "a closed help window is destroyed, not kept hidden";
    EXPECT_EQ(menus->helpWindow(), nullptr);
}
