#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace kestrane {

struct AppContext;
class FileSystem;
class Screen;

// The probe pattern that marks a folder or drive as holding the photographs.
inline constexpr char16_t kPhotoProbe[] = u"\\kestranes\\*.jpg";

// True only when the whole command line after the program name is exactly "HWI".
bool isHwiCommandLine(const QStringList& arguments);

struct DiscSearchResult
{
    QString cdRoot;    // "E:", empty when no drive holds the disc
    QString photoRoot; // the program folder when it holds a complete copy of the photographs, else cdRoot
};

// Where the disc the user chose in the ER001 box is remembered, to be tried first at the next start.
inline constexpr char16_t kDiscSettingsApp[] = u"Kestrane Omnivar";
inline constexpr char16_t kDiscSettingsSection[] = u"Disc";
inline constexpr char16_t kDiscSettingsKey[] = u"Location";

// One pass of the disc search: the program folder, then `preferred` (a host folder, disc image or
// drive the user named; may be empty), then the drive letters D to Z. A drive that is not ready
// is skipped.
DiscSearchResult searchDisc(const FileSystem& fileSystem, const QString& preferred = {});

// The start-up sound "passby.wav": in the program folder, or else among the program's own files
// in the data folder of an installed program. The program folder's name when neither has it.
QString startupSoundFile(const FileSystem& fileSystem);

// The entries of both year lists of the print panel: "1953".."1982", "1984".."2002", "ZR-1".
QStringList yearListEntries();

// True when the screen is exactly width by height pixels of 15 twips each.
bool IsScreenResolution(const Screen& screen, qint32 width, qint32 height);

// What the steps of the start-up sequence call outside this module.
struct StartupSteps
{
    std::function<void()> unloadSplash;
    // Plays the start-up sound by the player's close, type, file name, open, play.
    std::function<void(const QString& path)> playStartupSound;
    // Starts the splash timer that opens the main window.
    std::function<void()> startSplashTimer;
    // LoadPhotoArray.
    std::function<void()> loadPhotoCatalogue;
};

enum class StartupResult { Ready, AlreadyRunning, Ended };

// The start-up sequence run by the splash window's load (everything before its timer).
StartupResult runStartupSequence(AppContext& context, const QStringList& arguments,
                                 const StartupSteps& steps);

// The splash timer's sizing rule for the main window.
struct MainWindowSizing
{
    bool optimumScreen = false; // 800 by 600 at 15 twips per pixel
    int widthTwips = 11994;     // applied when the screen is not optimum
    int heightTwips = 9100;
};
MainWindowSizing mainWindowSizing(const Screen& screen);

} // namespace kestrane
