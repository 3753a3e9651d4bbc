#pragma once

#include "common/control_names.h"
#include "common/ui/window_registry.h"
#include "media/ui/media_menus.h"
#include "media/ui/movies_window.h"
#include "platform/fakes/fake_platform.h"
#include "shell/ui/main_window.h"
#include "state/app_context.h"
#include "support/small_demo_disc.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kestrane::test {

// The real Form1 with the media menus attached, over a small demo disc in E: that every test of
// the binary shares. The program folder starts without movies.
class MediaWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fake.mapDrive(u'E', test::smallDemoDisc());
        state.disc.cdRoot = u"E:"_qs;
        state.disc.photoRoot = u"E:"_qs;
        state.selection.currentYearButton = 5;
        form1 = std::make_unique<MainWindow>(context);
        narration = fake.audioDevices.empty() ? nullptr : fake.audioDevices.back();
        form1->show();
        media = std::make_unique<MediaMenus>(context, form1->controls(), &form1->mmControl1());
    }

    void TearDown() override
    {
        if (MoviesWindow* movies = findMovies(context))
            movies->done(0);
        media.reset();
        form1.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QString disc() { return test::smallDemoDisc(); }

    void trigger(const char16_t* menuItem)
    {
        QAction* item = form1->controls().menuItem(menuItem);
        ASSERT_NE(item, nullptr);
        item->trigger();
    }

    // mnuMovies; the window and the player it made.
    MoviesWindow* openMovies()
    {
        trigger(names::mnuMovies);
        MoviesWindow* movies = findMovies(context);
        player = fake.videoPlayers.empty() ? nullptr : fake.videoPlayers.back();
        return movies;
    }

    QStringList errorCodesShown() const
    {
        QStringList codes;
        for (const MessageBoxRequest& box : fake.dialogs.boxes) {
            if (box.text.startsWith(u"Error number: "_qs))
                codes << box.text.mid(14, 5);
        }
        return codes;
    }

    // The year button in front of its siblings.
    int frontYearButton() const
    {
        const QObjectList siblings = form1->controls().yearButton(1)->parentWidget()->children();
        for (qsizetype i = siblings.size() - 1; i >= 0; --i) {
            const QString name = siblings.at(i)->objectName();
            if (name.startsWith(u"cmdYR("))
                return name.mid(6).chopped(1).toInt();
        }
        return 0;
    }

    FakePlatform fake;
    AppState state;
    WindowRegistry windows;
    AppContext context{state, fake.platform(), nullptr, &windows};
    std::unique_ptr<MainWindow> form1;
    std::shared_ptr<FakeAudioDevice> narration; // MMControl1's device
    std::unique_ptr<MediaMenus> media;
    std::shared_ptr<FakeVideoPlayer> player; // the movie window's
};

} // namespace kestrane::test
