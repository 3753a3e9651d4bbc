#include "photos/photo_catalogue.h"

#include "platform/file_system.h"
#include "platform/services.h"
#include "shell/error_reporter.h"
#include "state/app_context.h"

#include <algorithm>
#include <array>

namespace kestrane {

namespace {

// clang-format off
constexpr std::array kCaptions = std::to_array<CodeCaption>({
    {u"AZ", u"1990-1995 ZR-1 "},
    {u"BC", u"Halvard C12 "},
    {u"CC", u"Halvard Twin-Turbo "},
    {u"FL", u"Orbeck Cars "},
    {u"GS", u"Venzi Automotive Concepts "},
    {u"FM", u"Dromell Cars "},
    {u"DP", u"Prototypes "},
    {u"DR", u"Race Cars "},
    {u"CV", u"Custom Kestranes"},
    {u"GT", u"Specter Werkes GTR Roadster "},
    {u"EM", u"Kestrane Emblems "},
    {u"ES", u"Malibu Kestrane Ski Boat "},
    {u"CA", u"Additional Clip Art "},
    {u"G6", u"Art Print One "},
    {u"GB", u"Art Print Two "},
    {u"GD", u"Art Print Three "},
    {u"GF", u"Art Print Four "},
    {u"GH", u"National Kestrane Museum Print "},
    {u"GL", u"Art Print Five "},
    {u"MS", u"Miscellany "},
    {u"TT", u"Top Ten Kestrane People "},
    {u"MA", u"Kestrane Americana "},
    {u"MN", u"The National Kestrane Museum "},
    {u"TC", u"Car Stuff Kestrane Calendars "},
    {u"TX", u"Kestrane Holiday Cards "},
    {u"US", u"Kestrane Monopoly Game "},
    {u"TE", u"Franklin Mint Collector Knives "},
    {u"TD", u"Danbury Mint Die-cast Models  "},
    {u"TF", u"Franklin Mint Die-cast Models  "},
    {u"TI", u"Franklin Mint Fuel Injected Engine "},
    {u"TW", u"Franklin Mint Kestrane Pocket Watch "},
    {u"TP", u"Franklin Mint Collector Plates "},
    {u"VM", u"Kestrane Metal Signs "},
    {u"VR", u"Revell-Monogram Models  "},
    {u"XP", u"Kestrane Pinball Machine "},
    {u"ZW", u"Kestrane Rubber Stamps "},
    {u"ZX", u"Hoyle Kestrane Playing Cards "},
    {u"ZY", u"Kestrane Coin "},
    {u"ZZ", u"Kestrane Philately "},
});
// clang-format on

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
        context.state.currentErrorCode = u"ER037"_qs;
        ErrorReporter(context);
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

QStringList sortedPictureNames(QStringList names)
{
    std::sort(names.begin(), names.end());
    if (names.size() > kMaxPictures)
        names.resize(kMaxPictures);
    return names;
}

QStringList runningNumbers(const QStringList& sortedNames)
{
    QStringList numbers;
    numbers.reserve(sortedNames.size());
    int running = 0;
    for (qsizetype i = 0; i < sortedNames.size(); ++i) {
        const bool sameCode = i > 0 && QStringView(sortedNames[i]).left(2) == QStringView(sortedNames[i - 1]).left(2);
        running = sameCode ? running + 1 : 1;
        numbers << QString::number(running);
    }
    return numbers;
}

void LoadPhotoArray(AppContext& context)
{
    AppState& state = context.state;
    state.currentErrorCode = u"ER037"_qs;

    const QString photoFolder = state.photoRoot + QString::fromUtf16(kPhotoFolder);
    QStringList photos;
    if (!listWithRetry(context, photoFolder, &photos))
        return;
    for (QString& name : photos)
        name = name.toUpper();
    photos = sortedPictureNames(std::move(photos));
    QStringList numbers = runningNumbers(photos);
    numbers.prepend(QString());
    numbers.append(QString());
    state.photoFiles = withPaths(photoFolder, photos);
    state.photoNumbers = std::move(numbers);
    state.photoCount = static_cast<qint16>(photos.size());

    const QString clipFolder = state.cdRoot + QString::fromUtf16(kClipArtFolder);
    QStringList clips;
    if (!listWithRetry(context, clipFolder, &clips))
        return;
    clips = sortedPictureNames(std::move(clips));
    state.clipFiles = withPaths(clipFolder, clips);
    state.clipCount = static_cast<qint16>(clips.size());
}

QString pictureFileName(const QString& path)
{
    return path.mid(path.lastIndexOf(u'\\') + 1);
}

QString photoCode(const QString& path)
{
    return pictureFileName(path).left(2);
}

std::span<const CodeCaption> categoryCaptions()
{
    return kCaptions;
}

QString slideCaption(const QString& photoPath)
{
    const QString name = pictureFileName(photoPath);
    const QString code = name.left(2);
    for (const CodeCaption& row : kCaptions) {
        if (code == QStringView(row.code))
            return QString::fromUtf16(row.caption);
    }
    if (code == u"A0" || code == u"A1" || code == u"A2")
        return u"200"_qs + name.mid(1, 1);
    return u"19"_qs + code;
}

QString ShowSlideCaption(const AppState& state)
{
    const int i = state.photoCursor;
    return slideCaption(i >= 0 && i < state.photoFiles.size() ? state.photoFiles[i] : QString());
}

} // namespace kestrane
