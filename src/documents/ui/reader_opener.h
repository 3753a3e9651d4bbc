#pragma once

#include "common/error_reporter.h"
#include "documents/ui/reader_window.h"

#include <QString>

#include <functional>
#include <optional>

class QTextDocument;

namespace kestrane {

// The optional steps an opener of the reader takes.
struct ReaderRequest
{
    std::optional<ErrorCode>
        errorCode; // reported when the document cannot be loaded; none keeps the stored one
    std::optional<QString> documentCaption; // set before the reader loads
    QString documentPath;
    std::optional<QString> caption; // set on the reader after the document loaded
    bool disableNarration = true;   // the narration buttons are always hidden; most openers disable them too
    std::optional<int> okWidth;     // a fixed OK width in pixels instead of widening it
    bool modal = true;
    bool reportFailure = true; // false: the caller shows its own message
    // Places to mark once the document is loaded (a search's words): the first is selected.
    std::function<QList<TextRange>(const QTextDocument&)> findMatches;
};

// The opener contract: stores the error code, DocumentCaption and DocumentPath, loads the file
// into the reader's rtbText (the first reference loads the reader), sets the caption, hides the
// narration buttons, sizes OK and shows the reader, modally unless asked otherwise. A document that
// cannot be loaded reports the error code (unless the caller reports itself), closes the reader
// unseen and returns false.
bool OpenDocument(const ReaderEnvironment& environment, const ReaderRequest& request);

} // namespace kestrane
