// Every control of every window and panel the program opens, worked three ways on fresh copies of
// the program: a mouse click, its accessible action (as a screen reader works it) and the keyboard
// alone (Tab to it, then Space, an arrow or Home). The program must end up the same each time.
#include "common/ui/spin_button.h"
#include "walked_program.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>
#include <set>

using namespace kestrane;
using namespace kestrane::test;

namespace {

// One thing a user does with a control, as the mouse, a screen reader and the keyboard do it.
struct Gesture
{
    QString name;
    QPointer<QWidget> control;
    std::function<void()> click = {};
    // Each returns what went wrong, or nothing; the action sees what the click led to.
    std::function<QString(const QStringList& afterClick)> action = {};
    std::function<QString()> keys = {};
    // The keyboard steps by its own amount: the same controls must change, not to the same values.
    bool keysStepTheirOwnWay = false;
    QString kind = u"buttons"_qs;
};

QString nameOf(const QWidget* control, const QString& text = {})
{
    return control->objectName().isEmpty() ? u"(unnamed) '"_qs + text + u'\'' : control->objectName();
}

QAccessibleActionInterface* actionsOf(QAccessibleInterface* iface, const QString& wanted)
{
    QAccessibleActionInterface* actions = iface ? iface->actionInterface() : nullptr;
    return actions && actions->actionNames().contains(wanted) ? actions : nullptr;
}

QString reachByTab(QWidget* control)
{
    focusByKeys(control);
    return QApplication::focusWidget() == control ? QString() : u"cannot be reached with Tab"_qs;
}

Gesture pressButton(QAbstractButton* button)
{
    Gesture g{nameOf(button, button->text()), button};
    g.click = [button] {
        // A check box or option button reacts only over its mark and caption, not its whole width.
        const bool marked = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          marked ? QPoint(8, button->height() / 2) : button->rect().center());
    };
    g.action = [button](const QStringList&) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
        for (const QString& a :
             {QAccessibleActionInterface::toggleAction(), QAccessibleActionInterface::pressAction()}) {
            if (QAccessibleActionInterface* actions = actionsOf(iface, a)) {
                actions->doAction(a);
                return QString();
            }
        }
        return u"offers no press or toggle action"_qs;
    };
    g.keys = [button] {
        bool choseOnTheWay = false;
        focusByKeys(button, &choseOnTheWay);
        if (QApplication::focusWidget() != button)
            return u"cannot be reached with Tab"_qs;
        if (!choseOnTheWay || !button->isChecked())
            QTest::keyClick(button, Qt::Key_Space);
        return QString();
    };
    return g;
}

// Either arrow, once focused, steps both ways with Up and Down.
Gesture stepSpin(SpinButton* spin, bool up)
{
    QToolButton* arrow = up ? spin->upButton() : spin->downButton();
    QToolButton* other = up ? spin->downButton() : spin->upButton();
    Gesture g{nameOf(spin) + (up ? u" up"_qs : u" down"_qs), spin};
    g.kind = u"spin steps"_qs;
    g.click = [arrow] { QTest::mouseClick(arrow, Qt::LeftButton); };
    g.action = [spin, up](const QStringList&) {
        const QString wanted =
            up ? QAccessibleActionInterface::increaseAction() : QAccessibleActionInterface::decreaseAction();
        QAccessibleActionInterface* actions = actionsOf(QAccessible::queryAccessibleInterface(spin), wanted);
        if (!actions)
            return u"offers no "_qs + wanted + u" action"_qs;
        actions->doAction(wanted);
        return QString();
    };
    g.keys = [arrow, other, up] {
        QToolButton* focused = other->isEnabled() ? other : arrow;
        if (QString problem = reachByTab(focused); !problem.isEmpty())
            return problem;
        QTest::keyClick(focused, up ? Qt::Key_Up : Qt::Key_Down);
        return QString();
    };
    return g;
}

Gesture chooseSecondRow(QListWidget* list)
{
    Gesture g{nameOf(list) + u" row 2"_qs, list};
    g.kind = u"list rows"_qs;
    g.click = [list] {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    };
    g.action = [list](const QStringList&) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
        QAccessibleInterface* cell =
            iface && iface->tableInterface() ? iface->tableInterface()->cellAt(1, 0) : nullptr;
        QAccessibleActionInterface* actions = actionsOf(cell, QAccessibleActionInterface::toggleAction());
        if (!actions)
            return u"offers no toggle action on its rows"_qs;
        actions->doAction(QAccessibleActionInterface::toggleAction());
        return QString();
    };
    g.keys = [list] {
        if (QString problem = reachByTab(list); !problem.isEmpty())
            return problem;
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Down);
        return QString();
    };
    return g;
}

