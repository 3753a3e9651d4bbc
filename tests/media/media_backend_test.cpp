#include "media/movie_table.h"
#include "platform/qt/qt_video_player.h"
#include "support/small_demo_disc.h"

#include <QFile>
#include <QMediaPlayer>
#include <QProcess>
#include <QStandardPaths>
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

// A movie of the time made by ffmpeg: `video` and `audio` are its encoder names. Empty when ffmpeg
// is missing or lacks the encoder.
QString ffmpegMovie(const QTemporaryDir& dir, const QString& video, const QString& audio)
{
    const QString ffmpeg = QStandardPaths::findExecutable(u"ffmpeg"_qs);
    if (ffmpeg.isEmpty())
        return {};
    const QString out = dir.filePath(video + u'-' + audio + u".avi"_qs);
    QProcess process;
    process.start(ffmpeg, {u"-hide_banner"_qs, u"-loglevel"_qs, u"error"_qs, u"-y"_qs, u"-f"_qs, u"lavfi"_qs,
                           u"-i"_qs, u"testsrc=size=160x120:rate=10:duration=1"_qs, u"-f"_qs, u"lavfi"_qs,
                           u"-i"_qs, u"sine=frequency=440:sample_rate=22050:duration=1"_qs, u"-c:v"_qs, video,
                           u"-c:a"_qs, audio, u"-ac"_qs, u"1"_qs, out});
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return {};
    return out;
}

TEST_F(RealBackEnd, AMovieCodecOfTheTimeDoesNotPlayToItsEnd)
{
    if (QStandardPaths::findExecutable(u"ffmpeg"_qs).isEmpty())
        GTEST_SKIP() << "ffmpeg is not installed: no movies to try";
    QTemporaryDir dir;
    for (const QString& video : {u"mjpeg"_qs, u"cinepak"_qs, u"msvideo1"_qs}) {
        for (const QString& audio : {u"pcm_s16le"_qs, u"adpcm_ima_wav"_qs, u"adpcm_ms"_qs}) {
            SCOPED_TRACE((video + u" with "_qs + audio).toStdString());
            const QString path = ffmpegMovie(dir, video, audio);
            ASSERT_FALSE(path.isEmpty()) << "ffmpeg could not write the movie";
            const Outcome outcome = playToEnd(path);
            EXPECT_TRUE(outcome.finished);
            EXPECT_FALSE(outcome.failed);
            EXPECT_GT(outcome.duration, 0);
        }
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
