#include "periphery/ui/scroll_pictures.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kestrane {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    // Every pixel is the picture's: nothing behind it needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setImage(const QImage& image)
{
    m_image = image;
    resize(image.size());
    update();
}

void PictureBox::setPannable(bool pannable)
{
    m_pannable = pannable;
    if (!m_panning)
        setCursor(pannable ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const QRect& rect : event->region())
        painter.drawImage(rect.topLeft(), m_image, rect);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_leftDown = true;
        m_panning = false;
        m_pressAt = m_lastAt = event->globalPosition().toPoint();
    }
    Q_EMIT pressed(event->button());
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_leftDown || !m_pannable)
        return;
    const QPoint at = event->globalPosition().toPoint();
    if (!m_panning && (at - m_pressAt).manhattanLength() < QApplication::startDragDistance())
        return;
    if (!m_panning) {
        m_panning = true;
        setCursor(Qt::ClosedHandCursor);
    }
    const QPoint delta = at - m_lastAt;
    m_lastAt = at;
    Q_EMIT dragged(delta);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_leftDown)
        return;
    m_leftDown = false;
    if (m_panning) {
        m_panning = false;
        setCursor(m_pannable ? Qt::OpenHandCursor : Qt::ArrowCursor);
        return;
    }
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

StretchedPicture::StretchedPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StretchedPicture::setImage(const QImage& image)
{
    m_image = image;
    m_stretched = QImage();
    update();
}

void StretchedPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (m_image.isNull()) {
        painter.fillRect(event->rect(), palette().window());
        return;
    }
    if (m_stretched.size() != size())
        m_stretched = m_image.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (const QRect& rect : event->region())
        painter.drawImage(rect.topLeft(), m_stretched, rect);
}

void StretchedPicture::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pressed(event->button());
}

void StretchedPicture::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace kestrane
