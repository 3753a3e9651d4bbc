#include "documents/menu_catalogue.h"

#include <array>

namespace kestrane {

namespace {

constexpr int N = kNotInArray;
using E = ErrorCode;
using S = CatalogueStyle;

// clang-format off
constexpr auto kCatalogue = std::to_array<CatalogueEntry>({
    // Single documents.
    {u"mnuWallPaper", N, u"\\richtext\\WallPaper Instructions.rtf", u"Wallpaper Instructions", E::ER008},
    {u"mnuOstrel1", N, u"\\richtext\\Ostrel.rtf", u"Shark Quarterly Interview with Ostrel", E::ER008},
    {u"mnuGarrow", N, u"\\richtext\\Garrow.rtf", u"Garrow Interview with Ostrel", E::ER008},
    {u"mnuBooks", N, u"\\RichText\\books.rtf", u"Books", E::ER004},
    {u"mnuCatalogs", N, u"\\richtext\\catalogs.rtf", u"Catalogs", E::ER005},
    {u"mnuADs", N, u"\\RichText\\KestraneAds.rtf", u"Kestrane Advertising Checklist ", E::ER004},
    {u"mnuEngines", N, u"\\RichText\\ENGINES.rtf", u"Kestrane Engines", E::ER006},
    {u"mnuGlossary", N, u"\\richtext\\glossary.rtf", u"Kestrane Glossary", E::ER051},
    {u"mnuTimeLine", N, u"\\richtext\\timeline.rtf", u"Kestrane Timeline", E::ER043},
    {u"MnuIDKesty", N, u"\\RichText\\idkesty.rtf", u"Identification Guide", E::ER050},
    {u"mnuWhatsNew", N, u"\\richtext\\whatsnew.rtf", u"What's New", E::ER056},
    {u"mnuIntro", N, u"\\RichText\\intro.rtf", u"Introduction", E::ER007, S::Introduction},
    {u"mnuNotice", N, u"\\richtext\\notice.rtf", u"Notice", E::ER025},
    {u"mnuCredits", N, u"\\richtext\\credits.rtf", u"Credits", E::ER010},
    {u"mnuContrib", N, u"\\richtext\\contrib.rtf", u"Contributions", E::ER053},

    // Articles: the caption of 6 is the article's title, not its menu text.
    {u"mnuArticles", 1, u"\\richtext\\wave.rtf", u"Hand Signals and Other Greetings", E::ER008},
    {u"mnuArticles", 2, u"\\RichText\\lt4.rtf", u"Commemorating the C4", E::ER008},
    {u"mnuArticles", 3, u"\\richtext\\theking.rtf", u"Long Live the King", E::ER008},
    {u"mnuArticles", 4, u"\\richtext\\savewave.rtf", u"Save the Wave", E::ER008},
    {u"mnuArticles", 5, u"\\richtext\\10second.rtf", u"The Ten Second Trip", E::ER008},
    {u"mnuArticles", 6, u"\\richtext\\moment.rtf", u"Sometimes You Just Get Caught Up In The Moment", E::ER008},
    {u"mnuArticles", 7, u"\\richtext\\Z06CofY.rtf", u"Z06 2001 Automobile Magazine Car of the Year", E::ER008},

    // Magazines: every page shares one caption.
    {u"mnuMag", 1, u"\\richtext\\magcaprs.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 2, u"\\richtext\\magKF.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 3, u"\\richtext\\magKJRNL.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 4, u"\\richtext\\magsweden.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 5, u"\\richtext\\magQTRLY.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 6, u"\\richtext\\magKRSTR.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 7, u"\\richtext\\magKTRDR.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 8, u"\\richtext\\magKONLY.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 9, u"\\richtext\\magShark.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 10, u"\\richtext\\magylady.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 11, u"\\richtext\\magKESTY.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 12, u"\\richtext\\magVues.rtf", u"Magazines", E::ER008},
    {u"mnuMag", 13, u"\\richtext\\magycar.rtf", u"Magazines", E::ER008},

    // Help buttons of the screen-saver and illustrated-series panels.
    {u"SSCommand5", N, u"\\richtext\\sshelp.rtf", u"Install Screen Saver Help", E::ER052, S::PanelHelp},
    {u"SSCommand7", N, u"\\RichText\\penrow.rtf", u"The Illustrated Kestrane", E::ER029, S::SeriesText},
});
// clang-format on

} // namespace

std::span<const CatalogueEntry> menuCatalogue()
{
    return kCatalogue;
}

const CatalogueEntry* catalogueEntry(QStringView control, int index)
{
    for (const CatalogueEntry& entry : kCatalogue)
        if (control == QStringView(entry.control) && entry.index == index)
            return &entry;
    return nullptr;
}

QString catalogueObjectName(const CatalogueEntry& entry)
{
    const QString name = QString::fromUtf16(entry.control);
    if (entry.index == kNotInArray)
        return name;
    return name + u'(' + QString::number(entry.index) + u')';
}

QString catalogueFolder(const CatalogueEntry& entry)
{
    const QString path = QString::fromUtf16(entry.path);
    return path.left(path.lastIndexOf(u'\\') + 1);
}

QString catalogueFile(const CatalogueEntry& entry)
{
    const QString path = QString::fromUtf16(entry.path);
    return path.mid(path.lastIndexOf(u'\\') + 1);
}

} // namespace kestrane
