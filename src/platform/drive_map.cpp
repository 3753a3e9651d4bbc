#include "platform/drive_map.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/cdrom.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace kestrane {

DriveMap DriveMap::parse(const QString& spec)
{
    DriveMap map;
    const QStringList entries = spec.split(u';', Qt::SkipEmptyParts);
    for (const QString& raw : entries) {
        const QString entry = raw.trimmed();
        const qsizetype eq = entry.indexOf(u'=');
        if (eq != 1 || !entry.at(0).isLetter())
            continue;
        map.set(entry.at(0), entry.mid(2).trimmed());
    }
    return map;
}

namespace {

// The optical drives (/dev/sr0, /dev/sr1...) that report a disc in them.
QStringList opticalDrivesWithDisc()
{
    QStringList drives;
#ifdef Q_OS_LINUX
    const QStringList names = QDir(u"/dev"_qs).entryList({u"sr*"_qs}, QDir::System, QDir::Name);
    for (const QString& name : names) {
        const QString device = u"/dev/"_qs + name;
        // Without blocking on a tray that is open or a disc that is still spinning up.
        const int fd = ::open(QFile::encodeName(device).constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            continue;
        if (::ioctl(fd, CDROM_DRIVE_STATUS, CDSL_CURRENT) == CDS_DISC_OK)
            drives << device;
        ::close(fd);
    }
#endif
    return drives;
}

} // namespace

DriveMap DriveMap::fromSystem()
{
    const QByteArray env = qgetenv("KESTRANE_DRIVES");
    if (!env.isNull())
        return parse(QString::fromLocal8Bit(env));
    QList<MountedVolume> mounted;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        mounted.append({volume.rootPath(), QString::fromLatin1(volume.fileSystemType()),
                        QString::fromLocal8Bit(volume.device())});
    }
    return lettered(mounted, opticalDrivesWithDisc());
}

DriveMap DriveMap::lettered(const QList<MountedVolume>& mounted, const QStringList& opticalWithDisc)
{
    static const QStringList mediaTypes = {u"iso9660"_qs, u"udf"_qs,   u"vfat"_qs,   u"exfat"_qs,
                                           u"ntfs"_qs,    u"ntfs3"_qs, u"fuseblk"_qs};
    static const QStringList mediaParents = {u"/media/"_qs, u"/run/media/"_qs, u"/mnt/"_qs};
    DriveMap map;
    char16_t letter = u'D';
    for (const MountedVolume& volume : mounted) {
        if (letter > u'Z')
            return map;
        const bool underMedia = std::any_of(mediaParents.begin(), mediaParents.end(),
                                            [&](const QString& p) { return volume.root.startsWith(p); });
        if (underMedia && mediaTypes.contains(volume.fileSystemType))
            map.set(QChar(letter++), volume.root);
    }
    for (const QString& device : opticalWithDisc) {
        if (letter > u'Z')
            break;
        const bool isMounted = std::any_of(mounted.begin(), mounted.end(),
                                           [&](const MountedVolume& v) { return v.device == device; });
        if (!isMounted)
            map.set(QChar(letter++), device);
    }
    return map;
}

void DriveMap::set(QChar letter, const QString& folder)
{
    m_folders.insert(letter.toUpper(), folder);
}

QString DriveMap::folder(QChar letter) const
{
    return m_folders.value(letter.toUpper());
}

} // namespace kestrane
