// What text a document yields: code pages, Unicode, destinations, fields, special characters.
#include "rtf_test_util.h"

#include <gtest/gtest.h>

namespace rtf::test {
namespace {

class ReaderText : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(ReaderText, yieldsTheTextOtherReadersShow)
{
    EXPECT_EQ(text(GetParam().rtf), QString::fromUtf16(GetParam().expected));
}

const TextCase kCodePages[] = {
    {"default code page is 1252", R"({\rtf1\ansi caf\'e9 \'93q\'94\par})", u"café “q”"},
    {"ansicpg chooses the code page", R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\par})", u"При"},
    {"font charset wins over ansicpg",
     R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset161 Greek;}}\f1 \'e1\f0 \'e1\par})", u"αá"},
    {"double-byte characters stay whole across hex and literal bytes",
     R"({\rtf1\ansi\ansicpg932{\fonttbl{\f0\fcharset128 MS Mincho;}}\f0 \'82\'a0\'83e\par})", u"あテ"},
    {"Cyrillic fcharset 204 decoded with the document's Western code page",
     R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}})"
     R"(\f1 \'cf\'f0\'e8\'e2\'e5\'f2 \f0 caf\'e9\par})",
     u"Привет café"},
    {"gb code page through fcharset 134",
     R"({\rtf1{\fonttbl\f0\fnil\fcharset134 Song;}\f0 \'d3\'a1\'cb\'a2\par})", u"印刷"},
    {"unknown ansicpg falls back to 1252", R"({\rtf1\ansi\ansicpg0 \'e9\par})", u"é"},
    {"Symbol font bytes become real characters",
     R"({\rtf1{\fonttbl{\f3\fcharset2 Symbol;}}\f3 \'b7\'61\'e5\par})", u"•α∑"},
    {"mac code page", R"({\rtf1\mac \'8e\par})", u"é"},
    {"a run mixes ASCII with a central European code page's letters",
     R"({\rtf1\ansi\ansicpg1250 \'8akoda \'e8aj\par})", u"Škoda čaj"},
    {"IBM PC code page draws boxes", R"({\rtf1\pc \'c9\'cd\'bb\par})", u"╔═╗"},
    {"Thai code page", R"({\rtf1\ansi\ansicpg874 \'a1\'d2\par})", u"กา"},
};
INSTANTIATE_TEST_SUITE_P(CodePages, ReaderText, ::testing::ValuesIn(kCodePages));

const TextCase kUnicode[] = {
    {"u skips one fallback character by default", R"({\rtf1 \u8216\'91hi\u8217?\par})", u"‘hi’"},
    {"negative u values wrap to 16 bits", R"({\rtf1 \u-3913?x\par})", u"\uF0B7x"},
    {"uc2 skips two fallback characters", R"({\rtf1 {\uc2\u228\'E8a}b\par})", u"äb"},
    {"uc0 skips nothing", R"({\rtf1 \uc0\u8804 x\par})", u"≤x"},
    {"uc is scoped to its group", R"({\rtf1 {\uc0 \u945}\u946 ?\par})", u"αβ"},
    {"a brace ends the fallback early", R"({\rtf1 {\uc3\u945 a}b\par})", u"αb"},
    {"control words in the fallback are obeyed", R"({\rtf1 A\u8226\tab B\par})", u"A•\t"},
    {"surrogate pairs arrive as two u", R"({\rtf1\uc0 \u-10179\u-8704 \par})", u"😀"},
    {"u in a Symbol font maps its private-use value",
     R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}\f1\u-3913 ?\par})", u"•"},
};
INSTANTIATE_TEST_SUITE_P(Unicode, ReaderText, ::testing::ValuesIn(kUnicode));

