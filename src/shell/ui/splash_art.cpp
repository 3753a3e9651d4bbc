#include "shell/ui/splash_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace kestrane {

namespace {

void drawSky(QPainter& p, const QRectF& r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.0, QColor(8, 12, 38));
    sky.setColorAt(0.55, QColor(42, 28, 80));
    sky.setColorAt(0.75, QColor(190, 74, 48));
    sky.setColorAt(1.0, QColor(20, 14, 22));
    p.fillRect(r, sky);

    QRadialGradient sun(QPointF(r.center().x(), r.height() * 0.74), r.width() * 0.35);
    sun.setColorAt(0.0, QColor(255, 196, 120, 200));
    sun.setColorAt(1.0, QColor(255, 120, 60, 0));
    p.fillRect(r, sun);
}

void drawRoad(QPainter& p, const QRectF& r)
{
    const qreal horizon = r.height() * 0.74;
    QPainterPath road;
    road.moveTo(r.center().x() - 6, horizon);
    road.lineTo(r.center().x() + 6, horizon);
    road.lineTo(r.right() * 0.82, r.bottom());
    road.lineTo(r.right() * 0.18, r.bottom());
    road.closeSubpath();
    p.fillPath(road, QColor(18, 16, 24));
    p.fillRect(QRectF(0, horizon, r.width(), 1.5), QColor(255, 190, 120, 160));

    // Centre line dashes, growing towards the viewer.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 120));
    qreal y = horizon + 4;
    qreal len = 3;
    while (y < r.bottom()) {
        const qreal t = (y - horizon) / (r.bottom() - horizon);
        const qreal w = 1 + 5 * t;
        p.drawRect(QRectF(r.center().x() - w / 2, y, w, len));
        y += len * 2.2;
        len *= 1.35;
    }
}

void drawCar(QPainter& p, const QRectF& r)
{
    // A low roadster in silhouette with its tail lights lit.
    const qreal base = r.height() * 0.86;
    const qreal cx = r.center().x();
    QPainterPath body;
    body.moveTo(cx - 120, base);
    body.cubicTo(cx - 122, base - 30, cx - 96, base - 36, cx - 60, base - 38);
    body.cubicTo(cx - 40, base - 62, cx + 40, base - 62, cx + 60, base - 38);
    body.cubicTo(cx + 96, base - 36, cx + 122, base - 30, cx + 120, base);
    body.closeSubpath();
    p.fillPath(body, QColor(6, 6, 10));
    p.setBrush(QColor(255, 40, 30));
    p.drawRoundedRect(QRectF(cx - 108, base - 28, 26, 7), 3, 3);
    p.drawRoundedRect(QRectF(cx + 82, base - 28, 26, 7), 3, 3);
    p.setBrush(QColor(10, 10, 10));
    p.drawRect(QRectF(cx - 112, base - 2, 44, 12));
    p.drawRect(QRectF(cx + 68, base - 2, 44, 12));
}

void drawTitle(QPainter& p, const QRectF& r)
{
    QFont script(u"DejaVu Serif"_qs);
    script.setItalic(true);
    script.setBold(true);
    script.setPixelSize(int(r.height() * 0.13));
    QFont small(u"DejaVu Sans"_qs);
    small.setPixelSize(int(r.height() * 0.035));
    small.setLetterSpacing(QFont::AbsoluteSpacing, 4);

    const QRectF titleBox(0, r.height() * 0.14, r.width(), r.height() * 0.2);
    p.setFont(small);
    p.setPen(QColor(230, 210, 170));
    p.drawText(QRectF(0, r.height() * 0.08, r.width(), r.height() * 0.06), Qt::AlignCenter, u"THE"_qs);
    p.setFont(script);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(titleBox.translated(3, 3), Qt::AlignCenter, u"Kestrane Omnivar"_qs);
    QLinearGradient chrome(titleBox.topLeft(), titleBox.bottomLeft());
    chrome.setColorAt(0.0, QColor(255, 255, 255));
    chrome.setColorAt(0.5, QColor(200, 210, 230));
    chrome.setColorAt(0.52, QColor(120, 130, 150));
    chrome.setColorAt(1.0, QColor(235, 240, 250));
    p.setPen(QPen(QBrush(chrome), 1));
    p.drawText(titleBox, Qt::AlignCenter, u"Kestrane Omnivar"_qs);

    p.setFont(small);
    p.setPen(QColor(230, 210, 170));
    p.drawText(QRectF(0, r.height() * 0.35, r.width(), r.height() * 0.06), Qt::AlignCenter,
               u"1953 \u2013 2002   \u00b7   2002 EDITION"_qs);
}

} // namespace

QImage drawSplashPicture(const QSize& size, qreal devicePixelRatio)
{
    // Drawn in the window's units on an image of the screen's pixels.
    QImage image((QSizeF(size) * devicePixelRatio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(QPointF(0, 0), QSizeF(size));
    drawSky(p, r);
    drawRoad(p, r);
    drawCar(p, r);
    drawTitle(p, r);
    return image;
}

} // namespace kestrane
