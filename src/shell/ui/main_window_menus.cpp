// Form1's menu bar, built from the menu table. Items whose work belongs to other subsystems are
// present and enabled; their controllers connect to the QActions by name.
#include "shell/ui/main_window.h"

#include "common/control_names.h"
#include "shell/main_window_rules.h"
#include "shell/menu_table.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace kestrane {

void MainWindow::setupMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(u"menuBar"_qs);
    for (const MenuItem& item : menuTable()) {
        const QString name = menuObjectName(item);
        const QString caption = QString::fromUtf16(item.caption);
        QMenu* parent = item.parent ? m_menus.value(QString::fromUtf16(item.parent)) : nullptr;
        if (parent && item.separatorBefore)
            parent->addSeparator();
        QAction* action = nullptr;
        if (isSubmenu(item)) {
            QMenu* menu = parent ? parent->addMenu(caption) : bar->addMenu(caption);
            menu->setObjectName(name);
            // File opens with a separator line; Qt would hide a leading one.
            menu->setSeparatorsCollapsible(false);
            // Items start at the menu's edge otherwise, and the border covers that first line.
            menu->setContentsMargins(0, 3, 0, 3);
            m_menus.insert(name, menu);
            action = menu->menuAction();
        } else {
            action = parent ? parent->addAction(caption) : bar->addAction(caption);
        }
        action->setObjectName(name);
        m_controls.menuItems.insert(name, action);
    }
    // F10 opens the first menu, as on the common desktops (Alt alone only marks the bar).
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, bar, [bar] {
        for (QAction* menu : bar->actions()) {
            if (menu->isVisible() && menu->isEnabled()) {
                bar->setActiveAction(menu);
                return;
            }
        }
    });
    m_controls.mnuNames = menuAction(names::name(names::mnuNames));
    m_controls.mnuWeb = menuAction(names::name(names::mnuWeb));

    connect(menuAction(names::name(names::mnuExit)), &QAction::triggered, this, &QWidget::close);
    connect(menuAction(names::name(names::mnuExit2)), &QAction::triggered, this, &QWidget::close);
    connect(menuAction(names::name(names::mnuCheckScreen)), &QAction::triggered, this,
            [this] { CheckScreenResolution(m_context); });
    connect(menuAction(names::name(names::mnuHideStatus)), &QAction::triggered, this,
            &MainWindow::toggleTaskbar);
}

} // namespace kestrane
