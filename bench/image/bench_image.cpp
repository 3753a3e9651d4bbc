// Reading the disc out of an image against reading the same files from a folder on the same disk,
// taken in turns within one run: the photo catalogue of a full folder (32,766 photographs, the
// image opened anew each time; goal: at most 1.2 times the folder's), a 200 MB movie read as cat
// reads it and copied out for the player (goal: at least 0.9 of the folder's speed), and the
// start-up sequence up to the splash timer and the loaded catalogue (the timer opens the main
// window at 5.0 s, so the work before it must stay well inside that).
#include "bench_support.h"
#include "photos/photo_catalogue.h"
#include "platform/disc_image.h"
#include "platform/fakes/fake_platform.h"
#include "shell/startup.h"
#include "state/app_context.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <memory>
#include <new>
#include <random>
#include <unistd.h>

using namespace kestrane;

namespace {

constexpr qint64 kMovieBytes = 200 * 1000 * 1000;

struct Bench
{
    QTemporaryDir root;
    FakePlatform fake;
    QString photos = root.path() + u"/photos"_qs;
    QString photosImage = root.path() + u"/photos.iso"_qs;
    QString movie = root.path() + u"/movie"_qs;
    QString movieImage = root.path() + u"/movie.iso"_qs;

    Bench()
    {
        // Copies for the player go below the run's own folder, not the user's cache.
        qputenv("XDG_CACHE_HOME", QFile::encodeName(root.path() + u"/cache"_qs));
        benchkit::makeEmptyPhotoSet(photos, kMaxPictures);
        QDir().mkpath(movie + u"/movies"_qs);
        QFile large(movie + u"/movies/LARGE.AVI"_qs);
        large.open(QIODevice::WriteOnly);
        QByteArray chunk(1 << 20, Qt::Uninitialized);
        std::mt19937 random(1953);
        for (char& c : chunk)
            c = char(random());
        for (qint64 done = 0; done < kMovieBytes; done += chunk.size())
            large.write(chunk.constData(), std::min<qint64>(chunk.size(), kMovieBytes - done));
        large.close();
        makeImage(photos, photosImage);
        makeImage(movie, movieImage);
        // Written back before the first measurement, so that neither side pays for the other's writes.
        ::sync();
        // The page cache keeps a file in the pieces it was written in: the movie in megabytes, the
        // image in xorriso's smaller ones, and a cached file read in bigger pieces reads faster.
        // Dropped, both are read back in by the kernel's read-ahead alike, as a user's own files are.
        dropFromPageCache(movie + u"/movies/LARGE.AVI"_qs);
        dropFromPageCache(movieImage);
    }

    static void dropFromPageCache(const QString& path)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        if (fd < 0 || ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0)
            qFatal("cannot drop %s from the page cache", qPrintable(path));
        ::close(fd);
    }

    static void makeImage(const QString& folder, const QString& image)
    {
        QProcess xorriso;
        xorriso.setProcessChannelMode(QProcess::MergedChannels);
        xorriso.start(u"xorriso"_qs,
                      {u"-as"_qs, u"mkisofs"_qs, u"-quiet"_qs, u"-R"_qs, u"-J"_qs, u"-o"_qs, image, folder});
        if (!xorriso.waitForFinished(-1) || xorriso.exitCode() != 0)
            qFatal("xorriso: %s", xorriso.readAll().constData());
    }

    // A new file system over `drive` as E:, so that nothing is cached from an earlier iteration.
    void mapE(const QString& drive)
    {
        fake.fileSystem = HostFileSystem(DriveMap::parse(u"E="_qs + drive), fake.programFolder(),
                                         fake.fileSystem.systemFolder());
    }
};

Bench& bench()
{
    static Bench instance;
    return instance;
}

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The processor time of this thread spent in `work`, added to *cpu, and the time on the clock.
double secondsOf(const std::function<void()>& work, double* cpu = nullptr)
{
    QElapsedTimer timer;
    const double before = threadSeconds();
    timer.start();
    work();
    if (cpu)
        *cpu += threadSeconds() - before;
    return double(timer.nsecsElapsed()) / 1e9;
}

enum class Ratio { Time, Speed };

// The times of the folder (the floor) and of the image, on the clock and on this thread's processor:
// on a machine that others share, the processor's figure is the steadier one.
struct Pair
{
    double folder = 0, image = 0, folderCpu = 0, imageCpu = 0;
};

void reportPair(benchmark::State& state, const Pair& p, Ratio ratio)
{
    const double n = double(state.iterations());
    state.counters["folder_ms"] = p.folder * 1e3 / n;
    state.counters["image_ms"] = p.image * 1e3 / n;
    const bool time = ratio == Ratio::Time;
    state.counters[time ? "time_ratio" : "speed_ratio"] = time ? p.image / p.folder : p.folder / p.image;
    state.counters[time ? "cpu_time_ratio" : "cpu_speed_ratio"] =
        time ? p.imageCpu / p.folderCpu : p.folderCpu / p.imageCpu;
}

void BM_CatalogueFromImageAgainstFolder(benchmark::State& state)
{
    Bench& b = bench();
    AppState app;
    AppContext context{app, b.fake.platform()};
    app.disc.cdRoot = app.disc.photoRoot = u"E:"_qs;
    Pair p;
    for (auto _ : state) {
        b.mapE(b.photos);
        p.folder += secondsOf([&] { LoadPhotoArray(context); }, &p.folderCpu);
        if (app.photos.photoCount != kMaxPictures)
            state.SkipWithError("the folder's catalogue is incomplete");
        b.mapE(b.photosImage);
        const double s = secondsOf([&] { LoadPhotoArray(context); }, &p.imageCpu);
        if (app.photos.photoCount != kMaxPictures)
            state.SkipWithError("the image's catalogue is incomplete");
        p.image += s;
        state.SetIterationTime(s);
    }
    state.counters["photos"] = app.photos.photoCount;
    // The image's time over the folder's: at most 1.2.
    reportPair(state, p, Ratio::Time);
}

