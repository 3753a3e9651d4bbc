#include "documents_fixture.h"

#include "common/ui/shared_routines.h"
#include "documents/ui/reader_opener.h"
#include "media_files.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>

using namespace kestrane;
using namespace kestrane::test;

namespace {

int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(u"/Type\\s*/Page(?![s\\w])"_qs);
    return int(QString::fromLatin1(file.readAll()).count(page));
}

// A printer without a device: the job goes to a file, which outputFile() names.
class FilePrinter : public FakePrinter
{
public:
    using FakePrinter::FakePrinter;
    QString outputFile() const override { return pdfPath(); }
};

// The reader over a disc of a few small documents, opened the way every opener opens it.
class ReaderTest : public DocumentsWindowTest
{
protected:
    void SetUp() override
    {
        DocumentsWindowTest::SetUp();
        writeHostFile(m_disc.path(), u"richtext/one.rtf"_qs,
                      "{\\rtf1\\ansi A document that fits one page.\\par}");
        writeHostFile(m_disc.path(), u"richtext/three.rtf"_qs,
                      "{\\rtf1\\ansi First page.\\page Second page.\\page Third page, the last.\\par}");
        fake.mapDrive(u'E', m_disc.path());
    }

    ReaderShot open(const QString& file, const std::function<void(ReaderWindow&)>& whileOpen = {})
    {
        ReaderRequest request;
        request.errorCode = ErrorCode::ER008;
        request.documentPath = u"E:\\richtext\\"_qs + file;
        request.caption = u"The Kestrane Omnivar     Test "_qs + file;
        return capture([&] { OpenDocument(environment(), request); }, whileOpen);
    }

    // A second of sound at 8000 Hz.
    QString wave(const QString& name,
                 const QByteArray& data = demo::wavFile(QVector<qint16>(8000, 1000), 8000))
    {
        return writeHostFile(m_disc.path(), u"wav/"_qs + name, data);
    }

    QTemporaryDir m_disc;
};

} // namespace

TEST_F(ReaderTest, NewReaderStartsFromTheDesignStateCentredUnderDocumentCaption)
{
    state.documents.documentCaption = u"The Kestrane Omnivar     Design"_qs;
    ReaderWindow& reader = txtForm(environment());
    EXPECT_EQ(reader.objectName(), u"txtForm"_qs);
    EXPECT_EQ(reader.windowTitle(), state.documents.documentCaption);
    EXPECT_EQ(reader.size(), QSize(531, 449));
    EXPECT_TRUE(reader.windowFlags() & Qt::Tool);
    EXPECT_FALSE(reader.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    // Design positions in twips, 15 to the pixel.
    EXPECT_EQ(reader.rtbText()->geometry(), QRect(8, 8, 513, 401));
    EXPECT_EQ(reader.okButton()->geometry(), QRect(8, 416, 417, 25));
    EXPECT_EQ(reader.playButton()->geometry(), QRect(432, 416, 26, 25));
    EXPECT_EQ(reader.stopButton()->geometry(), QRect(464, 416, 25, 25));
    EXPECT_EQ(reader.printButton()->geometry(), QRect(496, 416, 25, 25));
    for (QPushButton* button : {reader.playButton(), reader.stopButton(), reader.printButton()}) {
        EXPECT_FALSE(button->isHidden());
        EXPECT_TRUE(button->isEnabled());
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_FALSE(button->accessibleName().isEmpty());
        EXPECT_FALSE(button->toolTip().isEmpty());
    }
    const QSize frame = reader.frameGeometry().size().expandedTo(reader.size());
    EXPECT_EQ(reader.pos(), QPoint((800 - frame.width()) / 2, (600 - frame.height()) / 2));
    EXPECT_EQ(&txtForm(environment()), &reader); // a second reference finds the loaded reader
    reader.unload();
    EXPECT_EQ(findReader(context), nullptr);
}

// Read with the keyboard alone: the text box has the focus when the reader opens, Page Down and
// the arrow keys pressed on the window scroll it, and no caret shows in the page.
TEST_F(ReaderTest, TheKeyboardScrollsALongDocumentWithoutACaret)
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int line = 1; line <= 200; ++line)
        rtf += "Line " + QByteArray::number(line) + " of a document far longer than the box.\\par ";
    writeHostFile(m_disc.path(), u"richtext/long.rtf"_qs, rtf + '}');

    int afterPageDown = 0;
    int afterArrowDown = 0;
    bool focused = false;
    bool caretShown = false;
    const ReaderShot shot = open(u"long.rtf"_qs, [&](ReaderWindow& reader) {
        reader.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&reader));
        RichTextBox& text = *reader.rtbText();
        focused = QApplication::focusWidget() == &text;
        // Keys go to the window, which hands them to its focus widget, as typing does.
        QTest::keyClick(reader.windowHandle(), Qt::Key_PageDown);
        afterPageDown = text.verticalScrollBar()->value();
        QTest::keyClick(reader.windowHandle(), Qt::Key_Down);
        afterArrowDown = text.verticalScrollBar()->value();

        // A caret is drawn only in the focus widget: the page looks the same once OK has the focus.
        const QImage withFocus = text.viewport()->grab().toImage();
        reader.okButton()->setFocus();
        caretShown = text.viewport()->grab().toImage() != withFocus;
    });
    ASSERT_TRUE(shot.shown);
    EXPECT_TRUE(focused);
    EXPECT_GT(afterPageDown, 0);
    EXPECT_GT(afterArrowDown, afterPageDown);
    EXPECT_FALSE(caretShown);
}

