#pragma once

#include <QImage>
#include <QString>

// Every kind of picture on the disc. Each one says visibly what it is, so a wrong file on
// screen is obvious at a glance.
namespace kestrane::demo {

struct PhotoText
{
    QString headline; // "1957" or a category title
    QString subtitle; // "Kestrane photograph C"
    QString fileName; // "57C.JPG"
    QChar letter;     // running letter or digit
    int year = 0;     // shapes the car; 0 for categories
};

QImage photograph(const PhotoText& text, QSize size);
QImage clipArt(const QString& title, int year, QSize size);
QImage scriptLettering(const QString& title, QSize size);

enum class EmblemKind { Front, Rear, Side };
QImage emblem(EmblemKind kind, const QString& title, QSize size);
QImage missingEmblem(EmblemKind kind, QSize size);

QImage advertisement(const QString& title, int year, QSize size);
QImage brochureCover(const QString& year, QSize size);
QImage illustration(int number, const QString& title, QSize size);
QImage dealerPhoto(QSize size);

// Title pictures of the slide show and the booklet cover ("\graphics\").
QImage graphic(const QString& name, QSize size);

QImage movieFrame(const QString& title, int frame, int frames, QSize size);

} // namespace kestrane::demo
