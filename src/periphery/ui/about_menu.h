#pragma once

#include "common/ui/main_window_controls.h"
#include "periphery/about_info.h"

#include <QObject>

namespace kestrane {

struct AppContext;

// The help menu's periphery on Form1: mnuAbout, mnuSysInfo, mnuWeb and mnuQXSoftware. Reads the
// maker's texts and the web addresses once, when it is created with the main window.
class AboutMenu : public QObject
{
    Q_OBJECT

public:
    AboutMenu(AppContext& context, const MainWindowControls& controls);

    const AboutInfo& info() const { return m_info; }

    // Closes the play list and shows frmAbout modally.
    void mnuAboutClick();
    void mnuSysInfoClick();
    // Closes the play list and opens the site of the selection in panYear.
    void mnuWebClick();
    // Closes the play list and opens the maker's site.
    void mnuQXSoftwareClick();

private:
    QString selectionKey() const;

    AppContext& m_context;
    MainWindowControls m_w;
    AboutInfo m_info;
};

} // namespace kestrane
