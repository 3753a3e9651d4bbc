#pragma once

#include "common/ui/main_window_controls.h"

#include <QObject>

namespace kestrane {

struct AppContext;

// The dealer page of the dealer edition: mnuDalworth turns Form1's year page into a page about the
// sponsoring dealer. The page stays until the next selection, which sets every control again.
class DealerPage : public QObject
{
    Q_OBJECT

public:
    DealerPage(AppContext& context, const MainWindowControls& controls);

    // mnuDalworth: the web link's and the file names' menu items, then ShowDealerPage.
    void mnuDalworthClick();
    // Shows the page; false, after ER057, when its document or picture cannot be read, in which
    // case the page is left as it was.
    bool ShowDealerPage();

Q_SIGNALS:
    // The photograph on show changed to the dealer's: the play list's buttons are to follow it.
    void photoChanged();

private:
    void setButtonsEnabled(PageButtons buttons, bool enabled);

    AppContext& m_context;
    MainWindowControls m_w;
};

} // namespace kestrane
