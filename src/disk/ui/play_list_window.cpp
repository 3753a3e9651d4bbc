#include "disk/ui/play_list_window.h"

#include "common/control_names.h"
#include "common/ui/accessible_controls.h"
#include "common/ui/window_registry.h"
#include "disk/play_list_rules.h"
#include "disk/ui/flood_gauge.h"
#include "disk/ui/play_list_commands.h"
#include "state/app_context.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace kestrane {

namespace {

struct ButtonDesign
{
    const char16_t* name;
    const char16_t* caption;
    QPushButton* PlayListControls::*slot;
};

constexpr ButtonDesign kButtons[] = {
    {names::SSCommand7, u"Add this photo to SS list", &PlayListControls::add},
    {names::SSCommand8, u"Remove this photo from SS list", &PlayListControls::remove},
    {names::SSCommand2, u"Remove all photos from the SS list", &PlayListControls::removeAll},
    {names::SSCommand4, u"Copy this photo to disk", &PlayListControls::copyToDisk},
    {names::SSCommand3, u"Copy this photo to Clipboard", &PlayListControls::clipboard},
    {names::SSCommand5, u"Print this photo", &PlayListControls::print},
    {names::SSCommand1, u"Help", &PlayListControls::help},
    {names::SSCommand9, u"Exit", &PlayListControls::exit},
};

constexpr QSize kPhotoSize(320, 240);

} // namespace

PlayListWindow::PlayListWindow(const PlayListEnvironment& environment, QWidget* parent)
    : QWidget(parent,
              Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_context(environment.context)
{
    setObjectName(names::name(names::frmSSPhoto));
    setWindowTitle(QString::fromUtf16(kPlayListCaption));
    setAttribute(Qt::WA_DeleteOnClose);
    setupWidgets();
    closeOnEscape(this, m_controls.exit);
    placeOverOwner();
    if (m_context.windows)
        m_context.windows->enter(WindowRegistry::PlayList, this);
    m_commands = std::make_unique<PlayListCommands>(environment, m_controls, this);
    m_commands->Load();
}

PlayListWindow::~PlayListWindow()
{
    if (m_context.windows)
        m_context.windows->leave(WindowRegistry::PlayList, this);
}

void PlayListWindow::setupWidgets()
{
    PlayListControls& c = m_controls;
    c.picture1 = new QLabel(this);
    c.picture1->setObjectName(names::name(names::Picture1));
    c.picture1->setAccessibleName(u"Photograph"_qs);
    c.picture1->setAlignment(Qt::AlignCenter);
    c.picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    c.picture1->setStyleSheet(u"background: #0b0d0f;"_qs);
    c.picture1->setGeometry(QRect(QPoint(12, 12), kPhotoSize + QSize(4, 4)));

    c.text4 = new QLabel(QString::fromUtf16(kPlayListHeading), this);
    c.text4->setObjectName(names::name(names::Text4));
    c.text4->setAlignment(Qt::AlignCenter);
    QFont bold = c.text4->font();
    bold.setBold(true);
    c.text4->setFont(bold);
    c.text4->setGeometry(12, 262, 324, 22);

    c.gauge = new FloodGauge(this);
    c.gauge->setObjectName(names::name(names::ProgressGuage));
    c.gauge->setAccessibleName(u"Copy progress"_qs);
    c.gauge->setGeometry(12, 290, 324, 20);

    int y = 12;
    for (const ButtonDesign& design : kButtons) {
        auto* button = new QPushButton(QString::fromUtf16(design.caption), this);
        button->setObjectName(names::name(design.name));
        button->setGeometry(350, y, 250, 32);
        c.*(design.slot) = button;
        y += 37;
    }
    setFixedSize(612, 322);
}

void PlayListWindow::placeOverOwner()
{
    const QWidget* owner = parentWidget();
    if (!owner)
        return;
    // Over the middle of Form1, whole on its screen.
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(owner->frameGeometry().center());
    if (const QScreen* screen = owner->screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(
            std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() - frame.width())));
        frame.moveTop(
            std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() - frame.height())));
    }
    move(frame.topLeft());
}

void PlayListWindow::closeEvent(QCloseEvent* event)
{
    // The Unload event.
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(true);
    event->accept();
}

PlayListWindow* findPlayList(const AppContext& context)
{
    return context.windows ? context.windows->as<PlayListWindow>(WindowRegistry::PlayList) : nullptr;
}

PlayListWindow& frmSSPhoto(const PlayListEnvironment& environment)
{
    if (PlayListWindow* loaded = findPlayList(environment.context))
        return *loaded;
    QWidget* owner = environment.main ? environment.main->form : nullptr;
    return *new PlayListWindow(environment, owner);
}

} // namespace kestrane
