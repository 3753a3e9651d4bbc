#pragma once

#include "common/ui/main_window_controls.h"
#include "media/ui/sound_board.h"
#include "state/app_context.h"

#include <QObject>

namespace kestrane {

class WavePlayer;

// The media items of Form1's menu: mnuMovies opens frmMovies, mnuVideo offers the codec
// installer, mnuSound shows the sound board on pnlSound.
class MediaMenus : public QObject
{
    Q_OBJECT

public:
    MediaMenus(AppContext& context, const MainWindowControls& controls, WavePlayer* player);

    // Closes the play list, chooses MovieFolder and shows frmMovies modally.
    void mnuMoviesClick();
    // Asks whether to install the decoder the movies need; on Yes runs the platform's codec
    // installer with the main window disabled and waits for its end. ER003 when it cannot start.
    void mnuVideoClick();
    void mnuSoundClick() { m_board.show(); }

    SoundBoard& soundBoard() { return m_board; }

private:
    AppContext& m_context;
    MainWindowControls m_w;
    SoundBoard m_board;
};

} // namespace kestrane
