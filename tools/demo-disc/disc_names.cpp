#include "disc_names.h"

#include <QSet>

#include <algorithm>

namespace kestrane::demo {

QList<ModelYear> modelYears()
{
    QList<ModelYear> years;
    for (int y = 1953; y <= 2002; ++y) {
        if (y == 1983)
            continue;
        ModelYear m;
        m.number = y;
        m.year = QString::number(y);
        m.digits = m.year.mid(2, 2);
        m.code = m.digits.startsWith(u'0') ? QStringLiteral("A") + m.digits.mid(1) : m.digits;
        years.append(m);
    }
    return years;
}

const QList<Category>& categories()
{
    static const QList<Category> table = {
        {"AZ", "1990-1995 ZR-1 ", false},
        {"BC", "Halvard C12 ", false},
        {"CA", "Additional Clip Art ", false},
        {"CC", "Halvard Twin-Turbo ", false},
        {"CV", "Custom Kestranes", true},
        {"DP", "Prototypes ", true},
        {"DR", "Race Cars ", true},
        {"EM", "Kestrane Emblems ", true},
        {"ES", "Malibu Kestrane Ski Boat ", false},
        {"FL", "Orbeck Cars ", false},
        {"FM", "Dromell Cars ", false},
        {"G6", "Art Print One ", false},
        {"GB", "Art Print Two ", true},
        {"GD", "Art Print Three ", false},
        {"GF", "Art Print Four ", false},
        {"GH", "National Kestrane Museum Print ", true},
        {"GL", "Art Print Five ", true},
        {"GS", "Venzi Automotive Concepts ", false},
        {"GT", "Specter Werkes GTR Roadster ", true},
        {"MA", "Kestrane Americana ", true},
        {"MN", "The National Kestrane Museum ", true},
        {"MS", "Miscellany ", true},
        {"TC", "Car Stuff Kestrane Calendars ", false},
        {"TD", "Danbury Mint Die-cast Models  ", true},
        {"TE", "Franklin Mint Collector Knives ", false},
        {"TF", "Franklin Mint Die-cast Models  ", true},
        {"TI", "Franklin Mint Fuel Injected Engine ", true},
        {"TP", "Franklin Mint Collector Plates ", false},
        {"TT", "Top Ten Kestrane People ", false},
        {"TW", "Franklin Mint Kestrane Pocket Watch ", true},
        {"TX", "Kestrane Holiday Cards ", true},
        {"US", "Kestrane Monopoly Game ", false},
        {"VM", "Kestrane Metal Signs ", true},
        {"VR", "Revell-Monogram Models  ", true},
        {"XP", "Kestrane Pinball Machine ", true},
        {"ZW", "Kestrane Rubber Stamps ", true},
        {"ZX", "Hoyle Kestrane Playing Cards ", true},
        {"ZY", "Kestrane Coin ", false},
        {"ZZ", "Kestrane Philately ", true},
    };
    return table;
}

QString categoryCaption(const QString& code)
{
    for (const Category& c : categories())
        if (code == QLatin1String(c.code))
            return QString::fromLatin1(c.caption);
    return {};
}

QStringList photoNames(const QString& code, bool small)
{
    // The emblem photographs are described by the first five characters of their names, so
    // they carry a model year after "EMB"; EMB972.JPG is the play list's default photograph.
    if (code == QLatin1String("EM")) {
        if (small)
            return {QStringLiteral("EMB531.JPG"), QStringLiteral("EMB972.JPG")};
        return {QStringLiteral("EMB531.JPG"), QStringLiteral("EMB632.JPG"), QStringLiteral("EMB781.JPG"),
                QStringLiteral("EMB971.JPG"), QStringLiteral("EMB972.JPG")};
    }
    const bool isYear =
        code.at(0).isDigit() || (code.size() == 2 && code.at(0) == u'A' && code.at(1).isDigit());
    const int count = small ? 2 : (isYear ? 4 : 3);
    // A few names stay in lower case: the program must match them without regard to case.
    static const QSet<QString> lowerCase = {QStringLiteral("57"), QStringLiteral("63"), QStringLiteral("A1"),
                                            QStringLiteral("MS")};
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QString name = code + QChar(u'A' + i) + QStringLiteral(".JPG");
        if (lowerCase.contains(code) && i == std::min(2, count - 1))
            name = name.toLower();
        names.append(name);
    }
    return names;
}

