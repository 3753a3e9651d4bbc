#include "disk/ui/saver_panel.h"

#include "common/error_reporter.h"
#include "common/ui/accessible_controls.h"
#include "common/ui/spin_button.h"
#include "common/ui/window_registry.h"
#include "disk/saver_rules.h"
#include "disk/ui/copy_controller.h"
#include "disk/ui/panel_art.h"
#include "photos/slide_rules.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "state/app_context.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>

namespace kestrane {

namespace {

constexpr char16_t kDesignInterval[] = u"1 Second";

QPushButton* makeButton(QFrame* panel, const char16_t* name, const QString& caption, int x)
{
    auto* button = new QPushButton(caption, panel);
    button->setObjectName(names::name(name));
    button->setGeometry(x, 196, 104, 32);
    return button;
}

} // namespace

SaverPanelControls buildSaverPanel(QFrame* panel)
{
    SaverPanelControls c;
    if (!panel)
        return c;
    c.panel = panel;
    panel->setAccessibleName(u"Install Screen Saver"_qs);

    auto* heading = new QLabel(u"The Kestrane Omnivar Screen Saver"_qs, panel);
    heading->setObjectName(u"saverHeading"_qs);
    heading->setAlignment(Qt::AlignCenter);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    heading->setFont(bold);
    heading->setGeometry(10, 10, 380, 26);

    c.picture = new QLabel(panel);
    c.picture->setObjectName(u"saverPicture"_qs);
    c.picture->setGeometry(18, 48, 88, 80);
    c.picture->setPixmap(saverPanelPicture(c.picture->size()));

    const char16_t* options[] = {u"All Photos", u"Selected Photos"};
    for (int i = 0; i < 2; ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(options[i]), panel);
        option->setObjectName(names::indexed(names::Option1, i));
        option->setGeometry(126, 50 + i * 28, 250, 24);
        c.option1[size_t(i)] = option;
    }
    c.option1[0]->setChecked(true);

    auto* delay = new QLabel(u"Show each photo for"_qs, panel);
    delay->setObjectName(u"saverDelayLabel"_qs);
    delay->setGeometry(126, 116, 140, 24);

    c.panInterval = new QLabel(QString::fromUtf16(kDesignInterval), panel);
    c.panInterval->setObjectName(names::name(names::panInterval));
    c.panInterval->setAlignment(Qt::AlignCenter);
    c.panInterval->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.panInterval->setGeometry(126, 144, 120, 26);
    delay->setBuddy(c.panInterval);

    c.spinInterval = new SpinButton(panel);
    c.spinInterval->setObjectName(names::name(names::SpinInterval));
    c.spinInterval->setToolTip(u"Set Slide Show Delay"_qs);
    c.spinInterval->setAccessibleName(u"Set Slide Show Delay"_qs);
    c.spinInterval->upButton()->setAccessibleName(u"Longer"_qs);
    c.spinInterval->downButton()->setAccessibleName(u"Shorter"_qs);
    c.spinInterval->setGeometry(252, 144, 52, 26);

    c.install = makeButton(panel, names::SSCommand4, u"Install"_qs, 36);
    c.help = makeButton(panel, names::SSCommand5, u"Help"_qs, 148);
    c.cancel = makeButton(panel, names::SSCommand6, u"Cancel"_qs, 260);
    closeOnEscape(panel, c.cancel);
    return c;
}

SaverPanel::SaverPanel(AppContext& context, const MainWindowControls& controls, CopyController& copy)
    : m_context(context), m_w(controls), m_copy(copy), m_panel(buildSaverPanel(controls.pnlSSaver))
{
    if (QAction* item = m_w.menuItem(names::mnuSaver))
        connect(item, &QAction::triggered, this, &SaverPanel::saverTriggered);
    if (!m_panel.panel)
        return;
    connect(m_panel.spinInterval, &SpinButton::spinUp, this, &SaverPanel::spinUp);
    connect(m_panel.spinInterval, &SpinButton::spinDown, this, &SaverPanel::spinDown);
    connect(m_panel.install, &QPushButton::clicked, this, &SaverPanel::installClicked);
    connect(m_panel.help, &QPushButton::clicked, this, &SaverPanel::helpRequested);
    connect(m_panel.cancel, &QPushButton::clicked, this, &SaverPanel::cancelClicked);
}

SaverPanel::~SaverPanel() = default;

