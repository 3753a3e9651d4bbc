#include "photos/ui/slide_show_controller.h"

#include "common/control_names.h"
#include "common/ui/window_registry.h"
#include "photos/slide_layout.h"
#include "photos/ui/slide_window.h"
#include "platform/services.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QAction>
#include <QMainWindow>

namespace kestrane {

SlideShowController::SlideShowController(AppContext& context, const MainWindowControls& controls,
                                         std::function<bool()> optimumScreen, SlideShow::HandOver handOver)
    : m_context(context), m_w(controls), m_optimumScreen(std::move(optimumScreen)),
      m_handOver(std::move(handOver))
{
    if (m_w.cmdSlide)
        connect(m_w.cmdSlide, &QAbstractButton::clicked, this, &SlideShowController::openSlideShow);
    if (QAction* item = m_w.menuItem(names::mnuSlideShow))
        connect(item, &QAction::triggered, this, &SlideShowController::openSlideShow);
}

SlideShowController::~SlideShowController() = default;

void SlideShowController::openSlideShow()
{
    AppContext& context = m_context;
    if (findSlideWindow(context) || !context.platform.clock)
        return;
    if (context.windows)
        context.windows->closePlayList(context);
    context.state.slides.startedFromMain = kTrue;

    const Screen& screen = *context.platform.screen;
    const int tppX = qMax(1, screen.twipsPerPixelX());
    const int tppY = qMax(1, screen.twipsPerPixelY());
    const bool compact = m_optimumScreen && m_optimumScreen();
    const SlideLayout layout =
        slideLayout(compact, slideScale(screen.widthTwips() / tppX, screen.heightTwips() / tppY), tppX);

    auto* show = new SlideShow(context, m_random, *context.platform.clock);
    show->setHandOver(m_handOver);
    auto* window = new SlideWindow(context, *show, m_w.form, layout);
    if (m_w.form)
        window->move(m_w.form->pos());
    show->start();
    window->showModal();
    context.state.slides.slideShowRunning = kTrue;
}

} // namespace kestrane
