#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace kestrane {

void QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setImage(const QImage& image)
{
    QGuiApplication::clipboard()->setImage(image);
}

void QtClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

bool QtProcesses::runAndWait(const QString& program, const QStringList& arguments, int* exitCode)
{
    QProcess process;
    // The outside program's own window takes the input; ours goes on painting meanwhile, so the
    // wait is an event loop that the process's end (or its failure to start) leaves.
    QEventLoop loop;
    bool started = false;
    QObject::connect(&process, &QProcess::started, &loop, [&started] { started = true; });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&loop](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    // Nothing is typed into it: a program that reads its input gets an end, not a wait for ever.
    process.closeWriteChannel();
    if (process.state() != QProcess::NotRunning || process.error() != QProcess::FailedToStart)
        loop.exec();
    if (!started)
        return false;
    if (exitCode)
        *exitCode = process.exitCode();
    return process.exitStatus() == QProcess::NormalExit;
}

bool QtProcesses::start(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool QtProcesses::openUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

QString QtProcesses::findProgram(const QString& name)
{
    return QStandardPaths::findExecutable(name);
}

quintptr QtWindowManager::findWindow(const QString& className)
{
    Q_UNUSED(className);
    return 0;
}

void QtWindowManager::showWindow(quintptr handle, ShowCommand command)
{
    Q_UNUSED(handle);
    Q_UNUSED(command);
}

void QtWindowManager::setAlwaysOnTop(QWidget* window, bool onTop)
{
    if (!window)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing the flags hides a window; put it back as it was.
    if (visible)
        window->show();
}

namespace {

QScreen* primary()
{
    return QGuiApplication::primaryScreen();
}

int twipsPerPixel(qreal dpi)
{
    return dpi > 0 ? qRound(1440.0 / dpi) : 15;
}

} // namespace

int QtScreen::widthTwips() const
{
    QScreen* s = primary();
    return s ? qRound(s->size().width() * 1440.0 / s->logicalDotsPerInchX()) : 12000;
}

int QtScreen::heightTwips() const
{
    QScreen* s = primary();
    return s ? qRound(s->size().height() * 1440.0 / s->logicalDotsPerInchY()) : 9000;
}

int QtScreen::twipsPerPixelX() const
{
    QScreen* s = primary();
    return s ? twipsPerPixel(s->logicalDotsPerInchX()) : 15;
}

int QtScreen::twipsPerPixelY() const
{
    QScreen* s = primary();
    return s ? twipsPerPixel(s->logicalDotsPerInchY()) : 15;
}

QRect QtScreen::availableArea() const
{
    QScreen* s = primary();
    return s ? s->availableGeometry() : Screen::availableArea();
}

void QtScreen::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

QtAppControl::QtAppControl(QString lockPath)
    : m_lockPath(lockPath.isEmpty() ? defaultLockPath() : std::move(lockPath))
{
}

QString QtAppControl::defaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + u"/kestrane-omnivar.lock"_qs;
}

bool QtAppControl::acquireSingleInstance()
{
    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // A lock left by a copy that crashed names a dead process, which tryLock detects and removes.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

void QtAppControl::endProgram()
{
    m_endRequested = true;
    QCoreApplication::exit(0);
}

} // namespace kestrane
