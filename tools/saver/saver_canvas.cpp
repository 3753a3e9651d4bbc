#include "saver_canvas.h"

#include <QFont>
#include <QPainter>

namespace kestrane::saver {

namespace {

constexpr int kFadeSteps = SaverCanvas::kFadeMs / SaverCanvas::kFadeStepMs;

void drawFitted(QPainter& painter, const QImage& image, QSize area)
{
    painter.drawImage(fitted(image.size(), area), image);
}

} // namespace

QRect fitted(QSize picture, QSize area)
{
    if (picture.isEmpty() || area.isEmpty())
        return {};
    const QSize size = picture.scaled(area, Qt::KeepAspectRatio);
    return {QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size};
}

SaverCanvas::SaverCanvas(QObject* parent) : QObject(parent)
{
    m_fade.setInterval(kFadeStepMs);
    connect(&m_fade, &QTimer::timeout, this, &SaverCanvas::step);
}

void SaverCanvas::showPhoto(const QImage& image)
{
    m_message.clear();
    m_previous = m_current;
    m_current = image;
    m_fadeStep = 0;
    if (m_previous.isNull())
        m_fade.stop();
    else
        m_fade.start();
    Q_EMIT changed();
}

void SaverCanvas::showMessage(const QString& message)
{
    m_fade.stop();
    m_current = {};
    m_previous = {};
    m_message = message;
    Q_EMIT changed();
}

void SaverCanvas::step()
{
    if (++m_fadeStep >= kFadeSteps) {
        m_fade.stop();
        m_previous = {};
    }
    Q_EMIT changed();
}

QImage SaverCanvas::frame(QSize size) const
{
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_message.isEmpty()) {
        QFont font(u"DejaVu Sans"_qs);
        font.setPixelSize(std::max(12, size.height() / 30));
        painter.setFont(font);
        painter.setPen(QColor(0xd9, 0xdd, 0xe2));
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter | Qt::TextWordWrap, m_message);
        return frame;
    }
    const bool crossFading = m_fade.isActive() && !m_previous.isNull();
    if (crossFading)
        drawFitted(painter, m_previous, size);
    if (!m_current.isNull()) {
        painter.setOpacity(crossFading ? double(m_fadeStep + 1) / kFadeSteps : 1.0);
        drawFitted(painter, m_current, size);
    }
    return frame;
}

} // namespace kestrane::saver
