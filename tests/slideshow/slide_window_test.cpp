// frmSlide through the real main window over the small demo disc: opening it, playing, the
// hand-over to the year page, the clipboard, the keys, the clock and closing.
#include "../selection/page_fixture.h"

#include "common/control_names.h"
#include "common/ui/spin_button.h"
#include "documents/ui/reader_window.h"
#include "documents/ui/year_documents_controller.h"
#include "photos/slide_layout.h"
#include "photos/slide_show.h"
#include "photos/ui/slide_show_controller.h"
#include "photos/ui/slide_widgets.h"
#include "photos/ui/slide_window.h"
#include "selection/ui/year_page.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

using namespace kestrane;

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

class SlideWindowTest : public PageFixture
{
protected:
    void openMain()
    {
        open();
        controller = std::make_unique<SlideShowController>(
            context, main->controls(),
            [this] { return fake.screen.widthPixels == 800 && fake.screen.heightPixels == 600; },
            [this](const QString& key, int photo) { return page->takeSlide(key, photo); });
        documents = std::make_unique<YearDocuments>(context, main->controls(), &main->mmControl1());
    }

    ~SlideWindowTest() override
    {
        documents.reset();
        controller.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Starts the show with `trigger` (cmdSlide or mnuSlideShow) and runs `whileOpen` inside its
    // modal loop; a window still open afterwards is closed, its question answered OK.
    void runShow(const std::function<void(SlideWindow&)>& whileOpen, const QString& trigger = u"cmdSlide"_qs)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            ran = true;
            SlideWindow* window = findSlideWindow(context);
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(window->isVisible());
            whileOpen(*window);
            if (findSlideWindow(context)) {
                fake.dialogs.answerNext(MsgOk);
                findSlideWindow(context)->close();
            }
        });
        if (trigger == u"cmdSlide")
            QTest::mouseClick(button(trigger), Qt::LeftButton);
        else
            action(trigger)->trigger();
        EXPECT_TRUE(ran);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T = QWidget>
    static T* control(const SlideWindow& window, const char16_t* name, int index = -1)
    {
        T* found = window.findChild<T*>(index < 0 ? names::name(name) : names::indexed(name, index));
        EXPECT_NE(found, nullptr) << QString::fromUtf16(name).toStdString();
        return found;
    }
    static void click(const SlideWindow& window, const char16_t* name, int index = -1)
    {
        QTest::mouseClick(control<QAbstractButton>(window, name, index), Qt::LeftButton);
    }
    static QString text(const SlideWindow& window, const char16_t* name)
    {
        return control<QLabel>(window, name)->text();
    }
    // Whether a control and the buttons of the row are usable, by name.
    static QString usable(const SlideWindow& window)
    {
        QString states;
        for (const char16_t* name :
             {names::mmSlideBkwd, names::mmSlideFwd, names::mmSlidePlay, names::mmSlidePause,
              names::mmSlideJumpBkwd, names::mmSlideJumpFwd, names::mmSlideExit, names::SSCommand1,
              names::SSCommand2, names::SpinInterval})
            states += control(window, name)->isEnabled() ? u'1' : u'0';
        for (int i = 0; i < 3; ++i)
            states += control(window, names::Option1, i)->isEnabled() ? u'1' : u'0';
        return states;
    }
    QStringList questions() const
    {
        QStringList asked;
        for (const MessageBoxRequest& box : fake.dialogs.boxes)
            if (box.icon == MsgIcon::Question)
                asked << box.text;
        return asked;
    }

    std::unique_ptr<SlideShowController> controller;
    std::unique_ptr<YearDocuments> documents;
};

} // namespace

