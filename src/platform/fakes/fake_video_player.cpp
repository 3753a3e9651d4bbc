#include "platform/fakes/fake_video_player.h"

namespace kestrane {

bool FakeVideoPlayer::open(const QString& hostPath)
{
    m_calls << u"open "_qs + hostPath;
    setState(VideoState::Stopped);
    m_position = 0;
    m_source = m_failOpen ? QString() : hostPath;
    if (m_source.isEmpty())
        return false;
    if (m_events.durationChanged)
        m_events.durationChanged(m_duration);
    return true;
}

void FakeVideoPlayer::play()
{
    m_calls << u"play"_qs;
    if (!m_source.isEmpty())
        setState(VideoState::Playing);
}

void FakeVideoPlayer::pause()
{
    m_calls << u"pause"_qs;
    if (!m_source.isEmpty())
        setState(VideoState::Paused);
}

void FakeVideoPlayer::stop()
{
    m_calls << u"stop"_qs;
    setState(VideoState::Stopped);
}

void FakeVideoPlayer::close()
{
    m_calls << u"close"_qs;
    setState(VideoState::Stopped);
    m_source.clear();
}

void FakeVideoPlayer::setPosition(qint64 milliseconds)
{
    m_calls << u"seek "_qs + QString::number(milliseconds);
    advanceTo(milliseconds);
}

void FakeVideoPlayer::setVolume(float volume)
{
    m_calls << u"volume "_qs + QString::number(double(volume));
    m_volume = volume;
}

void FakeVideoPlayer::decodeFails()
{
    setState(VideoState::Stopped);
    if (m_events.failed)
        m_events.failed();
}

void FakeVideoPlayer::advanceTo(qint64 milliseconds)
{
    m_position = milliseconds;
    if (m_events.positionChanged)
        m_events.positionChanged(milliseconds);
}

void FakeVideoPlayer::reachEnd()
{
    advanceTo(m_duration);
    setState(VideoState::Stopped);
    if (m_events.finished)
        m_events.finished();
}

void FakeVideoPlayer::setState(VideoState state)
{
    if (state == m_state)
        return;
    m_state = state;
    if (m_events.stateChanged)
        m_events.stateChanged(state);
}

} // namespace kestrane
