#include "platform/host_file_system.h"

#include "platform/disc_image.h"
#include "platform/program_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

#include <QHash>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <mutex>
#include <new>
#include <optional>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace kestrane {

namespace {

constexpr qint64 kCopyChunk = 64 * 1024;
// Reads out of an image come in larger pieces: each costs a look-up in the image's tree.
constexpr qint64 kImageChunk = 128 * 1024;

bool hasDriveLetter(const QString& path)
{
    return path.size() >= 2 && path.at(1) == u':' && path.at(0).isLetter();
}

QStringList splitNames(QStringView rest)
{
    QString normal = rest.toString();
    normal.replace(u'\\', u'/');
    return normal.split(u'/', Qt::SkipEmptyParts);
}

// Splits "C:\a\b\*.jpg" into the folder part and the pattern.
bool splitPattern(const QString& pattern, QString* folder, QString* mask)
{
    const qsizetype cut = std::max(pattern.lastIndexOf(u'\\'), pattern.lastIndexOf(u'/'));
    if (cut < 0)
        return false;
    *folder = pattern.left(cut);
    *mask = pattern.mid(cut + 1);
    return !mask->isEmpty();
}

// The hidden name a copy is written under until it is complete, unique within the process.
QString partialCopyName(const QString& target)
{
    static std::atomic<int> serial{0};
    const QFileInfo info(target);
    return info.path() + u"/."_qs + info.fileName() + u".part-"_qs +
           QString::number(QCoreApplication::applicationPid()) + u'-' + QString::number(serial++);
}

// Copies what is left of `source` into `out`, reporting the bytes copied after each chunk. The
// kernel copies between the two files without a buffer of ours where it can (as the system's own
// copy command does), else one buffer of constant size carries every chunk.
bool copyContents(QFile& source, QFile& out, const std::function<bool(qint64)>& progress, qint64* copied,
                  QString* reason)
{
    const auto report = [&](qint64 n) {
        *copied += n;
        if (progress && !progress(*copied)) {
            *reason = u"The copy was stopped."_qs;
            return false;
        }
        return true;
    };
#ifdef Q_OS_LINUX
    for (;;) {
        const ssize_t n =
            ::copy_file_range(source.handle(), nullptr, out.handle(), nullptr, size_t(kCopyChunk), 0);
        if (n > 0) {
            if (!report(n))
                return false;
            continue;
        }
        if (n == 0)
            return true;
        // Not between these two file systems: the plain way, from where the kernel stopped.
        const bool unsupported = errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP;
        if (!unsupported || *copied > 0) {
            *reason = qt_error_string(errno);
            return false;
        }
        break;
    }
#endif
    QByteArray buffer(kCopyChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 n = source.read(buffer.data(), kCopyChunk);
        if (n < 0) {
            *reason = source.errorString();
            return false;
        }
        if (n == 0)
            return true;
        if (out.write(buffer.constData(), n) != n) {
            *reason = out.errorString();
            return false;
        }
        if (!report(n))
            return false;
    }
}

} // namespace

// The images opened so far, shared by the copies of one file system; an image file that changed
// is opened again.
class DiscImageCache
{
public:
    std::shared_ptr<DiscImage> image(const QString& hostPath)
    {
        const QFileInfo info(hostPath);
        const std::lock_guard lock(m_mutex);
        Slot& slot = m_slots[hostPath];
        if (!slot.opened || slot.size != info.size() || slot.modified != info.lastModified()) {
            slot.image = DiscImage::open(hostPath);
            slot.opened = true;
            slot.size = info.size();
            slot.modified = info.lastModified();
        }
        return slot.image;
    }

private:
    struct Slot
    {
        bool opened = false;
        qint64 size = -1;
        QDateTime modified;
        std::shared_ptr<DiscImage> image;
    };
    std::mutex m_mutex;
    QHash<QString, Slot> m_slots;
};

namespace {

QRegularExpression wildcard(const QString& pattern)
{
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                              QRegularExpression::CaseInsensitiveOption);
}

// A listing's pattern, matched against every name of a folder. "*.jpg" and its like, by far the
// most asked for, are matched by their ending alone: a regular expression costs more per name
// than the listing itself.
class NamePattern
{
public:
    explicit NamePattern(const QString& pattern)
    {
        const QStringView rest = QStringView(pattern).mid(1);
        const bool plain = std::all_of(rest.begin(), rest.end(), [](QChar c) {
            return c.unicode() < 0x80 && c != u'*' && c != u'?' && c != u'[' && c != u']' && c != u'/' &&
                   c != u'\\';
        });
        if (pattern.startsWith(u'*') && plain)
            m_ending = rest.toString();
        else
            m_re = wildcard(pattern);
    }

