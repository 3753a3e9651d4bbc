#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The disc's naming rules, kept apart from the program's own tables on purpose: the program's
// tests compare their rules against the files written from these.
namespace kestrane::demo {

// A model year: 1953 is {"1953", "53", "53"}, 2001 is {"2001", "01", "A1"}.
struct ModelYear
{
    QString year;   // four digits
    QString digits; // third and fourth characters of the year
    QString code;   // first two characters of its photographs' names
    int number = 0; // 1953 .. 2002
};

struct Category
{
    const char* code;
    const char* caption;  // as the slide show shows it, trailing blanks included
    bool perPhotoDetails; // its statistics button shows one document per photograph
};

QList<ModelYear> modelYears();       // 49 years, no 1983
const QList<Category>& categories(); // every two-letter code of the photographs
QString categoryCaption(const QString& code);

// Photographs of one code ("57", "A1", "MS", "EM"): 8.3 file names as they lie on the disc.
QStringList photoNames(const QString& code, bool small);
// The per-photograph detail document of a photograph name ("MSB.JPG" -> "MSB.rtf",
// "EMB972.JPG" -> "EMB97.rtf").
QString photoDetailDocument(const QString& code, const QString& photoName);

struct NamedFile
{
    QString folder; // "scripts"
    QString name;   // "SCRIzr1.jpg"
    QString title;  // what the picture shows ("1990-1995 ZR-1")
};

QList<NamedFile> scriptFiles();
QList<NamedFile> frontEmblemFiles();
QList<NamedFile> rearEmblemFiles();
QList<NamedFile> sideEmblemFiles();
QList<NamedFile> clipArtFiles();
QList<NamedFile> advertisementFiles(); // none for 1976 and 1996
QList<NamedFile> brochureFiles();      // model years only
QList<NamedFile> illustrationFiles();  // "\OverSize\" st001.jpg .. st053.jpg
bool isWideAdvertisement(const QString& name);

QStringList soundEffects();   // the 29 files of the sound board, in board order
QStringList narrationFiles(); // intro.wav, the years and the three specials

struct MovieFile
{
    const char* name;
    const char* title;
};
const QList<MovieFile>& movies();

QStringList illustrationTitles(); // 53 titles of the illustrated series

} // namespace kestrane::demo
