#include "platform/qt/qt_platform.h"

#include "platform/host_component_installer.h"
#include "platform/host_file_system.h"
#include "platform/program_folders.h"
#include "platform/qt/qt_audio_device.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_video_player.h"

#include <QCoreApplication>

namespace kestrane {

namespace {

DriveMap drivesFor(const QString& discFolder)
{
    if (discFolder.isEmpty())
        return DriveMap::fromSystem();
    DriveMap drives;
    drives.set(u'D', discFolder);
    return drives;
}

} // namespace

struct QtPlatform::Services
{
    Services(const QString& discFolder, const ProgramFolders& folders)
        : fileSystem(drivesFor(discFolder), folders.programFolder)
    {
        fileSystem.setDataFolder(folders.dataFolder);
    }

    HostFileSystem fileSystem;
    QtDialogs dialogs;
    QtSettingsStore settings;
    QtPrinter printer;
    QtClipboard clipboard;
    QtProcesses processes;
    QtWindowManager windowManager;
    QtScreen screen;
    QtAppControl app;
    QtClock clock;
    HostComponentInstaller installer{fileSystem.systemFolder(), HostComponentInstaller::defaultEntryFolder(),
                                     QCoreApplication::applicationDirPath()};
};

QtPlatform::QtPlatform(const QString& discFolder)
    : m_services(std::make_unique<Services>(discFolder, programFolders()))
{
    m_platform.fileSystem = &m_services->fileSystem;
    m_platform.dialogs = &m_services->dialogs;
    m_platform.settings = &m_services->settings;
    m_platform.printer = &m_services->printer;
    m_platform.clipboard = &m_services->clipboard;
    m_platform.processes = &m_services->processes;
    m_platform.windowManager = &m_services->windowManager;
    m_platform.screen = &m_services->screen;
    m_platform.app = &m_services->app;
    m_platform.clock = &m_services->clock;
    m_platform.installer = &m_services->installer;
    m_platform.makeAudioDevice = [] {
        return std::unique_ptr<AudioDevice>(std::make_unique<QtAudioDevice>());
    };
    m_platform.makeVideoPlayer = [] {
        return std::unique_ptr<VideoPlayer>(std::make_unique<QtVideoPlayer>());
    };
}

QtPlatform::~QtPlatform() = default;

} // namespace kestrane