TEST_F(SlideWindowTest, TheButtonAndTheMenuItemOpenTheShowModallyAtTheMainWindowsPhotograph)
{
    struct Row
    {
        const char16_t* trigger;
        int width;
        int height;
        bool compact;
    };
    for (const Row& r : {Row{u"cmdSlide", 800, 600, true}, Row{u"mnuSlideShow", 1024, 768, false}}) {
        SCOPED_TRACE(QString::fromUtf16(r.trigger).toStdString());
        fake.screen.widthPixels = r.width;
        fake.screen.heightPixels = r.height;
        if (!main)
            openMain();
        clickYear(5);
        const QString photograph = state.photos.currentPhoto;
        runShow(
            [&](SlideWindow& w) {
                EXPECT_EQ(w.objectName(), u"frmSlide");
                EXPECT_EQ(w.windowTitle(), u"Kestrane Omnivar Slide Show");
                EXPECT_TRUE(w.isModal());
                EXPECT_EQ(w.pos(), main->pos());
                EXPECT_EQ(w.slideLayout().compact, r.compact);
                EXPECT_EQ(w.size(), slideLayout(r.compact, 1.0, 15).client);
                EXPECT_TRUE(control<QRadioButton>(w, names::Option1, 0)->isChecked());
                EXPECT_TRUE(control<QRadioButton>(w, names::optSeq, 0)->isChecked());
                EXPECT_EQ(
                    control<SlideImage>(w, names::Image1)->image().convertToFormat(QImage::Format_RGB32),
                    discImage(photograph));
                EXPECT_EQ(text(w, names::pnlPhotoNumber), QString::number(state.photos.shownIndex) +
                                                              u" of "_qs +
                                                              QString::number(state.photos.photoCount));
                EXPECT_TRUE(control(w, names::pnlPhotoNumber)->isVisible());
                EXPECT_FALSE(control(w, names::panYear)->isVisible());
                EXPECT_EQ(text(w, names::panInterval), u" 1 second");
                EXPECT_EQ(usable(w), u"1110111111111");
                EXPECT_EQ(windows.window(WindowRegistry::SlideShow), &w);
            },
            QString::fromUtf16(r.trigger));
        EXPECT_EQ(windows.window(WindowRegistry::SlideShow), nullptr);
        EXPECT_EQ(state.slides.slideShowRunning, kTrue);
        EXPECT_TRUE(questions().isEmpty());
    }
}

TEST_F(SlideWindowTest, PlayLeavesOnlyPauseAndExitUsableAndTheFakeClockAdvancesTheSlides)
{
    openMain();
    clickYear(5);
    runShow([&](SlideWindow& w) {
        const int first = state.photos.shownIndex;
        click(w, names::mmSlidePlay);
        EXPECT_EQ(usable(w), u"0001001000000");
        fake.clock.advance(1000);
        EXPECT_TRUE(text(w, names::pnlPhotoNumber).startsWith(QString::number(first + 1) + u" of "_qs));
        EXPECT_TRUE(control(w, names::panYear)->isVisible());
        EXPECT_EQ(text(w, names::panYear), u"1957");
        fake.clock.advance(1000);
        click(w, names::mmSlidePause);
        EXPECT_EQ(usable(w), u"1110111111111");
        EXPECT_TRUE(control(w, names::SSCommand1)->hasFocus() || !w.isActiveWindow());
        fake.clock.advance(5000);
        EXPECT_TRUE(text(w, names::pnlPhotoNumber).startsWith(QString::number(first + 2) + u" of "_qs));
        // The spin is usable again and counts from the next Play.
        QTest::mouseClick(control<SpinButton>(w, names::SpinInterval)->upButton(), Qt::LeftButton);
        EXPECT_EQ(text(w, names::panInterval), u"2 seconds");
        EXPECT_EQ(state.slides.slideInterval, 2000);
    });
    EXPECT_TRUE(errorCodesShown().isEmpty());
}

TEST_F(SlideWindowTest, ClosingAsksExitTheOmnivarOnlyAfterTheExitButtonAndCancelKeepsTheShow)
{
    openMain();
    clickYear(5);
    runShow([&](SlideWindow& w) { click(w, names::cmdExit); });
    EXPECT_TRUE(questions().isEmpty());

    runShow([&](SlideWindow& w) {
        click(w, names::mmSlideExit);
        EXPECT_EQ(findSlideWindow(context), &w); // the hand-over leaves the show open
        fake.dialogs.answerNext(MsgCancel);
        click(w, names::cmdExit);
        EXPECT_EQ(findSlideWindow(context), &w);
        fake.dialogs.answerNext(MsgCancel);
        w.close(); // the close box asks the same
        EXPECT_EQ(findSlideWindow(context), &w);
        fake.dialogs.answerNext(MsgOk);
        click(w, names::cmdExit);
        EXPECT_EQ(findSlideWindow(context), nullptr);
    });
    ASSERT_EQ(questions().size(), 3);
    const MessageBoxRequest& box = fake.dialogs.boxes.last();
    EXPECT_EQ(box.text, u"Exit the Kestrane Omnivar?");
    EXPECT_EQ(box.buttons, MsgButtons::OkCancel);
    EXPECT_EQ(box.icon, MsgIcon::Question);
    EXPECT_EQ(state.slides.slideShowRunning, kTrue);
}

