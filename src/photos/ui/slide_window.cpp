#include "photos/ui/slide_window.h"

#include "common/control_names.h"
#include "common/ui/accessible_controls.h"
#include "common/ui/spin_button.h"
#include "common/ui/window_registry.h"
#include "photos/slide_show.h"
#include "photos/ui/slide_widgets.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/services.h"
#include "state/app_context.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWindow>

namespace kestrane {

namespace {

constexpr char16_t kCaption[] = u"Kestrane Omnivar Slide Show";
constexpr char16_t kCoStar[] = u"The Kestrane Omnivar  2002";
constexpr char16_t kDealerCaption[] = u"The Kestrane Omnivar 2002          Dalworth - Tressel Edition";
constexpr char16_t kDealerCoStar[] = u" Dalworth - Tressel Edition";
constexpr char16_t kCopyTip[] = u"Click the Right mouse button to copy";
constexpr char16_t kCopyQuestion[] = u"Would you like to copy this image to the Windows Clipboard?";
constexpr char16_t kExitQuestion[] = u"Exit the Kestrane Omnivar?";
// The clock panels need no more than a tick a second; four keep the seconds from lagging.
constexpr int kClockTick = 250;

struct Choice
{
    const char16_t* caption;
    const char16_t* toolTip;
};
constexpr std::array<Choice, 3> kModes = {{
    {u"Photos", u"Show Photos"},
    {u"ClipArt", u"Show ClipArt"},
    {u"Insignias", u"Show Emblems & Scripts"},
}};
constexpr std::array<const char16_t*, 2> kOrders = {u"Sequential", u"Random"};

struct RowButton
{
    SlideButton button;
    const char16_t* name;
    const char16_t* word;
};
// Left to right, as the original control's previous, next, play, pause, back, step and stop.
constexpr std::array<RowButton, 7> kRowButtons = {{
    {SlideButton::Bkwd, names::mmSlideBkwd, u"Bkwd"},
    {SlideButton::Fwd, names::mmSlideFwd, u"Fwd"},
    {SlideButton::Play, names::mmSlidePlay, u"Play"},
    {SlideButton::Pause, names::mmSlidePause, u"Pause"},
    {SlideButton::JumpBkwd, names::mmSlideJumpBkwd, u"Jump Bkwd"},
    {SlideButton::JumpFwd, names::mmSlideJumpFwd, u"Jump Fwd"},
    {SlideButton::Exit, names::mmSlideExit, u"Exit"},
}};
constexpr char16_t kRowToolTip[] = u"[Bkwd] [Fwd] [Play] [Pause] [Jump Bkwd] [Jump Fwd] [Exit]";

bool isStepBack(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Comma || key->key() == Qt::Key_Less;
}

bool isStepOn(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Period || key->key() == Qt::Key_Greater;
}

} // namespace

SlideWindow::SlideWindow(AppContext& context, SlideShow& show, QWidget* owner, const SlideLayout& layout)
    : m_context(context), m_show(show), m_layout(layout)
{
    setObjectName(names::name(names::frmSlide));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf16(kCaption));
    // A window of its own above the main window, so that each keeps its controls' names.
    if (owner) {
        create();
        if (QWindow* ownerWindow = owner->window()->windowHandle())
            windowHandle()->setTransientParent(ownerWindow);
        connect(owner, &QObject::destroyed, this, &QObject::deleteLater);
    }
    m_show.setParent(this);
    setupWidgets();
    applyStyle();
    applyLayout();
    connectShow();

    AppState& state = context.state;
    if (context.windows)
        context.windows->enter(WindowRegistry::SlideShow, this);
    // Load: the Image1 click runs under the front hold, which keeps it from doing anything.
    state.slides.frontHold = kTrue;
    image1Clicked();
    state.slides.frontHold = kFalse;
    if (state.disc.editionSwitch != 0) {
        m_coStar->setText(QString::fromUtf16(kDealerCoStar));
        setWindowTitle(QString::fromUtf16(kDealerCaption));
    }

    if (Clock* clock = context.platform.clock) {
        m_clock = clock->makeTimer();
        m_clock->onTimeout = [this] { updateClock(); };
        m_clock->setInterval(kClockTick);
    }
    updateClock();
    m_beginning->setFocus();
}

SlideWindow::~SlideWindow()
{
    if (m_context.windows)
        m_context.windows->leave(WindowRegistry::SlideShow, this);
}

