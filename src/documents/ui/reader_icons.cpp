#include "documents/ui/reader_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace kestrane {

namespace {

const QColor kInk(40, 48, 64);

// Draws the picture on a 16-unit grid at several sizes, so it stays sharp on any screen.
QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon playIcon()
{
    return drawn([](QPainter& p) {
        QPainterPath triangle;
        triangle.moveTo(4, 2.5);
        triangle.lineTo(13.5, 8);
        triangle.lineTo(4, 13.5);
        triangle.closeSubpath();
        p.fillPath(triangle, QColor(30, 130, 60));
        p.setPen(QPen(kInk, 0.8));
        p.drawPath(triangle);
    });
}

QIcon stopIcon()
{
    return drawn([](QPainter& p) {
        const QRectF square(3.5, 3.5, 9, 9);
        p.setPen(QPen(kInk, 0.8));
        p.setBrush(QColor(180, 30, 40));
        p.drawRoundedRect(square, 1, 1);
    });
}

QIcon printerIcon()
{
    return drawn([](QPainter& p) {
        p.setPen(QPen(kInk, 0.9));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5)); // paper going in
        p.setBrush(QColor(150, 158, 172));
        p.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1.2, 1.2); // the body
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10, 7, 4.5)); // the printed page
        p.setPen(QPen(kInk, 0.6));
        p.drawLine(QPointF(6, 11.8), QPointF(10, 11.8));
        p.drawLine(QPointF(6, 13.2), QPointF(9, 13.2));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 130, 60));
        p.drawEllipse(QPointF(12.5, 8), 0.8, 0.8); // the power light
    });
}

} // namespace kestrane
