#include "shell/ui/application.h"

#include "common/ui/accessible_controls.h"
#include "disk/ui/disk_operations.h"
#include "disk/ui/saver_panel.h"
#include "documents/ui/advertisements_controller.h"
#include "documents/ui/menu_documents_controller.h"
#include "documents/ui/year_documents_controller.h"
#include "media/ui/media_menus.h"
#include "periphery/ui/about_menu.h"
#include "periphery/ui/dealer_page_controller.h"
#include "periphery/ui/illustrated_panel.h"
#include "photos/photo_catalogue.h"
#include "photos/ui/photo_panel.h"
#include "photos/ui/slide_show_controller.h"
#include "platform/program_folders.h"
#include "platform/services.h"
#include "printing/photo_printout.h"
#include "printing/ui/print_controller.h"
#include "search/ui/search_controller.h"
#include "selection/ui/year_page.h"
#include "shell/startup.h"
#include "shell/ui/main_window.h"
#include "shell/ui/splash_window.h"

#include "common/wave_player.h"
#include "platform/audio_device.h"

#include <QCoreApplication>
#include <QTimer>

namespace kestrane {

void nameApplication()
{
    QCoreApplication::setApplicationName(QString::fromUtf16(kAppTitle));
}

Application::Application(Platform& platform) : m_context{m_state, platform, nullptr, &m_windows} {}

Application::~Application() = default;

bool Application::start(const QStringList& arguments)
{
    installAccessibleControls();
    m_splash = std::make_unique<SplashWindow>();
    QObject::connect(m_splash.get(), &SplashWindow::timerFired, [this] {
        // A catalogue error box may still be open: the window waits for the catalogue.
        if (m_loadingCatalogue)
            m_openWhenLoaded = true;
        else
            openMainWindow();
    });
    m_splash->show();

    StartupSteps steps;
    steps.unloadSplash = [this] { unloadSplash(); };
    steps.startSplashTimer = [this] {
        if (!m_splash)
            return;
        m_splash->show();
        m_splash->startTimer();
    };
    steps.playStartupSound = [this](const QString& path) {
        Platform& platform = m_context.platform;
        if (!platform.makeAudioDevice)
            return;
        if (!m_splashSound) {
            m_splashDevice = platform.makeAudioDevice();
            m_splashSound = std::make_unique<WavePlayer>(*m_splashDevice, *platform.fileSystem);
        }
        m_splashSound->command(u"close"_qs);
        m_splashSound->setDeviceType(u"WaveAudio"_qs);
        m_splashSound->setFileName(path);
        if (m_splashSound->command(u"open"_qs))
            m_splashSound->command(u"play"_qs);
    };
    steps.loadPhotoCatalogue = [this] {
        m_loadingCatalogue = true;
        LoadPhotoArray(m_context);
        m_loadingCatalogue = false;
        if (m_openWhenLoaded && m_splash && !m_context.platform.app->endRequested())
            QTimer::singleShot(0, m_splash.get(), [this] { openMainWindow(); });
    };
    const StartupResult result = runStartupSequence(m_context, arguments, steps);
    return result == StartupResult::Ready;
}

void Application::unloadSplash()
{
    if (!m_splash)
        return;
    m_splash->unload();
    // Destroyed, not kept hidden: a hidden window still stands in the accessible window list. The
    // splash may be in the middle of emitting its timer signal, hence later.
    m_splash.release()->deleteLater();
}

void Application::openMainWindow()
{
    if (m_main)
        return;
    const MainWindowSizing sizing = mainWindowSizing(*m_context.platform.screen);
    m_main = std::make_unique<MainWindow>(m_context);
    m_yearPage = std::make_unique<YearPage>(m_context, m_main->controls());
    m_yearDocuments = std::make_unique<YearDocuments>(m_context, m_main->controls(), &m_main->mmControl1());
    m_aboutMenu = std::make_unique<AboutMenu>(m_context, m_main->controls());
    m_dealerPage = std::make_unique<DealerPage>(m_context, m_main->controls());
    QObject::connect(m_dealerPage.get(), &DealerPage::photoChanged, &m_yearPage->photoPanel(),
                     &PhotoPanel::SyncSaverButtons);
    m_print = std::make_unique<PrintController>(m_context, m_main->controls());
    m_media = std::make_unique<MediaMenus>(m_context, m_main->controls(), &m_main->mmControl1());
    m_slideShow = std::make_unique<SlideShowController>(
        m_context, m_main->controls(),
        [this] { return IsScreenResolution(*m_context.platform.screen, 800, 600); },
        [this](const QString& key, int photo) { return m_yearPage->takeSlide(key, photo); });
    m_menuDocuments = std::make_unique<MenuDocuments>(m_context, m_main->controls(), &m_main->mmControl1());
    m_series = std::make_unique<IllustratedSeries>(m_context, m_main->controls(), &m_main->mmControl1());
    m_advertisements = std::make_unique<Advertisements>(m_context, m_main->controls(), &m_series->viewer());
    m_disk = std::make_unique<DiskOperations>(m_context, m_main->controls(), &m_yearPage->photoPanel());
    m_disk->setPrintPhoto([this](const QImage& picture) {
        PrintPhoto(m_context, picture, m_context.state.selection.selectionKey);
    });
    // The installation's Help is the menu catalogue's screen-saver help.
    QObject::connect(&m_disk->saver(), &SaverPanel::helpRequested, m_menuDocuments.get(),
                     &MenuDocuments::SSCommand5Click);
    m_search = std::make_unique<SearchController>(m_context, m_main->controls(), &m_main->mmControl1(),
                                                  userCacheFolder());
    m_main->load([this] { unloadSplash(); });
    m_main->applyStartupSizing(sizing);
    m_main->show();
    m_main->fillYearLists(yearListEntries());
}

} // namespace kestrane
