#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

namespace kestrane {

// Why a file is no sound that can be played.
enum class WaveProblem {
    None,
    NotWave,     // no RIFF WAVE header
    NoFormat,    // no format chunk before the end
    NoData,      // no data chunk before the end
    Truncated,   // a chunk claims more bytes than the file holds (a cut-off copy, a lying header)
    Unsupported, // a compression no decoder knows, or a format the decoder refuses
    Empty,       // the data chunk holds no sound at all
};

// A sentence for the diagnostics.
QString waveProblemText(WaveProblem problem);

// Walks the RIFF chunks by their sizes. The decoder library plays a cut-off file as a shorter
// sound without a word; this says it is damaged.
WaveProblem checkWaveStructure(const QByteArray& data);

// A WAV file held in memory, decoded to interleaved 16-bit PCM on demand: any format the decoder
// library knows (PCM of any width, float, IMA and Microsoft ADPCM, u-law, A-law, GSM 6.10, ...).
class WaveDecoder
{
public:
    // Null, with *problem set, when the bytes are no sound that can be played.
    static std::unique_ptr<WaveDecoder> open(QByteArray data, WaveProblem* problem = nullptr);
    ~WaveDecoder();
    WaveDecoder(const WaveDecoder&) = delete;
    WaveDecoder& operator=(const WaveDecoder&) = delete;

    int sampleRate() const { return m_rate; }
    int channels() const { return m_channels; }
    qint64 frames() const { return m_frames; } // as the header says
    int bytesPerFrame() const { return m_channels * int(sizeof(qint16)); }

    // Decodes up to `frames` frames into `out`; 0 at the end of the sound.
    qint64 read(qint16* out, qint64 frames);
    // Starts again from the first frame.
    bool rewind();
    bool atEnd() const { return m_atEnd; }

    // The libraries' callbacks read the bytes through these.
    struct Memory
    {
        QByteArray data;
        qint64 position = 0;
    };

private:
    WaveDecoder() = default;

    Memory m_memory;
    struct SndFileCloser
    {
        void operator()(void* file) const;
    };
    std::unique_ptr<void, SndFileCloser> m_file;
    int m_rate = 0;
    int m_channels = 0;
    qint64 m_frames = 0;
    bool m_atEnd = false;
    bool m_float = false; // float samples, scaled here
    std::vector<float> m_floats;
};

} // namespace kestrane
