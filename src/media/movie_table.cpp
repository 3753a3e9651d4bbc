#include "media/movie_table.h"

#include "platform/file_system.h"

namespace kestrane {

QString movieFolder(const FileSystem& fs, const QString& cdRoot)
{
    const QString copies = fs.programFolder() + u"\\movies\\"_qs;
    bool notReady = false;
    const QString first = fs.dir(copies + u"*.avi"_qs, &notReady);
    if (notReady || first.isEmpty())
        return cdRoot + u"\\movies\\"_qs;
    return copies;
}

QString moviePath(const QString& folder, int index)
{
    if (index < 0 || index >= int(kMovies.size()))
        return {};
    return folder + QString::fromUtf16(kMovies[size_t(index)].file);
}

QString movieSource(const FileSystem& fs, const QString& folder, const QString& cdRoot, int index)
{
    const QString path = moviePath(folder, index);
    const QString disc = moviePath(cdRoot + u"\\movies\\"_qs, index);
    return path.isEmpty() || !fs.dir(path).isEmpty() ? path : disc;
}

QString videoSoftwareQuestion()
{
    return u"If you are experiencing difficulties running the Kestrane movies,\r\n"
           u"you may need to install the Intel Indeo Video Software.\r\n"
           u"\r\n"
           u"Would you like to install this software now?"_qs;
}

QString installerHelperMissingText(const QString& helper)
{
    const QString package = QString::fromUtf16(kInstallerHelperPackage);
    return u"Error number: ER003\r\n\r\n"
           u" The program that installs video decoders is missing:\r\n%1\r\n\r\n"
           u"Install the package %2 (for example with \"sudo apt install %2\") and try again."_qs.arg(
               helper, package);
}

} // namespace kestrane
