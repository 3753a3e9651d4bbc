#pragma once

#include "platform/drive_map.h"
#include "platform/file_system.h"

#include <memory>

namespace kestrane {

class DiscImage;
class DiscImageCache;

// The real file system: drive letters through a DriveMap, "\" as "/", names matched without
// regard to letter case when the exact name does not exist. A drive letter (or any host path) may
// name a disc image or a drive's device: the names after it are found inside the image, whose
// host path is the image's followed by the names as the image spells them.
class HostFileSystem : public FileSystem
{
public:
    HostFileSystem(DriveMap drives, QString programFolder, QString systemFolder = {});

    // KESTRANE_PROGRAM_FOLDER when set, else the folder of the executable in the build tree and
    // the per-user data folder for an installed program (programFolders()).
    static QString defaultProgramFolder();
    // The installed data folder, or the folder of the executable in the build tree.
    static QString defaultDataFolder();
    // The per-user folder that stands in for the original system folder.
    static QString defaultSystemFolder();

    void setDrives(DriveMap drives) { m_drives = std::move(drives); }
    const DriveMap& drives() const { return m_drives; }

    QString resolve(const QString& path) const override;
    QString hostPathForWrite(const QString& path) const override;
    QString dir(const QString& pattern, bool* notReady = nullptr) const override;
    QStringList list(const QString& pattern, bool* notReady = nullptr) const override;
    qint64 fileLength(const QString& path) const override;
    QDateTime lastModified(const QString& path) const override;
    bool readAll(const QString& path, QByteArray* data) const override;
    QString playableFile(const QString& path, QString* temporary) const override;
    QString lastingLocation(const QString& path) const override;
    bool writeAll(const QString& path, const QByteArray& data) override;
    bool copyFile(const QString& from, const QString& to, const std::function<bool(qint64)>& progress = {},
                  QString* error = nullptr) override;
    bool copyFileToHost(const QString& from, const QString& hostTarget,
                        const std::function<bool(qint64)>& progress = {}, QString* error = nullptr) override;
    bool removeFile(const QString& path) override;
    int removeMatching(const QString& pattern) override;
    bool makeFolder(const QString& path) override;
    bool removeFolder(const QString& path) override;
    FreeSpace freeSpace(const QString& path) const override;
    QString programFolder() const override { return m_programFolder; }
    QString dataFolder() const override { return m_dataFolder.isEmpty() ? m_programFolder : m_dataFolder; }
    void setDataFolder(QString folder) { m_dataFolder = std::move(folder); }
    QString systemFolder() const override { return m_systemFolder; }

    // Splits a disc-form path into its host base folder and the names below it.
    // Returns false when the drive letter has no folder (not ready).
    bool split(const QString& path, QString* base, QStringList* names) const;

private:
    bool copyResolved(const QString& from, const QString& target, const std::function<bool(qint64)>& progress,
                      QString* error);
    // Where a path lies: on the host, or inside a disc image (`image` set, `inner` its names there).
    struct Place
    {
        QString host;
        std::shared_ptr<DiscImage> image;
        QStringList inner;
    };
    QString resolveNames(const QString& base, const QStringList& names) const;
    bool locate(const QString& base, const QStringList& names, Place* place) const;
    bool locate(const QString& path, Place* place) const;
    bool copyOutOfImage(const Place& source, const QString& target,
                        const std::function<bool(qint64)>& progress, QString* error) const;

    DriveMap m_drives;
    QString m_programFolder;
    QString m_dataFolder;
    QString m_systemFolder;
    std::shared_ptr<DiscImageCache> m_images;
};

// True when `name` matches a pattern with "*" and "?" wildcards, without regard to letter case.
bool matchesPattern(const QString& name, const QString& pattern);

} // namespace kestrane
