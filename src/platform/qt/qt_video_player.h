#pragma once

#include "platform/video_player.h"

#include <QObject>

#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

namespace kestrane {

// Plays a movie file into a video widget that the movie window places. The media back end's
// errors, which arrive after open() has returned, become one `failed` event per file.
class QtVideoPlayer : public VideoPlayer
{
public:
    QtVideoPlayer();
    ~QtVideoPlayer() override;

    bool open(const QString& hostPath) override;
    void play() override;
    void pause() override;
    void stop() override;
    void close() override;
    bool isPlaying() const override;
    qint64 position() const override;
    qint64 duration() const override;
    void setPosition(qint64 milliseconds) override;
    float volume() const override;
    void setVolume(float volume) override;
    void setEvents(VideoEvents events) override;
    QWidget* surface() override;

private:
    void fail();

    std::unique_ptr<QVideoWidget> m_surface;
    std::unique_ptr<QAudioOutput> m_audio;
    std::unique_ptr<QMediaPlayer> m_player;
    QObject m_connections; // the player's signals are connected through it and die with it
    VideoEvents m_events;
    bool m_failed = false; // the file open now has already failed
};

} // namespace kestrane
