#pragma once

#include "common/ui/window_registry.h"
#include "state/app_context.h"

#include <QStringList>

#include <memory>

namespace kestrane {

class AboutMenu;
class AudioDevice;
class DealerPage;
class DiskOperations;
class MainWindow;
class PrintController;
class MediaMenus;
class SlideShowController;
class SplashWindow;
class WavePlayer;
class YearPage;
class YearDocuments;
class MenuDocuments;
class IllustratedSeries;
class Advertisements;
class SearchController;

// The name the settings store files the program under. It sets no display name on purpose: the
// window system would append one to every window title that does not already end with it.
void nameApplication();

// Puts the program together: the state, the splash with its start-up sequence, and the main
// window that the splash timer opens.
class Application
{
public:
    explicit Application(Platform& platform);
    ~Application();

    // Runs start-up; false when the program is to end now (a copy is already running, or the
    // user cancelled the disc search).
    bool start(const QStringList& arguments);

    AppState& state() { return m_state; }
    AppContext& context() { return m_context; }
    // Null once the splash has been unloaded.
    SplashWindow* splash() const { return m_splash.get(); }
    MainWindow* mainWindow() const { return m_main.get(); }
    YearPage* yearPage() const { return m_yearPage.get(); }
    DiskOperations* disk() const { return m_disk.get(); }
    SearchController* search() const { return m_search.get(); }
    WindowRegistry& windows() { return m_windows; }

    // The splash timer's work, also callable by tests.
    void openMainWindow();

private:
    void unloadSplash();

    AppState m_state;
    WindowRegistry m_windows;
    AppContext m_context;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<AudioDevice> m_splashDevice;
    std::unique_ptr<WavePlayer> m_splashSound;
    bool m_loadingCatalogue = false;
    bool m_openWhenLoaded = false;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<YearPage> m_yearPage;           // goes before the window whose controls it drives
    std::unique_ptr<YearDocuments> m_yearDocuments; // goes before the window whose buttons it drives
    std::unique_ptr<AboutMenu> m_aboutMenu;
    std::unique_ptr<DealerPage> m_dealerPage;
    std::unique_ptr<PrintController> m_print; // the File menu's printing and the print panel
    std::unique_ptr<MediaMenus> m_media;      // goes before the window whose menu and panel it drives
    std::unique_ptr<SlideShowController> m_slideShow;
    std::unique_ptr<MenuDocuments> m_menuDocuments;
    std::unique_ptr<IllustratedSeries> m_series; // owns the large-image viewer the ads use
    std::unique_ptr<Advertisements> m_advertisements;
    std::unique_ptr<DiskOperations> m_disk;     // likewise
    std::unique_ptr<SearchController> m_search; // Ctrl+F: every document of the disc
};

} // namespace kestrane
