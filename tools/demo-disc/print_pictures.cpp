// Advertisements, brochure covers, the illustrated series and the title pictures: the larger,
// page-like pictures of the disc.
#include "pictures.h"

#include "car_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>

namespace kestrane::demo {

namespace {

void scene(QPainter& p, const QRectF& r, quint32 seed, int year, bool boat)
{
    p.save();
    p.setClipRect(r);
    const double lane = drawLandscape(p, r, seed, boat);
    const double cw = r.width() * 0.78;
    const QRectF box(r.left() + (r.width() - cw) / 2, lane + r.height() * 0.1 - cw * 0.34, cw, cw * 0.34);
    if (boat)
        drawBoat(p, box, bodyColour(seed >> 3), false);
    else
        drawCar(p, box, {bodyColour(seed >> 3), year ? carStyleForYear(year) : int(seed % 5)});
    p.restore();
}

const QStringList& slogans()
{
    static const QStringList list = {
        QStringLiteral("Built for the long way home."),
        QStringLiteral("Every curve has a reason."),
        QStringLiteral("Quick, quiet and quite unlike anything else."),
        QStringLiteral("You feel it before you turn the key."),
        QStringLiteral("The open road was waiting for this one."),
        QStringLiteral("Low, lean and ready when you are."),
    };
    return list;
}

void drawText(QPainter& p, const QRectF& r, int flags, const QString& text, const QFont& f, const QColor& c)
{
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, flags, text);
}

} // namespace

