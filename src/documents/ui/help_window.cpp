#include "documents/ui/help_window.h"

#include "common/control_names.h"
#include "common/ui/accessible_controls.h"
#include "documents/help_pages.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

namespace kestrane {

namespace {

constexpr QSize kDesignSize(620, 540);

} // namespace

HelpWindow::HelpWindow(QWidget* owner) : m_owner(owner)
{
    setObjectName(names::name(names::frmHelp));
    installAccessibleControls();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMinMaxButtonsHint);
    if (owner) {
        create();
        if (QWindow* ownerWindow = owner->window()->windowHandle())
            windowHandle()->setTransientParent(ownerWindow);
        connect(owner, &QObject::destroyed, this, &QObject::deleteLater);
    }
    setupWidgets();
    setWindowTitle(helpCaption({}));
    resize(kDesignSize);
}

void HelpWindow::setupWidgets()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);

    auto* bar = new QHBoxLayout;
    bar->setSpacing(6);
    auto button = [this, bar](const char16_t* name, const QString& text, const QString& tip) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(names::name(name));
        b->setToolTip(tip);
        b->setAutoDefault(false);
        bar->addWidget(b);
        return b;
    };
    m_contents = button(names::cmdHelpContents, tr("&Contents"), tr("Go to the contents page"));
    m_back = button(names::cmdHelpBack, tr("&Back"), tr("Go back to the page shown before (Alt+Left)"));
    m_forward = button(names::cmdHelpForward, tr("&Forward"), tr("Go forward again (Alt+Right)"));
    bar->addStretch(1);
    m_close = button(names::cmdHelpClose, tr("Close"), tr("Close the help (Esc)"));
    layout->addLayout(bar);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(names::name(names::txtHelp));
    m_browser->setAccessibleName(tr("Help page"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    layout->addWidget(m_browser, 1);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_contents, &QPushButton::clicked, this, [this] { m_browser->setSource(m_home); });
    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
}

void HelpWindow::showContents(const QString& contentsFile)
{
    m_home = QUrl::fromLocalFile(contentsFile);
    m_browser->setSearchPaths({QFileInfo(contentsFile).path()});
    if (m_browser->source() == m_home)
        m_browser->reload();
    else
        m_browser->setSource(m_home);
    pageChanged();
    if (!isVisible()) {
        const QScreen* screen = m_owner ? m_owner->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            QRect area(QPoint(), size());
            area.moveCenter(screen->availableGeometry().center());
            move(area.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::pageChanged()
{
    setWindowTitle(helpCaption(m_browser->documentTitle()));
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kestrane
