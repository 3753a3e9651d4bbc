#pragma once

#include "common/ui/main_window_controls.h"
#include "printing/ui/print_panel.h"

#include <QObject>

namespace kestrane {

struct AppContext;

// The File menu's printing: Print Photo (mnuPrintPhoto), Print Booklet (mnuPrnt) with the print
// panel it opens, and Print Setup (mnuPrint). Builds the panel into the frame the main window
// hands over, and on creation makes the printer chosen in an earlier run the current one.
class PrintController : public QObject
{
    Q_OBJECT

public:
    PrintController(AppContext& context, const MainWindowControls& controls);

    void mnuPrntClick();
    void mnuPrintClick();
    void mnuPrintPhotoClick();
    void SSCommand9Click();
    void cmdPrintClick();
    void cmdOKClick();

    const PrintPanelControls& panel() const { return m_panel; }

private:
    void placePanel();
    void tellBookletPrinted();

    AppContext& m_context;
    MainWindowControls m_w;
    PrintPanelControls m_panel;
};

} // namespace kestrane
