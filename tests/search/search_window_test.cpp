#include "common/control_names.h"
#include "common/ui/rich_text_box.h"
#include "common/ui/window_registry.h"
#include "documents/ui/reader_window.h"
#include "platform/fakes/fake_platform.h"
#include "search/ui/search_controller.h"
#include "search/ui/search_window.h"
#include "shell/ui/main_window.h"
#include "support/small_demo_disc.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

// The real main window over a small demo disc in E:, with the search attached as the program
// attaches it.
class SearchWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake.mapDrive(u'E', test::smallDemoDisc());
        state.disc.cdRoot = u"E:"_qs;
        state.disc.photoRoot = u"E:"_qs;
        form1 = std::make_unique<MainWindow>(context);
        form1->show();
        search = std::make_unique<SearchController>(context, form1->controls(), &form1->mmControl1(),
                                                    cache.path());
    }

    void TearDown() override
    {
        search.reset();
        form1.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Ctrl+F on the main window, then the end of the first reading.
    SearchWindow* openSearch()
    {
        QApplicationPrivateActivate();
        QTest::keyClick(form1.get(), Qt::Key_F, Qt::ControlModifier);
        SearchWindow* window = search->window();
        if (!window)
            return nullptr;
        EXPECT_TRUE(window->isVisible());
        // Reading runs in its own thread; its end is a signal.
        if (!search->indexer().index()) {
            QSignalSpy done(&search->indexer(), &SearchIndexer::finished);
            EXPECT_TRUE(done.wait(60000));
        }
        return window;
    }

    void QApplicationPrivateActivate()
    {
        form1->activateWindow();
        QApplication::setActiveWindow(form1.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form1.get()));
    }

    FakePlatform fake;
    QTemporaryDir cache;
    AppState state;
    WindowRegistry windows;
    AppContext context{state, fake.platform(), nullptr, &windows};
    std::unique_ptr<MainWindow> form1;
    std::unique_ptr<SearchController> search;
};

struct ReaderSeen
{
    bool shown = false;
    QString caption;
    QString file;
    QString selected;
    QString afterF3;
    QString afterShiftF3;
    int matches = 0;
};

} // namespace

TEST_F(SearchWindowTest, CtrlFFindsWhatIsTypedAndEnterOpensTheDocumentAtItsFirstMatch)
{
    SearchWindow* window = openSearch();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), u"The Kestrane Omnivar     Search"_qs);
    EXPECT_EQ(window->objectName(), u"frmSearch"_qs);
    EXPECT_TRUE(window->searchField()->hasFocus());
    EXPECT_FALSE(window->indexProgress()->isVisible());
    EXPECT_FALSE(search->indexer().result().fromCache);
    EXPECT_GT(search->indexer().index()->size(), 300);

    // Letter by letter, as a user types.
    QTest::keyClicks(window->searchField(), u"1957 DESCRIPT"_qs);
    QListWidget* list = window->results();
    ASSERT_GT(list->count(), 0);
    EXPECT_EQ(list->item(0)->text(), u"The Kestrane Omnivar     1957 Description"_qs);
    EXPECT_EQ(window->status()->text(),
              list->count() == 1 ? u"1 document"_qs : QString::number(list->count()) + u" documents"_qs);
    // A screen reader hears the caption and the words around the match.
    QAccessibleInterface* listAccess = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(listAccess, nullptr);
    ASSERT_GT(listAccess->childCount(), 0);
    EXPECT_TRUE(listAccess->child(0)
                    ->text(QAccessible::Name)
                    .startsWith(u"The Kestrane Omnivar     1957 Description: "_qs));

    // Down in the field moves through the results; Enter opens the one chosen.
    window->searchField()->clear();
    QTest::keyClicks(window->searchField(), u"fuel inj"_qs);
    ASSERT_GT(list->count(), 1);
    QTest::keyClick(window->searchField(), Qt::Key_Down);
    EXPECT_EQ(list->currentRow(), 1);
    QTest::keyClick(window->searchField(), Qt::Key_Up);
    const QString chosen = list->item(0)->text();

    ReaderSeen seen;
    QTimer::singleShot(0, [&] {
        ReaderWindow* reader = findReader(context);
        if (!reader || !reader->isVisible())
            return;
        seen.shown = true;
        // F3 belongs to the reader, the active window while it is open.
        QApplication::setActiveWindow(reader);
        EXPECT_TRUE(QTest::qWaitForWindowActive(reader));
        seen.caption = reader->windowTitle();
        seen.file = reader->rtbText()->fileName();
        seen.selected = reader->rtbText()->textCursor().selectedText();
        seen.matches = int(reader->rtbText()->extraSelections().size());
        QTest::keyClick(reader, Qt::Key_F3);
        seen.afterF3 =
            QString::number(reader->currentMatch()) + u' ' + reader->rtbText()->textCursor().selectedText();
        QTest::keyClick(reader, Qt::Key_F3, Qt::ShiftModifier);
        seen.afterShiftF3 = QString::number(reader->currentMatch());
        QTest::mouseClick(reader->okButton(), Qt::LeftButton);
    });
    QTest::keyClick(window->searchField(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.caption, chosen);
    EXPECT_TRUE(seen.file.startsWith(u"E:\\richtext\\"_qs)) << seen.file.toStdString();
    EXPECT_EQ(seen.selected.toLower(), u"fuel"_qs);
    EXPECT_GE(seen.matches, 2);
    EXPECT_EQ(seen.afterF3.left(2), u"1 "_qs);
    EXPECT_TRUE(seen.afterF3.mid(2).toLower().startsWith(u"fuel"_qs) ||
                seen.afterF3.mid(2).toLower().startsWith(u"inj"_qs));
    EXPECT_EQ(seen.afterShiftF3, u"0"_qs);
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
}

TEST_F(SearchWindowTest,
       TheNextStartTakesTheCachedIndexADoubleClickOpensAndAVanishedDocumentIsReportedWithItsCode)
{
    // A first run fills the cache.
    {
        SearchController first(context, form1->controls(), &form1->mmControl1(), cache.path());
        QSignalSpy done(&first.indexer(), &SearchIndexer::finished);
        first.showSearch();
        ASSERT_TRUE(done.wait(60000));
    }
    SearchWindow* window = openSearch();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(search->indexer().result().fromCache);

    QTest::keyClicks(window->searchField(), u"glossary"_qs);
    ASSERT_GT(window->results()->count(), 0);
    ASSERT_EQ(window->results()->item(0)->text(), u"The Kestrane Omnivar     Kestrane Glossary"_qs);
    // A double click opens it as Enter does.
    QString opened;
    QTimer::singleShot(0, [&] {
        if (ReaderWindow* reader = findReader(context)) {
            opened = reader->windowTitle();
            QTest::mouseClick(reader->okButton(), Qt::LeftButton);
        }
    });
    QListWidget* list = window->results();
    const QPoint item = list->visualItemRect(list->item(0)).center();
    // The first click of the two, then the double click that the window system reports.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(opened, u"The Kestrane Omnivar     Kestrane Glossary"_qs);

    // The disc changed under the running program: the opener's own error, and no reader.
    fake.mapDrive(u'E', fake.root() + u"/gone"_qs);
    QTest::keyClick(window->searchField(), Qt::Key_Return);
    EXPECT_EQ(findReader(context), nullptr);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    EXPECT_TRUE(fake.dialogs.boxes.first().text.startsWith(u"Error number: ER051"_qs));
}