TEST_F(ReaderTest, WidenedOkEndsFourPixelsBeforeThePrintButton)
{
    const ReaderShot shot = open(u"one.rtf"_qs);
    ASSERT_TRUE(shot.shown);
    EXPECT_EQ(shot.okWidth, 484);
    EXPECT_EQ(shot.printLeft - shot.okRight, 4);
}

TEST_F(ReaderTest, OkAndAClickOnTheTextCloseTheReaderAndRestoreTheYearButton)
{
    const struct
    {
        qint16 current;
        int expected;
        bool byText;
    } rows[] = {{5, 6, false}, {49, 1, false}, {0, 1, true}, {30, 31, true}};
    for (const auto& row : rows) {
        state.selection.currentYearButton = row.current;
        form1->setEnabled(false);
        open(u"one.rtf"_qs, [&](ReaderWindow& reader) {
            if (row.byText)
                QTest::mouseClick(reader.rtbText()->viewport(), Qt::LeftButton);
        });
        EXPECT_EQ(findReader(context), nullptr);
        EXPECT_TRUE(form1->isEnabled());
        auto* expected = form1->findChild<QPushButton*>(names::indexed(names::cmdYR, row.expected));
        ASSERT_NE(expected, nullptr);
        // Brought to the front: the last of its siblings in stacking order.
        QWidget* lastSibling = nullptr;
        for (QObject* child : expected->parentWidget()->children()) {
            if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
                lastSibling = widget;
        }
        EXPECT_EQ(lastSibling, expected) << row.current;
    }
}

TEST_F(ReaderTest, LoadingTheReaderTakesThePlayListOutOfTheTopLayerAndClosesIt)
{
    QWidget playList;
    playList.setObjectName(u"frmSSPhoto"_qs);
    playList.show();
    windows.enter(WindowRegistry::PlayList, &playList);
    const ReaderShot shot = open(u"one.rtf"_qs);
    EXPECT_TRUE(shot.shown);
    EXPECT_FALSE(playList.isVisible());
    EXPECT_TRUE(fake.windowManager.log.contains(u"top frmSSPhoto 0"_qs));
}

TEST_F(ReaderTest, SetWindowOnTopKnowsTrueFalseAndAnyOtherValue)
{
    QWidget window;
    window.setObjectName(u"w"_qs);
    window.show();
    SetWindowOnTop(context, &window, kTrue);
    SetWindowOnTop(context, &window, kFalse);
    SetWindowOnTop(context, &window, 1); // only raised among ordinary windows
    EXPECT_EQ(fake.windowManager.log.filter(u"top w"_qs), (QStringList{u"top w 1"_qs, u"top w 0"_qs}));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ReaderTest, NarrationFileFollowsCaptionAndKeyWithBlanksKept)
{
    const struct
    {
        const char16_t* key;
        const char16_t* caption;
        const char16_t* file;
    } rows[] = {
        {u"Miscellany ", nullptr, u"Miscellany .wav"},
        {u"Halvard Twin-Turbo ", nullptr, u"halvard.wav"},
        {u"1957", nullptr, u"1957.wav"},
        {u"panYear", nullptr, u"intro.wav"},
        {u"1957", u"The Kestrane Omnivar     Introduction", u"intro.wav"},
    };
    ASSERT_NE(narration, nullptr);
    for (const auto& row : rows) {
        const QString file = QString::fromUtf16(row.file);
        wave(file);
        state.selection.selectionKey = QString::fromUtf16(row.key);
        narration->clearCalls();
        open(u"one.rtf"_qs, [&](ReaderWindow& reader) {
            if (row.caption)
                reader.setWindowTitle(QString::fromUtf16(row.caption));
            reader.playNarration();
        });
        EXPECT_EQ(state.documents.wavePath, u"E:\\wav\\"_qs + file);
        EXPECT_TRUE(narration->calls().contains(u"open 8000 Hz 1 ch 8000 frames"_qs)) << file.toStdString();
        EXPECT_TRUE(narration->isPlaying()) << file.toStdString();
    }
    EXPECT_TRUE(errorCodesShown().isEmpty());

    // Narration goes on after the reader closed, until the stop button of a reader closes the device.
    open(u"one.rtf"_qs, [](ReaderWindow& reader) { reader.stopNarration(); });
    EXPECT_FALSE(narration->isPlaying());
}

