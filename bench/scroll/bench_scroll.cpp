// The largest illustration of the demo disc (3200 by 2400 pixels) opened in frmScroll, against
// decoding the same JPEG alone: what the viewer adds to the decoding. And one step of a scroll bar
// against repainting the whole viewport: scrolling repaints only the strip that comes into view.
#include "bench_support.h"
#include "common/ui/window_registry.h"
#include "disc_names.h"
#include "periphery/ui/scroll_pictures.h"
#include "periphery/ui/scroll_viewer.h"
#include "periphery/ui/scroll_window.h"
#include "pictures.h"
#include "platform/fakes/fake_platform.h"
#include "state/app_context.h"

#include <QApplication>
#include <QBuffer>
#include <QScrollBar>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>

using namespace kestrane;

namespace {

constexpr int kLargest = 5; // st005.jpg, the widest of the series
constexpr QSize kLargestSize(3200, 2400);

struct Disc
{
    FakePlatform fake;
    AppState state;
    WindowRegistry windows;
    AppContext context{state, fake.platform(), nullptr, &windows};
    std::unique_ptr<LargeImageViewer> viewer;
    QByteArray jpeg;
    QString path = u"E:\\OverSize\\st005.jpg"_qs;

    Disc()
    {
        const QString disc = fake.addDrive(u'E');
        const QImage picture =
            demo::illustration(kLargest, demo::illustrationTitles().at(kLargest - 1), kLargestSize);
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "JPG", 85); // the disc's quality
        writeHostFile(disc, u"OverSize/st005.jpg"_qs, jpeg);
        state.disc.cdRoot = u"E:"_qs;
        viewer = std::make_unique<LargeImageViewer>(context, nullptr);
    }
};

Disc& disc()
{
    static Disc instance;
    return instance;
}

void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Counts the paint events of the picture, so that a figure without painting shows itself.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

// Shows the picture and returns once the window is on the screen and painted.
void openAndPaint(Disc& d, const QString& caption, PaintCounter* counter)
{
    d.viewer->showPicture(d.path, caption);
    ScrollWindow* window = d.viewer->window();
    window->picChild()->installEventFilter(counter);
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QApplication::processEvents();
    QApplication::processEvents();
}

void BM_DecodeLargestIllustration(benchmark::State& bench)
{
    const QByteArray& jpeg = disc().jpeg;
    for (auto _ : bench) {
        const QImage image = QImage::fromData(jpeg);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_OpenLargestIllustrationInViewer(benchmark::State& bench)
{
    Disc& d = disc();
    PaintCounter counter;
    for (auto _ : bench) {
        openAndPaint(d, u"The Kestrane Omnivar    Penrow: The Illustrated Kestrane Series"_qs, &counter);
        bench.PauseTiming();
        d.viewer->unload();
        settle();
        bench.ResumeTiming();
    }
    bench.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}

// One pixel down and back up per iteration, each repainted.
void BM_ScrollOnePixel(benchmark::State& bench)
{
    Disc& d = disc();
    PaintCounter counter;
    openAndPaint(d, u"scroll"_qs, &counter);
    counter.paints = 0;
    QScrollBar* bar = d.viewer->window()->vScroll1();
    int step = 1;
    for (auto _ : bench) {
        bar->setValue(bar->value() + step);
        step = -step;
        QApplication::processEvents();
    }
    bench.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    d.viewer->unload();
    settle();
}

void BM_RepaintWholeViewport(benchmark::State& bench)
{
    Disc& d = disc();
    PaintCounter counter;
    openAndPaint(d, u"scroll"_qs, &counter);
    counter.paints = 0;
    // The picture's part in the viewport, all of it drawn again.
    QWidget* picture = d.viewer->window()->picChild();
    for (auto _ : bench) {
        picture->update();
        QApplication::processEvents();
    }
    bench.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    d.viewer->unload();
    settle();
}

BENCHMARK(BM_DecodeLargestIllustration)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLargestIllustrationInViewer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollOnePixel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintWholeViewport)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return kestrane::benchkit::runBenchmarks(argc, argv, [] { disc(); });
}
