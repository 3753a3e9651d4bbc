#include "pictures.h"

#include "car_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace kestrane::demo {

namespace {

int leadingYear(const QString& text)
{
    bool ok = false;
    const int y = text.left(4).toInt(&ok);
    return ok && y >= 1900 && y < 2100 ? y : 0;
}

// Lettering filled with a chrome gradient and a dark rim, centred in `r`.
void chromeText(QPainter& p, const QRectF& r, const QString& text, const QFont& font)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF b = path.boundingRect();
    path.translate(r.center() - b.center());
    QLinearGradient g(0, path.boundingRect().top(), 0, path.boundingRect().bottom());
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(0.45, QColor(190, 196, 206));
    g.setColorAt(0.5, QColor(110, 116, 128));
    g.setColorAt(1, QColor(235, 238, 242));
    p.setPen(QPen(QColor(30, 30, 36), std::max(1.0, font.pixelSize() / 30.0)));
    p.setBrush(g);
    p.drawPath(path);
}

void frameBorder(QPainter& p, const QRectF& r, const QColor& c, double inset)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, std::max(1.0, inset / 4)));
    p.drawRect(r.adjusted(inset, inset, -inset, -inset));
}

QColor enamel(const QString& title)
{
    static const std::array<QColor, 4> colours = {QColor(170, 20, 30), QColor(20, 50, 130),
                                                  QColor(10, 90, 60), QColor(120, 20, 110)};
    return colours[stableHash(title) % colours.size()];
}

QRectF sceneWithCar(QPainter& p, const QRectF& r, quint32 seed, int year, bool boat)
{
    p.save();
    p.setClipRect(r);
    const double lane = drawLandscape(p, r, seed, boat);
    const double cw = r.width() * 0.70;
    const double ch = cw * 0.34;
    const QRectF box(r.left() + (r.width() - cw) / 2 + (int(seed % 7) - 3) * r.width() * 0.02,
                     lane + r.height() * 0.10 - ch, cw, ch);
    if (boat)
        drawBoat(p, box, bodyColour(seed >> 3), false);
    else
        drawCar(p, box, {bodyColour(seed >> 3), year ? carStyleForYear(year) : int(seed % 5)});
    p.restore();
    return box;
}

} // namespace

QImage photograph(const PhotoText& text, QSize size)
{
    QImage img = canvas(size, Qt::black);
    QPainter p(&img);
    prepare(p);
    const double w = size.width();
    const double h = size.height();
    sceneWithCar(p, QRectF(0, 0, w, h), stableHash(text.fileName), text.year, isBoat(text.headline));

    // A long title goes on two lines rather than shrinking out of sight.
    QString headline = text.headline;
    QFont head = fittedFont(kSerif, headline, w * 0.7, int(h * 0.14), true);
    int lines = 1;
    if (head.pixelSize() < h * 0.08 && headline.count(u' ') > 0) {
        const qsizetype middle = headline.size() / 2;
        qsizetype cut = headline.lastIndexOf(u' ', middle);
        const qsizetype after = headline.indexOf(u' ', middle);
        if (cut < 0 || (after >= 0 && after - middle < middle - cut))
            cut = after;
        headline[cut] = u'\n';
        const QString longer =
            std::max(headline.left(cut), headline.mid(cut + 1),
                     [](const QString& a, const QString& b) { return a.size() < b.size(); });
        head = fittedFont(kSerif, longer, w * 0.7, int(h * 0.1), true);
        lines = 2;
    }
    p.setFont(head);
    shadowText(p, QRectF(w * 0.04, h * 0.03, w * 0.9, h * 0.3), Qt::AlignLeft | Qt::AlignTop, headline,
               Qt::white);
    p.setFont(fittedFont(kSans, text.subtitle, w * 0.62, int(h * 0.05), false, true));
    shadowText(p, QRectF(w * 0.045, h * 0.03 + head.pixelSize() * 1.2 * lines, w * 0.9, h * 0.1),
               Qt::AlignLeft | Qt::AlignTop, text.subtitle, QColor(255, 240, 200));

    const QPointF badge(w * 0.9, h * 0.13);
    const double br = h * 0.085;
    p.setPen(QPen(QColor(255, 255, 255, 200), std::max(1.0, br * 0.08)));
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(badge, br, br);
    QFont lf(kSerif);
    lf.setBold(true);
    lf.setPixelSize(std::max(4, int(br * 1.2)));
    p.setFont(lf);
    p.setPen(Qt::white);
    p.drawText(QRectF(badge.x() - br, badge.y() - br, 2 * br, 2 * br), Qt::AlignCenter, QString(text.letter));

    QFont mono(kMono);
    mono.setPixelSize(std::max(4, int(h * 0.035)));
    p.setFont(mono);
    const QRectF label(w * 0.70, h * 0.90, w * 0.27, h * 0.065);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawRoundedRect(label, h * 0.01, h * 0.01);
    p.setPen(QColor(230, 230, 230));
    p.drawText(label, Qt::AlignCenter, text.fileName);
    frameBorder(p, QRectF(0, 0, w, h), QColor(255, 255, 255, 90), std::max(1.0, w / 200));
    return img;
}