QImage advertisement(const QString& title, int year, QSize size)
{
    const double w = size.width();
    const double h = size.height();
    QImage img = canvas(size, QColor(244, 236, 216));
    QPainter p(&img);
    prepare(p);
    const quint32 seed = stableHash(title + QStringLiteral("ad"));
    const QString headline = year ? QStringLiteral("The %1 Kestrane").arg(title) : title;
    const QString slogan = slogans().at(int(seed % slogans().size()));
    const QString body =
        QStringLiteral("Take one out on a Sunday morning and you will understand. Your Kestrane dealer "
                       "has one waiting, with the keys on the desk and a full tank.");
    const QColor ink(40, 30, 24);
    if (w > h) {
        scene(p, QRectF(0, 0, w * 0.62, h), seed, year, isBoat(title));
        const QRectF col(w * 0.65, h * 0.08, w * 0.32, h * 0.84);
        drawText(p, QRectF(col.left(), col.top(), col.width(), h * 0.3), Qt::AlignLeft | Qt::TextWordWrap,
                 headline, fittedFont(kSerif, headline, col.width() * 1.6, int(h * 0.09), true), ink);
        drawText(p, QRectF(col.left(), h * 0.4, col.width(), h * 0.15), Qt::AlignLeft | Qt::TextWordWrap,
                 slogan, fittedFont(kSerif, slogan, col.width() * 1.8, int(h * 0.05), false, true), ink);
        QFont bf(kSerif);
        bf.setPixelSize(std::max(4, int(h * 0.03)));
        drawText(p, QRectF(col.left(), h * 0.58, col.width(), h * 0.25), Qt::AlignLeft | Qt::TextWordWrap,
                 body, bf, ink);
    } else {
        drawText(p, QRectF(w * 0.06, h * 0.04, w * 0.88, h * 0.1), Qt::AlignCenter, headline,
                 fittedFont(kSerif, headline, w * 0.88, int(h * 0.075), true), ink);
        drawText(p, QRectF(w * 0.06, h * 0.13, w * 0.88, h * 0.06), Qt::AlignCenter, slogan,
                 fittedFont(kSerif, slogan, w * 0.88, int(h * 0.04), false, true), ink);
        const QRectF pic(w * 0.06, h * 0.21, w * 0.88, h * 0.5);
        scene(p, pic, seed, year, isBoat(title));
        p.setPen(QPen(ink, std::max(1.0, w / 300)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(pic);
        QFont bf(kSerif);
        bf.setPixelSize(std::max(4, int(h * 0.022)));
        drawText(p, QRectF(w * 0.1, h * 0.74, w * 0.8, h * 0.12), Qt::AlignJustify | Qt::TextWordWrap, body,
                 bf, ink);
    }
    const QString footer = QStringLiteral("K E S T R A N E   \u2022   a Marburn motor car");
    const QRectF foot =
        w > h ? QRectF(w * 0.63, h * 0.9, w * 0.36, h * 0.07) : QRectF(0, h * 0.9, w, h * 0.07);
    drawText(p, foot, Qt::AlignCenter, footer,
             fittedFont(kSans, footer, foot.width() * 0.9, int(h * 0.035), true), QColor(120, 20, 24));
    return img;
}

QImage brochureCover(const QString& year, QSize size)
{
    const double w = size.width();
    const double h = size.height();
    QImage img = canvas(size, Qt::black);
    QPainter p(&img);
    prepare(p);
    const quint32 seed = stableHash(year + QStringLiteral("brochure"));
    const QColor base = bodyColour(seed).darker(260);
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, base.lighter(160));
    bg.setColorAt(1, base);
    p.fillRect(img.rect(), bg);
    const QColor gold(214, 180, 90);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(gold, std::max(1.0, w / 150)));
    p.drawRect(QRectF(w * 0.04, h * 0.03, w * 0.92, h * 0.94));
    p.setPen(QPen(gold, std::max(1.0, w / 400)));
    p.drawRect(QRectF(w * 0.06, h * 0.045, w * 0.88, h * 0.91));

    QFont huge = fittedFont(kSerif, year, w * 0.9, int(h * 0.3), true);
    p.setFont(huge);
    p.setPen(QColor(255, 255, 255, 40));
    p.drawText(QRectF(0, h * 0.32, w, h * 0.35), Qt::AlignCenter, year);

    QPainterPath script;
    const QFont sf = fittedFont(kSerif, QStringLiteral("Kestrane"), w * 0.8, int(h * 0.14), true, true);
    script.addText(0, 0, sf, QStringLiteral("Kestrane"));
    script.translate(QPointF(w / 2, h * 0.18) - script.boundingRect().center());
    QLinearGradient chrome(0, script.boundingRect().top(), 0, script.boundingRect().bottom());
    chrome.setColorAt(0, Qt::white);
    chrome.setColorAt(0.5, QColor(150, 156, 168));
    chrome.setColorAt(1, QColor(240, 240, 244));
    p.setPen(QPen(QColor(20, 20, 24), std::max(1.0, w / 500)));
    p.setBrush(chrome);
    p.drawPath(script);

    const double cw = w * 0.84;
    drawCar(p, QRectF((w - cw) / 2, h * 0.66 - cw * 0.34, cw, cw * 0.34),
            {bodyColour(seed >> 4), carStyleForYear(year.toInt())});
    const QString line = year + QStringLiteral(" Marketing Brochure");
    drawText(p, QRectF(0, h * 0.74, w, h * 0.08), Qt::AlignCenter, line,
             fittedFont(kSans, line, w * 0.8, int(h * 0.045), true), gold);
    drawText(
        p, QRectF(0, h * 0.84, w, h * 0.06), Qt::AlignCenter, QStringLiteral("Marburn Motor Division"),
        fittedFont(kSerif, QStringLiteral("Marburn Motor Division"), w * 0.6, int(h * 0.03), false, true),
        QColor(230, 230, 230));
    return img;
}

