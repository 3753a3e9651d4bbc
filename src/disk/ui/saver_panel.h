#pragma once

#include "common/ui/main_window_controls.h"

#include <QObject>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kestrane {

struct AppContext;
class CopyController;
class SpinButton;
enum class SaverFolder;

// pnlSSaver's controls, built into the frame Form1 hands over.
struct SaverPanelControls
{
    QFrame* panel = nullptr;
    std::array<QRadioButton*, 2> option1{}; // 0 "All Photos", 1 "Selected Photos"
    QPushButton* install = nullptr;         // SSCommand4
    QPushButton* help = nullptr;            // SSCommand5
    QPushButton* cancel = nullptr;          // SSCommand6: "Cancel", "Exit" after an installation
    QLabel* panInterval = nullptr;
    SpinButton* spinInterval = nullptr;
    QLabel* picture = nullptr;
};

SaverPanelControls buildSaverPanel(QFrame* panel);

// The screen saver's installation on pnlSSaver: which photos and how long each, the settings the
// screen saver reads and the screen-saver program copied where the desktop finds it. When the
// photos are neither chosen nor on the hard drive, it offers the photo copy of the copy panel and
// goes on when that panel closes, copied or not.
class SaverPanel : public QObject
{
    Q_OBJECT

public:
    SaverPanel(AppContext& context, const MainWindowControls& controls, CopyController& copy);
    ~SaverPanel() override;

    const SaverPanelControls& panel() const { return m_panel; }
    bool waitingForCopy() const { return m_waitingForCopy; }

    void saverTriggered(); // mnuSaver
    void spinUp();
    void spinDown();
    void installClicked();
    void cancelClicked();

Q_SIGNALS:
    // SSCommand5: the installation's help document is wanted.
    void helpRequested();

private:
    void placePanel();
    void finishInstall(SaverFolder folder);

    AppContext& m_context;
    const MainWindowControls& m_w;
    CopyController& m_copy;
    SaverPanelControls m_panel;
    bool m_waitingForCopy = false;
};

} // namespace kestrane
