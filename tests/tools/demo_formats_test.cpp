// The generator's building blocks: name tables, RTF text escapes and the media containers.
#include "disc_names.h"
#include "media_files.h"
#include "pictures.h"
#include "riff_reader.h"
#include "rtf_writer.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace kestrane::demo;

TEST(DemoNames, aModelYearIsMissingOrItsCodeIsWrong)
{
    const QList<ModelYear> years = modelYears();
    ASSERT_EQ(years.size(), 49);
    const struct
    {
        int index;
        const char* year;
        const char* digits;
        const char* code;
    } rows[] = {{0, "1953", "53", "53"},
                {29, "1982", "82", "82"},
                {30, "1984", "84", "84"},
                {46, "2000", "00", "A0"},
                {48, "2002", "02", "A2"}};
    for (const auto& r : rows) {
        EXPECT_EQ(years[r.index].year, QLatin1String(r.year));
        EXPECT_EQ(years[r.index].digits, QLatin1String(r.digits));
        EXPECT_EQ(years[r.index].code, QLatin1String(r.code));
    }
}

TEST(DemoNames, aPhotographPointsToTheWrongDetailDocument)
{
    EXPECT_EQ(photoDetailDocument("EM", "EMB972.JPG"), QStringLiteral("EMB97.rtf"));
    EXPECT_EQ(photoDetailDocument("MS", "msc.jpg"), QStringLiteral("MSC.rtf"));
    EXPECT_EQ(photoDetailDocument("57", "57A.JPG"), QStringLiteral("57A.rtf"));
    // The full disc has several photographs per code; the play list's default is among them.
    EXPECT_EQ(photoNames("57", false).size(), 4);
    EXPECT_TRUE(photoNames("57", false).contains("57c.jpg"));
    EXPECT_TRUE(photoNames("EM", false).contains("EMB972.JPG"));
}

TEST(DemoRtf, textIsNotEscapedTheWayRichTextNeeds)
{
    const struct
    {
        QString text;
        QByteArray rtf;
    } rows[] = {{QStringLiteral("a{b}c\\d"), "a\\{b\\}c\\\\d"},
                {QStringLiteral("caf\u00e9 \u00e4"), "caf\\'e9 \\'e4"},
                {QStringLiteral("\u2013\u2022\u201c"), "\\'96\\'95\\'93"},
                {QStringLiteral("\u03a9"), "\\u937?"},
                {QStringLiteral("\uff21"), "\\u-223?"},
                {QStringLiteral("x\ty"), "x\\tab y"}};
    for (const auto& r : rows)
        EXPECT_EQ(RtfWriter::escape(r.text), r.rtf) << r.text.toStdString();
}

TEST(DemoRtf, markupOrPaintColoursAreLostInTheDocument)
{
    RtfWriter w(QStringLiteral("T"));
    w.paragraph(QStringLiteral("[b]bold[/b] and [i]italic {x}[/i]"));
    w.colourLine(QColor(1, 2, 3), QStringLiteral("paint"));
    const QByteArray doc = w.finish();
    EXPECT_TRUE(doc.contains("\\b bold\\b0  and \\i italic \\{x\\}\\i0 "));
    // The new colour is appended to the table and used by its index (six fixed colours first).
    EXPECT_TRUE(doc.contains("\\red1\\green2\\blue3;}"));
    EXPECT_TRUE(doc.contains("\\cf7 "));
}

TEST(DemoMedia, aWaveHeaderDisagreesWithItsSamples)
{
    const QVector<qint16> samples = synthesizeSound(QStringLiteral("horns.wav"), 0.5);
    ASSERT_EQ(samples.size(), kSampleRate / 2);
    const QByteArray wav = wavFile(samples);
    EXPECT_EQ(wav.size(), 44 + samples.size() * 2);
    EXPECT_EQ(le32(wav, 4), quint32(wav.size() - 8));
    EXPECT_EQ(le32(wav, 40), quint32(samples.size() * 2));
    const auto peak = *std::max_element(samples.begin(), samples.end());
    EXPECT_GT(peak, 20000); // normalised, not clipped
    EXPECT_LT(peak, 32767);
}

TEST(DemoMedia, anOddSizedFrameBreaksTheAviChunks)
{
    // RIFF pads odd chunks; the index still records the unpadded size.
    const QList<QByteArray> frames = {QByteArray(5, 'a'), QByteArray(6, 'b'), QByteArray(7, 'c')};
    const QByteArray avi = aviFile(frames, QSize(4, 2), 10);
    QList<RiffChunk> top;
    ASSERT_TRUE(parseChunks(avi, 0, avi.size(), &top));
    ASSERT_EQ(top.size(), 1);
    const RiffChunk* movi = findChunk(top[0].children, "LIST", "movi");
    const RiffChunk* idx1 = findChunk(top[0].children, "idx1");
    ASSERT_TRUE(movi && idx1);
    ASSERT_EQ(movi->children.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(movi->children[i].data, frames[i]);
        EXPECT_EQ(le32(idx1->data, i * 16 + 12), quint32(frames[i].size()));
        EXPECT_EQ(movi->offset + 8 + le32(idx1->data, i * 16 + 8), movi->children[i].offset);
    }
}

TEST(DemoPictures, theFullDiscPhotographIsNotTheRealisticSize)
{
    const QImage photo = photograph({QStringLiteral("1957"), QStringLiteral("Kestrane photograph A"),
                                     QStringLiteral("57A.JPG"), u'A', 1957},
                                    QSize(1024, 768));
    EXPECT_EQ(photo.size(), QSize(1024, 768));
    // Not a blank canvas: the sky at the top differs from the road at the bottom.
    EXPECT_NE(photo.pixel(512, 5), photo.pixel(512, 760));
}
