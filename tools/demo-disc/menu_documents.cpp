// The documents that the menus and help buttons open: reference texts, articles, magazines,
// interviews and help pages.
#include "documents.h"

#include "car_art.h"
#include "disc_names.h"
#include "pictures.h"
#include "rtf_writer.h"

#include <QHash>

#include <array>

namespace kestrane::demo {

namespace {

const QString kRich = QStringLiteral("richtext");

QByteArray simple(const QString& heading, const QStringList& paragraphs)
{
    RtfWriter w(heading);
    w.heading(heading);
    for (const QString& p : paragraphs)
        w.paragraph(p);
    return w.finish();
}

QByteArray introduction()
{
    RtfWriter w(QStringLiteral("Introduction"));
    w.heading(QStringLiteral("Welcome to The Kestrane Omnivar 2002"));
    w.picture(graphic(QStringLiteral("logoant2.jpg"), QSize(300, 80)), 4500, false);
    w.paragraph(QStringLiteral("[i]Every model year from 1953 to 2002 in photographs, documents, movies and "
                               "sound.[/i]"));
    w.subheading(QStringLiteral("Getting around"));
    w.bullet(QStringLiteral(
        "Click a [b]year button[/b] to show that year's page: its photographs, script and emblems."));
    w.bullet(QStringLiteral(
        "The [b]Description[/b], [b]Statistics[/b], [b]Options[/b] and [b]Colors[/b] buttons open "
        "the year's documents."));
    w.bullet(QStringLiteral(
        "The menus hold the special cars, the collectibles, articles, magazines and the slide show."));
    w.bullet(
        QStringLiteral("A [b]left click[/b] on the photograph tours every page in turn; a [b]right click[/b] "
                       "builds your screen saver's play list."));
    w.paragraph(QStringLiteral(
        "There is no 1983 model year: the cars built that year were all sold as 1984 models."));
    return w.finish();
}

QByteArray numberedSteps(const QString& heading, const QStringList& steps, const QString& closing)
{
    RtfWriter w(heading);
    w.heading(heading);
    for (int i = 0; i < steps.size(); ++i)
        w.numbered(i + 1, steps[i]);
    w.paragraph(closing);
    return w.finish();
}

QByteArray interview(const QString& heading, const QString& intro, const QList<QPair<QString, QString>>& qa)
{
    RtfWriter w(heading);
    w.heading(heading);
    w.paragraph(QStringLiteral("[i]") + intro + QStringLiteral("[/i]"));
    for (const auto& [q, a] : qa) {
        w.paragraph(QStringLiteral("[b]Q: ") + q + QStringLiteral("[/b]"));
        w.paragraph(QStringLiteral("A: ") + a);
    }
    return w.finish();
}

QByteArray tableDocument(const QString& heading, const QString& intro, const QList<QStringList>& rows,
                         const QList<int>& widths)
{
    RtfWriter w(heading);
    w.heading(heading);
    w.paragraph(intro);
    w.table(rows, widths);
    return w.finish();
}

const QStringList& roadParagraphs()
{
    static const QStringList list = {
        QStringLiteral(
            "It starts, as these things do, with a sound. Not the starter, which whines like any other, "
            "but the moment after, when the engine catches and settles into a lumpy idle that you feel in "
            "the seat before you hear it."),
        QStringLiteral(
            "The road out of town runs straight for three miles and then gives up on straightness "
            "altogether. The car does not mind. It leans a little, the steering wheel goes light for a "
            "moment, and then it simply follows the line you had in mind."),
        QStringLiteral(
            "Owners will tell you about the other drivers who wave. It happens on every trip: a raised hand "
            "from an oncoming car of the same marque, sometimes a flash of the lights, once in a while a "
            "full stop at the side of the road to talk about carburettors."),
        QStringLiteral(
            "There is a kind of quiet that only comes at speed, when the wind noise evens out and the "
            "engine note drops into the background. You stop thinking about the car and start thinking "
            "about the road, which is, after all, the whole point."),
        QStringLiteral(
            "Fuel stops are social events. Somebody always asks what year it is, and somebody else always "
            "knows the answer before you do. A boy of eight once identified a car by its tail lights from "
            "across a parking lot; his father just shrugged."),
        QStringLiteral(
            "By evening the light goes golden and long, the shadows of the fence posts stretch across the "
            "road, and the car looks the way it did in the brochure. Nobody takes the short way home."),
        QStringLiteral(
            "Back in the garage the engine ticks as it cools. You wipe the bugs from the windscreen, look at "
            "the odometer, and start planning the next trip before you have even closed the door."),
    };
    return list;
}

QByteArray article(const QString& heading, const QString& lead, int paragraphs)
{
    RtfWriter w(heading);
    w.heading(heading);
    w.paragraph(QStringLiteral("[i]") + lead + QStringLiteral("[/i]"));
    const QStringList& pool = roadParagraphs();
    for (int i = 0; i < paragraphs; ++i) {
        if (i > 0 && i % 4 == 0)
            w.subheading(QStringLiteral("Part %1").arg(i / 4 + 1));
        w.paragraph(pool.at((i + int(stableHash(heading) % 7)) % pool.size()));
    }
    return w.finish();
}

QByteArray magazine(const QString& name, const QString& about, const QString& extraChars = {})
{
    RtfWriter w(name);
    w.heading(name);
    w.paragraph(about + extraChars);
    const quint32 h = stableHash(name);
    w.table({{QStringLiteral("Published"), QStringLiteral("Issues a year"), QStringLiteral("Since")},
             {h % 2 ? QStringLiteral("Monthly") : QStringLiteral("Quarterly"),
              h % 2 ? QStringLiteral("12") : QStringLiteral("4"), QString::number(1960 + int(h % 35))}},
            {2800, 2400, 2000});
    w.paragraph(QStringLiteral("Subscriptions and back issues are available from the publisher; club members "
                               "receive a reduced rate."));
    return w.finish();
}

QList<QStringList> yearTable(const QStringList& header,
                             const std::function<QStringList(const ModelYear&)>& row)
{
    QList<QStringList> rows{header};
    for (const ModelYear& y : modelYears())
        rows.append(row(y));
    return rows;
}

QByteArray timeline()
{
    RtfWriter w(QStringLiteral("Kestrane Timeline"));
    w.heading(QStringLiteral("Kestrane Timeline"));
    w.picture(photograph({QStringLiteral("1953 - 2002"), QStringLiteral("Forty-nine model years"),
                          QStringLiteral("timeline"), u'K', 1997},
                         QSize(320, 240)),
              4200, true);
    static const QHash<int, const char*> events = {
        {1953, "[b]The first cars, built by hand[/b]"},
        {1955, "First V8 engine"},
        {1956, "Roll-up windows and a new body"},
        {1957, "Fuel injection offered"},
        {1963, "[b]Fastback coupe[/b] and independent rear suspension"},
        {1965, "Disc brakes at every corner"},
        {1968, "[b]Long-nose body[/b]"},
        {1978, "Twenty-fifth anniversary edition"},
        {1984, "[b]Wedge body[/b], digital instruments"},
        {1990, "The high-performance model arrives"},
        {1997, "[b]Modern car[/b]: aluminium V8, gearbox at the rear axle"},
        {2001, "The lightest, quickest model is named car of the year"}};
    static const std::array<const char*, 6> details = {"New wheel covers",  "Revised grille",
                                                       "New interior trim", "Stronger brakes",
                                                       "Quieter exhaust",   "New paint colours"};
    w.table(yearTable({QStringLiteral("Year"), QStringLiteral("Event")},
                      [](const ModelYear& y) {
                          const char* e =
                              events.value(y.number, details[stableHash(y.year) % details.size()]);
                          return QStringList{y.year, QString::fromLatin1(e)};
                      }),
            {1400, 5400});
    return w.finish();
}

QByteArray glossary()
{
    static const std::array<std::pair<const char*, const char*>, 12> terms = {{
        {"Big block", "An engine of the larger of the two cylinder-block families."},
        {"Fastback", "A roof line that slopes in one sweep down to the tail."},
        {"Fuel injection", "Fuel sprayed into the intake by nozzles instead of drawn through a carburettor."},
        {"Hardtop", "A removable rigid roof for an open car."},
        {"Kesty", "An affectionate name owners use for their cars."},
        {"Matching numbers", "A car whose engine and gearbox stamps match its serial number."},
        {"NKOA", "The owners' association of the marque."},
        {"Positraction", "A limited-slip rear axle that shares power between both wheels."},
        {"Side curtains", "Removable side windows of the earliest roadsters."},
        {"Split window", "A rear window divided in two by a spine along the roof."},
        {"Survivor", "An unrestored car that keeps its original paint and interior."},
        {"Wedge", "The low, sharp-nosed shape of the mid-eighties cars."},
    }};
    RtfWriter w(QStringLiteral("Kestrane Glossary"));
    w.heading(QStringLiteral("Kestrane Glossary"));
    for (const auto& [term, meaning] : terms)
        w.paragraph(QStringLiteral("[b]%1[/b] \u2013 %2")
                        .arg(QString::fromLatin1(term), QString::fromLatin1(meaning)));
    return w.finish();
}

QByteArray list(const QString& heading, const QString& intro, const QStringList& items)
{
    RtfWriter w(heading);
    w.heading(heading);
    w.paragraph(intro);
    for (const QString& i : items)
        w.bullet(i);
    return w.finish();
}

QByteArray penrow()
{
    RtfWriter w(QStringLiteral("The Illustrated Kestrane"));
    w.heading(QStringLiteral("Penrow: The Illustrated Kestrane Series"));
    w.paragraph(
        QStringLiteral("Fifty-three paintings tell the story of the car's first twenty years, from the "
                       "roadster of 1953 to the aluminium experiment of 1973. Click a number in the index "
                       "to open its painting; scroll to see all of it, and click the right mouse button to "
                       "close it again."));
    const QStringList titles = illustrationTitles();
    for (int i = 0; i < titles.size(); ++i)
        w.numbered(i + 1, titles[i]);
    return w.finish();
}

} // namespace

QList<Document> menuDocuments()
{
    QList<Document> d;
    auto add = [&d](const QString& name, std::function<QByteArray()> make) {
        d.append({kRich, name, std::move(make)});
    };

    add(QStringLiteral("intro.rtf"), introduction);
    add(QStringLiteral("WallPaper Instructions.rtf"), [] {
        return numberedSteps(
            QStringLiteral("Wallpaper Instructions"),
            {QStringLiteral("Show the photograph you like on the main window."),
             QStringLiteral(
                 "Click it with the [b]right[/b] mouse button and choose [i]Copy this photo to disk[/i]."),
             QStringLiteral("Save it in a folder of your choice."),
             QStringLiteral("Open your desktop settings and choose the saved picture as the background.")},
            QStringLiteral("The photographs are 1024 by 768 pixels, the right size for most screens."));
    });
    add(QStringLiteral("Ostrel.rtf"), [] {
        return interview(
            QStringLiteral("Shark Quarterly Interview with Ostrel"),
            QStringLiteral(
                "The chief engineer of the early years talks about weight, balance and stubbornness."),
            {{QStringLiteral("What did you change first?"),
              QStringLiteral("The weight distribution. Everything else followed from that.")},
             {QStringLiteral("Was racing part of the plan?"),
              QStringLiteral("Racing was the plan. The showroom was how we paid for it.")},
             {QStringLiteral("Your favourite year?"),
              QStringLiteral("The next one. It is always the next one.")}});
    });
    add(QStringLiteral("Garrow.rtf"), [] {
        return interview(
            QStringLiteral("Garrow Interview with Ostrel"),
            QStringLiteral("A conversation recorded at the museum's opening."),
            {{QStringLiteral("How did the fastback come about?"),
              QStringLiteral("A stylist drew it on a napkin and refused to draw anything else.")},
             {QStringLiteral("And the split rear window?"),
              QStringLiteral(
                  "We argued about it for a year. The stylists won for exactly one model year.")}});
    });
    add(QStringLiteral("books.rtf"), [] {
        return list(QStringLiteral("Kestrane Books"),
                    QStringLiteral("Books worth a place on an owner's shelf:"),
                    {QStringLiteral("[i]Forty-Nine Years on Glass Fibre[/i], a history year by year"),
                     QStringLiteral("[i]The Restorer's Handbook[/i], with part numbers and paint codes"),
                     QStringLiteral("[i]Racing Kestranes[/i], the cars and drivers of the race tracks"),
                     QStringLiteral("[i]Concept to Showroom[/i], the prototypes and what became of them")});
    });
    add(QStringLiteral("catalogs.rtf"), [] {
        return list(QStringLiteral("Kestrane Catalogs"),
                    QStringLiteral("Parts and accessories catalogs for owners and restorers:"),
                    {QStringLiteral("Restoration parts, 1953 to 1962"),
                     QStringLiteral("Restoration parts, 1963 to 1982"),
                     QStringLiteral("Performance parts for the modern cars"),
                     QStringLiteral("Apparel, books and models")});
    });
    add(QStringLiteral("KestraneAds.rtf"), [] {
        return tableDocument(
            QStringLiteral("Kestrane Advertising Checklist"),
            QStringLiteral("The period advertisement of each model year; 1976 and 1996 had none."),
            yearTable({QStringLiteral("Year"), QStringLiteral("Advertisement")},
                      [](const ModelYear& y) {
                          return QStringList{y.year, y.number == 1976 || y.number == 1996
                                                         ? QStringLiteral("[i]none[/i]")
                                                         : y.digits + QStringLiteral("gmco00.jpg")};
                      }),
            {1400, 4000});
    });
    add(QStringLiteral("ENGINES.rtf"), [] {
        return tableDocument(
            QStringLiteral("Kestrane Engines"), QStringLiteral("The engine families, by period:"),
            {{QStringLiteral("Years"), QStringLiteral("Engine"), QStringLiteral("Power")},
             {QStringLiteral("1953-1955"), QStringLiteral("Flyer inline six"), QStringLiteral("150-160 hp")},
             {QStringLiteral("1955-1974"), QStringLiteral("Flyer V8, small block"),
              QStringLiteral("195-370 hp")},
             {QStringLiteral("1965-1974"), QStringLiteral("Flyer V8, big block"),
              QStringLiteral("390-435 hp")},
             {QStringLiteral("1975-1996"), QStringLiteral("Flyer V8, injected"),
              QStringLiteral("165-330 hp")},
             {QStringLiteral("1997-2002"), QStringLiteral("Flyer II V8, aluminium"),
              QStringLiteral("345-405 hp")}},
            {1800, 3600, 1800});
    });
    add(QStringLiteral("glossary.rtf"), glossary);
    add(QStringLiteral("timeline.rtf"), timeline);
    add(QStringLiteral("idkesty.rtf"), [] {
        return tableDocument(
            QStringLiteral("Kestrane Identification Guide"),
            QStringLiteral("How to tell the years apart at a glance:"),
            yearTable({QStringLiteral("Year"), QStringLiteral("Photo code"), QStringLiteral("Look for")},
                      [](const ModelYear& y) {
                          static const std::array<const char*, 6> cues = {"grille bars", "tail lamps",
                                                                          "side vents",  "wheel covers",
                                                                          "hood bulge",  "badge colour"};
                          return QStringList{y.year, y.code,
                                             QString::fromLatin1(cues[stableHash(y.year) % cues.size()])};
                      }),
            {1400, 1600, 4000});
    });
    add(QStringLiteral("whatsnew.rtf"), [] {
        return list(QStringLiteral("What's New"), QStringLiteral("New in this edition:"),
                    {QStringLiteral("The 2001 and 2002 model years"),
                     QStringLiteral("The slide show of insignias"),
                     QStringLiteral("Your own screen saver play list"),
                     QStringLiteral("Eight movies and twenty-nine sound effects")});
    });
    add(QStringLiteral("notice.rtf"), [] {
        return simple(
            QStringLiteral("Notice"),
            {QStringLiteral("[b]Copyright \u00a9 1996-2002 Quoxel Software.[/b] All rights reserved."),
             QStringLiteral(
                 "The names of the marque, its models and its emblems are used for reference only. "
                 "Photographs, documents, movies and sounds may not be copied or sold without permission.")});
    });
    add(QStringLiteral("credits.rtf"), [] {
        return list(QStringLiteral("Credits"), QStringLiteral("The Kestrane Omnivar was made by:"),
                    {QStringLiteral("[b]Programming[/b]: Quoxel Software"),
                     QStringLiteral("[b]Photography[/b]: owners and clubs"),
                     QStringLiteral("[b]Illustrations[/b]: the Penrow series"),
                     QStringLiteral("[b]Research[/b]: the museum's archive")});
    });
    add(QStringLiteral("contrib.rtf"), [] {
        return simple(
            QStringLiteral("Contributions"),
            {QStringLiteral("Many owners lent their cars, their photographs and their memories. Thank you."),
             QStringLiteral("Would you like to contribute to the next edition? Send us a photograph of your "
                            "car with its year, colour and story.")});
    });
    add(QStringLiteral("wave.rtf"), [] {
        return article(QStringLiteral("Hand Signals and Other Greetings"),
                       QStringLiteral("Why owners wave at each other, and what the different waves mean."),
                       5);
    });
    add(QStringLiteral("lt4.rtf"), [] {
        return article(QStringLiteral("A Farewell to the Wedge"),
                       QStringLiteral("A farewell to the wedge generation."), 6);
    });
    add(QStringLiteral("theking.rtf"), [] {
        return article(QStringLiteral("Long Live the King"),
                       QStringLiteral("The high-performance model and the people who built it."), 8);
    });
    add(QStringLiteral("savewave.rtf"), [] {
        return article(QStringLiteral("Save the Wave"), QStringLiteral("A plea to keep the greeting alive."),
                       4);
    });
    // Long enough to print on several pages.
    add(QStringLiteral("10second.rtf"), [] {
        return article(QStringLiteral("The Ten Second Trip"), QStringLiteral("A quarter mile, told slowly."),
                       22);
    });
    add(QStringLiteral("moment.rtf"), [] {
        return article(QStringLiteral("Sometimes You Just Get Caught Up In The Moment"),
                       QStringLiteral("A weekend drive that went on a little longer than planned."), 6);
    });
    add(QStringLiteral("Z06CofY.rtf"), [] {
        return article(QStringLiteral("Car of the Year"),
                       QStringLiteral("How the lightest, quickest model of 2001 won the year's award."), 5);
    });

    struct Mag
    {
        const char* file;
        const char* name;
    };
    static const std::array<Mag, 13> mags = {{{"magcaprs.rtf", "Kestrane Capers"},
                                              {"magKF.rtf", "Kestrane Fever"},
                                              {"magKJRNL.rtf", "Kestrane Journal"},
                                              {"magsweden.rtf", "Kestrane Magasinet"},
                                              {"magQTRLY.rtf", "Kestrane Quarterly"},
                                              {"magKRSTR.rtf", "Kestrane Restorer"},
                                              {"magKTRDR.rtf", "Kestrane Trader"},
                                              {"magKONLY.rtf", "For Kestys Only"},
                                              {"magShark.rtf", "Shark Quarterly"},
                                              {"magylady.rtf", "The Yankee Lady Gazette"},
                                              {"magKESTY.rtf", "Kesty Magazine"},
                                              {"magVues.rtf", "Kesty Vues"},
                                              {"magycar.rtf", "Y-Car On-Line"}}};
    for (const Mag& m : mags) {
        const QString name = QString::fromLatin1(m.name);
        // The Swedish magazine carries its own letters, written as code-page escapes.
        const QString extra =
            QLatin1String(m.file) == QLatin1String("magsweden.rtf")
                ? QStringLiteral(" V\u00e4lkommen till v\u00e5r tidning f\u00f6r \u00e4gare i Norden.")
                : QString();
        add(QString::fromLatin1(m.file), [name, extra] {
            return magazine(name,
                            QStringLiteral("[b]") + name +
                                QStringLiteral("[/b] is written by owners for owners: "
                                               "road trips, restorations, club news and classified ads."),
                            extra);
        });
    }
    add(QStringLiteral("sshelp.rtf"), [] {
        return numberedSteps(
            QStringLiteral("Install Screen Saver Help"),
            {QStringLiteral("Choose [b]All Photos[/b] or [b]Selected Photos[/b]."),
             QStringLiteral("Set the delay between photographs with the arrows."),
             QStringLiteral("Click [b]Install[/b]."),
             QStringLiteral("Activate the screen saver in your desktop settings.")},
            QStringLiteral("[i]Selected Photos[/i] are the ones you added to the play list with a "
                           "right click on the main photograph."));
    });
    add(QStringLiteral("penrow.rtf"), penrow);
    return d;
}

QList<Document> allDocuments(bool small)
{
    return yearDocuments() + categoryDocuments() + photoDetailDocuments(small) + menuDocuments();
}

} // namespace kestrane::demo
