#pragma once

#include "platform/audio_device.h"
#include "platform/wave_decoder.h"

#include <QStringList>

namespace kestrane {

// Records every call as text ("open 8000 Hz 1 ch 800 frames", "play", "close") and plays nothing.
class FakeAudioDevice : public AudioDevice
{
public:
    FakeAudioDevice();
    ~FakeAudioDevice() override;
    bool open(std::unique_ptr<WaveDecoder> sound) override;
    bool play() override;
    void close() override;
    bool isOpen() const override { return m_sound != nullptr; }

    bool isPlaying() const { return m_playing; }
    // The open sound, or null.
    WaveDecoder* sound() const { return m_sound.get(); }
    // Every later open fails, as for a sound the output cannot play.
    void setFailOpen(bool fail) { m_failOpen = fail; }
    const QStringList& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

private:
    QStringList m_calls;
    std::unique_ptr<WaveDecoder> m_sound;
    bool m_playing = false;
    bool m_failOpen = false;
};

} // namespace kestrane
