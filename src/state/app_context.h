#pragma once

#include "platform/platform.h"
#include "state/app_state.h"

namespace kestrane {

class WindowRegistry;

// What the error reporter and other routines need from the main window, without knowing its widgets.
class MainWindowPort
{
public:
    virtual ~MainWindowPort() = default;
    // Raises cmdYR(index) to the front of the z-order without moving the keyboard focus.
    virtual void bringYearButtonToFront(int index) = 0;
    virtual void setMainWindowEnabled(bool enabled) = 0;
};

// The state, the platform services and the main window, as one handle for windows and routines.
struct AppContext
{
    AppState& state;
    Platform& platform;
    MainWindowPort* mainWindow = nullptr; // set while Form1 exists
    WindowRegistry* windows = nullptr;    // the application's secondary windows
};

} // namespace kestrane
