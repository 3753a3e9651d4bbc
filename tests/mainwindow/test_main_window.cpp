#include "form1_fixture.h"

#include "common/category_table.h"
#include "common/ui/main_window_controls.h"
#include "common/ui/rich_text_box.h"
#include "common/ui/spin_button.h"
#include "common/wave_player.h"
#include "shell/startup.h"
#include "shell/ui/application.h"
#include "shell/ui/picture_label.h"

#include <QDir>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace kestrane;

namespace {

using Form1 = Form1Fixture;

QRect inPage(const MainWindow& window, const QWidget* widget)
{
    return QRect(widget->mapTo(window.page(), QPoint(0, 0)), widget->size());
}

} // namespace

TEST_F(Form1, PlacementSurvivesARestartInTwips)
{
    MainWindow& first = open();
    // First run: the screen's full size at the top left.
    EXPECT_EQ(first.pos(), QPoint(0, 0));
    EXPECT_EQ(first.size(), QSize(800, 600));

    first.move(30, 45);
    first.resize(640, 480);
    first.close();
    EXPECT_EQ(fake.settings.writes,
              (QStringList{u"MainLeft"_qs, u"MainTop"_qs, u"MainWidth"_qs, u"MainHeight"_qs}));
    EXPECT_EQ(setting(u"MainLeft"), u"450"_qs);
    EXPECT_EQ(setting(u"MainTop"), u"675"_qs);
    EXPECT_EQ(setting(u"MainWidth"), u"9600"_qs);
    EXPECT_EQ(setting(u"MainHeight"), u"7200"_qs);
    EXPECT_TRUE(fake.app.ended);

    MainWindow& second = open();
    EXPECT_EQ(second.pos(), QPoint(30, 45));
    EXPECT_EQ(second.size(), QSize(640, 480));
}

TEST_F(Form1, FirstRunOnAnotherScreenFillsItThenTakesTheFixedStartupSize)
{
    fake.screen.widthPixels = 1024;
    fake.screen.heightPixels = 768;
    MainWindow& main = open();
    EXPECT_EQ(main.pos(), QPoint(0, 0));
    EXPECT_EQ(main.size(), QSize(1024, 768));
    main.applyStartupSizing(mainWindowSizing(fake.screen));
    EXPECT_EQ(main.size(), QSize(11994 / 15, 9100 / 15));
    EXPECT_FALSE(action(names::name(names::mnuHideStatus))->isVisible());
}

TEST_F(Form1, AStoredValueThatIsNoNumberIsMendedToItsDefault)
{
    storeSetting(u"MainLeft", u"150"_qs);
    storeSetting(u"MainTop", u"1,500"_qs);
    storeSetting(u"MainWidth", u"9000"_qs);
    storeSetting(u"MainHeight", u"tall"_qs);
    MainWindow& main = open();
    EXPECT_EQ(main.pos(), QPoint(10, 0));
    EXPECT_EQ(main.size(), QSize(600, 600));
}

TEST_F(Form1, ClosingWhileMinimizedKeepsTheOldPlacementButStillClosesTheSoundAndTheTaskbar)
{
    storeSetting(u"MainLeft", u"150"_qs);
    storeSetting(u"MainTop", u"300"_qs);
    storeSetting(u"MainWidth", u"9000"_qs);
    storeSetting(u"MainHeight", u"6000"_qs);
    fake.windowManager.taskbar = 42;
    // A second of silence, 8000 Hz 8-bit mono.
    const QByteArray wave(
        "RIFF\x64\x1f\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x40\x1f\0\0\x40\x1f\0\0\1\0\x08\0data\x40\x1f\0\0", 44);
    writeHostFile(disc, u"wav/passby.wav"_qs, wave + QByteArray(8000, '\x80'));
    MainWindow& main = open();
    // A sound effect is playing.
    main.mmControl1().setDeviceType(u"WaveAudio"_qs);
    main.mmControl1().setFileName(u"E:\\wav\\passby.wav"_qs);
    ASSERT_TRUE(main.mmControl1().command(u"open"_qs));
    main.showMinimized();
    fake.windowManager.log.clear();
    main.close();
    EXPECT_TRUE(fake.settings.writes.isEmpty());
    EXPECT_EQ(setting(u"MainLeft"), u"150"_qs);
    EXPECT_EQ(setting(u"MainHeight"), u"6000"_qs);
    ASSERT_FALSE(fake.audioDevices.empty());
    EXPECT_FALSE(fake.audioDevices.back()->isOpen());
    EXPECT_TRUE(fake.windowManager.log.contains(u"show 0 1"_qs) ||
                fake.windowManager.log.contains(u"show 42 1"_qs));
    EXPECT_TRUE(fake.app.ended);
}