    bool matches(const QString& name) const
    {
        return m_ending ? name.endsWith(*m_ending, Qt::CaseInsensitive) : m_re.match(name).hasMatch();
    }

private:
    std::optional<QString> m_ending;
    QRegularExpression m_re;
};

QStringList listImage(DiscImage& image, const QStringList& folder, const QString& mask, bool* notReady)
{
    QList<DiscImageEntry> entries;
    if (!image.list(folder, &entries)) {
        // A folder the image holds but cannot list is a failure; a file there lists nothing.
        const auto entry = image.find(folder);
        if (notReady && entry && entry->folder)
            *notReady = true;
        return {};
    }
    const NamePattern pattern(mask);
    QStringList result;
    for (const DiscImageEntry& entry : std::as_const(entries)) {
        if (!entry.folder && pattern.matches(entry.name))
            result << entry.name;
    }
    return result;
}

constexpr std::align_val_t kPageAlign{4096};

struct PageAlignedDelete
{
    void operator()(char* p) const { ::operator delete[](p, kPageAlign); }
};

// Reads a file of an image to its end in chunks, handing each to `sink`; false when the image
// gives fewer bytes than the file holds (a damaged image) or the sink refuses.
bool readImageChunks(DiscImage& image, const DiscImage::File& opened,
                     const std::function<bool(const char*, qint64)>& sink)
{
    // On a page boundary: the kernel copies into a buffer a few bytes off one at a fraction of the speed.
    const std::unique_ptr<char[], PageAlignedDelete> buffer(new (kPageAlign) char[kImageChunk]);
    const qint64 total = opened.size();
    qint64 done = 0;
    while (done < total) {
        const qint64 n = image.read(opened, done, buffer.get(), std::min(kImageChunk, total - done));
        if (n <= 0 || !sink(buffer.get(), n))
            return false;
        done += n;
    }
    return true;
}

bool readImageFile(DiscImage& image, const QStringList& file, QByteArray* data)
{
    const DiscImage::File opened = image.openFile(file);
    if (!opened.isValid())
        return false;
    QByteArray contents;
    contents.reserve(opened.size());
    if (!readImageChunks(image, opened, [&](const char* bytes, qint64 n) {
            contents.append(bytes, n);
            return true;
        }))
        return false;
    *data = contents;
    return true;
}

} // namespace

bool matchesPattern(const QString& name, const QString& pattern)
{
    return NamePattern(pattern).matches(name);
}

HostFileSystem::HostFileSystem(DriveMap drives, QString programFolder, QString systemFolder)
    : m_drives(std::move(drives)), m_programFolder(std::move(programFolder)),
      m_systemFolder(systemFolder.isEmpty() ? defaultSystemFolder() : std::move(systemFolder)),
      m_images(std::make_shared<DiscImageCache>())
{
}

QString HostFileSystem::defaultProgramFolder()
{
    return programFolders().programFolder;
}

QString HostFileSystem::defaultDataFolder()
{
    return programFolders().dataFolder;
}

QString HostFileSystem::defaultSystemFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/kestrane-omnivar/system"_qs;
}

bool HostFileSystem::split(const QString& path, QString* base, QStringList* names) const
{
    if (hasDriveLetter(path)) {
        const QString folder = m_drives.folder(path.at(0));
        if (folder.isEmpty())
            return false;
        *base = folder;
        *names = splitNames(QStringView(path).mid(2));
        return true;
    }
    // A host root such as the program folder, followed by disc-form names.
    *base = u"/"_qs;
    *names = splitNames(path);
    return true;
}

bool HostFileSystem::locate(const QString& base, const QStringList& names, Place* place) const
{
    QString current = base;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names.at(i);
        if (name == u"."_qs)
            continue;
        if (name == u".."_qs) {
            current = QFileInfo(current).path();
            continue;
        }
        const QString exact = current + u'/' + name;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        const QFileInfo here(current);
        if (here.exists() && !here.isDir()) {
            // Names below a file: the file is a disc image, or nothing is there.
            std::shared_ptr<DiscImage> image = m_images->image(current);
            QStringList spelled;
            if (!image || !image->find(names.mid(i), &spelled))
                return false;
            place->host = QDir::cleanPath(current) + u'/' + spelled.join(u'/');
            place->image = std::move(image);
            place->inner = spelled;
            return true;
        }
        const QStringList entries =
            QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const QString& e) { return e.compare(name, Qt::CaseInsensitive) == 0; });
        if (it == entries.end())
            return false;
        current += u'/' + *it;
    }
    place->host = QDir::cleanPath(current);
    place->image.reset();
    place->inner.clear();
    // A drive letter that names an image stands for the image's root folder.
    const QFileInfo info(place->host);
    if (info.exists() && !info.isDir()) {
        if (std::shared_ptr<DiscImage> image = m_images->image(place->host))
            place->image = std::move(image);
    }
    return true;
}