TEST_F(ReaderTest, MissingOrUndecodableNarrationPlaysSilenceInsteadOfEr032)
{
    ASSERT_NE(narration, nullptr);
    state.selection.selectionKey = u"1958"_qs;
    narration->clearCalls();
    open(u"one.rtf"_qs, [](ReaderWindow& reader) { reader.playNarration(); });
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER032"_qs});
    EXPECT_TRUE(state.errors.lastErrorMessage.contains(u"1958.wav"_qs));
    EXPECT_TRUE(narration->calls().isEmpty());

    // There, but cut off in its data chunk: the same box, at the click.
    const QByteArray whole = demo::wavFile(QVector<qint16>(8000, 1000), 8000);
    wave(u"1958.wav"_qs, whole.left(whole.size() / 2));
    open(u"one.rtf"_qs, [](ReaderWindow& reader) { reader.playNarration(); });
    EXPECT_EQ(errorCodesShown(), (QStringList{u"ER032"_qs, u"ER032"_qs}));
    EXPECT_FALSE(narration->isPlaying());
}

TEST_F(ReaderTest, PrintingPrintsEveryPageAndSaysSoAfterTheQuestion)
{
    const struct
    {
        const char16_t* file;
        int pages;
    } rows[] = {{u"one.rtf", 1}, {u"three.rtf", 3}};
    for (const auto& row : rows) {
        const QString file = QString::fromUtf16(row.file);
        fake.dialogs.boxes.clear();
        fake.printer.setPdfPath(m_disc.path() + u'/' + file + u".pdf"_qs);
        open(file, [&](ReaderWindow& reader) {
            RichTextBox& box = *reader.rtbText();
            const QString text = box.toPlainText();
            const QSizeF pageSize = box.document()->pageSize();
            QTest::mouseClick(reader.printButton(), Qt::LeftButton);
            // The box printed its own document and still shows it laid out for its width.
            EXPECT_EQ(box.toPlainText(), text);
            EXPECT_EQ(box.document()->pageSize(), pageSize);
            EXPECT_EQ(box.document()->textWidth(), box.viewport()->width());
        });
        EXPECT_EQ(fake.printer.pagesPrinted(), row.pages) << file.toStdString();
        EXPECT_EQ(pdfPageCount(fake.printer.pdfPath()), row.pages) << file.toStdString();
        EXPECT_EQ(fake.printer.documents.last(), u"The Kestrane Omnivar     Test "_qs + file);
        EXPECT_EQ(state.documents.printAnswer, u"6"_qs);
        ASSERT_EQ(fake.dialogs.boxes.size(), 2);
        const MessageBoxRequest& question = fake.dialogs.boxes[0];
        EXPECT_EQ(question.text,
                  u"Would you like to print the \r\n\r\nThe Kestrane Omnivar     Test "_qs + file + u'?');
        EXPECT_EQ(question.buttons, MsgButtons::YesNo);
        EXPECT_EQ(question.icon, MsgIcon::Question);
        EXPECT_EQ(question.title, u"The Kestrane Omnivar"_qs);
        EXPECT_EQ(fake.dialogs.boxes[1].text, u"Printing complete!"_qs);
        EXPECT_EQ(fake.dialogs.boxes[1].icon, MsgIcon::Exclamation);
    }
}

TEST_F(ReaderTest, AnsweringNoPrintsNothingAndSaysNothing)
{
    fake.dialogs.answerNext(MsgNo);
    open(u"three.rtf"_qs, [](ReaderWindow& reader) { reader.printDocument(); });
    EXPECT_TRUE(fake.printer.documents.isEmpty());
    EXPECT_EQ(state.documents.printAnswer, u"7"_qs);
    EXPECT_EQ(fake.dialogs.boxes.size(), 1);
}

TEST_F(ReaderTest, PrintoutWithoutAPrinterNamesItsFileAndAFailedJobIsNeverComplete)
{
    FilePrinter filePrinter(m_disc.path() + u"/The Kestrane Omnivar Test one.rtf.pdf"_qs);
    fake.platform().printer = &filePrinter;
    open(u"one.rtf"_qs, [](ReaderWindow& reader) { reader.printDocument(); });
    ASSERT_EQ(fake.dialogs.boxes.size(), 2);
    EXPECT_TRUE(fake.dialogs.boxes[1].text.startsWith(u"Printing complete!\r\n\r\n"_qs));
    EXPECT_TRUE(fake.dialogs.boxes[1].text.endsWith(filePrinter.pdfPath()));

    fake.dialogs.boxes.clear();
    filePrinter.failBegin = true;
    open(u"one.rtf"_qs, [](ReaderWindow& reader) { reader.printDocument(); });
    ASSERT_EQ(fake.dialogs.boxes.size(), 2);
    EXPECT_FALSE(fake.dialogs.boxes[1].text.contains(u"complete"_qs));
    EXPECT_EQ(fake.dialogs.boxes[1].icon, MsgIcon::Critical);
    fake.platform().printer = &fake.printer;
}
