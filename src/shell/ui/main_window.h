#pragma once

#include "common/ui/main_window_controls.h"
#include "state/app_context.h"

#include <QMainWindow>
#include <QMap>

#include <functional>
#include <memory>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace kestrane {

class AudioDevice;
class CaptionPanel;
class PictureLabel;
class RichTextBox;
class SpinButton;
class WavePlayer;
struct MainWindowSizing;

// Form1: the main window and the only long-lived window. It builds the year page, the photo
// area, the hidden panels and the menu bar, and owns its own life: load, placement, closing and
// the taskbar toggle. Every control carries its fixed name (common/control_names.h) as objectName
// and every menu item is a QAction named after it, for tests and accessibility; the controllers of
// the year page, the documents and the other subsystems get typed pointers through controls().
//
// Coordinates: the photograph, the insignia pictures, rtbDetails, Frame1 and the hidden panels
// are children of one page widget (the central widget), so their geometries share the main
// window's pixel coordinates. The page buttons and cmdExit lie inside Frame1, whose left edge is
// at 0, so their x coordinates are page coordinates too.
class MainWindow : public QMainWindow, public MainWindowPort
{
    Q_OBJECT

public:
    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load sequence: magazine caption, pointer, splash unloaded, edition, current file,
    // Frame1 to the front, placement restored from the settings.
    void load(const std::function<void()>& unloadSplash);
    // The splash timer's adaptation to a screen that is not the optimum one.
    void applyStartupSizing(const MainWindowSizing& sizing);
    // Fills both year lists List1(0) and List1(1) of the print panel.
    void fillYearLists(const QStringList& entries);
    // Hides the copy progress panel pnlProgress.
    void HideProgress();

    // Typed pointers to the controls that the subsystems' controllers drive.
    const MainWindowControls& controls() const { return m_controls; }
    // MMControl1: the window's wave-audio player (narration, sound effects).
    WavePlayer& mmControl1() { return *m_player; }
    // The parent of every positioned control.
    QWidget* page() const { return m_page; }

    void bringYearButtonToFront(int index) override;
    void setMainWindowEnabled(bool enabled) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupWidgets();
    void setupPhotoArea();
    void setupFrame();
    void setupHiddenPanels();
    void setupMenus();
    void applyStyle();
    void fitMenuBar();
    void layoutPage();
    void placeOverlays();
    void setupDealerEdition();

    void toggleTaskbar();
    void afterResize();
    QAction* menuAction(const QString& objectName) const;

    AppContext& m_context;
    MainWindowControls m_controls;
    std::unique_ptr<AudioDevice> m_device;
    std::unique_ptr<WavePlayer> m_player;

    QWidget* m_page = nullptr;
    PictureLabel* m_photo = nullptr; // Image4
    CaptionPanel* m_panYear = nullptr;
    QLabel* m_panPhoto = nullptr;
    SpinButton* m_spin = nullptr;
    QLineEdit* m_txtFile = nullptr;
    RichTextBox* m_details = nullptr; // rtbDetails
    QWidget* m_yearGrid = nullptr;
    QList<QPushButton*> m_yearButtons; // cmdYR(1)..cmdYR(49) at 0..48
    QList<QLabel*> m_insignia;         // PicClipArt, picScript, picEmblem, picEmbRear, picEmbSide
    QFrame* m_frame = nullptr;         // Frame1
    QMap<QString, QPushButton*> m_pageButtons;
    QList<QLabel*> m_groupHeadings;
    QLabel* m_brand = nullptr;
    QPushButton* m_exit = nullptr;
    QList<QListWidget*> m_yearLists; // List1(0), List1(1)
    QFrame* m_progress = nullptr;    // pnlProgress
    QMap<QString, QMenu*> m_menus;

    QSize m_coverSize;      // the size the taskbar toggle gave the window
    double m_fontScale = 0; // the scale the fonts were last set for
};

} // namespace kestrane
