// frmSSPhoto: opening it, the play list's three commands and their buttons, and the copies of the
// photograph to the clipboard, to a file and to the printer.
#include "disk_fixture.h"

#include "common/picture_file.h"
#include "common/ui/spin_button.h"
#include "disk/ui/disk_operations.h"
#include "disk/ui/flood_gauge.h"
#include "disk/ui/play_list_window.h"
#include "shell/ui/main_window.h"

#include <QAccessible>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace kestrane::test {
namespace {

class PlayListTest : public DiskFixture
{
protected:
    void SetUp() override { open(); }

    PlayListWindow& opened()
    {
        QTest::mouseClick(main->controls().image4, Qt::RightButton);
        PlayListWindow* window = playList();
        EXPECT_NE(window, nullptr);
        return *window;
    }
    const PlayListControls& buttons() { return playList()->controls(); }
    bool listed(const QString& name) const { return QFileInfo::exists(program(u"sskestys/"_qs + name)); }
    QString currentName() const
    {
        return state.photos.currentPhoto.mid(state.photos.currentPhoto.lastIndexOf(u'\\') + 1);
    }
};

TEST_F(PlayListTest, RightPressShowsAnotherPhotoOrLeavesItBehindWindows)
{
    clickYear(5);
    PlayListWindow& window = opened();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), u"The Kestrane Omnivar"_qs);
    EXPECT_TRUE(fake.windowManager.log.contains(u"top frmSSPhoto 1"_qs));
    EXPECT_TRUE(QFileInfo(program(u"sskestys"_qs)).isDir()) << "the play-list folder is made on opening";
    EXPECT_EQ(window.controls().text4->text(), u"Screen Saver Photo Selection"_qs);
    EXPECT_FALSE(window.controls().picture1->pixmap().isNull());
    EXPECT_TRUE(window.controls().add->isEnabled());
    EXPECT_FALSE(window.controls().remove->isEnabled());

    // The photograph on show moves on, to one already in the list: the play list follows it.
    QString next;
    for (int i = 1; i <= state.photos.photoCount && next.isEmpty(); ++i) {
        const QString name = state.photos.photoFiles.value(i).section(u'\\', -1);
        if (name.startsWith(u"57"_qs) && name != currentName())
            next = name;
    }
    ASSERT_FALSE(next.isEmpty());
    writeHostFile(program(), u"sskestys/"_qs + next);
    const qint64 before = window.controls().picture1->pixmap().cacheKey();
    QTest::mouseClick(main->controls().spinButton1->upButton(), Qt::LeftButton);
    ASSERT_EQ(currentName(), next);
    EXPECT_NE(window.controls().picture1->pixmap().cacheKey(), before);
    EXPECT_FALSE(window.controls().add->isEnabled());
    EXPECT_TRUE(window.controls().remove->isEnabled());

    trigger(names::mnuCopyPhoto);
    EXPECT_EQ(playList(), &window) << "one play list at a time";
}

