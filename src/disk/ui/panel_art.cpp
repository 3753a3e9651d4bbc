#include "disk/ui/panel_art.h"

#include <QPainter>
#include <QPainterPath>

namespace kestrane {

namespace {

const QColor kRed(0xa1, 0x1d, 0x19);
const QColor kSteel(0x4b, 0x52, 0x5b);

QPixmap blank(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap copyPanelPicture(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    // The disc.
    const QRectF disc(w * 0.05, h * 0.02, w * 0.55, w * 0.55);
    QRadialGradient shine(disc.center(), disc.width() / 2);
    shine.setColorAt(0, QColor(0xf4, 0xf6, 0xf8));
    shine.setColorAt(0.7, QColor(0xb9, 0xc4, 0xd6));
    shine.setColorAt(1, QColor(0x8d, 0x95, 0x9e));
    p.setPen(QPen(kSteel, 1));
    p.setBrush(shine);
    p.drawEllipse(disc);
    p.setBrush(QColor(0xdd, 0xe1, 0xe6));
    p.drawEllipse(disc.center(), disc.width() * 0.12, disc.width() * 0.12);
    // The arrow down to the drive.
    QPainterPath arrow;
    const double x = w * 0.72;
    arrow.moveTo(x - w * 0.06, h * 0.20);
    arrow.lineTo(x + w * 0.06, h * 0.20);
    arrow.lineTo(x + w * 0.06, h * 0.45);
    arrow.lineTo(x + w * 0.14, h * 0.45);
    arrow.lineTo(x, h * 0.62);
    arrow.lineTo(x - w * 0.14, h * 0.45);
    arrow.lineTo(x - w * 0.06, h * 0.45);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawPath(arrow);
    // The drive.
    const QRectF drive(w * 0.08, h * 0.68, w * 0.86, h * 0.26);
    QLinearGradient metal(drive.topLeft(), drive.bottomLeft());
    metal.setColorAt(0, QColor(0x6b, 0x73, 0x7c));
    metal.setColorAt(1, QColor(0x2b, 0x30, 0x37));
    p.setPen(QPen(QColor(0x1a, 0x1d, 0x22), 1));
    p.setBrush(metal);
    p.drawRoundedRect(drive, 3, 3);
    p.setBrush(QColor(0x6f, 0xe0, 0x6f));
    p.drawEllipse(QPointF(drive.right() - w * 0.1, drive.center().y()), w * 0.03, w * 0.03);
    return pixmap;
}

QPixmap saverPanelPicture(QSize size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width();
    const double h = size.height();
    const QRectF screen(w * 0.06, h * 0.06, w * 0.88, h * 0.66);
    p.setPen(QPen(QColor(0x1a, 0x1d, 0x22), 2));
    p.setBrush(QColor(0x33, 0x39, 0x41));
    p.drawRoundedRect(screen, 4, 4);
    const QRectF glass = screen.adjusted(w * 0.06, h * 0.06, -w * 0.06, -h * 0.06);
    QLinearGradient sky(glass.topLeft(), glass.bottomLeft());
    sky.setColorAt(0, QColor(0x3b, 0x6e, 0xc4));
    sky.setColorAt(1, QColor(0x0b, 0x0d, 0x0f));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(glass);
    // A low red car on the screen.
    QPainterPath car;
    const double base = glass.bottom() - glass.height() * 0.22;
    car.moveTo(glass.left() + glass.width() * 0.12, base);
    car.cubicTo(glass.left() + glass.width() * 0.25, base - glass.height() * 0.32,
                glass.left() + glass.width() * 0.62, base - glass.height() * 0.36,
                glass.right() - glass.width() * 0.1, base - glass.height() * 0.06);
    car.lineTo(glass.right() - glass.width() * 0.1, base);
    car.closeSubpath();
    p.setBrush(kRed);
    p.drawPath(car);
    p.setBrush(Qt::black);
    for (double at : {0.3, 0.72})
        p.drawEllipse(QPointF(glass.left() + glass.width() * at, base), glass.height() * 0.1,
                      glass.height() * 0.1);
    // The stand.
    p.setBrush(kSteel);
    p.drawRect(QRectF(w * 0.42, screen.bottom(), w * 0.16, h * 0.12));
    p.drawRoundedRect(QRectF(w * 0.25, h * 0.84, w * 0.5, h * 0.08), 2, 2);
    return pixmap;
}

} // namespace kestrane
