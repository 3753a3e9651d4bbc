#include "media/ui/movies_window.h"

#include "common/control_names.h"
#include "common/error_reporter.h"
#include "common/ui/accessible_controls.h"
#include "common/ui/window_registry.h"
#include "media/movie_playback.h"
#include "media/movie_table.h"

#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <limits>

namespace kestrane {

namespace {

constexpr QSize kPictureSize{480, 360};

QString clock(qint64 milliseconds)
{
    const qint64 seconds = std::max<qint64>(0, milliseconds) / 1000;
    return u"%1:%2"_qs.arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

// MediaPlayer1: the picture and its bar. A right click anywhere on it opens the player's menu.
class PlayerFrame : public QFrame
{
public:
    using QFrame::QFrame;
    QMenu* menu = nullptr;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (menu)
            menu->popup(event->globalPos());
        event->accept();
    }
};

} // namespace

MoviesWindow::MoviesWindow(AppContext& context, QWidget* owner) : m_context(context)
{
    setObjectName(names::name(names::frmMovies));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    // A window of its own that stays above the main window and goes with it.
    if (owner) {
        create();
        if (QWindow* ownerWindow = owner->window()->windowHandle())
            windowHandle()->setTransientParent(ownerWindow);
        connect(owner, &QObject::destroyed, this, &QObject::deleteLater);
    }
    setWindowTitle(QString::fromUtf16(kMoviesCaption));

    if (context.platform.makeVideoPlayer)
        m_player = context.platform.makeVideoPlayer();
    m_playback = std::make_unique<MoviePlayback>(context, *m_player);
    setupWidgets();

    connect(m_playback.get(), &MoviePlayback::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_playback.get(), &MoviePlayback::stateChanged, this, &MoviesWindow::showState);
    connect(m_playback.get(), &MoviePlayback::positionChanged, this, &MoviesWindow::showPosition);
    connect(m_playback.get(), &MoviePlayback::durationChanged, this, &MoviesWindow::showDuration);
    // The reporter enables the main window on its way out, but this window is still open.
    connect(m_playback.get(), &MoviePlayback::errorReported, this, [this] {
        if (!m_unloaded && m_context.mainWindow)
            m_context.mainWindow->setMainWindowEnabled(false);
    });

    // Load.
    if (context.windows)
        context.windows->enter(WindowRegistry::Movies, this);
    if (context.mainWindow)
        context.mainWindow->setMainWindowEnabled(false);
}

MoviesWindow::~MoviesWindow() = default;

void MoviesWindow::setupWidgets()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(names::name(names::SSPanel1));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* choices = new QVBoxLayout(panel);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < int(kMovies.size()); ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(kMovies[size_t(i)].caption), panel);
        option->setObjectName(names::indexed(names::optMovie, i));
        group->addButton(option, i);
        choices->addWidget(option);
        m_options[size_t(i)] = option;
        onOptionChosen(option, this, [this, i] { m_playback->choose(i); });
    }
    choices->addStretch(1);
    auto* exit = new QPushButton(u"Exit"_qs, panel);
    exit->setObjectName(names::name(names::SSCommand1));
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
    choices->addWidget(exit);
    m_exit = exit;

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(setupPlayer(), 1);
    setupMenu();
}

QWidget* MoviesWindow::setupPlayer()
{
    auto* frame = new PlayerFrame(this);
    frame->setObjectName(names::name(names::MediaPlayer1));
    frame->setToolTip(u"Right-click for more options."_qs);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_mediaPlayer = frame;
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(2, 2, 2, 2);

    // The double has no surface: a black field stands where the picture would be.
    QWidget* picture = m_player->surface();
    if (!picture) {
        picture = new QWidget(frame);
        picture->setObjectName(u"VideoSurface"_qs);
        picture->setAutoFillBackground(true);
        QPalette black = picture->palette();
        black.setColor(QPalette::Window, Qt::black);
        picture->setPalette(black);
    }
    picture->setMinimumSize(kPictureSize);
    column->addWidget(picture, 1);

    auto* bar = new QHBoxLayout;
    m_play = new QToolButton(frame);
    m_play->setObjectName(u"playPause"_qs);
    m_play->setEnabled(false);
    connect(m_play, &QToolButton::clicked, m_playback.get(), &MoviePlayback::togglePlay);
    bar->addWidget(m_play);

    m_position = new QSlider(Qt::Horizontal, frame);
    m_position->setObjectName(u"position"_qs);
    m_position->setAccessibleName(u"Position"_qs);
    m_position->setEnabled(false);
    m_position->setRange(0, 0);
    // Dragging moves the movie when the handle is let go; a click on the groove moves it at once.
    connect(m_position, &QSlider::sliderReleased, this, [this] { m_playback->seek(m_position->value()); });
    connect(m_position, &QSlider::actionTriggered, this, [this](int action) {
        if (action != QAbstractSlider::SliderMove && action != QAbstractSlider::SliderNoAction)
            m_playback->seek(m_position->sliderPosition());
    });
    bar->addWidget(m_position, 1);

    m_time = new QLabel(clock(0) + u" / "_qs + clock(0), frame);
    m_time->setObjectName(u"time"_qs);
    bar->addWidget(m_time);

    auto* speaker = new QLabel(frame);
    speaker->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(16, 16));
    bar->addWidget(speaker);
    m_volume = new QSlider(Qt::Horizontal, frame);
    m_volume->setObjectName(u"volume"_qs);
    m_volume->setAccessibleName(u"Volume"_qs);
    m_volume->setRange(0, 100);
    m_volume->setValue(qRound(m_player->volume() * 100));
    m_volume->setFixedWidth(90);
    connect(m_volume, &QSlider::valueChanged, this,
            [this](int value) { m_playback->setVolume(float(value) / 100.0f); });
    bar->addWidget(m_volume);
    column->addLayout(bar);

    showState(VideoState::Stopped);
    return frame;
}

