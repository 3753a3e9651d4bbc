#pragma once

#include "platform/video_player.h"

#include <QStringList>

namespace kestrane {

// Records every call as text ("open /host/movie.avi", "play", "stop", "close") and shows nothing.
class FakeVideoPlayer : public VideoPlayer
{
public:
    bool open(const QString& hostPath) override;
    void play() override;
    void stop() override;
    void close() override;
    bool isPlaying() const override { return m_playing; }
    QWidget* surface() override { return nullptr; }

    void setFailOpen(bool fail) { m_failOpen = fail; }
    const QStringList& calls() const { return m_calls; }

private:
    QStringList m_calls;
    QString m_source;
    bool m_playing = false;
    bool m_failOpen = false;
};

} // namespace kestrane