QString photoDetailDocument(const QString& code, const QString& photoName)
{
    const QString upper = photoName.toUpper();
    if (code == QLatin1String("EM"))
        return upper.left(5) + QStringLiteral(".rtf");
    return upper.left(upper.indexOf(u'.')) + QStringLiteral(".rtf");
}

namespace {

QList<NamedFile> perYear(const QString& folder, const QString& prefix, const QString& suffix,
                         const QSet<QString>& skipDigits)
{
    QList<NamedFile> files;
    for (const ModelYear& y : modelYears())
        if (!skipDigits.contains(y.digits))
            files.append({folder, prefix + y.digits + suffix, y.year});
    return files;
}

} // namespace

QList<NamedFile> scriptFiles()
{
    QList<NamedFile> f =
        perYear(QStringLiteral("scripts"), QStringLiteral("scri"), QStringLiteral(".jpg"), {});
    const QString d = QStringLiteral("scripts");
    f += {{d, QStringLiteral("SCRIzr1.jpg"), QStringLiteral("1990-1995 ZR-1")},
          {d, QStringLiteral("SCRIsk.jpg"), QStringLiteral("Malibu Kestrane Ski Boat")},
          {d, QStringLiteral("SCRIC12.jpg"), QStringLiteral("Halvard C12")},
          {d, QStringLiteral("SCRIhv.jpg"), QStringLiteral("Halvard Twin-Turbo")},
          {d, QStringLiteral("SCRIvz.jpg"), QStringLiteral("Venzi Automotive Concepts")},
          {d, QStringLiteral("SCRIob.jpg"), QStringLiteral("Orbeck Cars")},
          {d, QStringLiteral("SCRIdm.jpg"), QStringLiteral("Dromell Cars")},
          {d, QStringLiteral("SCRIRace.jpg"), QStringLiteral("Race Cars")}};
    return f;
}

QList<NamedFile> frontEmblemFiles()
{
    // Ski boat, Orbeck and Dromell reuse the 1996 and 1999 files; Venzi has the placeholder.
    QList<NamedFile> f =
        perYear(QStringLiteral("embfront"), QStringLiteral("emb"), QStringLiteral("f.jpg"), {});
    const QString d = QStringLiteral("embfront");
    f += {{d, QStringLiteral("EMBZR1f.jpg"), QStringLiteral("1990-1995 ZR-1")},
          {d, QStringLiteral("EMBc12f.jpg"), QStringLiteral("Halvard C12")},
          {d, QStringLiteral("EMBhvf.jpg"), QStringLiteral("Halvard Twin-Turbo")},
          {d, QStringLiteral("EMBRacef.jpg"), QStringLiteral("Race Cars")}};
    return f;
}

QList<NamedFile> rearEmblemFiles()
{
    // 1953 to 1955 and 1974 have no rear emblem: the program shows "\graphics\norear.jpg".
    QList<NamedFile> f =
        perYear(QStringLiteral("embrear"), QStringLiteral("emb"), QStringLiteral("r.jpg"),
                {QStringLiteral("53"), QStringLiteral("54"), QStringLiteral("55"), QStringLiteral("74")});
    const QString d = QStringLiteral("embrear");
    f += {{d, QStringLiteral("embZR1r.jpg"), QStringLiteral("1990-1995 ZR-1")},
          {d, QStringLiteral("embc12r.jpg"), QStringLiteral("Halvard C12")},
          {d, QStringLiteral("embhvr.jpg"), QStringLiteral("Halvard Twin-Turbo")}};
    return f;
}

QList<NamedFile> sideEmblemFiles()
{
    // 1954 and 1955 use the 1953 file, 1991 to 1995 (but 1993) the 1991 file, 1981 the placeholder.
    QList<NamedFile> f = perYear(QStringLiteral("embside"), QStringLiteral("emb"), QStringLiteral("s.jpg"),
                                 {QStringLiteral("54"), QStringLiteral("55"), QStringLiteral("81"),
                                  QStringLiteral("92"), QStringLiteral("94"), QStringLiteral("95")});
    const QString d = QStringLiteral("embside");
    f += {{d, QStringLiteral("embzr1s.jpg"), QStringLiteral("1990-1995 ZR-1")},
          {d, QStringLiteral("embc12s.jpg"), QStringLiteral("Halvard C12")},
          {d, QStringLiteral("embdrmls.jpg"), QStringLiteral("Dromell Cars")}};
    return f;
}

