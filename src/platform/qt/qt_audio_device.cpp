#include "platform/qt/qt_audio_device.h"

#include "platform/wave_decoder.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <cstring>

namespace kestrane {

// The decoded sound as the output reads it: a few thousand frames are decoded at a time, when the
// output asks for them.
class WaveStream : public QIODevice
{
public:
    explicit WaveStream(std::unique_ptr<WaveDecoder> decoder) : m_decoder(std::move(decoder))
    {
        QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    WaveDecoder& decoder() { return *m_decoder; }

    bool restart()
    {
        m_pending.clear();
        m_offset = 0;
        return m_decoder->rewind();
    }

    bool isSequential() const override { return true; }
    bool atEnd() const override { return m_offset >= m_pending.size() && m_decoder->atEnd(); }
    qint64 bytesAvailable() const override
    {
        const qint64 next = m_decoder->atEnd() ? 0 : kPieceFrames * m_decoder->bytesPerFrame();
        return m_pending.size() - m_offset + next;
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        qint64 done = 0;
        while (done < maxSize) {
            if (m_offset >= m_pending.size() && !decodePiece())
                break;
            const qint64 n = std::min(maxSize - done, m_pending.size() - m_offset);
            std::memcpy(data + done, m_pending.constData() + m_offset, size_t(n));
            m_offset += n;
            done += n;
        }
        return done;
    }

    qint64 writeData(const char*, qint64) override { return -1; }

private:
    static constexpr qint64 kPieceFrames = 4096;

    bool decodePiece()
    {
        m_pending.resize(kPieceFrames * m_decoder->bytesPerFrame());
        const qint64 frames = m_decoder->read(reinterpret_cast<qint16*>(m_pending.data()), kPieceFrames);
        m_pending.resize(frames * m_decoder->bytesPerFrame());
        m_offset = 0;
        return frames > 0;
    }

    std::unique_ptr<WaveDecoder> m_decoder;
    QByteArray m_pending;
    qint64 m_offset = 0;
};

NullPcmSink::NullPcmSink()
{
    m_timer.setInterval(0);
    QObject::connect(&m_timer, &QTimer::timeout, this, &NullPcmSink::takeSome);
}

bool NullPcmSink::start(QIODevice* source, int sampleRate, int channels)
{
    Q_UNUSED(sampleRate);
    Q_UNUSED(channels);
    m_source = source;
    m_timer.start();
    return true;
}

void NullPcmSink::stop()
{
    m_timer.stop();
    m_source = nullptr;
}

void NullPcmSink::takeSome()
{
    if (!m_source)
        return;
    const QByteArray piece = m_source->read(16384);
    const qint64 n = piece.size();
    if (n > 0) {
        m_bytes += n;
        Q_EMIT took(piece);
    }
    if (n <= 0 || m_source->atEnd()) {
        stop();
        Q_EMIT drained();
    }
}

QtPcmSink::QtPcmSink(QAudioDevice device) : m_device(std::move(device)) {}

QtPcmSink::~QtPcmSink()
{
    stop();
}

bool QtPcmSink::start(QIODevice* source, int sampleRate, int channels)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!m_device.isFormatSupported(format))
        return false;
    m_sink = std::make_unique<QAudioSink>(m_device, format);
    m_sink->start(source);
    return m_sink->error() == QAudio::NoError;
}

void QtPcmSink::stop()
{
    if (m_sink)
        m_sink->stop();
}

bool QtPcmSink::isActive() const
{
    return m_sink && m_sink->state() == QAudio::ActiveState;
}

std::unique_ptr<PcmSink> makeSystemPcmSink()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return std::make_unique<NullPcmSink>();
    return std::make_unique<QtPcmSink>(device);
}

QtAudioDevice::QtAudioDevice(SinkFactory makeSink) : m_makeSink(std::move(makeSink)) {}

QtAudioDevice::~QtAudioDevice()
{
    close();
}

bool QtAudioDevice::open(std::unique_ptr<WaveDecoder> sound)
{
    close();
    if (!sound)
        return false;
    m_stream = std::make_unique<WaveStream>(std::move(sound));
    return true;
}

bool QtAudioDevice::play()
{
    if (!m_stream || (m_sink && m_sink->isActive()))
        return true;
    // The output of the sound before lets go of the stream before it is read again.
    m_sink.reset();
    if (m_started && !m_stream->restart())
        return false;
    m_sink = m_makeSink();
    m_started = true;
    const WaveDecoder& sound = m_stream->decoder();
    if (!m_sink || !m_sink->start(m_stream.get(), sound.sampleRate(), sound.channels())) {
        m_sink.reset();
        return false;
    }
    return true;
}

void QtAudioDevice::close()
{
    m_sink.reset();
    m_stream.reset();
    m_started = false;
}

} // namespace kestrane
