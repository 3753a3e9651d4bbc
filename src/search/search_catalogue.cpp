#include "search/search_catalogue.h"

#include "documents/document_names.h"
#include "platform/file_system.h"

#include <QCryptographicHash>
#include <QSet>

namespace kestrane {

namespace {

constexpr QStringView kHelpFolder = u"\\help\\";

void addFolder(const FileSystem& fileSystem, const QString& folder, const DocumentTitles* titles,
               QSet<QString>* seenHosts, QList<CatalogueEntry>* entries)
{
    // Both spellings may name one folder of the host: list it once.
    const QString host = fileSystem.resolve(folder.chopped(1));
    if (host.isEmpty() || seenHosts->contains(host))
        return;
    seenHosts->insert(host);
    QStringList names = fileSystem.list(folder + u"*.rtf"_qs);
    names.sort(Qt::CaseInsensitive);
    for (const QString& name : names) {
        CatalogueEntry entry;
        entry.path = folder + name;
        if (titles) {
            if (const DocumentTitle* title = titles->find(name))
                entry.title = *title;
        }
        entry.size = fileSystem.fileLength(entry.path);
        entry.modified = fileSystem.lastModified(entry.path);
        entries->append(entry);
    }
}

} // namespace

QList<CatalogueEntry> searchCatalogue(const FileSystem& fileSystem, const QString& cdRoot,
                                      const QString& dataFolder, const DocumentTitles& titles)
{
    QList<CatalogueEntry> entries;
    QSet<QString> seenHosts;
    for (const QStringView folder : {documents::kRichTextFolder, documents::kRichTextFolderCaps})
        addFolder(fileSystem, cdRoot + folder.toString(), &titles, &seenHosts, &entries);
    if (!dataFolder.isEmpty())
        addFolder(fileSystem, dataFolder + kHelpFolder.toString(), nullptr, &seenHosts, &entries);
    return entries;
}

QByteArray catalogueKey(const QList<CatalogueEntry>& entries)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const CatalogueEntry& entry : entries) {
        hash.addData(entry.path.toUtf8());
        hash.addData(QByteArray::number(entry.size));
        hash.addData(QByteArray::number(entry.modified.toMSecsSinceEpoch()));
        hash.addData(QByteArrayView("\n"));
    }
    return hash.result().toHex();
}

} // namespace kestrane
