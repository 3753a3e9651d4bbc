#include "platform/fakes/fake_video_player.h"

namespace kestrane {

bool FakeVideoPlayer::open(const QString& hostPath)
{
    m_calls << u"open "_qs + hostPath;
    m_playing = false;
    m_source = m_failOpen ? QString() : hostPath;
    return !m_failOpen && !hostPath.isEmpty();
}

void FakeVideoPlayer::play()
{
    m_calls << u"play"_qs;
    m_playing = !m_source.isEmpty();
}

void FakeVideoPlayer::stop()
{
    m_calls << u"stop"_qs;
    m_playing = false;
}

void FakeVideoPlayer::close()
{
    m_calls << u"close"_qs;
    m_playing = false;
    m_source.clear();
}

} // namespace kestrane
