#include "periphery/ui/scroll_viewer.h"

#include "common/picture_file.h"
#include "common/ui/window_registry.h"
#include "periphery/ui/scroll_window.h"
#include "platform/platform.h"

namespace kestrane {

LargeImageViewer::LargeImageViewer(AppContext& context, QWidget* owner) : m_context(context), m_owner(owner)
{
}

ScrollWindow* LargeImageViewer::window() const
{
    auto* viewer =
        m_context.windows ? m_context.windows->as<ScrollWindow>(WindowRegistry::LargeImage) : nullptr;
    return viewer && !viewer->isUnloaded() ? viewer : nullptr;
}

void LargeImageViewer::unload()
{
    if (ScrollWindow* viewer = window())
        viewer->unload();
}

bool LargeImageViewer::showPicture(const QString& discPath, const QString& caption)
{
    const QImage picture = readPicture(*m_context.platform.fileSystem, discPath);
    if (picture.isNull())
        return false;
    unload();
    auto* viewer = new ScrollWindow(m_context, m_owner);
    viewer->setWindowTitle(caption);
    viewer->setPicture(picture, discPath);
    viewer->showFillingScreen();
    return true;
}

} // namespace kestrane
