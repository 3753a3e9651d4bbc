#include "rtf/paginate.h"

#include "rtf/rtf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <cmath>

namespace rtf {

namespace {

constexpr qreal kLayoutDpi = 96.0;
constexpr qreal kTwipsPerInch = 1440.0;
constexpr qreal kTwipsPerPoint = 20.0;
// A line whose top lies this close above a page boundary belongs to the next page (rounding).
constexpr qreal kPageTolerance = 0.5;

// Pages are laid out at a fixed 96 dpi and scaled onto the device: Qt scales fonts to a paint
// device but not block margins or indents, so laying out on the printer itself would shrink them.
QPaintDevice& layoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kLayoutDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

// Holds the page-break policy a block had before the paginator made it start a page (plus one).
constexpr int kInsertedBreakProperty = QTextFormat::UserProperty + 0x5250;

void applyKeepRules(QTextDocument& doc, qreal pageHeight);

// Qt lays a document out again after every setting that changes; with a null page size it waits.
constexpr QSizeF kHoldLayout(0, 0);

void prepareLayout(QTextDocument& doc, const QSizeF& pageSize)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const QTextFrameFormat root = doc.rootFrame()->frameFormat();
    const bool marginsSet = root.leftMargin() != 0 || root.topMargin() != 0 || root.rightMargin() != 0 ||
                            root.bottomMargin() != 0 || doc.documentMargin() != 0;
    const bool deviceSet = layout->paintDevice() != &layoutDevice();
    if (!marginsSet && !deviceSet && doc.useDesignMetrics() && doc.pageSize() == pageSize)
        return;
    doc.setPageSize(kHoldLayout);
    layout->setPaintDevice(&layoutDevice());
    doc.setUseDesignMetrics(true); // unhinted advances scale cleanly to any printer
    if (marginsSet) {
        doc.setDocumentMargin(0);
        QTextFrameFormat format = doc.rootFrame()->frameFormat();
        format.setMargin(0);
        doc.rootFrame()->setFrameFormat(format);
    }
    doc.setPageSize(pageSize); // one layout for all the changes
    applyKeepRules(doc, pageSize.height());
}

bool isBlankTrailer(const QTextBlock& block)
{
    return block.text().trimmed().isEmpty() && !QTextCursor(block).currentTable();
}

// Position after the last paragraph that shows something: empty paragraphs and page breaks after
// it must not make a page of their own.
int contentEnd(const QTextDocument& doc)
{
    QTextBlock block = doc.lastBlock();
    while (block.isValid() && isBlankTrailer(block))
        block = block.previous();
    return block.isValid() ? block.position() + block.length() - 1 : 0;
}

struct LineSpot
{
    int position = 0;
    qreal top = 0;
};

qreal lineTop(const QAbstractTextDocumentLayout& layout, const QTextBlock& block, const QTextLine& line)
{
    return layout.blockBoundingRect(block).top() + line.y();
}

// The line that holds the position.
LineSpot lineAt(const QAbstractTextDocumentLayout& layout, const QTextBlock& block, int position)
{
    const QTextLayout* lines = block.layout();
    if (lines->lineCount() == 0)
        return {block.position(), layout.blockBoundingRect(block).top()};
    QTextLine line = lines->lineForTextPosition(position - block.position());
    if (!line.isValid())
        line = lines->lineAt(lines->lineCount() - 1);
    return {block.position() + line.textStart(), lineTop(layout, block, line)};
}

// The line just before the one that holds the position; position -1 when there is none.
LineSpot lineBefore(const QAbstractTextDocumentLayout& layout, const QTextBlock& block, int position)
{
    const QTextLayout* lines = block.layout();
    const QTextLine line = lines->lineForTextPosition(position - block.position());
    if (line.isValid() && line.lineNumber() > 0) {
        const QTextLine previous = lines->lineAt(line.lineNumber() - 1);
        return {block.position() + previous.textStart(), lineTop(layout, block, previous)};
    }
    for (QTextBlock b = block.previous(); b.isValid(); b = b.previous()) {
        const QTextLayout* earlier = b.layout();
        if (earlier->lineCount() > 0) {
            const QTextLine last = earlier->lineAt(earlier->lineCount() - 1);
            return {b.position() + last.textStart(), lineTop(layout, b, last)};
        }
    }
    return {-1, 0};
}

int pageOf(qreal top, qreal pageHeight)
{
    return static_cast<int>(std::floor((top + kPageTolerance) / pageHeight));
}

bool atPageTop(qreal top, qreal pageHeight)
{
    return top - pageOf(top, pageHeight) * pageHeight < 1.0;
}

struct BlockSpan
{
    bool valid = false;
    qreal top = 0;         // of the first line
    qreal firstBottom = 0; // of the first line
    qreal bottom = 0;      // of the last line
};

BlockSpan spanOf(const QAbstractTextDocumentLayout& layout, const QTextBlock& block)
{
    const QTextLayout* lines = block.layout();
    if (!lines || lines->lineCount() == 0)
        return {};
    const qreal blockTop = layout.blockBoundingRect(block).top();
    const QTextLine first = lines->lineAt(0);
    const QTextLine last = lines->lineAt(lines->lineCount() - 1);
    return {true, blockTop + first.y(), blockTop + first.y() + first.height(),
            blockTop + last.y() + last.height()};
}

void breakBefore(const QTextBlock& block)
{
    QTextBlockFormat format = block.blockFormat();
    if (format.hasProperty(kInsertedBreakProperty))
        return;
    format.setProperty(kInsertedBreakProperty, int(format.pageBreakPolicy()) + 1);
    format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).setBlockFormat(format);
}

