#include "car_art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <array>
#include <vector>

namespace kestrane::demo {

quint32 stableHash(const QString& text)
{
    // FNV-1a: the same picture on every run, unlike qHash's per-process seed.
    quint32 h = 2166136261u;
    for (QChar c : text) {
        h ^= c.unicode();
        h *= 16777619u;
    }
    return h;
}

int carStyleForYear(int year)
{
    if (year < 1963)
        return 0;
    if (year < 1968)
        return 1;
    if (year < 1984)
        return 2;
    if (year < 1997)
        return 3;
    return 4;
}

QColor bodyColour(quint32 seed)
{
    static const std::array<QColor, 10> paints = {
        QColor(196, 22, 28),  QColor(235, 235, 228), QColor(20, 24, 30),    QColor(18, 70, 150),
        QColor(215, 170, 30), QColor(28, 110, 70),   QColor(150, 152, 160), QColor(230, 100, 20),
        QColor(110, 20, 40),  QColor(70, 150, 200)};
    return paints[seed % paints.size()];
}

namespace {

struct Profile
{
    std::vector<QPointF> top;    // from the front bumper over the roof to the rear bumper
    std::vector<QPointF> window; // side glass (or the windscreen of a roadster)
};

const Profile& profile(int style)
{
    static const std::array<Profile, 5> profiles = {{
        {{{0.01, 0.72},
          {0.02, 0.53},
          {0.09, 0.46},
          {0.30, 0.44},
          {0.40, 0.46},
          {0.60, 0.47},
          {0.80, 0.43},
          {0.95, 0.47},
          {0.99, 0.58},
          {0.99, 0.74}},
         {{0.37, 0.46}, {0.43, 0.26}, {0.46, 0.26}, {0.41, 0.46}}},
        {{{0.01, 0.70},
          {0.02, 0.56},
          {0.10, 0.50},
          {0.35, 0.46},
          {0.43, 0.43},
          {0.51, 0.27},
          {0.62, 0.26},
          {0.82, 0.40},
          {0.97, 0.45},
          {0.99, 0.56},
          {0.99, 0.72}},
         {{0.45, 0.44}, {0.52, 0.30}, {0.61, 0.29}, {0.76, 0.41}}},
        {{{0.00, 0.68},
          {0.01, 0.57},
          {0.06, 0.52},
          {0.38, 0.45},
          {0.47, 0.42},
          {0.55, 0.28},
          {0.67, 0.27},
          {0.75, 0.36},
          {0.90, 0.40},
          {0.98, 0.46},
          {0.99, 0.70}},
         {{0.50, 0.42}, {0.56, 0.31}, {0.66, 0.30}, {0.72, 0.38}, {0.72, 0.42}}},
        {{{0.00, 0.66},
          {0.01, 0.59},
          {0.30, 0.47},
          {0.45, 0.43},
          {0.55, 0.27},
          {0.70, 0.26},
          {0.86, 0.36},
          {0.98, 0.40},
          {0.99, 0.70}},
         {{0.48, 0.43}, {0.56, 0.30}, {0.69, 0.29}, {0.80, 0.39}}},
        {{{0.00, 0.66},
          {0.02, 0.55},
          {0.20, 0.48},
          {0.41, 0.43},
          {0.53, 0.28},
          {0.68, 0.26},
          {0.85, 0.35},
          {0.97, 0.41},
          {0.99, 0.53},
          {0.99, 0.70}},
         {{0.46, 0.43}, {0.55, 0.30}, {0.67, 0.28}, {0.80, 0.37}, {0.80, 0.43}}},
    }};
    return profiles[std::clamp(style, 0, 4)];
}

// Smooth curve through the points (Catmull-Rom turned into cubic segments).
void smoothThrough(QPainterPath& path, const std::vector<QPointF>& pts)
{
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const QPointF p0 = pts[i == 0 ? 0 : i - 1];
        const QPointF p1 = pts[i];
        const QPointF p2 = pts[i + 1];
        const QPointF p3 = pts[std::min(i + 2, pts.size() - 1)];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
}

std::vector<QPointF> mapped(const std::vector<QPointF>& pts, const QRectF& box)
{
    std::vector<QPointF> out;
    out.reserve(pts.size());
    for (const QPointF& p : pts)
        out.emplace_back(box.left() + p.x() * box.width(), box.top() + p.y() * box.height());
    return out;
}

void drawWheel(QPainter& p, const QPointF& c, double r, double turn, bool lineArt)
{
    p.setPen(lineArt ? QPen(Qt::black, r * 0.08) : Qt::NoPen);
    p.setBrush(QColor(22, 22, 24));
    p.drawEllipse(c, r, r);
    QRadialGradient rim(c, r * 0.62, c - QPointF(r * 0.2, r * 0.2));
    rim.setColorAt(0, QColor(250, 250, 250));
    rim.setColorAt(0.7, QColor(170, 172, 178));
    rim.setColorAt(1, QColor(90, 92, 98));
    p.setBrush(lineArt ? QBrush(Qt::white) : QBrush(rim));
    p.drawEllipse(c, r * 0.62, r * 0.62);
    p.setPen(QPen(QColor(60, 60, 66), std::max(1.0, r * 0.07)));
    for (int i = 0; i < 5; ++i) {
        const double a = qDegreesToRadians(turn + i * 72.0);
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * r * 0.55);
    }
    p.setBrush(QColor(60, 60, 66));
    p.drawEllipse(c, r * 0.14, r * 0.14);
}

} // namespace

