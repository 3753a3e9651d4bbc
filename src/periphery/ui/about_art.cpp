#include "periphery/ui/about_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace kestrane {

namespace {

QImage canvas(const QSize& size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

// The wing: three feathers sweeping up to the right from the centre of a unit square.
QPainterPath wingPath()
{
    QPainterPath wing;
    const QPointF root(0.30, 0.58);
    const qreal tips[][2] = {{0.86, 0.22}, {0.80, 0.36}, {0.72, 0.48}};
    for (const auto& tip : tips) {
        QPainterPath feather;
        feather.moveTo(root);
        feather.cubicTo(QPointF(0.45, 0.40), QPointF(0.62, tip[1] - 0.06), QPointF(tip[0], tip[1]));
        feather.cubicTo(QPointF(0.64, tip[1] + 0.08), QPointF(0.48, 0.52), root);
        wing = wing.united(feather);
    }
    return wing;
}

} // namespace

QImage drawAboutLogo(const QSize& size, qreal ratio)
{
    QImage image = canvas(size, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(size.width(), size.height());
    p.translate((size.width() - side) / 2, (size.height() - side) / 2);
    p.scale(side, side);

    QRadialGradient chrome(QPointF(0.38, 0.30), 0.75);
    chrome.setColorAt(0, QColor(0xfb, 0xfc, 0xfd));
    chrome.setColorAt(0.55, QColor(0xa9, 0xb1, 0xba));
    chrome.setColorAt(1, QColor(0x4a, 0x51, 0x59));
    p.setPen(Qt::NoPen);
    p.setBrush(chrome);
    p.drawEllipse(QRectF(0.02, 0.02, 0.96, 0.96));

    QRadialGradient red(QPointF(0.40, 0.34), 0.62);
    red.setColorAt(0, QColor(0xd8, 0x3a, 0x33));
    red.setColorAt(0.7, QColor(0x9a, 0x1a, 0x16));
    red.setColorAt(1, QColor(0x5a, 0x0d, 0x0b));
    p.setBrush(red);
    p.drawEllipse(QRectF(0.10, 0.10, 0.80, 0.80));

    // A fine inner line keeps the disc apart from the ring at small sizes.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2b, 0x06, 0x05, 160), 0.012));
    p.drawEllipse(QRectF(0.10, 0.10, 0.80, 0.80));

    QLinearGradient silver(QPointF(0, 0.2), QPointF(0, 0.6));
    silver.setColorAt(0, QColor(0xff, 0xff, 0xff));
    silver.setColorAt(1, QColor(0xc9, 0xcf, 0xd6));
    p.setPen(Qt::NoPen);
    p.setBrush(silver);
    p.drawPath(wingPath());

    QFont letter(QStringLiteral("DejaVu Serif"));
    letter.setBold(true);
    letter.setItalic(true);
    letter.setPixelSize(100);
    QPainterPath k;
    k.addText(0, 0, letter, QStringLiteral("K"));
    const QRectF box = k.boundingRect();
    const qreal scale = 0.30 / box.height();
    QTransform place;
    place.translate(0.50 - box.width() * scale / 2 - box.left() * scale, 0.80 - box.bottom() * scale);
    place.scale(scale, scale);
    p.setBrush(QColor(0xf4, 0xf6, 0xf8));
    p.drawPath(place.map(k));
    return image;
}

QImage drawMakerMark(const QSize& size, qreal ratio)
{
    QImage image = canvas(size, ratio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(size.width(), size.height());
    p.translate((size.width() - side) / 2, (size.height() - side) / 2);
    p.scale(side, side);

    QLinearGradient blue(QPointF(0, 0), QPointF(0, 1));
    blue.setColorAt(0, QColor(0x3b, 0x6f, 0xb6));
    blue.setColorAt(1, QColor(0x16, 0x2f, 0x58));
    p.setPen(QPen(QColor(0x9c, 0xb8, 0xde), 0.02));
    p.setBrush(blue);
    p.drawRoundedRect(QRectF(0.04, 0.04, 0.92, 0.92), 0.18, 0.18);

    p.setPen(QPen(QColor(0xf4, 0xf6, 0xf8), 0.11, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(0.24, 0.22, 0.50, 0.50));
    p.drawLine(QPointF(0.58, 0.60), QPointF(0.78, 0.80));
    // A spark in the upper right: the maker's little flourish.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xc8, 0x4f));
    QPainterPath spark;
    spark.moveTo(0.80, 0.12);
    spark.lineTo(0.84, 0.24);
    spark.lineTo(0.92, 0.28);
    spark.lineTo(0.84, 0.32);
    spark.lineTo(0.80, 0.44);
    spark.lineTo(0.76, 0.32);
    spark.lineTo(0.68, 0.28);
    spark.lineTo(0.76, 0.24);
    spark.closeSubpath();
    p.drawPath(spark);
    return image;
}

} // namespace kestrane
