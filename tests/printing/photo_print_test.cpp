#include "pdf_text.h"
#include "print_fixture.h"

#include "common/control_names.h"
#include "common/picture_file.h"
#include "printing/photo_printout.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

using namespace kestrane;
using namespace kestrane::test;

namespace {

// The rows and columns of a page image that are not white: where the printout put ink.
QRect inkBounds(const QImage& page, int fromRow)
{
    QRect bounds;
    for (int y = fromRow; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 200)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

TEST_F(PrintFixture, PhotoPrintedAfterCancel)
{
    fake.dialogs.answerNext(MsgCancel);
    trigger(names::mnuPrintPhoto);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    const MessageBoxRequest& question = fake.dialogs.boxes.first();
    EXPECT_EQ(question.text, u"Would you like to print this photograph?"_qs);
    EXPECT_EQ(question.title, u"The Kestrane Omnivar 2002"_qs);
    EXPECT_EQ(question.buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(fake.printer.documents.isEmpty());
    EXPECT_TRUE(main->controls().image4->pixmap().isNull()) << "Cancel leaves Image4 as it was";
}

TEST_F(PrintFixture, PhotoPageWithoutAPhotographPrintsNothingOrTheWrongPicture)
{
    trigger(names::mnuPrintPhoto); // OK to the question
    ASSERT_EQ(fake.printer.documents, QStringList{u"The Kestrane Omnivar     Photograph"_qs});
    EXPECT_TRUE(errorCodesShown().isEmpty());
    EXPECT_EQ(fake.printer.pagesPrinted(), 1);

    // The default emblem took the photograph's place, on the page and in Image4.
    const QImage emblem = readPicture(*fake.platform().fileSystem, u"E:\\graphics\\emb99.jpg"_qs);
    ASSERT_FALSE(emblem.isNull());
    EXPECT_EQ(main->controls().image4->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
              emblem.convertToFormat(QImage::Format_RGB32));

    const QStringList lines = pdfPages(fake.printer.pdfPath()).value(0).split(u'\n');
    QStringList text;
    for (const QString& line : lines)
        if (!line.trimmed().isEmpty())
            text << line.simplified();
    // Before any selection the key line holds no design placeholder.
    EXPECT_EQ(text, QStringList{u"The Kestrane Omnivar 2002"_qs});
}

TEST_F(PrintFixture, PhotoOnShowReplacedOrCutOffAtThePageEdge)
{
    // A photograph of 1024 by 768 pixels is wider than the page at its natural size.
    QImage wide(1024, 768, QImage::Format_RGB32);
    wide.fill(Qt::darkRed);
    main->controls().image4->setPixmap(QPixmap::fromImage(wide));
    main->controls().image4->show();
    state.selection.selectionKey = u"Halvard C12 "_qs;

    trigger(names::mnuPrintPhoto);
    ASSERT_EQ(fake.printer.documents.size(), 1);
    const QString text = pdfPages(fake.printer.pdfPath()).value(0);
    EXPECT_TRUE(text.contains(u"Halvard C12"_qs)) << text.toStdString();

    const QImage page = pdfPageImage(fake.printer.pdfPath(), 1, 72); // Letter: 612 by 792
    const QRect ink = inkBounds(page, 140);                          // below the header's last line of text
    EXPECT_NEAR(ink.top(), 150, 2);
    EXPECT_LE(ink.left(), 1);
    EXPECT_GE(ink.right(), 609) << "the photograph spans the page";
    EXPECT_LT(ink.right(), 612);
    EXPECT_NEAR(ink.height(), 612 * 3 / 4, 3) << "and keeps its proportions";
}

TEST_F(PrintFixture, FailedPhotoPrintoutPassesInSilence)
{
    fake.printer.failBegin = true;
    trigger(names::mnuPrintPhoto);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER040"_qs});
    fake.printer.failBegin = false;

    // A play-list photograph that cannot be read.
    fake.dialogs.boxes.clear();
    EXPECT_FALSE(PrintPhoto(context, u"E:\\kestranes\\none.jpg"_qs, u"1957"_qs));
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER040"_qs});
    EXPECT_FALSE(fake.screen.busy);
}
