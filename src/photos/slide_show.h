#pragma once

#include "photos/slide_pictures.h"
#include "photos/slide_rules.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace kestrane {

struct AppContext;
class Clock;
class SlideRandom;
class Timer;

// Which controls of the slide-show window are usable: all of them while paused, only Pause (and
// Exit) while playing.
struct SlideControls
{
    bool spin = true; // SpinInterval
    bool play = true;
    bool pause = false;
    bool steps = true; // Bkwd, Fwd, Jump Bkwd, Jump Fwd
    bool modes = true; // Option1(0..2)
    bool jumps = true; // SSCommand1 "Beginning", SSCommand2 "Middle"
    bool operator==(const SlideControls&) const = default;
};

// One insignia set as the window shows it: rear emblem (Image1), side (Picture2), front
// (Picture3) and script (Picture4); a null picture stays hidden.
struct SlideInsigniaPictures
{
    std::array<QImage, 4> pictures;
};

// The slide show: the state of one show (mode, order, the cursor in the shared PhotoCursor,
// InsigniaYear, the interval in the shared SlideInterval and the three mode timers) and every
// step of it. It has no widgets: it tells the window by signal what to show, and the window
// connects to it once.
class SlideShow : public QObject
{
    Q_OBJECT

public:
    // Hands the slide's selection key and photograph (0: none) to the main window; false when the
    // main window could not show them.
    using HandOver = std::function<bool(const QString& key, int photoIndex)>;

    SlideShow(AppContext& context, SlideRandom& random, Clock& clock, QObject* parent = nullptr);
    ~SlideShow() override;

    void setHandOver(HandOver handOver) { m_handOver = std::move(handOver); }

    // The main window's start: interval of one second, mode Photos, its photograph shown.
    void start();
    // A click on one of Option1 (also when it is already selected).
    void selectMode(SlideMode mode);
    void setOrder(SlideOrder order)
    {
        m_order = order;
        m_nextDraw.reset();
    }
    void step(SlideStep step);
    void beginning();
    void middle();
    void play();
    void pause();
    void spinInterval(bool up);
    // Exit of the button row: the slide goes to the main window; the window stays open.
    void exitShow();
    // The window is closing: every timer ends.
    void stop();

    SlideMode mode() const { return m_mode; }
    SlideOrder order() const { return m_order; }
    int insigniaYear() const { return m_insigniaYear; }
    bool isPlaying() const;
    const SlideControls& controls() const { return m_controls; }
    QString caption() const { return m_caption; }
    bool imageStretched() const { return m_stretched; }
    // The photograph Image1 shows in mode Photos, 0 for a title picture or another mode.
    int shownPhoto() const { return m_shownPhoto; }
    // The interval of Timer1, Timer2 or Timer4: 0 while idle.
    int timerInterval(SlideMode mode) const;
    SlidePictures& pictures() { return m_pictures; }

Q_SIGNALS:
    void modeSelected(kestrane::SlideMode mode);
    // The mode's title picture in Image1, stretched; the insignia pictures, the number and the
    // caption are hidden. A null picture could not be read.
    void titleShown(kestrane::SlideMode mode, const QImage& picture);
    // A photograph in Image1, stretched, with its number for pnlPhotoNumber.
    void photoShown(const QImage& picture, const QString& number);
    void numberVisible(bool visible);
    // A clip-art picture at its own size, centred, with the caption under it.
    void clipArtShown(const QImage& picture);
    // Play of ClipArt hides the stretched title until the first tick.
    void pictureHidden();
    void insigniaShown(const kestrane::SlideInsigniaPictures& set);
    void captionChanged(const QString& caption);
    void captionVisible(bool visible);
    void controlsChanged(const kestrane::SlideControls& controls);
    void intervalCaptionChanged(const QString& caption);
    // SSCommand1 to the front of the z-order (the focus stays where it is).
    void frontRequested();

private:
    struct Slide;
    int count() const;
    Timer& timer(SlideMode mode) const;
    void setControls(const SlideControls& controls);
    void setCaption(const QString& caption);
    void stopTimers();
    void tick(SlideMode mode);
    void insigniaTick();
    bool showSlide(std::optional<ClipCaptionRule> clipRule, const QString& clipFile = {});
    void showInsignia();
    void endStep();
    void reportFailure(ErrorCode code);
    // What the next tick will show, drawn now in random order, so that its picture is decoded
    // before the tick.
    void prefetchNextTick();
    QStringList insigniaPaths(int insigniaYear) const;

    AppContext& m_context;
    SlideRandom& m_random;
    SlidePictures m_pictures;
    std::array<std::unique_ptr<Timer>, 3> m_timers; // Timer1, Timer2, Timer4
    HandOver m_handOver;

    SlideMode m_mode = SlideMode::Photos;
    SlideOrder m_order = SlideOrder::Sequential;
    int m_insigniaYear = kInsigniaYearBeforeFirst;
    SlideControls m_controls;
    QString m_caption;
    bool m_stretched = true;
    int m_shownPhoto = 0;
    std::optional<int> m_nextDraw; // the random slide or set of the next tick, drawn ahead
    bool m_reporting = false;      // an error box is open: ticks wait for it
};

} // namespace kestrane
