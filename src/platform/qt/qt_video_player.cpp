#include "platform/qt/qt_video_player.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <QVideoWidget>

namespace kestrane {

QtVideoPlayer::QtVideoPlayer()
    : m_surface(std::make_unique<QVideoWidget>())
    , m_audio(std::make_unique<QAudioOutput>())
    , m_player(std::make_unique<QMediaPlayer>())
{
    m_surface->setObjectName(u"VideoSurface"_qs);
    m_player->setAudioOutput(m_audio.get());
    m_player->setVideoOutput(m_surface.get());
}

QtVideoPlayer::~QtVideoPlayer()
{
    // The player lets go of its outputs before they go.
    m_player->stop();
    m_player->setVideoOutput(nullptr);
    m_player->setAudioOutput(nullptr);
}

bool QtVideoPlayer::open(const QString& hostPath)
{
    const QFileInfo info(hostPath);
    if (hostPath.isEmpty() || !info.isFile() || !info.isReadable())
        return false;
    m_player->stop();
    m_player->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    return m_player->error() == QMediaPlayer::NoError;
}

void QtVideoPlayer::play()
{
    if (!m_player->source().isEmpty())
        m_player->play();
}

void QtVideoPlayer::stop()
{
    m_player->stop();
}

void QtVideoPlayer::close()
{
    m_player->stop();
    m_player->setSource(QUrl());
}

bool QtVideoPlayer::isPlaying() const
{
    return m_player->playbackState() == QMediaPlayer::PlayingState;
}

QWidget* QtVideoPlayer::surface()
{
    return m_surface.get();
}

} // namespace kestrane
