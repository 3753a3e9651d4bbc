#pragma once

#include "platform/dialogs.h"

#include <QString>

#include <functional>

namespace kestrane {

struct AppContext;
class Screen;
class SettingsStore;

// The caption of the first magazine item and of any text put into a menu: every "&" doubled, so
// the character shows instead of marking an access key.
QString EscapeAmpersands(QString text);

// A number as the original's Str() gives it: a leading blank in place of a plus sign.
QString numberWithSignBlank(double value);

// mnuCheckScreen: the box for the current screen, titled with the application title.
MessageBoxRequest screenResolutionMessage(const Screen& screen);
void CheckScreenResolution(AppContext& context);

// The main window's placement as stored between runs, in twips.
struct WindowPlacement
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

inline constexpr char16_t kSettingsSection[] = u"Settings";

// Reads MainLeft, MainTop, MainWidth, MainHeight (in this order). Missing keys give 0, 0 and the
// screen's width and height; a value that is not a number gives its key's default too.
WindowPlacement readPlacement(const SettingsStore& settings, const Screen& screen);
// Writes the four keys in the same order, as decimal text.
void writePlacement(SettingsStore& settings, const WindowPlacement& placement);

// The taskbar toggle; the caption of mnuHideStatus holds its state.
inline constexpr char16_t kHideStatusBar[] = u"HideStatusBar"; // taskbar shown
inline constexpr char16_t kShowStatusBar[] = u"ShowStatusBar"; // hidden by the program
inline constexpr char16_t kTaskbarClass[] = u"Shell_TrayWnd";

// mnuHideStatus click: hides or shows the taskbar and returns the item's new caption. When hiding,
// `coverScreen` is called with the window's new geometry in twips before the caption changes.
QString toggleTaskbar(AppContext& context, const QString& caption,
                      const std::function<void(const WindowPlacement&)>& coverScreen);
// The main window's resize rule: any caption but "HideStatusBar" brings the taskbar back.
QString taskbarAfterResize(AppContext& context, const QString& caption);
// Show-normal on the taskbar handle; harmless while it is 0.
void showTaskbar(AppContext& context);

} // namespace kestrane
