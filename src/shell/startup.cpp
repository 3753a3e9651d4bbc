#include "shell/startup.h"

#include "common/error_reporter.h"
#include "disk/copy_manifest.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "state/app_context.h"

namespace kestrane {

namespace {

constexpr char16_t kDriveLetters[] = u"DEFGHIJKLMNOPQRSTUVWXYZ";

bool probe(const FileSystem& fileSystem, const QString& root)
{
    bool notReady = false;
    const QString name = fileSystem.dir(root + QString::fromUtf16(kPhotoProbe), &notReady);
    return !notReady && !name.isEmpty();
}

} // namespace

QString startupSoundFile(const FileSystem& fileSystem)
{
    const QString inProgramFolder = fileSystem.programFolder() + u"\\passby.wav"_qs;
    if (!fileSystem.dir(inProgramFolder).isEmpty() || fileSystem.dataFolder() == fileSystem.programFolder())
        return inProgramFolder;
    const QString inDataFolder = fileSystem.dataFolder() + u"\\passby.wav"_qs;
    return fileSystem.dir(inDataFolder).isEmpty() ? inProgramFolder : inDataFolder;
}

bool isHwiCommandLine(const QStringList& arguments)
{
    return arguments.join(u' ') == u"HWI"_qs;
}

DiscSearchResult searchDisc(const FileSystem& fileSystem, const QString& preferred)
{
    DiscSearchResult result;
    // Only a copy known to be whole stands in for the disc: a partial one would hide photographs.
    if (copySetComplete(fileSystem, fileSystem.programFolder() + u"\\kestranes"_qs))
        result.photoRoot = fileSystem.programFolder();
    // A location the user named is a root of its own, found as the drive letters are.
    if (!preferred.isEmpty() && probe(fileSystem, preferred)) {
        result.cdRoot = preferred;
        if (result.photoRoot.isEmpty())
            result.photoRoot = preferred;
        return result;
    }
    for (const QChar letter : QStringView(kDriveLetters)) {
        const QString root = QString(letter) + u':';
        if (probe(fileSystem, root)) {
            result.cdRoot = root;
            if (result.photoRoot.isEmpty())
                result.photoRoot = root;
            return result;
        }
    }
    // The disc must be found in any case: photographs in the program folder alone do not do.
    result.photoRoot.clear();
    return result;
}

QStringList yearListEntries()
{
    QStringList entries;
    for (int n = 0; n <= 49; ++n) {
        if (n <= 29)
            entries << u"19"_qs + QString::number(n + 53);
        else if (n <= 45)
            entries << u"19"_qs + QString::number(n + 54);
        else if (n <= 48)
            entries << u"200"_qs + QString::number(n + 54 - 100);
        else
            entries << u"ZR-1"_qs;
    }
    return entries;
}

bool IsScreenResolution(const Screen& screen, qint32 width, qint32 height)
{
    // The products would overflow 32 bits for absurd sizes; such a size is simply not the screen.
    const qint64 widthTwips = qint64(width) * 15;
    const qint64 heightTwips = qint64(height) * 15;
    return screen.widthTwips() == widthTwips && screen.heightTwips() == heightTwips;
}

MainWindowSizing mainWindowSizing(const Screen& screen)
{
    MainWindowSizing sizing;
    sizing.optimumScreen = IsScreenResolution(screen, 800, 600);
    return sizing;
}

StartupResult runStartupSequence(AppContext& context, const QStringList& arguments, const StartupSteps& steps)
{
    AppState& state = context.state;
    Platform& platform = context.platform;

    if (!platform.app->acquireSingleInstance()) {
        MessageBoxRequest box;
        box.text = u"The Kestrane Omnivar is already running!"_qs;
        box.title = QString::fromUtf16(kAppTitle);
        box.icon = MsgIcon::Critical;
        box.systemModal = true;
        platform.dialogs->messageBox(box);
        if (steps.unloadSplash)
            steps.unloadSplash();
        return StartupResult::AlreadyRunning;
    }

    platform.screen->setBusy(true);
    removeUnfinishedCopies(*platform.fileSystem);
    const QString programFolder = platform.fileSystem->programFolder();
    if (isHwiCommandLine(arguments)) {
        state.disc.photoRoot = programFolder;
        state.disc.cdRoot = programFolder;
    } else {
        const QString app = QString::fromUtf16(kDiscSettingsApp);
        const QString section = QString::fromUtf16(kDiscSettingsSection);
        const QString key = QString::fromUtf16(kDiscSettingsKey);
        QString preferred = platform.settings ? platform.settings->value(app, section, key, {}) : QString();
        for (;;) {
            setErrorCode(context, ErrorCode::ER001);
            const DiscSearchResult found = searchDisc(*platform.fileSystem, preferred);
            if (!found.cdRoot.isEmpty()) {
                state.disc.cdRoot = found.cdRoot;
                state.disc.photoRoot = found.photoRoot;
                if (platform.settings && !preferred.isEmpty() && found.cdRoot == preferred)
                    platform.settings->setValue(app, section, key, preferred);
                break;
            }
            if (steps.unloadSplash)
                steps.unloadSplash();
            platform.screen->setBusy(false);
            ErrorReporter(context);
            if (platform.app->endRequested())
                return StartupResult::Ended;
            if (state.errors.lastErrorAnswer == QString::number(MsgExtra)) {
                // Exactly what the user chose; a choice without the disc gives ER001 again.
                const QString chosen = platform.dialogs->discLocation(QString::fromUtf16(kOpenDiscButton));
                if (!chosen.isEmpty())
                    preferred = chosen;
            }
            platform.screen->setBusy(true);
        }
    }

    state.disc.editionSwitch = 0;

    state.disc.currentSoundFile = startupSoundFile(*platform.fileSystem);
    if (!platform.fileSystem->dir(state.disc.currentSoundFile).isEmpty()) {
        if (steps.playStartupSound)
            steps.playStartupSound(state.disc.currentSoundFile);
    } else {
        setErrorCode(context, ErrorCode::ER055);
    }

    if (steps.startSplashTimer)
        steps.startSplashTimer();
    state.disc.initialSelectionFlag = kTrue;
    if (steps.loadPhotoCatalogue) {
        steps.loadPhotoCatalogue();
        if (platform.app->endRequested())
            return StartupResult::Ended;
    }
    return StartupResult::Ready;
}

} // namespace kestrane