void SlideWindow::setupWidgets()
{
    m_image1 = new SlideImage(this);
    m_image1->setObjectName(names::name(names::Image1));
    m_image1->setAccessibleName(u"Slide"_qs);
    const std::array<std::pair<const char16_t*, const char16_t*>, 3> pictures = {
        {{names::Picture2, u"Side emblem"},
         {names::Picture3, u"Front emblem"},
         {names::Picture4, u"Script lettering"}}};
    for (size_t i = 0; i < pictures.size(); ++i) {
        auto* picture = new SlideImage(this);
        picture->setObjectName(names::name(pictures[i].first));
        picture->setAccessibleName(QString::fromUtf16(pictures[i].second));
        picture->setStretch(false);
        picture->hide();
        m_pictures[i] = picture;
    }
    for (SlideImage* picture : {m_image1, m_pictures[0], m_pictures[1], m_pictures[2]}) {
        picture->setToolTip(QString::fromUtf16(kCopyTip));
        connect(picture, &SlideImage::pressed, this,
                [this, picture](Qt::MouseButton b) { pictureMouseDown(picture, b); });
    }
    connect(m_image1, &SlideImage::clicked, this, &SlideWindow::image1Clicked);
    for (SlideImage* picture : m_pictures)
        connect(picture, &SlideImage::clicked, this, &SlideWindow::frontRule);

    m_panYear = new SlidePanel(this);
    m_panYear->setObjectName(names::name(names::panYear));
    m_panYear->setProperty("caption", true);
    m_panYear->hide();
    m_number = new SlidePanel(this);
    m_number->setObjectName(names::name(names::pnlPhotoNumber));
    m_number->setToolTip(u"Photograph number"_qs);
    m_number->hide();
    connect(m_panYear, &SlidePanel::clicked, this, &SlideWindow::frontRule);

    setupChoices();
    setupButtonRow();
    setupStatus();
}

void SlideWindow::setupChoices()
{
    m_modeFrame = new QGroupBox(u"Show"_qs, this);
    m_modeFrame->setObjectName(u"fraMode"_qs);
    for (size_t i = 0; i < kModes.size(); ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(kModes[i].caption), m_modeFrame);
        option->setObjectName(names::indexed(names::Option1, int(i)));
        option->setToolTip(QString::fromUtf16(kModes[i].toolTip));
        // A click leaves the keyboard with SSCommand1, which reads the step keys.
        option->setFocusPolicy(Qt::TabFocus);
        onOptionChosen(option, this, [this, i] { m_show.selectMode(SlideMode(i)); });
        m_modes[i] = option;
    }
    m_modes[0]->setChecked(true);

    m_orderFrame = new QGroupBox(u"Order"_qs, this);
    m_orderFrame->setObjectName(names::name(names::Frame3));
    for (size_t i = 0; i < kOrders.size(); ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(kOrders[i]), m_orderFrame);
        option->setObjectName(names::indexed(names::optSeq, int(i)));
        option->setFocusPolicy(Qt::TabFocus);
        onOptionChosen(option, this, [this, i] { m_show.setOrder(SlideOrder(i)); });
        m_order[i] = option;
    }
    m_order[0]->setChecked(true);

    m_interval = new SlidePanel(this);
    m_interval->setObjectName(names::name(names::panInterval));
    m_interval->setText(QString::fromUtf16(kFirstIntervalCaption));
    m_spin = new SpinButton(this);
    m_spin->setObjectName(names::name(names::SpinInterval));
    m_spin->setToolTip(u"Set Slide Show Delay"_qs);
    m_spin->setAccessibleName(u"Set Slide Show Delay"_qs);
    m_spin->upButton()->setAccessibleName(u"Longer delay"_qs);
    m_spin->downButton()->setAccessibleName(u"Shorter delay"_qs);
    connect(m_spin, &SpinButton::spinUp, this, [this] { m_show.spinInterval(true); });
    connect(m_spin, &SpinButton::spinDown, this, [this] { m_show.spinInterval(false); });
}

void SlideWindow::setupButtonRow()
{
    m_beginning = new QPushButton(u"Beginning"_qs, this);
    m_beginning->setObjectName(names::name(names::SSCommand1));
    m_beginning->setToolTip(u"Jump to Slide 1"_qs);
    m_beginning->setAutoDefault(false);
    m_beginning->installEventFilter(this);
    connect(m_beginning, &QPushButton::clicked, this, [this] { m_show.beginning(); });
    m_middle = new QPushButton(u"Middle"_qs, this);
    m_middle->setObjectName(names::name(names::SSCommand2));
    m_middle->setToolTip(u"Jump to Middle"_qs);
    m_middle->setAutoDefault(false);
    m_middle->setFocusPolicy(Qt::TabFocus);
    connect(m_middle, &QPushButton::clicked, this, [this] { m_show.middle(); });

    m_buttonRow = new QWidget(this);
    m_buttonRow->setObjectName(names::name(names::mmSlide));
    m_buttonRow->setToolTip(QString::fromUtf16(kRowToolTip));
    m_buttonRow->setAccessibleName(u"Slide show buttons"_qs);
    for (const RowButton& spec : kRowButtons) {
        auto* button = new QPushButton(m_buttonRow);
        button->setObjectName(names::name(spec.name));
        button->setIcon(slideButtonIcon(spec.button));
        button->setAccessibleName(QString::fromUtf16(spec.word));
        button->setToolTip(QString::fromUtf16(spec.word));
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::TabFocus);
        m_buttons[size_t(spec.button)] = button;
    }
    auto on = [this](SlideButton b, auto handler) {
        connect(m_buttons[size_t(b)], &QPushButton::clicked, this, handler);
    };
    on(SlideButton::Bkwd, [this] { m_show.step(SlideStep::Bkwd); });
    on(SlideButton::Fwd, [this] { m_show.step(SlideStep::Fwd); });
    on(SlideButton::Play, [this] { m_show.play(); });
    on(SlideButton::Pause, [this] { m_show.pause(); });
    on(SlideButton::JumpBkwd, [this] { m_show.step(SlideStep::JumpBkwd); });
    on(SlideButton::JumpFwd, [this] { m_show.step(SlideStep::JumpFwd); });
    on(SlideButton::Exit, [this] { m_show.exitShow(); });
}

