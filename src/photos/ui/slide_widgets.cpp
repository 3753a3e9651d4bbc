#include "photos/ui/slide_widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace kestrane {

SlideImage::SlideImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void SlideImage::setImage(const QImage& image)
{
    m_image = image;
    m_scaled = QPixmap();
    update();
}

void SlideImage::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    m_scaled = QPixmap();
    update();
}

void SlideImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A stretched slide has a frame of its own, so a picture of other proportions sits in it.
    if (m_stretch) {
        painter.fillRect(rect(), QColor(0x0b, 0x0d, 0x0f));
        painter.setPen(QColor(0x4b, 0x52, 0x5b));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (m_image.isNull())
        return;
    const QSize target = m_stretch ? m_image.size().scaled(size(), Qt::KeepAspectRatio) : size();
    if (m_scaled.size() != target)
        m_scaled = QPixmap::fromImage(m_image.size() == target ? m_image
                                                               : m_image.scaled(target, Qt::IgnoreAspectRatio,
                                                                                Qt::SmoothTransformation));
    painter.drawPixmap((width() - target.width()) / 2, (height() - target.height()) / 2, m_scaled);
}

void SlideImage::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pressed(event->button());
}

void SlideImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

SlidePanel::SlidePanel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void SlidePanel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace kestrane
