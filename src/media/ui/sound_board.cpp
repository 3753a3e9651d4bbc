#include "media/ui/sound_board.h"

#include "common/control_names.h"
#include "common/ui/accessible_controls.h"
#include "common/ui/main_window_controls.h"
#include "common/ui/window_registry.h"
#include "media/sound_table.h"
#include "platform/services.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

namespace kestrane {

namespace {

constexpr int kColumnLeft = 14;
constexpr int kColumnWidth = 176;
constexpr int kFirstRowTop = 52;
constexpr int kRowPitch = 26;
constexpr QSize kButtonSize{26, 22};

} // namespace

SoundBoardControls buildSoundBoard(QWidget* panel)
{
    SoundBoardControls board;
    board.panel = panel;
    if (!panel)
        return board;

    board.heading = new QLabel(QString::fromUtf16(kSoundBoardHeading), panel);
    board.heading->setObjectName(names::name(names::Label10));
    board.heading->setAlignment(Qt::AlignCenter);
    QFont headingFont = board.heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    headingFont.setBold(true);
    board.heading->setFont(headingFont);
    board.heading->setGeometry(10, 10, kSoundPanelWidth - 20, 30);

    const QIcon play = panel->style()->standardIcon(QStyle::SP_MediaPlay);
    for (int i = 0; i < int(kSounds.size()); ++i) {
        const SoundCell cell = soundCell(i);
        const QPoint at(kColumnLeft + cell.column * kColumnWidth, kFirstRowTop + cell.row * kRowPitch);
        const QString label = QString::fromUtf16(kSounds[size_t(i)].label);
        auto* button = new QPushButton(panel);
        button->setObjectName(names::indexed(names::SSCommand2, i));
        button->setIcon(play);
        button->setAccessibleName(label);
        button->setToolTip(label);
        button->setGeometry(QRect(at, kButtonSize));
        auto* text = new QLabel(label, panel);
        text->setObjectName(names::indexed(names::lblSound, i));
        text->setBuddy(button);
        text->setGeometry(at.x() + kButtonSize.width() + 6, at.y(), kColumnWidth - kButtonSize.width() - 10,
                          kButtonSize.height());
        board.buttons[size_t(i)] = button;
        board.labels[size_t(i)] = text;
    }

    // Under the two shorter columns: a speaker, then Stop and Close.
    const int belowShortColumns = kFirstRowTop + 8 * kRowPitch + 20;
    auto* speaker = new QLabel(panel);
    speaker->setObjectName(u"soundPicture"_qs);
    // The style may only draw its speaker small: it is enlarged to the picture's size.
    const QPixmap small = panel->style()->standardIcon(QStyle::SP_MediaVolume).pixmap(48, 48);
    speaker->setPixmap(small.scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    speaker->setAlignment(Qt::AlignCenter);
    speaker->setGeometry(kColumnLeft + kColumnWidth, belowShortColumns, kColumnWidth - 10, 80);
    const int buttonsLeft = kColumnLeft + 2 * kColumnWidth;
    auto* stop = new QPushButton(u"Stop"_qs, panel);
    stop->setObjectName(names::name(names::SSCommand3));
    stop->setGeometry(buttonsLeft, belowShortColumns, kColumnWidth - 24, 32);
    auto* close = new QPushButton(u"Close"_qs, panel);
    close->setObjectName(names::name(names::SSCommand1));
    close->setGeometry(buttonsLeft, belowShortColumns + 44, kColumnWidth - 24, 32);
    board.stop = stop;
    board.close = close;
    closeOnEscape(panel, close);
    return board;
}

SoundBoard::SoundBoard(AppContext& context, const MainWindowControls& controls, WavePlayer* player)
    : m_context(context), m_photo(controls.image4), m_board(buildSoundBoard(controls.pnlSound)),
      m_effects(context, player)
{
    for (int i = 0; i < int(m_board.buttons.size()); ++i) {
        if (QAbstractButton* button = m_board.buttons[size_t(i)])
            connect(button, &QAbstractButton::clicked, this, [this, i] { m_effects.play(i); });
    }
    if (m_board.stop)
        connect(m_board.stop, &QAbstractButton::clicked, this, [this] { m_effects.stop(); });
    if (m_board.close)
        connect(m_board.close, &QAbstractButton::clicked, this, &SoundBoard::close);
}

void SoundBoard::show()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    QWidget* panel = m_board.panel;
    if (!panel)
        return;
    const Screen& screen = *m_context.platform.screen;
    const int screenWidth = screen.widthTwips() / 15;
    const int photoTop = m_photo ? m_photo->y() : 0;
    const int pageWidth = panel->parentWidget() ? panel->parentWidget()->width() : screenWidth;
    panel->setGeometry(soundPanelGeometry(photoTop, screenWidth, pageWidth));
    panel->raise();
    panel->show();
    if (m_board.close)
        m_board.close->raise();
}

void SoundBoard::close()
{
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(true);
    if (m_board.panel)
        m_board.panel->hide();
}

} // namespace kestrane