// The value a control shows in a fingerprint ("... value 12"), or -1.
int valueIn(const QStringList& fingerprint, const QString& name)
{
    for (const QString& line : fingerprint)
        if (line.startsWith(name + u' ') && line.contains(u" value "_qs))
            return line.section(u' ', -1).toInt();
    return -1;
}

// A scroll bar's arrow, or the groove past a slider's handle: towards the end, or back from it
// when the control stands there.
Gesture stepOnce(QAbstractSlider* slider)
{
    const bool back = slider->value() >= slider->maximum();
    const bool across = slider->orientation() == Qt::Horizontal;
    Gesture g{nameOf(slider) + (back ? u" back"_qs : u" forward"_qs), slider};
    g.keysStepTheirOwnWay = true;
    g.kind = u"scroll bars and sliders"_qs;
    g.click = [slider, back, across] {
        const int end = back ? 4 : (across ? slider->width() : slider->height()) - 4;
        QPoint at = across ? QPoint(end, slider->height() / 2) : QPoint(slider->width() / 2, end);
        if (auto* bar = qobject_cast<QScrollBar*>(slider)) {
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.orientation = bar->orientation();
            option.minimum = bar->minimum();
            option.maximum = bar->maximum();
            option.sliderPosition = bar->sliderPosition();
            option.pageStep = bar->pageStep();
            const auto arrow = back ? QStyle::SC_ScrollBarSubLine : QStyle::SC_ScrollBarAddLine;
            at = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar).center();
        }
        QTest::mouseClick(slider, Qt::LeftButton, {}, at);
    };
    g.action = [slider](const QStringList& afterClick) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(slider);
        QAccessibleValueInterface* value = iface ? iface->valueInterface() : nullptr;
        if (!value)
            return u"offers no value to set"_qs;
        value->setCurrentValue(valueIn(afterClick, slider->objectName()));
        return QString();
    };
    g.keys = [slider, back, across] {
        // Down and Right go towards a scroll bar's end; a slider's end is at the right or the top.
        const bool bar = qobject_cast<QScrollBar*>(slider);
        const Qt::Key key =
            across ? (back ? Qt::Key_Left : Qt::Key_Right) : (back == bar ? Qt::Key_Up : Qt::Key_Down);
        if (slider->focusPolicy() & Qt::TabFocus) {
            if (QString problem = reachByTab(slider); !problem.isEmpty())
                return problem;
            QTest::keyClick(slider, key);
            return QString();
        }
        // A bar that takes no focus is worked by the window's own keys.
        QWidget* window = slider->window();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != window)
            return u"its window does not take the keyboard"_qs;
        QTest::keyClick(focus, key);
        return QString();
    };
    return g;
}

bool inThisWindow(const QWidget* control, const QWidget* surface)
{
    return control->isVisible() && control->isEnabled() && control->window() == surface->window();
}

// What a user can work on the surface as it opens: buttons first, in creation order, then spin
// buttons, lists and scroll bars or sliders.
QList<Gesture> gestures(QWidget* surface)
{
    QList<Gesture> all;
    // A field's own clear button comes with the field, whose keys clear it.
    for (QAbstractButton* b : surface->findChildren<QAbstractButton*>())
        if (inThisWindow(b, surface) && !qobject_cast<QLineEdit*>(b->parentWidget()))
            all << pressButton(b);
    for (SpinButton* spin : surface->findChildren<SpinButton*>())
        if (inThisWindow(spin, surface))
            all << stepSpin(spin, true) << stepSpin(spin, false);
    for (QListWidget* list : surface->findChildren<QListWidget*>())
        if (inThisWindow(list, surface) && list->count() >= 2)
            all << chooseSecondRow(list);
    // A list's own scroll bars have no name and come with the list.
    for (QAbstractSlider* slider : surface->findChildren<QAbstractSlider*>())
        if (inThisWindow(slider, surface) && !slider->objectName().isEmpty() &&
            !slider->objectName().startsWith(u"qt_"_qs) && slider->maximum() > slider->minimum())
            all << stepOnce(slider);
    return all;
}

enum class Way { Untouched, Click, Action, Keys };

struct Trial
{
    QStringList result; // what the program shows then; empty when the surface did not open
    QString name;       // the gesture's, empty past the last
    QString problem;
    bool keysStepTheirOwnWay = false;
    QString kind;
};

