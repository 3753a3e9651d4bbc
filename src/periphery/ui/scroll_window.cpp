#include "periphery/ui/scroll_window.h"

#include "common/control_names.h"
#include "common/error_reporter.h"
#include "common/ui/window_registry.h"
#include "periphery/illustrated_series.h"
#include "periphery/scroll_rules.h"
#include "periphery/ui/scroll_pictures.h"
#include "platform/services.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

namespace kestrane {

namespace {

// Image1's design width; its height is the picture's.
constexpr int kImage1Width = 620;
// What one arrow key or one notch of the wheel scrolls, in pixels.
constexpr int kKeyStep = 40;
constexpr int kWheelStep = 60;
const QColor kBackdrop(0x1c, 0x1e, 0x22);

} // namespace

ScrollWindow::ScrollWindow(AppContext& context, QWidget* owner) : m_context(context)
{
    setObjectName(names::name(names::frmScroll));
    setWindowFlags(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    // A window of its own above the main window, which is disabled while the viewer is open.
    if (owner) {
        create();
        if (QWindow* ownerWindow = owner->window()->windowHandle())
            windowHandle()->setTransientParent(ownerWindow);
        connect(owner, &QObject::destroyed, this, &QObject::deleteLater);
    }
    setupWidgets();

    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(false);
    if (m_context.windows)
        m_context.windows->enter(WindowRegistry::LargeImage, this);
}

ScrollWindow::~ScrollWindow()
{
    if (m_context.windows)
        m_context.windows->leave(WindowRegistry::LargeImage, this);
}

void ScrollWindow::setupWidgets()
{
    QPalette dark = palette();
    dark.setColor(QPalette::Window, kBackdrop);
    setPalette(dark);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    // Image1 lies behind the viewport; it shows only in the whole-screen view.
    m_stretched = new StretchedPicture(this);
    m_stretched->setObjectName(names::name(names::Image1));
    m_stretched->setAccessibleName(tr("Whole picture"));
    m_stretched->setToolTip(tr("Click to scroll the picture again; click the right mouse button to close"));
    m_stretched->hide();

    m_viewport = new QWidget(this);
    m_viewport->setObjectName(names::name(names::picParent));
    m_viewport->setAutoFillBackground(true);
    m_picture = new PictureBox(m_viewport);
    m_picture->setObjectName(names::name(names::picChild));
    m_picture->setAccessibleName(tr("Picture"));
    m_picture->move(0, 0);

    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->setObjectName(names::name(names::HScroll1));
    m_hScroll->setAccessibleName(tr("Scroll across"));
    m_vScroll = new QScrollBar(Qt::Vertical, this);
    m_vScroll->setObjectName(names::name(names::VScroll1));
    m_vScroll->setAccessibleName(tr("Scroll up and down"));
    for (QScrollBar* bar : {m_hScroll, m_vScroll}) {
        bar->setSingleStep(1);
        bar->setFocusPolicy(Qt::NoFocus);
        // A bar's own wheel steps by its small change, a pixel: the viewer's steps are larger.
        bar->installEventFilter(this);
    }

    m_close = new QPushButton(QString(QChar(0x2715)), this);
    m_close->setObjectName(names::name(names::SSCommand1));
    m_close->setAccessibleName(tr("Close"));
    m_close->setToolTip(tr("Close (Esc, or click the picture with the right mouse button)"));
    // Tab reaches it; a click leaves the arrow keys with the picture.
    m_close->setFocusPolicy(Qt::TabFocus);
    m_close->setFlat(true);
    m_close->setStyleSheet(
        u"QPushButton { color: #ffffff; background: #a11d19; border: none; font-weight: bold; }"
        u"QPushButton:hover { background: #d23b34; }"
        u"QPushButton:focus { border: 2px solid #ffffff; }"_qs);

    connect(m_hScroll, &QScrollBar::valueChanged, this,
            [this](int value) { scrollPictureTo(-value, m_picture->y()); });
    connect(m_vScroll, &QScrollBar::valueChanged, this,
            [this](int value) { scrollPictureTo(m_picture->x(), -value); });
    connect(m_picture, &PictureBox::pressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            close();
    });
    connect(m_picture, &PictureBox::clicked, this, &ScrollWindow::picChildClicked);
    connect(m_picture, &PictureBox::dragged, this, &ScrollWindow::panBy);
    connect(m_stretched, &StretchedPicture::pressed, this, [this](Qt::MouseButton button) {
        if (button == Qt::RightButton)
            close();
    });
    connect(m_stretched, &StretchedPicture::clicked, this, &ScrollWindow::image1Clicked);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

void ScrollWindow::setPicture(const QImage& picture, const QString& discPath)
{
    m_path = discPath;
    m_hScroll->hide();
    m_vScroll->hide();
    m_picture->move(0, 0);
    m_picture->setImage(picture);
    m_stretched->setImage(picture);
    m_stretched->setGeometry(m_picture->x(), m_picture->y(), kImage1Width, m_picture->height());
    layoutViewport();
}

void ScrollWindow::showFillingScreen()
{
    const QRect area = m_context.platform.screen->availableArea();
    resize(area.size());
    move(area.topLeft());
    setWindowState(Qt::WindowMaximized);
    show();
    raise();
    activateWindow();
    setFocus();
}

void ScrollWindow::unload()
{
    close();
}

bool ScrollWindow::isWholeScreen() const
{
    return !m_stretched->isHidden();
}

void ScrollWindow::layoutViewport()
{
    // A window smaller than its scroll bars (minimised, say) lays out to nothing, not to an error.
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_vScroll);
    const int barHeight = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_hScroll);
    const QSize viewport(std::max(0, width() - barWidth), std::max(0, height() - barHeight));
    m_viewport->setGeometry(0, 0, viewport.width(), viewport.height());