TEST_F(Form1, TheTaskbarItemHidesAndAnyLaterResizeMinimizeOrCloseBringsItBack)
{
    fake.windowManager.taskbar = 42;
    MainWindow& main = open();
    QAction* item = action(names::name(names::mnuHideStatus));
    // The first resize replaced the designer caption.
    EXPECT_EQ(item->text(), u"HideStatusBar"_qs);

    item->trigger();
    EXPECT_EQ(item->text(), u"ShowStatusBar"_qs);
    EXPECT_TRUE(fake.windowManager.log.contains(u"show 42 0"_qs));
    EXPECT_EQ(main.pos(), QPoint(0, 0));
    EXPECT_EQ(main.size(), QSize(807, 607)); // the screen and 100 twips more each way
    QCoreApplication::processEvents();
    EXPECT_EQ(item->text(), u"ShowStatusBar"_qs);

    // Minimizing counts as a resize.
    fake.windowManager.log.clear();
    main.showMinimized();
    EXPECT_EQ(item->text(), u"HideStatusBar"_qs);
    EXPECT_EQ(fake.windowManager.log, QStringList{u"show 42 1"_qs});
    main.showNormal();

    // A move to a new size.
    item->trigger();
    ASSERT_EQ(item->text(), u"ShowStatusBar"_qs);
    main.resize(700, 500);
    EXPECT_EQ(item->text(), u"HideStatusBar"_qs);

    // Closing.
    item->trigger();
    fake.windowManager.log.clear();
    main.close();
    EXPECT_EQ(fake.windowManager.log, QStringList{u"show 42 1"_qs});
}

TEST_F(Form1, WithoutATaskbarTheItemStillResizesAndToggles)
{
    MainWindow& main = open();
    main.resize(500, 400);
    QAction* item = action(names::name(names::mnuHideStatus));
    item->trigger();
    EXPECT_EQ(item->text(), u"ShowStatusBar"_qs);
    EXPECT_EQ(main.size(), QSize(807, 607));
    item->trigger();
    EXPECT_EQ(item->text(), u"HideStatusBar"_qs);
    EXPECT_TRUE(fake.windowManager.log.contains(u"show 0 1"_qs));
}

TEST_F(Form1, EveryWayOfClosingEndsTheProgram)
{
    const char16_t* ways[] = {names::cmdExit, names::mnuExit, names::mnuExit2};
    for (const char16_t* way : ways) {
        fake.app.ended = false;
        MainWindow& main = open();
        if (way == names::cmdExit)
            QTest::mouseClick(control<QPushButton>(names::name(way)), Qt::LeftButton);
        else
            action(names::name(way))->trigger();
        EXPECT_FALSE(main.isVisible()) << QString::fromUtf16(way).toStdString();
        EXPECT_TRUE(fake.app.ended);
    }
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
}

TEST_F(Form1, TheResolutionItemReportsThisScreen)
{
    fake.screen.widthPixels = 1024;
    fake.screen.heightPixels = 768;
    open();
    action(names::name(names::mnuCheckScreen))->trigger();
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    EXPECT_TRUE(fake.dialogs.boxes[0].text.startsWith(
        u"Your current screen resolution is set at  1024 by 768 pixles.\r\n\r\n"_qs));
}

