// libFuzzer target for the sound path: the RIFF walk and the decoder over arbitrary bytes, read to
// the end as the output would read it.
#include "platform/wave_decoder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace kestrane;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    std::unique_ptr<WaveDecoder> decoder = WaveDecoder::open(bytes);
    if (!decoder)
        return 0;
    std::vector<qint16> piece(size_t(1024) * size_t(decoder->channels()));
    // A bound on the frames read keeps a header that claims hours of sound from timing out.
    qint64 total = 0;
    while (total < 4'000'000) {
        const qint64 n = decoder->read(piece.data(), 1024);
        if (n <= 0)
            break;
        total += n;
    }
    if (decoder->rewind())
        decoder->read(piece.data(), 1024);
    return 0;
}