// Opens a fresh program, works gesture `index` of the surface one way and tells what it shows then.
Trial trial(const Surface& surface, int index, Way way, const QStringList& afterClick = {})
{
    Program program;
    Trial t;
    OpenedWindows opened;
    const bool ran = whileOpen(program, surface, [&](QWidget* area) {
        if (!area) {
            t.problem = u"did not open"_qs;
            return;
        }
        const QList<Gesture> all = gestures(area);
        if (index >= all.size())
            return;
        const Gesture& g = all[index];
        t.name = g.name;
        t.keysStepTheirOwnWay = g.keysStepTheirOwnWay;
        t.kind = g.kind;
        opened.surface = area;
        qApp->installEventFilter(&opened);
        if (way == Way::Click)
            g.click();
        else if (way == Way::Action)
            t.problem = g.action(afterClick);
        else if (way == Way::Keys)
            t.problem = g.keys();
        // The press action clicks after a short animation.
        auto* button = qobject_cast<QAbstractButton*>(g.control.data());
        if (!QTest::qWaitFor([&] { return !g.control || !button || !button->isDown(); }))
            t.problem = u"stays pressed"_qs;
        // A copy runs on a thread of its own and reports at its pace: the program is looked at
        // once it has ended, however the machine is loaded.
        const QWidget* copying = program.w().pnlProgress;
        if (!QTest::qWaitFor([&] { return !copying || !copying->isVisible() || !program.fake.screen.busy; },
                             120000))
            t.problem = u"copies without end"_qs;
        QCoreApplication::processEvents();
        qApp->removeEventFilter(&opened);
        if (!opened.faults.isEmpty() && t.problem.isEmpty())
            t.problem = u"opens a window that "_qs + opened.faults.join(u"; "_qs);
        t.result = program.fingerprint() + opened.opened;
    });
    if (!ran)
        t.problem = u"never opened"_qs;
    return t;
}

QStringList without(const QStringList& lines, const QStringList& others)
{
    QStringList rest;
    for (const QString& l : lines)
        if (!others.contains(l))
            rest << l;
    return rest;
}

// The controls and windows whose lines differ from the untouched program.
std::set<QString> changed(const QStringList& lines, const QStringList& untouched)
{
    std::set<QString> names;
    for (const QString& l : without(lines, untouched))
        names.insert(l.section(u' ', 0, 0));
    return names;
}

// The walk of one surface, by its index in surfaces().
struct Walk : ::testing::TestWithParam<size_t>
{
    // What a click on each control leads to, and the untouched program, shared by both walks.
    static std::map<std::pair<std::string, int>, Trial>& clicks()
    {
        static std::map<std::pair<std::string, int>, Trial> results;
        return results;
    }
    static const QStringList& untouched(const Surface& surface)
    {
        static std::map<std::string, QStringList> results;
        auto& r = results[surface.name];
        if (r.isEmpty())
            r = trial(surface, 0, Way::Untouched).result;
        return r;
    }

    void walk(Way way)
    {
        const Surface& surface = surfaces()[GetParam()];
        std::map<QString, int> kinds;
        for (int index = 0;; ++index) {
            auto& click = clicks()[{surface.name, index}];
            if (click.result.isEmpty() && click.problem.isEmpty())
                click = trial(surface, index, Way::Click);
            if (!click.problem.isEmpty()) {
                ADD_FAILURE() << surface.name << "/" << click.name.toStdString() << " "
                              << click.problem.toStdString();
                break;
            }
            if (click.name.isEmpty())
                break;
            const Trial other = trial(surface, index, way, click.result);
            ++kinds[other.kind];
            const std::string control = surface.name + ("/" + other.name.toStdString());
            EXPECT_TRUE(other.problem.isEmpty()) << control << " " << other.problem.toStdString();
            if (!other.problem.isEmpty())
                continue;
            if (way == Way::Keys && other.keysStepTheirOwnWay) {
                const QStringList& before = untouched(surface);
                EXPECT_FALSE(changed(other.result, before).empty())
                    << control << " does not respond to the keys";
                EXPECT_EQ(changed(other.result, before), changed(click.result, before))
                    << control << " changes other things than a click does";
            } else if (other.result != click.result) {
                ADD_FAILURE() << control << " does not respond as to a click.\n  after the click: "
                              << without(click.result, other.result).join(u"\n    "_qs).toStdString()
                              << "\n  instead: "
                              << without(other.result, click.result).join(u"\n    "_qs).toStdString();
            }
        }
        QStringList counts;
        int total = 0;
        for (const auto& [kind, count] : kinds) {
            counts << QString::number(count) + u' ' + kind;
            total += count;
        }
        std::cout << "[ walked   ] " << surface.name << ": " << total << " controls ("
                  << counts.join(u", "_qs).toStdString() << ")\n";
    }
};

std::string surfaceName(const ::testing::TestParamInfo<size_t>& info)
{
    return surfaces()[info.param].name;
}

} // namespace

TEST_P(Walk, EveryControlRespondsToItsAccessibleActionAsToAClick)
{
    walk(Way::Action);
}

TEST_P(Walk, EveryControlIsReachedWithTabAndWorkedWithTheKeysAsWithAClick)
{
    walk(Way::Keys);
}

INSTANTIATE_TEST_SUITE_P(EveryWindowAndPanel, Walk, ::testing::Range(size_t(0), surfaces().size()),
                         surfaceName);
