#include "shell/main_window_rules.h"

#include "platform/services.h"
#include "platform/settings_store.h"
#include "shell/startup.h"
#include "state/app_context.h"

#include <array>
#include <cmath>

namespace kestrane {

QString EscapeAmpersands(QString text)
{
    QString result;
    for (qsizetype p = text.indexOf(u'&'); p >= 0; p = text.indexOf(u'&')) {
        result += text.left(p + 1) + u'&';
        text = text.mid(p + 1);
    }
    return result + text;
}

QString numberWithSignBlank(double value)
{
    // Single precision shows at most seven significant digits.
    const QString digits = QString::number(static_cast<float>(value), 'g', 7);
    return value < 0 ? digits : u' ' + digits;
}

MessageBoxRequest screenResolutionMessage(const Screen& screen)
{
    MessageBoxRequest box;
    box.title = QString::fromUtf16(kAppTitle);
    box.buttons = MsgButtons::Ok;
    const QString br = u"\r\n"_qs;
    if (IsScreenResolution(screen, 800, 600)) {
        box.icon = MsgIcon::None;
        box.text = u"Your current screen resolution is set at 800x600."_qs + br + br +
                   u"This is the optimum setting for the Kestrane Omnivar!"_qs;
        return box;
    }
    const float w = static_cast<float>(screen.widthTwips()) / 15.0f;
    const float h = static_cast<float>(screen.heightTwips()) / 15.0f;
    box.icon = MsgIcon::Exclamation;
    box.text = u"Your current screen resolution is set at "_qs + numberWithSignBlank(w) + u" by"_qs +
               numberWithSignBlank(h) + u" pixles."_qs + br + br +
               u"The optimum setting for the Kestrane Omnivar is 800 by 600 pixels."_qs + br + br +
               u"Also, The Kestrane Omnivar requires that the Small Fonts display setting is selected."_qs +
               br + br + u"To change your resolution and font size settings perform the following steps:"_qs +
               br + u"    1)  Click the right mouse button while the cursor is on the Windows desktop."_qs +
               br + u"    2)  Select the Properties option from the window that will be displayed."_qs + br +
               u"    3)  Select the Settings tab."_qs + br +
               u"    4)  Adjust the Screen area Slide control to 800x600."_qs + br +
               u"    5)  You may also want to set the Colors to the highest level allowed by your"_qs + br +
               u"         graphics card."_qs + br + u"    6)  To change the font size setting:"_qs + br +
               u"          Click the Advanced button on the bottom right of the above window."_qs + br +
               u"          Select Small Fonts from the font size drop-down list box."_qs + br + br +
               u"You may now have to re-start your computer for the new settings to take affect."_qs + br;
    return box;
}

void CheckScreenResolution(AppContext& context)
{
    context.platform.dialogs->messageBox(screenResolutionMessage(*context.platform.screen));
}

namespace {

// Far beyond any screen (about 66,000 pixels), still well inside the pixel counts of a window.
constexpr double kMaxPlacementTwips = 1'000'000;

constexpr std::array<const char16_t*, 4> kPlacementKeys = {u"MainLeft", u"MainTop", u"MainWidth",
                                                           u"MainHeight"};

QString appName()
{
    return QString::fromUtf16(kAppTitle);
}

QString decimalText(double value)
{
    return QString::number(static_cast<float>(value), 'g', 7);
}

} // namespace

WindowPlacement readPlacement(const SettingsStore& settings, const Screen& screen)
{
    const std::array<double, 4> defaults = {0, 0, double(screen.widthTwips()), double(screen.heightTwips())};
    std::array<double, 4> values{};
    for (size_t i = 0; i < kPlacementKeys.size(); ++i) {
        const QString text = settings.value(appName(), QString::fromUtf16(kSettingsSection),
                                            QString::fromUtf16(kPlacementKeys[i]), decimalText(defaults[i]));
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        // A damaged file can hold any number: only one a screen could have is a placement.
        const bool size = i >= 2;
        ok = ok && std::isfinite(value) && std::abs(value) <= kMaxPlacementTwips && (!size || value > 0);
        values[i] = ok ? value : defaults[i];
    }
    return {values[0], values[1], values[2], values[3]};
}

void writePlacement(SettingsStore& settings, const WindowPlacement& placement)
{
    const std::array<double, 4> values = {placement.left, placement.top, placement.width, placement.height};
    for (size_t i = 0; i < kPlacementKeys.size(); ++i)
        settings.setValue(appName(), QString::fromUtf16(kSettingsSection),
                          QString::fromUtf16(kPlacementKeys[i]), decimalText(values[i]));
}

QString toggleTaskbar(AppContext& context, const QString& caption,
                      const std::function<void(const WindowPlacement&)>& coverScreen)
{
    WindowManager& windows = *context.platform.windowManager;
    context.state.disc.taskbarHandle = windows.findWindow(QString::fromUtf16(kTaskbarClass));
    if (caption != QString::fromUtf16(kHideStatusBar)) {
        showTaskbar(context);
        return QString::fromUtf16(kHideStatusBar);
    }
    windows.showWindow(context.state.disc.taskbarHandle, ShowCommand::Hide);
    const Screen& screen = *context.platform.screen;
    if (coverScreen)
        coverScreen({0, 0, screen.widthTwips() + 100.0, screen.heightTwips() + 100.0});
    // Changed last, so the resize events of the new size leave the taskbar hidden.
    return QString::fromUtf16(kShowStatusBar);
}

QString taskbarAfterResize(AppContext& context, const QString& caption)
{
    if (caption != QString::fromUtf16(kHideStatusBar))
        showTaskbar(context);
    return QString::fromUtf16(kHideStatusBar);
}

void showTaskbar(AppContext& context)
{
    context.platform.windowManager->showWindow(context.state.disc.taskbarHandle, ShowCommand::ShowNormal);
}

} // namespace kestrane
