#include "platform/disc_image.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <unistd.h>

#include <cdio/cdio.h>
#include <cdio/iso9660.h>
#include <cdio/logging.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

namespace kestrane {

namespace {

constexpr qint64 kBlock = ISO_BLOCKSIZE;

void quietLibrary()
{
    // A damaged image is an answer, not a message on the terminal.
    cdio_loglevel_default = CDIO_LOG_ASSERT;
}

// "1953A.JPG;1" as "1953A.JPG", "README.;1" as "README": the version suffix is not part of a name.
QString plainName(const char* raw)
{
    QString name = QString::fromUtf8(raw);
    const qsizetype semicolon = name.lastIndexOf(u';');
    if (semicolon > 0)
        name.truncate(semicolon);
    if (name.endsWith(u'.'))
        name.chop(1);
    return name;
}

QDateTime stampOf(const iso9660_stat_t& stat)
{
    struct tm tm = stat.tm;
    const QDate date(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    const QTime time(tm.tm_hour, tm.tm_min, tm.tm_sec);
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

// The library reads a folder's whole extent into memory at once: an extent that passes the end of
// the image (a hostile size of gigabytes) is never handed to it.
bool extentFits(qint64 lsn, qint64 size, qint64 imageBytes)
{
    return lsn >= 0 && size >= 0 && lsn * kBlock + size <= imageBytes;
}

// True when the root folder of every tree (the primary and the Joliet one) lies within the image.
bool rootFoldersFit(const std::function<bool(qint64, char*)>& readSector, qint64 imageBytes)
{
    char sector[kBlock];
    // The volume descriptors from sector 16, up to the terminator; a disc has a handful.
    for (qint64 lsn = 16; lsn < 16 + 32 && readSector(lsn, sector); ++lsn) {
        const auto type = quint8(sector[0]);
        if (type == 255)
            return true;
        if (type != 1 && type != 2)
            continue;
        const auto le32 = [&](int at) {
            return qint64(quint8(sector[at])) | qint64(quint8(sector[at + 1])) << 8 |
                   qint64(quint8(sector[at + 2])) << 16 | qint64(quint8(sector[at + 3])) << 24;
        };
        // The root's directory record sits at byte 156: its extent at +2, its length at +10.
        if (!extentFits(le32(156 + 2), le32(156 + 10), imageBytes))
            return false;
    }
    return false;
}

// The items of a directory list from libcdio, which the list owns; a folder whose extent passes the
// end of the image is left out.
std::vector<DiscImageReader::Item> itemsOf(CdioList_t* list, const QByteArray& folderKey, qint64 imageBytes)
{
    std::vector<DiscImageReader::Item> items;
    for (CdioListNode_t* node = _cdio_list_begin(list); node; node = _cdio_list_node_next(node)) {
        const auto* stat = static_cast<const iso9660_stat_t*>(_cdio_list_node_data(node));
        if (!stat)
            continue;
        if (stat->type == iso9660_stat_s::_STAT_DIR && !extentFits(stat->lsn, stat->size, imageBytes))
            continue;
        DiscImageReader::Item item;
        item.entry.folder = stat->type == iso9660_stat_s::_STAT_DIR;
        item.entry.name = item.entry.folder ? QString::fromUtf8(stat->filename) : plainName(stat->filename);
        item.entry.size = item.entry.folder ? 0 : qint64(stat->size);
        item.entry.modified = stampOf(*stat);
        if (item.entry.folder)
            item.key = folderKey + '/' + QByteArray(stat->filename);
        else
            item.key = QByteArray::number(qint64(stat->lsn));
        items.push_back(std::move(item));
    }
    iso9660_filelist_free(list);
    return items;
}

// An ISO 9660 image file: directories through libiso9660, file contents straight from the file.
class IsoImageReader : public DiscImageReader
{
public:
    IsoImageReader(iso9660_t* iso, const QString& hostPath) : m_iso(iso), m_file(hostPath)
    {
        m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        // The end found by seeking: a drive's device tells no size of its own.
        m_size = m_file.isOpen() ? qint64(::lseek(m_file.handle(), 0, SEEK_END)) : 0;
    }
    ~IsoImageReader() override { iso9660_close(m_iso); }

    bool listFolder(const QByteArray& key, std::vector<Item>* items) override
    {
        CdioList_t* list = iso9660_ifs_readdir(m_iso, key.isEmpty() ? "/" : key.constData());
        if (!list)
            return false;
        *items = itemsOf(list, key, m_size);
        return true;
    }

    bool rootsFit()
    {
        return rootFoldersFit(
            [this](qint64 lsn, char* sector) {
                return ::pread(m_file.handle(), sector, kBlock, off_t(lsn * kBlock)) == kBlock;
            },
            m_size);
    }

    qint64 read(const Item& file, qint64 offset, char* buffer, qint64 size) override
    {
        const qint64 start = file.key.toLongLong() * kBlock;
        // An extent that passes the end of the image is a damaged file, never a read outside it.
        if (!m_file.isOpen() || start + file.entry.size > m_size)
            return -1;
        // One positioned read per piece: a movie is read in many of them.
        qint64 done = 0;
        while (done < size) {
            const ssize_t n =
                ::pread(m_file.handle(), buffer + done, size_t(size - done), off_t(start + offset + done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return done > 0 ? done : -1;
            done += n;
        }
        return done;
    }

private:
    iso9660_t* m_iso;
    QFile m_file;
    qint64 m_size = 0;
};

// A CD image (BIN/CUE, NRG) or a drive through libcdio's drivers, mode 1 or mode 2 data.
class CdImageReader : public DiscImageReader
{
public:
    explicit CdImageReader(CdIo_t* cdio) : m_cdio(cdio), m_last(cdio_get_disc_last_lsn(cdio)) {}
    ~CdImageReader() override { cdio_destroy(m_cdio); }

    bool listFolder(const QByteArray& key, std::vector<Item>* items) override
    {
        CdioList_t* list = iso9660_fs_readdir(m_cdio, key.isEmpty() ? "/" : key.constData());
        if (!list)
            return false;
        *items = itemsOf(list, key, imageBytes());
        return true;
    }

    bool rootsFit()
    {
        return rootFoldersFit(
            [this](qint64 lsn, char* sector) {
                return cdio_read_data_sectors(m_cdio, sector, lsn_t(lsn), ISO_BLOCKSIZE, 1) ==
                       DRIVER_OP_SUCCESS;
            },
            imageBytes());
    }

    qint64 read(const Item& file, qint64 offset, char* buffer, qint64 size) override
    {
        const qint64 lsn = file.key.toLongLong();
        if (lsn < 0 || m_last < 0 || lsn + (file.entry.size + kBlock - 1) / kBlock > qint64(m_last) + 1)
            return -1;
        qint64 done = 0;
        QByteArray block(kBlock, Qt::Uninitialized);
        while (done < size) {
            const qint64 at = offset + done;
            const qint64 within = at % kBlock;
            const qint64 n = std::min(size - done, kBlock - within);
            if (cdio_read_data_sectors(m_cdio, block.data(), lsn_t(lsn + at / kBlock), ISO_BLOCKSIZE, 1) !=
                DRIVER_OP_SUCCESS)
                return done > 0 ? done : -1;
            std::memcpy(buffer + done, block.constData() + within, size_t(n));
            done += n;
        }
        return done;
    }

private:
    qint64 imageBytes() const { return m_last < 0 ? 0 : (qint64(m_last) + 1) * kBlock; }

    CdIo_t* m_cdio;
    lsn_t m_last;
};

// The BIN of a CUE sheet whose data track holds plain 2048-byte sectors from its start: that BIN is
// an ISO image as it stands (libcdio's CUE driver reads such a track as raw sectors).
QString cookedTrackFile(const QString& cuePath)
{
    QFile cue(cuePath);
    if (!cue.open(QIODevice::ReadOnly) || cue.size() > 64 * 1024)
        return {};
    const QString sheet = QString::fromUtf8(cue.readAll());
    static const QRegularExpression file(uR"re(^\s*FILE\s+"([^"]+)"\s+BINARY)re"_qs,
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::MultilineOption);
    static const QRegularExpression track(
        uR"re(^\s*TRACK\s+0*1\s+MODE1/2048\s*$\s*(INDEX\s+0*1\s+00:00:00))re"_qs,
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    const QRegularExpressionMatch name = file.match(sheet);
    if (!name.hasMatch() || !track.match(sheet).hasMatch())
        return {};
    const QString bin = name.captured(1);
    return QDir::isAbsolutePath(bin) ? bin : QFileInfo(cuePath).dir().filePath(bin);
}

quint64 bigEndian(const QByteArray& bytes, qsizetype at, int count)
{
    quint64 n = 0;
    for (int i = 0; i < count; ++i)
        n = (n << 8) | quint8(bytes.at(at + i));
    return n;
}

} // namespace

bool hasSoundNrgChunks(QIODevice& device)
{
    // The footer names where the chunk list starts ("NER5" and 8 bytes, or "NERO" and 4); every
    // chunk (name, 4-byte size, contents) must lie between there and the footer, the tables no
    // shorter than their fixed part, and the list must end with "END!". A hostile footer or size
    // otherwise becomes a huge or negative allocation inside the image library.
    const qint64 size = device.size();
    if (size < 12 || !device.seek(size - 12))
        return false;
    const QByteArray footer = device.read(12);
    qint64 start = -1, end = -1;
    if (footer.startsWith("NER5")) {
        start = qint64(std::min<quint64>(bigEndian(footer, 4, 8), quint64(size)));
        end = size - 12;
    } else if (footer.mid(4, 4) == "NERO") {
        start = qint64(bigEndian(footer, 8, 4));
        end = size - 8;
    }
    if (start < 0 || start >= end || !device.seek(start))
        return false;
    const QByteArray chunks = device.read(std::min<qint64>(end - start, 1024 * 1024));
    static const QHash<QByteArray, qint64> kLeast = {{"DAOX", 22}, {"DAOI", 22}, {"SINF", 4},
                                                     {"MTYP", 4},  {"ETN2", 32}, {"ETNF", 20},
                                                     {"CDTX", 0},  {"CUEX", 8},  {"CUES", 8}};
    for (qsizetype at = 0; at + 8 <= chunks.size();) {
        const QByteArray name = chunks.mid(at, 4);
        const qint64 length = qint64(bigEndian(chunks, at + 4, 4));
        if (name == "END!")
            return true;
        if (length > chunks.size() - at - 8 || length < kLeast.value(name, 0))
            return false;
        at += 8 + length;
    }
    return false;
}

namespace {

constexpr iso_extension_mask_t kWithoutJoliet = ISO_EXTENSION_ALL & ~ISO_EXTENSION_JOLIET;

// Plain ISO 9660 names are upper case letters, digits, "_" and ".": any other character in the
// primary tree is a Rock Ridge name.
bool hasRockRidgeForm(const QStringList& names)
{
    return std::any_of(names.begin(), names.end(), [](const QString& name) {
        return std::any_of(name.begin(), name.end(), [](QChar c) {
            return !(c.isDigit() || (c >= u'A' && c <= u'Z') || c == u'_' || c == u'.');
        });
    });
}

// Joliet names stop at 64 characters, Rock Ridge names do not: the tree with the longer names.
// Of two that name the root alike, Rock Ridge's: never shorter than Joliet's deeper down, and
// read without converting every name from UCS-2.
bool primaryTreeWins(DiscImageReader& primary, DiscImageReader& joliet)
{
    QStringList mine = rootNames(primary);
    QStringList theirs = rootNames(joliet);
    const qint64 longer = nameLength(mine) - nameLength(theirs);
    if (longer != 0)
        return longer > 0;
    mine.sort();
    theirs.sort();
    return hasRockRidgeForm(mine) && mine == theirs;
}

} // namespace

std::unique_ptr<DiscImageReader> openIsoImage(const QString& hostPath)
{
    quietLibrary();
    const QByteArray path = QFile::encodeName(hostPath);
    iso9660_t* joliet = iso9660_open_ext(path.constData(), ISO_EXTENSION_ALL);
    if (!joliet)
        return nullptr;
    auto reader = std::make_unique<IsoImageReader>(joliet, hostPath);
    if (!reader->rootsFit())
        return nullptr;
    if (iso9660_ifs_get_joliet_level(joliet) == 0)
        return reader;
    iso9660_t* primary = iso9660_open_ext(path.constData(), kWithoutJoliet);
    if (!primary)
        return reader;
    auto other = std::make_unique<IsoImageReader>(primary, hostPath);
    if (primaryTreeWins(*other, *reader))
        return other;
    return reader;
}

std::unique_ptr<DiscImageReader> openCdImage(const QString& hostPath)
{
    quietLibrary();
    const QString cooked = cookedTrackFile(hostPath);
    if (!cooked.isEmpty() && QFileInfo(cooked).isFile())
        return openIsoImage(cooked);
    if (QFileInfo(hostPath).suffix().compare(u"nrg"_qs, Qt::CaseInsensitive) == 0) {
        QFile nrg(hostPath);
        if (!nrg.open(QIODevice::ReadOnly) || !hasSoundNrgChunks(nrg))
            return nullptr;
    }
    const QByteArray path = QFile::encodeName(hostPath);
    const auto open = [&](iso_extension_mask_t mask) -> std::unique_ptr<CdImageReader> {
        CdIo_t* cdio = cdio_open(path.constData(), DRIVER_UNKNOWN);
        if (!cdio)
            return nullptr;
        if (!iso9660_fs_read_superblock(cdio, mask)) {
            cdio_destroy(cdio);
            return nullptr;
        }
        auto reader = std::make_unique<CdImageReader>(cdio);
        return reader->rootsFit() ? std::move(reader) : nullptr;
    };
    auto reader = open(ISO_EXTENSION_ALL);
    if (!reader)
        return nullptr;
    auto other = open(kWithoutJoliet);
    if (other && primaryTreeWins(*other, *reader))
        return other;
    return reader;
}

} // namespace kestrane
