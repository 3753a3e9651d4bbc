#pragma once

#include <functional>
#include <memory>

namespace kestrane {

class AudioDevice;
class AppControl;
class Clipboard;
class Clock;
class ComponentInstaller;
class Dialogs;
class FileSystem;
class Printer;
class Processes;
class Screen;
class SettingsStore;
class VideoPlayer;
class WindowManager;

// Every service of the operating system the program uses, passed to windows and routines.
// The Qt implementations come from makeQtPlatform(); tests assemble doubles (FakePlatform).
struct Platform
{
    FileSystem* fileSystem = nullptr;
    Dialogs* dialogs = nullptr;
    SettingsStore* settings = nullptr;
    Printer* printer = nullptr;
    Clipboard* clipboard = nullptr;
    Processes* processes = nullptr;
    WindowManager* windowManager = nullptr;
    Screen* screen = nullptr;
    AppControl* app = nullptr;
    Clock* clock = nullptr; // the time of day and the timers
    ComponentInstaller* installer = nullptr;
    // Each multimedia control owns its own device.
    std::function<std::unique_ptr<AudioDevice>()> makeAudioDevice;
    std::function<std::unique_ptr<VideoPlayer>()> makeVideoPlayer;
};

} // namespace kestrane
