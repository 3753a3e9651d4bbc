// Documents of the model years and of the special cars: description, statistics, options,
// colours, booklet details and the one nostalgia page.
#include "documents.h"

#include "car_art.h"
#include "disc_names.h"
#include "pictures.h"
#include "rtf_writer.h"

#include <QLocale>
#include <QtMath>

#include <array>

namespace kestrane::demo {

namespace {

struct Facts
{
    QString title; // "1957" or "Halvard C12"
    int year = 0;  // model year that shapes the numbers
    int production = 0;
    int price = 0;
    QString engine;
    int horsepower = 0;
    double wheelbase = 0;
    int weight = 0;
    double zeroToSixty = 0;
    int topSpeed = 0;
    QString gearbox;
};

QString money(int dollars)
{
    return QStringLiteral("$") + QLocale(QLocale::English, QLocale::UnitedStates).toString(dollars);
}
QString count(int n)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(n);
}

Facts factsFor(const QString& title, int year)
{
    Facts f;
    f.title = title;
    f.year = year;
    const quint32 h = stableHash(title);
    const int era = carStyleForYear(year);
    static const std::array<int, 5> basePower = {160, 300, 330, 240, 345};
    static const std::array<double, 5> wheelbases = {102.0, 98.0, 98.0, 96.2, 104.5};
    static const std::array<const char*, 5> engines = {
        "Flyer inline six, 3.9 litres, three carburettors", "Flyer V8, 5.4 litres, four-barrel carburettor",
        "Flyer V8, 5.7 litres, four-barrel carburettor", "Flyer V8, 5.7 litres, port fuel injection",
        "Flyer II V8, 5.7 litres, all-aluminium block"};
    static const std::array<const char*, 5> gearboxes = {
        "two-speed automatic", "four-speed manual", "four-speed manual or three-speed automatic",
        "four-plus-three manual or four-speed automatic", "six-speed manual or four-speed automatic"};
    f.production = year <= 1954 ? 300 + int(h % 3400) : 6000 + int(h % 9000) + (year - 1955) * 520;
    f.price = int(std::lround(3500 * std::pow(1.055, year - 1953) / 10.0)) * 10;
    f.engine = QString::fromLatin1(engines[size_t(era)]);
    if (era == 0 && year > 1955)
        f.engine = QStringLiteral("Flyer V8, 4.6 litres, twin four-barrel carburettors");
    f.horsepower = basePower[size_t(era)] + int(h % 60) - (year >= 1972 && year <= 1981 ? 90 : 0);
    f.wheelbase = wheelbases[size_t(era)];
    f.weight = 2850 + int(h % 500);
    f.zeroToSixty = std::round((11.5 - f.horsepower / 60.0) * 10) / 10;
    f.topSpeed = 95 + f.horsepower / 6;
    f.gearbox = QString::fromLatin1(gearboxes[size_t(era)]);
    if (era == 0 && year > 1955)
        f.gearbox = QStringLiteral("three-speed manual or two-speed automatic");
    return f;
}

const char* eraStory(int era)
{
    static const std::array<const char*, 5> stories = {
        "The early cars were open two-seaters with a glass-fibre body over a steel frame, side curtains "
        "in place of roll-up windows and a dashboard laid out like an aircraft's. They were light, "
        "lively and, at first, misunderstood.",
        "The fastback years brought a split between style and substance that somehow worked: a sharp "
        "crease down the flanks, hidden headlamps and an independent rear suspension that finally let the "
        "car put its power on the road.",
        "The long-nose generation ran longer than anyone planned. Its waisted body and tall front wings "
        "became the shape that a whole generation drew in the margins of their school books.",
        "The wedge years started from a clean sheet: a backbone frame, a lift-off roof panel, digital "
        "instruments and a suspension tuned on the race track. Critics called it harsh; owners called it "
        "honest.",
        "The modern car is the most complete Kestrane yet: a stiff hydroformed frame, the gearbox moved "
        "to the rear axle for balance, and more luggage space than any Kestrane before it."};
    return stories[size_t(std::clamp(era, 0, 4))];
}

const char* highlight(quint32 h)
{
    static const std::array<const char*, 8> notes = {
        "a new grille with finer bars and a wider badge",
        "reshaped seats with more support in fast corners",
        "a quieter exhaust that still sings above four thousand",
        "stronger brakes with larger drums at every corner",
        "a revised dashboard with the tachometer moved in front of the driver",
        "a lighter hood and new wheel covers",
        "better cooling for long summer drives",
        "a wider choice of paint and interior trim"};
    return notes[h % notes.size()];
}

QList<QColor> paintColours(int year)
{
    static const std::array<QColor, 12> all = {
        QColor(240, 240, 232), QColor(190, 20, 30),  QColor(20, 20, 24),    QColor(30, 70, 150),
        QColor(210, 170, 40),  QColor(30, 100, 70),  QColor(150, 150, 160), QColor(220, 100, 30),
        QColor(100, 20, 40),   QColor(70, 160, 190), QColor(170, 110, 60),  QColor(120, 130, 90)};
    QList<QColor> out;
    const quint32 h = stableHash(QString::number(year));
    const int n = 4 + int(h % 5);
    for (int i = 0; i < n; ++i)
        out.append(all[(h / 7 + size_t(i) * 5) % all.size()]);
    return out;
}

QString paintName(const QColor& c)
{
    static const QList<QPair<QColor, const char*>> names = {
        {QColor(240, 240, 232), "Glacier White"},  {QColor(190, 20, 30), "Sunrise Red"},
        {QColor(20, 20, 24), "Midnight Black"},    {QColor(30, 70, 150), "Harbor Blue"},
        {QColor(210, 170, 40), "Sunburst Yellow"}, {QColor(30, 100, 70), "Meadow Green"},
        {QColor(150, 150, 160), "Silverline"},     {QColor(220, 100, 30), "Ember Orange"},
        {QColor(100, 20, 40), "Twilight Maroon"},  {QColor(70, 160, 190), "Lagoon Aqua"},
        {QColor(170, 110, 60), "Canyon Copper"},   {QColor(120, 130, 90), "Olive Mist"}};
    for (const auto& n : names)
        if (n.first == c)
            return QString::fromLatin1(n.second);
    return QStringLiteral("Special Paint");
}

QByteArray description(const Facts& f)
{
    RtfWriter w(f.title + QStringLiteral(" Description"));
    w.heading(QStringLiteral("The ") + f.title + QStringLiteral(" Kestrane"));
    w.paragraph(QStringLiteral("[i]%1 cars left the plant this year, each one built largely by hand.[/i]")
                    .arg(count(f.production)));
    w.picture(clipArt(f.title, f.year, QSize(240, 150)), 2400, false);
    w.paragraph(QString::fromLatin1(eraStory(carStyleForYear(f.year))));
    w.paragraph(QStringLiteral("For %1 the changes were %2, and under the hood sat the [b]%3[/b] rated at "
                               "[b]%4 horsepower[/b]. The base price was %5.")
                    .arg(f.title, QString::fromLatin1(highlight(stableHash(f.title))), f.engine)
                    .arg(f.horsepower)
                    .arg(money(f.price)));
    w.subheading(QStringLiteral("On the road"));
    w.paragraph(QStringLiteral("A road test of the day timed the car from rest to sixty miles an hour in %1 "
                               "seconds and saw a top speed of %2 miles an hour. The testers praised the "
                               "steering and grumbled, as testers always did, about the luggage space.")
                    .arg(f.zeroToSixty, 0, 'f', 1)
                    .arg(f.topSpeed));
    return w.finish();
}

QByteArray statistics(const Facts& f, const QString& suffix)
{
    RtfWriter w(f.title + QLatin1Char(' ') + suffix);
    w.heading(f.title + QLatin1Char(' ') + suffix);
    w.table({{QStringLiteral("Item"), QStringLiteral("Figure")},
             {QStringLiteral("Production"), count(f.production) + QStringLiteral(" cars")},
             {QStringLiteral("Base price"), money(f.price)},
             {QStringLiteral("Engine"), f.engine},
             {QStringLiteral("Power"), QStringLiteral("%1 hp").arg(f.horsepower)},
             {QStringLiteral("Transmission"), f.gearbox},
             {QStringLiteral("Wheelbase"), QStringLiteral("%1 in").arg(f.wheelbase, 0, 'f', 1)},
             {QStringLiteral("Curb weight"), QStringLiteral("%1 lb").arg(count(f.weight))},
             {QStringLiteral("0-60 mph"), QStringLiteral("%1 s").arg(f.zeroToSixty, 0, 'f', 1)},
             {QStringLiteral("Top speed"), QStringLiteral("%1 mph").arg(f.topSpeed)}},
            {2400, 4600}); // 7000 twips: fits the reader's box beside its vertical scroll bar
    w.paragraph(
        QStringLiteral("[i]Figures are those published by the maker at the start of the model year.[/i]"));
    return w.finish();
}

QByteArray options(const Facts& f)
{
    static const std::array<const char*, 12> items = {
        "Removable hardtop", "Heavy-duty brakes", "Power windows",          "Radio with power antenna",
        "Tinted glass",      "Sport suspension",  "Leather seat trim",      "Air conditioning",
        "Luggage rack",      "Cruise control",    "Positraction rear axle", "Whitewall tyres"};
    RtfWriter w(f.title + QStringLiteral(" Options"));
    w.heading(f.title + QStringLiteral(" Options"));
    w.paragraph(
        QStringLiteral("The options below were listed on the order form. [b]Codes[/b] are the maker's own."));
    const quint32 h = stableHash(f.title);
    const int n = 5 + int(h % 6);
    for (int i = 0; i < n; ++i) {
        const int price = 20 + int((h >> (i % 16)) % 40) * 5 + f.year % 10 * 3;
        w.bullet(QStringLiteral("[b]K%1[/b]\t%2 \u2013 %3")
                     .arg(100 + i * 7 + int(h % 5))
                     .arg(QString::fromLatin1(items[(h / 3 + size_t(i)) % items.size()]))
                     .arg(money(price)));
    }
    return w.finish();
}

QByteArray colours(const Facts& f)
{
    RtfWriter w(f.title + QStringLiteral(" Colors"));
    w.heading(f.title + QStringLiteral(" Colors"));
    w.paragraph(QStringLiteral("Exterior colours offered for %1, with the number of cars painted in each:")
                    .arg(f.title));
    const QList<QColor> paints = paintColours(f.year);
    int left = f.production;
    for (qsizetype i = 0; i < paints.size(); ++i) {
        const int share = i + 1 == paints.size() ? left : left / int(paints.size() - i) + int(i * 37 % 90);
        left -= share;
        w.colourLine(paints[i],
                     QStringLiteral("[b]%1[/b] \u2013 %2 cars").arg(paintName(paints[i]), count(share)));
    }
    w.paragraph(QStringLiteral("[i]Interiors came in black, red or saddle; tops in white or black.[/i]"));
    return w.finish();
}

QByteArray details(const Facts& f)
{
    RtfWriter w(f.title + QStringLiteral(" Details"));
    w.heading(f.title + QStringLiteral(" Details"));
    w.paragraph(QStringLiteral("[b]Production:[/b] %1    [b]Base price:[/b] %2    [b]Power:[/b] %3 hp")
                    .arg(count(f.production), money(f.price))
                    .arg(f.horsepower));
    w.paragraph(
        QStringLiteral("Identification: the serial number plate sits on the driver's door pillar; the "
                       "engine stamp is on the pad in front of the right cylinder head. Look for %1.")
            .arg(QString::fromLatin1(highlight(stableHash(f.title) >> 3))));
    return w.finish();
}

QByteArray nostalgia1956()
{
    RtfWriter w(QStringLiteral("Nostalgia 1956"));
    w.heading(QStringLiteral("Nostalgia 1956"));
    w.picture(photograph({QStringLiteral("1956"), QStringLiteral("Summer nights"),
                          QStringLiteral("nostalgia"), u'\u2605', 1956},
                         QSize(320, 240)),
              4200, true);
    w.paragraph(
        QStringLiteral("[i]A gallon of gasoline cost twenty-two cents, the drive-in showed two features "
                       "for a dollar a car, and the radio played the same six songs all summer long.[/i]"));
    w.paragraph(
        QStringLiteral("That was the year the Kestrane grew roll-up windows and a proper V8, and the year "
                       "the neighbours first walked across the street to look at one parked in a driveway. "
                       "Teenagers learned the shape from the back pages of magazines; their fathers "
                       "learned the price and walked back home."));
    w.subheading(QStringLiteral("What else happened"));
    w.bullet(QStringLiteral("The first coast-to-coast highways were planned."));
    w.bullet(QStringLiteral("Television sets outsold radios for the first time in many towns."));
    w.bullet(QStringLiteral("Hula hoops were still two summers away."));
    return w.finish();
}

struct Special
{
    const char* code;
    const char* title;
    int year;
    const char* stats;
    const char* statsSuffix;
    const char* options;
    const char* colours;
};

const std::array<Special, 7> kSpecials = {{
    {"ES", "Malibu Kestrane Ski Boat", 1998, "skstats.rtf", "Statistics", "skopts.rtf", "skcolors.rtf"},
    {"BC", "Halvard C12", 2000, "C12stats.rtf", "Statistics", "C12OPTS.rtf", "C12colors.rtf"},
    {"CC", "Halvard Twin-Turbo", 1990, "hvstats.rtf", "Statistics", "hvOPTS.rtf", "hvcolors.rtf"},
    {"GS", "Venzi Automotive Concepts", 1999, "venzistats.rtf", "Statistics", "vzOPTS.rtf", "vzcolors.rtf"},
    {"FL", "Orbeck Cars", 1999, "obstats.rtf", "Statistics", "obOPTS.rtf", "obcolors.rtf"},
    {"FM", "Dromell Cars", 1999, "dromellfeatures.rtf", "Features", "dmOPTS.rtf", "dmcolors.rtf"},
    {"AZ", "1990-1995 ZR-1", 1993, "ZRstats.rtf", "Statistics", "ZROPTS.rtf", "zrcolors.rtf"},
}};

} // namespace

