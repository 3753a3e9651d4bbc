#include "platform/fakes/fake_platform.h"
#include "shell/ui/application.h"
#include "shell/ui/main_window.h"
#include "shell/ui/splash_window.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

struct Program : ::testing::Test
{
    FakePlatform fake;
    Application app{fake.platform()};

    void putDisc(QChar letter)
    {
        const QString folder = fake.addDrive(letter);
        writeHostFile(folder, u"kestranes/57A.JPG"_qs);
        // The catalogue lists the clip-art folder too; a disc without it fails to load.
        writeHostFile(folder, u"clipart/1957.jpg"_qs);
    }
};

} // namespace

TEST_F(Program, SplashShowsItsPictureAndArmsAFiveSecondTimer)
{
    putDisc(u'D');
    // A second of silence, 8000 Hz 8-bit mono.
    QByteArray wave(
        "RIFF\x64\x1f\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x40\x1f\0\0\x40\x1f\0\0\1\0\x08\0data\x40\x1f\0\0", 44);
    writeHostFile(fake.programFolder(), u"passby.wav"_qs, wave + QByteArray(8000, '\x80'));
    ASSERT_TRUE(app.start({}));
    SplashWindow* splash = app.splash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->objectName(), u"Form2"_qs);
    EXPECT_TRUE(splash->isVisible());
    auto* picture = splash->findChild<QLabel*>(u"Image1"_qs);
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
    auto* timer = splash->findChild<QTimer*>(u"Timer1"_qs);
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 5000);
    EXPECT_TRUE(timer->isSingleShot());

    // The start-up sound went through the player's commands to a device of its own.
    ASSERT_EQ(fake.audioDevices.size(), 1u);
    EXPECT_TRUE(fake.audioDevices.front()->calls().contains(u"play"_qs));
}

TEST_F(Program, ADamagedStartupSoundStopsTheStartWithABox)
{
    putDisc(u'D');
    writeHostFile(fake.programFolder(), u"passby.wav"_qs, "RIFF\xff\xff\0\0WAVEfmt ");
    ASSERT_TRUE(app.start({}));
    EXPECT_TRUE(app.splash()->isVisible());
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
    ASSERT_EQ(fake.audioDevices.size(), 1u);
    EXPECT_FALSE(fake.audioDevices.front()->calls().contains(u"play"_qs));
}

TEST_F(Program, TheTimerOpensTheMainWindowAndUnloadsTheSplash)
{
    putDisc(u'E');
    fake.screen.widthPixels = 1280;
    fake.screen.heightPixels = 1024;
    ASSERT_TRUE(app.start({}));
    const QPointer<SplashWindow> splash = app.splash();
    app.splash()->timer()->setInterval(0);
    app.splash()->timer()->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.mainWindow() != nullptr; }));
    MainWindow* main = app.mainWindow();
    EXPECT_EQ(main->objectName(), u"Form1"_qs);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(app.splash(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull()) << "the splash is unloaded, not kept hidden";
    // Not the optimum screen: 11994 by 9100 twips.
    EXPECT_EQ(main->width(), 11994 / 15);
    EXPECT_EQ(main->height(), 9100 / 15);
}

TEST_F(Program, CancellingTheDiscSearchEndsBeforeAnyMainWindow)
{
    fake.dialogs.answerNext(MsgCancel);
    EXPECT_FALSE(app.start({}));
    EXPECT_TRUE(fake.app.ended);
    EXPECT_EQ(app.splash(), nullptr);
    EXPECT_EQ(app.mainWindow(), nullptr);
}

TEST_F(Program, TheMainWindowWaitsForACatalogueErrorToBeAnswered)
{
    const QString disc = fake.addDrive(u'E');
    writeHostFile(disc, u"kestranes/57A.JPG"_qs); // no clip-art folder yet: ER037
    bool openedDuringBox = false;
    fake.dialogs.onBox = [&](const MessageBoxRequest&) {
        // The splash timer fires while the box is up.
        Q_EMIT app.splash()->timerFired();
        openedDuringBox = app.mainWindow() != nullptr;
        writeHostFile(disc, u"clipart/1957.jpg"_qs);
    };
    fake.dialogs.answerNext(MsgRetry);
    ASSERT_TRUE(app.start({}));
    EXPECT_FALSE(openedDuringBox);
    EXPECT_EQ(app.state().photos.clipCount, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.mainWindow() != nullptr; }));
}
