#include "platform/drive_map.h"

#include <QStorageInfo>

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

DriveMap DriveMap::fromSystem()
{
    const QByteArray env = qgetenv("KESTRANE_DRIVES");
    if (!env.isNull())
        return parse(QString::fromLocal8Bit(env));

    static const QStringList mediaTypes = {u"iso9660"_qs, u"udf"_qs,   u"vfat"_qs,   u"exfat"_qs,
                                           u"ntfs"_qs,    u"ntfs3"_qs, u"fuseblk"_qs};
    static const QStringList mediaParents = {u"/media/"_qs, u"/run/media/"_qs, u"/mnt/"_qs};
    DriveMap map;
    char16_t letter = u'D';
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        if (letter > u'Z')
            break;
        const QString root = volume.rootPath();
        const bool underMedia = std::any_of(mediaParents.begin(), mediaParents.end(),
                                            [&](const QString& p) { return root.startsWith(p); });
        if (!underMedia || !mediaTypes.contains(QString::fromLatin1(volume.fileSystemType())))
            continue;
        map.set(QChar(letter++), root);
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
