#pragma once

#include <QString>

namespace kestrane {

class SettingsStore;
struct AppContext;

// The play list of the screen saver: a folder under the program folder.
inline constexpr char16_t kPlayListFolder[] = u"\\sskestys\\";
// The screen-saver program as the product ships it, in the program folder.
inline constexpr char16_t kSaverProgram[] = u"Kestrane2002.scr";

// Where the installer leaves the screen saver's settings and the screen saver finds them.
inline constexpr char16_t kSaverSection[] = u"Settings";
inline constexpr char16_t kIntervalKey[] = u"Interval";
inline constexpr char16_t kFolderKey[] = u"KestranesDir";
// "SCRNSAVE: " and the application title.
QString saverApplicationName();

struct SaverSettings
{
    int intervalSeconds = 0; // 1..60
    QString folder;          // with its trailing backslash; empty when never installed
};

// Interval in seconds as a plain number, and the photo folder.
void writeSaverSettings(SettingsStore& store, qint32 slideIntervalMs, const QString& folder);
// A missing or unreadable interval reads as 5 seconds; others are kept within 1..60.
SaverSettings readSaverSettings(const SettingsStore& store);

// Where the photos shown by the screen saver come from.
enum class SaverFolder {
    Selected,  // the play list
    OnDisk,    // the photos copied to the hard drive
    AskToCopy, // neither: offer to copy them first
    Disc,      // the disc's own photos, when the copy was declined or did not complete
};
SaverFolder chooseSaverFolder(bool selectedChosen, bool photosOnDisk);
// The folder recorded for a choice; a copy still to be offered counts as the disc's.
QString saverFolderPath(SaverFolder choice, const QString& programFolder, const QString& cdRoot);

inline constexpr char16_t kCopyForSaverQuestion[] =
    u"To improve performance, the Kestrane photos may be copied from\r\n"
    u"the Kestrane Omnivar CDROM to your hard drive before you install\r\n"
    u"the Kestrane Omnivar Screen Saver.\r\n"
    u"\r\n"
    u"Would you like to copy the photos now?";

inline constexpr char16_t kSaverInstalled[] =
    u"The Kestrane Omnivar Screen Saver has been installed!\r\n"
    u"\r\n"
    u"If you have not already done so, you must now activate \r\n"
    u"the Kestrane Omnivar Screen Saver.\r\n"
    u"\r\n"
    u"To do this follow these steps:\r\n"
    u"    1) Click the Start button on the Windows desktop \r\n"
    u"    2) Click the Settings button                    \r\n"
    u"    3) Click on Control Panel                       \r\n"
    u"    4) Double click on the Display icon             \r\n"
    u"    5) Select the Screen Saver tab                  \r\n"
    u"    6) Click the dropdown arrow to the left of the Settings button\r\n"
    u"    7) Select Kestrane2002                              \r\n"
    u"    8) Click OK                            ";

// Records the settings and installs the screen-saver program (from the program folder, else the
// one shipped beside the executable) with its desktop entry. False, with the reason, when the
// program could not be installed; the settings are written by then.
bool installScreenSaver(AppContext& context, qint32 slideIntervalMs, const QString& folder, QString* reason);

} // namespace kestrane
