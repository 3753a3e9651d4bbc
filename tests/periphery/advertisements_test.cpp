#include "viewer_fixture.h"

#include "documents/ui/advertisements_controller.h"
#include "periphery/ui/scroll_pictures.h"
#include "periphery/ui/scroll_window.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace kestrane;

namespace {

const QString kViewerPrefix = u"The Kestrane Omnivar    "_qs;
const QString kDealerCaption = u"The Kestrane Omnivar     Dalworth - Tressel"_qs;

class AdvertisementsTest : public ViewerFixture
{
protected:
    // Clicks the page button with the selection `key`; the year page's button states are not under test.
    void click(PageButton which, const QString& key)
    {
        state.selection.selectionKey = key;
        QAbstractButton* button = form1->controls().pageButton(which);
        ASSERT_NE(button, nullptr);
        button->setEnabled(true);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Records the pointer as each box comes up.
    void SetUp() override
    {
        ViewerFixture::SetUp();
        fake.dialogs.onBox = [this](const MessageBoxRequest&) { busyAtBox << fake.screen.busy; };
    }

    QList<bool> busyAtBox;
};

struct AdRow
{
    const char16_t* key;
    const char16_t* file;
};

} // namespace

TEST_F(AdvertisementsTest, AdvertisementOfAnotherFileOrCaptionIsShown)
{
    const AdRow rows[] = {
        {u"1965", u"65gmco00.jpg"},
        {u"2001", u"01gmco00.jpg"},
        {u"1953", u"53gmco00.jpg"},
        {u"Kestrane Pinball Machine ", u"xpbad00.jpg"},
        {u"1990-1995 ZR-1 ", u"zr1ad.jpg"},
        {u"Malibu Kestrane Ski Boat ", u"skad.jpg"},
        {u"Halvard C12 ", u"C12.jpg"},
        {u"Halvard Twin-Turbo ", u"hvad.jpg"},
        {u"Venzi Automotive Concepts ", u"venzi.jpg"},
        {u"Orbeck Cars ", u"obad.jpg"},
        {u"Dromell Cars ", u"dmad.jpg"},
        {u"Prototypes ", u"ACGMCO04.jpg"},
        {u"Specter Werkes GTR Roadster ", u"gtrad.jpg"},
        {u"Race Cars ", u"dpadmako.jpg"},
    };
    for (const AdRow& row : rows) {
        const QString key = QString::fromUtf16(row.key);
        const QString path = u"E:\\ads\\"_qs + QString::fromUtf16(row.file);
        SCOPED_TRACE(key.toStdString());
        click(kAd, key);
        ScrollWindow* window = viewer();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), kViewerPrefix + key + u" Advertisement"_qs);
        EXPECT_EQ(window->picturePath(), path);
        EXPECT_EQ(state.documents.documentPath, path);
        EXPECT_EQ(window->picChild()->image(), discImage(path));
        EXPECT_FALSE(form1->isEnabled());
        EXPECT_FALSE(fake.screen.busy);
        window->unload();
        flush();
        EXPECT_TRUE(form1->isEnabled());
    }
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
}

TEST_F(AdvertisementsTest, DealerAdvertisementShowsWithoutTheDealerPage)
{
    state.documents.documentCaption = kDealerCaption;
    click(kAd, u"Dalworth"_qs);
    ScrollWindow* window = viewer();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->picturePath(), u"E:\\ads\\dalworth.jpg"_qs);
    EXPECT_EQ(window->windowTitle(), kDealerCaption + u"  Advertisement"_qs);
    window->unload();
    flush();

    // Anywhere else "Dalworth" goes by the year rule, whose picture does not exist.
    state.documents.documentCaption.clear();
    click(kAd, u"Dalworth"_qs);
    EXPECT_EQ(viewer(), nullptr);
    EXPECT_EQ(state.documents.documentPath, u"E:\\ads\\lwgmco00.jpg"_qs);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER044"_qs});
}

TEST_F(AdvertisementsTest, MissingOrUnreadableAdvertisementIsReportedUnderTheHourglassOrWithAnotherCode)
{
    QTemporaryDir broken;
    writeHostFile(broken.path(), u"ads/57gmco00.jpg"_qs, "not a picture");
    const struct
    {
        const char16_t* key;
        bool brokenDisc;
    } rows[] = {
        {u"Miscellany ", false}, // no row of its own: characters 3 and 4 name no picture
        {u"1957", true},
    };
    for (const auto& row : rows) {
        fake.dialogs.boxes.clear();
        busyAtBox.clear();
        fake.mapDrive(u'E', row.brokenDisc ? broken.path() : disc());
        click(kAd, QString::fromUtf16(row.key));
        EXPECT_EQ(viewer(), nullptr);
        EXPECT_EQ(errorCodesShown(), QStringList{u"ER044"_qs});
        EXPECT_EQ(busyAtBox, QList<bool>{false});
        EXPECT_TRUE(form1->isEnabled());
    }
}

TEST_F(AdvertisementsTest, YearWithoutAnAdvertisementReportsAnErrorInsteadOfSorry)
{
    for (const QString& year : {u"1976"_qs, u"1996"_qs}) {
        fake.dialogs.boxes.clear();
        busyAtBox.clear();
        state.selection.selectionKey = year;
        form1->setEnabled(false);
        ads->cmdAdClick();
        EXPECT_EQ(viewer(), nullptr);
        ASSERT_EQ(fake.dialogs.boxes.size(), 1) << year.toStdString();
        const MessageBoxRequest& box = fake.dialogs.boxes.first();
        EXPECT_EQ(box.text, u"Sorry!\r\n\r\nMarburn did not advertise the Kestrane this year.\r\n"_qs);
        EXPECT_EQ(box.title, u"The Kestrane Omnivar"_qs);
        EXPECT_EQ(box.icon, MsgIcon::Exclamation);
        EXPECT_EQ(busyAtBox, QList<bool>{false});
        EXPECT_TRUE(form1->isEnabled());
    }
}

