#include "platform/disc_image.h"

#include <QFile>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

#include <unistd.h>

#include <udfread/udfread.h>

namespace kestrane {

namespace {

// A UDF image through libudfread; keys are paths inside the image. The file last read stays open,
// because a movie is read in many chunks.
class UdfImageReader : public DiscImageReader
{
public:
    explicit UdfImageReader(udfread* udf) : m_udf(udf) {}
    ~UdfImageReader() override
    {
        closeFile();
        udfread_close(m_udf);
    }

    bool listFolder(const QByteArray& key, std::vector<Item>* items) override
    {
        UDFDIR* dir = udfread_opendir(m_udf, key.isEmpty() ? "/" : key.constData());
        if (!dir)
            return false;
        udfread_dirent entry;
        while (udfread_readdir(dir, &entry)) {
            if (!entry.d_name || entry.d_type == UDF_DT_UNKNOWN)
                continue;
            Item item;
            item.entry.name = QString::fromUtf8(entry.d_name);
            item.entry.folder = entry.d_type == UDF_DT_DIR;
            item.key = key + '/' + QByteArray(entry.d_name);
            if (!item.entry.folder) {
                UDFFILE* file = udfread_file_openat(dir, entry.d_name);
                if (!file)
                    continue;
                item.entry.size = std::max<int64_t>(0, udfread_file_size(file));
                udfread_file_close(file);
            }
            items->push_back(std::move(item));
        }
        udfread_closedir(dir);
        return true;
    }

    qint64 read(const Item& file, qint64 offset, char* buffer, qint64 size) override
    {
        if (m_openKey != file.key || !m_file) {
            closeFile();
            m_file = udfread_file_open(m_udf, file.key.constData());
            if (!m_file)
                return -1;
            m_openKey = file.key;
        }
        if (udfread_file_seek(m_file, offset, UDF_SEEK_SET) != offset)
            return -1;
        qint64 done = 0;
        while (done < size) {
            const ssize_t n = udfread_file_read(m_file, buffer + done, size_t(size - done));
            if (n < 0)
                return done > 0 ? done : -1;
            if (n == 0)
                break;
            done += n;
        }
        return done;
    }

private:
    void closeFile()
    {
        if (m_file)
            udfread_file_close(m_file);
        m_file = nullptr;
        m_openKey.clear();
    }

    udfread* m_udf;
    UDFFILE* m_file = nullptr;
    QByteArray m_openKey;
};

} // namespace

bool hasUdfRecognitionSequence(QIODevice& device)
{
    // The volume structure descriptors start at byte 32,768, one to a sector of 2,048 bytes (or
    // of the sector size where that is larger); a UDF volume has "NSR02" or "NSR03" among them,
    // after "BEA01". The sequence ends at the first descriptor that is none of these.
    static constexpr const char* kKnown[] = {"CD001", "BEA01", "BOOT2", "CDW02", "TEA01", "NSR02", "NSR03"};
    for (const qint64 stride : {2048, 4096}) {
        bool extended = false;
        for (qint64 at = 32768; at < 32768 + 64 * stride; at += stride) {
            char head[7];
            if (!device.seek(at) || device.read(head, sizeof head) != qint64(sizeof head))
                break;
            const QByteArray id(head + 1, 5);
            if (std::none_of(std::begin(kKnown), std::end(kKnown), [&](const char* k) { return id == k; }))
                break;
            if (id == "BEA01")
                extended = true;
            else if (extended && (id == "NSR02" || id == "NSR03"))
                return true;
            else if (id == "TEA01")
                extended = false;
        }
    }
    return false;
}

bool udfFileSetWithinImage(QIODevice& device, qint64 imageBytes)
{
    constexpr qint64 kSector = 2048;
    const auto read = [&](qint64 sector, char* block) {
        return device.seek(sector * kSector) && device.read(block, kSector) == kSector;
    };
    const auto le16 = [](const char* at) { return quint32(quint8(at[0])) | quint32(quint8(at[1])) << 8; };
    const auto le32 = [&](const char* at) { return le16(at) | le16(at + 2) << 16; };
    char block[kSector];
    // The anchor at sector 256 names the main and the reserve volume descriptor sequences.
    if (!read(256, block) || le16(block) != 2)
        return true; // an anchor elsewhere: the library looks for it and checks on its own
    const qint64 sequences[2][2] = {{le32(block + 20), le32(block + 16)},
                                    {le32(block + 28), le32(block + 24)}};
    for (const auto& [start, length] : sequences) {
        qint64 partitionStart = -1;
        std::vector<std::pair<qint64, qint64>> fileSets; // block, bytes
        for (qint64 sector = start; sector < start + std::min<qint64>(length / kSector, 64); ++sector) {
            if (!read(sector, block))
                break;
            const quint32 tag = le16(block);
            if (tag == 8) // the terminating descriptor
                break;
            if (tag == 5) {
                const qint64 at = le32(block + 188);
                partitionStart = partitionStart < 0 ? at : std::min(partitionStart, at);
            } else if (tag == 6) {
                fileSets.emplace_back(le32(block + 252), le32(block + 248) & 0x3FFFFFFF);
            }
        }
        for (const auto& [first, bytes] : fileSets)
            if ((std::max<qint64>(partitionStart, 0) + first) * kSector + bytes > imageBytes)
                return false;
    }
    return true;
}

std::unique_ptr<DiscImageReader> openUdfImage(const QString& hostPath)
{
    // The library reports on the terminal every image that is not UDF: only UDF reaches it. It
    // also reads a file set area sector by sector to its claimed end, one complaint a sector:
    // an area that passes the end of the image never reaches it.
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly) || !hasUdfRecognitionSequence(file))
        return nullptr;
    // The end found by seeking: a drive's device tells no size of its own.
    const qint64 imageBytes = qint64(::lseek(file.handle(), 0, SEEK_END));
    if (imageBytes > 0 && !udfFileSetWithinImage(file, imageBytes))
        return nullptr;
    file.close();
    udfread* udf = udfread_init();
    if (!udf)
        return nullptr;
    if (udfread_open(udf, QFile::encodeName(hostPath).constData()) < 0) {
        udfread_close(udf);
        return nullptr;
    }
    return std::make_unique<UdfImageReader>(udf);
}

} // namespace kestrane
