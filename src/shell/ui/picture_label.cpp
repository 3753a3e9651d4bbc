#include "shell/ui/picture_label.h"

#include <QPainter>
#include <QStyle>

namespace kestrane {

PictureLabel::PictureLabel(QWidget* parent)
    : QLabel(parent)
{
}

void PictureLabel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    const QPixmap picture = pixmap();
    if (picture.isNull()) {
        if (m_backdrop)
            m_backdrop(painter, area);
        return;
    }
    // Rescale only when the picture or the size changed: painting happens far more often.
    const qint64 key = picture.cacheKey() ^ (qint64(area.width()) << 40) ^ (qint64(area.height()) << 20);
    if (m_scaled.isNull() || key != m_scaledKey) {
        m_scaled = picture.scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_scaledKey = key;
    }
    const QPoint origin(area.x() + (area.width() - m_scaled.width()) / 2,
                        area.y() + (area.height() - m_scaled.height()) / 2);
    painter.drawPixmap(origin, m_scaled);
}

CaptionPanel::CaptionPanel(QWidget* parent)
    : QLabel(parent)
{
}

void CaptionPanel::setPrompt(const QString& designText, const QString& prompt)
{
    m_designText = designText;
    m_prompt = prompt;
    update();
}

void CaptionPanel::paintEvent(QPaintEvent* event)
{
    if (m_prompt.isEmpty() || text() != m_designText) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    QFont prompt = font();
    prompt.setPointSizeF(prompt.pointSizeF() * 0.7);
    prompt.setBold(false);
    painter.setFont(prompt);
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), m_prompt,
                          foregroundRole());
}

} // namespace kestrane