QImage illustration(int number, const QString& title, QSize size)
{
    const double w = size.width();
    const double h = size.height();
    QImage img = canvas(size, QColor(236, 226, 204));
    QPainter p(&img);
    prepare(p);
    // Loose brush strokes behind the car give the painted look of the series.
    quint32 rnd = 2654435761u * quint32(number + 1);
    auto next = [&rnd] {
        rnd = rnd * 1664525u + 1013904223u;
        return (rnd >> 8) / double(1 << 24);
    };
    static const std::array<QColor, 5> palette = {QColor(190, 90, 60), QColor(60, 100, 150),
                                                  QColor(220, 180, 90), QColor(90, 130, 90),
                                                  QColor(150, 140, 170)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 140; ++i) {
        QColor c = palette[size_t(next() * palette.size()) % palette.size()];
        c.setAlpha(40 + int(next() * 60));
        p.setBrush(c);
        p.save();
        p.translate(next() * w, next() * h);
        p.rotate(next() * 180);
        p.drawEllipse(QRectF(-w * 0.12, -h * 0.02, w * 0.24 * (0.4 + next()), h * 0.04 * (0.5 + next())));
        p.restore();
    }
    int year = title.left(4).toInt();
    if (year < 1953 || year > 2002)
        year = 1953 + (number * 7) % 49;
    const double cw = w * 0.74;
    drawCar(p, QRectF((w - cw) / 2, h * 0.72 - cw * 0.34, cw, cw * 0.34),
            {bodyColour(stableHash(title)), carStyleForYear(year)});

    const QString series = QStringLiteral("Penrow: The Illustrated Kestrane Series");
    p.fillRect(QRectF(0, 0, w, h * 0.1), QColor(40, 34, 30, 220));
    drawText(p, QRectF(0, 0, w, h * 0.1), Qt::AlignCenter, series,
             fittedFont(kSerif, series, w * 0.8, int(h * 0.06), true, true), QColor(240, 225, 190));
    const QString caption = QStringLiteral("No. %1   %2").arg(number).arg(title);
    const QRectF plate(w * 0.1, h * 0.8, w * 0.8, h * 0.14);
    p.setPen(QPen(QColor(90, 70, 40), std::max(1.0, w / 400)));
    p.setBrush(QColor(250, 244, 228));
    p.drawRoundedRect(plate, h * 0.02, h * 0.02);
    drawText(p, plate, Qt::AlignCenter, caption,
             fittedFont(kSerif, caption, plate.width() * 0.9, int(h * 0.07), true), QColor(50, 36, 24));
    return img;
}

