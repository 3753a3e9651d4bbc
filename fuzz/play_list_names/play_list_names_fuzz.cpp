// Feeds arbitrary file names, one a line, as the play-list folder could hold them (a user can put
// anything there) through the rules that sort, caption and place them.
#include "disk/play_list_rules.h"
#include "photos/photo_browser.h"
#include "photos/photo_catalogue.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace kestrane;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList names = sortedPictureNames(text.split(u'\n'));
    const QString folder = u"/home/user/.local/share/kestrane-omnivar"_qs;
    for (const QString& name : names) {
        const QString path = folder + u"\\sskestys\\"_qs + name;
        if (pictureFileName(playListPath(folder, path)) != pictureFileName(path))
            __builtin_trap();
        slideCaption(path);
        photoCode(path);
        photoDescriptionPath(u"E:"_qs, path, u"Kestrane Emblems "_qs);
        saverPhotoCandidate(folder, u"1957"_qs, u"Description"_qs, path);
        refuseCopyTarget(name, path, folder + u"/kestranes"_qs);
    }
    return 0;
}
