// libFuzzer target for the disc-image reader: the bytes become an image file of the kind they look
// like (the raw sectors of a CUE sheet's BIN, an NRG image, else an ISO 9660 or UDF image), then
// every folder is listed and every file read to its end, as the program would.
#include "platform/disc_image.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <deque>

using namespace kestrane;

namespace {

// Bounds that keep a hostile image (folders that contain themselves, files that claim gigabytes)
// from turning one input into a time-out.
constexpr int kMaxNodes = 400;
constexpr qint64 kMaxBytes = 16 * 1024 * 1024;
constexpr qint64 kChunk = 64 * 1024;

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// "ZEROS1" and then records of (offset: 4 bytes, length: 2 bytes, little-endian, and the bytes)
// stand for an image that is zero elsewhere: a UDF image has its anchor at sector 256 and would
// otherwise be half a megabyte of zeros to the fuzzer.
QByteArray expanded(const QByteArray& input)
{
    constexpr qint64 kMaxImage = 1024 * 1024;
    if (!input.startsWith("ZEROS1"))
        return input;
    QByteArray image;
    const auto number = [&](qsizetype at, int bytes) {
        quint32 n = 0;
        for (int i = bytes - 1; i >= 0; --i)
            n = (n << 8) | quint8(input.at(at + i));
        return qint64(n);
    };
    for (qsizetype at = 6; at + 6 <= input.size();) {
        const qint64 offset = number(at, 4);
        const qint64 length = std::min<qint64>(number(at + 4, 2), input.size() - at - 6);
        if (offset + length > kMaxImage)
            break;
        if (image.size() < offset + length)
            image.resize(offset + length, '\0');
        std::memcpy(image.data() + offset, input.constData() + at + 6, size_t(length));
        at += 6 + length;
    }
    return image;
}

// The image file the bytes stand for, written into `folder`.
QString imageOf(const QString& folder, const QByteArray& bytes)
{
    static const QByteArray sync = QByteArray("\0", 1) + QByteArray(10, '\xff') + QByteArray("\0", 1);
    if (bytes.startsWith(sync) && bytes.size() > 15) {
        const int mode = bytes.at(15) == 2 ? 2 : 1;
        const QString cue = folder + u"/disc.cue"_qs;
        const QByteArray sheet = "FILE \"track.bin\" BINARY\n  TRACK 01 MODE" + QByteArray::number(mode) +
                                 "/2352\n    INDEX 01 00:00:00\n";
        return writeFile(folder + u"/track.bin"_qs, bytes) && writeFile(cue, sheet) ? cue : QString();
    }
    const QByteArray tail = bytes.right(12);
    const bool nrg = tail.startsWith("NER5") || tail.mid(4).startsWith("NERO");
    const QString image = folder + (nrg ? u"/disc.nrg"_qs : u"/disc.iso"_qs);
    return writeFile(image, bytes) ? image : QString();
}

void readToEnd(DiscImage& image, const QStringList& names, const DiscImageEntry& entry, qint64* budget)
{
    static QByteArray buffer(kChunk, Qt::Uninitialized);
    qint64 offset = 0;
    while (offset<entry.size&& * budget> 0) {
        const qint64 n = image.read(names, offset, buffer.data(), kChunk);
        if (n <= 0)
            break;
        // A reader that gives more than was asked for, or past the file's end, has read elsewhere.
        if (n > kChunk || offset + n > entry.size)
            std::abort();
        offset += n;
        *budget -= n;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    const QString path =
        imageOf(folder.path(), expanded(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    if (path.isEmpty())
        return 0;
    std::unique_ptr<DiscImage> image = DiscImage::open(path);
    if (!image)
        return 0;
    std::deque<QStringList> folders{QStringList()};
    int nodes = 0;
    qint64 budget = kMaxBytes;
    while (!folders.empty() && nodes < kMaxNodes) {
        const QStringList here = folders.front();
        folders.pop_front();
        QList<DiscImageEntry> entries;
        if (!image->list(here, &entries))
            continue;
        for (const DiscImageEntry& entry : std::as_const(entries)) {
            if (++nodes > kMaxNodes)
                break;
            if (!isSafeImageName(entry.name))
                std::abort(); // a name that leads out of its folder reached the program
            const QStringList names = here + QStringList{entry.name};
            if (!image->find(names))
                std::abort(); // listed but not found: the tree and its listing disagree
            if (entry.folder)
                folders.push_back(names);
            else
                readToEnd(*image, names, entry, &budget);
        }
    }
    return 0;
}
