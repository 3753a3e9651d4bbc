#include "saver_window.h"

#include "saver_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace kestrane::saver {

SaverWindow::SaverWindow(const SaverCanvas& canvas) : m_canvas(canvas)
{
    setObjectName(u"KestraneSaver"_qs);
    setWindowTitle(u"Kestrane2002"_qs);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::BlankCursor);
    connect(&canvas, &SaverCanvas::changed, this, qOverload<>(&QWidget::update));
}

void SaverWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_canvas.frame(size()));
}

void SaverWindow::keyPressEvent(QKeyEvent*)
{
    Q_EMIT userReturned();
}

void SaverWindow::mousePressEvent(QMouseEvent*)
{
    Q_EMIT userReturned();
}

void SaverWindow::wheelEvent(QWheelEvent*)
{
    Q_EMIT userReturned();
}

void SaverWindow::mouseMoveEvent(QMouseEvent* event)
{
    // The first report only says where the pointer rests.
    const QPoint at = event->globalPosition().toPoint();
    if (!m_firstPointer) {
        m_firstPointer = at;
        return;
    }
    if ((at - *m_firstPointer).manhattanLength() > kMoveTolerance)
        Q_EMIT userReturned();
}

} // namespace kestrane::saver
