// Loading the photo catalogue of a full folder (32,766 photographs, the 16-bit limit) against a
// bare listing of the same folder: what the catalogue adds to the file system's own work.
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

    Disc()
    {
        QDir().mkpath(folder + u"/clipart"_qs);
        QDir().mkpath(folder + u"/kestranes"_qs);
        // Codes of years and categories, several photographs each, created in shuffled order.
        const QStringList codes = {u"53"_qs, u"57"_qs, u"63"_qs, u"78"_qs, u"84"_qs, u"99"_qs, u"A0"_qs,
                                   u"A2"_qs, u"AZ"_qs, u"EM"_qs, u"MS"_qs, u"TT"_qs, u"ZZ"_qs};
        std::vector<int> order(kMaxPictures);
        for (int i = 0; i < kMaxPictures; ++i)
            order[i] = i;
        std::shuffle(order.begin(), order.end(), std::mt19937(2002));
        for (int i : order) {
            QFile file(folder + u"/kestranes/"_qs + codes[i % codes.size()] +
                       QString::number(i, 36).rightJustified(4, u'0') + u".jpg"_qs);
            file.open(QIODevice::WriteOnly);
        }
    }
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
