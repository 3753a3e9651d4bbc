#pragma once

// A copy of the whole program for the accessibility walks, what a user can tell about it, and the
// windows its controls open.
#include "common/ui/main_window_controls.h"
#include "platform/fakes/fake_platform.h"
#include "shell/ui/application.h"
#include "shell/ui/main_window.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace kestrane::test {

// One copy of the program over the small demo disc on a 1024 by 768 screen, with its help installed
// and 1957 chosen.
// `beforeStart` may swap platform services (a real message box) before the program starts.
struct Program
{
    explicit Program(const std::function<void(Platform&)>& beforeStart = {});
    ~Program();

    FakePlatform fake;
    std::unique_ptr<Application> app;

    MainWindow* main() const { return app->mainWindow(); }
    const MainWindowControls& w() const { return main()->controls(); }
    void trigger(const char16_t* item) const;
    void closeSecondaryWindows() const;
    // Everything the user could tell about the program now: its windows, what they show, and what
    // reached the platform (boxes, sounds, movies, programs started, printing, clipboard).
    QStringList fingerprint() const;
};

// A window or panel the program opens, and how.
struct Surface
{
    const char* name;
    std::function<void(Program&)> open; // returns when a modal window has closed again
    std::function<QWidget*(Program&)> find;
};

// Every window and panel of the program, the main window first.
const std::vector<Surface>& surfaces();

// Opens the surface and, while it is open (inside the loop of a modal window), runs `work` on it,
// then closes every secondary window. `work` gets null when the surface did not open; false when it
// never ran.
bool whileOpen(Program& program, const Surface& surface, const std::function<void(QWidget*)>& work);

// The shown top-level window of that name, or null.
QWidget* topLevel(const QString& name);

// What assistive technology hears of a window that opens; empty when it is announced as a window,
// dialog or alert under its own title.
QString announcementFault(QWidget* window);

// A window that a control opens is noted (and how it is announced) and closed, so that modal loops
// return.
class OpenedWindows : public QObject
{
public:
    QWidget* surface = nullptr; // the window the walk works in, not noted
    QStringList opened;         // "objectName 'title'"
    QStringList faults;         // what announcementFault said of each

    ~OpenedWindows() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Presses Tab (and, among option buttons, the arrows) until `control` has the focus; gives up after
// a few hundred keys. Notes whether an arrow chose an option on the way.
void focusByKeys(QWidget* control, bool* choseOnTheWay = nullptr);

} // namespace kestrane::test