TEST_F(SlideWindowTest, ExitHandsTheSlideToTheYearPageAndTheMuseumsSlideToItsMenuKey)
{
    openMain();
    clickYear(5);
    const int museum = int(state.photos.photoFiles.indexOf(u"E:\\kestranes\\MNB.JPG"_qs));
    ASSERT_GT(museum, 0);
    runShow([&](SlideWindow& w) {
        state.photos.photoCursor = qint16(museum - 1);
        click(w, names::mmSlideFwd);
        EXPECT_EQ(text(w, names::panYear), u"The National Kestrane Museum ");
        click(w, names::mmSlideExit);
        EXPECT_EQ(key(), u"National Kestrane Museum ");
        EXPECT_EQ(state.selection.categoryCode, u"MN");
        EXPECT_EQ(state.photos.currentPhoto, state.photos.photoFiles.at(museum));
        EXPECT_TRUE(shows(label(u"Image4"_qs), state.photos.currentPhoto));
        EXPECT_EQ(panPhoto(), u"2");
        EXPECT_EQ(button(u"cmdStats"_qs)->text(), u"Details");
        EXPECT_EQ(state.selection.currentYearButton, 0);
        EXPECT_EQ(state.slides.startedFromMain, kFalse);
        EXPECT_EQ(state.photos.photoCursor, museum - 1);

        // An insignia set hands over its year without the caption's blank.
        click(w, names::Option1, 2);
        for (int i = 0; i < 5; ++i)
            click(w, names::mmSlideFwd);
        EXPECT_EQ(text(w, names::panYear), u"1957 ");
        click(w, names::mmSlideExit);
        EXPECT_EQ(key(), u"1957");
        EXPECT_EQ(state.selection.currentYearButton, 5);
        EXPECT_EQ(state.photos.currentPhoto, u"E:\\kestranes\\57A.JPG");
    });
    EXPECT_TRUE(errorCodesShown().isEmpty());
    // The browser goes on from the photograph handed over.
    QTest::mouseClick(main->findChild<QAbstractButton*>(u"SpinUp"_qs), Qt::LeftButton);
    EXPECT_EQ(state.photos.currentPhoto, u"E:\\kestranes\\57B.JPG");
}

TEST_F(SlideWindowTest, ARightPressOnEachPictureOffersTheClipboardAndALeftClickDoesNot)
{
    openMain();
    clickYear(5);
    runShow([&](SlideWindow& w) {
        click(w, names::Option1, 2);
        for (int i = 0; i < 5; ++i)
            click(w, names::mmSlideFwd); // 1957: all four pictures
        for (const char16_t* name : {names::Image1, names::Picture2, names::Picture3, names::Picture4}) {
            SCOPED_TRACE(QString::fromUtf16(name).toStdString());
            auto* picture = control<SlideImage>(w, name);
            ASSERT_TRUE(picture->isVisible());
            EXPECT_EQ(picture->toolTip(), u"Click the Right mouse button to copy");
            const qsizetype boxes = fake.dialogs.boxes.size();
            QTest::mouseClick(picture, Qt::LeftButton);
            EXPECT_EQ(fake.dialogs.boxes.size(), boxes);
            fake.dialogs.answerNext(MsgNo);
            QTest::mousePress(picture, Qt::RightButton);
            QTest::mouseRelease(picture, Qt::RightButton);
            EXPECT_TRUE(fake.clipboard.image.isNull());
            fake.dialogs.answerNext(MsgYes);
            QTest::mousePress(picture, Qt::RightButton);
            QTest::mouseRelease(picture, Qt::RightButton);
            EXPECT_EQ(fake.clipboard.image, picture->image());
            EXPECT_TRUE(picture->isVisible());
            fake.clipboard.clear();
        }
    });
    const QStringList asked = questions();
    EXPECT_EQ(asked.size(), 8);
    EXPECT_EQ(asked.value(0), u"Would you like to copy this image to the Windows Clipboard?");
}