void MoviesWindow::setupMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(u"playerMenu"_qs);
    QAction* play = m_menu->addAction(u"&Play"_qs);
    play->setObjectName(u"menuPlay"_qs);
    QAction* pause = m_menu->addAction(u"P&ause"_qs);
    pause->setObjectName(u"menuPause"_qs);
    QAction* stop = m_menu->addAction(u"&Stop"_qs);
    stop->setObjectName(u"menuStop"_qs);
    m_menu->addSeparator();
    QAction* mute = m_menu->addAction(u"&Mute"_qs);
    mute->setObjectName(u"menuMute"_qs);
    mute->setCheckable(true);

    connect(play, &QAction::triggered, this, [this] {
        if (!m_playback->player().isPlaying())
            m_playback->togglePlay();
    });
    connect(pause, &QAction::triggered, this, [this] {
        if (m_playback->player().isPlaying())
            m_playback->togglePlay();
    });
    connect(stop, &QAction::triggered, m_playback.get(), &MoviePlayback::stop);
    connect(mute, &QAction::toggled, this, [this](bool muted) {
        m_playback->setVolume(muted ? 0.0f : float(m_volume->value()) / 100.0f);
        m_volume->setEnabled(!muted);
    });
    // What the menu offers follows what the player can do now.
    connect(m_menu, &QMenu::aboutToShow, this, [this, play, pause, stop] {
        const bool loaded = m_play->isEnabled();
        const bool playing = m_playback->player().isPlaying();
        play->setEnabled(loaded && !playing);
        pause->setEnabled(loaded && playing);
        stop->setEnabled(loaded);
    });
    static_cast<PlayerFrame*>(m_mediaPlayer)->menu = m_menu;
}

void MoviesWindow::showState(VideoState state)
{
    const bool playing = state == VideoState::Playing;
    m_play->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
    m_play->setAccessibleName(playing ? u"Pause"_qs : u"Play"_qs);
    m_play->setToolTip(m_play->accessibleName());
}

void MoviesWindow::showDuration(qint64 milliseconds)
{
    m_duration = milliseconds;
    const bool loaded = milliseconds > 0;
    m_play->setEnabled(loaded);
    m_position->setEnabled(loaded);
    m_position->setRange(0, int(std::min<qint64>(milliseconds, std::numeric_limits<int>::max())));
    showPosition(m_playback->player().position());
}

void MoviesWindow::showPosition(qint64 milliseconds)
{
    if (!m_position->isSliderDown())
        m_position->setValue(int(std::min<qint64>(milliseconds, m_position->maximum())));
    m_time->setText(clock(milliseconds) + u" / "_qs + clock(m_duration));
}

void MoviesWindow::showModal()
{
    show();
    raise();
    activateWindow();
}

void MoviesWindow::done(int result)
{
    QDialog::done(result);
    if (m_unloaded)
        return;
    // Every way out (Exit, the close box, Escape) unloads the window and gives the main window back.
    m_unloaded = true;
    m_player->close();
    if (m_context.windows)
        m_context.windows->leave(WindowRegistry::Movies, this);
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(true);
    RestoreYearButton(m_context);
    deleteLater();
}

MoviesWindow* findMovies(const AppContext& context)
{
    return context.windows ? context.windows->as<MoviesWindow>(WindowRegistry::Movies) : nullptr;
}

} // namespace kestrane