TEST_F(PlayListTest, AddOrRemoveLeavesTheListAndButtonsApart)
{
    clickYear(5);
    opened();
    const QString name = currentName();
    ASSERT_FALSE(name.isEmpty());

    QTest::mouseClick(buttons().add, Qt::LeftButton);
    EXPECT_TRUE(listed(name));
    EXPECT_EQ(fake.dialogs.boxes.last().text, u"Photo Successfully Copied!"_qs);
    EXPECT_EQ(fake.dialogs.boxes.last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(fake.dialogs.boxes.last().title, u"The Kestrane Omnivar 2002"_qs);
    EXPECT_FALSE(buttons().add->isEnabled());
    EXPECT_TRUE(buttons().remove->isEnabled());
    EXPECT_EQ(buttons().gauge->value(), 100);
    EXPECT_EQ(state.errors.currentErrorCode, u" "_qs);

    QTest::mouseClick(buttons().remove, Qt::LeftButton);
    EXPECT_FALSE(listed(name));
    EXPECT_EQ(fake.dialogs.boxes.last().text, u"Photo Successfully Removed!"_qs);
    EXPECT_TRUE(buttons().add->isEnabled());
    EXPECT_FALSE(buttons().remove->isEnabled());
    EXPECT_EQ(buttons().gauge->value(), 0);
}

TEST_F(PlayListTest, PhotoThatStaysReportedAsRemoved)
{
    clickYear(5);
    opened();
    QTest::mouseClick(buttons().add, Qt::LeftButton);
    fs.failRemoving = {currentName().toUpper()};
    QTest::mouseClick(buttons().remove, Qt::LeftButton);
    EXPECT_TRUE(listed(currentName()));
    EXPECT_TRUE(fake.dialogs.boxes.last().text.startsWith(u"This photo could not be removed"_qs));
    EXPECT_TRUE(buttons().remove->isEnabled());
}

TEST_F(PlayListTest, RemoveAllLeavesPhotosOrButtonsEnabled)
{
    writeHostFile(program(), u"sskestys/53A.JPG"_qs);
    writeHostFile(program(), u"sskestys/60B.jpg"_qs);
    clickYear(1);
    opened();
    fake.dialogs.answerNext(MsgNo);
    QTest::mouseClick(buttons().removeAll, Qt::LeftButton);
    EXPECT_TRUE(listed(u"53A.JPG"_qs));

    fake.dialogs.boxes.clear();
    QTest::mouseClick(buttons().removeAll, Qt::LeftButton);
    ASSERT_EQ(fake.dialogs.boxes.size(), 2);
    EXPECT_EQ(fake.dialogs.boxes[0].text,
              u"Would you like to remove all photos from the Kestrane Omnivar Screen Saver list?"_qs);
    EXPECT_EQ(fake.dialogs.boxes[1].text, u"All Photos Successfully Removed!\r\n\r\n"
                                          "You must re-install the Kestrane Omnivar Screen Saver \r\n"
                                          "if you have previously installed it to play Selected Photos."_qs);
    EXPECT_FALSE(listed(u"53A.JPG"_qs) || listed(u"60B.jpg"_qs));
    EXPECT_TRUE(buttons().add->isEnabled());
    EXPECT_FALSE(buttons().remove->isEnabled());
    EXPECT_FALSE(buttons().removeAll->isEnabled());

    // Adding a photo again leaves Remove all as clearing left it.
    QTest::mouseClick(buttons().add, Qt::LeftButton);
    EXPECT_TRUE(buttons().remove->isEnabled());
    EXPECT_FALSE(buttons().removeAll->isEnabled());
}

TEST_F(PlayListTest, BeforeAnySelectionNothingToAddOrAnotherNameProposed)
{
    opened();
    QTest::mouseClick(buttons().add, Qt::LeftButton);
    EXPECT_TRUE(listed(u"EMB972.jpg"_qs));

    QTest::mouseClick(buttons().copyToDisk, Qt::LeftButton); // the dialog is cancelled
    ASSERT_EQ(fake.dialogs.saveRequests.size(), 1);
    EXPECT_EQ(fake.dialogs.saveRequests[0].fileName, u"EMB972.JPG"_qs);
}

TEST_F(PlayListTest, SaveDialogAcceptsTheSourceOrThePhotoFolder)
{
    clickYear(5);
    opened();
    const QString name = currentName();
    const QString source = fake.fileSystem.resolve(state.photos.currentPhoto);
    const QString wanted = fake.dialogs.pictures + u"/mine.jpg"_qs;
    fake.dialogs.saveAnswers = {source, disc() + u"/KESTRANES/other.jpg"_qs, wanted};
    QTest::mouseClick(buttons().copyToDisk, Qt::LeftButton);

    ASSERT_EQ(fake.dialogs.saveRequests.size(), 3) << "the dialog comes back after each refusal";
    const SaveFileRequest& first = fake.dialogs.saveRequests[0];
    EXPECT_EQ(first.title, u"Copy Kestrane photo to disk"_qs);
    EXPECT_EQ(first.initialFolder, fake.dialogs.pictures) << "the user's pictures, not a drive's root";
    EXPECT_EQ(first.fileName, name);
    EXPECT_EQ(first.defaultSuffix, u"jpg"_qs);
    EXPECT_EQ(first.filters.first(), u"JPG Files (*.jpg)"_qs);

    const QStringList texts = boxTexts();
    ASSERT_EQ(texts.size(), 3);
    EXPECT_TRUE(texts[0].startsWith(u"The target file name and location can not be the same"_qs));
    EXPECT_TRUE(texts[1].startsWith(u"The target file directory location can not be the same"_qs));
    EXPECT_EQ(texts[2], u"Photo copied to: \r\n\r\n"_qs + wanted);
    EXPECT_EQ(QFileInfo(wanted).size(), QFileInfo(source).size());
    EXPECT_FALSE(QFileInfo::exists(disc() + u"/kestranes/other.jpg"_qs));

    // Cancel ends the command without a word.
    fake.dialogs.boxes.clear();
    QTest::mouseClick(buttons().copyToDisk, Qt::LeftButton);
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
}

TEST_F(PlayListTest, UnwritableTargetReportedAsCopied)
{
    clickYear(5);
    opened();
    fake.dialogs.saveAnswers = {fake.root() + u"/no such folder/mine.jpg"_qs};
    QTest::mouseClick(buttons().copyToDisk, Qt::LeftButton);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER060"_qs});
    EXPECT_FALSE(boxTexts().last().startsWith(u"Photo copied to:"_qs));
}

TEST_F(PlayListTest, ACopyToDiskDeletesAFileOfAnotherLetterCaseOrTheOneItReplaces)
{
    clickYear(5);
    opened();
    const QString source = fake.fileSystem.resolve(state.photos.currentPhoto);
    // The user's own PHOTO.JPG beside the name chosen: it is not the file chosen and stays as it is.
    const QString other = writeHostFile(fake.dialogs.pictures, u"PHOTO.JPG"_qs, "mine");
    const QString chosen = fake.dialogs.pictures + u"/photo.jpg"_qs;
    fake.dialogs.saveAnswers = {chosen};
    QTest::mouseClick(buttons().copyToDisk, Qt::LeftButton);
    EXPECT_EQ(boxTexts().last(), u"Photo copied to: \r\n\r\n"_qs + chosen);
    EXPECT_EQ(QFileInfo(chosen).size(), QFileInfo(source).size());
    QFile kept(other);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("mine"));

    // A copy that fails keeps the file it would have replaced.
    const QString earlier = writeHostFile(fake.dialogs.pictures, u"earlier.jpg"_qs, "earlier");
    fs.failCopying = {QFileInfo(source).fileName().toUpper()};
    fake.dialogs.saveAnswers = {earlier};
    QTest::mouseClick(buttons().copyToDisk, Qt::LeftButton);
    EXPECT_EQ(errorCodesShown().last(), u"ER060"_qs);
    QFile still(earlier);
    ASSERT_TRUE(still.open(QIODevice::ReadOnly));
    EXPECT_EQ(still.readAll(), QByteArray("earlier"));
}

