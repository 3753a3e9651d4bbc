#include "documents/year_documents.h"

#include "common/category_table.h"
#include "documents/document_names.h"
#include "state/app_state.h"

namespace kestrane {

namespace {

struct DescriptionRow
{
    QStringView key;
    QStringView file;
    QStringView title; // the caption after the prefix
    CaptionRoute route = CaptionRoute::Direct;
};

// cmdDesc's documents of the categories and of "no selection"; every one lies in "\richtext\".
constexpr DescriptionRow kDescriptionRows[] = {
    {u"panYear", u"intro.rtf", u"Introduction", CaptionRoute::DocumentCaption},
    {u"Kestrane Coin ", u"zy002.rtf", u"Kestrane Coin ", CaptionRoute::DocumentCaption},
    {u"Kestrane Rubber Stamps ", u"GrayWolf.rtf", u"Kestrane Rubber Stamps "},
    {u"Kestrane Philately ", u"stamps.rtf", u"Kestrane Philately "},
    {u"Miscellany ", u"msdesc.rtf", u"Miscellany "},
    {u"Top Ten Kestrane People ", u"ttdesc.rtf", u"Top Ten Kestrane People "},
    {u"Revell-Monogram Models  ", u"revell.rtf", u"Revell-Monogram Models  "},
    {u"Kestrane Americana ", u"musamer.rtf", u"Kestrane Americana Hall of Fame "},
    {u"National Kestrane Museum ", u"mndesc.rtf", u"National Kestrane Museum "},
    {u"Car Stuff Kestrane Calendars ", u"carstuff.rtf", u"Car Stuff Kestrane Calendars "},
    {u"Kestrane Holiday Cards ", u"nkoa.rtf", u"Kestrane Holiday Cards "},
    {u"Kestrane Monopoly Game ", u"monopoly.rtf", u"Kestrane Monopoly Game "},
    {u"Hoyle Kestrane Playing Cards ", u"zxhoyle.rtf", u"Hoyle Kestrane Playing Cards "},
    {u"Franklin Mint Collector Knives ", u"knives.rtf", u"Franklin Mint Collector Knives "},
    {u"Franklin Mint Collector Plates ", u"plates.rtf", u"Franklin Mint Collector Plates "},
    {u"Franklin Mint Die-cast Models  ", u"franklin.rtf", u"Franklin Mint Die-cast Models  "},
    {u"Franklin Mint Fuel Injected Engine ", u"franklin.rtf", u"Franklin Mint Fuel Injected Engine "},
    {u"Franklin Mint Kestrane Pocket Watch ", u"FMWatch.rtf", u"Franklin Mint Kestrane Pocket Watch "},
    {u"Danbury Mint Die-cast Models  ", u"danbury.rtf", u"Danbury Mint Die-cast Models  "},
    {u"Kestrane Metal Signs ", u"desperat.rtf", u"Kestrane Metal Signs "},
    {u"Kestrane Pinball Machine ", u"xpbdesc.rtf", u"Kestrane Pinball Machine "},
    {u"Malibu Kestrane Ski Boat ", u"skdesc.rtf", u"Malibu Kestrane Ski Boat "},
    {u"Prototypes ", u"ptdesc.rtf", u"Prototypes "},
    {u"Race Cars ", u"ptdesc.rtf", u"Race Cars "},
    {u"Specter Werkes GTR Roadster ", u"GTRdesc.rtf", u"Specter Werkes GTR Roadster "},
    {u"Halvard C12 ", u"C12desc.rtf", u"Halvard C12 "},
    {u"Halvard Twin-Turbo ", u"hvdesc.rtf", u"Halvard Twin-Turbo "},
    {u"Venzi Automotive Concepts ", u"venzi.rtf", u"Venzi Automotive Concepts "},
    {u"Orbeck Cars ", u"orbeck.rtf", u"Orbeck Cars "},
    {u"Dromell Cars ", u"dromell.rtf", u"Dromell Cars "},
    {u"1990-1995 ZR-1 ", u"ZRDESC.rtf", u"1990-1995 ZR-1 "},
    {u"Art Print Two ", u"P2DESC.rtf", u"Artist Two "},
    {u"National Kestrane Museum Print ", u"NKDESC.rtf", u"National Kestrane Museum "},
    {u"Art Print Five ", u"P5DESC.rtf", u"Artist Five "},
};

struct NamedFile
{
    QStringView key;
    QStringView file;
};

// cmdStats: the special cars that open the reader; Dromell's page is its features.
struct StatisticsRow
{
    QStringView key;
    QStringView file;
    QStringView suffix;
};

constexpr StatisticsRow kStatisticsRows[] = {
    {u"Malibu Kestrane Ski Boat ", u"skstats.rtf", u" Statistics"},
    {u"Halvard C12 ", u"C12stats.rtf", u" Statistics"},
    {u"Halvard Twin-Turbo ", u"hvstats.rtf", u" Statistics"},
    {u"Venzi Automotive Concepts ", u"venzistats.rtf", u" Statistics"},
    {u"Orbeck Cars ", u"obstats.rtf", u" Statistics"},
    {u"1990-1995 ZR-1 ", u"ZRstats.rtf", u" Statistics"},
    {u"Dromell Cars ", u"dromellfeatures.rtf", u" Features"},
};

constexpr NamedFile kOptionsRows[] = {
    {u"Malibu Kestrane Ski Boat ", u"skopts.rtf"},
    {u"Halvard C12 ", u"C12OPTS.rtf"},
    {u"Halvard Twin-Turbo ", u"hvOPTS.rtf"},
    {u"Venzi Automotive Concepts ", u"vzOPTS.rtf"},
    {u"Orbeck Cars ", u"obOPTS.rtf"},
    {u"Dromell Cars ", u"dmOPTS.rtf"},
    {u"1990-1995 ZR-1 ", u"ZROPTS.rtf"},
};

constexpr NamedFile kColorsRows[] = {
    {u"Malibu Kestrane Ski Boat ", u"skcolors.rtf"},
    {u"Halvard C12 ", u"C12colors.rtf"},
    {u"Halvard Twin-Turbo ", u"hvcolors.rtf"},
    {u"Venzi Automotive Concepts ", u"vzcolors.rtf"},
    {u"Orbeck Cars ", u"obcolors.rtf"},
    {u"Dromell Cars ", u"dmcolors.rtf"},
    {u"1990-1995 ZR-1 ", u"zrcolors.rtf"},
};

constexpr QStringView kEmblemsKey = u"Kestrane Emblems ";

// Keys starting with "20" look their documents up in "\RichText\"; the folder of other keys
// depends on the button.
QString yearFolder(QStringView key, QStringView otherKeys)
{
    return (key.startsWith(u"20") ? documents::kRichTextFolderCaps : otherKeys).toString();
}

// Options and colours share one scheme: "\RichText\", the caption through DocumentCaption.
std::optional<DocumentChoice> namedOrYear(QStringView key, const NamedFile* begin, const NamedFile* end,
                                          QStringView yearSuffix, QStringView captionSuffix)
{
    if (key == QStringView(kNoSelection))
        return std::nullopt;
    DocumentChoice choice;
    choice.folder = documents::kRichTextFolderCaps.toString();
    choice.route = CaptionRoute::DocumentCaption;
    for (const NamedFile* row = begin; row != end; ++row) {
        if (key == row->key) {
            choice.file = row->file.toString();
            choice.caption = captionFor(key) + captionSuffix.toString();
            return choice;
        }
    }
    choice.file = yearPart(key) + yearSuffix.toString();
    choice.caption = captionFor(captionYear(key)) + captionSuffix.toString();
    return choice;
}

} // namespace

DocumentChoice descriptionDocument(QStringView key)
{
    for (const DescriptionRow& row : kDescriptionRows) {
        if (key == row.key)
            return {documents::kRichTextFolder.toString(), row.file.toString(), captionFor(row.title),
                    row.route};
    }
    return {yearFolder(key, documents::kRichTextFolder), yearPart(key) + u"desc.rtf"_qs,
            captionFor(captionYear(key)) + u" Description"_qs, CaptionRoute::Direct};
}

QString statisticsCaption(QStringView key)
{
    return captionFor(key) + u" Statistics"_qs;
}

DocumentChoice statisticsDocument(QStringView key)
{
    for (const StatisticsRow& row : kStatisticsRows) {
        if (key == row.key)
            return {documents::kRichTextFolder.toString(), row.file.toString(),
                    captionFor(key) + row.suffix.toString(), CaptionRoute::Direct};
    }
    return {yearFolder(key, documents::kRichTextFolder), yearPart(key) + u"stats.rtf"_qs,
            captionFor(captionYear(key)) + u" Statistics"_qs, CaptionRoute::Direct};
}

std::optional<DocumentChoice> optionsDocument(QStringView key)
{
    return namedOrYear(key, std::begin(kOptionsRows), std::end(kOptionsRows), u"OPTS.rtf", u" Options");
}

std::optional<DocumentChoice> colorsDocument(QStringView key)
{
    return namedOrYear(key, std::begin(kColorsRows), std::end(kColorsRows), u"colors.rtf", u" Colors");
}

bool isDetailCategory(QStringView key)
{
    const CategoryRow* row = findCategory(key);
    return row && row->details;
}

QString detailDocumentName(QStringView key, const QString& photoRoot, const QString& currentPhoto)
{
    // The file name follows photo root + "\kestranes\".
    const qsizetype start = photoRoot.size() + 11;
    const QStringView name = QStringView(currentPhoto).mid(start);
    if (key == kEmblemsKey)
        return name.left(5).toString();
    // Up to the name's own first dot: a dot in the folder must not cut the name short.
    const qsizetype dot = name.indexOf(u'.');
    return (dot < 0 ? name : name.left(dot)).toString();
}

NostalgiaDocument nostalgiaDocument(const QString& cdRoot, QStringView key)
{
    NostalgiaDocument doc;
    doc.twoDigitYear = keyDigits(key);
    doc.path =
        cdRoot + documents::kRichTextFolder.toString() + u"nostalgia"_qs + doc.twoDigitYear + u".rtf"_qs;
    doc.caption = captionFor(u"Nostalgia ") + key.left(4).toString();
    return doc;
}

} // namespace kestrane
