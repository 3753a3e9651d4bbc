#pragma once

#include "common/ui/main_window_controls.h"
#include "photos/slide_random.h"
#include "photos/slide_show.h"

#include <QObject>

#include <functional>

namespace kestrane {

struct AppContext;

// Starts the slide show from the main window: cmdSlide and the menu item mnuSlideShow. It owns
// the show's random generator, so that the slides drawn follow one sequence for the whole run of
// the program, and hands the slide chosen with Exit to the main window through `handOver`.
class SlideShowController : public QObject
{
    Q_OBJECT

public:
    // `optimumScreen` tells whether the screen is the 800 x 600 one that gets the compact layout.
    SlideShowController(AppContext& context, const MainWindowControls& controls,
                        std::function<bool()> optimumScreen, SlideShow::HandOver handOver);
    ~SlideShowController() override;

    // Opens frmSlide modally at the main window's top left, paused in mode Photos at the main
    // window's photograph; returns when it has closed.
    void openSlideShow();

    SlideRandom& random() { return m_random; }

private:
    AppContext& m_context;
    MainWindowControls m_w;
    std::function<bool()> m_optimumScreen;
    SlideShow::HandOver m_handOver;
    SlideRandom m_random;
};

} // namespace kestrane
