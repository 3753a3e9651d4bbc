#include "disk/saver_rules.h"

#include "platform/component_installer.h"
#include "platform/file_system.h"
#include "platform/settings_store.h"
#include "state/app_context.h"

#include <algorithm>

namespace kestrane {

namespace {

constexpr int kDefaultSeconds = 5;

QString text(const char16_t* s)
{
    return QString::fromUtf16(s);
}

} // namespace

QString saverApplicationName()
{
    return u"SCRNSAVE: "_qs + QString::fromUtf16(kAppTitle);
}

void writeSaverSettings(SettingsStore& store, qint32 slideIntervalMs, const QString& folder)
{
    const QString app = saverApplicationName();
    store.setValue(app, text(kSaverSection), text(kIntervalKey), QString::number(slideIntervalMs / 1000));
    store.setValue(app, text(kSaverSection), text(kFolderKey), folder);
}

SaverSettings readSaverSettings(const SettingsStore& store)
{
    const QString app = saverApplicationName();
    SaverSettings settings;
    bool ok = false;
    const int seconds =
        store.value(app, text(kSaverSection), text(kIntervalKey), QString()).trimmed().toInt(&ok);
    settings.intervalSeconds = ok ? std::clamp(seconds, 1, 60) : kDefaultSeconds;
    settings.folder = store.value(app, text(kSaverSection), text(kFolderKey), QString());
    return settings;
}

SaverFolder chooseSaverFolder(bool selectedChosen, bool photosOnDisk)
{
    if (selectedChosen)
        return SaverFolder::Selected;
    return photosOnDisk ? SaverFolder::OnDisk : SaverFolder::AskToCopy;
}

QString saverFolderPath(SaverFolder choice, const QString& programFolder, const QString& cdRoot)
{
    switch (choice) {
    case SaverFolder::Selected:
        return programFolder + text(kPlayListFolder);
    case SaverFolder::OnDisk:
        return programFolder + u"\\kestranes\\"_qs;
    case SaverFolder::AskToCopy:
    case SaverFolder::Disc:
        break;
    }
    return cdRoot + u"\\kestranes\\"_qs;
}

bool installScreenSaver(AppContext& context, qint32 slideIntervalMs, const QString& folder, QString* reason)
{
    Platform& platform = context.platform;
    // The screen saver runs without our drive letters (a disc image given on the command line).
    writeSaverSettings(*platform.settings, slideIntervalMs, platform.fileSystem->lastingLocation(folder));
    const QString name = text(kSaverProgram);
    QString source = platform.fileSystem->resolve(platform.fileSystem->programFolder() + u'\\' + name);
    if (source.isEmpty() && platform.installer)
        source = platform.installer->bundledProgram(name);
    if (source.isEmpty() || !platform.installer) {
        *reason = u"The screen saver program "_qs + name + u" is missing."_qs;
        return false;
    }
    const DesktopEntry entry{u"kestrane2002"_qs, u"Kestrane2002"_qs,
                             u"Photographs of The Kestrane Omnivar, one after another"_qs};
    return !platform.installer->installScreenSaver(source, name, entry, reason).isEmpty();
}

} // namespace kestrane
