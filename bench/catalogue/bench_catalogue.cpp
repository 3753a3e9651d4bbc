// Loading the photo catalogue of a full folder (32,766 photographs, the 16-bit limit) against a
// bare listing of the same folder: what the catalogue adds to the file system's own work.
#include "bench_support.h"
#include "photos/photo_catalogue.h"
#include "platform/fakes/fake_platform.h"
#include "state/app_context.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <random>

using namespace kestrane;

namespace {

struct Disc
{
    FakePlatform fake;
    QString folder = fake.addDrive(u'E');

    Disc() { benchkit::makeEmptyPhotoSet(folder, kMaxPictures); }
};

Disc& disc()
{
    static Disc instance;
    return instance;
}

void BM_BareDirectoryListing(benchmark::State& bench)
{
    const QString folder = disc().folder + u"/kestranes"_qs;
    for (auto _ : bench) {
        const QStringList names = QDir(folder).entryList({u"*.jpg"_qs}, QDir::Files, QDir::Unsorted);
        benchmark::DoNotOptimize(names.size());
    }
}

void BM_FileSystemListing(benchmark::State& bench)
{
    const FileSystem& fs = disc().fake.fileSystem;
    for (auto _ : bench) {
        const QStringList names = fs.list(u"E:\\kestranes\\*.jpg"_qs);
        benchmark::DoNotOptimize(names.size());
    }
}

void BM_LoadPhotoArray(benchmark::State& bench)
{
    AppState state;
    AppContext context{state, disc().fake.platform()};
    state.disc.cdRoot = state.disc.photoRoot = u"E:"_qs;
    for (auto _ : bench) {
        LoadPhotoArray(context);
        benchmark::DoNotOptimize(state.photos.photoCount);
    }
    bench.counters["photos"] = state.photos.photoCount;
}

BENCHMARK(BM_BareDirectoryListing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FileSystemListing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPhotoArray)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    disc();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