// Qt's layout knows no \keep or \keepn: a paragraph to keep together, or a run of paragraphs to
// keep with the next one, that a page boundary cuts starts a page of its own, when it fits on one.
void removeInsertedBreaks(QTextDocument& doc)
{
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (!format.hasProperty(kInsertedBreakProperty))
            continue;
        const int policy = format.intProperty(kInsertedBreakProperty) - 1;
        if (policy == QTextFormat::PageBreak_Auto)
            format.clearProperty(QTextFormat::PageBreakPolicy); // as it was: not set at all
        else
            format.setPageBreakPolicy(QTextFormat::PageBreakFlags(policy));
        format.clearProperty(kInsertedBreakProperty);
        QTextCursor(block).setBlockFormat(format);
    }
}

void applyKeepRules(QTextDocument& doc, qreal pageHeight)
{
    removeInsertedBreaks(doc);
    // The breaks are layout, not edits: a document with an edit history keeps it clean instead.
    if (doc.isUndoRedoEnabled())
        return;
    const QAbstractTextDocumentLayout& layout = *doc.documentLayout();
    QTextBlock chainStart;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        BlockSpan span = spanOf(layout, block);
        if (!span.valid)
            continue;
        if (chainStart.isValid()) {
            const BlockSpan chain = spanOf(layout, chainStart);
            if (chain.valid && pageOf(chain.top, pageHeight) != pageOf(span.top, pageHeight) &&
                span.firstBottom - chain.top <= pageHeight && !atPageTop(chain.top, pageHeight)) {
                breakBefore(chainStart);
                span = spanOf(layout, block);
            }
        }
        if (QTextCursor(block).currentTable()) {
            chainStart = {};
            continue;
        }
        const QTextBlockFormat format = block.blockFormat();
        if (format.boolProperty(kKeepTogetherProperty) && span.bottom - span.top <= pageHeight &&
            pageOf(span.top, pageHeight) != pageOf(span.bottom - kPageTolerance, pageHeight) &&
            !atPageTop(span.top, pageHeight) && !format.hasProperty(kInsertedBreakProperty)) {
            breakBefore(block);
        }
        if (!format.boolProperty(kKeepWithNextProperty))
            chainStart = {};
        else if (!chainStart.isValid())
            chainStart = block;
    }
}

