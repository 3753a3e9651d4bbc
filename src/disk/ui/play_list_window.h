#pragma once

#include "common/ui/main_window_controls.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace kestrane {

struct AppContext;
class FloodGauge;
class PhotoPanel;
class PlayListCommands;

// Prints a photograph the way Form1's photo printout does; empty until printing is wired.
using PrintPhotoRoutine = std::function<void(const QImage& picture)>;

// What the play-list window needs from outside.
struct PlayListEnvironment
{
    AppContext& context;
    const MainWindowControls* main = nullptr; // Image4's picture and cmdDesc's caption
    PhotoPanel* photoPanel = nullptr;         // keeps the Add and Remove states; may be null
    PrintPhotoRoutine printPhoto;
};

struct PlayListControls
{
    QLabel* picture1 = nullptr;
    QLabel* text4 = nullptr;
    FloodGauge* gauge = nullptr;       // ProgressGuage
    QPushButton* add = nullptr;        // SSCommand7
    QPushButton* remove = nullptr;     // SSCommand8
    QPushButton* removeAll = nullptr;  // SSCommand2
    QPushButton* copyToDisk = nullptr; // SSCommand4
    QPushButton* clipboard = nullptr;  // SSCommand3
    QPushButton* print = nullptr;      // SSCommand5
    QPushButton* help = nullptr;       // SSCommand1
    QPushButton* exit = nullptr;       // SSCommand9
};

// frmSSPhoto: the screen saver's play list, kept above every other window. It exists only while it
// is open: the first reference (frmSSPhoto() below) loads it, closing unloads it.
class PlayListWindow : public QWidget
{
    Q_OBJECT

public:
    // The Load event: enters the window registry and takes the photograph and the list's buttons.
    PlayListWindow(const PlayListEnvironment& environment, QWidget* parent);
    ~PlayListWindow() override;

    const PlayListControls& controls() const { return m_controls; }
    PlayListCommands& commands() { return *m_commands; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setupWidgets();
    void placeOverOwner();

    AppContext& m_context;
    PlayListControls m_controls;
    std::unique_ptr<PlayListCommands> m_commands;
};

// The play list now loaded, or null.
PlayListWindow* findPlayList(const AppContext& context);
// The first reference: the play list now loaded, else a new one (its Load runs now).
PlayListWindow& frmSSPhoto(const PlayListEnvironment& environment);

} // namespace kestrane
