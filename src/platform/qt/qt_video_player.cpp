#include "platform/qt/qt_video_player.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

namespace kestrane {

namespace {

VideoState stateOf(QMediaPlayer::PlaybackState state)
{
    switch (state) {
    case QMediaPlayer::PlayingState:
        return VideoState::Playing;
    case QMediaPlayer::PausedState:
        return VideoState::Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return VideoState::Stopped;
}

} // namespace

QtVideoPlayer::QtVideoPlayer()
    : m_surface(std::make_unique<QVideoWidget>()), m_audio(std::make_unique<QAudioOutput>()),
      m_player(std::make_unique<QMediaPlayer>())
{
    m_surface->setObjectName(u"VideoSurface"_qs);
    m_player->setAudioOutput(m_audio.get());
    m_player->setVideoOutput(m_surface.get());

    QMediaPlayer* player = m_player.get();
    QObject::connect(player, &QMediaPlayer::playbackStateChanged, &m_connections,
                     [this](QMediaPlayer::PlaybackState state) {
                         if (m_events.stateChanged)
                             m_events.stateChanged(stateOf(state));
                     });
    QObject::connect(player, &QMediaPlayer::positionChanged, &m_connections, [this](qint64 position) {
        if (m_events.positionChanged)
            m_events.positionChanged(position);
    });
    QObject::connect(player, &QMediaPlayer::durationChanged, &m_connections, [this](qint64 duration) {
        if (m_events.durationChanged)
            m_events.durationChanged(duration);
    });
    // A file the back end cannot decode raises an error (often two) or ends as invalid media.
    QObject::connect(player, &QMediaPlayer::errorOccurred, &m_connections, [this](QMediaPlayer::Error error) {
        if (error == QMediaPlayer::NoError)
            return;
        // The user sees the program's own box; the back end's words go to the diagnostics.
        qWarning("Movie: %s", qPrintable(m_player->errorString()));
        fail();
    });
    QObject::connect(player, &QMediaPlayer::mediaStatusChanged, &m_connections,
                     [this](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::InvalidMedia)
                             fail();
                         else if (status == QMediaPlayer::EndOfMedia && !m_failed && m_events.finished)
                             m_events.finished();
                     });
}

QtVideoPlayer::~QtVideoPlayer()
{
    // No event reaches a window that is going away, and the player lets go of its outputs first.
    m_events = {};
    m_player->stop();
    m_player->setVideoOutput(nullptr);
    m_player->setAudioOutput(nullptr);
}

void QtVideoPlayer::fail()
{
    if (m_failed || m_player->source().isEmpty())
        return;
    m_failed = true;
    m_player->stop();
    if (m_events.failed)
        m_events.failed();
}

bool QtVideoPlayer::open(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    if (hostPath.isEmpty() || !info.isFile() || !info.isReadable())
        return false;
    m_player->stop();
    m_failed = false;
    m_player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    return m_player->error() == QMediaPlayer::NoError;
}

void QtVideoPlayer::play()
{
    if (!m_player->source().isEmpty() && !m_failed)
        m_player->play();
}

void QtVideoPlayer::pause()
{
    m_player->pause();
}

void QtVideoPlayer::stop()
{
    m_player->stop();
}

void QtVideoPlayer::close()
{
    m_player->stop();
    m_player->setSource(QUrl());
    m_failed = false;
}

bool QtVideoPlayer::isPlaying() const
{
    return m_player->playbackState() == QMediaPlayer::PlayingState;
}

qint64 QtVideoPlayer::position() const
{
    return m_player->position();
}

qint64 QtVideoPlayer::duration() const
{
    return m_player->duration();
}

void QtVideoPlayer::setPosition(qint64 milliseconds)
{
    m_player->setPosition(milliseconds);
}

float QtVideoPlayer::volume() const
{
    return m_audio->volume();
}

void QtVideoPlayer::setVolume(float volume)
{
    m_audio->setVolume(volume);
}

void QtVideoPlayer::setEvents(VideoEvents events)
{
    m_events = std::move(events);
}

QWidget* QtVideoPlayer::surface()
{
    return m_surface.get();
}

} // namespace kestrane
