#include "search/document_titles.h"

#include "common/category_table.h"
#include "common/year_keys.h"
#include "documents/document_names.h"
#include "documents/menu_catalogue.h"
#include "documents/year_documents.h"

namespace kestrane {

namespace {

constexpr int kFirstLineLimit = 80;

} // namespace

DocumentTitles::DocumentTitles()
{
    // The menus first: the introduction is a menu document before it is the empty page's description.
    for (const CatalogueEntry& entry : menuCatalogue())
        add(catalogueFile(entry), captionFor(QStringView(entry.title)), entry.code);

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
