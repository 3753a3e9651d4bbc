#include "periphery/ui/about_menu.h"

#include "common/ui/window_registry.h"
#include "periphery/system_info.h"
#include "periphery/ui/about_window.h"
#include "periphery/web_links.h"
#include "platform/services.h"
#include "state/app_context.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>

namespace kestrane {

AboutMenu::AboutMenu(AppContext& context, const MainWindowControls& controls)
    : m_context(context), m_w(controls), m_info(loadAboutInfo(*context.platform.fileSystem))
{
    const auto connectItem = [this](const char16_t* name, void (AboutMenu::*handler)()) {
        if (QAction* item = m_w.menuItem(name))
            connect(item, &QAction::triggered, this, handler);
    };
    connectItem(names::mnuAbout, &AboutMenu::mnuAboutClick);
    connectItem(names::mnuSysInfo, &AboutMenu::mnuSysInfoClick);
    connectItem(names::mnuWeb, &AboutMenu::mnuWebClick);
    connectItem(names::mnuQXSoftware, &AboutMenu::mnuQXSoftwareClick);
}

void AboutMenu::mnuAboutClick()
{
    if (m_context.windows) {
        m_context.windows->closePlayList(m_context);
        // A box already up comes forward rather than a second one.
        if (QWidget* open = m_context.windows->window(WindowRegistry::About)) {
            open->raise();
            return;
        }
    }
    auto* box = new AboutWindow(m_context, m_info, m_w.form);
    box->exec();
}

void AboutMenu::mnuSysInfoClick()
{
    StartSystemInformation(m_context);
}

QString AboutMenu::selectionKey() const
{
    return m_w.panYear ? caption(m_w.panYear) : m_context.state.selection.selectionKey;
}

void AboutMenu::mnuWebClick()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    openWebAddress(*m_context.platform.processes, m_info.site(webSiteFor(selectionKey())));
}

void AboutMenu::mnuQXSoftwareClick()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    openWebAddress(*m_context.platform.processes, m_info.site(WebSite::Maker));
}

} // namespace kestrane
