#include "common/ui/window_registry.h"

#include "common/ui/shared_routines.h"

namespace kestrane {

void WindowRegistry::closePlayList(AppContext& context)
{
    if (QWidget* playList = window(PlayList)) {
        SetWindowOnTop(context, playList, kFalse);
        playList->close();
    }
}

void WindowRegistry::closeIfShown(Window which)
{
    if (QWidget* w = window(which); w && w->isVisible())
        w->close();
}

} // namespace kestrane