TEST_F(Form1, EveryControlIsThereByItsNameAndTheYearButtonsShowTheirYears)
{
    MainWindow& main = open();
    for (const char16_t* name :
         {names::Image4, names::panYear, names::Frame1, names::cmdDesc, names::cmdStats, names::cmdOptions,
          names::cmdColors, names::cmdNostalgia, names::cmdScript, names::cmdEmblem, names::cmdEmbRear,
          names::cmdEmbSide, names::cmdClipArt, names::cmdAd, names::cmdBrochure, names::cmdSlide,
          names::cmdExit}) {
        QWidget* widget = control(names::name(name));
        ASSERT_NE(widget, nullptr) << QString::fromUtf16(name).toStdString();
        EXPECT_TRUE(widget->isVisible()) << QString::fromUtf16(name).toStdString();
        EXPECT_TRUE(widget->isEnabled());
    }
    // Hidden until their subsystems show them.
    for (const char16_t* name :
         {names::panPhoto, names::SpinButton1, names::txtFile, names::rtbDetails, names::PicClipArt,
          names::picScript, names::picEmblem, names::picEmbRear, names::picEmbSide, names::pnlPrint,
          names::pnlSound, names::pnlProgress, names::pnlSSaver, names::SSpnlPenrow}) {
        QWidget* widget = control(names::name(name));
        ASSERT_NE(widget, nullptr) << QString::fromUtf16(name).toStdString();
        EXPECT_FALSE(widget->isVisible()) << QString::fromUtf16(name).toStdString();
    }
    EXPECT_NE(control<RichTextBox>(names::name(names::rtbDetails)), nullptr);
    EXPECT_NE(control<QLineEdit>(names::name(names::txtFile)), nullptr);
    EXPECT_EQ(control<QLabel>(names::name(names::panYear))->text(), u"panYear"_qs);
    EXPECT_FALSE(control<QLabel>(names::name(names::Image4))->toolTip().isEmpty());
    EXPECT_NE(control(names::indexed(names::Command1, 0)), nullptr);
    EXPECT_NE(control(names::indexed(names::Command1, 53)), nullptr);
    EXPECT_NE(control(names::indexed(names::Label12, 53)), nullptr);
    EXPECT_EQ(control(names::indexed(names::Label12, 0)), nullptr);

    const struct
    {
        int button;
        const char16_t* year;
    } years[] = {{1, u"1953"}, {30, u"1982"}, {31, u"1984"}, {47, u"2000"}, {49, u"2002"}};
    for (const auto& y : years)
        EXPECT_EQ(control<QPushButton>(names::indexed(names::cmdYR, y.button))->text(),
                  QString::fromUtf16(y.year));
    EXPECT_EQ(main.findChildren<QPushButton*>(QRegularExpression(u"^cmdYR\\(\\d+\\)$"_qs)).size(), 49);

    main.fillYearLists(yearListEntries());
    for (int i = 0; i < 2; ++i) {
        auto* list = control<QListWidget>(names::indexed(names::List1, i));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->count(), 50);
        EXPECT_EQ(list->item(49)->text(), u"ZR-1"_qs);
    }
}

// At 800 by 600 even the longest category title is readable whole: wrapped as it is painted, in
// the font it is painted in, it needs no more room than the panel's contents.
TEST_F(Form1, EverySelectionCaptionFitsPanYearWholeAt800By600)
{
    MainWindow& main = open();
    main.resize(800, 600);
    QApplication::processEvents();
    auto* panYear = control<CaptionPanel>(names::name(names::panYear));
    ASSERT_NE(panYear, nullptr);
    const QRect area = panYear->contentsRect();

    QStringList captions = {u"panYear"_qs, u"Dalworth"_qs, u"1957"_qs, u"2002"_qs};
    for (const CategoryRow& row : categoryTable())
        captions << QString::fromUtf16(row.title);
    for (const QString& caption : std::as_const(captions)) {
        panYear->setText(caption);
        const QFont used = panYear->captionFont();
        const QRect needed =
            QFontMetrics(used).boundingRect(area, panYear->captionFlags(), panYear->shownText());
        EXPECT_LE(needed.width(), area.width()) << caption.toStdString();
        EXPECT_LE(needed.height(), area.height()) << caption.toStdString();
        EXPECT_GE(used.pointSizeF(), 8) << caption.toStdString();
    }
    // A year keeps the panel's full size: only what does not fit is made smaller.
    panYear->setText(u"1957"_qs);
    EXPECT_EQ(panYear->captionFont(), panYear->font());
}

