#pragma once

#include "search/document_titles.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace kestrane {

class FileSystem;

// A document the search reads, before it is read.
struct CatalogueEntry
{
    QString path;                       // disc form
    std::optional<DocumentTitle> title; // none: titled by its first line once read
    qint64 size = -1;
    QDateTime modified;
};

// The documents of the disc's documents folder (under either spelling the program uses, so any
// letter case on the host), and the help pages among the program's own files when there are any.
QList<CatalogueEntry> searchCatalogue(const FileSystem& fileSystem, const QString& cdRoot,
                                      const QString& dataFolder, const DocumentTitles& titles);

// What the cache is keyed by: every document's path, size and time of writing. A file changed,
// added or removed gives another key.
QByteArray catalogueKey(const QList<CatalogueEntry>& entries);

} // namespace kestrane
