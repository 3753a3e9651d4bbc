// Throughput of reading and laying out a large document (about 1 MB of RTF with tables).
#include "bench_support.h"
#include "rtf/rtf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPointer>
#include <QTextDocument>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

// A late-1990s style document: formatted paragraphs with code-page escapes and a table per section.
QByteArray largeDocument(qsizetype targetBytes)
{
    QByteArray rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
        "{\\f1\\fswiss\\fcharset0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;\\red128\\green0\\blue0;}"
        "{\\info{\\title Bench}}\\viewkind4\\uc1\n";
    int section = 0;
    while (rtf.size() < targetBytes) {
        ++section;
        rtf +=
            "\\pard\\qc\\sb240\\sa120\\f1\\fs32\\b\\cf2 Section " + QByteArray::number(section) + "\\par\n";
        for (int p = 0; p < 6; ++p) {
            rtf += "\\pard\\qj\\fi360\\sa120\\f0\\fs24\\b0\\cf0 The 19" + QByteArray::number(50 + p) +
                   " model carried a {\\b new grille} and {\\i revised trim}; its caf\\'e9-racer styling "
                   "was praised as \\ldblquote timeless\\rdblquote  by the press of the day, and the "
                   "engine gained ten horsepower over the previous year\\rquote s version.\\par\n";
        }
        rtf += "\\pard\\sa120\\f0\\fs20\n";
        for (int r = 0; r < 8; ++r) {
            rtf +=
                "\\trowd\\trgaph108\\trleft-108\\clbrdrt\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\cellx2600"
                "\\clbrdrt\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\cellx5600"
                "\\clbrdrt\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brdrw10\\cellx8600\n";
            rtf += "\\pard\\intbl Item " + QByteArray::number(r) + "\\cell\\pard\\intbl\\qr " +
                   QByteArray::number(1000 + r * 37) +
                   " units\\cell\\pard\\intbl Figures of the year\\cell\\row\n";
        }
        rtf += "\\pard\\par\n";
    }
    rtf += "}";
    return rtf;
}

const QByteArray& document()
{
    static const QByteArray doc = largeDocument(1024 * 1024);
    return doc;
}

void BM_Read(benchmark::State& state)
{
    const QByteArray& rtf = document();
    for (auto _ : state) {
        QTextDocument doc;
        benchmark::DoNotOptimize(rtf::readRtf(rtf, &doc).ok);
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);

void BM_ReadAndLayOut(benchmark::State& state)
{
    const QByteArray& rtf = document();
    for (auto _ : state) {
        QTextDocument doc;
        rtf::readRtf(rtf, &doc);
        doc.setPageSize(QSizeF(624, 864)); // Letter less 1-inch margins, at 96 dpi
        benchmark::DoNotOptimize(doc.documentLayout()->documentSize());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_ReadAndLayOut)->Unit(benchmark::kMillisecond);

// What opening shows first: the page laid out down to the bottom of the first screen, as a text
// box lays out the rest while it waits for input.
void BM_ReadAndLayOutFirstScreen(benchmark::State& state)
{
    const QByteArray& rtf = document();
    for (auto _ : state) {
        QTextDocument doc;
        rtf::readRtf(rtf, &doc);
        doc.setPageSize(QSizeF(624, -1));
        benchmark::DoNotOptimize(doc.documentLayout()->hitTest({0, 864}, Qt::FuzzyHit));
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_ReadAndLayOutFirstScreen)->Unit(benchmark::kMillisecond);

// The same through a shown text box: a new document replaces the last one and its first screen
// is painted.
void BM_OpenInTextBox(benchmark::State& state)
{
    const QByteArray& rtf = document();
    QTextEdit box;
    box.setReadOnly(true);
    box.resize(640, 880);
    box.show();
    for (auto _ : state) {
        auto* doc = new QTextDocument(&box);
        rtf::readRtf(rtf, doc);
        doc->setPageSize(QSizeF(0, 0)); // as the box does: no layout before it gives its width
        const QPointer<QTextDocument> previous = box.document();
        box.setDocument(doc);
        if (previous && previous->parent() == &box)
            delete previous;
        benchmark::DoNotOptimize(box.viewport()->grab());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_OpenInTextBox)->Unit(benchmark::kMillisecond);

// Reading into the box's own document, as it was opened before.
void BM_ReadIntoShownTextBox(benchmark::State& state)
{
    const QByteArray& rtf = document();
    QTextEdit box;
    box.setReadOnly(true);
    box.resize(640, 880);
    box.show();
    for (auto _ : state) {
        rtf::readRtf(rtf, box.document());
        benchmark::DoNotOptimize(box.viewport()->grab());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_ReadIntoShownTextBox)->Unit(benchmark::kMillisecond);

void BM_PlainText(benchmark::State& state)
{
    const QByteArray& rtf = document();
    QTextDocument doc;
    rtf::readRtf(rtf, &doc);
    for (auto _ : state)
        benchmark::DoNotOptimize(rtf::plainText(doc));
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_PlainText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return kestrane::benchkit::runBenchmarks(argc, argv);
}
