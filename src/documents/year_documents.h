#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace kestrane {

// How a handler hands the caption to the reader: through the shared DocumentCaption, which the
// reader takes when it loads, or by setting the reader's caption directly after loading.
enum class CaptionRoute { DocumentCaption, Direct };

// One page button's document for a selection key.
struct DocumentChoice
{
    QString folder;  // "\richtext\" or "\RichText\"
    QString file;    // the name looked up in that folder
    QString caption; // the whole caption the reader shows
    CaptionRoute route = CaptionRoute::Direct;
};

// cmdDesc: "panYear" gives the introduction. The dealer page is the handler's own branch.
DocumentChoice descriptionDocument(QStringView key);
// cmdStats for keys that open the reader (not the detail categories).
DocumentChoice statisticsDocument(QStringView key);
// cmdOptions and cmdColors; nothing for "panYear".
std::optional<DocumentChoice> optionsDocument(QStringView key);
std::optional<DocumentChoice> colorsDocument(QStringView key);

// What cmdStats stores in DocumentCaption before it decides between the reader and the details box.
QString statisticsCaption(QStringView key);

// Categories whose statistics are the current photograph's own detail text in rtbDetails.
bool isDetailCategory(QStringView key);
// The detail document's name (without ".rtf") for the photograph `currentPhoto`, a full path
// photo root + "\kestranes\" + file name.
QString detailDocumentName(QStringView key, const QString& photoRoot, const QString& currentPhoto);

// cmdNostalgia: there is no missing-file test, the load itself fails.
struct NostalgiaDocument
{
    QString twoDigitYear; // characters 3 and 4 of the key
    QString path;         // CD root + "\richtext\nostalgia" + two-digit year + ".rtf"
    QString caption;
};
NostalgiaDocument nostalgiaDocument(const QString& cdRoot, QStringView key);

} // namespace kestrane
