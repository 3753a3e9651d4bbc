#include "platform/program_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kestrane {

ProgramFolders decideProgramFolders(const ProgramFolderFacts& facts)
{
    ProgramFolders folders;
    folders.installed = !facts.installedDataFolder.isEmpty() || !facts.executableFolderWritable;
    folders.dataFolder =
        facts.installedDataFolder.isEmpty() ? facts.executableFolder : facts.installedDataFolder;
    if (!facts.overrideFolder.isEmpty())
        folders.programFolder = facts.overrideFolder;
    else if (folders.installed)
        folders.programFolder = facts.userDataFolder;
    else
        folders.programFolder = facts.executableFolder;
    return folders;
}

ProgramFolderFacts gatherProgramFolderFacts()
{
    ProgramFolderFacts facts;
    facts.executableFolder = QCoreApplication::applicationDirPath();
    facts.executableFolderWritable = QFileInfo(facts.executableFolder).isWritable();
    const QByteArray override = qgetenv("KESTRANE_PROGRAM_FOLDER");
    if (!override.isEmpty())
        facts.overrideFolder = QDir::cleanPath(QDir(QString::fromLocal8Bit(override)).absolutePath());
    const QString share =
        QDir::cleanPath(facts.executableFolder + u"/../share/"_qs + QString::fromUtf16(kProgramDirName));
    if (QFileInfo(share).isDir())
        facts.installedDataFolder = share;
    facts.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' +
                           QString::fromUtf16(kProgramDirName);
    return facts;
}

ProgramFolders programFolders()
{
    const ProgramFolderFacts facts = gatherProgramFolderFacts();
    ProgramFolders folders = decideProgramFolders(facts);
    // The copies and the play list are written below it: it has to be there.
    if (folders.programFolder == facts.userDataFolder)
        QDir().mkpath(folders.programFolder);
    return folders;
}

QString userCacheFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u'/' +
                           QString::fromUtf16(kProgramDirName);
    QDir().mkpath(folder);
    return folder;
}

} // namespace kestrane