// What formatRange changes in a document, put back when printing is over. Printing works on the
// document itself because Qt 6.4 copies tables with merged cells wrongly (clone() can even crash).
class LayoutRestorer
{
public:
    explicit LayoutRestorer(QTextDocument& doc)
        : m_doc(doc), m_pageSize(doc.pageSize()), m_margin(doc.documentMargin()),
          m_root(doc.rootFrame()->frameFormat()), m_designMetrics(doc.useDesignMetrics()),
          m_modified(doc.isModified()), m_undo(doc.isUndoRedoEnabled())
    {
        // A view of the document (a text edit) answers the layout's size signals by showing or
        // hiding its scroll bar and laying the document out again for its viewport, which drops the
        // pages in the middle of the job: it hears nothing until its own layout is back.
        m_layoutSignalsBlocked = doc.documentLayout()->blockSignals(true);
        doc.setPageSize(kHoldLayout);
        m_device = doc.documentLayout()->paintDevice();
        // An empty edit history is not lost by switching it off, and then the keep rules may apply.
        if (m_undo && doc.availableUndoSteps() == 0 && doc.availableRedoSteps() == 0)
            doc.setUndoRedoEnabled(false);
    }

    ~LayoutRestorer()
    {
        m_doc.setPageSize(kHoldLayout);
        removeInsertedBreaks(m_doc);
        m_doc.documentLayout()->setPaintDevice(m_device);
        m_doc.setUseDesignMetrics(m_designMetrics);
        m_doc.setDocumentMargin(m_margin);
        m_doc.rootFrame()->setFrameFormat(m_root);
        m_doc.documentLayout()->blockSignals(m_layoutSignalsBlocked);
        m_doc.setPageSize(m_pageSize); // lays the document out again for its own view, which hears it
        m_doc.setUndoRedoEnabled(m_undo);
        m_doc.setModified(m_modified);
    }

    LayoutRestorer(const LayoutRestorer&) = delete;
    LayoutRestorer& operator=(const LayoutRestorer&) = delete;

private:
    QTextDocument& m_doc;
    QSizeF m_pageSize;
    QPaintDevice* m_device = nullptr;
    qreal m_margin;
    QTextFrameFormat m_root;
    bool m_designMetrics;
    bool m_modified;
    bool m_undo;
    bool m_layoutSignalsBlocked = false;
};

} // namespace

int textLength(const QTextDocument& doc)
{
    return qMax(0, doc.characterCount() - 1);
}