QList<NamedFile> clipArtFiles()
{
    QList<NamedFile> f;
    const QString d = QStringLiteral("clipart");
    for (const ModelYear& y : modelYears())
        f.append({d, y.year + QStringLiteral(".jpg"), y.year});
    // Upper case: the slide show captions these by their leading "SK" and "ZR".
    f += {{d, QStringLiteral("SKKES.JPG"), QStringLiteral("Malibu Kestrane Ski Boat")},
          {d, QStringLiteral("HVKES.JPG"), QStringLiteral("Halvard Twin-Turbo")},
          {d, QStringLiteral("ZRKES.JPG"), QStringLiteral("1990-1995 ZR-1")}};
    return f;
}

QList<NamedFile> advertisementFiles()
{
    QList<NamedFile> f;
    const QString d = QStringLiteral("ads");
    for (const ModelYear& y : modelYears())
        if (y.number != 1976 && y.number != 1996)
            f.append({d, y.digits + QStringLiteral("gmco00.jpg"), y.year});
    f += {{d, QStringLiteral("dalworth.jpg"), QStringLiteral("Dalworth - Tressel")},
          {d, QStringLiteral("xpbad00.jpg"), QStringLiteral("Kestrane Pinball Machine")},
          {d, QStringLiteral("zr1ad.jpg"), QStringLiteral("1990-1995 ZR-1")},
          {d, QStringLiteral("skad.jpg"), QStringLiteral("Malibu Kestrane Ski Boat")},
          {d, QStringLiteral("C12.jpg"), QStringLiteral("Halvard C12")},
          {d, QStringLiteral("hvad.jpg"), QStringLiteral("Halvard Twin-Turbo")},
          {d, QStringLiteral("venzi.jpg"), QStringLiteral("Venzi Automotive Concepts")},
          {d, QStringLiteral("obad.jpg"), QStringLiteral("Orbeck Cars")},
          {d, QStringLiteral("dmad.jpg"), QStringLiteral("Dromell Cars")},
          {d, QStringLiteral("ACGMCO04.jpg"), QStringLiteral("Prototypes")},
          {d, QStringLiteral("gtrad.jpg"), QStringLiteral("Specter Werkes GTR Roadster")},
          {d, QStringLiteral("dpadmako.jpg"), QStringLiteral("Race Cars")}};
    return f;
}

bool isWideAdvertisement(const QString& name)
{
    // The large-image viewer shows these at the screen's full width rather than as a page.
    static const QSet<QString> wide = {
        QStringLiteral("zr1ad.jpg"),    QStringLiteral("70gmco00.jpg"), QStringLiteral("82gmco00.jpg"),
        QStringLiteral("84gmco00.jpg"), QStringLiteral("85gmco00.jpg"), QStringLiteral("87gmco00.jpg"),
        QStringLiteral("89gmco00.jpg"), QStringLiteral("90gmco00.jpg"), QStringLiteral("91gmco00.jpg"),
        QStringLiteral("93gmco00.jpg"), QStringLiteral("94gmco00.jpg"), QStringLiteral("95gmco00.jpg"),
        QStringLiteral("97gmco00.jpg"), QStringLiteral("98gmco00.jpg")};
    return wide.contains(name);
}

QList<NamedFile> brochureFiles()
{
    QList<NamedFile> f;
    for (const ModelYear& y : modelYears())
        f.append(
            {QStringLiteral("Brochures"), QStringLiteral("br") + y.year + QStringLiteral(".jpg"), y.year});
    return f;
}

QList<NamedFile> illustrationFiles()
{
    QList<NamedFile> f;
    const QStringList titles = illustrationTitles();
    for (int n = 1; n <= titles.size(); ++n)
        f.append({QStringLiteral("OverSize"), QStringLiteral("st%1.jpg").arg(n, 3, 10, QChar(u'0')),
                  titles.at(n - 1)});
    return f;
}

QStringList soundEffects()
{
    return {QStringLiteral("backfrng.wav"),  QStringLiteral("car_door.wav"), QStringLiteral("carhorns.wav"),
            QStringLiteral("horns.wav"),     QStringLiteral("cop-car.wav"),  QStringLiteral("taxi.wav"),
            QStringLiteral("sportcar.wav"),  QStringLiteral("18wheelr.wav"), QStringLiteral("peel-out.wav"),
            QStringLiteral("Track2.wav"),    QStringLiteral("nascar.wav"),   QStringLiteral("racecar.wav"),
            QStringLiteral("indy-car.wav"),  QStringLiteral("mcycle.wav"),   QStringLiteral("batmoble.wav"),
            QStringLiteral("62kesty.wav"),   QStringLiteral("63kesty.wav"),  QStringLiteral("kesstart.wav"),
            QStringLiteral("passby.wav"),    QStringLiteral("kestrane.wav"), QStringLiteral("zr1start.wav"),
            QStringLiteral("motorcyc2.wav"), QStringLiteral("hot_rod.wav"),  QStringLiteral("red_lght.wav"),
            QStringLiteral("porche.wav"),    QStringLiteral("stealth.wav"),  QStringLiteral("stuck.wav"),
            QStringLiteral("revnrun.wav"),   QStringLiteral("goingby.wav")};
}

