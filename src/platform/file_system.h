#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <functional>

namespace kestrane {

// The names copyFile gives a copy under way (beside its target, hidden): what a copy cut short by
// the end of the process leaves behind matches this pattern.
inline constexpr char16_t kPartialCopyPattern[] = u".*.part-*";

// Whether the reason a copy or write failed (the system's text, as copyFile gives it) is that the
// target's file system has no room left: full, or the user's quota used up.
inline bool isOutOfRoom(const QString& reason)
{
    return reason == qt_error_string(ENOSPC) || reason == qt_error_string(EDQUOT);
}

// The free room of a file system in its own allocation units (clusters).
struct FreeSpace
{
    qint64 clusters = -1; // -1: unknown
    qint64 clusterBytes = 0;
};

// The file system as the program sees it: every path keeps the disc's form, a root ("E:" or the
// program folder) followed by "\folder\file". Implementations resolve names without regard to
// letter case, the way the disc's original file system did.
class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Host path of an existing file or folder, or empty when there is none (or its drive is not ready).
    virtual QString resolve(const QString& path) const = 0;
    // Host path for a file that may not exist yet: the folders are resolved, the last name kept.
    // Empty when the folder does not exist.
    virtual QString hostPathForWrite(const QString& path) const = 0;

    // The first name matching a pattern such as "E:\kestranes\*.jpg" (wildcards in the last name only),
    // or empty: the directory-listing probe. *notReady is set when the drive is not ready or the
    // folder exists but cannot be listed; a missing folder simply lists nothing.
    virtual QString dir(const QString& pattern, bool* notReady = nullptr) const = 0;
    // Every matching name, in the order the folder lists them.
    virtual QStringList list(const QString& pattern, bool* notReady = nullptr) const = 0;

    virtual bool exists(const QString& path) const { return !resolve(path).isEmpty(); }
    virtual qint64 fileLength(const QString& path) const = 0; // -1 when missing
    // When the file was last written; invalid when missing or unknown.
    virtual QDateTime lastModified(const QString& path) const
    {
        Q_UNUSED(path);
        return {};
    }
    virtual bool readAll(const QString& path, QByteArray* data) const = 0;
    // A host file with the contents of `path`, for a player that needs a file name: the file itself,
    // or for a file inside a disc image a copy in the user's cache folder, whose host path is put
    // into *temporary for the caller to remove when done. Empty when there is none.
    // `path` as a location that holds without this program's drive letters, for another program
    // to read (the screen saver): a drive letter becomes the host folder, disc image or device it
    // stands for, followed by the names in disc form. The path itself when nothing stands behind it.
    virtual QString lastingLocation(const QString& path) const { return path; }
    virtual QString playableFile(const QString& path, QString* temporary) const
    {
        temporary->clear();
        return resolve(path);
    }

    // Writes through a temporary file and renames, so a failure leaves nothing half-written.
    virtual bool writeAll(const QString& path, const QByteArray& data) = 0;
    // Copies in chunks of constant size; `progress` (may be empty) gets the bytes copied so far and
    // may return false to stop. A failed copy leaves no partial target behind and puts the
    // system's reason into *error (when given).
    virtual bool copyFile(const QString& from, const QString& to,
                          const std::function<bool(qint64)>& progress = {}, QString* error = nullptr) = 0;
    // The same copy to a host path taken exactly as given (a name the user chose in a dialog): no
    // name of another letter case stands in for it. An existing file is replaced only once the
    // copy is complete.
    virtual bool copyFileToHost(const QString& from, const QString& hostTarget,
                                const std::function<bool(qint64)>& progress = {}, QString* error = nullptr)
    {
        return copyFile(from, hostTarget, progress, error);
    }
    virtual bool removeFile(const QString& path) = 0;
    // Removes every file matching the pattern; returns how many were removed, -1 on failure.
    virtual int removeMatching(const QString& pattern) = 0;
    virtual bool makeFolder(const QString& path) = 0;
    virtual bool removeFolder(const QString& path) = 0;         // only when empty
    virtual FreeSpace freeSpace(const QString& path) const = 0; // of the file system holding path

    // The folder that holds the program (a host path used as a root in disc-form paths).
    virtual QString programFolder() const = 0;
    // The folder of the program's own read-only files (start-up sound, help, configuration): the
    // installed data folder, or the program folder where the two are one.
    virtual QString dataFolder() const { return programFolder(); }
    // Where the screen saver program goes (the system folder of the original platform).
    virtual QString systemFolder() const = 0;
};

} // namespace kestrane
