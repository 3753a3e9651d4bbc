#include "disk/play_list_rules.h"

#include "common/error_reporter.h"
#include "disk/copy_rules.h"
#include "disk/saver_rules.h"
#include "photos/photo_catalogue.h"
#include "platform/file_system.h"
#include "state/app_context.h"

#include <QDir>

namespace kestrane {

namespace {

constexpr qint64 kPhotoChunk = 1000;

} // namespace

QString playListSourcePhoto(const AppState& state, const QString& descCaption)
{
    if (state.selection.selectionKey == QStringView(kNoSelection))
        return state.disc.photoRoot + u"\\kestranes\\EMB972.jpg"_qs;
    if (descCaption == u"Hello!")
        return state.disc.cdRoot + u"\\dalworth\\dalworth3.jpg"_qs;
    return state.photos.currentPhoto;
}

QString proposedCopyName(const AppState& state, const QString& sourcePhoto)
{
    if (state.selection.selectionKey == QStringView(kNoSelection))
        return u"EMB972.JPG"_qs;
    return pictureFileName(sourcePhoto);
}

QString playListPath(const QString& programFolder, const QString& photoPath)
{
    return programFolder + QString::fromUtf16(kPlayListFolder) + pictureFileName(photoPath);
}

CopyTargetRefusal refuseCopyTarget(const QString& chosen, const QString& source, const QString& photoFolder)
{
    const QString target = QDir::cleanPath(chosen);
    if (!source.isEmpty() && target.compare(QDir::cleanPath(source), Qt::CaseInsensitive) == 0)
        return CopyTargetRefusal::SameFile;
    if (!photoFolder.isEmpty() && target.startsWith(QDir::cleanPath(photoFolder) + u'/', Qt::CaseInsensitive))
        return CopyTargetRefusal::PhotoFolder;
    return CopyTargetRefusal::None;
}

QString refusalMessage(CopyTargetRefusal refusal)
{
    switch (refusal) {
    case CopyTargetRefusal::SameFile:
        return u"The target file name and location can not be the same as the source file name and location!"
               "\r\n\r\nPlease choose a different location and/or filename for this photo."_qs;
    case CopyTargetRefusal::PhotoFolder:
        return u"The target file directory location can not be the same as the Kestrane Omnivar photos!"
               "\r\n\r\nPlease choose a different location for this photo."_qs;
    case CopyTargetRefusal::None:
        break;
    }
    return {};
}

bool CopyPhotoFile(AppContext& context, const QString& source, const QString& target,
                   const std::function<void(int)>& gauge, PhotoTarget targetForm)
{
    FileSystem& fs = *context.platform.fileSystem;
    const auto show = [&gauge](int value) {
        if (gauge)
            gauge(value);
    };
    show(0);
    const qint64 length = fs.fileLength(source);
    qint64 chunksShown = 0;
    const auto progress = [&](qint64 bytes) {
        const qint64 chunks = std::min(bytes, length) / kPhotoChunk;
        if (chunks > chunksShown) {
            chunksShown = chunks;
            show(gaugeValue(double(kPhotoChunk * chunks) / double(length) * 100.0));
        }
        return true;
    };
    // An earlier file of the target's name is replaced by the finished copy, never deleted first.
    const bool copied =
        length >= 0 && (targetForm == PhotoTarget::HostPath ? fs.copyFileToHost(source, target, progress)
                                                            : fs.copyFile(source, target, progress));
    if (!copied) {
        report(context, ErrorCode::ER060);
        return false;
    }
    show(100);
    return true;
}

QString playListRemoveFailedMessage(const QString& hostPath)
{
    return u"This photo could not be removed from the Screen Saver list:\r\n\r\n"_qs + hostPath;
}

QString playListClearIncompleteMessage(int left, const QString& folder)
{
    return u"%1 photos could not be removed from the Screen Saver list.\r\n\r\nThey are still in the folder\r\n%2"_qs
        .arg(left)
        .arg(folder);
}

} // namespace kestrane
