#include "platform/fakes/fake_audio_device.h"

namespace kestrane {

bool FakeAudioDevice::open(const QString& hostPath)
{
    m_calls << u"open "_qs + hostPath;
    if (m_failOpen)
        return false;
    m_open = true;
    m_playing = false;
    return true;
}

void FakeAudioDevice::play()
{
    m_calls << u"play"_qs;
    m_playing = m_open;
}

void FakeAudioDevice::close()
{
    m_calls << u"close"_qs;
    m_open = false;
    m_playing = false;
}

} // namespace kestrane
