#pragma once

#include "platform/video_player.h"

#include <QObject>

namespace kestrane {

struct AppContext;

// What frmMovies does with its player, without its widgets: plays the chosen movie from
// MovieFolder, turns every failure to load or decode it into ER045, and passes the player's
// progress on to the window's controls.
class MoviePlayback : public QObject
{
    Q_OBJECT

public:
    MoviePlayback(AppContext& context, VideoPlayer& player);
    ~MoviePlayback() override;

    // optMovie(index) click.
    void choose(int index);
    // The player bar: play or pause, stop, position and volume.
    void togglePlay();
    void stop();
    void seek(qint64 milliseconds);
    void setVolume(float volume);

    int chosen() const { return m_chosen; }
    VideoPlayer& player() { return m_player; }

Q_SIGNALS:
    void captionChanged(const QString& caption);
    void stateChanged(kestrane::VideoState state);
    void positionChanged(qint64 milliseconds);
    void durationChanged(qint64 milliseconds);
    // ER045 has been reported (the reporter enabled the main window on its way out).
    void errorReported();

private:
    void fail(bool trapped);
    void releaseCopy();

    AppContext& m_context;
    VideoPlayer& m_player;
    int m_chosen = -1;
    int m_generation = 0;    // counts the movies chosen
    bool m_loaded = false;   // a movie is open in the player and has not failed
    QString m_temporaryCopy; // the host copy of a movie read out of a disc image
};

} // namespace kestrane
