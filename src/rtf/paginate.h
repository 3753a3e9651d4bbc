#pragma once

#include <QMarginsF>
#include <QRectF>

#include <functional>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace rtf {

// Character positions as formatRange counts them: the document's plain-text length, without the
// paragraph mark that every document ends with. A caller's loop ends when formatRange returns this.
int textLength(const QTextDocument& doc);

// Lays the document out for pages of drawRect's size (device units of the painter's device; with
// no painter, pixels at 96 dpi), draws the page that holds firstChar into drawRect (when painter is
// set) and returns the first character of the next page, or textLength(doc) when the rest fitted.
// Trailing empty paragraphs never start a page of their own. Text without a colour of its own is
// drawn black whatever the desktop's colours are.
// It changes the document's layout settings (page size, margin, layout device) and may mark
// paragraphs to start a page (for \keep and \keepn); printPages puts everything back afterwards.
// The layout signals are held while it works, so a widget showing the document keeps out of it.
int formatRange(QTextDocument& doc, QPainter* painter, const QRectF& drawRect, int firstChar);

// The drawing rectangle in device units, relative to the painter's origin, which a paged device
// puts at the top left of its printable area: margins are measured from the paper edges, so the
// unprintable offsets are subtracted; the rectangle is kept inside the printable area.
QRectF pageDrawRect(const QPageLayout& layout, qreal dpiX, qreal dpiY, const QMarginsF& marginsTwips);

// Prints the whole document page by page on an active painter of a paged device, starting on the
// current page, and leaves the document as it was: a widget that shows it is told only of the
// layout it had before. newPage (the device's own when empty) starts each further page; printing
// stops when it returns false. Returns the pages drawn: at least one, or 0 when nothing can be drawn
// (no paged device, margins that leave no room).
int printPages(QTextDocument& doc, QPainter& painter, const QMarginsF& marginsTwips,
               const std::function<bool()>& newPage = {});

// Opens a painter on the device and prints the whole document: printPages for a whole job.
int printDocument(QTextDocument& doc, QPagedPaintDevice& device, const QMarginsF& marginsTwips);

} // namespace rtf
