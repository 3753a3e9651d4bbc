// SelectKey for a year with all five insignia showing, over 1024x768 photographs, against
// reading and decoding the same six JPEG files alone: what the page refresh adds to the pictures.
#include "bench_support.h"
#include "common/picture_file.h"
#include "common/ui/shown_picture.h"
#include "photos/photo_catalogue.h"
#include "platform/fakes/fake_platform.h"
#include "selection/ui/year_page.h"
#include "shell/ui/main_window.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <memory>

using namespace kestrane;

namespace {

// The 1957 page of a disc: its photographs among a catalogue of a few hundred, and its insignia.
struct Page
{
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform()};
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<YearPage> page;
    QStringList sixFiles;

    Page()
    {
        const QString disc = fake.addDrive(u'E');
        quint32 seed = 1;
        for (const QString& code : {u"55"_qs, u"56"_qs, u"57"_qs, u"58"_qs, u"MS"_qs, u"ZZ"_qs})
            for (const char16_t* rest : {u"A", u"B", u"C", u"D"})
                writeHostFile(disc, u"kestranes/"_qs + code + QString::fromUtf16(rest) + u".JPG"_qs,
                              kestrane::benchkit::photoLikeJpeg({1024, 768}, seed++));
        const std::pair<const char16_t*, QSize> insignia[] = {{u"scripts/scri57.jpg", {320, 96}},
                                                              {u"embfront/emb57f.jpg", {150, 150}},
                                                              {u"embrear/emb57r.jpg", {180, 110}},
                                                              {u"embside/emb57s.jpg", {200, 70}},
                                                              {u"clipart/1957.jpg", {360, 230}}};
        sixFiles << u"E:\\kestranes\\57A.JPG"_qs;
        for (const auto& [file, size] : insignia) {
            writeHostFile(disc, QString::fromUtf16(file), kestrane::benchkit::photoLikeJpeg(size, seed++));
            sixFiles << u"E:\\"_qs + QString::fromUtf16(file).replace(u'/', u'\\');
        }
        state.disc.cdRoot = state.disc.photoRoot = u"E:"_qs;
        LoadPhotoArray(context);
        main = std::make_unique<MainWindow>(context);
        page = std::make_unique<YearPage>(context, main->controls());
        main->load({});
        main->show();
        main->findChild<QAbstractButton*>(u"cmdYR(5)"_qs)->click();
        for (const char16_t* toggle :
             {u"cmdScript", u"cmdEmblem", u"cmdEmbRear", u"cmdEmbSide", u"cmdClipArt"})
            main->findChild<QAbstractButton*>(QString::fromUtf16(toggle))->click();
        QApplication::processEvents();
    }
};

std::unique_ptr<Page>& thePage()
{
    static std::unique_ptr<Page> instance;
    return instance;
}

Page& page()
{
    if (!thePage())
        thePage() = std::make_unique<Page>();
    return *thePage();
}

void BM_DecodeSixJpegs(benchmark::State& bench)
{
    const FileSystem& fs = page().fake.fileSystem;
    for (auto _ : bench)
        for (const QString& file : page().sixFiles) {
            const QImage image = readPicture(fs, file);
            benchmark::DoNotOptimize(image.constBits());
        }
}

// The floor of a selection: the same six files decoded at the size the page shows them (the
// photograph and the clip art smaller than their files, the other insignia at their own size).
void BM_DecodeSixJpegsAtShownSize(benchmark::State& bench)
{
    Page& p = page();
    const FileSystem& fs = p.fake.fileSystem;
    const QSize photoBox = pictureBox(p.main->controls().image4);
    const QSize clipBox = pictureBox(p.main->controls().picture(kClipArtPicture));
    for (auto _ : bench)
        for (const QString& file : p.sixFiles) {
            const QSize box = file == p.sixFiles.front()     ? photoBox
                              : file.contains(u"clipart"_qs) ? clipBox
                                                             : QSize();
            const QImage image = readPicture(fs, file, box);
            benchmark::DoNotOptimize(image.constBits());
        }
}

void BM_SelectKey1957AllInsignia(benchmark::State& bench)
{
    Page& p = page();
    int showing = 0;
    for (auto _ : bench) {
        p.page->SelectKey();
        QApplication::processEvents(); // the repaint of the page belongs to the selection
    }
    for (const char16_t* name : {u"picScript", u"picEmblem", u"picEmbRear", u"picEmbSide", u"PicClipArt"})
        showing += p.main->findChild<QLabel*>(QString::fromUtf16(name))->isVisible();
    bench.counters["pictures"] = showing;
    bench.counters["errors"] = double(p.fake.dialogs.boxes.size());
}

// Wall time: the selection decodes on worker threads as well.
BENCHMARK(BM_DecodeSixJpegs)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodeSixJpegsAtShownSize)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SelectKey1957AllInsignia)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return kestrane::benchkit::runBenchmarks(
        argc, argv, [] { page(); }, [] { thePage().reset(); });
}