TEST_F(PlayListTest, ClipboardPrintOrHelpLoseThePhotograph)
{
    clickYear(5);
    opened();
    QTest::mouseClick(buttons().clipboard, Qt::LeftButton);
    EXPECT_EQ(fake.clipboard.clears, 1);
    EXPECT_EQ(fake.clipboard.image.size(), main->controls().image4->pixmap().size());

    QTest::mouseClick(buttons().help, Qt::LeftButton);
    EXPECT_TRUE(
        boxTexts().last().startsWith(u"Use this form to add or remove Kestrane photos from the\r\n"_qs));
    EXPECT_TRUE(boxTexts().last().endsWith(u"Screen Saver and choose the Select All Photos option."_qs));

    QImage printed;
    disk->setPrintPhoto([&printed](const QImage& picture) { printed = picture; });
    QTest::mouseClick(buttons().print, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(playList(), nullptr) << "the window closes before the question";
    EXPECT_EQ(fake.dialogs.boxes.last().text, u"Would you like to print this photograph?"_qs);
    EXPECT_EQ(fake.dialogs.boxes.last().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(printed.size(), main->controls().image4->pixmap().size());
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(PlayListTest, PrintBeforeAnySelectionPrintsNothing)
{
    QImage printed;
    disk->setPrintPhoto([&printed](const QImage& picture) { printed = picture; });
    opened();
    QTest::mouseClick(buttons().print, Qt::LeftButton);
    EXPECT_EQ(printed, readPicture(fake.fileSystem, u"E:\\kestranes\\EMB972.JPG"_qs));
    EXPECT_FALSE(printed.isNull());
}

TEST_F(PlayListTest, ExitLeavesItOnTop)
{
    opened();
    QTest::mouseClick(buttons().exit, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(playList(), nullptr);
    EXPECT_EQ(fake.windowManager.log.last(), u"top frmSSPhoto 0"_qs);
}

// What the disk subsystem's controls show, assistive tools read: buttons, captions and gauges.
TEST_F(PlayListTest, CaptionsHiddenFromAssistiveTools)
{
    clickYear(5);
    trigger(names::mnuSaver);
    trigger(names::mnuCopy);
    PlayListWindow& window = opened();
    const QList<QWidget*> shown = window.findChildren<QWidget*>() +
                                  main->controls().pnlProgress->findChildren<QWidget*>() +
                                  main->controls().pnlSSaver->findChildren<QWidget*>();
    int checked = 0;
    for (QWidget* widget : shown) {
        const QString text = widget->property("text").toString().trimmed();
        if (text.isEmpty() || !widget->isVisible())
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << widget->objectName().toStdString();
        const QString heard =
            accessible->text(QAccessible::Name) + u' ' + accessible->text(QAccessible::Value);
        EXPECT_TRUE(heard.contains(text))
            << widget->objectName().toStdString() << ": " << heard.toStdString();
        ++checked;
    }
    EXPECT_GE(checked, 20);
}

} // namespace
} // namespace kestrane::test
