#pragma once

#include "state/app_state.h"

#include <QString>

class QWidget;

namespace kestrane {

struct AppContext;
struct Platform;
class RichTextBox;

// True (-1) puts the window into the always-on-top layer, False (0) takes it out, any other value
// raises it to the top of the ordinary windows (a topmost window stays topmost). Position and size
// are kept.
void SetWindowOnTop(AppContext& context, QWidget* window, Flag flag);

// Prints the whole content of a rich-text box (its own document, which it goes on showing as before)
// on the platform's current printer, page by page, with margins in twips measured from the paper
// edges. The job is named `documentName`, or the caption of the box's window when that is empty (a
// printer without a device names its file after it). Returns the pages printed, 0 when no job could
// be printed: printer failures are the caller's to report.
int PrintRichText(Platform& platform, RichTextBox& box, qint32 leftMargin, qint32 topMargin,
                  qint32 rightMargin, qint32 bottomMargin, const QString& documentName = {});

} // namespace kestrane
