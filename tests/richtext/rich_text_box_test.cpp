#include "disc_fixture.h"

#include "common/ui/rich_text_box.h"
#include "rtf/paginate.h"
#include "rtf/rtf_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QPdfWriter>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using kestrane::RichTextBox;

const QMarginsF kInch(1440, 1440, 1440, 1440);

class RichTextBoxTest : public ::testing::Test
{
protected:
    RichTextBoxTest() : box(disc.fs)
    {
        disc.write(u"E:\\richtext\\57desc.rtf"_qs, "{\\rtf1\\ansi {\\b Bel Air}\\par Two-tone paint.\\par}");
        disc.write(u"E:\\richtext\\glossary.rtf"_qs, "{\\rtf1\\ansi Glossary\\par}");
        disc.write(u"E:\\richtext\\broken.rtf"_qs, "this is no rich text");
        box.resize(400, 300);
    }

    TestDisc disc;
    RichTextBox box;
};

TEST_F(RichTextBoxTest, loading_a_document_replaces_the_whole_previous_content)
{
    ASSERT_TRUE(box.setFileName(u"E:\\richtext\\57desc.rtf"_qs));
    EXPECT_TRUE(box.toPlainText().contains(u"Bel Air"_qs));
    ASSERT_TRUE(box.setFileName(u"E:\\RICHTEXT\\Glossary.rtf"_qs));
    EXPECT_FALSE(box.toPlainText().contains(u"Bel Air"_qs));
    EXPECT_FALSE(box.toPlainText().contains(u"Two-tone"_qs));
    EXPECT_TRUE(box.toPlainText().startsWith(u"Glossary"_qs));
}

TEST_F(RichTextBoxTest, each_document_opened_goes_when_the_next_replaces_it_and_the_first_screen_is_laid_out)
{
    box.show();
    ASSERT_TRUE(box.setFileName(u"E:\\richtext\\57desc.rtf"_qs));
    QPointer<QTextDocument> first = box.document();
    ASSERT_TRUE(box.setFileName(u"E:\\richtext\\Glossary.rtf"_qs));
    EXPECT_TRUE(first.isNull()) << "a box that keeps every document it opened grows without end";
    // A box shows its new document at its own width, not at the width of no layout at all.
    EXPECT_EQ(box.document()->pageSize().width(), box.viewport()->width());
    EXPECT_TRUE(box.isReadOnly());
}

TEST_F(RichTextBoxTest, a_missing_or_unreadable_file_keeps_the_previous_content)
{
    ASSERT_TRUE(box.setFileName(u"E:\\richtext\\57desc.rtf"_qs));
    const QString shown = box.toPlainText();
    for (const QString& path : {u"E:\\richtext\\58desc.rtf"_qs, u"E:\\richtext\\broken.rtf"_qs,
                                u"F:\\richtext\\57desc.rtf"_qs, QString()}) {
        EXPECT_FALSE(box.setFileName(path)) << path.toStdString();
        EXPECT_EQ(box.toPlainText(), shown) << path.toStdString();
        EXPECT_EQ(box.fileName(), u"E:\\richtext\\57desc.rtf"_qs);
    }
}

TEST_F(RichTextBoxTest, the_text_length_counts_what_the_page_formatter_counts)
{
    EXPECT_EQ(box.textLength(), 0);
    ASSERT_TRUE(box.setFileName(u"E:\\richtext\\57desc.rtf"_qs));
    EXPECT_EQ(box.textLength(), box.toPlainText().size());
    EXPECT_GE(box.textLength(), int(QStringLiteral("Bel Air\nTwo-tone paint.").size()));
}

// The same content on its own, which no view lays out again: the pages the box must print too.
int standalonePages(const QByteArray& data, const QFont& font, const QString& pdfPath)
{
    QTextDocument doc;
    doc.setDefaultFont(font);
    if (!rtf::readRtf(data, &doc).ok)
        return -1;
    QPdfWriter pdf(pdfPath);
    return rtf::printDocument(doc, pdf, kInch);
}

TEST_F(RichTextBoxTest, a_shown_document_prints_every_page_and_the_view_keeps_its_layout)
{
    QByteArray keeps = "{\\rtf1\\ansi ";
    for (int i = 0; i < 200; ++i)
        keeps += "{\\keepn Heading}\\par A paragraph of the document that wraps in the box.\\par ";
    keeps += "}";
    const struct
    {
        const char* name;
        QByteArray data;
        int pages;     // 0: as many as the standalone document
        bool scrolled; // the box shows a scroll bar before printing
    } rows[] = {
        // The paged layout is taller than the box: its scroll bar appearing mid-job used to make the
        // view lay the document out for the screen again, and the page breaks were lost.
        {"breaks", "{\\rtf1\\ansi First page.\\page Second page.\\page Third page, the last.\\par}", 3,
         false},
        {"keeps", keeps, 0, true},
    };
    QTemporaryDir dir;
    box.show();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = u"E:\\richtext\\"_qs + QString::fromLatin1(row.name) + u".rtf"_qs;
        disc.write(path, row.data);
        ASSERT_TRUE(box.setFileName(path));
        ASSERT_EQ(box.verticalScrollBar()->isVisible(), row.scrolled);
        const int expected = row.pages ? row.pages
                                       : standalonePages(row.data, box.document()->defaultFont(),
                                                         dir.filePath(u"alone.pdf"_qs));
        ASSERT_GT(expected, 1);
        const QSizeF pageSize = box.document()->pageSize();
        const QSizeF shownSize = box.document()->documentLayout()->documentSize();
        const int scrollRange = box.verticalScrollBar()->maximum();
        const QString text = box.toPlainText();

        // Twice: the second job finds the document exactly as the first one left it.
        for (int job = 0; job < 2; ++job) {
            QPdfWriter pdf(dir.filePath(u"out.pdf"_qs));
            EXPECT_EQ(rtf::printDocument(*box.document(), pdf, kInch), expected) << "job " << job;
        }
        EXPECT_EQ(box.toPlainText(), text);
        EXPECT_EQ(box.document()->pageSize(), pageSize);
        EXPECT_EQ(box.document()->textWidth(), box.viewport()->width());
        EXPECT_EQ(box.document()->documentLayout()->documentSize(), shownSize);
        EXPECT_EQ(box.verticalScrollBar()->isVisible(), row.scrolled);
        // A long document is laid out again in steps, the scroll range estimated until the last one.
        EXPECT_TRUE(QTest::qWaitFor([&] { return box.verticalScrollBar()->maximum() == scrollRange; }))
            << box.verticalScrollBar()->maximum() << " against " << scrollRange;
    }
}

TEST_F(RichTextBoxTest, the_box_is_a_read_only_page_without_a_caret)
{
    EXPECT_TRUE(box.isReadOnly());
    EXPECT_FALSE(box.textInteractionFlags() & (Qt::TextEditable | Qt::TextSelectableByKeyboard));
    // Reached by Tab and by a click all the same: the keyboard scrolls it.
    EXPECT_EQ(box.focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(box.palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(box.palette().color(QPalette::Text), QColor(Qt::black));
}

TEST_F(RichTextBoxTest, a_single_left_click_is_reported_once_and_a_drag_not_at_all)
{
    ASSERT_TRUE(box.setFileName(u"E:\\richtext\\57desc.rtf"_qs));
    box.show();
    QSignalSpy clicks(&box, &RichTextBox::clicked);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(box.viewport(), Qt::RightButton, {}, QPoint(20, 10));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(box.viewport(), QPoint(120, 40));
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, QPoint(120, 40));
    EXPECT_EQ(clicks.count(), 1);
}

} // namespace
