#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// Drawing bits shared by every picture of the disc: a stable hash for colours, the car
// silhouette, the landscape behind it and text that fits a box.
namespace kestrane::demo {

quint32 stableHash(const QString& text);

// Car shapes by period: 0 open roadster, 1 fastback, 2 long nose, 3 wedge, 4 smooth modern.
int carStyleForYear(int year);

QColor bodyColour(quint32 seed);

struct CarLook
{
    QColor body;
    int style = 0;
    double wheelTurn = 0; // degrees, for the movies
    bool lineArt = false; // flat fill with black outline (clip art)
};

// Draws the car side-on inside `box` (about three times as wide as high); wheels touch the bottom.
void drawCar(QPainter& p, const QRectF& box, const CarLook& look);

// The ski boat's pages show a boat on a lake instead of a car on a road.
bool isBoat(const QString& title);
void drawBoat(QPainter& p, const QRectF& box, const QColor& hull, bool lineArt);

// Sky, sun, hills and road (or water) over the whole rectangle; returns the y of the road's centre line.
double drawLandscape(QPainter& p, const QRectF& r, quint32 seed, bool water = false);

inline const QString kSerif = QStringLiteral("Serif");
inline const QString kSans = QStringLiteral("Sans Serif");
inline const QString kMono = QStringLiteral("Monospace");

// A picture filled with one colour, and a painter set up for smooth shapes, text and scaling.
QImage canvas(QSize size, const QColor& fill);
void prepare(QPainter& p);

// A font of `family` with the largest pixel size (at most maxPixels) whose text fits `width`.
QFont fittedFont(const QString& family, const QString& text, double width, int maxPixels, bool bold,
                 bool italic = false);

// Text with a soft shadow, drawn at the top-left of `r` and aligned by `flags`.
void shadowText(QPainter& p, const QRectF& r, int flags, const QString& text, const QColor& colour);

} // namespace kestrane::demo
