#include "pdf_text.h"
#include "print_fixture.h"

#include "common/control_names.h"
#include "platform/qt/qt_printer.h"

#include <QAbstractButton>
#include <QDir>
#include <QTemporaryDir>

#include <iostream>

using namespace kestrane;
using namespace kestrane::test;

namespace {

QString pdf(const FakePlatform& fake)
{
    return fake.printer.pdfPath();
}

} // namespace

TEST_F(PrintFixture, BookletPrintsTheWrongDocumentsInTheWrongOrderOrAsSeveralJobs)
{
    const struct
    {
        const char* name;
        std::initializer_list<int> boxes;
        const char16_t* from;
        const char16_t* to;
        QStringList sections;
    } rows[] = {
        {"1980 to 1985 skips 1983",
         {3},
         u"1980",
         u"1985",
         {u"desc 1980"_qs, u"desc 1981"_qs, u"desc 1982"_qs, u"desc 1984"_qs, u"desc 1985"_qs}},
        {"1999 to ZR-1",
         {3},
         u"1999",
         u"ZR-1",
         {u"desc 1999"_qs, u"desc 2000"_qs, u"desc 2001"_qs, u"desc 2002"_qs, u"desc ZR"_qs}},
        {"description before details",
         {4, 3},
         u"1957",
         u"1958",
         {u"desc 1957"_qs, u"details 1957"_qs, u"desc 1958"_qs, u"details 1958"_qs}},
        {"cover and introduction without years", {1, 0}, u"", u"", {u"cover"_qs, u"intro"_qs}},
        {"everything",
         {0, 1, 3, 4},
         u"1960",
         u"1961",
         {u"cover"_qs, u"intro"_qs, u"desc 1960"_qs, u"details 1960"_qs, u"desc 1961"_qs,
          u"details 1961"_qs}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fake.dialogs.boxes.clear();
        fake.printer.documents.clear();
        printBooklet(row.boxes, QString::fromUtf16(row.from), QString::fromUtf16(row.to));
        EXPECT_TRUE(errorCodesShown().isEmpty()) << errorCodesShown().join(u' ').toStdString();
        ASSERT_EQ(fake.printer.documents.size(), 1) << "one booklet, one job";
        EXPECT_EQ(bookletSections(pdf(fake)), row.sections);
        EXPECT_EQ(pdfPageCount(pdf(fake)), fake.printer.pagesPrinted());
        ASSERT_EQ(fake.dialogs.boxes.size(), 1);
        EXPECT_EQ(fake.dialogs.boxes[0].text, u"Booklet printed!\r\n"_qs);
        EXPECT_EQ(fake.dialogs.boxes[0].title, u"The Kestrane Omnivar"_qs);
        EXPECT_EQ(fake.dialogs.boxes[0].icon, MsgIcon::Exclamation);
    }
}

TEST_F(PrintFixture, WrongYearRangePrintsYearPagesOrSkipsTheCoverBeforeIt)
{
    const struct
    {
        const char* name;
        std::initializer_list<int> boxes;
        const char16_t* from;
        const char16_t* to;
        const char16_t* code;
        QStringList sections; // printed before the stop
    } rows[] = {
        {"2002 to 1990 after the cover", {0, 3}, u"2002", u"1990", u"ER036", {u"cover"_qs}},
        {"no last year after the introduction", {1, 4}, u"1957", u"", u"ER059", {u"intro"_qs}},
        {"no year at all", {3}, u"", u"", u"ER059", {}},
        {"a missing year is named before a backward range", {3}, u"", u"1953", u"ER059", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fake.dialogs.boxes.clear();
        fake.printer.documents.clear();
        QFile::remove(pdf(fake));
        printBooklet(row.boxes, QString::fromUtf16(row.from), QString::fromUtf16(row.to));
        EXPECT_EQ(errorCodesShown(), QStringList{QString::fromUtf16(row.code)});
        EXPECT_FALSE(toldBookletPrinted());
        EXPECT_EQ(button(names::cmdPrint)->text(), u"Print"_qs);
        EXPECT_EQ(button(names::cmdOK)->text(), u"Cancel"_qs);
        if (row.sections.isEmpty()) {
            EXPECT_TRUE(fake.printer.documents.isEmpty()) << "nothing printed, no job";
        } else {
            EXPECT_EQ(fake.printer.jobsEnded, 1) << "what was printed before the stop went out";
            EXPECT_EQ(bookletSections(pdf(fake)), row.sections);
        }
        fake.printer.jobsEnded = 0;
    }
}

TEST_F(PrintFixture, FailingPrinterOrMissingDocumentReportedAsBookletPrinted)
{
    // A disc whose 1958 details are missing.
    QTemporaryDir damaged;
    for (const QString& folder : {u"graphics"_qs, u"richtext"_qs}) {
        QDir().mkpath(damaged.filePath(folder));
        const QDir from(disc() + u'/' + folder);
        for (const QString& file : from.entryList(QDir::Files))
            QFile::copy(from.filePath(file), damaged.filePath(folder + u'/' + file));
    }
    ASSERT_TRUE(QFile::remove(damaged.filePath(u"richtext/58.rtf"_qs)));

    const struct
    {
        const char* name;
        bool failBegin;
        int failNewPageAfter;
        bool failEnd;
        bool damagedDisc;
        int pagesLeft; // printed before the failure, and still printed
    } rows[] = {
        {"the job cannot start", true, -1, false, false, 0},
        {"the printer stops after the cover", false, 1, false, false, 1},
        {"the job fails as it ends", false, -1, true, false, -1},
        {"a document is missing", false, -1, false, true, -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        fake.dialogs.boxes.clear();
        fake.printer.documents.clear();
        fake.printer.jobsEnded = 0;
        fake.printer.failBegin = row.failBegin;
        fake.printer.failNewPageAfter = row.failNewPageAfter;
        fake.printer.failEnd = row.failEnd;
        fake.mapDrive(u'E', row.damagedDisc ? damaged.path() : disc());
        printBooklet({0, 1, 3, 4}, u"1957"_qs, u"1959"_qs);
        EXPECT_EQ(errorCodesShown(), QStringList{u"ER040"_qs});
        EXPECT_FALSE(toldBookletPrinted());
        EXPECT_EQ(button(names::cmdPrint)->text(), u"Print"_qs);
        if (row.pagesLeft >= 0) {
            EXPECT_EQ(fake.printer.pagesPrinted(), row.pagesLeft);
        }
        if (row.damagedDisc) {
            EXPECT_EQ(bookletSections(pdf(fake)), (QStringList{u"cover"_qs, u"intro"_qs, u"desc 1957"_qs,
                                                               u"details 1957"_qs, u"desc 1958"_qs}))
                << "the pages before the missing document stay printed";
        }
    }
    fake.printer.failBegin = false;
    fake.printer.failNewPageAfter = -1;
    fake.printer.failEnd = false;
    fake.mapDrive(u'E', disc());
}

TEST_F(PrintFixture, BookletWithoutAPrinterScatteredOverSeveralFiles)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    QtPrinter noPrinter([] { return QStringList(); });
    fake.platform().printer = &noPrinter;

    printBooklet({0, 1, 3, 4}, u"1953"_qs, u"1960"_qs);

    fake.platform().printer = &fake.printer;
    qputenv("HOME", oldHome);
    EXPECT_TRUE(errorCodesShown().isEmpty());
    const QString folder = home.filePath(u"Documents"_qs);
    const QStringList files = QDir(folder).entryList(QDir::Files);
    ASSERT_EQ(files, QStringList{u"The Kestrane Omnivar Booklet.pdf"_qs});
    const QString file = QDir(folder).filePath(files.first());
    EXPECT_EQ(noPrinter.outputFile(), file);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    EXPECT_EQ(fake.dialogs.boxes[0].text,
              u"Booklet printed!\r\n\r\nNo printer is installed; the booklet was saved as "_qs +
                  QDir::toNativeSeparators(file));

    EXPECT_EQ(pdfPageCount(file), noPrinter.pagesPrinted());
    QStringList expected{u"cover"_qs, u"intro"_qs};
    for (int year = 1953; year <= 1960; ++year)
        expected << u"desc "_qs + QString::number(year) << u"details "_qs + QString::number(year);
    EXPECT_EQ(bookletSections(file), expected);
    // Every document starts on a page of its own: its heading heads its first page.
    const QStringList pages = pdfPages(file);
    int starts = 0;
    for (const QString& page : pages) {
        const QString first = page.trimmed().section(u'\n', 0, 0).simplified();
        if (first.isEmpty() || first.startsWith(u"Welcome"_qs) || first.endsWith(u" Kestrane"_qs) ||
            first.endsWith(u" Details"_qs))
            ++starts;
    }
    EXPECT_EQ(starts, expected.size());
    std::cout << "[ booklet  ] 1953-1960, everything: " << pages.size() << " pages" << std::endl;
}
