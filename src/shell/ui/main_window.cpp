#include "shell/ui/main_window.h"

#include "common/control_names.h"
#include "common/wave_player.h"
#include "platform/audio_device.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/settings_store.h"
#include "platform/wave_decoder.h"
#include "shell/main_window_rules.h"
#include "shell/startup.h"
#include "shell/ui/picture_label.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>

namespace kestrane {

namespace {

// Stands in for the sound device when the platform offers none: every open fails quietly.
class SilentAudioDevice : public AudioDevice
{
public:
    bool open(std::unique_ptr<WaveDecoder>) override { return false; }
    bool play() override { return true; }
    void close() override {}
    bool isOpen() const override { return false; }
};

int toPixels(double twips, int twipsPerPixel)
{
    return qRound(twips / twipsPerPixel);
}

} // namespace

MainWindow::MainWindow(AppContext& context, QWidget* parent) : QMainWindow(parent), m_context(context)
{
    setObjectName(names::name(names::Form1));
    setWindowTitle(u"The Kestrane Omnivar  2002"_qs);

    Platform& platform = context.platform;
    m_device = platform.makeAudioDevice ? platform.makeAudioDevice() : nullptr;
    if (!m_device)
        m_device = std::make_unique<SilentAudioDevice>();
    m_player = std::make_unique<WavePlayer>(*m_device, *platform.fileSystem);

    setupWidgets();
    setupMenus();
    applyStyle();
    // Every control exists now: the page may lay them out whenever it changes size.
    m_page->installEventFilter(this);
    context.mainWindow = this;
}

MainWindow::~MainWindow()
{
    if (m_context.mainWindow == this)
        m_context.mainWindow = nullptr;
}

QAction* MainWindow::menuAction(const QString& objectName) const
{
    return m_controls.menuItems.value(objectName);
}

void MainWindow::load(const std::function<void()>& unloadSplash)
{
    AppState& state = m_context.state;
    QAction* capers = menuAction(names::indexed(names::mnuMag, 1));
    capers->setText(EscapeAmpersands(capers->text()));

    m_context.platform.screen->setBusy(false);
    if (unloadSplash)
        unloadSplash();

    if (state.disc.editionSwitch == 0)
        menuAction(names::name(names::mnuDalworth))->setVisible(false);
    else
        setupDealerEdition();

    state.disc.currentFile = state.disc.cdRoot + u"\\richtext\\desc.rtf"_qs;
    m_frame->raise();

    const Screen& screen = *m_context.platform.screen;
    const WindowPlacement placement = readPlacement(*m_context.platform.settings, screen);
    move(toPixels(placement.left, screen.twipsPerPixelX()), toPixels(placement.top, screen.twipsPerPixelY()));
    resize(toPixels(placement.width, screen.twipsPerPixelX()),
           toPixels(placement.height, screen.twipsPerPixelY()));
}

void MainWindow::setupDealerEdition()
{
    AppState& state = m_context.state;
    const FileSystem& fs = *m_context.platform.fileSystem;
    state.disc.documentWindowTitle = u"The Kestrane Omnivar     Dalworth - Tressel"_qs;
    state.disc.currentFile =
        state.disc.cdRoot + u"\\dalworth\\"_qs + fs.dir(state.disc.cdRoot + u"\\dalworth\\dalworth.rtf"_qs);
    m_panYear->setText(u"Dalworth"_qs);
    state.selection.selectionKey = m_panYear->text();
    setWindowTitle(u"The Kestrane Omnivar 2002          Dalworth - Tressel Edition"_qs);
    QByteArray data;
    QPixmap picture;
    if (fs.readAll(state.disc.cdRoot + u"\\dalworth\\dalworth3.jpg"_qs, &data) && picture.loadFromData(data))
        m_photo->setPixmap(picture);
    m_pageButtons.value(names::name(names::cmdDesc))->setText(u"Hello!"_qs);
    m_pageButtons.value(names::name(names::cmdAd))->setEnabled(true);
    menuAction(names::name(names::mnuWeb))->setText(u"Dalworth Website"_qs);
}

void MainWindow::applyStartupSizing(const MainWindowSizing& sizing)
{
    if (sizing.optimumScreen)
        return;
    menuAction(names::name(names::mnuHideStatus))->setVisible(false);
    const Screen& screen = *m_context.platform.screen;
    resize(sizing.widthTwips / screen.twipsPerPixelX(), sizing.heightTwips / screen.twipsPerPixelY());
}

void MainWindow::fillYearLists(const QStringList& entries)
{
    for (QListWidget* list : std::as_const(m_yearLists))
        list->addItems(entries);
}

void MainWindow::HideProgress()
{
    m_progress->hide();
}

void MainWindow::bringYearButtonToFront(int index)
{
    if (index >= 1 && index <= m_yearButtons.size())
        m_yearButtons[index - 1]->raise();
}

void MainWindow::setMainWindowEnabled(bool enabled)
{
    setEnabled(enabled);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_player->command(u"close"_qs);
    showTaskbar(m_context);
    if (!isMinimized()) {
        const Screen& screen = *m_context.platform.screen;
        const QPoint at = pos();
        writePlacement(*m_context.platform.settings,
                       {double(at.x()) * screen.twipsPerPixelX(), double(at.y()) * screen.twipsPerPixelY(),
                        double(width()) * screen.twipsPerPixelX(),
                        double(height()) * screen.twipsPerPixelY()});
    }
    event->accept();
    m_context.platform.app->endProgram();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitMenuBar();
    // The toggle's own new size is not a move to a new size: it must leave the taskbar hidden.
    if (size() != m_coverSize)
        afterResize();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_page && event->type() == QEvent::Resize)
        layoutPage();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    // Minimizing and restoring count as resizing, as they did for the original window.
    if (event->type() == QEvent::WindowStateChange)
        afterResize();
}

void MainWindow::afterResize()
{
    QAction* item = menuAction(names::name(names::mnuHideStatus));
    if (item->text() == QStringView(kHideStatusBar))
        return;
    item->setText(taskbarAfterResize(m_context, item->text()));
    m_coverSize = QSize();
}

void MainWindow::toggleTaskbar()
{
    QAction* item = menuAction(names::name(names::mnuHideStatus));
    const QString caption =
        kestrane::toggleTaskbar(m_context, item->text(), [this](const WindowPlacement& cover) {
            const Screen& screen = *m_context.platform.screen;
            const QSize size(toPixels(cover.width, screen.twipsPerPixelX()),
                             toPixels(cover.height, screen.twipsPerPixelY()));
            setWindowState(Qt::WindowNoState);
            m_coverSize = size;
            move(toPixels(cover.left, screen.twipsPerPixelX()), toPixels(cover.top, screen.twipsPerPixelY()));
            resize(size);
        });
    item->setText(caption);
}

} // namespace kestrane
