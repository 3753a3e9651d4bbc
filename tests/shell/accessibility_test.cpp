// Every control of every window and panel the program opens, worked three ways on three fresh
// copies of the program: a mouse click, its accessible action (as a screen reader works it) and the
// keyboard alone (Tab to it, then Space). The program must end up the same each time.
#include "common/ui/main_window_controls.h"
#include "photos/ui/slide_widgets.h"
#include "platform/fakes/fake_platform.h"
#include "search/ui/search_controller.h"
#include "shell/ui/application.h"
#include "shell/ui/main_window.h"
#include "support/small_demo_disc.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>

using namespace kestrane;

namespace {

QString pictureHash(const QImage& image)
{
    if (image.isNull())
        return u"-"_qs;
    const QByteArray bits(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return QString::fromLatin1(QCryptographicHash::hash(bits, QCryptographicHash::Md5).toHex().left(12));
}

// What a control shows, as far as a user can tell it apart (focus and hover left out).
QString describe(const QWidget* top, const QWidget* w)
{
    QString line = w->objectName() + u' ' + QString::fromLatin1(w->metaObject()->className());
    line += w->isVisibleTo(top) ? u" shown"_qs : u" hidden"_qs;
    line += w->isEnabled() ? u" on"_qs : u" off"_qs;
    const QRect g = w->geometry();
    line += u" %1,%2 %3x%4"_qs.arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        line += u" '"_qs + b->text() + (b->isChecked() ? u"' checked"_qs : u"'"_qs);
    else if (auto* l = qobject_cast<const QLabel*>(w))
        line += u" '"_qs + l->text() + u"' "_qs + pictureHash(l->pixmap().toImage());
    else if (auto* e = qobject_cast<const QLineEdit*>(w))
        line += u" '"_qs + e->text() + u'\'';
    else if (auto* t = qobject_cast<const QTextEdit*>(w))
        line += u" text "_qs + QString::number(qHash(t->toPlainText()));
    else if (auto* list = qobject_cast<const QListWidget*>(w))
        line += u" rows %1 at %2"_qs.arg(list->count()).arg(list->currentRow());
    else if (auto* s = qobject_cast<const QAbstractSlider*>(w))
        line += u" value "_qs + QString::number(s->value());
    else if (auto* slide = qobject_cast<const SlideImage*>(w))
        line += u" picture "_qs + pictureHash(slide->image());
    return line;
}

// One copy of the program over the small demo disc, with its help installed and 1957 chosen.
struct Program
{
    FakePlatform fake;
    std::unique_ptr<Application> app;

    Program()
    {
        fake.mapDrive(u'D', test::smallDemoDisc());
        fake.screen.widthPixels = 1024;
        fake.screen.heightPixels = 768;
        const QString help = fake.programFolder() + u"/help"_qs;
        QDir().mkpath(help);
        for (QDirIterator pages(QStringLiteral(KESTRANE_HELP_DIR), {u"*.html"_qs}); pages.hasNext();) {
            const QString page = pages.next();
            QFile::copy(page, help + u'/' + QFileInfo(page).fileName());
        }
        app = std::make_unique<Application>(fake.platform());
        if (!app->start({}))
            return;
        app->openMainWindow();
        w().yearButton(5)->click();
    }

    ~Program()
    {
        closeSecondaryWindows();
        // Windows closed by the trial go while the registry they leave still exists.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    MainWindow* main() const { return app->mainWindow(); }
    const MainWindowControls& w() const { return main()->controls(); }
    void trigger(const char16_t* item) const { w().menuItem(item)->trigger(); }

    void closeSecondaryWindows() const
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top == main() || !top->isVisible())
                continue;
            top->close();
            if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible())
                dialog->done(QDialog::Rejected);
        }
    }

    // Everything the user could tell about the program now: its windows, what they show, and what
    // reached the platform (boxes, sounds, movies, programs started, printing, clipboard).
    QStringList fingerprint() const
    {
        QStringList lines;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || top->objectName().isEmpty())
                continue;
            lines << u"window "_qs + top->objectName() + u" '"_qs + top->windowTitle() + u'\'';
            for (const QWidget* w : top->findChildren<QWidget*>()) {
                if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"_qs))
                    lines << describe(top, w);
            }
        }
        lines.sort();
        for (const MessageBoxRequest& box : fake.dialogs.boxes)
            lines << u"box "_qs + box.title + u": "_qs + box.text;
        for (const auto& device : fake.audioDevices)
            lines << u"sound "_qs + device->calls().join(u',');
        for (const auto& player : fake.videoPlayers)
            lines << u"movie "_qs + player->calls().join(u',');
        lines << u"programs "_qs + fake.processes.log.join(u',');
        lines << u"printed "_qs + fake.printer.documents.join(u',');
        lines << u"clipboard %1 %2"_qs.arg(fake.clipboard.clears).arg(pictureHash(fake.clipboard.image));
        lines << u"settings "_qs + fake.settings.writes.join(u',');
        lines << (fake.app.ended ? u"ended"_qs : u"running"_qs);
        return lines;
    }
};

