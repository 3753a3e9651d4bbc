#pragma once

#include <QByteArray>
#include <QString>
#include <QTextFormat>

class QTextDocument;

namespace rtf {

struct ReadResult
{
    bool ok = false;
    QString error; // short human reason when !ok
};

// Lengths in the documents we build are pixels at 96 dpi: 15 twips per pixel.
constexpr double kTwipsPerPixel = 15.0;

// Block properties without a Qt equivalent, kept on the block for the paginator (bool values).
constexpr int kKeepTogetherProperty = QTextFormat::UserProperty + 1; // \keep
constexpr int kKeepWithNextProperty = QTextFormat::UserProperty + 2; // \keepn
// Qt needs a block before a table that opens the document; this marks it as not the author's.
constexpr int kLeadingBlockProperty = QTextFormat::UserProperty + 3;

// Replaces the whole content of `target` with the document read from `data`.
// A document that cannot be read at all (not RTF: no "{\rtf" start, or empty) gives ok=false
// and leaves `target` untouched. Malformed content inside a document is read as well as it can be.
ReadResult readRtf(const QByteArray& data, QTextDocument* target);

// Plain text by the usual conventions: one line per paragraph, table cells separated by tabs,
// one row per line.
QString plainText(const QTextDocument& doc);

} // namespace rtf