void drawCar(QPainter& p, const QRectF& box, const CarLook& look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const Profile& prof = profile(look.style);
    const double r = box.height() * 0.19;
    const double groundY = box.bottom();
    const double axleY = groundY - r;
    const QPointF frontWheel(box.left() + box.width() * 0.20, axleY);
    const QPointF rearWheel(box.left() + box.width() * 0.79, axleY);

    if (!look.lineArt) {
        QRadialGradient shadow(QPointF(box.center().x(), groundY), box.width() * 0.55);
        shadow.setColorAt(0, QColor(0, 0, 0, 150));
        shadow.setColorAt(1, QColor(0, 0, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shadow);
        p.drawEllipse(QPointF(box.center().x(), groundY), box.width() * 0.55, box.height() * 0.08);
    }

    const std::vector<QPointF> top = mapped(prof.top, box);
    QPainterPath body;
    const double sill = box.top() + box.height() * 0.80;
    body.moveTo(top.front().x(), sill);
    body.lineTo(top.front());
    smoothThrough(body, top);
    body.lineTo(top.back().x(), sill);
    body.closeSubpath();

    if (look.lineArt) {
        p.setPen(
            QPen(Qt::black, std::max(1.0, box.height() * 0.025), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(look.body);
    } else {
        QLinearGradient paint(0, box.top() + box.height() * 0.25, 0, sill);
        paint.setColorAt(0, look.body.lighter(150));
        paint.setColorAt(0.45, look.body);
        paint.setColorAt(1, look.body.darker(220));
        p.setPen(QPen(look.body.darker(300), std::max(1.0, box.height() * 0.01)));
        p.setBrush(paint);
    }
    p.drawPath(body);

    // Side crease catching the light.
    if (!look.lineArt) {
        p.setPen(QPen(QColor(255, 255, 255, 110), std::max(1.0, box.height() * 0.018)));
        p.drawLine(QPointF(box.left() + box.width() * 0.05, box.top() + box.height() * 0.58),
                   QPointF(box.left() + box.width() * 0.95, box.top() + box.height() * 0.56));
    }

    QPainterPath glass;
    const std::vector<QPointF> win = mapped(prof.window, box);
    glass.moveTo(win.front());
    for (size_t i = 1; i < win.size(); ++i)
        glass.lineTo(win[i]);
    glass.closeSubpath();
    QLinearGradient sky(0, box.top(), 0, box.top() + box.height() * 0.46);
    sky.setColorAt(0, QColor(200, 225, 245));
    sky.setColorAt(1, QColor(40, 60, 85));
    p.setPen(look.lineArt ? QPen(Qt::black, std::max(1.0, box.height() * 0.02)) : Qt::NoPen);
    p.setBrush(look.lineArt ? QBrush(QColor(210, 230, 245)) : QBrush(sky));
    p.drawPath(glass);

    // Arches, wheels and lamps.
    p.setPen(Qt::NoPen);
    p.setBrush(look.lineArt ? QColor(40, 40, 40) : look.body.darker(400));
    for (const QPointF& w : {frontWheel, rearWheel})
        p.drawEllipse(w, r * 1.14, r * 1.14);
    drawWheel(p, frontWheel, r, look.wheelTurn, look.lineArt);
    drawWheel(p, rearWheel, r, look.wheelTurn + 36, look.lineArt);
    p.setBrush(QColor(255, 244, 200));
    p.drawEllipse(QPointF(top.front().x() + box.width() * 0.015, box.top() + box.height() * 0.58),
                  box.width() * 0.012, box.height() * 0.04);
    p.setBrush(QColor(200, 20, 20));
    p.drawRect(QRectF(top.back().x() - box.width() * 0.012, box.top() + box.height() * 0.52,
                      box.width() * 0.010, box.height() * 0.08));
    p.restore();
}

bool isBoat(const QString& title)
{
    return title.contains(QLatin1String("Ski Boat"));
}

void drawBoat(QPainter& p, const QRectF& box, const QColor& hull, bool lineArt)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    auto at = [&box](double x, double y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    QPainterPath body;
    body.moveTo(at(0.04, 0.42));
    body.lineTo(at(0.70, 0.46));
    body.cubicTo(at(0.86, 0.47), at(0.96, 0.50), at(0.99, 0.52));
    body.cubicTo(at(0.93, 0.70), at(0.82, 0.86), at(0.66, 0.90));
    body.lineTo(at(0.06, 0.86));
    body.closeSubpath();
    QLinearGradient paint(0, box.top() + box.height() * 0.4, 0, box.bottom());
    paint.setColorAt(0, hull.lighter(140));
    paint.setColorAt(1, hull.darker(200));
    p.setPen(lineArt ? QPen(Qt::black, std::max(1.0, box.height() * 0.025)) : QPen(hull.darker(300), 1));
    p.setBrush(lineArt ? QBrush(hull) : QBrush(paint));
    p.drawPath(body);
    p.setPen(QPen(Qt::white, std::max(1.0, box.height() * 0.05)));
    p.drawLine(at(0.08, 0.62), at(0.88, 0.60));
    QPainterPath screen;
    screen.moveTo(at(0.50, 0.45));
    screen.lineTo(at(0.56, 0.22));
    screen.lineTo(at(0.62, 0.22));
    screen.lineTo(at(0.66, 0.46));
    screen.closeSubpath();
    p.setPen(lineArt ? QPen(Qt::black, std::max(1.0, box.height() * 0.02)) : Qt::NoPen);
    p.setBrush(QColor(190, 220, 240, lineArt ? 255 : 170));
    p.drawPath(screen);
    if (!lineArt) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(at(-0.05 - i * 0.08, 0.86), box.width() * (0.06 + i * 0.02), box.height() * 0.06);
    }
    p.restore();
}

double drawLandscape(QPainter& p, const QRectF& r, quint32 seed, bool water)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    static const std::array<std::array<QColor, 3>, 5> skies = {{
        {QColor(12, 24, 66), QColor(90, 60, 120), QColor(250, 150, 70)},     // dusk
        {QColor(30, 90, 170), QColor(110, 170, 225), QColor(230, 240, 250)}, // noon
        {QColor(40, 20, 70), QColor(180, 60, 90), QColor(255, 190, 120)},    // sunset
        {QColor(60, 80, 100), QColor(140, 160, 175), QColor(220, 225, 220)}, // overcast
        {QColor(5, 10, 30), QColor(25, 40, 90), QColor(90, 110, 160)},       // night
    }};
    const auto& sky = skies[seed % skies.size()];
    const double horizon = r.top() + r.height() * 0.62;
    QLinearGradient g(0, r.top(), 0, horizon);
    g.setColorAt(0, sky[0]);
    g.setColorAt(0.6, sky[1]);
    g.setColorAt(1, sky[2]);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), horizon - r.top()), g);

    const QPointF sun(r.left() + r.width() * (0.15 + (seed >> 8) % 70 / 100.0), horizon - r.height() * 0.12);
    QRadialGradient glow(sun, r.height() * 0.25);
    glow.setColorAt(0, QColor(255, 250, 220, 230));
    glow.setColorAt(0.15, QColor(255, 230, 160, 160));
    glow.setColorAt(1, QColor(255, 200, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, r.height() * 0.25, r.height() * 0.25);

    // Two ranges of hills, the far one paler.
    for (int layer = 0; layer < 2; ++layer) {
        QPainterPath hills;
        hills.moveTo(r.left(), horizon);
        const double amp = r.height() * (layer == 0 ? 0.09 : 0.05);
        const double phase = (seed >> (4 + layer * 5)) % 100 / 15.0;
        for (int i = 0; i <= 48; ++i) {
            const double x = r.left() + r.width() * i / 48.0;
            const double y =
                horizon - amp * (0.6 + 0.4 * std::sin(i / 5.0 + phase) * std::cos(i / 11.0 + phase));
            hills.lineTo(x, y);
        }
        hills.lineTo(r.right(), horizon);
        hills.closeSubpath();
        QColor c = sky[1].darker(layer == 0 ? 170 : 260);
        p.setBrush(c);
        p.drawPath(hills);
    }

    QLinearGradient road(0, horizon, 0, r.bottom());
    road.setColorAt(0, water ? QColor(60, 110, 150) : QColor(70, 72, 78));
    road.setColorAt(1, water ? QColor(10, 40, 70) : QColor(25, 26, 30));
    p.fillRect(QRectF(r.left(), horizon, r.width(), r.bottom() - horizon), road);
    const double lane = horizon + (r.bottom() - horizon) * 0.45;
    if (water) {
        p.restore();
        return lane;
    }
    p.setPen(QPen(QColor(235, 215, 120, 180), std::max(1.0, r.height() * 0.006), Qt::DashLine));
    p.drawLine(QPointF(r.left(), lane), QPointF(r.right(), lane));
    p.restore();
    return lane;
}

QFont fittedFont(const QString& family, const QString& text, double width, int maxPixels, bool bold,
                 bool italic)
{
    QFont f(family);
    f.setBold(bold);
    f.setItalic(italic);
    int size = std::max(maxPixels, 4);
    for (; size > 4; size = size * 9 / 10) {
        f.setPixelSize(size);
        if (QFontMetricsF(f).horizontalAdvance(text) <= width)
            break;
    }
    f.setPixelSize(std::max(size, 4));
    return f;
}

void shadowText(QPainter& p, const QRectF& r, int flags, const QString& text, const QColor& colour)
{
    const double off = std::max(1.0, p.font().pixelSize() / 18.0);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(r.translated(off, off), flags, text);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

QImage canvas(QSize size, const QColor& fill)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

} // namespace kestrane::demo
