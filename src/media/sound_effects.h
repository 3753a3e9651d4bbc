#pragma once

namespace kestrane {

struct AppContext;
class WavePlayer;

// The sound board's two commands on the main window's wave player (MMControl1). A missing player
// (no main window) plays nothing and reports nothing.
class SoundEffects
{
public:
    SoundEffects(AppContext& context, WavePlayer* player);

    // SSCommand2(index): plays the row's sound from the disc's "\wav\" folder, stopping the one
    // before; a missing or unreadable file is ER038.
    void play(int index);
    // SSCommand3: stops whatever plays.
    void stop();

private:
    AppContext& m_context;
    WavePlayer* m_player = nullptr;
};

} // namespace kestrane