// A window or panel the program opens, and how.
struct Surface
{
    const char* name;
    std::function<void(Program&)> open; // returns when a modal window has closed again
    std::function<QWidget*(Program&)> find;
};

QWidget* topLevel(const QString& name)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() == name)
            return top;
    return nullptr;
}

Surface window(const char* name, std::function<void(Program&)> open)
{
    return {name, std::move(open), [name](Program&) { return topLevel(QString::fromLatin1(name)); }};
}

Surface panel(const char* name, const char16_t* menuItem, QWidget* (*frame)(const MainWindowControls&))
{
    return {name, [menuItem](Program& p) { p.trigger(menuItem); },
            [frame](Program& p) { return frame(p.w()); }};
}

const std::vector<Surface>& surfaces()
{
    static const std::vector<Surface> all = {
        {"Form1", [](Program&) {}, [](Program& p) -> QWidget* { return p.main(); }},
        panel("pnlPrint", names::mnuPrnt, [](const MainWindowControls& w) -> QWidget* { return w.pnlPrint; }),
        panel("pnlSound", names::mnuSound, [](const MainWindowControls& w) { return w.pnlSound; }),
        panel("SSpnlPenrow", names::mnuPenrow, [](const MainWindowControls& w) { return w.ssPnlPenrow; }),
        panel("pnlProgress", names::mnuCopy,
              [](const MainWindowControls& w) -> QWidget* { return w.pnlProgress; }),
        panel("pnlSSaver", names::mnuSaver,
              [](const MainWindowControls& w) -> QWidget* { return w.pnlSSaver; }),
        window("frmSlide", [](Program& p) { p.w().cmdSlide->click(); }),
        window("txtForm", [](Program& p) { p.w().pageButton(kDesc)->click(); }),
        window("frmMovies", [](Program& p) { p.trigger(names::mnuMovies); }),
        window("frmAbout", [](Program& p) { p.trigger(names::mnuAbout); }),
        window("frmHelp", [](Program& p) { p.trigger(names::mnuContents); }),
        window("frmSearch", [](Program& p) { p.app->search()->showSearch(); }),
        window("frmSSPhoto", [](Program& p) { p.trigger(names::mnuCopyPhoto); }),
        window("frmScroll",
               [](Program& p) {
                   p.trigger(names::mnuPenrow);
                   p.w().command1[1]->click();
               }),
    };
    return all;
}

// The controls a user can work on the surface as it opens, in creation order.
QList<QAbstractButton*> actionable(QWidget* surface)
{
    QList<QAbstractButton*> controls;
    for (QAbstractButton* b : surface->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && b->window() == surface->window())
            controls << b;
    return controls;
}

QString label(const QAbstractButton* control)
{
    return control->objectName().isEmpty() ? u"(unnamed) '"_qs + control->text() + u'\''
                                           : control->objectName();
}

enum class Way { Click, Action, Keys };

// A window that the control itself opens is noted and closed, so that modal loops return.
class OpenedWindows : public QObject
{
public:
    QWidget* surface = nullptr;
    QStringList opened;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* w = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && w && w->isWindow() && w != surface->window() &&
            !qobject_cast<QMainWindow*>(w) && !w->inherits("QMenu")) {
            opened << w->objectName() + u" '"_qs + w->windowTitle() + u'\'';
            QPointer<QWidget> window = w;
            QTimer::singleShot(0, w, [window] {
                if (!window)
                    return;
                window->close();
                if (auto* dialog = qobject_cast<QDialog*>(window.data()); dialog && dialog->isVisible())
                    dialog->done(QDialog::Rejected);
            });
        }
        return false;
    }
};

