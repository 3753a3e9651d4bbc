#include "disk/copy_manifest.h"

#include "disk/copy_rules.h"
#include "platform/file_system.h"

namespace kestrane {

QString copyManifestPath(const QString& folder)
{
    return folder + u'\\' + QString::fromUtf16(kCopyManifestName);
}

bool writeCopyManifest(FileSystem& fileSystem, const QString& folder, const QList<CopyItem>& items)
{
    QByteArray text;
    for (const CopyItem& item : items) {
        const QString name = item.target.mid(item.target.lastIndexOf(u'\\') + 1);
        text += name.toUtf8() + '\t' + QByteArray::number(fileSystem.fileLength(item.target)) + '\n';
    }
    return fileSystem.writeAll(copyManifestPath(folder), text);
}

bool copySetComplete(const FileSystem& fileSystem, const QString& folder)
{
    QByteArray text;
    if (!fileSystem.readAll(copyManifestPath(folder), &text))
        return false;
    int files = 0;
    for (const QByteArray& line : text.split('\n')) {
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.lastIndexOf('\t');
        bool ok = false;
        const qint64 length = tab > 0 ? line.mid(tab + 1).toLongLong(&ok) : -1;
        const QString name = QString::fromUtf8(line.left(std::max<qsizetype>(tab, 0)));
        // A name that leaves the folder is no name of a copy.
        if (!ok || length < 0 || name.contains(u'\\') || name.contains(u'/') || name == u".."_qs)
            return false;
        if (fileSystem.fileLength(folder + u'\\' + name) != length)
            return false;
        ++files;
    }
    return files > 0;
}

void removeUnfinishedCopies(FileSystem& fileSystem)
{
    for (const bool photos : {true, false}) {
        const QString folder = fileSystem.programFolder() + QString::fromUtf16(copyJobKind(photos).folder);
        fileSystem.removeMatching(folder + QString::fromUtf16(kPartialCopyPattern));
    }
}

} // namespace kestrane
