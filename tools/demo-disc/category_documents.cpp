// Descriptions of the category pages, the per-photograph details and the dealer page.
#include "documents.h"

#include "disc_names.h"
#include "pictures.h"
#include "rtf_writer.h"

#include <array>

namespace kestrane::demo {

namespace {

struct CategoryText
{
    const char* file;
    const char* heading;
    const char* text;
};

const std::array<CategoryText, 31> kCategoryTexts = {{
    {"zy002.rtf", "Kestrane Coin",
     "A commemorative coin struck in solid silver, with the car's profile on one "
     "face and its emblem on the other. Each came in a velvet case with a numbered certificate."},
    {"GrayWolf.rtf", "Kestrane Rubber Stamps",
     "Hand-mounted rubber stamps of the cars and their emblems, made for "
     "letters, club newsletters and the margins of school notebooks."},
    {"stamps.rtf", "Kestrane Philately",
     "Postage stamps from around the world that show the car, collected on album "
     "pages by year of issue."},
    {"msdesc.rtf", "Miscellany",
     "Odds and ends from forty-nine years of the marque: keys, dealer signs, owner's "
     "manuals, window stickers and the occasional oddity that fits nowhere else."},
    {"ttdesc.rtf", "Top Ten Kestrane People",
     "Ten people without whom the car would not be what it is: stylists, "
     "engineers, racers and one very patient plant manager."},
    {"revell.rtf", "Revell-Monogram Models",
     "Plastic model kits of the car in several scales, from simple snap "
     "kits to detailed replicas with opening hoods."},
    {"musamer.rtf", "Kestrane Americana Hall of Fame",
     "The people and cars honoured by the hall of fame, with "
     "their stories and the year of their induction."},
    {"mndesc.rtf", "National Kestrane Museum",
     "The museum stands a short drive from the plant. Its halls show the "
     "cars year by year, the prototypes that never went into production "
     "and a workshop where visitors can watch a restoration in progress."},
    {"carstuff.rtf", "Car Stuff Kestrane Calendars",
     "Wall calendars with a photograph of a different car every "
     "month, printed each autumn for the year to come."},
    {"nkoa.rtf", "Kestrane Holiday Cards",
     "Holiday cards drawn each year for the owners' association, sold to "
     "members in boxes of twenty."},
    {"monopoly.rtf", "Kestrane Monopoly Game",
     "The board game in a Kestrane edition: the streets are model years, "
     "the tokens are cars and the railways are race tracks."},
    {"zxhoyle.rtf", "Hoyle Kestrane Playing Cards",
     "Two decks of playing cards with a different car on each card."},
    {"knives.rtf", "Franklin Mint Collector Knives",
     "Folding knives with engraved blades and handles inlaid with the "
     "emblem of a model year."},
    {"plates.rtf", "Franklin Mint Collector Plates",
     "Porcelain plates with a painting of a car, each with a gold "
     "rim and a numbered back stamp."},
    {"franklin.rtf", "Die-cast Models and Engine Replica",
     "Precision die-cast models with opening doors and hoods, "
     "and a detailed replica of the fuel-injected engine "
     "with its plenum and intake runners."},
    {"FMWatch.rtf", "Franklin Mint Kestrane Pocket Watch",
     "A pocket watch with the car engraved on its cover and a "
     "dial that copies the car's instruments."},
    {"danbury.rtf", "Danbury Mint Die-cast Models",
     "Die-cast models of the cars, finished in the colours of the "
     "period with working steering and rubber tyres."},
    {"desperat.rtf", "Kestrane Metal Signs",
     "Enamelled metal signs in the style of the old dealer signs, made for "
     "garages and game rooms."},
    {"xpbdesc.rtf", "Kestrane Pinball Machine",
     "A full-size pinball machine with a playfield of race tracks, a "
     "spinning wheel bonus and the sound of a V8 when the ball drains."},
    {"skdesc.rtf", "Malibu Kestrane Ski Boat",
     "A ski boat built with the car's V8 engine, its colours and its "
     "emblems, for owners who want the same feeling on the water."},
    {"ptdesc.rtf", "Prototypes and Race Cars",
     "Cars that showed what the production car might become, and cars "
     "built to win races. Some led straight to the showroom; others "
     "stayed in the workshop as ideas."},
    {"GTRdesc.rtf", "Specter Werkes GTR Roadster",
     "A limited roadster built on the current car, with a lowered "
     "windscreen, a reworked engine and a body of carbon fibre."},
    {"C12desc.rtf", "Halvard C12",
     "A tuner's interpretation of the car: wider, longer, with a new body and the "
     "engine enlarged and tuned by hand."},
    {"hvdesc.rtf", "Halvard Twin-Turbo",
     "Two turbochargers fitted to the production engine, with a reinforced "
     "drive train and the warranty of the tuner."},
    {"venzi.rtf", "Venzi Automotive Concepts",
     "Concept cars built on the car's frame by a small design studio."},
    {"orbeck.rtf", "Orbeck Cars",
     "Conversions with new bodywork, interiors and engines, built in small numbers."},
    {"dromell.rtf", "Dromell Cars",
     "Performance packages of engine, suspension and brakes, sold through dealers."},
    {"ZRDESC.rtf", "1990-1995 ZR-1",
     "The high-performance model of the early nineties: a four-cam, thirty-two "
     "valve V8, wider rear wings and a top speed that made it famous."},
    {"P2DESC.rtf", "Artist Two", "A limited art print of the car, signed and numbered by the artist."},
    {"NKDESC.rtf", "National Kestrane Museum",
     "The print made for the opening of the museum, showing its hall of "
     "cars at dusk."},
    {"P5DESC.rtf", "Artist Five", "A limited art print in watercolour, signed and numbered by the artist."},
}};

QByteArray categoryDescription(const CategoryText& c)
{
    RtfWriter w(QString::fromLatin1(c.heading));
    w.heading(QString::fromLatin1(c.heading));
    w.paragraph(QString::fromLatin1(c.text));
    w.paragraph(QStringLiteral("Use the arrows beside the photograph to see every picture of this page; a "
                               "[b]left click[/b] on the photograph moves on to the next page of the tour."));
    return w.finish();
}

QByteArray generalDescription()
{
    RtfWriter w(QStringLiteral("The Kestrane"));
    w.heading(QStringLiteral("The Kestrane"));
    w.paragraph(
        QStringLiteral("Forty-nine model years, from a hand-built roadster of 1953 to the modern car of "
                       "2002. Pick a year from the row of buttons or a page from the menus."));
    return w.finish();
}

QByteArray photoDetail(const QString& caption, const QString& name, int index)
{
    RtfWriter w(caption + name);
    w.paragraph(QStringLiteral("[b]%1[/b]  [i]photograph %2[/i]").arg(caption.trimmed(), name));
    w.paragraph(QStringLiteral("Item %1 of this page: condition, origin and the story behind the picture.")
                    .arg(index + 1));
    return w.finish();
}

QByteArray dealerDocument()
{
    RtfWriter w(QStringLiteral("Dalworth - Tressel"));
    w.heading(QStringLiteral("Dalworth - Tressel"));
    w.picture(dealerPhoto(QSize(320, 240)), 3600, true);
    w.paragraph(
        QStringLiteral("[b]Hello![/b] Welcome to your Kestrane dealer. Our showroom has new and "
                       "pre-owned cars, our service bay has technicians trained at the plant, and our "
                       "parts counter has what you need to keep an older car on the road."));
    w.table({{QStringLiteral("Department"), QStringLiteral("Hours")},
             {QStringLiteral("Showroom"), QStringLiteral("Mon-Sat 9:00-20:00")},
             {QStringLiteral("Service"), QStringLiteral("Mon-Fri 7:30-18:00")},
             {QStringLiteral("Parts"), QStringLiteral("Mon-Sat 8:00-17:00")}},
            {3000, 4000});
    return w.finish();
}

} // namespace

QList<Document> categoryDocuments()
{
    QList<Document> docs;
    const QString rich = QStringLiteral("richtext");
    for (const CategoryText& c : kCategoryTexts)
        docs.append({rich, QString::fromLatin1(c.file), [c] { return categoryDescription(c); }});
    docs.append({rich, QStringLiteral("desc.rtf"), [] { return generalDescription(); }});
    docs.append(
        {QStringLiteral("dalworth"), QStringLiteral("dalworth.rtf"), [] { return dealerDocument(); }});
    return docs;
}

QList<Document> photoDetailDocuments(bool small)
{
    QList<Document> docs;
    for (const Category& c : categories()) {
        if (!c.perPhotoDetails)
            continue;
        const QString code = QString::fromLatin1(c.code);
        const QString caption = QString::fromLatin1(c.caption);
        const QStringList names = photoNames(code, small);
        QStringList written;
        for (int i = 0; i < names.size(); ++i) {
            const QString doc = photoDetailDocument(code, names[i]);
            if (written.contains(doc))
                continue; // emblem photographs of one year share their document
            written.append(doc);
            const QString name = names[i].toUpper();
            docs.append({QStringLiteral("richtext"), doc,
                         [caption, name, i] { return photoDetail(caption, name, i); }});
        }
    }
    return docs;
}

} // namespace kestrane::demo
