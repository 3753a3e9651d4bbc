// The menu items of the main window worked as a screen reader and as the keyboard work them, and
// every window the program opens announced as a window under its own title.
#include "platform/qt/qt_dialogs.h"
#include "walked_program.h"

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>

using namespace kestrane;
using namespace kestrane::test;

namespace {

// A menu item and the menus that lead to it from the menu bar.
struct MenuPath
{
    QList<QAction*> menus;
    QAction* item = nullptr;
};

void collect(const QList<QAction*>& actions, QList<QAction*> menus, QList<MenuPath>& paths)
{
    for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible())
            continue;
        if (a->menu()) {
            collect(a->menu()->actions(), menus + QList<QAction*>{a}, paths);
            continue;
        }
        paths << MenuPath{menus, a};
    }
}

QList<MenuPath> menuItems(const Program& program)
{
    QList<MenuPath> paths;
    collect(program.main()->menuBar()->actions(), {}, paths);
    return paths;
}

enum class Way { Action, Keys };

// The item's own entry in the accessible tree of its menu (or the menu bar), pressed.
QString pressByAction(Program& program, const MenuPath& path)
{
    QWidget* owner =
        path.menus.isEmpty() ? static_cast<QWidget*>(program.main()->menuBar()) : path.menus.last()->menu();
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(owner);
    for (int i = 0; menu && i < menu->childCount(); ++i) {
        QAccessibleInterface* entry = menu->child(i);
        if (!entry || entry->object() != path.item)
            continue;
        QAccessibleActionInterface* actions = entry->actionInterface();
        if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
            return u"offers no press action"_qs;
        actions->doAction(QAccessibleActionInterface::pressAction());
        return {};
    }
    return u"is missing from the accessible menu"_qs;
}

// Arrows move the marked entry until `target` is marked; false when it never is.
bool markByArrows(QWidget* bar, const std::function<QAction*()>& marked, QAction* target, Qt::Key arrow)
{
    for (int presses = 0; presses < 60 && marked() != target; ++presses)
        QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : bar, arrow);
    return marked() == target;
}

// Alt marks the menu bar; the arrows go to the item, opening each menu on the way; Enter chooses it.
QString chooseByKeys(Program& program, const MenuPath& path)
{
    QMainWindow* form = program.main();
    QMenuBar* bar = form->menuBar();
    form->activateWindow();
    QApplication::setActiveWindow(form);
    QTest::keyClick(form, Qt::Key_Alt, Qt::AltModifier);
    if (!bar->activeAction())
        return u"Alt does not reach the menu bar"_qs;
    auto onBar = [bar] { return bar->activeAction(); };
    const QList<QAction*> chain = path.menus + QList<QAction*>{path.item};
    if (!markByArrows(bar, onBar, chain.first(), Qt::Key_Right))
        return u"the arrows do not reach it on the menu bar"_qs;
    for (qsizetype level = 1; level < chain.size(); ++level) {
        QMenu* menu = chain[level - 1]->menu();
        // Down opens a menu of the bar, Right the submenu of a menu.
        QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : bar,
                        level == 1 ? Qt::Key_Down : Qt::Key_Right);
        if (QApplication::activePopupWidget() != menu)
            return u"the keys do not open "_qs + chain[level - 1]->objectName();
        auto inMenu = [menu] { return menu->activeAction(); };
        if (!markByArrows(bar, inMenu, chain[level], Qt::Key_Down))
            return u"the arrows do not reach it in "_qs + chain[level - 1]->objectName();
    }
    QTest::keyClick(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : bar,
                    Qt::Key_Return);
    return {};
}

// Works every item of the menus on one copy of the program (a new one when an item ended it or
// left the item out of reach) and expects the item chosen as a click chooses it.
void walkMenus(Way way)
{
    auto program = std::make_unique<Program>();
    const int count = int(menuItems(*program).size());
    for (int index = 0; index < count; ++index) {
        auto reachable = [&] {
            if (!program->main() || !program->main()->isVisible() || !program->main()->isEnabled() ||
                program->fake.app.ended || index >= menuItems(*program).size())
                return false;
            const MenuPath path = menuItems(*program)[index];
            for (QAction* a : path.menus + QList<QAction*>{path.item})
                if (!a->isEnabled())
                    return false;
            return true;
        };
        if (!reachable()) {
            program.reset();
            program = std::make_unique<Program>();
        }
        const MenuPath path = menuItems(*program)[index];
        const std::string name = path.item->objectName().toStdString();
        int chosen = 0;
        const QMetaObject::Connection counting =
            QObject::connect(path.item, &QAction::triggered, [&chosen] { ++chosen; });
        OpenedWindows opened;
        opened.surface = program->main();
        qApp->installEventFilter(&opened);
        const QString problem =
            way == Way::Action ? pressByAction(*program, path) : chooseByKeys(*program, path);
        QCoreApplication::processEvents();
        qApp->removeEventFilter(&opened);
        QObject::disconnect(counting);
        EXPECT_TRUE(problem.isEmpty()) << name << " " << problem.toStdString();
        EXPECT_EQ(chosen, 1) << name << " is not chosen as by a click";
        EXPECT_TRUE(opened.faults.isEmpty())
            << name << " opens a window that " << opened.faults.join(u"; "_qs).toStdString();
        // A menu left open would take the next item's keys.
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        program->closeSecondaryWindows();
    }
    std::cout << "[ walked   ] menu bar of Form1: " << count << " items\n";
}