TEST_F(Form1, TheFrontRuleRaisesAYearButtonWithoutTakingTheFocus)
{
    MainWindow& main = open();
    auto* first = control<QPushButton>(names::indexed(names::cmdYR, 1));
    auto* fifth = control<QPushButton>(names::indexed(names::cmdYR, 5));
    first->setFocus();
    main.bringYearButtonToFront(5);
    EXPECT_EQ(fifth->parentWidget()->children().last(), fifth);
    EXPECT_EQ(main.focusWidget(), first);
    main.bringYearButtonToFront(0); // out of range: nothing happens
    EXPECT_EQ(fifth->parentWidget()->children().last(), fifth);

    main.setMainWindowEnabled(false);
    EXPECT_FALSE(main.isEnabled());
    main.setMainWindowEnabled(true);
    EXPECT_TRUE(main.isEnabled());
}

TEST_F(Form1, PicturesAndTheDescriptionBoxKeepTheirRulesAtEverySize)
{
    MainWindow& main = open();
    for (const QSize size : {QSize(800, 600), QSize(1280, 1000), QSize(1024, 740), QSize(700, 520)}) {
        main.resize(size);
        SCOPED_TRACE(size.width());
        const QRect photo = control(names::name(names::Image4))->geometry();
        const QRect frame = control(names::name(names::Frame1))->geometry();
        EXPECT_EQ(frame.x(), 0);
        EXPECT_EQ(frame.width(), main.page()->width());
        EXPECT_GT(frame.top(), photo.bottom());
        EXPECT_LE(photo.right(), main.page()->width());
        const QRect ad = inPage(main, control(names::name(names::cmdAd)));
        EXPECT_EQ(control(names::name(names::cmdAd))->x(), ad.x());
        const QRect details = control(names::name(names::rtbDetails))->geometry();
        EXPECT_EQ(details.size(), QSize(329, 106));
        EXPECT_EQ(details.right(), ad.right() - 10);
        EXPECT_EQ(details.top(), photo.top() + 8);
        EXPECT_GE(details.left(), photo.left());

        const QRect script = control(names::name(names::picScript))->geometry();
        EXPECT_EQ(script.topLeft(), photo.topLeft() + QPoint(1, 50));
        for (const char16_t* emblem : {names::picEmbRear, names::picEmbSide, names::picEmblem})
            EXPECT_EQ(control(names::name(emblem))->geometry().bottom(), frame.top() - 2);
        EXPECT_EQ(control(names::name(names::picEmbRear))->x(), photo.left() + 1);
        const QWidget* side = control(names::name(names::picEmbSide));
        EXPECT_EQ(side->x(), photo.width() - side->width());

        // Every caption fits inside its button's border and padding.
        for (QPushButton* button : main.findChildren<QPushButton*>()) {
            if (!button->isVisible() || button->text().isEmpty())
                continue;
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8)
                << button->objectName().toStdString();
        }
    }
}

TEST_F(Form1, TheDealerEditionLoadsItsOwnPage)
{
    writeHostFile(disc, u"dalworth/Dalworth.rtf"_qs);
    state.disc.editionSwitch = 1;
    MainWindow& main = open();
    EXPECT_EQ(main.windowTitle(), u"The Kestrane Omnivar 2002          Dalworth - Tressel Edition"_qs);
    EXPECT_EQ(control<QLabel>(names::name(names::panYear))->text(), u"Dalworth"_qs);
    EXPECT_EQ(control<QPushButton>(names::name(names::cmdDesc))->text(), u"Hello!"_qs);
    EXPECT_EQ(action(names::name(names::mnuWeb))->text(), u"Dalworth Website"_qs);
    EXPECT_TRUE(action(names::name(names::mnuDalworth))->isVisible());
    EXPECT_EQ(state.disc.documentWindowTitle, u"The Kestrane Omnivar     Dalworth - Tressel"_qs);
    // The load's later step sets the description document for both editions.
    EXPECT_EQ(state.disc.currentFile, u"E:\\richtext\\desc.rtf"_qs);
}

