#pragma once

#include "media/sound_effects.h"
#include "state/app_context.h"

#include <QObject>

#include <array>

class QAbstractButton;
class QLabel;
class QWidget;

namespace kestrane {

struct MainWindowControls;

// The controls of pnlSound, built into the panel the main window hands over: the heading Label10,
// SSCommand2(0..28) each beside its lblSound, SSCommand3 Stop and SSCommand1 Close.
struct SoundBoardControls
{
    QWidget* panel = nullptr;
    QLabel* heading = nullptr;
    std::array<QAbstractButton*, 29> buttons{};
    std::array<QLabel*, 29> labels{};
    QAbstractButton* stop = nullptr;
    QAbstractButton* close = nullptr;
};
SoundBoardControls buildSoundBoard(QWidget* panel);

// The sound-effects board on Form1: mnuSound shows it, its buttons play through MMControl1.
class SoundBoard : public QObject
{
    Q_OBJECT

public:
    SoundBoard(AppContext& context, const MainWindowControls& controls, WavePlayer* player);

    // mnuSound: closes the play list, places the panel under the top of the photograph and
    // shows it in front, its Close button in front of the rest.
    void show();
    // SSCommand1: enables the main window and hides the panel; a sound that plays goes on.
    void close();

    const SoundBoardControls& controls() const { return m_board; }

private:
    AppContext& m_context;
    QWidget* m_photo = nullptr;
    SoundBoardControls m_board;
    SoundEffects m_effects;
};

} // namespace kestrane
