#include "media_fixture.h"

#include "platform/codec_installer.h"

#include "media/movie_playback.h"
#include "media/movie_table.h"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QToolButton>

namespace kestrane::test {

namespace {

QString hostMovie(const QString& folder, int index)
{
    return folder + u"/movies/"_qs + QString::fromUtf16(kMovies[size_t(index)].file);
}

} // namespace

using MoviesWindowTest = MediaWindowTest;

TEST_F(MoviesWindowTest, AMovieRowPlaysAnotherFileOrShowsAnotherCaption)
{
    MoviesWindow* movies = openMovies();
    ASSERT_NE(movies, nullptr);
    ASSERT_NE(player, nullptr);
    EXPECT_EQ(movies->windowTitle(), u"Movies"_qs);
    EXPECT_TRUE(player->source().isEmpty()) << "nothing is loaded before a movie is chosen";
    for (int i = 0; i < int(kMovies.size()); ++i) {
        SCOPED_TRACE(i);
        QRadioButton* option = movies->optMovie(i);
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->objectName(), names::indexed(names::optMovie, i));
        EXPECT_EQ(option->text(), QString::fromUtf16(kMovies[size_t(i)].caption));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(option);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), option->text());
        // On the round indicator: a short caption leaves the middle of the button empty.
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
        EXPECT_TRUE(option->isChecked());
        EXPECT_EQ(movies->windowTitle(), QString::fromUtf16(kMovies[size_t(i)].windowCaption));
        EXPECT_EQ(QDir::cleanPath(player->source()), QDir::cleanPath(hostMovie(disc(), i)));
        EXPECT_TRUE(player->isPlaying());
    }
    // The last three captions stand without the series prefix.
    EXPECT_EQ(movies->windowTitle(), u"Malibu LS1"_qs);
    EXPECT_TRUE(errorCodesShown().isEmpty());
    EXPECT_FALSE(fake.screen.busy);
}

