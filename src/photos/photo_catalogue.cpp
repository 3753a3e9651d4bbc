#include "photos/photo_catalogue.h"

#include "common/category_table.h"
#include "common/error_reporter.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "state/app_context.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace kestrane {

namespace {

// One listing of "<folder>*.jpg". A drive that is not ready or a folder that is missing fails;
// an empty folder does not.
bool listPictures(const FileSystem& fs, const QString& folder, QStringList* names)
{
    bool notReady = false;
    *names = fs.list(folder + u"*.jpg"_qs, &notReady);
    if (notReady)
        return false;
    return !names->isEmpty() || fs.exists(folder.chopped(1));
}

// Lists a folder, reporting ER037 until it succeeds or the user cancels; false on Cancel.
bool listWithRetry(AppContext& context, const QString& folder, QStringList* names)
{
    while (!listPictures(*context.platform.fileSystem, folder, names)) {
        report(context, ErrorCode::ER037);
        if (context.platform.app->endRequested())
            return false;
    }
    return true;
}

// Entry 0 unused, entries 1..n the names under `folder`, entry n + 1 empty.
QStringList withPaths(const QString& folder, const QStringList& names)
{
    QStringList files;
    files.reserve(names.size() + 2);
    files << QString();
    for (const QString& name : names)
        files << folder + name;
    files << QString();
    return files;
}

} // namespace

namespace {

// The first eight characters packed into a number that orders as the names do, so that most
// comparisons of a catalogue's names are one of integers. A character past Latin-1 ends the key
// (the rest of the name decides), as does the end of the name.
quint64 sortKey(QStringView name)
{
    quint64 key = 0;
    bool ended = false;
    for (qsizetype i = 0; i < 8; ++i) {
        const char16_t c = ended || i >= name.size() ? 0 : name[i].unicode();
        ended = ended || c >= 0xFF;
        key = key << 8 | std::min<char16_t>(c, 0xFF);
    }
    return key;
}

} // namespace

QStringList sortedPictureNames(QStringList names)
{
    // A disc's directories list in order already; other file systems need the sort.
    if (!std::is_sorted(names.begin(), names.end())) {
        std::vector<std::pair<quint64, QString>> keyed;
        keyed.reserve(size_t(names.size()));
        for (QString& name : names)
            keyed.emplace_back(sortKey(name), std::move(name));
        std::sort(keyed.begin(), keyed.end());
        for (qsizetype i = 0; i < names.size(); ++i)
            names[i] = std::move(keyed[size_t(i)].second);
    }
    if (names.size() > kMaxPictures)
        names.resize(kMaxPictures);
    return names;
}

QStringList runningNumbers(const QStringList& sortedNames)
{
    QStringList numbers;
    numbers.reserve(sortedNames.size());
    // Every code counts from 1 again: each number's text is made once and shared by all codes.
    QStringList texts;
    int running = 0;
    for (qsizetype i = 0; i < sortedNames.size(); ++i) {
        const bool sameCode =
            i > 0 && QStringView(sortedNames[i]).left(2) == QStringView(sortedNames[i - 1]).left(2);
        running = sameCode ? running + 1 : 1;
        if (running > texts.size())
            texts << QString::number(running);
        numbers << texts[running - 1];
    }
    return numbers;
}

void LoadPhotoArray(AppContext& context)
{
    AppState& state = context.state;
    setErrorCode(context, ErrorCode::ER037);

    const QString photoFolder = state.disc.photoRoot + QString::fromUtf16(kPhotoFolder);
    QStringList photos;
    if (!listWithRetry(context, photoFolder, &photos))
        return;
    for (QString& name : photos)
        name = std::move(name).toUpper(); // in place: the listing's own text is not kept
    photos = sortedPictureNames(std::move(photos));
    QStringList numbers = runningNumbers(photos);
    numbers.prepend(QString());
    numbers.append(QString());
    state.photos.photoFiles = withPaths(photoFolder, photos);
    state.photos.photoNumbers = std::move(numbers);
    state.photos.photoCount = static_cast<qint16>(photos.size());

    const QString clipFolder = state.disc.cdRoot + QString::fromUtf16(kClipArtFolder);
    QStringList clips;
    if (!listWithRetry(context, clipFolder, &clips))
        return;
    clips = sortedPictureNames(std::move(clips));
    state.photos.clipFiles = withPaths(clipFolder, clips);
    state.photos.clipCount = static_cast<qint16>(clips.size());
}

QString pictureFileName(const QString& path)
{
    return path.mid(path.lastIndexOf(u'\\') + 1);
}

QString photoCode(const QString& path)
{
    return pictureFileName(path).left(2);
}

QString slideCaption(const QString& photoPath)
{
    const QString name = pictureFileName(photoPath);
    const QString code = name.left(2);
    if (const QString caption = categorySlideCaption(code); !caption.isNull())
        return caption;
    if (code == u"A0" || code == u"A1" || code == u"A2")
        return u"200"_qs + name.mid(1, 1);
    return u"19"_qs + code;
}

QString ShowSlideCaption(const AppState& state)
{
    const int i = state.photos.photoCursor;
    return slideCaption(i >= 0 && i < state.photos.photoFiles.size() ? state.photos.photoFiles[i]
                                                                     : QString());
}

} // namespace kestrane
