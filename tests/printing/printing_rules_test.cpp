#include "platform/fakes/fake_services.h"
#include "platform/platform.h"
#include "printing/booklet.h"
#include "printing/photo_printout.h"
#include "printing/print_job.h"
#include "printing/printer_choice.h"

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

QString desc(const char* code)
{
    return u"E:\\RichText\\"_qs + QString::fromLatin1(code) + u"desc.rtf"_qs;
}

QString details(const char* code)
{
    return u"E:\\RichText\\"_qs + QString::fromLatin1(code) + u".rtf"_qs;
}

QStringList paths(const std::vector<BookletStep>& plan)
{
    QStringList list;
    for (const BookletStep& step : plan) {
        switch (step.kind) {
        case BookletStep::Cover:
            list << u"cover"_qs;
            break;
        case BookletStep::Document:
            list << step.path;
            break;
        case BookletStep::Stop:
            list << errorCodeText(step.error);
            break;
        }
    }
    return list;
}

} // namespace

TEST(BookletYears, WrongIndexOrCodeNamesTheWrongYearsDocuments)
{
    const struct
    {
        const char16_t* item;
        int index;
        const char* code;
    } rows[] = {
        {u"1953", 53, "53"},  {u"1982", 82, "82"},  {u"1984", 84, "84"},  {u"1999", 99, "99"},
        {u"2000", 100, "A0"}, {u"2001", 101, "A1"}, {u"2002", 102, "A2"}, {u"ZR-1", 103, "ZR"},
    };
    for (const auto& row : rows) {
        const QString item = QString::fromUtf16(row.item);
        EXPECT_EQ(bookletYearIndex(item), row.index) << item.toStdString();
        EXPECT_EQ(bookletYearCode(bookletYearIndex(item)), QString::fromLatin1(row.code))
            << item.toStdString();
    }
    EXPECT_EQ(bookletYearCode(104), u"SK"_qs);
}

TEST(BookletPlan, WrongOrderMissingYearOrRangeCheckInTheWrongPlace)
{
    const QString cover = u"cover"_qs;
    const QString intro = u"E:\\RichText\\intro.rtf"_qs;
    const struct
    {
        const char* name;
        BookletChoice choice;
        QStringList expected;
    } rows[] = {
        {"1983 is skipped",
         {false, false, true, false, u"1980"_qs, u"1985"_qs},
         {desc("80"), desc("81"), desc("82"), desc("84"), desc("85")}},
        {"1999 to ZR-1 runs through the codes",
         {false, false, true, false, u"1999"_qs, u"ZR-1"_qs},
         {desc("99"), desc("A0"), desc("A1"), desc("A2"), desc("ZR")}},
        {"description before details",
         {false, false, true, true, u"1957"_qs, u"1958"_qs},
         {desc("57"), details("57"), desc("58"), details("58")}},
        {"details alone", {false, false, false, true, u"2002"_qs, u"2002"_qs}, {details("A2")}},
        {"cover and introduction ignore the lists",
         {true, true, false, false, {}, u"1953"_qs},
         {cover, intro}},
        {"a backward range stops after the cover",
         {true, false, true, false, u"2002"_qs, u"1990"_qs},
         {cover, u"ER036"_qs}},
        {"a list without a selection stops",
         {false, true, false, true, u"1957"_qs, {}},
         {intro, u"ER059"_qs}},
        {"a missing selection is named before a backward range",
         {false, false, true, false, {}, u"1953"_qs},
         {u"ER059"_qs}},
        {"one year", {false, false, true, false, u"1953"_qs, u"1953"_qs}, {desc("53")}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(paths(planBooklet(row.choice, u"E:"_qs)), row.expected) << row.name;
}

TEST(PictureFit, APictureWiderOrTallerThanThePageIsCutOffOrDistorted)
{
    const QSizeF page(12240, 15840); // Letter, no unprintable border
    const struct
    {
        const char* name;
        QSizeF natural;
        QPointF at;
        QRectF expected;
    } rows[] = {
        {"fits: natural size", {9000, 2400}, {1200, 1600}, {1200, 1600, 9000, 2400}},
        {"a 1024-pixel photograph fits the width", {15360, 11520}, {0, 3000}, {0, 3000, 12240, 9180}},
        {"too tall for what is left below", {6000, 6000}, {2800, 12000}, {2800, 12000, 3840, 3840}},
        {"no room left", {100, 100}, {12240, 0}, {}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(fitPictureTwips(row.natural, row.at, page), row.expected) << row.name;
}

TEST(PhotoPage, HeaderLinesLostOrMisaligned)
{
    const QStringList lines = photoHeaderLines(u"Halvard C12 "_qs);
    ASSERT_EQ(lines.size(), 12);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(lines[i], u" "_qs) << i;
    EXPECT_EQ(lines[8], u"            The Kestrane Omnivar 2002"_qs);
    EXPECT_EQ(lines[9], u" "_qs);
    EXPECT_EQ(lines[10], u"            Halvard C12 "_qs); // the title keeps its trailing blank
    EXPECT_EQ(lines[11], u" "_qs);
    EXPECT_EQ(photoHeaderLines(u"panYear"_qs)[10], u"            "_qs) << "no selection yet";
}

TEST(PrinterChoice, AChoiceForgottenBetweenRunsOrAPrinterGoneStillChosen)
{
    FakeSettingsStore settings;
    FakePrinter printer(QString{});
    Platform platform;
    platform.settings = &settings;
    platform.printer = &printer;

    EXPECT_FALSE(restorePrinterChoice(platform)); // nothing stored: the default stays
    const PrinterChoice chosen{u"Second Printer"_qs, u"A4"_qs, true};
    writePrinterChoice(settings, chosen);
    EXPECT_EQ(readPrinterChoice(settings), chosen);
    EXPECT_TRUE(restorePrinterChoice(platform));
    EXPECT_EQ(printer.choice(), chosen);

    FakePrinter elsewhere(QString{});
    elsewhere.installed = {u"Another"_qs};
    platform.printer = &elsewhere;
    EXPECT_FALSE(restorePrinterChoice(platform));
    EXPECT_EQ(elsewhere.choice(), PrinterChoice());
}