void focusByKeys(QAbstractButton* control, bool& clickedOnTheWay)
{
    QWidget* window = control->window();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    for (int presses = 0; presses < 400 && QApplication::focusWidget() != control; ++presses) {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        // In a group of option buttons Tab reaches one of them; the arrows move to the others (and
        // in some groups choose them on the way).
        auto* option = qobject_cast<QRadioButton*>(focus);
        if (option && qobject_cast<QRadioButton*>(control) &&
            option->parentWidget() == control->parentWidget()) {
            const QObjectList siblings = option->parentWidget()->children();
            const bool ahead = siblings.indexOf(control) > siblings.indexOf(option);
            QTest::keyClick(focus, ahead ? Qt::Key_Down : Qt::Key_Up);
            clickedOnTheWay = true;
            continue;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

// Opens a fresh program, works control `index` of the surface one way and returns what it shows
// then. `name` receives the control's name; an empty list means the surface did not open.
QStringList trial(const Surface& surface, int index, Way way, QString* name, QString* problem)
{
    Program program;
    QStringList result;
    bool ran = false;
    OpenedWindows opened;
    auto work = [&] {
        ran = true;
        QWidget* area = surface.find(program);
        if (!area) {
            *problem = u"did not open"_qs;
            program.closeSecondaryWindows();
            return;
        }
        const QList<QAbstractButton*> controls = actionable(area);
        if (index >= controls.size()) {
            program.closeSecondaryWindows();
            return;
        }
        QPointer<QAbstractButton> control = controls[index];
        *name = label(control);
        opened.surface = area;
        qApp->installEventFilter(&opened);
        if (way == Way::Click) {
            // A check box or option button reacts only over its mark and caption, not its whole width.
            const bool marked = qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control);
            QTest::mouseClick(control, Qt::LeftButton, {},
                              marked ? QPoint(8, control->height() / 2) : control->rect().center());
        } else if (way == Way::Action) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
            QAccessibleActionInterface* actions = iface ? iface->actionInterface() : nullptr;
            const QStringList offered = actions ? actions->actionNames() : QStringList();
            QString chosen;
            for (const QString& a : offered)
                if (a == QAccessibleActionInterface::pressAction() ||
                    a == QAccessibleActionInterface::toggleAction())
                    chosen = a;
            if (chosen.isEmpty())
                *problem = u"offers no press or toggle action"_qs;
            else
                actions->doAction(chosen);
        } else {
            bool clickedOnTheWay = false;
            focusByKeys(control, clickedOnTheWay);
            if (QApplication::focusWidget() != control)
                *problem = u"cannot be reached with Tab"_qs;
            else if (!clickedOnTheWay || !control->isChecked())
                QTest::keyClick(control, Qt::Key_Space);
        }
        // The press action clicks after a short animation.
        if (!QTest::qWaitFor([&] { return !control || !control->isDown(); }))
            *problem = u"stays pressed"_qs;
        QCoreApplication::processEvents();
        qApp->removeEventFilter(&opened);
        result = program.fingerprint() + opened.opened;
        program.closeSecondaryWindows();
    };
    // A modal window runs its own loop inside open(): the work is queued to run within it.
    QTimer::singleShot(0, program.main(), work);
    surface.open(program);
    if (!QTest::qWaitFor([&] { return ran; }))
        *problem = u"never opened"_qs;
    return result;
}

struct Walk : ::testing::Test
{
    // What a click on each control leads to, shared by both walks.
    static std::map<std::pair<std::string, int>, QStringList>& clicks()
    {
        static std::map<std::pair<std::string, int>, QStringList> results;
        return results;
    }

    void walk(Way way)
    {
        for (const Surface& surface : surfaces()) {
            int count = 0;
            for (int index = 0;; ++index) {
                QString name, problem;
                auto& click = clicks()[{surface.name, index}];
                if (click.isEmpty())
                    click = trial(surface, index, Way::Click, &name, &problem);
                if (!problem.isEmpty()) {
                    ADD_FAILURE() << surface.name << " " << problem.toStdString();
                    break;
                }
                if (name.isEmpty() && click.isEmpty())
                    break;
                name.clear();
                const QStringList other = trial(surface, index, way, &name, &problem);
                if (name.isEmpty())
                    break;
                ++count;
                EXPECT_TRUE(problem.isEmpty())
                    << surface.name << "/" << name.toStdString() << " " << problem.toStdString();
                if (problem.isEmpty() && other != click) {
                    QStringList onlyClick, onlyOther;
                    for (const QString& l : click)
                        if (!other.contains(l))
                            onlyClick << l;
                    for (const QString& l : other)
                        if (!click.contains(l))
                            onlyOther << l;
                    ADD_FAILURE() << surface.name << "/" << name.toStdString()
                                  << " does not respond as to a click.\n  after the click: "
                                  << onlyClick.join(u"\n    "_qs).toStdString()
                                  << "\n  instead: " << onlyOther.join(u"\n    "_qs).toStdString();
                }
            }
            std::cout << "[ walked   ] " << surface.name << ": " << count << " controls\n";
        }
    }
};

} // namespace

TEST_F(Walk, EveryControlRespondsToItsAccessibleActionAsToAClick)
{
    walk(Way::Action);
}

TEST_F(Walk, EveryControlIsReachedWithTabAndWorkedWithSpaceAsWithAClick)
{
    walk(Way::Keys);
}
