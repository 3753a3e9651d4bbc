// Tables: rows and cells into QTextTable, the union grid of edges, merges, borders and shading.
#include "rtf_test_util.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>

#include <gtest/gtest.h>

namespace rtf::test {
namespace {

QTextTable* firstTable(const QTextDocument& doc)
{
    for (QTextFrame* frame : doc.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            return table;
    return nullptr;
}

const TextCase kTableText[] = {
    {"cells by tabs, rows by lines",
     R"({\rtf1\trowd\cellx1000\cellx2000\intbl a\cell b\cell\row)"
     R"(\trowd\cellx1000\cellx2000\intbl c\cell d\cell\row\pard after\par})",
     u"a\tb\nc\td\nafter"},
    {"paragraphs in a cell stay in its field",
     R"({\rtf1\trowd\cellx1000\cellx2000\pard\intbl one\par two\cell)"
     R"(\pard\intbl x\cell\row\pard end\par})",
     u"one two\tx\nend"},
    {"intbl after the text still makes a cell", R"({\rtf1\trowd\cellx1000 cell 1\intbl\cell\row})",
     u"cell 1\n"},
    {"more cells than edges get columns of their own",
     R"({\rtf1\trowd\cellx5000\intbl A\cell B\cell C\cell\row})", u"A\tB\tC\n"},
    {"a paragraph without intbl closes the table",
     R"({\rtf1 before\par\trowd\cellx1000\intbl x\cell\row)"
     R"(\pard between\par\trowd\cellx1000\intbl y\cell\row\pard end\par})",
     u"before\nx\nbetween\ny\nend"},
    {"nested tables are flattened into their outer cell",
     R"({\rtf1\trowd\cellx5000\pard\intbl\itap2 A\nestcell B\nestcell{\*\nesttableprops\trowd\cellx100\nestrow})"
     R"({\nonesttables fallback\par}\pard\intbl\itap1 outer\cell\row\pard\itap0 out\par})",
     u"A B outer\nout"},
    {"merged cells show their text once",
     R"({\rtf1\trowd\clmgf\cellx1000\clmrg\cellx2000\cellx3000)"
     R"(\intbl wide\cell\cell c\cell\row})",
     u"wide\tc\n"},
};

class TableText : public ::testing::TestWithParam<TextCase>
{
};
TEST_P(TableText, plainTextFollowsTheUsualConventions)
{
    EXPECT_EQ(text(GetParam().rtf), QString::fromUtf16(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(Tables, TableText, ::testing::ValuesIn(kTableText));

TEST(TableStructure, rowsWithDifferentEdgesShareOneGridOfColumns)
{
    // Edges 1000/3000 and 2000/3000: the grid is 0-1000-2000-3000, each row spans accordingly.
    const auto doc = read(R"({\rtf1\trowd\cellx1000\cellx3000\intbl a\cell b\cell\row)"
                          R"(\trowd\cellx2000\cellx3000\intbl c\cell d\cell\row})");
    QTextTable* table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 3);
    EXPECT_EQ(table->cellAt(0, 1).columnSpan(), 2);
    EXPECT_EQ(table->cellAt(1, 0).columnSpan(), 2);
    const auto widths = table->format().columnWidthConstraints();
    ASSERT_EQ(widths.size(), 3);
    EXPECT_DOUBLE_EQ(widths[0].rawValue(), 1000 / 15.0);
    EXPECT_DOUBLE_EQ(widths[1].rawValue(), 1000 / 15.0);
}

TEST(TableStructure, trleftShiftsTheFirstEdge)
{
    const auto doc = read(R"({\rtf1\trowd\trleft1440\cellx2880\intbl a\cell\row})");
    QTextTable* table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    EXPECT_DOUBLE_EQ(table->format().leftMargin(), 96.0);
    EXPECT_DOUBLE_EQ(table->format().columnWidthConstraints().value(0).rawValue(), 96.0);
}

TEST(TableStructure, verticalMergesSpanRows)
{
    const auto doc = read(R"({\rtf1\trowd\clvmgf\cellx1000\cellx2000\intbl tall\cell b\cell\row)"
                          R"(\trowd\clvmrg\cellx1000\cellx2000\intbl\cell d\cell\row})");
    QTextTable* table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cellAt(0, 0).rowSpan(), 2);
    EXPECT_EQ(plainText(*doc), QStringLiteral("tall\tb\nd\n"));
}

TEST(TableStructure, cellBordersShadingAndAlignment)
{
    const auto doc =
        read(R"({\rtf1{\colortbl;\red255\green0\blue0;\red200\green200\blue200;})"
             R"(\trowd\trgaph108\clbrdrt\brdrs\brdrw30\brdrcf1\clbrdrb\brdrs\clcbpat2\clvertalc\cellx2000)"
             R"(\clbrdrl\brdrnone\cellx4000\intbl a\cell b\cell\row})");
    QTextTable* table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    const QTextTableCellFormat first = table->cellAt(0, 0).format().toTableCellFormat();
    EXPECT_DOUBLE_EQ(first.topBorder(), 2.0);
    EXPECT_EQ(first.topBorderBrush().color(), QColor(255, 0, 0));
    EXPECT_DOUBLE_EQ(first.bottomBorder(), 1.0);
    EXPECT_EQ(first.leftBorderStyle(), QTextFrameFormat::BorderStyle_None);
    EXPECT_EQ(first.background().color(), QColor(200, 200, 200));
    EXPECT_EQ(first.verticalAlignment(), QTextCharFormat::AlignMiddle);
    EXPECT_DOUBLE_EQ(first.leftPadding(), 108 / 15.0);
    const QTextTableCellFormat second = table->cellAt(0, 1).format().toTableCellFormat();
    EXPECT_DOUBLE_EQ(second.topBorder(), 0.0);
    EXPECT_EQ(second.background().style(), Qt::NoBrush);
}

TEST(TableStructure, everyRowKeepsItsCellsLookWhenTheRowsBelowTheFirstAreAlike)
{
    // A heading row with a thick bottom border over rows with a thin top border: the lower rows
    // are made as copies of one, and the last of them is the one they were copied from.
    QByteArray rtf =
        R"({\rtf1\trowd\trgaph60\clbrdrb\brdrs\brdrw30\cellx1000\clbrdrb\brdrs\brdrw30\cellx2000)"
        R"(\intbl H1\cell H2\cell\row)";
    for (int r = 1; r < 4; ++r)
        rtf += R"(\trowd\trgaph60\clbrdrt\brdrs\cellx1000\clbrdrt\brdrs\cellx2000\pard\intbl a)" +
               QByteArray::number(r) + R"(\cell\pard\intbl\qr b)" + QByteArray::number(r) + R"(\cell\row)";
    rtf += "}";
    const auto doc = read(rtf);
    QTextTable* table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->rows(), 4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 2; ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            const QTextTableCellFormat f = cell.format().toTableCellFormat();
            EXPECT_DOUBLE_EQ(f.topBorder(), r == 0 ? 0.0 : 1.0) << r << "," << c;
            EXPECT_DOUBLE_EQ(f.bottomBorder(), r == 0 ? 2.0 : 0.0) << r << "," << c;
            EXPECT_DOUBLE_EQ(f.leftPadding(), 4.0) << r << "," << c;
            const QTextBlock block = cell.firstCursorPosition().block();
            EXPECT_EQ(block.text(), r == 0 ? QStringLiteral("H%1").arg(c + 1)
                                           : QString(c ? u'b' : u'a') + QString::number(r));
            EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                      r > 0 && c == 1 ? Qt::AlignRight : Qt::AlignLeft)
                << r << "," << c;
        }
}

TEST(TableStructure, placesWithoutACellStayPlainBesideRowsDrawnAlike)
{
    // The first row has one cell for two columns; the rows below have both, bordered alike.
    const auto doc =
        read(R"({\rtf1\trowd\cellx1000\intbl a\cell\row)"
             R"(\trowd\clbrdrt\brdrs\cellx1000\clbrdrt\brdrs\cellx2000\intbl b\cell c\cell\row)"
             R"(\trowd\clbrdrt\brdrs\cellx1000\clbrdrt\brdrs\cellx2000\intbl d\cell e\cell\row})");
    QTextTable* table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columns(), 2);
    EXPECT_FALSE(table->cellAt(0, 1).format().hasProperty(QTextFormat::TableCellTopBorder));
    EXPECT_FALSE(table->cellAt(0, 1).format().hasProperty(QTextFormat::TableCellLeftPadding));
    EXPECT_DOUBLE_EQ(table->cellAt(2, 1).format().toTableCellFormat().topBorder(), 1.0);
}

TEST(TableStructure, aLowerRowDrawnDifferentlyKeepsItsOwnLook)
{
    const auto doc = read(R"({\rtf1\trowd\clbrdrt\brdrs\cellx1000\intbl a\cell\row)"
                          R"(\trowd\clbrdrt\brdrs\cellx1000\intbl b\cell\row)"
                          R"(\trowd\clbrdrt\brdrs\brdrw45\cellx1000\intbl c\cell\row})");
    QTextTable* table = firstTable(*doc);
    ASSERT_NE(table, nullptr);
    EXPECT_DOUBLE_EQ(table->cellAt(1, 0).format().toTableCellFormat().topBorder(), 1.0);
    EXPECT_DOUBLE_EQ(table->cellAt(2, 0).format().toTableCellFormat().topBorder(), 3.0);
}

// Every table told a shown document's layout to start again from there, and rebuilt the frame
// tree of the whole document: opening a long document with many tables took seconds.
TEST(TableStructure, aDocumentOfManyTablesReachesItsLayoutAsOneChange)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int t = 0; t < 20; ++t)
        rtf += "\\pard text " + QByteArray::number(t) +
               "\\par\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\cell\\row\\pard\\par ";
    rtf += "}";
    QTextDocument doc;
    doc.documentLayout(); // as in a text box on the screen
    int changes = 0;
    QObject::connect(&doc, &QTextDocument::contentsChange, [&changes](int, int, int added) {
        changes += added > 1; // clearing leaves the one empty block
    });
    ASSERT_TRUE(readRtf(rtf, &doc).ok);
    EXPECT_EQ(changes, 1);
    int tables = 0;
    for (QTextFrame* frame : doc.rootFrame()->childFrames())
        tables += qobject_cast<QTextTable*>(frame) != nullptr;
    EXPECT_EQ(tables, 20) << "each table is a frame of its own";
}

} // namespace
} // namespace rtf::test
