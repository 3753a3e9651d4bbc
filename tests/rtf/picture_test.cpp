// Pictures: the formats Qt can draw, metafiles that wrap a bitmap, placeholders and sizes.
#include "rtf_test_util.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextImageFormat>
#include <QtEndian>

#include <gtest/gtest.h>

namespace rtf::test {
namespace {

QImage sample(int w = 4, int h = 3)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    return image;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QByteArray dib(const QImage& image)
{
    return encoded(image, "BMP").mid(14);
}

void appendLE(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// A one-record metafile as Paint writes them: header, META_STRETCHDIB with the bitmap, EOF.
QByteArray wmfWrapping(const QByteArray& bitmap)
{
    QByteArray wmf;
    appendLE(wmf, 1, 2);
    appendLE(wmf, 9, 2);
    appendLE(wmf, 0x300, 2);
    appendLE(wmf, 0, 4);
    appendLE(wmf, 0, 2);
    appendLE(wmf, 0, 4);
    appendLE(wmf, 0, 2);
    QByteArray record;
    appendLE(record, 0, 4); // size, filled below
    appendLE(record, 0x0F43, 2);
    record.append(QByteArray(22, '\0'));
    record.append(bitmap);
    if (record.size() % 2)
        record.append('\0');
    qToLittleEndian<quint32>(quint32(record.size() / 2), record.data());
    wmf += record;
    appendLE(wmf, 3, 4);
    appendLE(wmf, 0, 2);
    return wmf;
}

QByteArray emfWrapping(const QByteArray& bitmap)
{
    const quint32 headerBytes = quint32(qFromLittleEndian<quint32>(bitmap.constData()));
    QByteArray rec;
    appendLE(rec, 81, 4);
    appendLE(rec, 0, 4); // size, filled below
    rec.append(QByteArray(40, '\0'));
    appendLE(rec, 80, 4);                                   // offBmiSrc
    appendLE(rec, headerBytes, 4);                          // cbBmiSrc
    appendLE(rec, 80 + headerBytes, 4);                     // offBitsSrc
    appendLE(rec, quint32(bitmap.size()) - headerBytes, 4); // cbBitsSrc
    rec.append(QByteArray(80 - rec.size(), '\0'));
    rec.append(bitmap);
    while (rec.size() % 4)
        rec.append('\0');
    qToLittleEndian<quint32>(quint32(rec.size()), rec.data() + 4);
    QByteArray eof;
    appendLE(eof, 14, 4);
    appendLE(eof, 20, 4);
    eof.append(QByteArray(12, '\0'));
    return rec + eof;
}

struct Shown
{
    QImage image;
    QSizeF size;
    int count = 0;
};

Shown shownPicture(const QByteArray& rtf)
{
    const auto doc = read(rtf);
    Shown shown;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            const QTextImageFormat img = f.toImageFormat();
            if (shown.count++ == 0) {
                shown.image = doc->resource(QTextDocument::ImageResource, QUrl(img.name())).value<QImage>();
                shown.size = QSizeF(img.width(), img.height());
            }
        }
    return shown;
}

QByteArray pict(const QByteArray& words, const QByteArray& data)
{
    return "{\\rtf1 A{\\pict" + words + " " + data.toHex() + "}B\\par}";
}

TEST(Pictures, decodedFormatsKeepTheirPixels)
{
    const QImage image = sample();
    const QByteArray cases[] = {
        pict("\\pngblip", encoded(image, "PNG")),
        pict("\\jpegblip", encoded(image, "JPEG")),
        pict("\\dibitmap0", dib(image)),
        pict("\\wmetafile8", wmfWrapping(dib(image))),
        pict("\\emfblip", emfWrapping(dib(image))),
        "{\\rtf1 A{\\pict\\pngblip\\bin" + QByteArray::number(encoded(image, "PNG").size()) + " " +
            encoded(image, "PNG") + "}B\\par}",
    };
    for (const QByteArray& rtf : cases) {
        const Shown shown = shownPicture(rtf);
        ASSERT_EQ(shown.count, 1) << rtf.left(40).constData();
        EXPECT_EQ(shown.image.size(), image.size()) << rtf.left(40).constData();
        EXPECT_EQ(shown.size, QSizeF(4, 3)) << rtf.left(40).constData();
        EXPECT_EQ(text(rtf), QStringLiteral("AB"));
    }
}

TEST(Pictures, goalSizeAndScaleDecideTheShownSize)
{
    const QByteArray png = encoded(sample(), "PNG");
    EXPECT_EQ(shownPicture(pict("\\pngblip\\picwgoal1500\\pichgoal750", png)).size, QSizeF(100, 50));
    EXPECT_EQ(shownPicture(pict("\\pngblip\\picwgoal1500\\pichgoal750\\picscalex50\\picscaley200", png)).size,
              QSizeF(50, 100));
    // Nonsense scales are ignored rather than giving an invisible or endless picture.
    EXPECT_EQ(shownPicture(pict("\\pngblip\\picscalex-5\\picscaley0", png)).size, QSizeF(4, 3));
}

TEST(Pictures, metafilesWithoutABitmapGetASizedPlaceholder)
{
    const QByteArray drawing = QByteArray::fromHex("010009000003000000000000000003000000000000");
    const Shown himetric = shownPicture(pict("\\wmetafile8\\picw2540\\pich1270", drawing));
    ASSERT_EQ(himetric.count, 1);
    EXPECT_FALSE(himetric.image.isNull());
    EXPECT_EQ(himetric.size, QSizeF(96, 48));
    EXPECT_EQ(shownPicture(pict("\\emfblip\\picwgoal720\\pichgoal360", "junk")).size, QSizeF(48, 24));
}

TEST(Pictures, hugeDeclaredBitmapsAreRefusedNotAllocated)
{
    QByteArray header = dib(sample());
    qToLittleEndian<qint32>(200000, header.data() + 4);
    qToLittleEndian<qint32>(200000, header.data() + 8);
    const Shown shown = shownPicture(pict("\\dibitmap0", header));
    ASSERT_EQ(shown.count, 1);
    EXPECT_LE(shown.image.width(), 16); // the placeholder
}

TEST(Pictures, objectsShowTheirResultNotTheirData)
{
    const QByteArray png = encoded(sample(), "PNG");
    const QByteArray rtf = "{\\rtf1 {\\object\\objemb{\\*\\objclass Paint.Picture}{\\*\\objdata 0102}"
                           "{\\result{\\pict\\pngblip " +
                           png.toHex() + "}}}x\\par}";
    EXPECT_EQ(shownPicture(rtf).count, 1);
    EXPECT_EQ(text(rtf), QStringLiteral("x"));
}

} // namespace
} // namespace rtf::test
