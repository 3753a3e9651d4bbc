// frmSlide's look and what it shows: the layout and style, and the show's signals.
#include "photos/ui/slide_window.h"

#include "common/ui/spin_button.h"
#include "photos/slide_insignia.h"
#include "photos/slide_show.h"
#include "photos/ui/slide_widgets.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrane {

namespace {

// The panels by their class: a message box opened over the show keeps the look of every other box.
const char* kStyle = R"(
QDialog#frmSlide { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #2b3037, stop:1 #1a1d22); }
kestrane--SlidePanel { color: #e9ebee; background: #0f1215; border: 1px solid #4b525b; border-radius: 3px; padding: 0 4px; }
kestrane--SlidePanel[caption="true"] { color: #ffffff; border: 1px solid #d24a43; border-radius: 4px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #b8231f, stop:1 #7a1411); }
kestrane--SlidePanel#pnlPhotoNumber { color: #f4c84f; }
kestrane--SlidePanel#PnlCoStar { color: #d9dde2; font-style: italic; }
QGroupBox { color: #aab2bb; border: 1px solid #4b525b; border-radius: 4px; margin-top: 1.1em; padding: 2px 4px; }
QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 3px; }
QRadioButton { color: #e9ebee; spacing: 6px; }
QRadioButton:disabled { color: #79818a; }
QPushButton { color: #1a1d22; border: 1px solid #858d96; border-radius: 3px; padding: 1px 3px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfe, stop:0.55 #e2e6ea, stop:1 #c9cfd6); }
QPushButton:hover { border-color: #d23b34; }
QPushButton:pressed { background: #b4bcc5; }
QPushButton:focus { border: 2px solid #e0463e; padding: 0 2px; }
QPushButton:disabled { color: #79818a; border-color: #464d55; background: #343a41; }
QPushButton#cmdExit { color: #ffffff; border-color: #5b0f0c;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #cf3a33, stop:1 #8c1713); }
QPushButton#cmdExit:focus { border: 2px solid #ffffff; padding: 0 2px; }
SpinButton QToolButton { border: 1px solid #858d96; border-radius: 3px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfe, stop:1 #c9cfd6); }
SpinButton QToolButton:disabled { background: #343a41; border-color: #464d55; }
SpinButton QToolButton:focus { border: 2px solid #e0463e; }
)";

constexpr int kPictureSlots = 4; // Image1 (rear), Picture2 (side), Picture3 (front), Picture4 (script)

QFont pointFont(const QFont& base, double points, bool bold = false)
{
    QFont font = base;
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

void SlideWindow::applyStyle()
{
    setStyleSheet(QString::fromLatin1(kStyle));
}

void SlideWindow::applyLayout()
{
    const SlideLayout& l = m_layout;
    setFixedSize(l.client);
    const double s = l.scale;
    const QFont base = font();
    m_image1->setGeometry(l.image1);
    m_number->setGeometry(l.photoNumber);
    m_number->setFont(pointFont(base, 11 * s, true));
    m_panYear->setGeometry(l.panYear);
    m_panYear->setFont(pointFont(base, 14 * s, true));

    auto placeGroup = [&](QGroupBox* frame, const QRect& area, auto& options) {
        frame->setGeometry(area);
        frame->setFont(pointFont(base, 8 * s, true));
        auto* column = new QVBoxLayout(frame);
        column->setContentsMargins(int(8 * s), int(6 * s), int(4 * s), int(4 * s));
        column->setSpacing(0);
        for (QRadioButton* option : options) {
            option->setFont(pointFont(base, 9.5 * s));
            column->addWidget(option);
        }
    };
    placeGroup(m_modeFrame, l.modes, m_modes);
    placeGroup(m_orderFrame, l.order, m_order);

    m_beginning->setGeometry(l.beginning);
    m_middle->setGeometry(l.middle);
    for (QPushButton* button : {m_beginning, m_middle})
        button->setFont(pointFont(base, 9.5 * s, true));
    m_buttonRow->setGeometry(l.mmSlide);
    const int count = int(m_buttons.size());
    const int gap = std::max(2, int(3 * s));
    for (int i = 0; i < count; ++i) {
        const int x0 = i * (l.mmSlide.width() + gap) / count;
        const int x1 = (i + 1) * (l.mmSlide.width() + gap) / count - gap;
        m_buttons[size_t(i)]->setGeometry(x0, 0, x1 - x0, l.mmSlide.height());
        const int icon = std::min(l.mmSlide.height() - 6, x1 - x0 - 8);
        m_buttons[size_t(i)]->setIconSize(QSize(icon, icon));
    }
    m_interval->setGeometry(l.panInterval);
    m_interval->setFont(pointFont(base, 9 * s));
    m_spin->setGeometry(l.spinInterval);

    m_coStar->setGeometry(l.coStar);
    m_date->setGeometry(l.statusDate);
    m_day->setGeometry(l.statusDay);
    m_time->setGeometry(l.statusTime);
    for (SlidePanel* panel : {m_coStar, m_date, m_day, m_time})
        panel->setFont(pointFont(base, 9 * s));
    m_exit->setGeometry(l.exit);
    m_exit->setFont(pointFont(base, 10 * s, true));
}

void SlideWindow::connectShow()
{
    SlideShow* show = &m_show;
    connect(show, &SlideShow::modeSelected, this, &SlideWindow::selectModeButton);
    connect(show, &SlideShow::titleShown, this, &SlideWindow::showTitle);
    connect(show, &SlideShow::photoShown, this, &SlideWindow::showPhoto);
    connect(show, &SlideShow::numberVisible, m_number, &QWidget::setVisible);
    connect(show, &SlideShow::clipArtShown, this, &SlideWindow::showClipArt);
    connect(show, &SlideShow::pictureHidden, this, &SlideWindow::hidePicture);
    connect(show, &SlideShow::insigniaShown, this, &SlideWindow::showInsignia);
    connect(show, &SlideShow::captionChanged, this, &SlideWindow::setCaption);
    connect(show, &SlideShow::captionVisible, m_panYear, &QWidget::setVisible);
    connect(show, &SlideShow::controlsChanged, this, &SlideWindow::setControls);
    connect(show, &SlideShow::intervalCaptionChanged, m_interval, &QLabel::setText);
    connect(show, &SlideShow::frontRequested, this, &SlideWindow::frontRule);
}

void SlideWindow::selectModeButton(SlideMode mode)
{
    // The show chose the mode itself: checking its button is no second choice.
    const QSignalBlocker quiet(m_modes[size_t(mode)]);
    m_modes[size_t(mode)]->setChecked(true);
}

QSize SlideWindow::pictureSize(const QImage& picture) const
{
    const QSize size = picture.size() * m_layout.scale;
    return size.boundedTo(m_layout.stage.size()) == size
               ? size
               : size.scaled(m_layout.stage.size(), Qt::KeepAspectRatio);
}

void SlideWindow::showTitle(SlideMode mode, const QImage& picture)
{
    for (SlideImage* p : m_pictures)
        p->hide();
    m_number->hide();
    m_panYear->hide();
    // The caption goes back to its row; the modes that move it do so with their first slide.
    m_panYear->move(m_layout.panYear.topLeft());
    if (mode == SlideMode::Insignias) {
        m_panYear->move(m_layout.panYear.x(), m_layout.pixels(kInsigniaCaptionTopTwips));
        m_image1->setGeometry(m_layout.stage);
    } else {
        m_image1->setGeometry(m_layout.image1);
    }
    m_image1->setStretch(true);
    m_image1->setImage(picture);
    m_image1->show();
}

void SlideWindow::showPhoto(const QImage& picture, const QString& number)
{
    m_image1->setStretch(true);
    m_image1->setGeometry(m_layout.image1);
    m_image1->setImage(picture);
    m_image1->show();
    m_number->setText(number);
    m_panYear->move(m_layout.panYear.topLeft());
}

void SlideWindow::hidePicture()
{
    m_image1->hide();
    m_image1->setStretch(false);
}

void SlideWindow::showClipArt(const QImage& picture)
{
    const QSize size = pictureSize(picture);
    const int stageWidth = m_layout.pixels(m_layout.stageWidthTwips());
    const int left = (stageWidth - size.width()) / 2;
    m_image1->setStretch(false);
    m_image1->setImage(picture);
    m_image1->setGeometry(left, m_layout.pixels(kClipArtTopTwips), size.width(), size.height());
    // Under the picture, however tall it is.
    const int captionTop = std::max(m_layout.pixels(kClipCaptionTopTwips), m_image1->geometry().bottom() + 6);
    m_panYear->move(left, captionTop);
    m_image1->show();
}

void SlideWindow::showInsignia(const SlideInsigniaPictures& set)
{
    const std::array<SlideImage*, kPictureSlots> slots = {m_image1, m_pictures[0], m_pictures[1],
                                                          m_pictures[2]};
    SlideArrangementInput in;
    const SlideLayout& l = m_layout;
    in.windowWidth = l.stageWidthTwips();
    in.coStarLeft = int(l.twips(l.coStar.x()));
    in.coStarTop = int(l.twips(l.coStar.y()));
    in.captionHeight = int(l.twips(m_panYear->height()));
    for (size_t i = 0; i < slots.size(); ++i) {
        slots[i]->hide();
        slots[i]->setStretch(false);
        slots[i]->setImage(set.pictures[i]);
        const QSize size = set.pictures[i].isNull() ? QSize() : pictureSize(set.pictures[i]);
        slots[i]->resize(size);
        in.sizes[i] = QSize(int(l.twips(size.width())), int(l.twips(size.height())));
    }
    const SlideArrangement a = arrangeSlideInsignia(in);
    m_panYear->move(l.pixels(a.captionLeft), l.pixels(a.captionTop));
    const int top = l.pixels(kInsigniaPictureTopTwips);
    slots[kSlideRear]->move(l.pixels(a.rearLeft), top);
    slots[kSlideFront]->move(l.pixels(a.frontLeft), top);
    slots[kSlideScript]->move(l.pixels(a.scriptLeft), l.pixels(a.scriptTop));
    slots[kSlideSide]->move(l.pixels(a.sideLeft), l.pixels(a.sideTop));
    for (size_t i = 0; i < slots.size(); ++i)
        slots[i]->setVisible(!set.pictures[i].isNull());
}

void SlideWindow::setCaption(const QString& caption)
{
    m_panYear->setText(caption);
    // The longest category titles shrink to fit the panel rather than lose their ends.
    QFont font = m_panYear->font();
    double points = 14 * m_layout.scale;
    font.setPointSizeF(points);
    const int room = m_panYear->width() - 12;
    while (points > 7 && QFontMetrics(font).horizontalAdvance(caption) > room) {
        points -= 0.5;
        font.setPointSizeF(points);
    }
    m_panYear->setFont(font);
}

void SlideWindow::setControls(const SlideControls& controls)
{
    m_spin->setEnabled(controls.spin);
    m_buttons[size_t(SlideButton::Play)]->setEnabled(controls.play);
    m_buttons[size_t(SlideButton::Pause)]->setEnabled(controls.pause);
    for (SlideButton step :
         {SlideButton::Bkwd, SlideButton::Fwd, SlideButton::JumpBkwd, SlideButton::JumpFwd})
        m_buttons[size_t(step)]->setEnabled(controls.steps);
    for (QRadioButton* option : m_modes)
        option->setEnabled(controls.modes);
    m_beginning->setEnabled(controls.jumps);
    m_middle->setEnabled(controls.jumps);
    // Play took the keyboard from SSCommand1 when it disabled it; Pause gives it back.
    if (controls.jumps && !m_beginning->hasFocus() && isVisible())
        m_beginning->setFocus();
}

} // namespace kestrane
