#pragma once

#include "platform/audio_device.h"

#include <memory>

class QIODevice;
class QSoundEffect;

namespace kestrane {

// Plays WAV files through the default sound output. With no sound device the effect simply
// stays silent: nothing waits for a device and nothing reports.
class QtAudioDevice : public AudioDevice
{
public:
    QtAudioDevice();
    ~QtAudioDevice() override;

    bool open(const QString& hostPath) override;
    void play() override;
    void close() override;
    bool isOpen() const override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

// True when the data is a RIFF WAVE file with a format and a data chunk.
bool isWaveFile(QIODevice& file);

} // namespace kestrane