TEST_F(AdvertisementsTest, BrochureOfAnotherFileOrCaptionIsShown)
{
    for (const QString& year : {u"1963"_qs, u"2001"_qs}) {
        click(kBrochure, year);
        ScrollWindow* window = viewer();
        ASSERT_NE(window, nullptr) << year.toStdString();
        const QString path = u"E:\\Brochures\\br"_qs + year + u".jpg"_qs;
        EXPECT_EQ(window->picturePath(), path);
        EXPECT_EQ(window->windowTitle(), kViewerPrefix + year + u" Marketing Brochure Cover"_qs);
        EXPECT_EQ(window->picChild()->image(), discImage(path));
        EXPECT_FALSE(fake.screen.busy);
        window->unload();
        flush();
    }
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
}

TEST_F(AdvertisementsTest, CategoryWithoutABrochureReportsAnErrorInsteadOfSorry)
{
    form1->setEnabled(false);
    state.selection.selectionKey = u"Halvard C12 "_qs;
    ads->cmdBrochureClick();
    EXPECT_EQ(viewer(), nullptr);
    EXPECT_EQ(state.documents.documentPath, u"E:\\Brochures\\brHalv.jpg"_qs);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    const MessageBoxRequest& box = fake.dialogs.boxes.first();
    EXPECT_EQ(box.text,
              u"Sorry!\r\n\r\nThis Brochure was not available in time for the release of the Kestrane "
              u"Omnivar 2002.\r\n"_qs);
    EXPECT_EQ(box.title, u"The Kestrane Omnivar"_qs);
    EXPECT_EQ(box.icon, MsgIcon::Exclamation);
    EXPECT_EQ(busyAtBox, QList<bool>{false});
    EXPECT_TRUE(form1->isEnabled());
}

TEST_F(AdvertisementsTest, OldViewerOrPlayListStaysOpenUnderANewPicture)
{
    auto playList = std::make_unique<QWidget>();
    windows.enter(WindowRegistry::PlayList, playList.get());
    playList->show();
    click(kAd, u"1965"_qs);
    EXPECT_FALSE(playList->isVisible());
    ScrollWindow* first = viewer();
    ASSERT_NE(first, nullptr);
    QPointer<ScrollWindow> firstAlive = first;

    state.selection.selectionKey = u"1965"_qs;
    ads->cmdBrochureClick();
    flush();
    EXPECT_TRUE(firstAlive.isNull());
    ASSERT_NE(viewer(), nullptr);
    EXPECT_EQ(viewer()->picturePath(), u"E:\\Brochures\\br1965.jpg"_qs);
    EXPECT_FALSE(form1->isEnabled());
}

TEST_F(AdvertisementsTest, WholeScreenViewTakesTheWrongWidthOrLeavesTheScrollingViewShowing)
{
    const struct
    {
        const char16_t* key;
        bool landscape;
    } rows[] = {
        {u"1965", false}, // a portrait page, 0.77 times as wide as the screen is high
        {u"1970", true},  // a landscape page across the screen
        {u"1990-1995 ZR-1 ", true},
        {u"Race Cars ", false},
    };
    for (const auto& row : rows) {
        const QString key = QString::fromUtf16(row.key);
        SCOPED_TRACE(key.toStdString());
        click(kAd, key);
        ScrollWindow* window = viewer();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        // The viewer fills the screen: its inside is the screen the page is fitted to.
        const QSize screen = window->size();
        const int width = row.landscape ? screen.width() : qRound(screen.height() * 0.77);
        QTest::mouseClick(window->picChild(), Qt::LeftButton);
        ASSERT_TRUE(window->isWholeScreen());
        EXPECT_TRUE(window->image1()->isVisible());
        EXPECT_EQ(window->image1()->geometry(),
                  QRect((screen.width() - width) / 2, 0, width, screen.height()));
        for (QWidget* scrolling :
             {static_cast<QWidget*>(window->hScroll1()), static_cast<QWidget*>(window->vScroll1()),
              window->picParent(), static_cast<QWidget*>(window->picChild())})
            EXPECT_FALSE(scrolling->isVisible()) << scrolling->objectName().toStdString();
        EXPECT_TRUE(window->closeButton()->isVisible());

        QTest::mouseClick(window->image1(), Qt::LeftButton);
        EXPECT_FALSE(window->isWholeScreen());
        EXPECT_TRUE(window->picChild()->isVisible());
        EXPECT_TRUE(window->hScroll1()->isVisible());

        // A right press on the whole page closes the viewer too.
        QTest::mouseClick(window->picChild(), Qt::LeftButton);
        QTest::mousePress(window->image1(), Qt::RightButton);
        EXPECT_EQ(viewer(), nullptr);
        flush();
    }
}

TEST_F(AdvertisementsTest, OrbeckOrVenziPictureSwitchesToAWholeScreenView)
{
    for (const QString& key : {u"Orbeck Cars "_qs, u"Venzi Automotive Concepts "_qs}) {
        click(kAd, key);
        ScrollWindow* window = viewer();
        ASSERT_NE(window, nullptr) << key.toStdString();
        QTest::mouseClick(window->picChild(), Qt::LeftButton);
        EXPECT_FALSE(window->isWholeScreen()) << key.toStdString();
        window->unload();
        flush();
    }
}