QImage graphic(const QString& name, QSize size)
{
    const double w = size.width();
    const double h = size.height();
    if (name == QLatin1String("nonose.jpg"))
        return missingEmblem(EmblemKind::Front, size);
    if (name == QLatin1String("norear.jpg"))
        return missingEmblem(EmblemKind::Rear, size);
    if (name == QLatin1String("noside.jpg"))
        return missingEmblem(EmblemKind::Side, size);
    if (name == QLatin1String("emb99.jpg"))
        return emblem(EmblemKind::Front, QStringLiteral("1999"), size);

    QImage img = canvas(size, Qt::white);
    QPainter p(&img);
    prepare(p);
    if (name == QLatin1String("97emboss.jpg")) {
        img.fill(QColor(138, 141, 146));
        const QString t = QStringLiteral("KESTRANE");
        const QFont f = fittedFont(kSerif, t, w * 0.8, int(h * 0.3), true);
        const QRectF r(0, h * 0.18, w, h * 0.4);
        p.setFont(f);
        const double o = std::max(1.0, h / 150);
        p.setPen(QColor(205, 208, 212));
        p.drawText(r.translated(-o, -o), Qt::AlignCenter, t);
        p.setPen(QColor(70, 72, 76));
        p.drawText(r.translated(o, o), Qt::AlignCenter, t);
        p.setPen(QColor(138, 141, 146));
        p.drawText(r, Qt::AlignCenter, t);
        drawText(p, QRectF(0, h * 0.62, w, h * 0.15), Qt::AlignCenter,
                 QStringLiteral("Photographs 1953 - 2002"),
                 fittedFont(kSans, QStringLiteral("Photographs 1953 - 2002"), w * 0.6, int(h * 0.08), true),
                 QColor(60, 62, 66));
    } else if (name == QLatin1String("53tile.jpg")) {
        img.fill(QColor(248, 244, 232));
        const int cols = 6;
        const double cw = w / cols;
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < cols; ++col)
                drawCar(p, QRectF(col * cw + cw * 0.1, row * h / 5 + h * 0.05, cw * 0.8, cw * 0.8 * 0.34),
                        {bodyColour(quint32(row * cols + col)).lighter(140), (row + col) % 5, 0, true});
        const QRectF banner(w * 0.2, h * 0.36, w * 0.6, h * 0.28);
        p.setPen(QPen(Qt::black, std::max(1.0, h / 200)));
        p.setBrush(QColor(255, 255, 255, 230));
        p.drawRoundedRect(banner, h * 0.03, h * 0.03);
        drawText(p, banner, Qt::AlignCenter, QStringLiteral("Clip Art\n1953 - 2002"),
                 fittedFont(kSans, QStringLiteral("1953 - 2002"), banner.width() * 0.6, int(h * 0.1), true),
                 Qt::black);
    } else if (name == QLatin1String("insignia.jpg")) {
        img.fill(QColor(18, 20, 24));
        const QSize eb(int(w * 0.22), int(w * 0.22));
        p.drawImage(QPointF(w * 0.06, h * 0.25), emblem(EmblemKind::Rear, QStringLiteral("1957"),
                                                        QSize(eb.width(), eb.height() * 6 / 10)));
        p.drawImage(QPointF(w * 0.39, h * 0.2), emblem(EmblemKind::Front, QStringLiteral("1957"), eb));
        p.drawImage(QPointF(w * 0.68, h * 0.3), emblem(EmblemKind::Side, QStringLiteral("1957"),
                                                       QSize(eb.width(), eb.height() * 4 / 10)));
        drawText(p, QRectF(0, h * 0.72, w, h * 0.2), Qt::AlignCenter, QStringLiteral("Scripts & Emblems"),
                 fittedFont(kSerif, QStringLiteral("Scripts & Emblems"), w * 0.6, int(h * 0.12), true, true),
                 QColor(220, 224, 230));
    } else if (name == QLatin1String("logoant2.jpg") || name == QLatin1String("bklettxt.jpg")) {
        const bool logo = name == QLatin1String("logoant2.jpg");
        const QString t = logo ? QStringLiteral("The Kestrane Omnivar") : QStringLiteral("Kestrane Booklet");
        const QString s =
            logo ? QStringLiteral("2002") : QStringLiteral("Descriptions and details, year by year");
        drawText(p, QRectF(0, 0, w, h * 0.62), Qt::AlignCenter, t,
                 fittedFont(kSerif, t, w * 0.9, int(h * 0.45), true, !logo), QColor(130, 16, 24));
        p.setPen(QPen(QColor(130, 16, 24), std::max(1.0, h / 60)));
        p.drawLine(QPointF(w * 0.1, h * 0.64), QPointF(w * 0.9, h * 0.64));
        drawText(p, QRectF(0, h * 0.66, w, h * 0.32), Qt::AlignCenter, s,
                 fittedFont(kSans, s, w * 0.8, int(h * 0.22), true), QColor(40, 40, 48));
    } else if (name == QLatin1String("95white.jpg")) {
        QLinearGradient bg(0, 0, 0, h);
        bg.setColorAt(0, QColor(250, 250, 252));
        bg.setColorAt(1, QColor(200, 204, 212));
        p.fillRect(img.rect(), bg);
        const double cw = w * 0.86;
        drawCar(p, QRectF((w - cw) / 2, h * 0.78 - cw * 0.34, cw, cw * 0.34), {QColor(240, 240, 236), 3});
        drawText(p, QRectF(0, h * 0.02, w, h * 0.25), Qt::AlignCenter, QStringLiteral("1995 Kestrane"),
                 fittedFont(kSerif, QStringLiteral("1995 Kestrane"), w * 0.6, int(h * 0.16), true),
                 QColor(40, 40, 48));
    } else if (name == QLatin1String("quoxel3.jpg")) {
        const double r = h * 0.32;
        const QPointF c(w * 0.18, h * 0.5);
        p.setPen(QPen(QColor(20, 80, 150), r * 0.28));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r, r);
        p.drawLine(c + QPointF(r * 0.4, r * 0.4), c + QPointF(r * 1.1, r * 1.1));
        drawText(p, QRectF(w * 0.36, 0, w * 0.62, h), Qt::AlignVCenter | Qt::AlignLeft,
                 QStringLiteral("Quoxel Software"),
                 fittedFont(kSans, QStringLiteral("Quoxel Software"), w * 0.6, int(h * 0.3), true),
                 QColor(20, 40, 80));
    } else {
        drawText(p, img.rect(), Qt::AlignCenter, name, fittedFont(kSans, name, w * 0.8, int(h * 0.2), true),
                 Qt::black);
    }
    return img;
}

} // namespace kestrane::demo
