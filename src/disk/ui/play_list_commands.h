#pragma once

#include "disk/ui/play_list_window.h"
#include "platform/dialogs.h"

#include <QObject>

namespace kestrane {

// The handlers of frmSSPhoto: the photograph shown, Add, Remove and Remove all, the copies to the
// clipboard and to a file, printing, help and exit. The window builds the controls and hands them
// over; the commands keep them in step with the play-list folder.
class PlayListCommands : public QObject
{
    Q_OBJECT

public:
    PlayListCommands(const PlayListEnvironment& environment, const PlayListControls& controls,
                     QWidget* window);
    ~PlayListCommands() override;

    void Load();
    // The photograph on show may have changed: show it and follow it with Add and Remove.
    void photoChanged();

    void addClicked();        // SSCommand7
    void removeClicked();     // SSCommand8
    void removeAllClicked();  // SSCommand2
    void clipboardClicked();  // SSCommand3
    void copyToDiskClicked(); // SSCommand4
    void printClicked();      // SSCommand5
    void helpClicked();       // SSCommand1
    void exitClicked();       // SSCommand9

private:
    QString sourcePhoto() const;
    void syncButtons();
    void refresh();
    void showButtonStates();
    void showPhoto();
    QImage mainPicture() const;
    int box(const QString& text, MsgButtons buttons = MsgButtons::Ok, MsgIcon icon = MsgIcon::None);
    void setBusy(bool busy);

    PlayListEnvironment m_env;
    const PlayListControls& m_c;
    QWidget* m_window;
};

} // namespace kestrane
