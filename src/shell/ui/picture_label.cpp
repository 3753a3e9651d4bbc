#include "shell/ui/picture_label.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace kestrane {

namespace {

// A screen reader hears what the panel shows: its caption, or the prompt while the caption is
// still the designer's placeholder.
class CaptionPanelAccessible : public QAccessibleWidget
{
public:
    explicit CaptionPanelAccessible(CaptionPanel* panel) : QAccessibleWidget(panel, QAccessible::StaticText)
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

PictureLabel::PictureLabel(QWidget* parent) : QLabel(parent) {}

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
    // Rescale only when the picture or the size changed: painting happens far more often. The
    // picture is scaled to the device's pixels, so it stays sharp on a screen of a higher ratio.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(area.size()) * ratio).toSize();
    const qint64 key = picture.cacheKey() ^ (qint64(pixels.width()) << 40) ^ (qint64(pixels.height()) << 20);
    if (m_scaled.isNull() || key != m_scaledKey) {
        // A picture decoded at the size it is shown needs no second copy.
        const bool fits = picture.size() == picture.size().scaled(pixels, Qt::KeepAspectRatio);
        m_scaled = fits ? picture : picture.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_scaled.setDevicePixelRatio(ratio);
        m_scaledKey = key;
    }
    const QSizeF shown = m_scaled.deviceIndependentSize();
    const QPointF origin(area.x() + (area.width() - shown.width()) / 2,
                         area.y() + (area.height() - shown.height()) / 2);
    painter.drawPixmap(origin, m_scaled);
}

CaptionPanel::CaptionPanel(QWidget* parent) : QLabel(parent)
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

QFont CaptionPanel::captionFont() const
{
    QFont fitted = font();
    if (shownText() != text()) {
        fitted.setPointSizeF(fitted.pointSizeF() * 0.7);
        fitted.setBold(false);
    }
    if (fitted.pointSizeF() <= 0)
        return fitted;
    // The longest category titles are far wider than the panel: wrapped at their blanks and, where
    // two lines are still too much, in a smaller size, rather than cut off at both ends.
    const QRect area = contentsRect();
    const QString caption = shownText();
    constexpr double kSmallest = 6;
    while (fitted.pointSizeF() > kSmallest) {
        const QRect needed = QFontMetrics(fitted).boundingRect(area, captionFlags(), caption);
        if (needed.width() <= area.width() && needed.height() <= area.height())
            break;
        fitted.setPointSizeF(std::max(kSmallest, fitted.pointSizeF() - 0.5));
    }
    return fitted;
}

int CaptionPanel::captionFlags() const
{
    return int(alignment()) | Qt::TextWordWrap;
}

void CaptionPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(captionFont());
    style()->drawItemText(&painter, contentsRect(), captionFlags(), palette(), isEnabled(), shownText(),
                          foregroundRole());
}

} // namespace kestrane
