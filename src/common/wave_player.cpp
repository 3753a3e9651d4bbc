#include "common/wave_player.h"

#include "platform/audio_device.h"
#include "platform/file_system.h"
#include "platform/wave_decoder.h"

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
    if (name == u"play")
        return !m_device.isOpen() || m_device.play();
    return false;
}

bool WavePlayer::open()
{
    // A second sound always replaces the first, even when a caller forgot its "close".
    if (m_device.isOpen())
        m_device.close();
    if (m_deviceType.compare(u"WaveAudio", Qt::CaseInsensitive) != 0)
        return false;
    // The bytes come through the file system, so a sound plays the same from a folder or a disc image.
    QByteArray bytes;
    if (!m_fs.readAll(m_fileName, &bytes))
        return false;
    WaveProblem problem = WaveProblem::None;
    std::unique_ptr<WaveDecoder> sound = WaveDecoder::open(std::move(bytes), &problem);
    if (!sound) {
        // The caller's box says the file cannot be played; the reason goes to the diagnostics.
        qWarning("Sound %s: %s", qPrintable(m_fileName), qPrintable(waveProblemText(problem)));
        return false;
    }
    return m_device.open(std::move(sound));
}

} // namespace kestrane