    const ScrollBarSetup across = scrollBarSetup(m_picture->width(), viewport.width());
    m_hScroll->setGeometry(0, viewport.height(), viewport.width(), barHeight);
    m_hScroll->setRange(0, std::max(0, across.maximum));
    m_hScroll->setPageStep(across.largeChange);
    m_hScroll->setEnabled(across.enabled);

    const ScrollBarSetup down = scrollBarSetup(m_picture->height(), viewport.height());
    m_vScroll->setGeometry(viewport.width(), 0, barWidth, viewport.height());
    m_vScroll->setRange(0, std::max(0, down.maximum));
    m_vScroll->setPageStep(down.largeChange);
    m_vScroll->setEnabled(down.enabled);

    m_close->setGeometry(viewport.width(), viewport.height(), barWidth, barHeight);
    m_picture->setPannable(across.enabled || down.enabled);
    // The bars were hidden while the picture loaded; the scrolling view shows them again.
    if (!isWholeScreen()) {
        m_hScroll->show();
        m_vScroll->show();
    }
    m_close->raise();
}

void ScrollWindow::scrollPictureTo(int left, int top)
{
    const int dx = left - m_picture->x();
    const int dy = top - m_picture->y();
    if (dx == 0 && dy == 0)
        return;
    // Scrolling the viewport moves the picture and repaints only the strip it uncovers.
    if (m_viewport->isVisible())
        m_viewport->scroll(dx, dy);
    else
        m_picture->move(left, top);
}

void ScrollWindow::panBy(QPoint delta)
{
    m_hScroll->setValue(m_hScroll->value() - delta.x());
    m_vScroll->setValue(m_vScroll->value() - delta.y());
}

void ScrollWindow::setScrollingViewVisible(bool visible)
{
    for (QWidget* w : {static_cast<QWidget*>(m_hScroll), static_cast<QWidget*>(m_vScroll), m_viewport,
                       static_cast<QWidget*>(m_picture)})
        w->setVisible(visible);
    m_stretched->setVisible(!visible);
    m_close->raise();
}

void ScrollWindow::picChildClicked()
{
    // The illustrations of the series have no whole-screen view.
    if (windowTitle() == periphery::kSeriesCaption)
        return;
    const std::optional<WholeScreenView> view =
        wholeScreenView(m_context.state.selection.selectionKey, size());
    if (!view)
        return;
    m_stretched->setGeometry(view->left, 0, view->width, view->height);
    // Each of the four changes its visibility; from the scrolling view that hides them all.
    for (QWidget* w : {static_cast<QWidget*>(m_hScroll), static_cast<QWidget*>(m_vScroll), m_viewport,
                       static_cast<QWidget*>(m_picture)})
        w->setVisible(w->isHidden());
    m_stretched->setVisible(m_viewport->isHidden());
    m_close->raise();
}

void ScrollWindow::image1Clicked()
{
    setScrollingViewVisible(true);
}

void ScrollWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutViewport();
}

void ScrollWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (m_unloaded)
        return;
    // Unload: the main window comes back with its year button.
    m_unloaded = true;
    if (m_context.windows)
        m_context.windows->leave(WindowRegistry::LargeImage, this);
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(true);
    RestoreYearButton(m_context);
}

void ScrollWindow::keyPressEvent(QKeyEvent* event)
{
    const int page = std::max(kKeyStep, m_viewport->height() - kKeyStep);
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Left:
        m_hScroll->setValue(m_hScroll->value() - kKeyStep);
        return;
    case Qt::Key_Right:
        m_hScroll->setValue(m_hScroll->value() + kKeyStep);
        return;
    case Qt::Key_Up:
        m_vScroll->setValue(m_vScroll->value() - kKeyStep);
        return;
    case Qt::Key_Down:
        m_vScroll->setValue(m_vScroll->value() + kKeyStep);
        return;
    case Qt::Key_PageUp:
        m_vScroll->setValue(m_vScroll->value() - page);
        return;
    case Qt::Key_PageDown:
        m_vScroll->setValue(m_vScroll->value() + page);
        return;
    case Qt::Key_Home:
        m_hScroll->setValue(0);
        m_vScroll->setValue(0);
        return;
    case Qt::Key_End:
        m_hScroll->setValue(m_hScroll->maximum());
        m_vScroll->setValue(m_vScroll->maximum());
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ScrollWindow::wheelEvent(QWheelEvent* event)
{
    if (isWholeScreen()) {
        event->ignore();
        return;
    }
    QPoint delta = event->pixelDelta();
    if (delta.isNull())
        delta = event->angleDelta() * kWheelStep / QWheelEvent::DefaultDeltasPerStep;
    // Shift turns an upright wheel sideways, as in other viewers.
    if (event->modifiers() & Qt::ShiftModifier)
        delta = QPoint(delta.y(), delta.x());
    m_hScroll->setValue(m_hScroll->value() - delta.x());
    m_vScroll->setValue(m_vScroll->value() - delta.y());
    event->accept();
}

bool ScrollWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel || (watched != m_hScroll && watched != m_vScroll))
        return QWidget::eventFilter(watched, event);
    auto* wheel = static_cast<QWheelEvent*>(event);
    QPoint delta = wheel->pixelDelta();
    if (delta.isNull())
        delta = wheel->angleDelta() * kWheelStep / QWheelEvent::DefaultDeltasPerStep;
    // The wheel over a bar moves that bar, whichever way the wheel turns.
    QScrollBar* bar = static_cast<QScrollBar*>(watched);
    const int step = delta.y() != 0 ? delta.y() : delta.x();
    bar->setValue(bar->value() - step);
    return true;
}

} // namespace kestrane
