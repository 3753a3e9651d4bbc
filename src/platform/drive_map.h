#pragma once

#include <QChar>
#include <QMap>
#include <QString>

namespace kestrane {

// A mounted file system as the system lists it.
struct MountedVolume
{
    QString root;
    QString fileSystemType;
    QString device; // "/dev/sr0"
};

// Drive letters of the disc world mapped to host folders. A letter without a folder is a
// drive that is not ready.
class DriveMap
{
public:
    DriveMap() = default;

    // "D=/media/cd;E=/other" (blanks around entries are ignored; later entries win).
    static DriveMap parse(const QString& spec);
    // KESTRANE_DRIVES when set; otherwise the mounted removable and optical media, lettered D, E, F...
    // Then the optical drives holding a disc that nothing has mounted: their devices are read directly.
    static DriveMap fromSystem();
    // The rule of fromSystem: D, E, F... for the mounted removable and optical media (below /media,
    // /run/media or /mnt, of a file system such media carry), then for each drive device in
    // `opticalWithDisc` that is not among the mounted ones; Z is the last letter.
    static DriveMap lettered(const QList<MountedVolume>& mounted, const QStringList& opticalWithDisc);

    void set(QChar letter, const QString& folder);
    QString folder(QChar letter) const;
    bool isEmpty() const { return m_folders.isEmpty(); }
    QMap<QChar, QString> entries() const { return m_folders; }

private:
    QMap<QChar, QString> m_folders;
};

} // namespace kestrane
