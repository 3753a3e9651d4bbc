#pragma once

#include "platform/services.h"

#include <QLockFile>

#include <memory>

namespace kestrane {

class QtClipboard : public Clipboard
{
public:
    void clear() override;
    void setImage(const QImage& image) override;
    void setText(const QString& text) override;
};

class QtProcesses : public Processes
{
public:
    bool runAndWait(const QString& program, const QStringList& arguments, int* exitCode) override;
    bool start(const QString& program, const QStringList& arguments) override;
    bool openUrl(const QString& url) override;
    QString findProgram(const QString& name) override;
};

// There is no taskbar window of the original kind on X11 or Wayland: its handle is 0 and
// showing or hiding it does nothing.
class QtWindowManager : public WindowManager
{
public:
    quintptr findWindow(const QString& className) override;
    void showWindow(quintptr handle, ShowCommand command) override;
    void setAlwaysOnTop(QWidget* window, bool onTop) override;
};

// Screen sizes in twips: logical pixels times 1440 over the logical DPI.
class QtScreen : public Screen
{
public:
    int widthTwips() const override;
    int heightTwips() const override;
    int twipsPerPixelX() const override;
    int twipsPerPixelY() const override;
    void setBusy(bool busy) override;
    QRect availableArea() const override;

private:
    bool m_busy = false;
};

// A per-user lock file, which the next start takes over when the copy that held it has died.
class QtAppControl : public AppControl
{
public:
    explicit QtAppControl(QString lockPath = {});
    bool acquireSingleInstance() override;
    void endProgram() override;
    bool endRequested() const override { return m_endRequested; }

    static QString defaultLockPath();

private:
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_lock;
    bool m_endRequested = false;
};

} // namespace kestrane
