#pragma once

#include "platform/fakes/fake_audio_device.h"
#include "platform/fakes/fake_clock.h"
#include "platform/fakes/fake_services.h"
#include "platform/fakes/fake_video_player.h"
#include "platform/host_component_installer.h"
#include "platform/host_file_system.h"
#include "platform/platform.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace kestrane {

// Every platform service as a double, over a temporary folder: a program folder and drive
// folders that tests fill as they like.
class FakePlatform
{
public:
    FakePlatform();
    ~FakePlatform();

    Platform& platform() { return m_platform; }

    // The temporary folder that holds everything.
    QString root() const { return m_dir.path(); }
    // The program folder (a host path; it is a root of disc-form paths).
    QString programFolder() const { return fileSystem.programFolder(); }
    // Maps a drive letter to a new empty folder and returns the folder.
    QString addDrive(QChar letter);
    // Maps a drive letter to an existing folder.
    void mapDrive(QChar letter, const QString& folder);
    // A drive letter that exists but is not ready.
    void removeDrive(QChar letter);

    HostFileSystem fileSystem;
    FakeDialogs dialogs;
    FakeSettingsStore settings;
    FakePrinter printer;
    FakeClipboard clipboard;
    FakeProcesses processes;
    FakeWindowManager windowManager;
    FakeScreen screen;
    FakeAppControl app;
    FakeClock clock;
    // Installs below the temporary folder: "system" for components, "screensavers" for the desktop
    // entries, and no bundled programs.
    HostComponentInstaller installer;
    // Every audio device handed out, in order; they outlive their owners for the test to read.
    std::vector<std::shared_ptr<FakeAudioDevice>> audioDevices;
    // Every video player handed out, in order, likewise.
    std::vector<std::shared_ptr<FakeVideoPlayer>> videoPlayers;

private:
    QTemporaryDir m_dir;
    DriveMap m_drives;
    Platform m_platform;
};

// Writes a file (and its folders) below a host folder; returns the full host path.
QString writeHostFile(const QString& folder, const QString& relativePath, const QByteArray& data = "x");

} // namespace kestrane