TEST_F(SlideWindowTest, TheStepKeysOnBeginningStepBackAndOnAndOtherKeysDoNothing)
{
    openMain();
    clickYear(5);
    runShow([&](SlideWindow& w) {
        auto* beginning = control<QPushButton>(w, names::SSCommand1);
        const QString at = text(w, names::pnlPhotoNumber);
        QTest::keyClick(beginning, Qt::Key_Period);
        const QString next = text(w, names::pnlPhotoNumber);
        EXPECT_NE(next, at);
        QTest::keyClick(beginning, Qt::Key_A);
        EXPECT_EQ(text(w, names::pnlPhotoNumber), next);
        QTest::keyClick(beginning, Qt::Key_Comma);
        EXPECT_EQ(text(w, names::pnlPhotoNumber), at);
    });
}

TEST_F(SlideWindowTest, TheClockPanelsFollowTheClockInEnglish)
{
    openMain();
    runShow([&](SlideWindow& w) {
        fake.clock.setNow(QDateTime(QDate(2001, 1, 1), QTime(23, 59, 59)));
        fake.clock.advance(1000);
        EXPECT_EQ(text(w, names::StatusTime), u"12:00:00 am");
        EXPECT_EQ(text(w, names::StatusDate), u"01/02/01");
        EXPECT_EQ(text(w, names::StatusDay), u"Tuesday");
    });
}

TEST_F(SlideWindowTest, AMessageBoxOverTheShowTakesThePanelsDarkLabelStyle)
{
    openMain();
    runShow([](SlideWindow& w) {
        QMessageBox box(QMessageBox::Question, u"The Kestrane Omnivar"_qs,
                        u"Would you like to copy this image to the Windows Clipboard?"_qs, QMessageBox::Yes,
                        &w);
        auto* label = box.findChild<QLabel*>(u"qt_msgbox_label"_qs);
        ASSERT_NE(label, nullptr);
        label->ensurePolished();
        EXPECT_NE(label->palette().color(QPalette::WindowText), QColor(0xe9, 0xeb, 0xee));
        EXPECT_NE(label->palette().color(QPalette::Window), QColor(0x0f, 0x12, 0x15));
        // The show's own panels keep theirs.
        auto* number = control<QLabel>(w, names::pnlPhotoNumber);
        number->ensurePolished();
        EXPECT_EQ(number->palette().color(QPalette::WindowText), QColor(0xf4, 0xc8, 0x4f));
        EXPECT_EQ(control<QLabel>(w, names::StatusTime)->palette().color(QPalette::Window),
                  QColor(0x0f, 0x12, 0x15));
    });
}

TEST_F(SlideWindowTest, EveryControlShowsItsCaptionAndToolTipAndNamesItselfToAssistiveTools)
{
    openMain();
    struct Row
    {
        const char16_t* name;
        int index;
        const char16_t* caption;
        const char16_t* toolTip;
    };
    const Row rows[] = {
        {names::Option1, 0, u"Photos", u"Show Photos"},
        {names::Option1, 1, u"ClipArt", u"Show ClipArt"},
        {names::Option1, 2, u"Insignias", u"Show Emblems & Scripts"},
        {names::optSeq, 0, u"Sequential", nullptr},
        {names::optSeq, 1, u"Random", nullptr},
        {names::SSCommand1, -1, u"Beginning", u"Jump to Slide 1"},
        {names::SSCommand2, -1, u"Middle", u"Jump to Middle"},
        {names::cmdExit, -1, u"Exit", nullptr},
        {names::PnlCoStar, -1, u"The Kestrane Omnivar  2002", nullptr},
        {names::panInterval, -1, u" 1 second", nullptr},
        {names::SpinInterval, -1, nullptr, u"Set Slide Show Delay"},
        {names::mmSlide, -1, nullptr, u"[Bkwd] [Fwd] [Play] [Pause] [Jump Bkwd] [Jump Fwd] [Exit]"},
        {names::mmSlideBkwd, -1, u"Bkwd", u"Bkwd"},
        {names::mmSlideFwd, -1, u"Fwd", u"Fwd"},
        {names::mmSlidePlay, -1, u"Play", u"Play"},
        {names::mmSlidePause, -1, u"Pause", u"Pause"},
        {names::mmSlideJumpBkwd, -1, u"Jump Bkwd", u"Jump Bkwd"},
        {names::mmSlideJumpFwd, -1, u"Jump Fwd", u"Jump Fwd"},
        {names::mmSlideExit, -1, u"Exit", u"Exit"},
    };
    runShow([&](SlideWindow& w) {
        for (const Row& r : rows) {
            SCOPED_TRACE(QString::fromUtf16(r.name).toStdString());
            QWidget* widget = control(w, r.name, r.index);
            if (r.toolTip) {
                EXPECT_EQ(widget->toolTip(), QString::fromUtf16(r.toolTip));
            }
            if (!r.caption)
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            ASSERT_NE(accessible, nullptr);
            EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf16(r.caption));
        }
        // The seven buttons stand in their order from left to right.
        int left = -1;
        for (const char16_t* name :
             {names::mmSlideBkwd, names::mmSlideFwd, names::mmSlidePlay, names::mmSlidePause,
              names::mmSlideJumpBkwd, names::mmSlideJumpFwd, names::mmSlideExit}) {
            auto* b = control<QPushButton>(w, name);
            EXPECT_GT(b->x(), left);
            EXPECT_FALSE(b->icon().isNull());
            left = b->x();
        }
    });
    state.disc.editionSwitch = 1;
    runShow([&](SlideWindow& w) {
        EXPECT_EQ(w.windowTitle(), u"The Kestrane Omnivar 2002          Dalworth - Tressel Edition");
        EXPECT_EQ(text(w, names::PnlCoStar), u" Dalworth - Tressel Edition");
    });
}

