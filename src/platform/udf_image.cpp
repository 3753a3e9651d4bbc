#include "platform/disc_image.h"

#include <QFile>

#include <algorithm>
#include <iterator>

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

std::unique_ptr<DiscImageReader> openUdfImage(const QString& hostPath)
{
    // The library reports on the terminal every image that is not UDF: only UDF reaches it.
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly) || !hasUdfRecognitionSequence(file))
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
