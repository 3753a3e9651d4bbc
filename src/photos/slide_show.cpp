#include "photos/slide_show.h"

#include "common/error_reporter.h"
#include "photos/photo_catalogue.h"
#include "photos/slide_insignia.h"
#include "photos/slide_random.h"
#include "platform/clock.h"
#include "state/app_context.h"

namespace kestrane {

namespace {

constexpr char16_t kPhotosTitle[] = u"\\graphics\\97emboss.jpg";
constexpr char16_t kClipArtTitle[] = u"\\graphics\\53tile.jpg";
constexpr char16_t kInsigniaTitle[] = u"\\graphics\\insignia.jpg";
constexpr char16_t kFirstClipArt[] = u"\\clipart\\1953.jpg";
constexpr char16_t kFirstClipCaption[] = u"1953";
constexpr char16_t kInsigniaTitleCaption[] = u"1957";

constexpr SlideControls kPlaying{
    .spin = false, .play = false, .pause = true, .steps = false, .modes = false, .jumps = false};

} // namespace

SlideShow::SlideShow(AppContext& context, SlideRandom& random, Clock& clock, QObject* parent)
    : QObject(parent), m_context(context), m_random(random), m_pictures(*context.platform.fileSystem)
{
    for (const SlideMode mode : {SlideMode::Photos, SlideMode::ClipArt, SlideMode::Insignias}) {
        auto& timer = m_timers[size_t(mode)];
        timer = clock.makeTimer();
        timer->onTimeout = [this, mode] {
            if (mode == SlideMode::Insignias)
                insigniaTick();
            else
                tick(mode);
        };
    }
}

SlideShow::~SlideShow() = default;

Timer& SlideShow::timer(SlideMode mode) const
{
    return *m_timers[size_t(mode)];
}

int SlideShow::timerInterval(SlideMode mode) const
{
    return timer(mode).interval();
}

bool SlideShow::isPlaying() const
{
    for (const auto& timer : m_timers)
        if (timer->interval() > 0)
            return true;
    return false;
}

int SlideShow::count() const
{
    return m_mode == SlideMode::ClipArt ? m_context.state.photos.clipCount
                                        : m_context.state.photos.photoCount;
}

void SlideShow::setControls(const SlideControls& controls)
{
    m_controls = controls;
    Q_EMIT controlsChanged(m_controls);
}

void SlideShow::setCaption(const QString& caption)
{
    m_caption = caption;
    Q_EMIT captionChanged(m_caption);
}

void SlideShow::stopTimers()
{
    for (const auto& timer : m_timers)
        timer->setInterval(0);
}

void SlideShow::reportFailure(ErrorCode code)
{
    // The timers go on firing while the box is open; their ticks wait rather than stack boxes.
    m_reporting = true;
    report(m_context, code);
    m_reporting = false;
}

void SlideShow::start()
{
    AppState& state = m_context.state;
    state.slides.slideInterval = kShortestInterval;
    Q_EMIT intervalCaptionChanged(QString::fromUtf16(kFirstIntervalCaption));
    timer(SlideMode::Photos).setInterval(0);
    setControls(SlideControls{});

    Q_EMIT modeSelected(SlideMode::Photos);
    selectMode(SlideMode::Photos);

    const int shown = state.photos.shownIndex;
    const bool hasPhoto = shown > 0 && shown <= state.photos.photoCount;
    if (hasPhoto) {
        state.photos.photoCursor = qint16(shown);
        const QImage picture = m_pictures.take(state.photos.photoFiles.at(shown));
        if (picture.isNull()) {
            reportFailure(ErrorCode::ER039);
        } else {
            m_shownPhoto = shown;
            Q_EMIT photoShown(picture, photoNumberText(shown, state.photos.photoCount));
            Q_EMIT numberVisible(true);
        }
    } else {
        state.photos.photoCursor = 1;
    }
    if (state.photos.photoCount > 0)
        setCaption(ShowSlideCaption(state));
    state.photos.photoCursor = qint16(hasPhoto ? shown : 0);
}

void SlideShow::selectMode(SlideMode mode)
{
    AppState& state = m_context.state;
    m_mode = mode;
    m_nextDraw.reset();
    m_shownPhoto = 0;
    state.slides.frontHold = kFalse;
    state.photos.photoCursor = 0;
    Q_EMIT numberVisible(false);
    Q_EMIT captionVisible(false);

    const char16_t* title = kPhotosTitle;
    switch (mode) {
    case SlideMode::Photos:
        break;
    case SlideMode::ClipArt:
        title = kClipArtTitle;
        setCaption(QString::fromUtf16(kFirstClipCaption));
        break;
    case SlideMode::Insignias:
        title = kInsigniaTitle;
        m_insigniaYear = kInsigniaYearBeforeFirst;
        setCaption(QString::fromUtf16(kInsigniaTitleCaption));
        break;
    }
    m_stretched = true;
    const QImage picture = m_pictures.take(state.disc.cdRoot + QString::fromUtf16(title));
    Q_EMIT titleShown(mode, picture);
    if (picture.isNull())
        reportFailure(ErrorCode::ER039);
}

bool SlideShow::showSlide(std::optional<ClipCaptionRule> clipRule, const QString& clipFile)
{
    AppState& state = m_context.state;
    const int cursor = state.photos.photoCursor;
    if (m_mode == SlideMode::Photos) {
        const QImage picture = m_pictures.take(state.photos.photoFiles.value(cursor));
        if (picture.isNull())
            return false;
        m_stretched = true;
        m_shownPhoto = cursor;
        Q_EMIT photoShown(picture, photoNumberText(cursor, state.photos.photoCount));
        Q_EMIT numberVisible(true);
        setCaption(ShowSlideCaption(state));
        return true;
    }
    // ClipArt: Image1 takes the picture's own size, so it goes away while the new one loads.
    m_stretched = false;
    Q_EMIT pictureHidden();
    const QString path = clipFile.isEmpty() ? state.photos.clipFiles.value(cursor) : clipFile;
    const QImage picture = m_pictures.take(path);
    if (picture.isNull())
        return false;
    Q_EMIT clipArtShown(picture);
    setCaption(clipRule ? clipArtCaption(pictureFileName(path), *clipRule)
                        : QString::fromUtf16(kFirstClipCaption));
    return true;
}

QStringList SlideShow::insigniaPaths(int insigniaYear) const
{
    QStringList paths;
    for (const SlidePicture& picture :
         resolveSlideInsignia(insigniaYear, m_context.state.disc.cdRoot).pictures)
        if (picture.action == SlidePicture::Action::Load)
            paths << picture.path;
    return paths;
}

void SlideShow::showInsignia()
{
    // The resolver reports nothing: a set whose file is missing shows without that picture.
    const SlideInsignia set = resolveSlideInsignia(m_insigniaYear, m_context.state.disc.cdRoot);
    SlideInsigniaPictures shown;
    for (size_t i = 0; i < set.pictures.size(); ++i)
        if (set.pictures[i].action == SlidePicture::Action::Load)
            shown.pictures[i] = m_pictures.take(set.pictures[i].path);
    m_stretched = false;
    setCaption(set.caption);
    Q_EMIT insigniaShown(shown);
}

void SlideShow::endStep()
{
    Q_EMIT captionVisible(true);
    Q_EMIT frontRequested();
}

void SlideShow::step(SlideStep step)
{
    AppState& state = m_context.state;
    state.slides.slideShowRunning = kFalse;
    if (m_mode == SlideMode::Insignias) {
        m_insigniaYear = stepInsigniaYear(m_insigniaYear, step);
        showInsignia();
        endStep();
        return;
    }
    if (count() < 1)
        return;
    state.photos.photoCursor = qint16(stepSlideCursor(state.photos.photoCursor, count(), step));
    if (!showSlide(clipCaptionRule(step))) {
        reportFailure(stepErrorCode(step));
        return;
    }
    endStep();
}

void SlideShow::beginning()
{
    AppState& state = m_context.state;
    if (m_mode == SlideMode::Insignias) {
        m_insigniaYear = kFirstInsigniaYear;
        showInsignia();
        endStep();
        return;
    }
    if (count() < 1)
        return;
    state.photos.photoCursor = 1;
    const QString first =
        m_mode == SlideMode::ClipArt ? state.disc.cdRoot + QString::fromUtf16(kFirstClipArt) : QString();
    if (!showSlide(std::nullopt, first)) {
        reportFailure(ErrorCode::ER014);
        return;
    }
    endStep();
}

void SlideShow::middle()
{
    AppState& state = m_context.state;
    if (m_mode == SlideMode::Insignias) {
        m_insigniaYear = kMiddleInsigniaYear;
        showInsignia();
        endStep();
        return;
    }
    if (count() < 1)
        return;
    state.photos.photoCursor = qint16(middleSlide(count()));
    if (!showSlide(ClipCaptionRule::ForwardStep)) {
        reportFailure(ErrorCode::ER014);
        return;
    }
    endStep();
}

void SlideShow::play()
{
    AppState& state = m_context.state;
    if (isPlaying())
        return;
    state.photos.photoCursor = qint16(state.photos.photoCursor + 1);
    state.slides.slideShowRunning = kFalse;
    state.slides.slideShowRunning = kTrue;
    setControls(kPlaying);
    state.slides.frontHold = kTrue;

    const int interval = std::max(kShortestInterval, state.slides.slideInterval);
    switch (m_mode) {
    case SlideMode::Photos:
        Q_EMIT numberVisible(true);
        break;
    case SlideMode::ClipArt:
        if (m_stretched) {
            m_stretched = false;
            Q_EMIT pictureHidden();
        }
        break;
    case SlideMode::Insignias:
        break;
    }
    timer(m_mode).setInterval(interval);
    prefetchNextTick();
}

void SlideShow::pause()
{
    AppState& state = m_context.state;
    state.slides.slideShowRunning = kFalse;
    stopTimers();
    setControls(SlideControls{});
    int cursor = state.photos.photoCursor - 1;
    // After the empty tick at the end of a run the last slide is the one showing.
    if (cursor == 0)
        cursor = count();
    state.photos.photoCursor = qint16(cursor);
}

void SlideShow::spinInterval(bool up)
{
    if (!m_controls.spin)
        return;
    AppState& state = m_context.state;
    state.slides.slideInterval = spinSlideInterval(state.slides.slideInterval, up);
    Q_EMIT intervalCaptionChanged(slideIntervalCaption(state.slides.slideInterval));
    Q_EMIT frontRequested();
}

void SlideShow::exitShow()
{
    AppState& state = m_context.state;
    // Exit ends a play the way Pause does, so the slide handed over is the one on the screen.
    if (isPlaying())
        pause();
    const QString key = selectionKeyForSlide(m_caption);
    const int photo = m_mode == SlideMode::Photos ? m_shownPhoto : 0;
    const bool handed = !key.isEmpty() && m_handOver && m_handOver(key, photo);
    state.slides.startedFromMain = kFalse;
    // One before the photograph the main window shows now, so that its next step shows the one
    // after it.
    state.photos.photoCursor = qint16((handed ? state.photos.shownIndex : state.photos.photoCursor) - 1);
    if (!handed)
        reportFailure(ErrorCode::ER017);
}

void SlideShow::stop()
{
    stopTimers();
}

void SlideShow::tick(SlideMode mode)
{
    if (timer(mode).interval() == 0 || m_reporting)
        return;
    AppState& state = m_context.state;
    int cursor = state.photos.photoCursor;
    if (cursor == 0)
        cursor = 1;
    const int n = count();
    if (cursor > n) {
        // After the last slide of a run: it stays one more interval, then the run starts again.
        state.photos.photoCursor = 1;
        Q_EMIT captionVisible(true);
        prefetchNextTick();
        return;
    }
    if (m_order == SlideOrder::Random) {
        cursor = m_nextDraw ? *m_nextDraw : m_random.draw(n);
        m_nextDraw.reset();
    }
    state.photos.photoCursor = qint16(cursor);
    const bool shown = showSlide(ClipCaptionRule::Tick);
    // An unreadable slide is passed over: tried again, it would raise the same box on every tick.
    state.photos.photoCursor = qint16(cursor + 1);
    if (!shown)
        reportFailure(mode == SlideMode::Photos ? ErrorCode::ER016 : ErrorCode::ER019);
    else
        endStep();
    prefetchNextTick();
}

void SlideShow::insigniaTick()
{
    if (timer(SlideMode::Insignias).interval() == 0 || m_reporting)
        return;
    if (m_order == SlideOrder::Random) {
        m_insigniaYear = m_nextDraw ? *m_nextDraw : m_random.drawInsigniaYear();
        m_nextDraw.reset();
    } else {
        m_insigniaYear = nextInsigniaYear(m_insigniaYear);
    }
    showInsignia();
    endStep();
    prefetchNextTick();
}

void SlideShow::prefetchNextTick()
{
    if (!isPlaying())
        return;
    const AppState& state = m_context.state;
    if (m_mode == SlideMode::Insignias) {
        int next = nextInsigniaYear(m_insigniaYear);
        if (m_order == SlideOrder::Random) {
            if (!m_nextDraw)
                m_nextDraw = m_random.drawInsigniaYear();
            next = *m_nextDraw;
        }
        m_pictures.prefetch(insigniaPaths(next));
        return;
    }
    const int n = count();
    int next = std::max<int>(1, state.photos.photoCursor);
    if (next > n)
        return; // the next tick shows nothing
    if (m_order == SlideOrder::Random) {
        if (!m_nextDraw)
            m_nextDraw = m_random.draw(n);
        next = *m_nextDraw;
    }
    const QStringList& files = m_mode == SlideMode::Photos ? state.photos.photoFiles : state.photos.clipFiles;
    m_pictures.prefetch({files.value(next)});
}

} // namespace kestrane