TEST_F(SlideWindowTest, AWindowOpenedAfterAShowIsNotClosedByTheRefreshOnLosingTheFocus)
{
    openMain();
    clickYear(5);
    runShow([](SlideWindow&) {});
    ASSERT_EQ(state.slides.slideShowRunning, kTrue);
    bool readerStayed = false;
    QTimer::singleShot(0, [&] {
        ReaderWindow* reader = findReader(context);
        ASSERT_NE(reader, nullptr);
        // The main window loses the focus to the reader as it opens.
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(main.get(), &deactivate);
        QCoreApplication::processEvents();
        readerStayed = findReader(context) == reader && reader->isVisible();
        if (findReader(context))
            reader->okClicked();
    });
    QTest::mouseClick(button(u"cmdDesc"_qs), Qt::LeftButton);
    EXPECT_TRUE(readerStayed);
    // The refresh itself still ran: the page is back and the flag is spent.
    EXPECT_EQ(state.slides.slideShowRunning, kFalse);
    EXPECT_TRUE(label(u"Image4"_qs)->isVisible());

    // A second show is not closed by it either.
    runShow([](SlideWindow&) {});
    runShow([&](SlideWindow& w) {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(main.get(), &deactivate);
        EXPECT_EQ(findSlideWindow(context), &w);
    });
}

TEST_F(SlideWindowTest, TheScreenReadersToggleChoosesInsigniasAndRunsTheSelectedModeAgain)
{
    openMain();
    clickYear(5);
    runShow([&](SlideWindow& w) {
        auto toggle = [](QAbstractButton* option) {
            QAccessibleActionInterface* actions =
                QAccessible::queryAccessibleInterface(option)->actionInterface();
            ASSERT_NE(actions, nullptr);
            ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
            actions->doAction(QAccessibleActionInterface::toggleAction());
        };
        auto* photos = control<QRadioButton>(w, names::Option1, 0);
        QWidget* number = control(w, names::pnlPhotoNumber);
        ASSERT_TRUE(photos->isChecked());
        ASSERT_TRUE(number->isVisibleTo(&w));
        // Photos is selected already: its toggle still runs the mode switch, which hides the number.
        toggle(photos);
        EXPECT_FALSE(number->isVisibleTo(&w));
        const QImage photosTitle = control<SlideImage>(w, names::Image1)->image();

        auto* insignias = control<QRadioButton>(w, names::Option1, 2);
        toggle(insignias);
        EXPECT_TRUE(insignias->isChecked());
        EXPECT_FALSE(photos->isChecked());
        EXPECT_EQ(text(w, names::panYear), u"1957"_qs);
        EXPECT_NE(control<SlideImage>(w, names::Image1)->image(), photosTitle);
    });
}
