#include "shell/ui/picture_label.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QStyle>

namespace kestrane {

namespace {

// A screen reader hears what the panel shows: its caption, or the prompt while the caption is
// still the designer's placeholder.
class CaptionPanelAccessible : public QAccessibleWidget
{
public:
    explicit CaptionPanelAccessible(CaptionPanel* panel)
        : QAccessibleWidget(panel, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const CaptionPanel*>(widget())->shownText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* captionPanelAccessible(const QString& className, QObject* object)
{
    auto* panel = qobject_cast<CaptionPanel*>(object);
    if (panel && className == QLatin1String(CaptionPanel::staticMetaObject.className()))
        return new CaptionPanelAccessible(panel);
    return nullptr;
}

} // namespace

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
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(captionPanelAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
}

QString CaptionPanel::shownText() const
{
    return m_prompt.isEmpty() || text() != m_designText ? text() : m_prompt;
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
