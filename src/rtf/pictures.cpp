#include "rtf/pictures.h"

#include "rtf/rtf_reader.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstring>

namespace rtf {

namespace {

constexpr qint64 kMaxPixels = 25'000'000; // about 100 MB once decoded
constexpr double kMaxShownPixels = 4000;

quint32 u32(const QByteArray& d, qsizetype at)
{
    if (at < 0 || at + 4 > d.size())
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 u16(const QByteArray& d, qsizetype at)
{
    if (at < 0 || at + 2 > d.size())
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(d.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

void putU32(QByteArray& d, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        d.append(char((v >> (8 * i)) & 0xFF));
}

QImage loadChecked(const QByteArray& data, const char* format = nullptr)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPixels)
        return {};
    return reader.read();
}

// A device-independent bitmap as found in \dibitmap and inside metafiles: a BMP file without its
// 14-byte file header. `bitsOffset` is where the pixels start when the caller knows it.
QImage fromDib(const QByteArray& dib, qsizetype bitsOffset = -1)
{
    const quint32 headerSize = u32(dib, 0);
    if (headerSize < 12 || headerSize > quint32(dib.size()))
        return {};
    qint64 width = 0, height = 0;
    quint32 bpp = 0, colors = 0, compression = 0, paletteEntry = 4;
    if (headerSize == 12) {
        width = u16(dib, 4);
        height = u16(dib, 6);
        bpp = u16(dib, 10);
        paletteEntry = 3;
    } else {
        width = qint32(u32(dib, 4));
        height = qint32(u32(dib, 8));
        bpp = u16(dib, 14);
        compression = u32(dib, 16);
        colors = headerSize >= 36 ? u32(dib, 32) : 0;
    }
    if (width <= 0 || height == 0 || width * std::abs(height) > kMaxPixels || bpp == 0 || bpp > 32)
        return {};
    if (colors == 0 && bpp <= 8)
        colors = 1u << bpp;
    if (colors > 256)
        return {};
    if (bitsOffset < 0) {
        const quint32 masks = (headerSize == 40 && (compression == 3 || compression == 6)) ? 12 : 0;
        bitsOffset = qsizetype(headerSize + masks + colors * paletteEntry);
    }
    if (bitsOffset > dib.size())
        return {};
    QByteArray bmp("BM");
    putU32(bmp, quint32(14 + dib.size()));
    putU32(bmp, 0);
    putU32(bmp, quint32(14 + bitsOffset));
    bmp.append(dib);
    return loadChecked(bmp, "BMP");
}

// Paint's metafiles wrap one bitmap; take the largest one a metafile holds.
QImage dibInWmf(const QByteArray& wmf)
{
    qsizetype pos = 0;
    if (u32(wmf, 0) == 0x9AC6CDD7u)
        pos = 22; // the placeable header
    const qsizetype headerWords = u16(wmf, pos + 2);
    if (headerWords < 9)
        return {};
    pos += headerWords * 2;
    qsizetype bestStart = -1, bestSize = 0;
    while (pos + 6 <= wmf.size()) {
        const qint64 size = qint64(u32(wmf, pos)) * 2;
        const quint16 function = u16(wmf, pos + 4);
        if (size < 6 || pos + size > wmf.size() || function == 0)
            break;
        qsizetype dibAt = -1;
        switch (function) {
        case 0x0F43:
            dibAt = 28;
            break; // META_STRETCHDIB
        case 0x0B41:
            dibAt = 26;
            break; // META_DIBSTRETCHBLT
        case 0x0940:
            dibAt = 22;
            break; // META_DIBBITBLT
        case 0x0D33:
            dibAt = 24;
            break; // META_SETDIBTODEV
        default:
            break;
        }
        if (dibAt > 0 && size - dibAt > bestSize) {
            bestStart = pos + dibAt;
            bestSize = size - dibAt;
        }
        pos += size;
    }
    return bestStart < 0 ? QImage() : fromDib(wmf.mid(bestStart, bestSize));
}

QImage dibInEmf(const QByteArray& emf)
{
    qsizetype pos = 0;
    QImage best;
    while (pos + 8 <= emf.size()) {
        const quint32 type = u32(emf, pos);
        const qint64 size = u32(emf, pos + 4);
        if (size < 8 || pos + size > emf.size() || type == 14 /* EMR_EOF */)
            break;
        if ((type == 80 || type == 81) && size >= 80) { // EMR_SETDIBITSTODEVICE, EMR_STRETCHDIBITS
            const qint64 offBmi = u32(emf, pos + 48), cbBmi = u32(emf, pos + 52);
            const qint64 offBits = u32(emf, pos + 56), cbBits = u32(emf, pos + 60);
            if (cbBmi > 0 && offBmi + cbBmi <= size && offBits + cbBits <= size) {
                const QByteArray dib = emf.mid(pos + offBmi, cbBmi) + emf.mid(pos + offBits, cbBits);
                QImage image = fromDib(dib, cbBmi);
                if (!image.isNull() &&
                    image.width() * qint64(image.height()) > best.width() * qint64(best.height()))
                    best = std::move(image);
            }
        }
        pos += size;
    }
    return best;
}

QImage fromDeviceBitmap(const PictureData& p)
{
    const qint64 w = p.width, h = p.height;
    if (w <= 0 || h <= 0 || w * h > kMaxPixels)
        return {};
    const qint64 stride = p.widthBytes > 0 ? p.widthBytes : ((w * p.bitsPerPixel + 15) / 16) * 2;
    if (stride * h > p.data.size())
        return {};
    QImage::Format format;
    switch (p.bitsPerPixel) {
    case 1:
        format = QImage::Format_Mono;
        break;
    case 24:
        format = QImage::Format_BGR888;
        break;
    case 32:
        format = QImage::Format_RGB32;
        break;
    default:
        return {};
    }
    if (stride * 8 < w * p.bitsPerPixel)
        return {};
    QImage image(int(w), int(h), format);
    if (image.isNull())
        return {};
    if (p.bitsPerPixel == 1)
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const qsizetype rowBytes = std::min<qsizetype>(image.bytesPerLine(), stride);
    for (int y = 0; y < h; ++y)
        std::memcpy(image.scanLine(y), p.data.constData() + y * stride, size_t(rowBytes));
    return image;
}

bool isMetafile(PictureType t)
{
    return t == PictureType::Wmf || t == PictureType::Emf || t == PictureType::Other;
}

} // namespace

DecodedPicture decodePicture(const PictureData& p)
{
    DecodedPicture out;
    switch (p.type) {
    // Each decoder is named: documents hold PNG and JPEG only, and guessing would open every
    // image plugin Qt has to whatever bytes a file contains.
    case PictureType::Png:
        out.image = loadChecked(p.data, "PNG");
        break;
    case PictureType::Jpeg:
        out.image = loadChecked(p.data, "JPEG");
        break;
    case PictureType::Unknown:
        out.image = loadChecked(p.data, "PNG");
        if (out.image.isNull())
            out.image = loadChecked(p.data, "JPEG");
        break;
    case PictureType::Dib:
        out.image = fromDib(p.data);
        break;
    case PictureType::DeviceBitmap:
        out.image = fromDeviceBitmap(p);
        break;
    case PictureType::Wmf:
        out.image = dibInWmf(p.data);
        break;
    case PictureType::Emf:
        out.image = dibInEmf(p.data);
        break;
    case PictureType::Other:
        break;
    }

    // Natural size: the bitmap's pixels, or the metafile extent in HIMETRIC.
    double w = 0, h = 0;
    if (isMetafile(p.type) && p.width > 0 && p.height > 0) {
        w = p.width / 2540.0 * 96.0;
        h = p.height / 2540.0 * 96.0;
    } else if (!out.image.isNull()) {
        w = out.image.width();
        h = out.image.height();
    } else {
        w = std::max(0, p.width);
        h = std::max(0, p.height);
    }
    if (p.goalWidth > 0)
        w = p.goalWidth / kTwipsPerPixel;
    if (p.goalHeight > 0)
        h = p.goalHeight / kTwipsPerPixel;
    const auto scale = [](int percent) { return percent > 0 && percent <= 1000 ? percent / 100.0 : 1.0; };
    w *= scale(p.scaleX);
    h *= scale(p.scaleY);
    if (w <= 0 || h <= 0) {
        w = w > 0 ? w : 32;
        h = h > 0 ? h : 32;
    }
    out.sizePixels = QSizeF(std::clamp(w, 1.0, kMaxShownPixels), std::clamp(h, 1.0, kMaxShownPixels));
    return out;
}

} // namespace rtf
