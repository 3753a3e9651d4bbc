#include "platform/wave_decoder.h"

#include <QtEndian>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace kestrane {

namespace {

// More channels than a surround file of the time had is a damaged header, not a sound.
constexpr int kMaxChannels = 8;

using Memory = WaveDecoder::Memory;

sf_count_t memoryLength(void* user)
{
    return static_cast<Memory*>(user)->data.size();
}

sf_count_t memorySeek(sf_count_t offset, int whence, void* user)
{
    Memory& m = *static_cast<Memory*>(user);
    qint64 base = 0;
    if (whence == SEEK_CUR)
        base = m.position;
    else if (whence == SEEK_END)
        base = m.data.size();
    const qint64 target = base + offset;
    if (target < 0 || target > m.data.size())
        return -1;
    m.position = target;
    return m.position;
}

sf_count_t memoryRead(void* out, sf_count_t count, void* user)
{
    Memory& m = *static_cast<Memory*>(user);
    const qint64 n = std::clamp<qint64>(m.data.size() - m.position, 0, std::max<sf_count_t>(count, 0));
    std::memcpy(out, m.data.constData() + m.position, size_t(n));
    m.position += n;
    return n;
}

sf_count_t memoryWrite(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t memoryTell(void* user)
{
    return static_cast<Memory*>(user)->position;
}

quint32 le32(const QByteArray& data, qint64 at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

} // namespace

QString waveProblemText(WaveProblem problem)
{
    switch (problem) {
    case WaveProblem::None:
        break;
    case WaveProblem::NotWave:
        return u"not a RIFF WAVE file"_qs;
    case WaveProblem::NoFormat:
        return u"no format chunk"_qs;
    case WaveProblem::NoData:
        return u"no data chunk"_qs;
    case WaveProblem::Truncated:
        return u"a chunk runs past the end of the file (cut off or a false size)"_qs;
    case WaveProblem::Unsupported:
        return u"a sound format no decoder knows"_qs;
    case WaveProblem::Empty:
        return u"the data chunk holds no sound"_qs;
    }
    return {};
}

WaveProblem checkWaveStructure(const QByteArray& data)
{
    const qint64 size = data.size();
    if (size < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return WaveProblem::NotWave;
    // Bytes after the RIFF's own end (a tag some tools append) are no chunks; a RIFF size that
    // claims more than the file holds leaves the chunks to tell what is missing.
    const qint64 riffEnd = qint64(le32(data, 4)) + 8;
    const qint64 end = (riffEnd >= 12 && riffEnd < size) ? riffEnd : size;
    bool format = false;
    bool sound = false;
    qint64 at = 12;
    while (at + 8 <= end) {
        const QByteArray id = data.mid(at, 4);
        const qint64 length = le32(data, at + 4);
        const qint64 body = at + 8;
        const bool isFormat = id == "fmt ";
        const bool isData = id == "data";
        if (body + length > size) {
            // A damaged chunk after the whole sound leaves the sound whole.
            if (isFormat || isData || !(format && sound))
                return WaveProblem::Truncated;
            break;
        }
        if (isFormat) {
            if (length < 14)
                return WaveProblem::Truncated;
            format = true;
        } else if (isData) {
            if (length == 0)
                return WaveProblem::Empty;
            sound = true;
        }
        // Chunks of odd size are padded to an even one; a missing last pad byte does no harm.
        at = body + length + (length & 1);
    }
    if (!format)
        return WaveProblem::NoFormat;
    if (!sound)
        return WaveProblem::NoData;
    return WaveProblem::None;
}

void WaveDecoder::SndFileCloser::operator()(void* file) const
{
    sf_close(static_cast<SNDFILE*>(file));
}

std::unique_ptr<WaveDecoder> WaveDecoder::open(QByteArray data, WaveProblem* problem)
{
    WaveProblem found = checkWaveStructure(data);
    std::unique_ptr<WaveDecoder> decoder;
    if (found == WaveProblem::None) {
        decoder.reset(new WaveDecoder);
        decoder->m_memory.data = std::move(data);
        SF_VIRTUAL_IO io{memoryLength, memorySeek, memoryRead, memoryWrite, memoryTell};
        SF_INFO info{};
        SNDFILE* file = sf_open_virtual(&io, SFM_READ, &info, &decoder->m_memory);
        if (!file) {
            found = WaveProblem::Unsupported;
        } else {
            decoder->m_file.reset(file);
            decoder->m_rate = info.samplerate;
            decoder->m_channels = info.channels;
            decoder->m_frames = info.frames;
            const int subtype = info.format & SF_FORMAT_SUBMASK;
            decoder->m_float = subtype == SF_FORMAT_FLOAT || subtype == SF_FORMAT_DOUBLE;
            if (info.channels < 1 || info.channels > kMaxChannels || info.samplerate <= 0)
                found = WaveProblem::Unsupported;
            else if (info.frames <= 0)
                found = WaveProblem::Empty;
        }
    }
    if (problem)
        *problem = found;
    if (found != WaveProblem::None)
        return nullptr;
    return decoder;
}

WaveDecoder::~WaveDecoder() = default;

qint64 WaveDecoder::read(qint16* out, qint64 frames)
{
    if (m_atEnd || frames <= 0)
        return 0;
    SNDFILE* file = static_cast<SNDFILE*>(m_file.get());
    sf_count_t n = 0;
    if (m_float) {
        // The library hands float sound to 16-bit readers unscaled (full scale 1.0 becomes 1):
        // it is read as float and scaled here, louder than full scale clipped.
        m_floats.resize(size_t(frames) * size_t(m_channels));
        n = sf_readf_float(file, m_floats.data(), frames);
        for (sf_count_t i = 0; i < std::max<sf_count_t>(n, 0) * m_channels; ++i)
            out[i] = qint16(std::lrint(std::clamp(m_floats[size_t(i)], -1.0f, 1.0f) * 32767.0f));
    } else {
        n = sf_readf_short(file, out, frames);
    }
    // A block the decoder cannot read ends the sound there.
    if (n < frames)
        m_atEnd = true;
    return std::max<sf_count_t>(n, 0);
}

bool WaveDecoder::rewind()
{
    m_atEnd = sf_seek(static_cast<SNDFILE*>(m_file.get()), 0, SEEK_SET) != 0;
    return !m_atEnd;
}

} // namespace kestrane
