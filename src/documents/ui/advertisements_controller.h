#pragma once

#include "common/ui/main_window_controls.h"
#include "state/app_context.h"

#include <QObject>

namespace kestrane {

class PictureViewer;

// cmdAd and cmdBrochure: the selection's period advertisement and brochure cover, each shown in
// the large-image viewer. Buttons the window lacks are simply not connected.
class Advertisements : public QObject
{
    Q_OBJECT

public:
    Advertisements(AppContext& context, const MainWindowControls& controls, PictureViewer* viewer);

    void cmdAdClick();
    void cmdBrochureClick();

private:
    // Unloads the viewer, closes the play list and turns on the hourglass.
    void prepare();
    // The exclamation box of a selection without its picture; the main window comes back.
    void sorry(const QString& text);

    AppContext& m_context;
    MainWindowControls m_w;
    PictureViewer* m_viewer = nullptr;
};

} // namespace kestrane