void SaverPanel::placePanel()
{
    QFrame* panel = m_panel.panel;
    QWidget* page = panel->parentWidget();
    if (!page || !m_w.image4)
        return;
    const Screen& screen = *m_context.platform.screen;
    const int screenWidth = screen.widthTwips() / std::max(1, screen.twipsPerPixelX());
    const int top = m_w.image4->mapTo(page, QPoint(0, 0)).y() + 5;
    // Centred on the screen as designed, but never outside the window that holds it.
    const int left =
        std::clamp((screenWidth - panel->width()) / 2, 0, std::max(0, page->width() - panel->width()));
    panel->move(left, std::clamp(top, 0, std::max(0, page->height() - panel->height())));
}

void SaverPanel::saverTriggered()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    if (!m_panel.panel)
        return;
    placePanel();
    m_panel.panel->raise();
    const FileSystem& fs = *m_context.platform.fileSystem;
    const bool listed = !fs.dir(fs.programFolder() + u"\\SSKESTYS\\*.jpg"_qs).isEmpty();
    // A choice already made stays made, even when it can no longer be made again.
    m_panel.option1[1]->setEnabled(listed);
    m_panel.panel->show();
    m_panel.cancel->raise();
    m_panel.cancel->setText(u"Cancel"_qs);
    m_context.state.slides.slideInterval = 1000;
    // The caption says what will be installed: the interval starts again at one second.
    m_panel.panInterval->setText(QString::fromUtf16(kDesignInterval));
}

void SaverPanel::spinUp()
{
    qint32& interval = m_context.state.slides.slideInterval;
    interval = spinSlideInterval(interval, true);
    m_panel.panInterval->setText(saverIntervalCaption(interval));
}

void SaverPanel::spinDown()
{
    qint32& interval = m_context.state.slides.slideInterval;
    interval = spinSlideInterval(interval, false);
    m_panel.panInterval->setText(saverIntervalCaption(interval));
}

void SaverPanel::installClicked()
{
    if (m_waitingForCopy)
        return;
    const FileSystem& fs = *m_context.platform.fileSystem;
    const bool onDisk = !fs.dir(fs.programFolder() + u"\\kestranes\\*.jpg"_qs).isEmpty();
    const SaverFolder choice = chooseSaverFolder(m_panel.option1[1]->isChecked(), onDisk);
    if (choice != SaverFolder::AskToCopy) {
        finishInstall(choice);
        return;
    }
    MessageBoxRequest question;
    question.text = QString::fromUtf16(kCopyForSaverQuestion);
    question.title = QString::fromUtf16(kAppTitle);
    question.buttons = MsgButtons::YesNo;
    question.icon = MsgIcon::Question;
    if (m_context.platform.dialogs->messageBox(question) != MsgYes) {
        finishInstall(SaverFolder::Disc);
        return;
    }
    DiskState& disk = m_context.state.disk;
    disk.copyPending = kTrue;
    disk.copyingPhotos = kTrue;
    if (!m_copy.PrepareCopyPanel()) {
        disk.copyPending = kFalse;
        finishInstall(SaverFolder::Disc);
        return;
    }
    // The installation goes on when the copy panel closes, whatever became of the copy.
    m_waitingForCopy = true;
    m_panel.install->setEnabled(false);
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection =
        connect(&m_copy, &CopyController::panelClosed, this, [this, connection](bool photos, bool complete) {
            disconnect(*connection);
            m_waitingForCopy = false;
            m_panel.install->setEnabled(true);
            finishInstall(photos && complete ? SaverFolder::OnDisk : SaverFolder::Disc);
        });
}

void SaverPanel::finishInstall(SaverFolder choice)
{
    AppState& state = m_context.state;
    const FileSystem& fs = *m_context.platform.fileSystem;
    const QString folder = saverFolderPath(choice, fs.programFolder(), state.disc.cdRoot);
    setErrorCode(m_context, ErrorCode::ER049);
    QString reason;
    if (!installScreenSaver(m_context, state.slides.slideInterval, folder, &reason)) {
        report(m_context, ErrorCode::ER049, reason);
        return;
    }
    MessageBoxRequest done;
    done.text = QString::fromUtf16(kSaverInstalled);
    done.title = QString::fromUtf16(kAppTitle);
    m_context.platform.dialogs->messageBox(done);
    m_panel.cancel->setText(u"Exit"_qs);
}

void SaverPanel::cancelClicked()
{
    m_panel.panel->hide();
}

} // namespace kestrane
