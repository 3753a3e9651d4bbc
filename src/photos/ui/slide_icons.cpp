#include "photos/ui/slide_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace kestrane {

namespace {

const QColor kInk(36, 40, 48);
const QColor kGo(30, 130, 60);
const QColor kHalt(178, 34, 30);

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        painter.setPen(Qt::NoPen);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// A triangle pointing right (or left) with its tip at `tip`.
QPainterPath triangle(double tip, double width, bool right)
{
    QPainterPath path;
    const double base = right ? tip - width : tip + width;
    path.moveTo(base, 3);
    path.lineTo(tip, 8);
    path.lineTo(base, 13);
    path.closeSubpath();
    return path;
}

} // namespace

QIcon slideButtonIcon(SlideButton button)
{
    switch (button) {
    case SlideButton::Bkwd: // one step back: a bar and a triangle
        return drawn([](QPainter& p) {
            p.fillRect(QRectF(3, 3, 2, 10), kInk);
            p.fillPath(triangle(5.5, 7.5, false), kInk);
        });
    case SlideButton::Fwd:
        return drawn([](QPainter& p) {
            p.fillPath(triangle(10.5, 7.5, true), kInk);
            p.fillRect(QRectF(11, 3, 2, 10), kInk);
        });
    case SlideButton::Play:
        return drawn([](QPainter& p) { p.fillPath(triangle(13, 9, true), kGo); });
    case SlideButton::Pause:
        return drawn([](QPainter& p) {
            p.fillRect(QRectF(4, 3, 3, 10), kInk);
            p.fillRect(QRectF(9, 3, 3, 10), kInk);
        });
    case SlideButton::JumpBkwd: // many steps back: two triangles
        return drawn([](QPainter& p) {
            p.fillPath(triangle(1.5, 6.5, false), kInk);
            p.fillPath(triangle(7.5, 6.5, false), kInk);
        });
    case SlideButton::JumpFwd:
        return drawn([](QPainter& p) {
            p.fillPath(triangle(8.5, 6.5, true), kInk);
            p.fillPath(triangle(14.5, 6.5, true), kInk);
        });
    case SlideButton::Exit: // stop the show and take the slide to the main window
        return drawn([](QPainter& p) { p.fillRect(QRectF(3.5, 3.5, 9, 9), kHalt); });
    }
    return {};
}

} // namespace kestrane
