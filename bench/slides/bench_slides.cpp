// The slide show's automatic tick over 1024 x 768 JPEG photographs: the time from the timer
// firing to the picture set in Image1 (and to the window painted with it), median over 200 ticks,
// against decoding one of those JPEGs; and the resident size over 1,000 ticks of the demo disc.
#include "bench_support.h"
#include "common/picture_file.h"
#include "demo_disc.h"
#include "photos/photo_catalogue.h"
#include "photos/slide_layout.h"
#include "photos/slide_random.h"
#include "photos/slide_show.h"
#include "photos/ui/slide_window.h"
#include "platform/fakes/fake_platform.h"
#include "state/app_context.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace kestrane;

namespace {

constexpr int kTicks = 200;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A show in its window over a disc, playing Photos in sequence.
struct Show
{
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform()};
    SlideRandom random;
    SlideShow* show = nullptr;
    std::unique_ptr<SlideWindow> window;

    explicit Show(const QString& discFolder)
    {
        fake.mapDrive(u'E', discFolder);
        state.disc.cdRoot = state.disc.photoRoot = u"E:"_qs;
        LoadPhotoArray(context);
        show = new SlideShow(context, random, fake.clock);
        window = std::make_unique<SlideWindow>(context, *show, nullptr, slideLayout(false, 1.0, 15));
        window->show();
        QApplication::processEvents();
        show->start();
        show->play();
    }
    ~Show() { show->stop(); }
};

QString photoDisc()
{
    static QTemporaryDir folder;
    static bool written = false;
    if (!written) {
        for (quint32 n = 0; n < 24; ++n)
            writeHostFile(folder.path(), u"kestranes/57"_qs + QChar(u'A' + n) + u".JPG"_qs,
                          kestrane::benchkit::photoLikeJpeg({1024, 768}, n + 1));
        writeHostFile(folder.path(), u"graphics/97emboss.jpg"_qs,
                      kestrane::benchkit::photoLikeJpeg({776, 470}, 99));
        written = true;
    }
    return folder.path();
}

void BM_TickToPictureSet(benchmark::State& bench)
{
    Show s(photoDisc());
    QElapsedTimer clock;
    qint64 setAt = 0;
    QObject::connect(s.show, &SlideShow::photoShown, [&] { setAt = clock.nsecsElapsed(); });
    std::vector<double> toSet;
    std::vector<double> toPainted;
    for (auto _ : bench) {
        // The decoder works between ticks, as it does while a slide is on the screen.
        s.show->pictures().waitForPrefetch();
        clock.start();
        s.fake.clock.advance(s.state.slides.slideInterval);
        const qint64 set = setAt;
        s.window->repaint();
        const qint64 painted = clock.nsecsElapsed();
        bench.SetIterationTime(double(set) / 1e9);
        toSet.push_back(double(set) / 1e6);
        toPainted.push_back(double(painted) / 1e6);
    }
    bench.counters["median_to_set_ms"] = median(toSet);
    bench.counters["median_to_painted_ms"] = median(toPainted);
}

void BM_DecodeOneJpeg(benchmark::State& bench)
{
    Show s(photoDisc());
    std::vector<double> times;
    int n = 1;
    for (auto _ : bench) {
        QElapsedTimer clock;
        clock.start();
        const QImage image = readPicture(s.fake.fileSystem, s.state.photos.photoFiles.at(n));
        benchmark::DoNotOptimize(image.constBits());
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        bench.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        n = n % s.state.photos.photoCount + 1;
    }
    bench.counters["median_decode_ms"] = median(times);
}

qint64 residentBytes()
{
    QFile statm(u"/proc/self/statm"_qs);
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : 0;
}

void BM_ResidentSizeOver1000Ticks(benchmark::State& bench)
{
    static QTemporaryDir disc;
    static bool written = false;
    if (!written) {
        QString error;
        written = demo::writeDemoDisc(disc.path(), {}, &error);
        if (!written) {
            bench.SkipWithError(error.toStdString().c_str());
            return;
        }
    }
    for (auto _ : bench) {
        Show s(disc.path());
        // Warm up: the first slides fill the caches that every later one reuses.
        for (int i = 0; i < 50; ++i) {
            s.fake.clock.advance(1000);
            s.window->repaint();
        }
        const qint64 before = residentBytes();
        for (int i = 0; i < 1000; ++i) {
            s.fake.clock.advance(1000);
            s.window->repaint();
        }
        s.show->pictures().waitForPrefetch();
        bench.counters["rss_growth_MB"] = double(residentBytes() - before) / (1024.0 * 1024.0);
        bench.counters["photos"] = s.state.photos.photoCount;
    }
}

BENCHMARK(BM_TickToPictureSet)->UseManualTime()->Iterations(kTicks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeOneJpeg)->UseManualTime()->Iterations(kTicks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResidentSizeOver1000Ticks)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return kestrane::benchkit::runBenchmarks(argc, argv);
}
