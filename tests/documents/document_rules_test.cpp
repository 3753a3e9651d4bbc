#include "documents/document_names.h"
#include "documents/year_documents.h"

#include <gtest/gtest.h>

using namespace kestrane;

TEST(YearPart, TwoThousandsUseTheLetterFormAndOtherKeysTheirThirdAndFourthCharacters)
{
    const struct
    {
        QString key, part, captionYear;
    } rows[] = {
        {u"1957"_qs, u"57"_qs, u"1957"_qs}, {u"2000"_qs, u"a0"_qs, u"2000"_qs},
        {u"2002"_qs, u"a2"_qs, u"2002"_qs}, {u"Custom Kestranes"_qs, u"st"_qs, u"19st"_qs},
        {u"1"_qs, u""_qs, u"19"_qs}, // a key shorter than four characters must not read past it
    };
    for (const auto& row : rows) {
        EXPECT_EQ(yearPart(row.key), row.part) << row.key.toStdString();
        EXPECT_EQ(captionYear(row.key), row.captionYear) << row.key.toStdString();
    }
}

TEST(Narration, NamedKeysIntroductionAndBlanksKeptInTheFileName)
{
    const QString intro = u"The Kestrane Omnivar     Introduction"_qs;
    const QString other = u"The Kestrane Omnivar     1957 Description"_qs;
    const struct
    {
        QString caption, key, path;
    } rows[] = {
        {intro, u"1957"_qs, u"E:\\wav\\intro.wav"_qs},
        {other, u"panYear"_qs, u"E:\\wav\\intro.wav"_qs},
        {other, u"1957"_qs, u"E:\\wav\\1957.wav"_qs},
        {other, u"Halvard Twin-Turbo "_qs, u"E:\\wav\\halvard.wav"_qs},
        {other, u"1990-1995 ZR-1 "_qs, u"E:\\wav\\ZR1.wav"_qs},
        {other, u"Malibu Kestrane Ski Boat "_qs, u"E:\\wav\\skboat.wav"_qs},
        {other, u"Miscellany "_qs, u"E:\\wav\\Miscellany .wav"_qs},
        // Compared exactly: four blanks instead of five is not the introduction.
        {u"The Kestrane Omnivar    Introduction"_qs, u"1960"_qs, u"E:\\wav\\1960.wav"_qs},
    };
    for (const auto& row : rows)
        EXPECT_EQ(narrationPath(u"E:"_qs, row.caption, row.key), row.path) << row.key.toStdString();
}

TEST(DetailDocuments, NameFollowsThePhotoFolderAndEmblemsTakeFiveCharacters)
{
    const QString root = u"/home/u/my.programs/kestrane"_qs;
    const QString photo = root + u"\\kestranes\\MS004.JPG"_qs;
    EXPECT_EQ(detailDocumentName(u"Miscellany ", root, photo), u"MS004"_qs);
    EXPECT_EQ(detailDocumentName(u"Kestrane Emblems ", u"E:"_qs, u"E:\\kestranes\\EMB972.JPG"_qs),
              u"EMB97"_qs);
    EXPECT_TRUE(isDetailCategory(u"Custom Kestranes"));
    EXPECT_FALSE(isDetailCategory(u"Custom Kestranes "));
    EXPECT_FALSE(isDetailCategory(u"Dromell Cars "));
}

TEST(Nostalgia, PathCaptionAndTwoDigitYear)
{
    const NostalgiaDocument doc = nostalgiaDocument(u"E:"_qs, u"1956");
    EXPECT_EQ(doc.path, u"E:\\richtext\\nostalgia56.rtf"_qs);
    EXPECT_EQ(doc.caption, u"The Kestrane Omnivar     Nostalgia 1956"_qs);
    EXPECT_EQ(doc.twoDigitYear, u"56"_qs);
}

TEST(PrintTexts, QuestionAndCompletionNameTheOutputOnlyWhenThereIsOne)
{
    EXPECT_EQ(printQuestion(u"The Kestrane Omnivar     Notice"),
              u"Would you like to print the \r\n\r\nThe Kestrane Omnivar     Notice?"_qs);
    EXPECT_EQ(printCompleteText({}), u"Printing complete!"_qs);
    const QString withFile = printCompleteText(u"/home/u/Documents/Notice.pdf"_qs);
    EXPECT_TRUE(withFile.startsWith(u"Printing complete!\r\n\r\n"_qs));
    EXPECT_TRUE(withFile.endsWith(u"/home/u/Documents/Notice.pdf"_qs));
}
