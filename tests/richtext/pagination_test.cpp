#include "rtf/paginate.h"
#include "rtf/rtf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <gtest/gtest.h>

namespace {

// Pages of 6 x 4 inches with half-inch margins leave 4320 twips: twelve lines of 24 pixels.
constexpr int kLineHeight = 24;
constexpr int kLinesPerPage = 12;
const QMarginsF kHalfInch(720, 720, 720, 720);

void addLines(QTextDocument& doc, int count, int from = 0)
{
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat format;
    format.setLineHeight(kLineHeight, QTextBlockFormat::FixedHeight);
    for (int i = 0; i < count; ++i) {
        if (!doc.isEmpty())
            cursor.insertBlock();
        cursor.setBlockFormat(format);
        cursor.insertText(u"line "_qs + QString::number(from + i));
    }
}

QString longText(int paragraphs)
{
    QString html;
    for (int i = 0; i < paragraphs; ++i) {
        html += u"<p style='margin-left:48px; text-indent:-24px'>Paragraph "_qs + QString::number(i) +
                u" is long enough to wrap over several lines of the page, so that the layout has to break "
                u"lines as well as pages and the indents matter for where each break falls.</p>"_qs;
    }
    return html;
}

class PdfPages
{
public:
    explicit PdfPages(int resolution = 1440, const QMarginsF& unprintablePoints = {})
        : m_path(m_dir.filePath(u"out.pdf"_qs)), m_writer(std::make_unique<QPdfWriter>(m_path))
    {
        m_writer->setResolution(resolution);
        m_writer->setPageLayout(QPageLayout(QPageSize(QSizeF(6, 4), QPageSize::Inch), QPageLayout::Portrait,
                                            unprintablePoints, QPageLayout::Point));
    }

    QPdfWriter& device() { return *m_writer; }