QImage clipArt(const QString& title, int year, QSize size)
{
    QImage img = canvas(size, Qt::white);
    QPainter p(&img);
    prepare(p);
    const double w = size.width();
    const double h = size.height();
    const quint32 seed = stableHash(title);
    p.setPen(Qt::NoPen);
    p.setBrush(bodyColour(seed >> 5).lighter(170));
    p.drawEllipse(QRectF(w * 0.06, h * 0.06, w * 0.88, h * 0.66));
    const double cw = w * 0.86;
    const QRectF box((w - cw) / 2, h * 0.68 - cw * 0.34, cw, cw * 0.34);
    if (isBoat(title))
        drawBoat(p, box, bodyColour(seed), true);
    else
        drawCar(p, box, {bodyColour(seed), year ? carStyleForYear(year) : int(seed % 5), 0, true});
    p.setFont(fittedFont(kSans, title, w * 0.9, int(h * 0.2), true));
    p.setPen(Qt::black);
    p.drawText(QRectF(0, h * 0.72, w, h * 0.26), Qt::AlignCenter, title);
    return img;
}

QImage scriptLettering(const QString& title, QSize size)
{
    QImage img = canvas(size, Qt::black);
    QPainter p(&img);
    prepare(p);
    const double w = size.width();
    const double h = size.height();
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, QColor(40, 42, 48));
    bg.setColorAt(1, QColor(8, 8, 10));
    p.fillRect(img.rect(), bg);
    const bool year = leadingYear(title) != 0;
    const QString main = year ? QStringLiteral("Kestrane") : title;
    const QString sub = year ? title : QStringLiteral("Kestrane");
    chromeText(p, QRectF(0, 0, w, h * 0.68), main,
               fittedFont(kSerif, main, w * 0.92, int(h * 0.55), true, true));
    chromeText(p, QRectF(0, h * 0.64, w, h * 0.34), sub,
               fittedFont(kSans, sub, w * 0.6, int(h * 0.26), true));
    return img;
}