QList<Document> yearDocuments()
{
    QList<Document> docs;
    const QString rich = QStringLiteral("richtext");
    for (const ModelYear& y : modelYears()) {
        // 2000 to 2002 are looked up as "a0".."a2"; the booklet uses the photo code "A0".."A2".
        const QString stem = y.digits.startsWith(u'0') ? QStringLiteral("a") + y.digits.mid(1) : y.digits;
        const Facts f = factsFor(y.year, y.number);
        docs.append({rich, stem + QStringLiteral("desc.rtf"), [f] { return description(f); }});
        docs.append({rich, stem + QStringLiteral("stats.rtf"),
                     [f] { return statistics(f, QStringLiteral("Statistics")); }});
        docs.append({rich, stem + QStringLiteral("OPTS.rtf"), [f] { return options(f); }});
        docs.append({rich, stem + QStringLiteral("colors.rtf"), [f] { return colours(f); }});
        docs.append({rich, y.code + QStringLiteral(".rtf"), [f] { return details(f); }});
    }
    docs.append({rich, QStringLiteral("nostalgia56.rtf"), [] { return nostalgia1956(); }});
    for (const Special& s : kSpecials) {
        const Facts f = factsFor(QString::fromLatin1(s.title), s.year);
        const QString suffix = QString::fromLatin1(s.statsSuffix);
        docs.append({rich, QString::fromLatin1(s.stats), [f, suffix] { return statistics(f, suffix); }});
        docs.append({rich, QString::fromLatin1(s.options), [f] { return options(f); }});
        docs.append({rich, QString::fromLatin1(s.colours), [f] { return colours(f); }});
    }
    const Facts zr = factsFor(QStringLiteral("1990-1995 ZR-1"), 1993);
    docs.append({rich, QStringLiteral("ZR.rtf"), [zr] { return details(zr); }});
    return docs;
}

} // namespace kestrane::demo
