// The search across the disc's documents on the whole demo disc: reading every document into the
// index (the first use), taking it from the cache (every later start), and answering a query
// while the user types. KESTRANE_BENCH_DISC names a demo disc already written, else one is
// written into a temporary folder first.
#include "bench_support.h"
#include "demo_disc.h"
#include "platform/fakes/fake_platform.h"
#include "search/search_indexer.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace kestrane;

namespace {

struct Disc
{
    FakePlatform fake;
    std::unique_ptr<QTemporaryDir> written;
    QTemporaryDir cache;

    Disc()
    {
        QString folder = qEnvironmentVariable("KESTRANE_BENCH_DISC");
        if (folder.isEmpty()) {
            written = std::make_unique<QTemporaryDir>();
            folder = written->path();
            QString error;
            if (!demo::writeDemoDisc(folder, {}, &error))
                std::fprintf(stderr, "demo disc: %s\n", qPrintable(error));
        }
        fake.mapDrive(u'E', folder);
    }

    IndexSource source(bool cached)
    {
        return {&fake.fileSystem, u"E:"_qs, QString(), cached ? cache.path() : QString()};
    }
};

Disc& disc()
{
    static Disc instance;
    return instance;
}

void BM_IndexWholeDisc(benchmark::State& bench)
{
    Disc& d = disc();
    int documents = 0;
    for (auto _ : bench) {
        const IndexBuild built = buildSearchIndex(d.source(false));
        documents = built.index->size();
        benchmark::DoNotOptimize(documents);
    }
    bench.counters["documents"] = documents;
}
BENCHMARK(BM_IndexWholeDisc)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_IndexFromCache(benchmark::State& bench)
{
    Disc& d = disc();
    buildSearchIndex(d.source(true)); // writes the cache
    for (auto _ : bench) {
        const IndexBuild built = buildSearchIndex(d.source(true));
        if (!built.fromCache)
            bench.SkipWithError("the cache was not used");
        benchmark::DoNotOptimize(built.index);
    }
}
BENCHMARK(BM_IndexFromCache)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Query(benchmark::State& bench, const char* words)
{
    static const std::shared_ptr<const SearchIndex> index = buildSearchIndex(disc().source(false)).index;
    const QString text = QString::fromUtf8(words);
    qsizetype hits = 0;
    for (auto _ : bench) {
        hits = index->query(text).size();
        benchmark::DoNotOptimize(hits);
    }
    bench.counters["hits"] = double(hits);
}
// One letter matches the most words and documents: the slowest answer while typing.
BENCHMARK_CAPTURE(BM_Query, one_letter, "e")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Query, common_word, "kestrane")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Query, two_words, "fuel inj")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Query, accent_typed, "ÉNGINE")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return kestrane::benchkit::runBenchmarks(argc, argv);
}