QImage emblem(EmblemKind kind, const QString& title, QSize size)
{
    QImage img = canvas(size, QColor(28, 30, 34));
    QPainter p(&img);
    prepare(p);
    const double w = size.width();
    const double h = size.height();
    const QColor colour = enamel(title);
    QLinearGradient metal(0, 0, w, h);
    metal.setColorAt(0, QColor(250, 250, 250));
    metal.setColorAt(0.5, QColor(140, 144, 152));
    metal.setColorAt(1, QColor(230, 232, 236));

    if (kind == EmblemKind::Front) {
        const QPointF c(w / 2, h / 2);
        const double r = std::min(w, h) * 0.46;
        p.setPen(Qt::NoPen);
        p.setBrush(metal);
        p.drawEllipse(c, r, r);
        p.setBrush(colour);
        p.drawEllipse(c, r * 0.82, r * 0.82);
        // Two swept wings behind the initial.
        p.setBrush(QColor(245, 245, 245));
        for (int side : {-1, 1}) {
            QPainterPath wing;
            wing.moveTo(c + QPointF(side * r * 0.10, -r * 0.05));
            wing.cubicTo(c + QPointF(side * r * 0.45, -r * 0.45), c + QPointF(side * r * 0.70, -r * 0.30),
                         c + QPointF(side * r * 0.78, -r * 0.42));
            wing.cubicTo(c + QPointF(side * r * 0.70, -r * 0.05), c + QPointF(side * r * 0.40, r * 0.05),
                         c + QPointF(side * r * 0.10, r * 0.08));
            wing.closeSubpath();
            p.drawPath(wing);
        }
        chromeText(p, QRectF(c.x() - r, c.y() - r * 0.75, 2 * r, r * 1.2), QStringLiteral("K"),
                   fittedFont(kSerif, QStringLiteral("K"), r, int(r * 0.9), true));
        p.setFont(fittedFont(kSans, title, r * 1.2, int(r * 0.3), true));
        p.setPen(Qt::white);
        p.drawText(QRectF(c.x() - r, c.y() + r * 0.25, 2 * r, r * 0.45), Qt::AlignCenter, title);
    } else if (kind == EmblemKind::Rear) {
        const QRectF o(w * 0.04, h * 0.08, w * 0.92, h * 0.84);
        p.setPen(Qt::NoPen);
        p.setBrush(metal);
        p.drawRoundedRect(o, o.height() * 0.45, o.height() * 0.45);
        p.setBrush(colour);
        const QRectF in =
            o.adjusted(o.height() * 0.1, o.height() * 0.1, -o.height() * 0.1, -o.height() * 0.1);
        p.drawRoundedRect(in, in.height() * 0.42, in.height() * 0.42);
        QFont letters = fittedFont(kSans, QStringLiteral("K E S T R A N E"), in.width() * 0.8,
                                   int(in.height() * 0.3), true);
        p.setFont(letters);
        p.setPen(QColor(240, 240, 240));
        p.drawText(QRectF(in.left(), in.top(), in.width(), in.height() * 0.45), Qt::AlignCenter,
                   QStringLiteral("K E S T R A N E"));
        chromeText(p, QRectF(in.left(), in.top() + in.height() * 0.42, in.width(), in.height() * 0.55), title,
                   fittedFont(kSerif, title, in.width() * 0.8, int(in.height() * 0.45), true));
    } else {
        QPainterPath bar;
        bar.moveTo(w * 0.02, h * 0.5);
        bar.lineTo(w * 0.16, h * 0.12);
        bar.lineTo(w * 0.98, h * 0.12);
        bar.lineTo(w * 0.98, h * 0.88);
        bar.lineTo(w * 0.16, h * 0.88);
        bar.closeSubpath();
        p.setPen(QPen(QColor(230, 232, 236), std::max(1.0, h * 0.06)));
        p.setBrush(colour);
        p.drawPath(bar);
        chromeText(p, QRectF(w * 0.14, h * 0.1, w * 0.52, h * 0.8), QStringLiteral("Kestrane"),
                   fittedFont(kSerif, QStringLiteral("Kestrane"), w * 0.48, int(h * 0.55), true, true));
        p.setFont(fittedFont(kSans, title, w * 0.28, int(h * 0.4), true));
        p.setPen(Qt::white);
        p.drawText(QRectF(w * 0.66, h * 0.1, w * 0.31, h * 0.8), Qt::AlignCenter, title);
    }
    return img;
}