TEST_F(Form1, TheStandardEditionHidesTheDealerItemAndNamesItsWindow)
{
    MainWindow& main = open();
    EXPECT_EQ(main.windowTitle(), u"The Kestrane Omnivar  2002"_qs);
    EXPECT_FALSE(action(names::name(names::mnuDalworth))->isVisible());
    EXPECT_EQ(state.disc.currentFile, u"E:\\richtext\\desc.rtf"_qs);
    auto* progress = control(names::name(names::pnlProgress));
    progress->show();
    main.HideProgress();
    EXPECT_FALSE(progress->isVisible());
}

TEST(Startup, TheCatalogueIsLoadedOnceTheDiscIsFound)
{
    FakePlatform fake;
    const QString disc = fake.addDrive(u'D');
    for (const char16_t* name :
         {u"kestranes/58a.jpg", u"kestranes/57B.JPG", u"kestranes/57A.JPG", u"clipart/1957.jpg"})
        writeHostFile(disc, QString::fromUtf16(name));
    Application app(fake.platform());
    ASSERT_TRUE(app.start({}));
    EXPECT_EQ(app.state().photos.photoCount, 3);
    EXPECT_EQ(app.state().photos.photoFiles[1], u"D:\\kestranes\\57A.JPG"_qs);
    EXPECT_EQ(app.state().photos.clipCount, 1);
}

// A control renamed or left out of the hand-over would silently disconnect its handler.
TEST_F(Form1, HandsEveryDrivenControlOverUnderItsOwnName)
{
    MainWindow& form = open();
    const MainWindowControls& c = form.controls();
    const auto named = [](const QObject* object, const QString& name) {
        return object != nullptr && object->objectName() == name;
    };
    EXPECT_TRUE(named(c.panYear, u"panYear"_qs));
    EXPECT_TRUE(named(c.panPhoto, u"panPhoto"_qs));
    EXPECT_TRUE(named(c.image4, u"Image4"_qs));
    EXPECT_TRUE(named(c.frame1, u"Frame1"_qs));
    EXPECT_TRUE(named(c.spinButton1, u"SpinButton1"_qs));
    EXPECT_TRUE(named(c.txtFile, u"txtFile"_qs));
    EXPECT_TRUE(named(c.rtbDetails, u"rtbDetails"_qs));
    EXPECT_TRUE(named(c.cmdSlide, u"cmdSlide"_qs));
    EXPECT_TRUE(named(c.cmdExit, u"cmdExit"_qs));
    EXPECT_TRUE(named(c.mnuNames, u"mnuNames"_qs));
    EXPECT_TRUE(named(c.mnuWeb, u"mnuWeb"_qs));
    for (int i = 1; i <= 49; ++i)
        EXPECT_TRUE(named(c.yearButton(i), u"cmdYR(%1)"_qs.arg(i))) << i;
    for (const PageButtonName& entry : kPageButtonNames)
        EXPECT_TRUE(named(c.pageButton(entry.button), QString::fromUtf16(entry.name)));
    const std::pair<Insignia, const char16_t*> pictures[] = {{kClipArtPicture, u"PicClipArt"},
                                                             {kScriptPicture, u"picScript"},
                                                             {kFrontEmblem, u"picEmblem"},
                                                             {kRearEmblem, u"picEmbRear"},
                                                             {kSideEmblem, u"picEmbSide"}};
    for (const auto& [picture, name] : pictures)
        EXPECT_TRUE(named(c.picture(picture), QString::fromUtf16(name)));
    for (int n = 0; n < 54; ++n)
        EXPECT_TRUE(named(c.command1[size_t(n)], u"Command1(%1)"_qs.arg(n))) << n;
    for (int n = 1; n < 54; ++n)
        EXPECT_TRUE(named(c.label12[size_t(n)], u"Label12(%1)"_qs.arg(n))) << n;
    // Every category menu item the year page connects exists in the menu bar.
    for (const CategoryRow& row : categoryTable()) {
        if (row.menu != CategoryMenu::None) {
            EXPECT_TRUE(named(c.menuItem(row.menuItem), QString::fromUtf16(row.menuItem)))
                << QString::fromUtf16(row.menuItem).toStdString();
        }
    }
}
