#include "platform/qt/qt_audio_device.h"

#include <QFile>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

namespace kestrane {

bool isWaveFile(QIODevice& file)
{
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return false;
    bool format = false;
    bool data = false;
    // Chunks are walked by their sizes; a size past the end stops the walk instead of seeking there.
    while (!(format && data)) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            break;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        const QByteArray id = chunk.left(4);
        if (id == "fmt ") {
            if (size < 14)
                return false;
            format = true;
        } else if (id == "data") {
            data = true;
        }
        const qint64 next = file.pos() + qint64(size) + (size & 1);
        if (next > file.size() && !(format && data))
            return false;
        if (!file.seek(next))
            break;
    }
    return format && data;
}

QtAudioDevice::QtAudioDevice() = default;

QtAudioDevice::~QtAudioDevice()
{
    close();
}

bool QtAudioDevice::open(const QString& hostPath)
{
    close();
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly) || !isWaveFile(file))
        return false;
    // The effect loads the file in the background and starts as soon as it is loaded.
    m_effect = std::make_unique<QSoundEffect>();
    m_effect->setSource(QUrl::fromLocalFile(hostPath));
    return true;
}

void QtAudioDevice::play()
{
    if (m_effect)
        m_effect->play();
}

void QtAudioDevice::close()
{
    if (!m_effect)
        return;
    m_effect->stop();
    m_effect.reset();
}

bool QtAudioDevice::isOpen() const
{
    return m_effect != nullptr;
}

} // namespace kestrane