// cat's buffer: 128 KiB on a page boundary.
constexpr qint64 kPiece = 128 * 1024;
constexpr std::align_val_t kPage{4096};

struct PageBufferDelete
{
    void operator()(char* p) const { ::operator delete[](p, kPage); }
};

// Reads a host file to its end in the pieces cat reads it in.
qint64 catFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    const std::unique_ptr<char[], PageBufferDelete> buffer(new (kPage) char[kPiece]);
    qint64 total = 0;
    for (ssize_t n; (n = ::read(fd, buffer.get(), kPiece)) > 0;)
        total += n;
    ::close(fd);
    return total;
}

void BM_ReadMovieFromImageAgainstCat(benchmark::State& state)
{
    Bench& b = bench();
    const QString file = b.movie + u"/movies/LARGE.AVI"_qs;
    const QStringList inner = {u"movies"_qs, u"LARGE.AVI"_qs};
    // The program's own buffer for reading out of an image, as it allocates it.
    const std::unique_ptr<char[], PageBufferDelete> buffer(new (kPage) char[kPiece]);
    // The image is opened once, as the program keeps it open.
    std::unique_ptr<DiscImage> disc = DiscImage::open(b.movieImage);
    const auto readImage = [&] {
        const DiscImage::File movie = disc->openFile(inner);
        qint64 done = 0;
        for (qint64 n; (n = disc->read(movie, done, buffer.get(), kPiece)) > 0;)
            done += n;
        return done;
    };
    // Both files in the page cache before the first measurement.
    catFile(file);
    readImage();
    Pair p;
    for (auto _ : state) {
        p.folder += secondsOf([&] { benchmark::DoNotOptimize(catFile(file)); }, &p.folderCpu);
        qint64 read = 0;
        const double s = secondsOf([&] { read = readImage(); }, &p.imageCpu);
        if (read != kMovieBytes)
            state.SkipWithError("the movie read short");
        p.image += s;
        state.SetIterationTime(s);
    }
    state.SetBytesProcessed(state.iterations() * kMovieBytes);
    // The image's speed over cat's: at least 0.9.
    reportPair(state, p, Ratio::Speed);
}

// Copies a host file as `cat FILE > COPY` does.
void catInto(const QString& from, const QString& to)
{
    const int in = ::open(QFile::encodeName(from).constData(), O_RDONLY);
    const int out = ::open(QFile::encodeName(to).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::unique_ptr<char[], PageBufferDelete> buffer(new (kPage) char[kPiece]);
    for (ssize_t n; (n = ::read(in, buffer.get(), kPiece)) > 0;) {
        if (::write(out, buffer.get(), size_t(n)) != n)
            break;
    }
    ::close(in);
    ::close(out);
}

void BM_PlayableMovieFromImageAgainstCat(benchmark::State& state)
{
    Bench& b = bench();
    const QString copy = b.root.path() + u"/cat-copy.avi"_qs;
    b.mapE(b.movieImage);
    Pair p;
    for (auto _ : state) {
        p.folder += secondsOf([&] { catInto(b.movie + u"/movies/LARGE.AVI"_qs, copy); }, &p.folderCpu);
        QFile::remove(copy);
        QString temporary;
        const double s = secondsOf(
            [&] { b.fake.fileSystem.playableFile(u"E:\\MOVIES\\large.avi"_qs, &temporary); }, &p.imageCpu);
        if (temporary.isEmpty() || QFileInfo(temporary).size() != kMovieBytes)
            state.SkipWithError("no copy for the player");
        QFile::remove(temporary);
        p.image += s;
        state.SetIterationTime(s);
    }
    state.SetBytesProcessed(state.iterations() * kMovieBytes);
    reportPair(state, p, Ratio::Speed);
}

// The start-up sequence with the real disc search and catalogue, the splash and sound left out:
// how long after the splash appears its timer starts, and when the catalogue is loaded.
void startUp(benchmark::State& state, const QString& drive)
{
    Bench& b = bench();
    double timerMs = 0, readyMs = 0;
    for (auto _ : state) {
        b.mapE(drive);
        AppState app;
        AppContext context{app, b.fake.platform()};
        QElapsedTimer clock;
        StartupSteps steps;
        steps.unloadSplash = [] {};
        steps.playStartupSound = [](const QString&) {};
        steps.startSplashTimer = [&] { timerMs += double(clock.nsecsElapsed()) / 1e6; };
        steps.loadPhotoCatalogue = [&] { LoadPhotoArray(context); };
        clock.start();
        if (runStartupSequence(context, {}, steps) != StartupResult::Ready || app.disc.cdRoot != u"E:"_qs)
            state.SkipWithError("the disc was not found");
        readyMs += double(clock.nsecsElapsed()) / 1e6;
    }
    const double n = double(state.iterations());
    state.counters["splash_timer_ms"] = timerMs / n;
    state.counters["catalogue_ready_ms"] = readyMs / n;
}

void BM_StartUpFromFolder(benchmark::State& state)
{
    startUp(state, bench().photos);
}

void BM_StartUpFromImage(benchmark::State& state)
{
    startUp(state, bench().photosImage);
}

BENCHMARK(BM_CatalogueFromImageAgainstFolder)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ReadMovieFromImageAgainstCat)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_PlayableMovieFromImageAgainstCat)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartUpFromFolder)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartUpFromImage)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    return benchkit::runBenchmarks(argc, argv, [] { bench(); });
}
