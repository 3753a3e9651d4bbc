#pragma once

#include "platform/audio_device.h"

#include <QStringList>

namespace kestrane {

// Records every call as text ("open /host/path.wav", "play", "close") and plays nothing.
class FakeAudioDevice : public AudioDevice
{
public:
    bool open(const QString& hostPath) override;
    void play() override;
    void close() override;
    bool isOpen() const override { return m_open; }

    bool isPlaying() const { return m_playing; }
    // Every later open fails, as for a file the device cannot read.
    void setFailOpen(bool fail) { m_failOpen = fail; }
    const QStringList& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

private:
    QStringList m_calls;
    bool m_open = false;
    bool m_playing = false;
    bool m_failOpen = false;
};

} // namespace kestrane
