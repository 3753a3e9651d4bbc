#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace kestrane {

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setImage(const QImage& image) = 0;
    virtual void setText(const QString& text) = 0;
};

// Starting outside programs and opening web addresses.
class Processes
{
public:
    virtual ~Processes() = default;
    // Starts a program and waits for its end; false when it could not be started.
    virtual bool runAndWait(const QString& program, const QStringList& arguments, int* exitCode) = 0;
    virtual bool start(const QString& program, const QStringList& arguments) = 0;
    virtual bool openUrl(const QString& url) = 0;
    // Full path of a program found on the search path, or empty when there is none.
    virtual QString findProgram(const QString& name) = 0;
};

// Show-window commands of the original window manager.
enum class ShowCommand { Hide = 0, ShowNormal = 1 };

class WindowManager
{
public:
    virtual ~WindowManager() = default;
    // Handle of a top-level window of another program by its class name, 0 when there is none.
    virtual quintptr findWindow(const QString& className) = 0;
    virtual void showWindow(quintptr handle, ShowCommand command) = 0;
    virtual void setAlwaysOnTop(QWidget* window, bool onTop) = 0;
};

// The screen and the pointer.
class Screen
{
public:
    virtual ~Screen() = default;
    virtual int widthTwips() const = 0;
    virtual int heightTwips() const = 0;
    virtual int twipsPerPixelX() const = 0;
    virtual int twipsPerPixelY() const = 0;
    virtual void setBusy(bool busy) = 0; // the hourglass pointer
    // The part of the screen that windows may cover (without task bars and panels), in pixels.
    virtual QRect availableArea() const
    {
        return {0, 0, widthTwips() / qMax(1, twipsPerPixelX()), heightTwips() / qMax(1, twipsPerPixelY())};
    }
};

// The process itself: single instance and the immediate end.
class AppControl
{
public:
    virtual ~AppControl() = default;
    // False when another copy of the program runs for this user.
    virtual bool acquireSingleInstance() = 0;
    // Ends the program at once: no window is asked, no settings are saved.
    virtual void endProgram() = 0;
    virtual bool endRequested() const = 0;
};

} // namespace kestrane
