// Copying movies to the program folder with the copy job (its own thread, chunked, through a
// hidden name) against the system's cp on the same files and file system, taken in turns within
// one run: the demo disc's eight movies, and one large movie for the throughput and the memory.
// While the job copies, a 5 ms timer on the main thread measures how long the window would go
// without answering, and the job's progress reports are counted.
#include "bench_support.h"
#include "demo_disc.h"
#include "disk/copy_job.h"
#include "platform/fakes/fake_platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <memory>

extern char** environ;

using namespace kestrane;

namespace {

struct Source
{
    QString folder; // host folder of the files
    QStringList names;
    qint64 bytes = 0;
};

struct Bench
{
    QTemporaryDir root;
    FakePlatform fake;
    Source demoMovies;
    Source largeMovie;

    Bench()
    {
        QString error;
        const QString disc = root.path() + u"/disc"_qs;
        if (!demo::writeDemoDisc(disc, {}, &error))
            qFatal("demo disc: %s", qPrintable(error));
        fake.mapDrive(u'D', disc);
        demoMovies = source(disc + u"/movies"_qs);

        // A movie of 256 MB beside it, for throughput rather than per-file costs.
        const QString large = root.path() + u"/large"_qs;
        QDir().mkpath(large + u"/movies"_qs);
        QFile file(large + u"/movies/LARGE.AVI"_qs);
        file.open(QIODevice::WriteOnly);
        QByteArray block(1 << 20, '\0');
        for (int i = 0; i < block.size(); ++i)
            block[i] = char((i * 2654435761u) >> 24);
        for (int i = 0; i < 256; ++i)
            file.write(block);
        file.close();
        fake.mapDrive(u'L', large);
        largeMovie = source(large + u"/movies"_qs);
    }

    static Source source(const QString& folder)
    {
        Source s{folder, QDir(folder).entryList({u"*.avi"_qs, u"*.AVI"_qs}, QDir::Files, QDir::Name), 0};
        for (const QString& name : s.names)
            s.bytes += QFileInfo(folder + u'/' + name).size();
        return s;
    }

    QString target() const { return fake.programFolder() + u"/movies"_qs; }
    void clearTarget() const
    {
        QDir(target()).removeRecursively();
        QDir().mkpath(target());
    }
};

Bench& bench()
{
    static Bench b;
    return b;
}

double secondsOfCp(const Source& source, const QString& target)
{
    std::vector<QByteArray> args{"cp"};
    for (const QString& name : source.names)
        args.push_back(QFile::encodeName(source.folder + u'/' + name));
    args.push_back(QFile::encodeName(target + u'/'));
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "cp", nullptr, nullptr, argv.data(), environ) != 0)
        qFatal("cp could not be started");
    int status = 0;
    waitpid(pid, &status, 0);
    return double(clock.nsecsElapsed()) / 1e9;
}

struct JobRun
{
    double seconds = 0;
    qint64 longestStallMs = 0;
    int reports = 0;
};

JobRun runJob(const Source& source, QChar drive, const QString& programFolder)
{
    QList<CopyItem> items;
    for (const QString& name : source.names)
        items.append(
            {QString(drive) + u":\\movies\\"_qs + name, programFolder + u"\\movies\\"_qs + name.toUpper()});
    JobRun run;
    QElapsedTimer clock;
    QElapsedTimer sinceTick;
    QEventLoop loop;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { run.longestStallMs = std::max(run.longestStallMs, sinceTick.restart()); });
    clock.start();
    sinceTick.start();
    tick.start();
    CopyJob job(*bench().fake.platform().fileSystem, items, 440'000'000);
    QObject::connect(&job, &CopyJob::progress, [&] { ++run.reports; });
    QObject::connect(&job, &CopyJob::fileFailed, [&] { qFatal("a copy failed"); });
    QObject::connect(&job, &CopyJob::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    run.seconds = double(clock.nsecsElapsed()) / 1e9;
    return run;
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void copyAgainstCp(benchmark::State& state, const Source& source, QChar drive)
{
    Bench& b = bench();
    double cpSeconds = 0;
    double jobSeconds = 0;
    qint64 stall = 0;
    int reports = 0;
    const long rssBefore = peakRssKb();
    for (auto _ : state) {
        b.clearTarget();
        cpSeconds += secondsOfCp(source, b.target());
        b.clearTarget();
        const JobRun run = runJob(source, drive, b.fake.programFolder());
        jobSeconds += run.seconds;
        stall = std::max(stall, run.longestStallMs);
        reports += run.reports;
        state.SetIterationTime(run.seconds);
    }
    const double n = double(state.iterations());
    state.SetBytesProcessed(int64_t(n) * source.bytes);
    state.counters["files"] = double(source.names.size());
    state.counters["cp_MBps"] = double(source.bytes) * n / cpSeconds / 1e6;
    state.counters["job_MBps"] = double(source.bytes) * n / jobSeconds / 1e6;
    // Throughput of the job over that of cp: the job's is to be at least 0.9 of it.
    state.counters["ratio"] = cpSeconds / jobSeconds;
    state.counters["ui_stall_ms"] = double(stall);
    state.counters["reports_per_s"] = double(reports) / jobSeconds;
    state.counters["rss_growth_kB"] = double(peakRssKb() - rssBefore);
}

void BM_CopyDemoMoviesAgainstCp(benchmark::State& state)
{
    copyAgainstCp(state, bench().demoMovies, u'D');
}

void BM_CopyLargeMovieAgainstCp(benchmark::State& state)
{
    copyAgainstCp(state, bench().largeMovie, u'L');
}

BENCHMARK(BM_CopyDemoMoviesAgainstCp)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CopyLargeMovieAgainstCp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(8);

} // namespace

int main(int argc, char** argv)
{
    return kestrane::benchkit::runBenchmarks(argc, argv, [] { bench(); });
}
