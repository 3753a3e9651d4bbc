#pragma once

#include "platform/video_player.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;
class QVideoWidget;

namespace kestrane {

// Plays a movie file into a video widget that the movie window places.
class QtVideoPlayer : public VideoPlayer
{
public:
    QtVideoPlayer();
    ~QtVideoPlayer() override;

    bool open(const QString& hostPath) override;
    void play() override;
    void stop() override;
    void close() override;
    bool isPlaying() const override;
    QWidget* surface() override;

private:
    std::unique_ptr<QVideoWidget> m_surface;
    std::unique_ptr<QAudioOutput> m_audio;
    std::unique_ptr<QMediaPlayer> m_player;
};

} // namespace kestrane
