#pragma once

#include "platform/audio_device.h"

#include <QAudioDevice>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QAudioSink;
class QIODevice;

namespace kestrane {

class WaveStream;

// Where decoded samples go: the sound card, or nowhere.
class PcmSink
{
public:
    virtual ~PcmSink() = default;
    // Starts pulling interleaved 16-bit PCM from `source` (valid until stop()) and returns at
    // once; false when the output refuses the format.
    virtual bool start(QIODevice* source, int sampleRate, int channels) = 0;
    virtual void stop() = 0;
    // Still taking samples (false once the source ran dry or stop() was called).
    virtual bool isActive() const = 0;
};

// Takes everything it is given, a piece per turn of the event loop, and plays nothing: the output
// of a machine without a sound device, and where the tests read what the player decoded.
class NullPcmSink : public QObject, public PcmSink
{
    Q_OBJECT

public:
    NullPcmSink();
    bool start(QIODevice* source, int sampleRate, int channels) override;
    void stop() override;
    bool isActive() const override { return m_source != nullptr; }
    qint64 bytesTaken() const { return m_bytes; }

Q_SIGNALS:
    void took(const QByteArray& piece); // each piece of PCM as it is taken
    void drained();                     // the source has no more

private:
    void takeSome();

    QTimer m_timer;
    QIODevice* m_source = nullptr;
    qint64 m_bytes = 0;
};

// The system's sound output through Qt Multimedia.
class QtPcmSink : public PcmSink
{
public:
    explicit QtPcmSink(QAudioDevice device);
    ~QtPcmSink() override;
    bool start(QIODevice* source, int sampleRate, int channels) override;
    void stop() override;
    bool isActive() const override;

private:
    QAudioDevice m_device;
    std::unique_ptr<QAudioSink> m_sink;
};

// The default sound output, or a NullPcmSink where the machine has none.
std::unique_ptr<PcmSink> makeSystemPcmSink();

// Plays decoded WAV sounds, pulled piece by piece as the output asks for them: a long sound
// starts at once and nothing waits for the whole file to be decoded.
class QtAudioDevice : public AudioDevice
{
public:
    using SinkFactory = std::function<std::unique_ptr<PcmSink>()>;
    explicit QtAudioDevice(SinkFactory makeSink = makeSystemPcmSink);
    ~QtAudioDevice() override;

    bool open(std::unique_ptr<WaveDecoder> sound) override;
    bool play() override;
    void close() override;
    bool isOpen() const override { return m_stream != nullptr; }

private:
    SinkFactory m_makeSink;
    std::unique_ptr<WaveStream> m_stream;
    std::unique_ptr<PcmSink> m_sink; // after the stream: it goes first
    bool m_started = false;
};

} // namespace kestrane
