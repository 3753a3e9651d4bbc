#pragma once

#include "common/error_reporter.h"

#include <QHash>
#include <QString>
#include <QStringView>

namespace kestrane {

// How the program opens a document of the disc: the reader's whole caption and the error code its
// opener reports when the file cannot be loaded.
struct DocumentTitle
{
    QString caption;
    ErrorCode errorCode = ErrorCode::ER008;
};

// The titles of every document that a page button, a menu item or a panel's help button opens,
// by file name (compared without regard to letter case). Where two openers share a file the
// first rule wins: a description before statistics, a year before a category.
class DocumentTitles
{
public:
    DocumentTitles();

    // The opener's title for a file of the disc's documents folder, if any opener shows it.
    const DocumentTitle* find(QStringView fileName) const;

    // A document no opener names is titled by its first line, as it reads on screen.
    static DocumentTitle fromFirstLine(QStringView text, QStringView fileName);

private:
    void add(const QString& file, const QString& caption, ErrorCode code);
    QHash<QString, DocumentTitle> m_titles;
};

} // namespace kestrane
