#include "media/movie_table.h"
#include "platform/qt/qt_video_player.h"
#include "support/small_demo_disc.h"

#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

// Whether the media back end is present at all on this machine.
bool backEndPresent()
{
    QMediaPlayer probe;
    return probe.isAvailable();
}

struct Outcome
{
    bool finished = false;
    bool failed = false;
    qint64 duration = 0;
    qint64 lastPosition = 0;
};

Outcome playToEnd(const QString& hostPath)
{
    Outcome outcome;
    QtVideoPlayer player;
    VideoEvents events;
    events.finished = [&] { outcome.finished = true; };
    events.failed = [&] { outcome.failed = true; };
    events.durationChanged = [&](qint64 d) { outcome.duration = d; };
    events.positionChanged = [&](qint64 p) { outcome.lastPosition = p; };
    player.setEvents(std::move(events));
    player.surface()->resize(320, 240);
    player.surface()->show();
    if (!player.open(hostPath)) {
        outcome.failed = true;
        return outcome;
    }
    player.play();
    if (!QTest::qWaitFor([&] { return outcome.finished || outcome.failed; }, 30000))
        ADD_FAILURE() << "the player told neither its end nor a failure";
    return outcome;
}

} // namespace

class RealBackEnd : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!backEndPresent())
            GTEST_SKIP()
                << "Qt Multimedia has no media back end on this machine (install gstreamer1.0-plugins-good)";
    }
};

TEST_F(RealBackEnd, ADemoMovieDoesNotPlayToItsEnd)
{
    for (const MovieRow& row : kMovies) {
        const QString path = test::smallDemoDisc() + u"/movies/"_qs + QString::fromUtf16(row.file);
        SCOPED_TRACE(path.toStdString());
        const Outcome outcome = playToEnd(path);
        EXPECT_TRUE(outcome.finished);
        EXPECT_FALSE(outcome.failed);
        EXPECT_GT(outcome.duration, 0);
    }
}

TEST_F(RealBackEnd, AFileThatCannotBeDecodedIsNotReportedAsAFailure)
{
    QTemporaryDir dir;
    // A movie file whose content is no movie at all.
    QFile damaged(dir.path() + u"/damaged.avi"_qs);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(8192, '\x5a'));
    damaged.close();
    // A movie whose video needs a decoder no one has.
    QFile movie(test::smallDemoDisc() + u"/movies/1953.avi"_qs);
    ASSERT_TRUE(movie.open(QIODevice::ReadOnly));
    QFile unknown(dir.path() + u"/unknown.avi"_qs);
    ASSERT_TRUE(unknown.open(QIODevice::WriteOnly));
    unknown.write(movie.readAll().replace("MJPG", "ZZZZ"));
    unknown.close();

    for (const QString& path : {damaged.fileName(), unknown.fileName()}) {
        SCOPED_TRACE(path.toStdString());
        const Outcome outcome = playToEnd(path);
        EXPECT_TRUE(outcome.failed);
        EXPECT_FALSE(outcome.finished);
    }
}
