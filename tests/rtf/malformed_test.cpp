// Broken input is read as well as it can be and never crashes, hangs or grows without bound.
#include "rtf_test_util.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace rtf::test {
namespace {

class Malformed : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(Malformed, readsWhatCanBeRead)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(QByteArray(GetParam().rtf), &doc).ok);
    EXPECT_EQ(plainText(doc), QString::fromUtf16(GetParam().expected));
}

const TextCase kMalformed[] = {
    {"missing closing braces", R"({\rtf1 A{\b B{\i C)", u"ABC"},
    {"extra closing braces end the document", R"({\rtf1 A}}}B)", u"A"},
    {"truncated control word", R"({\rtf1 A\)", u"A"},
    {"truncated hex escape takes what parses", R"({\rtf1 A\'e)", u"A\u000E"},
    {"invalid hex escape yields nothing", R"({\rtf1 A\'zzB\par})", u"AzzB"},
    {"truncated bin is clamped to the end", "{\\rtf1 A\\bin999999 xyz", u"A"},
    {"negative bin length reads no data", "{\\rtf1 A\\bin-5 B\\par}", u"AB"},
    {"huge parameters are clamped", R"({\rtf1\fs99999999999999999999 A\li-99999999999 B\par})", u"AB"},
    {"the most negative lengths do not overflow",
     R"({\rtf1\sl-2147483648\fi-2147483648\li2147483647\tx-2147483648\tx2147483647 A\tab B\par})", u"A\tB"},
    {"over-long control words are cut", "{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghijklmnop A\\par}", u"A"},
    {"huge uc does not swallow the document", R"({\rtf1\uc2147483647\u65 bcd})", u"A"},
    {"u out of range becomes a replacement character", R"({\rtf1\uc0\u99999999 \par})", u"\uFFFD"},
    {"u0 and control characters do not split blocks", R"({\rtf1\uc0 a\u0 b\u10 c\u8233 d\'0ae\par})",
     u"ab\nc\nd\ne"},
    {"fldrslt without a field", R"({\rtf1 {\fldrslt A}\par})", u"A"},
    {"fldinst without a field is skipped", R"({\rtf1 {\*\fldinst PAGE}B\par})", u"B"},
    {"cell and row outside any table", R"({\rtf1 A\cell B\row C\par})", u"A\tB\nC"},
    {"row without cells", R"({\rtf1 \trowd\cellx100\row after\par})", u"\nafter"},
    {"cellx edges going backwards",
     R"({\rtf1\trowd\cellx500\cellx100\cellx-50 \intbl a\cell b\cell c\cell\row})", u"a\tb\tc\n"},
    {"unterminated picture", R"({\rtf1 A{\pict\pngblip 89504e)", u"A"},
    {"picture with odd hex digits and junk", R"({\rtf1 {\pict\dibitmap0 4g2 8z\par}B\par})", u"B"},
    {"font table without groups or semicolons", R"({\rtf1{\fonttbl\f0\fcharset128 Broken}\f0 \'82\'a0\par})",
     u"あ"},
    {"colour table index past its end", R"({\rtf1{\colortbl;\red9;}\cf999\cb-3 A\par})", u"A"},
};
INSTANTIATE_TEST_SUITE_P(Input, Malformed, ::testing::ValuesIn(kMalformed));

TEST(MalformedNesting, deepNestingIsBoundedAndStillBalanced)
{
    // 200000 groups would exhaust a recursive reader or a copied state per level.
    const int depth = 200000;
    QByteArray rtf = "{\\rtf1 A";
    rtf += QByteArray(depth, '{') + "B" + QByteArray(depth, '}') + "C\\par}";
    EXPECT_EQ(text(rtf), QStringLiteral("ABC"));
}

TEST(MalformedNesting, stateBeyondTheBoundDoesNotLeakOut)
{
    QByteArray rtf = "{\\rtf1 ";
    rtf += QByteArray(1000, '{') + "\\b x" + QByteArray(1000, '}') + "plain\\par}";
    auto doc = read(rtf);
    QTextCursor cursor(doc->findBlockByNumber(0));
    cursor.movePosition(QTextCursor::EndOfBlock);
    EXPECT_EQ(plainText(*doc), QStringLiteral("xplain"));
    EXPECT_NE(cursor.charFormat().fontWeight(), QFont::Bold);
}

TEST(MalformedGarbage, randomBytesAfterTheHeaderNeverCrash)
{
    QRandomGenerator rng(1999);
    const char alphabet[] = "{}\\'*abcdefghijklmnopqrstuvwxyz0123456789- ;\r\n\x80\xff";
    for (int round = 0; round < 300; ++round) {
        QByteArray rtf = "{\\rtf1";
        const int length = int(rng.bounded(2000));
        for (int i = 0; i < length; ++i) {
            const bool raw = rng.bounded(4) == 0;
            rtf.append(raw ? char(rng.bounded(256)) : alphabet[rng.bounded(int(sizeof alphabet) - 1)]);
        }
        QTextDocument doc;
        EXPECT_TRUE(readRtf(rtf, &doc).ok);
        plainText(doc);
    }
}

TEST(MalformedGarbage, keywordSoupNeverCrashes)
{
    // Real control words in random order reach the table, field and picture code paths.
    const char* words[] = {"\\trowd",
                           "\\cellx1000",
                           "\\cellx-5",
                           "\\cell",
                           "\\row",
                           "\\intbl",
                           "\\pard",
                           "\\par",
                           "\\clmrg",
                           "\\clvmrg",
                           "\\clvmgf",
                           "\\clmgf",
                           "\\nestcell",
                           "\\itap2",
                           "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt ",
                           "{\\pict\\wmetafile8 ",
                           "{\\pict\\dibitmap0 28000000",
                           "\\bin4 ",
                           "}",
                           "{",
                           "\\u-1",
                           "\\uc9",
                           "\\page",
                           "\\sect",
                           "\\sbknone",
                           "text ",
                           "\\'e9",
                           "\\tx100",
                           "\\tqr",
                           "\\fi-720",
                           "\\li360"};
    QRandomGenerator rng(42);
    for (int round = 0; round < 300; ++round) {
        QByteArray rtf = "{\\rtf1 ";
        for (int i = 0; i < 200; ++i)
            rtf += words[rng.bounded(int(std::size(words)))];
        QTextDocument doc;
        EXPECT_TRUE(readRtf(rtf, &doc).ok);
        plainText(doc);
    }
}

} // namespace
} // namespace rtf::test
