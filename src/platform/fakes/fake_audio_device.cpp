#include "platform/fakes/fake_audio_device.h"

namespace kestrane {

FakeAudioDevice::FakeAudioDevice() = default;
FakeAudioDevice::~FakeAudioDevice() = default;

bool FakeAudioDevice::open(std::unique_ptr<WaveDecoder> sound)
{
    m_sound.reset();
    m_playing = false;
    if (!sound) {
        m_calls << u"open nothing"_qs;
        return false;
    }
    m_calls << u"open %1 Hz %2 ch %3 frames"_qs.arg(sound->sampleRate())
                   .arg(sound->channels())
                   .arg(sound->frames());
    if (m_failOpen)
        return false;
    m_sound = std::move(sound);
    return true;
}

bool FakeAudioDevice::play()
{
    m_calls << u"play"_qs;
    m_playing = isOpen();
    return true;
}

void FakeAudioDevice::close()
{
    m_calls << u"close"_qs;
    m_sound.reset();
    m_playing = false;
}

} // namespace kestrane
