#pragma once

#include <QString>

namespace kestrane {

class AudioDevice;
class FileSystem;

// The multimedia control used as a wave-audio player (MMControl1), driven by its text commands:
// "close", then device type "WaveAudio", file name, "open", "play".
class WavePlayer
{
public:
    WavePlayer(AudioDevice& device, const FileSystem& fs);

    void setDeviceType(const QString& type) { m_deviceType = type; }
    void setFileName(const QString& discPath) { m_fileName = discPath; }
    QString deviceType() const { return m_deviceType; }
    QString fileName() const { return m_fileName; }

    // False is the caller's run-time error: "open" of a missing or unreadable file, of one that is
    // no sound the decoder can play (unknown compression, cut off, false sizes) or of another
    // device type; "play" the output refused; a command the control does not know.
    bool command(const QString& cmd);

private:
    bool open();

    AudioDevice& m_device;
    const FileSystem& m_fs;
    QString m_deviceType;
    QString m_fileName;
};

} // namespace kestrane