    // Page objects in the finished file: what a printer would really get.
    int finishAndCount()
    {
        m_writer.reset();
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        static const QRegularExpression page(u"/Type\\s*/Page(?![s\\w])"_qs);
        return int(QString::fromLatin1(file.readAll()).count(page));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<QPdfWriter> m_writer;
};

struct PageCase
{
    const char* name;
    int lines;
    int trailingEmpty;
    bool trailingBreak;
    int pages;
};

void PrintTo(const PageCase& c, std::ostream* os)
{
    *os << c.name;
}

class PageCountTest : public ::testing::TestWithParam<PageCase>
{
};

TEST_P(PageCountTest, a_document_prints_on_exactly_the_pages_its_text_needs)
{
    const PageCase c = GetParam();
    QTextDocument doc;
    addLines(doc, c.lines);
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    if (c.trailingBreak) {
        QTextBlockFormat format = cursor.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
        cursor.setBlockFormat(format);
    }
    for (int i = 0; i < c.trailingEmpty; ++i)
        cursor.insertBlock();

    PdfPages pdf;
    EXPECT_EQ(rtf::printDocument(doc, pdf.device(), kHalfInch), c.pages);
    EXPECT_EQ(pdf.finishAndCount(), c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Pagination, PageCountTest,
    ::testing::Values(PageCase{"one_line", 1, 0, false, 1},
                      PageCase{"a_full_page", kLinesPerPage, 0, false, 1},
                      PageCase{"one_line_more", kLinesPerPage + 1, 0, false, 2},
                      PageCase{"an_exact_multiple", 3 * kLinesPerPage, 0, false, 3},
                      PageCase{"a_long_document", 1000, 0, false, (1000 + kLinesPerPage - 1) / kLinesPerPage},
                      PageCase{"empty_paragraphs_after_a_full_page", kLinesPerPage, 3, false, 1},
                      PageCase{"a_page_break_at_the_end", 5, 1, true, 1},
                      PageCase{"an_empty_document", 0, 0, false, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pagination, each_page_starts_with_the_first_line_the_previous_page_could_not_hold)
{
    QTextDocument doc;
    addLines(doc, 40);
    PdfPages pdf;
    QPainter painter(&pdf.device());
    const QRectF rect = rtf::pageDrawRect(pdf.device().pageLayout(), 1440, 1440, kHalfInch);
    QStringList firstLines;
    int first = 0;
    for (int guard = 0; guard < 10; ++guard) {
        const int next = rtf::formatRange(doc, &painter, rect, first);
        if (next >= rtf::textLength(doc))
            break;
        firstLines << doc.findBlock(next).text();
        ASSERT_EQ(doc.findBlock(next).position(), next);
        first = next;
        pdf.device().newPage();
    }
    EXPECT_EQ(firstLines, (QStringList{u"line 12"_qs, u"line 24"_qs, u"line 36"_qs}));
    // Measuring without a painter gives the same break.
    EXPECT_EQ(rtf::formatRange(doc, nullptr, QRectF(0, 0, 384, 12 * kLineHeight), 0),
              doc.findBlockByNumber(12).position());
}

TEST(Pagination, paragraphs_marked_to_keep_together_or_with_the_next_move_to_the_next_page)
{
    struct Case
    {
        const char* name;
        int linesBefore;        // full lines before the marked paragraph
        int markedLines;        // lines of the marked paragraph
        int property;           // 0: no mark
        QString nextPageStarts; // first text of page two
    };
    const int together = rtf::kKeepTogetherProperty;
    const int withNext = rtf::kKeepWithNextProperty;
    const Case cases[] = {
        {"a heading alone at the foot of a page", kLinesPerPage - 1, 1, withNext, u"marked"_qs},
        {"an unmarked heading stays", kLinesPerPage - 1, 1, 0, u"next"_qs},
        {"a paragraph cut by the page boundary", kLinesPerPage - 2, 3, together, u"marked"_qs},
        {"an unmarked paragraph is cut", kLinesPerPage - 2, 3, 0, u"more"_qs},
        {"a paragraph longer than a page is cut", 2, kLinesPerPage + 2, together, u"more"_qs},
        {"a heading at the top of a page cannot move", 0, kLinesPerPage, withNext, u"next"_qs},
    };
    for (const Case& c : cases) {
        QTextDocument doc;
        doc.setUndoRedoEnabled(false);
        addLines(doc, c.linesBefore);
        QTextCursor cursor(&doc);
        cursor.movePosition(QTextCursor::End);
        if (!doc.isEmpty())
            cursor.insertBlock();
        QTextBlockFormat format;
        format.setLineHeight(kLineHeight, QTextBlockFormat::FixedHeight);
        if (c.property)
            format.setProperty(c.property, true);
        cursor.setBlockFormat(format);
        cursor.insertText(u"marked"_qs);
        for (int i = 1; i < c.markedLines; ++i)
            cursor.insertText(QString(QChar::LineSeparator) + u"more"_qs);
        format.clearProperty(c.property);
        cursor.insertBlock(format);
        cursor.insertText(u"next"_qs);

        const int next = rtf::formatRange(doc, nullptr, QRectF(0, 0, 384, kLinesPerPage * kLineHeight), 0);
        const QTextBlock block = doc.findBlock(next);
        EXPECT_TRUE(block.text().mid(next - block.position()).startsWith(c.nextPageStarts)) << c.name;
    }
}

TEST(Pagination, a_table_with_merged_cells_longer_than_a_page_reaches_its_last_row)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextTable* table = cursor.insertTable(80, 6);
    for (int row = 0; row < table->rows(); ++row) {
        table->cellAt(row, 0).firstCursorPosition().insertText(u"row "_qs + QString::number(row));
        if (row > 1)
            table->mergeCells(row, 3, 1, 2);
    }
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(u"after the table"_qs);

    const QRectF rect(0, 0, 384, 288);
    int first = 0;
    int pages = 0;
    QList<int> starts;
    while (pages < 100) {
        const int next = rtf::formatRange(doc, nullptr, rect, first);
        ++pages;
        if (next >= rtf::textLength(doc))
            break;
        ASSERT_GT(next, first);
        starts << next;
        first = next;
    }
    EXPECT_GT(pages, 2);
    EXPECT_LT(pages, 100);
    EXPECT_LT(starts.last(), doc.find(u"after the table"_qs).selectionStart() + 1);
}

TEST(Pagination, margins_are_measured_from_the_paper_edge_whatever_the_unprintable_offsets)
{
    struct Case
    {
        const char* name;
        QMarginsF unprintablePoints;
        QMarginsF marginsTwips;
        QRectF expectedTwips; // relative to the printable area
    };
    // Letter paper: 12240 x 15840 twips.
    const Case cases[] = {
        {"no offsets", {}, {1440, 1440, 1440, 1440}, QRectF(1440, 1440, 9360, 12960)},
        {"quarter-inch offsets", {18, 18, 18, 18}, {1440, 1440, 1440, 1440}, QRectF(1080, 1080, 9360, 12960)},
        {"uneven margins", {18, 36, 0, 0}, {720, 1440, 2160, 360}, QRectF(360, 720, 9360, 14040)},
        {"margins inside the unprintable band", {36, 36, 36, 36}, {0, 0, 0, 0}, QRectF(0, 0, 10800, 14400)},
    };
    for (const Case& c : cases) {
        const QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, c.unprintablePoints,
                                 QPageLayout::Point);
        EXPECT_EQ(rtf::pageDrawRect(layout, 1440, 1440, c.marginsTwips), c.expectedTwips) << c.name;
    }
    const QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, {18, 18, 18, 18},
                             QPageLayout::Point);
    EXPECT_EQ(rtf::pageDrawRect(layout, 600, 300, {1440, 1440, 1440, 1440}), QRectF(450, 225, 3900, 2700));
    EXPECT_TRUE(rtf::pageDrawRect(layout, 1440, 1440, {7000, 1440, 7000, 1440}).isEmpty());
}

TEST(Pagination, a_printer_with_unprintable_offsets_prints_the_same_pages)
{
    QTextDocument doc;
    addLines(doc, 2 * kLinesPerPage);
    PdfPages plain;
    PdfPages offsets(1440, QMarginsF(18, 18, 18, 18));
    EXPECT_EQ(rtf::printDocument(doc, plain.device(), kHalfInch), 2);
    EXPECT_EQ(rtf::printDocument(doc, offsets.device(), kHalfInch), 2);
    EXPECT_EQ(offsets.finishAndCount(), 2);
}

TEST(Pagination, margins_that_leave_no_room_print_nothing_instead_of_looping)
{
    QTextDocument doc;
    addLines(doc, 3);
    PdfPages pdf;
    EXPECT_EQ(rtf::printDocument(doc, pdf.device(), QMarginsF(5000, 720, 5000, 720)), 0);
}

TEST(Pagination, the_page_count_does_not_depend_on_the_printer_resolution)
{
    QTextDocument doc;
    doc.setHtml(longText(40));
    PdfPages coarse(300);
    PdfPages fine(1200);
    const int pages = rtf::printDocument(doc, coarse.device(), kHalfInch);
    EXPECT_GT(pages, 3);
    EXPECT_EQ(rtf::printDocument(doc, fine.device(), kHalfInch), pages);
}

TEST(Pagination, printing_leaves_the_document_on_screen_as_it_was)
{
    QTextDocument doc;
    addLines(doc, 30);
    // A heading kept with its paragraph gets a page break while printing, and must lose it again.
    QTextBlock heading = doc.findBlockByNumber(kLinesPerPage - 1);
    QTextBlockFormat format = heading.blockFormat();
    format.setProperty(rtf::kKeepWithNextProperty, true);
    QTextCursor(heading).setBlockFormat(format);
    doc.setModified(false);
    doc.clearUndoRedoStacks();
    QList<QTextBlockFormat> formats;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        formats << block.blockFormat();
    const QSizeF pageSize = doc.pageSize();
    const qreal margin = doc.documentMargin();

    PdfPages pdf;
    EXPECT_EQ(rtf::printDocument(doc, pdf.device(), kHalfInch), 3);
    EXPECT_EQ(doc.pageSize(), pageSize);
    EXPECT_EQ(doc.documentMargin(), margin);
    EXPECT_EQ(doc.documentLayout()->paintDevice(), nullptr);
    EXPECT_TRUE(doc.isUndoRedoEnabled());
    EXPECT_FALSE(doc.isModified());
    int changed = 0;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        changed += block.blockFormat() != formats.value(block.blockNumber()) ? 1 : 0;
    EXPECT_EQ(changed, 0);
}

TEST(Pagination, text_is_drawn_black_inside_the_rectangle_on_a_dark_desktop)
{
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);

    QTextDocument doc;
    doc.setHtml(longText(20));
    QImage page(400, 300, QImage::Format_RGB32);
    page.setDotsPerMeterX(3780);
    page.setDotsPerMeterY(3780);
    page.fill(Qt::white);
    const QRect rect(60, 40, 280, 200);
    QPainter painter(&page);
    const int next = rtf::formatRange(doc, &painter, rect, 0);
    painter.end();
    QApplication::setPalette(saved);

    EXPECT_GT(next, 0);
    EXPECT_LT(next, rtf::textLength(doc));
    int dark_inside = 0;
    int marked_outside = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) > 200)
                continue;
            if (rect.contains(x, y))
                ++dark_inside;
            else
                ++marked_outside;
        }
    }
    EXPECT_GT(dark_inside, 500);
    EXPECT_EQ(marked_outside, 0);
}

} // namespace
