#include "common/wave_player.h"

#include "platform/audio_device.h"
#include "platform/file_system.h"

namespace kestrane {

WavePlayer::WavePlayer(AudioDevice& device, const FileSystem& fs) : m_device(device), m_fs(fs) {}

bool WavePlayer::command(const QString& cmd)
{
    // Command strings of the control are not case-sensitive.
    const QString name = cmd.trimmed().toLower();
    if (name == u"close") {
        if (m_device.isOpen())
            m_device.close();
        return true;
    }
    if (name == u"open")
        return open();
    if (name == u"play") {
        if (m_device.isOpen())
            m_device.play();
        return true;
    }
    return false;
}

bool WavePlayer::open()
{
    // A second sound always replaces the first, even when a caller forgot its "close".
    if (m_device.isOpen())
        m_device.close();
    if (m_deviceType.compare(u"WaveAudio", Qt::CaseInsensitive) != 0)
        return false;
    const QString hostPath = m_fs.resolve(m_fileName);
    if (hostPath.isEmpty())
        return false;
    return m_device.open(hostPath);
}

} // namespace kestrane