const TextCase kDestinations[] = {
    {"font, colour, style tables and info show nothing",
     R"({\rtf1{\fonttbl{\f0 Times;}}{\colortbl;\red1\green2\blue3;}{\stylesheet{\s1 Heading;}}{\info{\title T}}Body\par})",
     u"Body"},
    {"unknown starred destinations are skipped whole", R"({\rtf1 A{\*\unknownthing B{C}D}E\par})", u"AE"},
    {"a starred group without its backslash is skipped", R"({\rtf1 A{*\generator X;}B\par})", u"AB"},
    {"known destinations without a star are skipped",
     R"({\rtf1 A{\header H}{\footer F}{\nonshppict N}B\par})", u"AB"},
    {"footnotes leave their number in the text", R"({\rtf1 See\chftn{\footnote \chftn Note.} it.\par})",
     u"See1 it."},
    {"hidden text is not shown", R"({\rtf1 A{\v hidden}B\par})", u"AB"},
    {"list text is shown as written and pn ignored",
     R"({\rtf1 {\pntext 1.\tab}{\*\pn\pnlvlbody{\pntxta .}}One\par})", u"1.\tOne"},
    {"listtext is shown as written", R"({\rtf1 {\listtext\pard\plain \'b7\tab}Item\par})", u"·\tItem"},
    {"Word 97 pictures are not shown twice: nonshppict is skipped",
     R"({\rtf1 A{\*\shppict{\pict\pngblip 00}}{\nonshppict{\pict\wmetafile8 00}}B\par})", u"AB"},
    {"upr shows its Unicode part only", R"({\rtf1 {\upr{ansi}{\*\ud{uni}}}\par})", u"uni"},
    {"text after the document's closing brace is ignored", R"({\rtf1 A\par}B\par)", u"A"},
    {"binary data inside a skipped group may hold braces", "{\\rtf1 A{\\*\\blob \\bin2 }}}B\\par}", u"AB"},
};
INSTANTIATE_TEST_SUITE_P(Destinations, ReaderText, ::testing::ValuesIn(kDestinations));

const TextCase kFields[] = {
    {"a field shows its result", R"({\rtf1 {\field{\*\fldinst PAGE}{\fldrslt 7}}\par})", u"7"},
    {"a field without result shows nothing", R"({\rtf1 A{\field{\*\fldinst PAGE}}B\par})", u"AB"},
    {"an empty SYMBOL field is drawn from its instruction",
     R"({\rtf1 {\field{\*\fldinst SYMBOL 183 \\f "Symbol" \\s 10}{\fldrslt }}\par})", u"•"},
    {"nested fields show the inner result",
     R"({\rtf1 {\field{\*\fldinst HYPERLINK "x"}{\fldrslt A{\field{\*\fldinst PAGE}{\fldrslt 2}}}}\par})",
     u"A2"},
};
INSTANTIATE_TEST_SUITE_P(Fields, ReaderText, ::testing::ValuesIn(kFields));

const TextCase kCharacters[] = {
    {"special character words", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote\par})",
     u"—–•‘’“”"},
    {"control symbols", R"({\rtf1 a\~b\-c\_d\\\{\}\par})", u"a\u00A0b\u00ADc\u2011d\\{}"},
    {"only a space delimits a control word", R"({\rtf1 \b1x\b0 y\par})", u"xy"},
    {"raw line ends are not text", "{\\rtf1 A\r\nB\nC\\par}", u"ABC"},
    {"backslash before a line end is a paragraph", "{\\rtf1 A\\\nB\\\r\nC}", u"A\nB\nC"},
    {"line is a break inside the paragraph", R"({\rtf1 A\line B\par})", u"A\nB"},
    {"one line per paragraph; the last unterminated one counts", R"({\rtf1 A\par\par B})", u"A\n\nB"},
    {"page and section breaks end paragraphs", R"({\rtf1 A\page B\sect C\par})", u"A\nB\nC"},
};
INSTANTIATE_TEST_SUITE_P(Characters, ReaderText, ::testing::ValuesIn(kCharacters));

TEST(ReadRtf, refusesWhatIsNotRtfAndLeavesTheDocumentAlone)
{
    for (const char* input : {"", "   ", "hello", "{\\rt", "{\\urtf1 x}", "\x89PNG\r\n"}) {
        QTextDocument doc;
        doc.setPlainText(QStringLiteral("previous"));
        const ReadResult result = readRtf(QByteArray(input), &doc);
        EXPECT_FALSE(result.ok) << input;
        EXPECT_FALSE(result.error.isEmpty()) << input;
        EXPECT_EQ(doc.toPlainText(), QStringLiteral("previous")) << input;
    }
}

TEST(ReadRtf, replacesTheWholePreviousContent)
{
    QTextDocument doc;
    ASSERT_TRUE(readRtf(R"({\rtf1 first\par second\par})", &doc).ok);
    ASSERT_TRUE(readRtf(R"({\rtf1 third\par})", &doc).ok);
    EXPECT_EQ(plainText(doc), QStringLiteral("third"));
}

TEST(ReadRtf, acceptsALeadingByteOrderMarkAndBlanks)
{
    EXPECT_EQ(text("\xEF\xBB\xBF\r\n {\\rtf1 x\\par}"), QStringLiteral("x"));
}

} // namespace
} // namespace rtf::test
