#include "disk/ui/flood_gauge.h"

#include <QPainter>

namespace kestrane {

namespace {

const QColor kFill(0x1f, 0x3f, 0x9a);
const QColor kTrough(0xf4, 0xf6, 0xf8);

} // namespace

FloodGauge::FloodGauge(QWidget* parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
}

QString FloodGauge::text() const
{
    return QString::number(value());
}

QSize FloodGauge::sizeHint() const
{
    return {200, 22};
}

void FloodGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect outer = rect();
    // Sunken: dark above and left, light below and right.
    painter.setPen(QColor(0x80, 0x86, 0x8c));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    painter.fillRect(inner, kTrough);
    const int filled = inner.width() * value() / 100;
    const QRect fill(inner.topLeft(), QSize(filled, inner.height()));
    painter.fillRect(fill, kFill);

    // The caption reads light over the fill and dark beside it, as the panel's own gauge did.
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(kFill);
    painter.drawText(inner, Qt::AlignCenter, text());
    painter.setClipRect(fill);
    painter.setPen(Qt::white);
    painter.drawText(inner, Qt::AlignCenter, text());
}

} // namespace kestrane
