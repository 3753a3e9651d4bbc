#include "search/document_titles.h"

#include "common/category_table.h"
#include "common/year_keys.h"
#include "documents/document_names.h"
#include "documents/year_documents.h"

namespace kestrane {

namespace {

// The documents of the menus and of the panels' help buttons: file, title after the caption
// prefix, and the error code of the entry.
struct MenuDocument
{
    QStringView file;
    QStringView title;
    ErrorCode code;
};

constexpr MenuDocument kMenuDocuments[] = {
    {u"WallPaper Instructions.rtf", u"Wallpaper Instructions", ErrorCode::ER008},
    {u"Ostrel.rtf", u"Shark Quarterly Interview with Ostrel", ErrorCode::ER008},
    {u"Garrow.rtf", u"Garrow Interview with Ostrel", ErrorCode::ER008},
    {u"books.rtf", u"Books", ErrorCode::ER004},
    {u"catalogs.rtf", u"Catalogs", ErrorCode::ER005},
    {u"KestraneAds.rtf", u"Kestrane Advertising Checklist ", ErrorCode::ER004},
    {u"ENGINES.rtf", u"Kestrane Engines", ErrorCode::ER006},
    {u"glossary.rtf", u"Kestrane Glossary", ErrorCode::ER051},
    {u"timeline.rtf", u"Kestrane Timeline", ErrorCode::ER043},
    {u"idkesty.rtf", u"Identification Guide", ErrorCode::ER050},
    {u"whatsnew.rtf", u"What's New", ErrorCode::ER056},
    {u"intro.rtf", u"Introduction", ErrorCode::ER007},
    {u"notice.rtf", u"Notice", ErrorCode::ER025},
    {u"credits.rtf", u"Credits", ErrorCode::ER010},
    {u"contrib.rtf", u"Contributions", ErrorCode::ER053},
    // Articles.
    {u"wave.rtf", u"Hand Signals and Other Greetings", ErrorCode::ER008},
    {u"lt4.rtf", u"Commemorating the C4", ErrorCode::ER008},
    {u"theking.rtf", u"Long Live the King", ErrorCode::ER008},
    {u"savewave.rtf", u"Save the Wave", ErrorCode::ER008},
    {u"10second.rtf", u"The Ten Second Trip", ErrorCode::ER008},
    {u"moment.rtf", u"Sometimes You Just Get Caught Up In The Moment", ErrorCode::ER008},
    {u"Z06CofY.rtf", u"Z06 2001 Automobile Magazine Car of the Year", ErrorCode::ER008},
    // Magazines: every page is titled alike.
    {u"magcaprs.rtf", u"Magazines", ErrorCode::ER008},
    {u"magKF.rtf", u"Magazines", ErrorCode::ER008},
    {u"magKJRNL.rtf", u"Magazines", ErrorCode::ER008},
    {u"magsweden.rtf", u"Magazines", ErrorCode::ER008},
    {u"magQTRLY.rtf", u"Magazines", ErrorCode::ER008},
    {u"magKRSTR.rtf", u"Magazines", ErrorCode::ER008},
    {u"magKTRDR.rtf", u"Magazines", ErrorCode::ER008},
    {u"magKONLY.rtf", u"Magazines", ErrorCode::ER008},
    {u"magShark.rtf", u"Magazines", ErrorCode::ER008},
    {u"magylady.rtf", u"Magazines", ErrorCode::ER008},
    {u"magKESTY.rtf", u"Magazines", ErrorCode::ER008},
    {u"magVues.rtf", u"Magazines", ErrorCode::ER008},
    {u"magycar.rtf", u"Magazines", ErrorCode::ER008},
    // Help buttons of the screen-saver and illustrated-series panels.
    {u"sshelp.rtf", u"Install Screen Saver Help", ErrorCode::ER052},
    {u"penrow.rtf", u"The Illustrated Kestrane", ErrorCode::ER029},
};

constexpr int kFirstLineLimit = 80;

} // namespace

DocumentTitles::DocumentTitles()
{
    // The menus first: the introduction is a menu document before it is the empty page's description.
    for (const MenuDocument& row : kMenuDocuments)
        add(row.file.toString(), captionFor(row.title), row.code);

    QStringList keys;
    for (int button = 1; button <= kYearButtonCount; ++button)
        keys << yearKeyForButton(button);
    for (const CategoryRow& row : categoryTable())
        keys << QString::fromUtf16(row.title);

    for (const QString& key : keys) {
        const DocumentChoice description = descriptionDocument(key);
        add(description.file, description.caption, documents::kErrDescription);
    }
    for (const QString& key : keys) {
        if (!isDetailCategory(key)) {
            const DocumentChoice statistics = statisticsDocument(key);
            add(statistics.file, statistics.caption, documents::kErrStatistics);
        }
        if (const auto options = optionsDocument(key))
            add(options->file, options->caption, documents::kErrOptions);
        if (const auto colors = colorsDocument(key))
            add(colors->file, colors->caption, documents::kErrColors);
        if (isYearKey(key)) {
            const NostalgiaDocument nostalgia = nostalgiaDocument(QString(), key);
            add(nostalgia.path.mid(nostalgia.path.lastIndexOf(u'\\') + 1), nostalgia.caption,
                documents::kErrDescription);
        }
    }
}

void DocumentTitles::add(const QString& file, const QString& caption, ErrorCode code)
{
    const QString name = file.toLower();
    if (!m_titles.contains(name))
        m_titles.insert(name, {caption, code});
}

const DocumentTitle* DocumentTitles::find(QStringView fileName) const
{
    const auto it = m_titles.constFind(fileName.toString().toLower());
    return it == m_titles.constEnd() ? nullptr : &*it;
}

DocumentTitle DocumentTitles::fromFirstLine(QStringView text, QStringView fileName)
{
    QString line;
    for (QStringView candidate : text.split(u'\n')) {
        line = candidate.toString().simplified();
        if (!line.isEmpty())
            break;
    }
    if (line.isEmpty()) {
        const qsizetype dot = fileName.lastIndexOf(u'.');
        line = (dot > 0 ? fileName.left(dot) : fileName).toString();
    }
    if (line.size() > kFirstLineLimit)
        line = line.left(kFirstLineLimit - 1).trimmed() + QChar(0x2026);
    return {captionFor(line), ErrorCode::ER008};
}

} // namespace kestrane
