#pragma once

#include <QPointer>
#include <QWidget>

namespace kestrane {

struct AppContext;

// The secondary windows of the program, each loaded on first reference and unloaded when closed.
// The application owns one registry; windows enter themselves when they load, and the handlers
// that open other windows ask it instead of searching the screen. A window that has been deleted
// drops out by itself.
class WindowRegistry
{
public:
    enum Window {
        Reader,     // txtForm
        SlideShow,  // frmSlide
        PlayList,   // frmSSPhoto
        LargeImage, // frmScroll
        Movies,     // frmMovies
        About,      // frmAbout
        WindowCount
    };

    void enter(Window which, QWidget* window) { m_windows[which] = window; }
    // Forgets `window` if it is the one loaded as `which` (a window unloading itself).
    void leave(Window which, const QWidget* window)
    {
        if (m_windows[which] == window)
            m_windows[which] = nullptr;
    }
    QWidget* window(Window which) const { return m_windows[which].data(); }
    template <typename T> T* as(Window which) const { return qobject_cast<T*>(window(which)); }

    // Takes the play list out of the always-on-top layer and closes it, as most handlers do before
    // they open a window of their own.
    void closePlayList(AppContext& context);
    // Closes `which` when it is on the screen.
    void closeIfShown(Window which);

private:
    QPointer<QWidget> m_windows[WindowCount];
};

} // namespace kestrane