QImage missingEmblem(EmblemKind kind, QSize size)
{
    QImage img = canvas(size, QColor(214, 216, 220));
    QPainter p(&img);
    prepare(p);
    const double w = size.width();
    const double h = size.height();
    p.setPen(QPen(QColor(120, 122, 128), std::max(1.0, h * 0.03), Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    const QRectF r(w * 0.06, h * 0.08, w * 0.88, h * 0.84);
    if (kind == EmblemKind::Front)
        p.drawEllipse(r);
    else
        p.drawRoundedRect(r, r.height() * 0.3, r.height() * 0.3);
    const QString text = kind == EmblemKind::Front  ? QStringLiteral("No front emblem")
                         : kind == EmblemKind::Rear ? QStringLiteral("No rear emblem")
                                                    : QStringLiteral("No side emblem");
    p.setFont(fittedFont(kSans, text, r.width() * 0.8, int(h * 0.2), true, true));
    p.setPen(QColor(90, 92, 98));
    p.drawText(r, Qt::AlignCenter, text);
    return img;
}

QImage dealerPhoto(QSize size)
{
    QImage img = canvas(size, Qt::black);
    QPainter p(&img);
    prepare(p);
    const double w = size.width();
    const double h = size.height();
    const double lane = drawLandscape(p, QRectF(0, 0, w, h), 1);
    const QRectF shop(w * 0.12, h * 0.28, w * 0.76, h * 0.36);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 232, 222));
    p.drawRect(shop);
    QLinearGradient glass(0, shop.top(), 0, shop.bottom());
    glass.setColorAt(0, QColor(150, 190, 220));
    glass.setColorAt(1, QColor(40, 60, 80));
    p.setBrush(glass);
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(shop.left() + shop.width() * (0.04 + i * 0.19), shop.top() + shop.height() * 0.35,
                          shop.width() * 0.16, shop.height() * 0.6));
    const QRectF sign(shop.left(), shop.top() - h * 0.02, shop.width(), shop.height() * 0.28);
    p.setBrush(QColor(150, 20, 30));
    p.drawRect(sign);
    p.setFont(fittedFont(kSans, QStringLiteral("DALWORTH - TRESSEL"), sign.width() * 0.9,
                         int(sign.height() * 0.7), true));
    p.setPen(Qt::white);
    p.drawText(sign, Qt::AlignCenter, QStringLiteral("DALWORTH - TRESSEL"));
    for (int i = 0; i < 3; ++i) {
        const double cw = w * 0.26;
        drawCar(p, QRectF(w * (0.04 + i * 0.33), lane + h * 0.12 - cw * 0.34, cw, cw * 0.34),
                {bodyColour(quint32(i * 3 + 1)), 2 + i});
    }
    p.setFont(fittedFont(kSerif, QStringLiteral("Your Kestrane dealer"), w * 0.5, int(h * 0.06), true, true));
    shadowText(p, QRectF(0, h * 0.02, w, h * 0.1), Qt::AlignCenter, QStringLiteral("Your Kestrane dealer"),
               Qt::white);
    return img;
}

QImage movieFrame(const QString& title, int frame, int frames, QSize size)
{
    QImage img = canvas(size, Qt::black);
    QPainter p(&img);
    prepare(p);
    const double w = size.width();
    const double h = size.height();
    const quint32 seed = stableHash(title);
    const double lane = drawLandscape(p, QRectF(0, 0, w, h), seed);
    const double t = frames > 1 ? double(frame) / (frames - 1) : 0.5;
    const double cw = w * 0.6;
    const int year = leadingYear(title);
    drawCar(p, QRectF(-cw + t * (w + cw), lane + h * 0.1 - cw * 0.34, cw, cw * 0.34),
            {bodyColour(seed), year ? carStyleForYear(year) : 4, frame * 40.0});
    p.setFont(fittedFont(kSerif, title, w * 0.9, int(h * 0.1), true));
    shadowText(p, QRectF(0, h * 0.04, w, h * 0.14), Qt::AlignCenter, title, Qt::white);
    QFont mono(kMono);
    mono.setPixelSize(std::max(6, int(h * 0.05)));
    p.setFont(mono);
    shadowText(p, QRectF(0, h * 0.9, w * 0.97, h * 0.08), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("%1/%2").arg(frame + 1).arg(frames), QColor(230, 230, 230));
    return img;
}

} // namespace kestrane::demo