TEST_F(MoviesWindowTest, HardDriveCopiesAreUsedOnlyWhenTheirFolderHoldsAnAvi)
{
    struct Case
    {
        const char* name;
        QStringList programFiles; // below the program folder's "movies"
        bool fromHardDrive;
    };
    const Case cases[] = {
        {"no folder", {}, false},
        {"a folder without movies", {u"readme.txt"_qs}, false},
        {"a folder with one movie", {u"1953.avi"_qs}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(fake.programFolder() + u"/movies"_qs).removeRecursively();
        if (!c.programFiles.isEmpty())
            QDir().mkpath(fake.programFolder() + u"/movies"_qs);
        for (const QString& file : c.programFiles)
            writeHostFile(fake.programFolder(), u"movies/"_qs + file, "RIFF");
        MoviesWindow* movies = openMovies();
        ASSERT_NE(movies, nullptr);
        QTest::mouseClick(movies->optMovie(0), Qt::LeftButton);
        const QString folder = c.fromHardDrive ? fake.programFolder() : disc();
        EXPECT_EQ(QDir::cleanPath(player->source()), QDir::cleanPath(hostMovie(folder, 0)));
        EXPECT_EQ(state.media.movieFolder,
                  c.fromHardDrive ? fake.programFolder() + u"\\movies\\"_qs : u"E:\\movies\\"_qs);
        QTest::mouseClick(movies->exitButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(errorCodesShown().isEmpty());
}

TEST_F(MoviesWindowTest, AMovieMissingFromTheHardDriveCopiesIsLostOrAnotherOnePlays)
{
    writeHostFile(fake.programFolder(), u"movies/1953.avi"_qs, "RIFF");
    MoviesWindow* movies = openMovies();
    QTest::mouseClick(movies->optMovie(0), Qt::LeftButton);
    ASSERT_TRUE(player->isPlaying());
    EXPECT_TRUE(player->source().startsWith(fake.programFolder())) << player->source().toStdString();
    // A copy cut short lacks it: it plays from the disc.
    QTest::mouseClick(movies->optMovie(3), Qt::LeftButton);
    EXPECT_TRUE(errorCodesShown().isEmpty());
    EXPECT_TRUE(player->isPlaying());
    EXPECT_TRUE(player->source().startsWith(test::smallDemoDisc())) << player->source().toStdString();

    // Missing from the disc too: ER045, and nothing plays.
    QTest::mouseClick(movies->optMovie(0), Qt::LeftButton);
    ASSERT_TRUE(player->isPlaying());
    state.disc.cdRoot = u"F:"_qs;
    fake.addDrive(u'F');
    QTest::mouseClick(movies->optMovie(3), Qt::LeftButton);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER045"_qs});
    EXPECT_TRUE(fake.dialogs.boxes.last().text.contains(u" Unable to load Kestrane Movie."_qs));
    EXPECT_FALSE(player->isPlaying()) << "the movie before stops under the caption of the missing one";
    EXPECT_EQ(movies->windowTitle(), u"Kestrane Movies - 1992 Commercial"_qs);
    EXPECT_TRUE(movies->optMovie(3)->isChecked());
    EXPECT_FALSE(fake.screen.busy) << "the pointer is not left an hourglass";
    EXPECT_FALSE(form1->isEnabled()) << "the main window stays disabled while the movies are open";
}

TEST_F(MoviesWindowTest, AFileTheBackEndCannotOpenOrDecodeIsER045NotABlackWindow)
{
    MoviesWindow* movies = openMovies();
    // The back end refuses the file outright.
    player->setFailOpen(true);
    QTest::mouseClick(movies->optMovie(1), Qt::LeftButton);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER045"_qs});
    player->setFailOpen(false);

    // The back end takes the file, then finds it cannot decode it.
    QTest::mouseClick(movies->optMovie(2), Qt::LeftButton);
    ASSERT_TRUE(player->isPlaying());
    player->decodeFails();
    player->decodeFails(); // some back ends say it twice
    QTRY_COMPARE(errorCodesShown().size(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(errorCodesShown(), (QStringList{u"ER045"_qs, u"ER045"_qs}));
    EXPECT_FALSE(player->isPlaying());
    EXPECT_FALSE(movies->playButton()->isEnabled() && player->isPlaying());
    EXPECT_FALSE(form1->isEnabled());
    EXPECT_FALSE(fake.screen.busy);
}

TEST_F(MoviesWindowTest, LeavingByExitCloseBoxOrEscapeLeavesTheMainWindowDisabled)
{
    enum Way { Exit, CloseBox, Escape };
    for (Way way : {Exit, CloseBox, Escape}) {
        SCOPED_TRACE(int(way));
        state.selection.currentYearButton = 5;
        form1->controls().yearButton(1)->raise();
        MoviesWindow* movies = openMovies();
        ASSERT_NE(movies, nullptr);
        EXPECT_TRUE(movies->isModal());
        EXPECT_TRUE(movies->isVisible());
        EXPECT_FALSE(form1->isEnabled());
        EXPECT_EQ(windows.window(WindowRegistry::Movies), movies);
        QTest::mouseClick(movies->optMovie(0), Qt::LeftButton);
        ASSERT_TRUE(player->isPlaying());

        switch (way) {
        case Exit:
            QTest::mouseClick(movies->exitButton(), Qt::LeftButton);
            break;
        case CloseBox:
            movies->close();
            break;
        case Escape:
            QTest::keyClick(movies, Qt::Key_Escape);
            break;
        }
        EXPECT_TRUE(form1->isEnabled());
        EXPECT_EQ(windows.window(WindowRegistry::Movies), nullptr);
        EXPECT_FALSE(player->isPlaying()) << "the movie stops with its window";
        EXPECT_EQ(frontYearButton(), 6);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(findMovies(context), nullptr);
    }
}

TEST_F(MoviesWindowTest, ThePlayerBarDoesNotDriveTheMovie)
{
    MoviesWindow* movies = openMovies();
    EXPECT_FALSE(movies->playButton()->isEnabled()) << "nothing to play before a movie is chosen";
    EXPECT_EQ(movies->mediaPlayer()->objectName(), names::name(names::MediaPlayer1));
    EXPECT_EQ(movies->mediaPlayer()->toolTip(), u"Right-click for more options."_qs);

    player->setDuration(4000);
    QTest::mouseClick(movies->optMovie(4), Qt::LeftButton);
    EXPECT_TRUE(movies->playButton()->isEnabled());
    EXPECT_EQ(movies->playButton()->accessibleName(), u"Pause"_qs);
    EXPECT_EQ(movies->positionSlider()->maximum(), 4000);

    QTest::mouseClick(movies->playButton(), Qt::LeftButton);
    EXPECT_EQ(player->state(), VideoState::Paused);
    EXPECT_EQ(movies->playButton()->accessibleName(), u"Play"_qs);
    QTest::mouseClick(movies->playButton(), Qt::LeftButton);
    EXPECT_TRUE(player->isPlaying());

    player->advanceTo(2500);
    EXPECT_EQ(movies->positionSlider()->value(), 2500);
    EXPECT_EQ(movies->timeLabel()->text(), u"0:02 / 0:04"_qs);
    movies->positionSlider()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(player->position(), movies->positionSlider()->value());
    EXPECT_LT(player->position(), 2500);

    movies->volumeSlider()->setValue(40);
    EXPECT_FLOAT_EQ(player->volume(), 0.4f);

    // The right-click menu offers the same, and mutes.
    QMenu* menu = movies->playerMenu();
    ASSERT_NE(menu, nullptr);
    QAction* pause = menu->findChild<QAction*>(u"menuPause"_qs);
    QAction* mute = menu->findChild<QAction*>(u"menuMute"_qs);
    ASSERT_TRUE(pause && mute);
    pause->trigger();
    EXPECT_EQ(player->state(), VideoState::Paused);
    mute->trigger();
    EXPECT_FLOAT_EQ(player->volume(), 0.0f);
    mute->trigger();
    EXPECT_FLOAT_EQ(player->volume(), 0.4f);

    player->reachEnd();
    EXPECT_EQ(movies->playButton()->accessibleName(), u"Play"_qs);
    EXPECT_TRUE(errorCodesShown().isEmpty());
}

TEST_F(MoviesWindowTest, AnInstallerRunsOnNoOrIsNotWaitedForOrAMissingHelperGoesUnreported)
{
    const CodecInstallerCommand helper = codecInstallerCommand(u"id"_qs, u"d"_qs, u"c"_qs);
    fake.processes.programs.insert(helper.program, helper.program);
    // No: nothing runs and nothing changes.
    fake.dialogs.answerNext(MsgNo);
    trigger(names::mnuVideo);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    const MessageBoxRequest question = fake.dialogs.boxes.first();
    EXPECT_EQ(question.text, u"If you are experiencing difficulties running the Kestrane movies,\r\n"
                             u"you may need to install the Intel Indeo Video Software.\r\n\r\n"
                             u"Would you like to install this software now?"_qs);
    EXPECT_EQ(question.title, u"The Kestrane Omnivar 2002"_qs);
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.icon, MsgIcon::Question);
    EXPECT_TRUE(fake.processes.log.isEmpty());
    EXPECT_TRUE(form1->isEnabled());

    // Yes: the helper runs for the movies' decoder with the main window disabled, which it gets
    // back when the helper has ended.
    bool disabledWhileRunning = false;
    fake.processes.whileRunning = [&] { disabledWhileRunning = !form1->isEnabled(); };
    fake.dialogs.answerNext(MsgYes);
    trigger(names::mnuVideo);
    ASSERT_EQ(fake.processes.log.size(), 1);
    EXPECT_TRUE(fake.processes.log.first().startsWith(u"run /"_qs));
    EXPECT_TRUE(fake.processes.log.first().contains(u"decoder-video/x-indeo, indeoversion=(int)5"_qs));
    EXPECT_TRUE(disabledWhileRunning);
    EXPECT_TRUE(form1->isEnabled());
    EXPECT_TRUE(errorCodesShown().isEmpty());

    // A helper that is not there (or cannot start) is ER003, and the main window comes back.
    fake.processes.succeed = false;
    fake.dialogs.answerNext(MsgYes);
    trigger(names::mnuVideo);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER003"_qs});
    EXPECT_TRUE(
        fake.dialogs.boxes.last().text.contains(u" Unable to load Intel Video driver install software."_qs));
    EXPECT_TRUE(form1->isEnabled());

    // A helper that is not installed: the box names it and the package, not the CD drive.
    fake.processes.programs.clear();
    fake.processes.log.clear();
    fake.dialogs.answerNext(MsgYes);
    trigger(names::mnuVideo);
    EXPECT_TRUE(fake.processes.log.isEmpty());
    EXPECT_EQ(errorCodesShown(), (QStringList{u"ER003"_qs, u"ER003"_qs}));
    const QString text = fake.dialogs.boxes.last().text;
    EXPECT_TRUE(text.contains(helper.program)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"gstreamer1.0-packagekit"_qs)) << text.toStdString();
    EXPECT_FALSE(text.contains(u"CD"_qs)) << text.toStdString();
    EXPECT_TRUE(form1->isEnabled());
}

} // namespace kestrane::test

namespace kestrane::test {

TEST_F(MoviesWindowTest, TheScreenReadersToggleOnLeMansPlaysItAndOnTheSelectedOptionPlaysItAgain)
{
    MoviesWindow* movies = openMovies();
    ASSERT_NE(movies, nullptr);
    QRadioButton* lemans = movies->optMovie(6);
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(lemans)->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    const auto opens = [&] { return player->calls().filter(QRegularExpression(u"^open "_qs)).size(); };

    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(lemans->isChecked());
    EXPECT_EQ(movies->windowTitle(), u"Kestrane at LeMans"_qs);
    EXPECT_EQ(QDir::cleanPath(player->source()), QDir::cleanPath(disc() + u"/movies/lemans.avi"_qs));
    EXPECT_TRUE(player->isPlaying());
    EXPECT_EQ(opens(), 1);

    actions->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(lemans->isChecked());
    EXPECT_EQ(opens(), 2) << "a click on the selected option plays it again, and so does the toggle";
}

} // namespace kestrane::test
