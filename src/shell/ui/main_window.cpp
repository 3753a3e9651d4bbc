#include "shell/ui/main_window.h"

#include "platform/services.h"
#include "shell/startup.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPushButton>

namespace kestrane {

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
{
    setObjectName(u"Form1"_qs);
    setWindowTitle(u"The Kestrane Omnivar  2002"_qs);

    auto* central = new QWidget(this);
    setCentralWidget(central);
    m_frame = new QFrame(central);
    m_frame->setObjectName(u"Frame1"_qs);
    m_frame->setGeometry(8, 8, 96, 40);
    m_exit = new QPushButton(u"Exit"_qs, m_frame);
    m_exit->setObjectName(u"cmdExit"_qs);
    m_exit->setGeometry(4, 4, 88, 32);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
    context.mainWindow = this;
}

MainWindow::~MainWindow()
{
    if (m_context.mainWindow == this)
        m_context.mainWindow = nullptr;
}

void MainWindow::load(const std::function<void()>& unloadSplash)
{
    m_context.platform.screen->setBusy(false);
    if (unloadSplash)
        unloadSplash();
    m_frame->raise();
    resize(800, 600);
}

void MainWindow::applyStartupSizing(const MainWindowSizing& sizing)
{
    if (sizing.optimumScreen)
        return;
    const Screen& screen = *m_context.platform.screen;
    resize(sizing.widthTwips / screen.twipsPerPixelX(), sizing.heightTwips / screen.twipsPerPixelY());
}

void MainWindow::fillYearLists(const QStringList& entries)
{
    Q_UNUSED(entries);
}

void MainWindow::bringYearButtonToFront(int index)
{
    Q_UNUSED(index);
}

void MainWindow::setMainWindowEnabled(bool enabled)
{
    setEnabled(enabled);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
}

} // namespace kestrane
