#include "walked_program.h"

#include "photos/ui/slide_widgets.h"
#include "search/ui/search_controller.h"
#include "support/small_demo_disc.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QCryptographicHash>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

namespace kestrane::test {

namespace {

QString pictureHash(const QImage& image)
{
    if (image.isNull())
        return u"-"_qs;
    const QByteArray bits(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    return QString::fromLatin1(QCryptographicHash::hash(bits, QCryptographicHash::Md5).toHex().left(12));
}

QString selectedRows(const QListWidget* list)
{
    QStringList rows;
    for (const QListWidgetItem* item : list->selectedItems())
        rows << QString::number(list->row(item));
    rows.sort();
    return rows.join(u',');
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
        line += u" rows %1 chosen %2"_qs.arg(list->count()).arg(selectedRows(list));
    else if (auto* s = qobject_cast<const QAbstractSlider*>(w))
        line += u" value "_qs + QString::number(s->value());
    else if (auto* slide = qobject_cast<const SlideImage*>(w))
        line += u" picture "_qs + pictureHash(slide->image());
    return line;
}

} // namespace

Program::Program(const std::function<void(Platform&)>& beforeStart)
{
    fake.mapDrive(u'D', smallDemoDisc());
    fake.screen.widthPixels = 1024;
    fake.screen.heightPixels = 768;
    const QString help = fake.programFolder() + u"/help"_qs;
    QDir().mkpath(help);
    for (QDirIterator pages(QStringLiteral(KESTRANE_HELP_DIR), {u"*.html"_qs}); pages.hasNext();) {
        const QString page = pages.next();
        QFile::copy(page, help + u'/' + QFileInfo(page).fileName());
    }
    if (beforeStart)
        beforeStart(fake.platform());
    app = std::make_unique<Application>(fake.platform());
    if (!app->start({}))
        return;
    app->openMainWindow();
    // As the event loop does before the user can act: the splash goes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w().yearButton(5)->click();
}

Program::~Program()
{
    closeSecondaryWindows();
    // Windows closed by the trial go while the registry they leave still exists.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Program::trigger(const char16_t* item) const
{
    w().menuItem(item)->trigger();
}

void Program::closeSecondaryWindows() const
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top == main() || !top->isVisible())
            continue;
        top->close();
        if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible())
            dialog->done(QDialog::Rejected);
    }
}

QStringList Program::fingerprint() const
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

QWidget* topLevel(const QString& name)
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->objectName() == name)
            return top;
    return nullptr;
}

QString announcementFault(QWidget* window)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window);
    if (!iface)
        return u"has no accessible interface"_qs;
    const QAccessible::Role role = iface->role();
    if (role != QAccessible::Window && role != QAccessible::Dialog && role != QAccessible::AlertMessage)
        return u"is announced with role %1, not as a window"_qs.arg(int(role));
    if (window->windowTitle().isEmpty())
        return u"has no title"_qs;
    if (iface->text(QAccessible::Name) != window->windowTitle())
        return u"is announced as '"_qs + iface->text(QAccessible::Name) + u"', not by its title"_qs;
    return {};
}

namespace {

Surface window(const char* name, std::function<void(Program&)> open)
{
    return {name, std::move(open), [name](Program&) { return topLevel(QString::fromLatin1(name)); }};
}

Surface panel(const char* name, const char16_t* menuItem, QWidget* (*frame)(const MainWindowControls&))
{
    return {name, [menuItem](Program& p) { p.trigger(menuItem); },
            [frame](Program& p) { return frame(p.w()); }};
}

} // namespace

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
        // Words that several documents hold, so that the results can be chosen among; the window is
        // open once they show.
        {"frmSearch",
         [](Program& p) {
             SearchController* search = p.app->search();
             search->showSearch();
             if (!search->indexer().index()) {
                 QSignalSpy read(&search->indexer(), &SearchIndexer::finished);
                 (void)read.wait(60000);
             }
             QTest::keyClicks(search->window()->searchField(), u"fuel inj"_qs);
         },
         [](Program& p) -> QWidget* {
             SearchWindow* window = p.app->search()->window();
             return window && window->isVisible() && window->results()->count() > 1 ? window : nullptr;
         }},
        window("frmSSPhoto", [](Program& p) { p.trigger(names::mnuCopyPhoto); }),
        // The viewer made small, so that even the small disc's picture needs its scroll bars.
        window("frmScroll",
               [](Program& p) {
                   p.trigger(names::mnuPenrow);
                   p.w().command1[1]->click();
                   QWidget* viewer = topLevel(u"frmScroll"_qs);
                   if (!viewer)
                       return;
                   viewer->showNormal();
                   viewer->resize(150, 100);
                   (void)QTest::qWaitFor([viewer] { return viewer->size() == QSize(150, 100); });
               }),
    };
    return all;
}

bool whileOpen(Program& program, const Surface& surface, const std::function<void(QWidget*)>& work)
{
    bool opening = true;
    bool ran = false;
    std::function<void()> attempt = [&] {
        QWidget* area = surface.find(program);
        if (!area && opening) {
            QTimer::singleShot(5, program.main(), attempt);
            return;
        }
        ran = true;
        work(area);
        program.closeSecondaryWindows();
    };
    // A modal window runs its own loop inside open(): the work is queued to run within it.
    QTimer::singleShot(0, program.main(), attempt);
    surface.open(program);
    opening = false;
    return QTest::qWaitFor([&] { return ran; }, 60000);
}

OpenedWindows::~OpenedWindows()
{
    qApp->removeEventFilter(this);
}

bool OpenedWindows::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && w && w->isWindow() && (!surface || w != surface->window()) &&
        !qobject_cast<QMainWindow*>(w) && !w->inherits("QMenu")) {
        const QString seen = w->objectName() + u" '"_qs + w->windowTitle() + u'\'';
        opened << seen;
        if (const QString fault = announcementFault(w); !fault.isEmpty())
            faults << seen + u' ' + fault;
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

void focusByKeys(QWidget* control, bool* choseOnTheWay)
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
            if (choseOnTheWay)
                *choseOnTheWay = true;
            continue;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

} // namespace kestrane::test
