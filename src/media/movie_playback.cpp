#include "media/movie_playback.h"

#include "common/error_reporter.h"
#include "media/movie_table.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "state/app_context.h"

#include <QFile>

namespace kestrane {

MoviePlayback::MoviePlayback(AppContext& context, VideoPlayer& player) : m_context(context), m_player(player)
{
    VideoEvents events;
    events.stateChanged = [this](VideoState state) { Q_EMIT stateChanged(state); };
    events.positionChanged = [this](qint64 position) { Q_EMIT positionChanged(position); };
    events.durationChanged = [this](qint64 duration) { Q_EMIT durationChanged(duration); };
    // The back end finds a file it cannot decode only after it began: a box, not a black window.
    // It is told from inside the back end's own signal, so the box waits for the next turn of the
    // event loop; a failure of a movie no longer chosen is not reported.
    events.failed = [this] {
        QMetaObject::invokeMethod(
            this,
            [this, generation = m_generation] {
                if (generation == m_generation && m_loaded)
                    fail(false);
            },
            Qt::QueuedConnection);
    };
    m_player.setEvents(std::move(events));
}

MoviePlayback::~MoviePlayback()
{
    m_player.setEvents({});
    releaseCopy();
}

void MoviePlayback::releaseCopy()
{
    if (m_temporaryCopy.isEmpty())
        return;
    m_player.close();
    QFile::remove(m_temporaryCopy);
    m_temporaryCopy.clear();
}

void MoviePlayback::choose(int index)
{
    if (index < 0 || index >= int(kMovies.size()))
        return;
    AppState& state = m_context.state;
    Screen& screen = *m_context.platform.screen;
    setErrorCode(m_context, ErrorCode::ER045);
    screen.setBusy(true);
    m_chosen = index;
    ++m_generation;
    m_loaded = false;
    const FileSystem& fs = *m_context.platform.fileSystem;
    const QString path = movieSource(fs, state.media.movieFolder, state.disc.cdRoot, index);
    Q_EMIT captionChanged(QString::fromUtf16(kMovies[size_t(index)].windowCaption));

    if (fs.dir(path).isEmpty()) {
        m_player.close();
        screen.setBusy(false);
        report(m_context, ErrorCode::ER045);
        Q_EMIT errorReported();
        return;
    }
    releaseCopy();
    // A movie inside a disc image plays from a copy in the cache, removed once it is done with.
    const QString playable = fs.playableFile(path, &m_temporaryCopy);
    if (playable.isEmpty() || !m_player.open(playable)) {
        m_player.close();
        fail(true);
        return;
    }
    m_loaded = true;
    m_player.play();
    screen.setBusy(false);
}

void MoviePlayback::togglePlay()
{
    if (!m_loaded)
        return;
    if (m_player.isPlaying())
        m_player.pause();
    else
        m_player.play();
}

void MoviePlayback::stop()
{
    m_player.stop();
}

void MoviePlayback::seek(qint64 milliseconds)
{
    if (m_loaded)
        m_player.setPosition(milliseconds);
}

void MoviePlayback::setVolume(float volume)
{
    m_player.setVolume(volume);
}

void MoviePlayback::fail(bool trapped)
{
    m_loaded = false;
    // The pointer never stays an hourglass behind the box.
    m_context.platform.screen->setBusy(false);
    if (trapped)
        reportTrapped(m_context, ErrorCode::ER045);
    else
        report(m_context, ErrorCode::ER045);
    Q_EMIT errorReported();
}

} // namespace kestrane
