// Resident memory of the main window showing a photograph, against a bare Qt window showing the
// same picture: what the program holds beyond the picture on the screen. Each window is built in
// a process of its own (forked before any Qt object exists), so neither inherits the other's heap.
#include "bench_support.h"
#include "photos/photo_catalogue.h"
#include "platform/fakes/fake_platform.h"
#include "selection/ui/year_page.h"
#include "shell/ui/main_window.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>

using namespace kestrane;

namespace {

constexpr QSize kPhotoSize(1024, 768);

// Made before the children fork, so that both hold the same bytes and neither the cost of
// painting them.
const QByteArray& photoFile(int seed)
{
    static const QByteArray files[] = {benchkit::photoLikeJpeg(kPhotoSize, 1),
                                       benchkit::photoLikeJpeg(kPhotoSize, 2),
                                       benchkit::photoLikeJpeg(kPhotoSize, 3)};
    return files[seed - 1];
}

long residentKilobytes()
{
    QFile status(u"/proc/self/status"_qs);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

// Runs `scene` in a child process with its own application and returns the child's resident set
// once the scene is on the screen.
long residentOf(const std::function<std::shared_ptr<void>()>& scene)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        int argc = 1;
        char name[] = "bench_memory";
        char* argv[] = {name, nullptr};
        long kilobytes = -1;
        {
            QApplication app(argc, argv);
            const std::shared_ptr<void> shown = scene();
            for (int i = 0; i < 3; ++i)
                QApplication::processEvents();
            kilobytes = residentKilobytes();
        }
        const ssize_t written = write(pipeEnds[1], &kilobytes, sizeof kilobytes);
        _exit(written == sizeof kilobytes ? 0 : 1);
    }
    close(pipeEnds[1]);
    long kilobytes = -1;
    if (read(pipeEnds[0], &kilobytes, sizeof kilobytes) != sizeof kilobytes)
        kilobytes = -1;
    close(pipeEnds[0]);
    waitpid(child, nullptr, 0);
    return kilobytes;
}

std::shared_ptr<void> bareWindow()
{
    auto label = std::make_shared<QLabel>();
    QPixmap picture;
    picture.loadFromData(photoFile(1));
    label->setPixmap(picture);
    label->show();
    return label;
}

struct MainWindowScene
{
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform()};
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<YearPage> page;

    MainWindowScene()
    {
        const QString disc = fake.addDrive(u'E');
        int seed = 1;
        for (const char16_t* name : {u"57A.JPG", u"57B.JPG", u"58A.JPG"})
            writeHostFile(disc, u"kestranes/"_qs + QString::fromUtf16(name), photoFile(seed++));
        state.disc.cdRoot = state.disc.photoRoot = u"E:"_qs;
        LoadPhotoArray(context);
        main = std::make_unique<MainWindow>(context);
        page = std::make_unique<YearPage>(context, main->controls());
        main->load({});
        main->show();
        main->findChild<QAbstractButton*>(u"cmdYR(5)"_qs)->click();
    }
};

void measure(benchmark::State& bench, const std::function<std::shared_ptr<void>()>& scene)
{
    long kilobytes = -1;
    for (auto _ : bench)
        kilobytes = residentOf(scene);
    bench.counters["rss_kB"] = double(kilobytes);
}

void BM_BareWindowShowingAPicture(benchmark::State& bench)
{
    measure(bench, bareWindow);
}

void BM_MainWindowShowingAPhotograph(benchmark::State& bench)
{
    measure(bench, [] { return std::static_pointer_cast<void>(std::make_shared<MainWindowScene>()); });
}

BENCHMARK(BM_BareWindowShowingAPicture)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainWindowShowingAPhotograph)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    photoFile(1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