// What a window shows on opening, as a screen reader announces it.
struct Announced
{
    QString title;
    QString fault;
};

Announced openAndHear(Program& program, const Surface& surface)
{
    Announced heard{{}, u"did not open"_qs};
    EXPECT_TRUE(whileOpen(program, surface, [&heard](QWidget* window) {
        if (!window)
            return;
        heard = {window->windowTitle(), announcementFault(window)};
        // A panel of the main window is no window of its own.
        if (!window->isWindow())
            heard = {};
    })) << surface.name;
    return heard;
}

} // namespace

TEST(Windows, EveryWindowIsAnnouncedAsAWindowUnderItsExactTitle)
{
    const std::map<std::string, QString> titles = {
        {"Form1", u"The Kestrane Omnivar  2002"_qs},
        {"frmSlide", u"Kestrane Omnivar Slide Show"_qs},
        {"txtForm", u"The Kestrane Omnivar     1957 Description"_qs},
        {"frmMovies", u"Movies"_qs},
        {"frmAbout", u"About The Kestrane Omnivar"_qs},
        {"frmHelp", u"The Kestrane Omnivar 2002 Help - Contents"_qs},
        {"frmSearch", u"The Kestrane Omnivar     Search"_qs},
        {"frmSSPhoto", u"The Kestrane Omnivar"_qs},
        {"frmScroll", u"The Kestrane Omnivar    Penrow: The Illustrated Kestrane Series"_qs},
    };
    int windows = 0;
    for (const Surface& surface : surfaces()) {
        Program program;
        const Announced heard = openAndHear(program, surface);
        if (heard.title.isEmpty() && heard.fault.isEmpty())
            continue;
        ++windows;
        EXPECT_TRUE(heard.fault.isEmpty()) << surface.name << " " << heard.fault.toStdString();
        ASSERT_TRUE(titles.count(surface.name)) << surface.name << " is a window without a known title";
        EXPECT_EQ(heard.title, titles.at(surface.name)) << surface.name;
    }
    EXPECT_EQ(windows, int(titles.size()));
}

TEST(Windows, AMessageBoxOfTheProgramIsAnnouncedAsAnAlertUnderItsTitle)
{
    // The program's own boxes, not the test's scripted ones.
    QtDialogs realBoxes;
    Program program([&realBoxes](Platform& platform) { platform.dialogs = &realBoxes; });
    OpenedWindows opened;
    qApp->installEventFilter(&opened);
    QString role;
    QTimer::singleShot(0, program.main(), [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible())
                role = QString::number(QAccessible::queryAccessibleInterface(box)->role());
    });
    program.trigger(names::mnuCheckScreen);
    qApp->removeEventFilter(&opened);
    EXPECT_EQ(opened.opened, QStringList{u"MessageBox 'The Kestrane Omnivar 2002'"_qs});
    EXPECT_EQ(opened.faults, QStringList());
    EXPECT_EQ(role, QString::number(QAccessible::AlertMessage));
}

TEST(MenuWalk, EveryMenuItemIsChosenByItsAccessiblePressAction)
{
    walkMenus(Way::Action);
}

TEST(MenuWalk, EveryMenuItemIsReachedWithAltAndTheArrowsAndChosenWithEnter)
{
    walkMenus(Way::Keys);
}

TEST(MenuWalk, F10OpensTheFirstMenuForTheArrows)
{
    Program program;
    QMainWindow* form = program.main();
    form->activateWindow();
    QApplication::setActiveWindow(form);
    QTest::keyClick(form, Qt::Key_F10);
    auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->objectName(), u"mnuFile"_qs);
    open->close();
}