bool HostFileSystem::locate(const QString& path, Place* place) const
{
    QString base;
    QStringList names;
    return split(path, &base, &names) && QFileInfo::exists(base) && locate(base, names, place);
}

QString HostFileSystem::resolveNames(const QString& base, const QStringList& names) const
{
    Place place;
    // Callers of this one write or list host folders: nothing inside an image.
    if (!locate(base, names, &place) || place.image)
        return {};
    return place.host;
}

QString HostFileSystem::resolve(const QString& path) const
{
    Place place;
    return locate(path, &place) ? place.host : QString();
}

QString HostFileSystem::hostPathForWrite(const QString& path) const
{
    QString base;
    QStringList names;
    if (!split(path, &base, &names) || names.isEmpty())
        return {};
    const QString last = names.takeLast();
    const QString folder = resolveNames(base, names);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    // Prefer an existing file of the same name in another letter case.
    const QString existing = resolveNames(folder, {last});
    return existing.isEmpty() ? folder + u'/' + last : existing;
}

QStringList HostFileSystem::list(const QString& pattern, bool* notReady) const
{
    if (notReady)
        *notReady = false;
    QString folder, mask;
    if (!splitPattern(pattern, &folder, &mask))
        return {};
    QString base;
    QStringList names;
    if (!split(folder, &base, &names) || !QFileInfo::exists(base)) {
        if (notReady)
            *notReady = true;
        return {};
    }
    Place place;
    if (!QFileInfo::exists(base) || !locate(base, names, &place))
        return {};
    if (place.image)
        return listImage(*place.image, place.inner, mask, notReady);
    const QString host = place.host;
    const QFileInfo folderInfo(host);
    if (!folderInfo.isDir() || !folderInfo.isReadable()) {
        // The folder is there but cannot be listed: a failure, not an empty folder.
        if (notReady)
            *notReady = true;
        return {};
    }
    QStringList result;
    const NamePattern wanted(mask);
    const QStringList entries =
        QDir(host).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& entry : entries) {
        if (wanted.matches(entry))
            result << entry;
    }
    return result;
}

QString HostFileSystem::dir(const QString& pattern, bool* notReady) const
{
    const QStringList names = list(pattern, notReady);
    return names.isEmpty() ? QString() : names.first();
}

qint64 HostFileSystem::fileLength(const QString& path) const
{
    Place place;
    if (!locate(path, &place))
        return -1;
    if (place.image) {
        const auto entry = place.image->find(place.inner);
        return entry && !entry->folder ? entry->size : -1;
    }
    const QString host = place.host;
    const QFileInfo info(host);
    return info.isFile() ? info.size() : -1;
}

QDateTime HostFileSystem::lastModified(const QString& path) const
{
    Place place;
    if (!locate(path, &place))
        return {};
    if (place.image) {
        const auto entry = place.image->find(place.inner);
        return entry ? entry->modified : QDateTime();
    }
    const QString host = place.host;
    return host.isEmpty() ? QDateTime() : QFileInfo(host).lastModified().toUTC();
}

