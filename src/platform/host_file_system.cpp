#include "platform/host_file_system.h"

#include "platform/program_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStorageInfo>

#include <atomic>
#include <cerrno>
#include <cstdio>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

namespace kestrane {

namespace {

constexpr qint64 kCopyChunk = 64 * 1024;

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

namespace {

QRegularExpression wildcard(const QString& pattern)
{
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                              QRegularExpression::CaseInsensitiveOption);
}

} // namespace

bool matchesPattern(const QString& name, const QString& pattern)
{
    return wildcard(pattern).match(name).hasMatch();
}

HostFileSystem::HostFileSystem(DriveMap drives, QString programFolder, QString systemFolder)
    : m_drives(std::move(drives)), m_programFolder(std::move(programFolder)),
      m_systemFolder(systemFolder.isEmpty() ? defaultSystemFolder() : std::move(systemFolder))
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

QString HostFileSystem::resolveNames(const QString& base, const QStringList& names) const
{
    QString current = base;
    for (const QString& name : names) {
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
        const QStringList entries =
            QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const QString& e) { return e.compare(name, Qt::CaseInsensitive) == 0; });
        if (it == entries.end())
            return {};
        current += u'/' + *it;
    }
    return QDir::cleanPath(current);
}

QString HostFileSystem::resolve(const QString& path) const
{
    QString base;
    QStringList names;
    if (!split(path, &base, &names) || !QFileInfo::exists(base))
        return {};
    return resolveNames(base, names);
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
    if (!split(folder, &base, &names) || !QFileInfo(base).isDir()) {
        if (notReady)
            *notReady = true;
        return {};
    }
    const QString host = resolveNames(base, names);
    if (host.isEmpty())
        return {};
    const QFileInfo folderInfo(host);
    if (!folderInfo.isDir() || !folderInfo.isReadable()) {
        // The folder is there but cannot be listed: a failure, not an empty folder.
        if (notReady)
            *notReady = true;
        return {};
    }
    QStringList result;
    const QRegularExpression re = wildcard(mask);
    const QStringList entries =
        QDir(host).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Unsorted);
    for (const QString& entry : entries) {
        if (re.match(entry).hasMatch())
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
    const QString host = resolve(path);
    if (host.isEmpty())
        return -1;
    const QFileInfo info(host);
    return info.isFile() ? info.size() : -1;
}

QDateTime HostFileSystem::lastModified(const QString& path) const
{
    const QString host = resolve(path);
    return host.isEmpty() ? QDateTime() : QFileInfo(host).lastModified().toUTC();
}

bool HostFileSystem::readAll(const QString& path, QByteArray* data) const
{
    QFile file(resolve(path));
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
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QString sourcePath = resolve(from);
    const QString target = hostPathForWrite(to);
    if (sourcePath.isEmpty() || target.isEmpty())
        return fail(qt_error_string(ENOENT));
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