void SlideWindow::setupStatus()
{
    m_coStar = new SlidePanel(this);
    m_coStar->setObjectName(names::name(names::PnlCoStar));
    m_coStar->setText(QString::fromUtf16(kCoStar));
    m_day = new SlidePanel(this);
    m_day->setObjectName(names::name(names::StatusDay));
    m_date = new SlidePanel(this);
    m_date->setObjectName(names::name(names::StatusDate));
    m_time = new SlidePanel(this);
    m_time->setObjectName(names::name(names::StatusTime));
    for (SlidePanel* panel : {m_coStar, m_day, m_date, m_time}) {
        panel->setProperty("status", true);
        connect(panel, &SlidePanel::clicked, this, &SlideWindow::frontRule);
    }
    m_exit = new QPushButton(u"Exit"_qs, this);
    m_exit->setObjectName(names::name(names::cmdExit));
    m_exit->setToolTip(u"Close the slide show"_qs);
    m_exit->setAutoDefault(false);
    m_exit->setFocusPolicy(Qt::TabFocus);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
}

void SlideWindow::showModal()
{
    raise();
    exec();
}

void SlideWindow::frontRule()
{
    m_beginning->raise();
}

void SlideWindow::image1Clicked()
{
    if (m_context.state.slides.frontHold != kTrue)
        frontRule();
}

void SlideWindow::pictureMouseDown(SlideImage* picture, Qt::MouseButton button)
{
    if (button != Qt::RightButton)
        return;
    MessageBoxRequest question;
    question.text = QString::fromUtf16(kCopyQuestion);
    question.title = QString::fromUtf16(kAppTitle);
    question.buttons = MsgButtons::YesNo;
    question.icon = MsgIcon::Question;
    const int answer = m_context.platform.dialogs->messageBox(question);
    m_context.state.errors.lastQuestionAnswer = Flag(answer);
    if (answer != MsgYes)
        return;
    Clipboard& clipboard = *m_context.platform.clipboard;
    clipboard.clear();
    clipboard.setImage(picture->image());
}

void SlideWindow::updateClock()
{
    if (!m_context.platform.clock)
        return;
    const ClockTexts texts = clockTexts(m_context.platform.clock->now());
    m_time->setText(texts.time);
    m_date->setText(texts.date);
    m_day->setText(texts.day);
}

bool SlideWindow::queryUnload()
{
    if (m_context.state.slides.startedFromMain == kTrue)
        return true;
    MessageBoxRequest question;
    question.text = QString::fromUtf16(kExitQuestion);
    question.title = QString::fromUtf16(kAppTitle);
    question.buttons = MsgButtons::OkCancel;
    question.icon = MsgIcon::Question;
    return m_context.platform.dialogs->messageBox(question) == MsgOk;
}

void SlideWindow::reject()
{
    // Escape takes the way of the close box, question included.
    close();
}

void SlideWindow::closeEvent(QCloseEvent* event)
{
    if (!m_unloaded && !queryUnload()) {
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

void SlideWindow::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    m_show.stop();
    if (m_clock)
        m_clock->setInterval(0);
    if (m_context.windows)
        m_context.windows->leave(WindowRegistry::SlideShow, this);
    QDialog::done(QDialog::Rejected);
    deleteLater();
}

void SlideWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_context.state.slides.frontHold != kTrue)
        frontRule();
}

bool SlideWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_beginning && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isStepBack(key)) {
            m_show.step(SlideStep::Bkwd);
            return true;
        }
        if (isStepOn(key)) {
            m_show.step(SlideStep::Fwd);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

SlideWindow* findSlideWindow(const AppContext& context)
{
    auto* window = context.windows ? context.windows->as<SlideWindow>(WindowRegistry::SlideShow) : nullptr;
    return window && !window->isUnloaded() ? window : nullptr;
}

} // namespace kestrane
