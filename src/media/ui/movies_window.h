#pragma once

#include "platform/video_player.h"
#include "state/app_context.h"

#include <QDialog>

#include <array>
#include <memory>

class QAbstractButton;
class QLabel;
class QMenu;
class QRadioButton;
class QSlider;
class QToolButton;

namespace kestrane {

class MoviePlayback;

// frmMovies: eight option buttons, one per movie, beside the embedded player MediaPlayer1 with its
// bar (play/pause, position, volume; a right click offers the same), and Exit. It is modal and
// keeps the main window disabled while it is open; Exit, the close box and Escape all unload it,
// enable the main window again and bring the next year button to the front.
class MoviesWindow : public QDialog
{
    Q_OBJECT

public:
    // Load: enters the window registry and disables the main window. `owner` (Form1) keeps the
    // window above itself; no movie is loaded yet.
    MoviesWindow(AppContext& context, QWidget* owner);
    ~MoviesWindow() override;

    // Shows the window modally and returns at once.
    void showModal();

    QRadioButton* optMovie(int index) const { return m_options[size_t(index)]; }
    QAbstractButton* exitButton() const { return m_exit; }
    QToolButton* playButton() const { return m_play; }
    QSlider* positionSlider() const { return m_position; }
    QSlider* volumeSlider() const { return m_volume; }
    QLabel* timeLabel() const { return m_time; }
    QWidget* mediaPlayer() const { return m_mediaPlayer; }
    QMenu* playerMenu() const { return m_menu; }
    MoviePlayback& playback() { return *m_playback; }
    bool isUnloaded() const { return m_unloaded; }

    void done(int result) override;

private:
    void setupWidgets();
    QWidget* setupPlayer();
    void setupMenu();
    void showState(VideoState state);
    void showPosition(qint64 milliseconds);
    void showDuration(qint64 milliseconds);

    AppContext& m_context;
    // The player goes before the widgets that lay out its surface, and the playback before it.
    std::unique_ptr<VideoPlayer> m_player;
    std::unique_ptr<MoviePlayback> m_playback;
    std::array<QRadioButton*, 8> m_options{};
    QAbstractButton* m_exit = nullptr;
    QWidget* m_mediaPlayer = nullptr;
    QToolButton* m_play = nullptr;
    QSlider* m_position = nullptr;
    QSlider* m_volume = nullptr;
    QLabel* m_time = nullptr;
    QMenu* m_menu = nullptr;
    qint64 m_duration = 0;
    bool m_unloaded = false;
};

// The movie window now loaded, or null.
MoviesWindow* findMovies(const AppContext& context);

} // namespace kestrane