int formatRange(QTextDocument& doc, QPainter* painter, const QRectF& drawRect, int firstChar)
{
    const int end = textLength(doc);
    firstChar = qBound(0, firstChar, end);
    if (!drawRect.isValid())
        return firstChar;
    qreal scaleX = 1;
    qreal scaleY = 1;
    if (painter && painter->device()) {
        scaleX = painter->device()->logicalDpiX() / kLayoutDpi;
        scaleY = painter->device()->logicalDpiY() / kLayoutDpi;
    }
    const QSizeF pageSize(drawRect.width() / scaleX, drawRect.height() / scaleY);
    // See LayoutRestorer: a view must not lay the document out for the screen while a page is made.
    const QSignalBlocker quietLayout(doc.documentLayout());
    prepareLayout(doc, pageSize);
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    layout->documentSize(); // forces the whole layout, so that every page boundary is known
    const qreal pageHeight = pageSize.height();
    const int stop = contentEnd(doc);
    if (firstChar >= stop)
        return end;

    // The page is the one that holds firstChar's line; it is drawn from its top unless a line
    // before firstChar is on it too (a start in the middle of a page).
    const QTextBlock startBlock = doc.findBlock(firstChar);
    const LineSpot start = lineAt(*layout, startBlock, firstChar);
    const LineSpot before = lineBefore(*layout, startBlock, firstChar);
    const int page = pageOf(start.top, pageHeight);
    qreal regionTop = page * pageHeight;
    if (before.position >= 0 && before.position < firstChar && pageOf(before.top, pageHeight) == page)
        regionTop = start.top;
    const qreal regionBottom = (page + 1) * pageHeight;

    int next = end;
    for (QTextBlock block = startBlock; block.isValid() && next == end; block = block.next()) {
        if (block.position() >= stop)
            break;
        const QTextLayout* lines = block.layout();
        const qreal blockTop = lines->lineCount() > 0 ? layout->blockBoundingRect(block).top() : 0;
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const int position = block.position() + line.textStart();
            if (position >= firstChar && position < stop && pageOf(blockTop + line.y(), pageHeight) > page) {
                next = position;
                break;
            }
        }
    }

    if (painter) {
        painter->save();
        painter->translate(drawRect.topLeft());
        painter->scale(scaleX, scaleY);
        painter->translate(0, -regionTop);
        const QRectF clip(0, regionTop, pageSize.width(), regionBottom - regionTop);
        painter->setClipRect(clip, Qt::IntersectClip);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = QPalette(Qt::black, Qt::white);
        context.palette.setColor(QPalette::Text, Qt::black);
        context.palette.setColor(QPalette::Base, Qt::white);
        context.palette.setColor(QPalette::Link, Qt::blue);
        context.clip = clip;
        context.cursorPosition = -1;
        layout->draw(painter, context);
        painter->restore();
    }
    return next;
}

QRectF pageDrawRect(const QPageLayout& layout, qreal dpiX, qreal dpiY, const QMarginsF& marginsTwips)
{
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    const qreal offsetLeft = (printable.left() - paper.left()) * kTwipsPerPoint;
    const qreal offsetTop = (printable.top() - paper.top()) * kTwipsPerPoint;
    const QRectF drawTwips(QPointF(marginsTwips.left() - offsetLeft, marginsTwips.top() - offsetTop),
                           QPointF(paper.width() * kTwipsPerPoint - marginsTwips.right() - offsetLeft,
                                   paper.height() * kTwipsPerPoint - marginsTwips.bottom() - offsetTop));
    if (drawTwips.width() <= 0 || drawTwips.height() <= 0)
        return {}; // margins that meet or cross leave no room
    const QRectF printableTwips(0, 0, printable.width() * kTwipsPerPoint,
                                printable.height() * kTwipsPerPoint);
    const QRectF inside = drawTwips.intersected(printableTwips);
    if (!inside.isValid())
        return {};
    return {inside.left() * dpiX / kTwipsPerInch, inside.top() * dpiY / kTwipsPerInch,
            inside.width() * dpiX / kTwipsPerInch, inside.height() * dpiY / kTwipsPerInch};
}

int printPages(QTextDocument& doc, QPainter& painter, const QMarginsF& marginsTwips,
               const std::function<bool()>& newPage)
{
    auto* device = dynamic_cast<QPagedPaintDevice*>(painter.device());
    if (!device || !painter.isActive())
        return 0;
    const QRectF rect =
        pageDrawRect(device->pageLayout(), device->logicalDpiX(), device->logicalDpiY(), marginsTwips);
    if (rect.isEmpty())
        return 0;
    const LayoutRestorer restorer(doc);
    const int end = textLength(doc);
    int pages = 0;
    int first = 0;
    for (;;) {
        const int next = formatRange(doc, &painter, rect, first);
        ++pages;
        // No progress would loop for ever; the layout always moves on, but be sure.
        if (next >= end || next <= first)
            break;
        if (!(newPage ? newPage() : device->newPage()))
            break;
        first = next;
    }
    return pages;
}

int printDocument(QTextDocument& doc, QPagedPaintDevice& device, const QMarginsF& marginsTwips)
{
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    const int pages = printPages(doc, painter, marginsTwips);
    painter.end();
    return pages;
}

} // namespace rtf
