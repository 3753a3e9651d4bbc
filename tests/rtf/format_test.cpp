// Character and paragraph formatting as Qt formats.
#include "rtf_test_util.h"

#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace rtf::test {
namespace {

// The character format of the first occurrence of `word`.
QTextCharFormat formatOf(const QTextDocument& doc, const QString& word)
{
    QTextCursor found = doc.find(word);
    EXPECT_FALSE(found.isNull()) << word.toStdString();
    QTextCursor at(found.block());
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

QTextBlockFormat blockOf(const QTextDocument& doc, const QString& word)
{
    return doc.find(word).block().blockFormat();
}

TEST(CharacterFormat, propertiesFollowGroupsAndPlain)
{
    const auto doc = read(
        R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fmodern Courier New;}}{\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
        R"(\f0\fs24 {\b bold}{\i italic}{\ul under\ulnone nounder}{\strike strike})"
        R"({\f1\fs40 big}{\cf1 red}{\cb2 onblue}{\highlight1 marked}{\super up}{\sub down})"
        R"({\caps caps}{\scaps smallcaps}{\b\i\plain plainword} after\par})");
    EXPECT_EQ(formatOf(*doc, "bold").fontWeight(), QFont::Bold);
    EXPECT_TRUE(formatOf(*doc, "italic").fontItalic());
    EXPECT_TRUE(formatOf(*doc, "under").fontUnderline());
    EXPECT_FALSE(formatOf(*doc, "nounder").fontUnderline());
    EXPECT_TRUE(formatOf(*doc, "strike").fontStrikeOut());
    EXPECT_EQ(formatOf(*doc, "big").fontPointSize(), 20.0);
    EXPECT_EQ(formatOf(*doc, "big").fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(formatOf(*doc, "big").fontStyleHint(), QFont::TypeWriter); // for machines without it
    EXPECT_EQ(formatOf(*doc, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatOf(*doc, "onblue").background().color(), QColor(0, 0, 255));
    EXPECT_EQ(formatOf(*doc, "marked").background().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatOf(*doc, "up").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(*doc, "down").verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_EQ(formatOf(*doc, "caps").fontCapitalization(), QFont::AllUppercase);
    EXPECT_EQ(formatOf(*doc, "smallcaps").fontCapitalization(), QFont::SmallCaps);
    EXPECT_NE(formatOf(*doc, "plainword").fontWeight(), QFont::Bold);
    EXPECT_EQ(formatOf(*doc, "after").fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(formatOf(*doc, "after").fontPointSize(), 12.0);
}

TEST(CharacterFormat, pardKeepsCharacterPropertiesButPlainResetsThem)
{
    // Readers that reset character properties at \pard lose the bold here.
    const auto doc = read(R"({\rtf1 \b bold\par\pard still\par\plain plain\par})");
    EXPECT_EQ(formatOf(*doc, "still").fontWeight(), QFont::Bold);
    EXPECT_NE(formatOf(*doc, "plain").fontWeight(), QFont::Bold);
}

TEST(CharacterFormat, stateSetInsideASkippedOrTableGroupLeaksOutOfIt)
{
    // Bold and the Cyrillic font (so its code page) are set once; every group after them changes
    // them inside: an unknown starred destination, a known one skipped after such words, and
    // table groups whose character words are obeyed within them.
    const auto doc = read(R"({\rtf1\ansi\ansicpg1252)"
                          R"({\fonttbl{\f0\froman Times;}{\f1\fmodern\fcharset204 Courier New;}})"
                          R"(\f1\b \'cf{\*\unknown \f0\b0 x}\'f0{\f0\b0\i\header h}\'e8)"
                          R"({\colortbl\plain\f0;\red9\green9\blue9;}\'e2{\*\generator \f0\b0 Writer;}\'e5)"
                          R"({\fonttbl{\f2\fcharset0\b0 Arial;}}\'f2\par})");
    ASSERT_EQ(plainText(*doc), QStringLiteral("Привет")); // formatOf needs every letter
    for (const QString& letter : {u"П"_qs, u"р"_qs, u"и"_qs, u"в"_qs, u"е"_qs, u"т"_qs}) {
        const QTextCharFormat format = formatOf(*doc, letter);
        EXPECT_EQ(format.fontWeight(), QFont::Bold) << letter.toStdString();
        EXPECT_FALSE(format.fontItalic()) << letter.toStdString();
        EXPECT_EQ(format.fontFamilies().toStringList(), QStringList{"Courier New"}) << letter.toStdString();
    }
}

TEST(CharacterFormat, aFontOrColourTableReadAfterTextChangesTheSameWordsThatFollow)
{
    // The same character state before and after each table: a format kept from before would
    // show the old font and colour.
    const auto doc = read(R"({\rtf1\deff0 {\f0\cf1 one}{\b x}{\fonttbl{\f0 Arial;}}{\f0\cf1 two}{\b x})"
                          R"({\colortbl;\red255\green0\blue0;}{\f0\cf1 three}{\b x})"
                          R"(\deff1{\fonttbl{\f1 Courier;}} four\par})");
    EXPECT_TRUE(formatOf(*doc, "one").fontFamilies().toStringList().isEmpty());
    EXPECT_EQ(formatOf(*doc, "two").fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_FALSE(formatOf(*doc, "two").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(formatOf(*doc, "three").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatOf(*doc, "four").fontFamilies().toStringList(), QStringList{"Courier"});
}

TEST(CharacterFormat, hyperlinkFieldsBecomeLinks)
{
    const auto doc =
        read(R"({\rtf1 {\field{\*\fldinst{HYPERLINK "http://example.org/a b"}}{\fldrslt{\ul site}}} )"
             R"({\field{\*\fldinst{ HYPERLINK \\l "mark" }}{\fldrslt inside}} tail\par})");
    EXPECT_TRUE(formatOf(*doc, "site").isAnchor());
    EXPECT_EQ(formatOf(*doc, "site").anchorHref(), QStringLiteral("http://example.org/a b"));
    EXPECT_EQ(formatOf(*doc, "inside").anchorHref(), QStringLiteral("#mark"));
    EXPECT_FALSE(formatOf(*doc, "tail").isAnchor());
}

TEST(ParagraphFormat, alignmentIndentsAndSpacing)
{
    const auto doc = read(R"({\rtf1 \qc centre\par\pard\qr right\par\pard\qj just\par)"
                          R"(\pard\li1440\ri720\fi-360\sb240\sa120 indented\par\pard left\par})");
    EXPECT_EQ(blockOf(*doc, "centre").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(blockOf(*doc, "right").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(blockOf(*doc, "just").alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    const QTextBlockFormat ind = blockOf(*doc, "indented");
    EXPECT_DOUBLE_EQ(ind.leftMargin(), 96.0);
    EXPECT_DOUBLE_EQ(ind.rightMargin(), 48.0);
    EXPECT_DOUBLE_EQ(ind.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(ind.topMargin(), 16.0);
    EXPECT_DOUBLE_EQ(ind.bottomMargin(), 8.0);
    EXPECT_DOUBLE_EQ(blockOf(*doc, "left").leftMargin(), 0.0);
}

TEST(ParagraphFormat, lineSpacingKinds)
{
    const auto doc = read(
        R"({\rtf1 \sl360 atleast\par\pard\sl-300 exact\par\pard\sl480\slmult1 double\par\pard single\par})");
    EXPECT_EQ(blockOf(*doc, "atleast").lineHeightType(), QTextBlockFormat::MinimumHeight);
    EXPECT_DOUBLE_EQ(blockOf(*doc, "atleast").lineHeight(), 24.0);
    EXPECT_EQ(blockOf(*doc, "exact").lineHeightType(), QTextBlockFormat::FixedHeight);
    EXPECT_DOUBLE_EQ(blockOf(*doc, "exact").lineHeight(), 20.0);
    EXPECT_EQ(blockOf(*doc, "double").lineHeightType(), QTextBlockFormat::ProportionalHeight);
    EXPECT_DOUBLE_EQ(blockOf(*doc, "double").lineHeight(), 200.0);
    EXPECT_EQ(blockOf(*doc, "single").lineHeightType(), QTextBlockFormat::SingleHeight);
}

TEST(ParagraphFormat, tabStopsCountFromTheFirstLineStart)
{
    // Qt measures tab stops from the line start, RTF from the margin.
    const auto doc = read(R"({\rtf1 \li720\tx1440\tqr\tx4320 a\tab b\tab c\par)"
                          R"(\pard\li720\fi-360 {\pntext 1.\tab}hanging\par\pard\tqc\tx2880 centred\par})");
    const auto tabs = blockOf(*doc, "a").tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_DOUBLE_EQ(tabs[0].position, 48.0);
    EXPECT_EQ(tabs[0].type, QTextOption::LeftTab);
    EXPECT_DOUBLE_EQ(tabs[1].position, 240.0);
    EXPECT_EQ(tabs[1].type, QTextOption::RightTab);
    const auto hanging = blockOf(*doc, "hanging").tabPositions();
    ASSERT_EQ(hanging.size(), 1); // the implicit stop at \li
    EXPECT_DOUBLE_EQ(hanging[0].position, 24.0);
    EXPECT_EQ(blockOf(*doc, "centred").tabPositions().value(0).type, QTextOption::CenterTab);
}

TEST(ParagraphFormat, pardResetsTabsAndIndents)
{
    const auto doc = read(R"({\rtf1 \li720\tx1440 one\par\pard two\par})");
    EXPECT_TRUE(blockOf(*doc, "two").tabPositions().isEmpty());
    EXPECT_DOUBLE_EQ(blockOf(*doc, "two").leftMargin(), 0.0);
}

TEST(ParagraphFormat, pageAndSectionBreaks)
{
    const auto doc = read(R"({\rtf1 one\page two\par\sect three\par\sect\sectd\sbknone four\par)"
                          R"(\pagebb five\par\pard\keep\keepn six\par\sect})");
    const auto before = [&](const char* w) {
        return bool(blockOf(*doc, w).pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore);
    };
    EXPECT_FALSE(before("one"));
    EXPECT_TRUE(before("two"));
    EXPECT_TRUE(before("three"));
    EXPECT_FALSE(before("four"));
    EXPECT_TRUE(before("five"));
    EXPECT_FALSE(before("six"));
    EXPECT_TRUE(blockOf(*doc, "six").boolProperty(kKeepTogetherProperty));
    EXPECT_TRUE(blockOf(*doc, "six").boolProperty(kKeepWithNextProperty));
    // The section break at the very end starts no empty page.
    EXPECT_EQ(doc->blockCount(), 6);
}

} // namespace
} // namespace rtf::test