bool HostFileSystem::readAll(const QString& path, QByteArray* data) const
{
    Place place;
    if (!locate(path, &place))
        return false;
    if (place.image)
        return readImageFile(*place.image, place.inner, data);
    QFile file(place.host);
    if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly))
        return false;
    *data = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool HostFileSystem::writeAll(const QString& path, const QByteArray& data)
{
    const QString host = hostPathForWrite(path);
    if (host.isEmpty())
        return false;
    QSaveFile file(host);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool HostFileSystem::copyFile(const QString& from, const QString& to,
                              const std::function<bool(qint64)>& progress, QString* error)
{
    return copyResolved(from, hostPathForWrite(to), progress, error);
}

bool HostFileSystem::copyFileToHost(const QString& from, const QString& hostTarget,
                                    const std::function<bool(qint64)>& progress, QString* error)
{
    const QFileInfo target(hostTarget);
    return copyResolved(from, target.dir().exists() ? target.absoluteFilePath() : QString(), progress, error);
}

bool HostFileSystem::copyResolved(const QString& from, const QString& target,
                                  const std::function<bool(qint64)>& progress, QString* error)
{
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    Place from_;
    if (!locate(from, &from_) || target.isEmpty())
        return fail(qt_error_string(ENOENT));
    if (from_.image)
        return copyOutOfImage(from_, target, progress, error);
    const QString sourcePath = from_.host;
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fail(source.errorString());
    // The copy grows under a hidden name beside its target and takes the target's name only when it
    // is complete. No sync to disk: copying must keep pace with the system's own copy command.
    QFile out(partialCopyName(target));
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return fail(out.errorString());
    const auto abandon = [&out, &fail](const QString& reason) {
        out.remove();
        return fail(reason);
    };
    qint64 copied = 0;
    QString reason;
    if (!copyContents(source, out, progress, &copied, &reason))
        return abandon(reason);
    // A copy from read-only media stays writable by its owner, so that it can be replaced later.
    out.setPermissions(source.permissions() | QFileDevice::WriteOwner);
    out.close();
    if (out.error() != QFileDevice::NoError)
        return abandon(out.errorString());
    if (std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(target).constData()) !=
        0)
        return abandon(qt_error_string(errno));
    return true;
}

bool HostFileSystem::copyOutOfImage(const Place& source, const QString& target,
                                    const std::function<bool(qint64)>& progress, QString* error) const
{
    const DiscImage::File opened = source.image->openFile(source.inner);
    QFile out(partialCopyName(target));
    if (!opened.isValid() || !out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (error)
            *error = opened.isValid() ? out.errorString() : qt_error_string(ENOENT);
        return false;
    }
    qint64 copied = 0;
    QString reason = u"The disc image cannot be read."_qs;
    const bool ok = readImageChunks(*source.image, opened, [&](const char* bytes, qint64 n) {
        if (out.write(bytes, n) != n) {
            reason = out.errorString();
            return false;
        }
        copied += n;
        if (progress && !progress(copied)) {
            reason = u"The copy was stopped."_qs;
            return false;
        }
        return true;
    });
    out.close();
    if (!ok || out.error() != QFileDevice::NoError ||
        std::rename(QFile::encodeName(out.fileName()).constData(), QFile::encodeName(target).constData()) !=
            0) {
        if (ok)
            reason = out.error() != QFileDevice::NoError ? out.errorString() : qt_error_string(errno);
        out.remove();
        if (error)
            *error = reason;
        return false;
    }
    return true;
}

QString HostFileSystem::lastingLocation(const QString& path) const
{
    const QString folder = hasDriveLetter(path) ? m_drives.folder(path.at(0)) : QString();
    return folder.isEmpty() ? path : folder + path.mid(2);
}

QString HostFileSystem::playableFile(const QString& path, QString* temporary) const
{
    temporary->clear();
    Place place;
    if (!locate(path, &place))
        return {};
    if (!place.image)
        return place.host;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                           u"/kestrane-omnivar/from-disc"_qs;
    if (!QDir().mkpath(folder))
        return {};
    const QString target =
        folder + u'/' + QString::number(QCoreApplication::applicationPid()) + u'-' + place.inner.constLast();
    if (!copyOutOfImage(place, target, {}, nullptr))
        return {};
    *temporary = target;
    return target;
}

bool HostFileSystem::removeFile(const QString& path)
{
    const QString host = resolve(path);
    return !host.isEmpty() && QFile::remove(host);
}

int HostFileSystem::removeMatching(const QString& pattern)
{
    QString folder, mask;
    if (!splitPattern(pattern, &folder, &mask))
        return -1;
    const QString host = resolve(folder);
    if (host.isEmpty())
        return -1;
    int removed = 0;
    const QStringList names = list(pattern);
    for (const QString& name : names) {
        if (!QFile::remove(host + u'/' + name))
            return -1;
        ++removed;
    }
    return removed;
}

bool HostFileSystem::makeFolder(const QString& path)
{
    const QString host = hostPathForWrite(path);
    return !host.isEmpty() && (QFileInfo(host).isDir() || QDir().mkdir(host));
}

bool HostFileSystem::removeFolder(const QString& path)
{
    const QString host = resolve(path);
    return !host.isEmpty() && QDir().rmdir(host);
}

FreeSpace HostFileSystem::freeSpace(const QString& path) const
{
    const QString host = resolve(path);
    if (host.isEmpty())
        return {};
    const QStorageInfo info(host);
    if (!info.isValid() || info.blockSize() <= 0 || info.bytesAvailable() < 0)
        return {};
    return {info.bytesAvailable() / info.blockSize(), info.blockSize()};
}

} // namespace kestrane
