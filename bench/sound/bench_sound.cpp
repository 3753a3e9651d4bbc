// A 30-second sound from the click to its first sample at the output, against the time it takes to
// decode the whole file (the floor, measured in the same run): the player must not wait for the
// whole file. Goal: the first sample within 50 ms, well under the floor for compressed sound.
#include "bench_support.h"

#include "common/wave_player.h"
#include "media_files.h"
#include "platform/drive_map.h"
#include "platform/host_file_system.h"
#include "platform/qt/qt_audio_device.h"
#include "platform/wave_decoder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace kestrane;

constexpr int kSeconds = 30;
constexpr int kRate = 44100;

QTemporaryDir* disc = nullptr;

// The disc's sounds: PCM written here, IMA ADPCM by sox when it is installed.
void writeSounds()
{
    disc = new QTemporaryDir;
    QDir().mkpath(disc->filePath(u"wav"_qs));
    QVector<qint16> samples(kRate * kSeconds);
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i] = qint16(12000 * std::sin(double(i) * 0.0627));
    QFile pcm(disc->filePath(u"wav/pcm.wav"_qs));
    if (pcm.open(QIODevice::WriteOnly))
        pcm.write(demo::wavFile(samples, kRate));
    pcm.close();
    const QString sox = QStandardPaths::findExecutable(u"sox"_qs);
    if (!sox.isEmpty())
        QProcess::execute(sox,
                          {pcm.fileName(), u"-e"_qs, u"ima-adpcm"_qs, disc->filePath(u"wav/ima.wav"_qs)});
}

HostFileSystem discFileSystem()
{
    DriveMap drives;
    drives.set(u'E', disc->path());
    return HostFileSystem(drives, disc->path());
}

double decodeWholeSeconds(const QString& discPath)
{
    const HostFileSystem fs = discFileSystem();
    QElapsedTimer timer;
    timer.start();
    QByteArray bytes;
    fs.readAll(discPath, &bytes);
    std::unique_ptr<WaveDecoder> decoder = WaveDecoder::open(bytes);
    if (!decoder)
        return -1;
    std::vector<qint16> piece(4096 * size_t(decoder->channels()));
    while (decoder->read(piece.data(), 4096) > 0) {
    }
    return double(timer.nsecsElapsed()) / 1e9;
}

// The sound board's click: the whole command sequence, then the event loop until the output has
// its first samples.
void BM_ClickToFirstSample(benchmark::State& state, const char16_t* file)
{
    const QString discPath = u"E:\\wav\\"_qs + QString::fromUtf16(file);
    const HostFileSystem fs = discFileSystem();
    if (!fs.exists(discPath)) {
        state.SkipWithError("the sound could not be written (sox missing?)");
        return;
    }
    // The floor: the best of three whole decodes (file read included, as the click reads it).
    double floor = 1e9;
    for (int i = 0; i < 3; ++i)
        floor = std::min(floor, decodeWholeSeconds(discPath));

    bool first = false;
    QtAudioDevice device([&first] {
        auto sink = std::make_unique<NullPcmSink>();
        QObject::connect(sink.get(), &NullPcmSink::took, [&first](const QByteArray&) { first = true; });
        return std::unique_ptr<PcmSink>(std::move(sink));
    });
    WavePlayer player(device, fs);
    double worst = 0;
    double total = 0;
    for (auto _ : state) {
        first = false;
        QElapsedTimer timer;
        timer.start();
        player.command(u"close"_qs);
        player.setDeviceType(u"WaveAudio"_qs);
        player.setFileName(discPath);
        player.command(u"open"_qs);
        player.command(u"play"_qs);
        while (!first)
            QCoreApplication::processEvents();
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(seconds);
        worst = std::max(worst, seconds);
        total += seconds;
        player.command(u"close"_qs);
    }
    const double mean = total / double(state.iterations());
    state.counters["first_sample_ms"] = mean * 1e3;
    state.counters["worst_ms"] = worst * 1e3;
    state.counters["whole_decode_ms"] = floor * 1e3;
    state.counters["ratio_to_decode"] = mean / floor;
}

BENCHMARK_CAPTURE(BM_ClickToFirstSample, pcm_30s, u"pcm.wav")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(BM_ClickToFirstSample, ima_adpcm_30s, u"ima.wav")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    return kestrane::benchkit::runBenchmarks(argc, argv, writeSounds);
}
