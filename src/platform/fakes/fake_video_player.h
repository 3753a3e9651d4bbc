#pragma once

#include "platform/video_player.h"

#include <QStringList>

namespace kestrane {

// Records every call as text ("open /host/movie.avi", "play", "pause", "stop", "close",
// "seek 500", "volume 0.5") and shows nothing. Tests play the back end's part through
// decodeFails(), reachEnd() and advanceTo().
class FakeVideoPlayer : public VideoPlayer
{
public:
    bool open(const QString& hostPath) override;
    void play() override;
    void pause() override;
    void stop() override;
    void close() override;
    bool isPlaying() const override { return m_state == VideoState::Playing; }
    qint64 position() const override { return m_position; }
    qint64 duration() const override { return m_source.isEmpty() ? 0 : m_duration; }
    void setPosition(qint64 milliseconds) override;
    float volume() const override { return m_volume; }
    void setVolume(float volume) override;
    void setEvents(VideoEvents events) override { m_events = std::move(events); }
    QWidget* surface() override { return nullptr; }

    void setFailOpen(bool fail) { m_failOpen = fail; }
    // The length that the next file opened reports.
    void setDuration(qint64 milliseconds) { m_duration = milliseconds; }
    // The back end finds, after open() returned, that it cannot decode the file.
    void decodeFails();
    // Playback moves on to `milliseconds`.
    void advanceTo(qint64 milliseconds);
    // The movie plays to its end.
    void reachEnd();

    QString source() const { return m_source; }
    VideoState state() const { return m_state; }
    const QStringList& calls() const { return m_calls; }

private:
    void setState(VideoState state);

    QStringList m_calls;
    QString m_source;
    VideoEvents m_events;
    VideoState m_state = VideoState::Stopped;
    qint64 m_position = 0;
    qint64 m_duration = 2000;
    float m_volume = 1.0f;
    bool m_failOpen = false;
};

} // namespace kestrane