QStringList narrationFiles()
{
    QStringList names = {QStringLiteral("intro.wav"), QStringLiteral("ZR1.wav"), QStringLiteral("skboat.wav"),
                         QStringLiteral("halvard.wav")};
    for (const ModelYear& y : modelYears())
        names.append(y.year + QStringLiteral(".wav"));
    return names;
}

const QList<MovieFile>& movies()
{
    static const QList<MovieFile> table = {
        {"1953.avi", "1953 Introduction"},    {"97C5Intro.avi", "1997 C5 Introduction"},
        {"1990.avi", "1990 Kestrane"},        {"1992Commercial.avi", "1992 Commercial"},
        {"1992.avi", "1992 Kestrane"},        {"1995.avi", "1995 Kestrane"},
        {"lemans.avi", "Kestrane at LeMans"}, {"ls1.avi", "Malibu LS1"},
    };
    return table;
}

QStringList illustrationTitles()
{
    return {QStringLiteral("1953 Kestrane"),
            QStringLiteral("1954 Kestrane"),
            QStringLiteral("1955 Kestrane"),
            QStringLiteral("1956 Kestrane"),
            QStringLiteral("Fuel Injection"),
            QStringLiteral("1956 SR-2"),
            QStringLiteral("1957 Kestrane SS"),
            QStringLiteral("1958 Kestrane"),
            QStringLiteral("1959 Kestrane"),
            QStringLiteral("Q-Kestrane"),
            QStringLiteral("Sitng Ray Racer"),
            QStringLiteral("1960 Year of the Fake-out!"),
            QStringLiteral("1960 XP-700 Show Car"),
            QStringLiteral("Performance A La Carte"),
            QStringLiteral("1961 Mako Shark"),
            QStringLiteral("CERV I"),
            QStringLiteral("Last of the Live Axle 'Kestys"),
            QStringLiteral("1963: First of the Sting Rays"),
            QStringLiteral("Grand Sport Roadster  I"),
            QStringLiteral("Grand Sport Roadster II"),
            QStringLiteral("Marburn Stylists Showing Off"),
            QStringLiteral("Acceptance & Refinement"),
            QStringLiteral("CERV II"),
            QStringLiteral("1965: Balance vs. Raw Power"),
            QStringLiteral("1965: Simply Raw Power"),
            QStringLiteral("1965 Mako Shark"),
            QStringLiteral("1966 427 Kestrane"),
            QStringLiteral("1966 Mako Shark II"),
            QStringLiteral("1967 Kestrane"),
            QStringLiteral("1967 L88 Kestrane"),
            QStringLiteral("1968 Kestrane"),
            QStringLiteral("1969 Kestrane"),
            QStringLiteral("1969 ZL-1"),
            QStringLiteral("1969 ZL-1 Part 2"),
            QStringLiteral("1968 Astro I"),
            QStringLiteral("1968 Astro II"),
            QStringLiteral("1968 Astro Show Car"),
            QStringLiteral("1969 Manta Ray"),
            QStringLiteral("1969 Ferrand-Motion"),
            QStringLiteral("1970 XP-882 Mid-Engine"),
            QStringLiteral("1970 Aero Coupe"),
            QStringLiteral("1964 XP-819 Rear-Engine"),
            QStringLiteral("1970 1/2 Kestrane"),
            QStringLiteral("1970 1/2 Kestrane LT-1"),
            QStringLiteral("1970 1/2 Kestrane 454"),
            QStringLiteral("1971 Kestrane"),
            QStringLiteral("1972 Kestrane"),
            QStringLiteral("1972 Varlo & Tamsen"),
            QStringLiteral("Brackley's Racer"),
            QStringLiteral("1973 Kestrane"),
            QStringLiteral("1973 XP-892 Mid-Engine"),
            QStringLiteral("1973 4-Rotor, Mid-Engine"),
            QStringLiteral("1973 Aluminum Kestrane")};
}

} // namespace kestrane::demo
