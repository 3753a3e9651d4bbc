// pnlProgress on Form1: the free-space check, the copy of the photos and movies with their gauges,
// and removing them again.
#include "disk_fixture.h"

#include "disk/copy_manifest.h"
#include "disk/ui/copy_controller.h"
#include "disk/ui/disk_operations.h"
#include "disk/ui/flood_gauge.h"
#include "disk/ui/play_list_window.h"
#include "platform/fakes/faulty_file_system.h"
#include "shell/ui/main_window.h"

#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace kestrane::test {
namespace {

class CopyPanelTest : public DiskFixture
{
protected:
    void SetUp() override { open(); }

    const CopyPanelControls& panel() { return copy().panel(); }

    // Runs the copy from cmdCopy to the closing of the panel.
    void copyAndWait()
    {
        QSignalSpy closed(&copy(), &CopyController::panelClosed);
        QTest::mouseClick(panel().cmdCopy, Qt::LeftButton);
        if (closed.isEmpty()) {
            ASSERT_TRUE(closed.wait(20'000));
        }
    }

    QStringList programFiles(const QString& folder) const
    {
        return QDir(program(folder)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

TEST_F(CopyPanelTest, ShortSpaceOpensThePanelOrMisstatesTheFigures)
{
    // 122,880,000 bytes, but the panel reckons in thousands of clusters: 29 x 4096 x 1000.
    fs.free = {30'000, 4096};
    trigger(names::mnuCopy);
    EXPECT_TRUE(panel().panel->isHidden());
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    const MessageBoxRequest& box = fake.dialogs.boxes.first();
    EXPECT_EQ(box.title, u"The Kestrane Omnivar"_qs);
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_TRUE(
        box.text.contains(u"You have:  118,784,000 bytes\r\n\r\nYou need:   1,216,000 bytes more"_qs));
    EXPECT_EQ(fs.freeAskedFor, fake.programFolder()) << "the space where the copies go";

    fake.dialogs.boxes.clear();
    fs.free = {110 * 1024 + 1023, 4000}; // 110 x 4000 x 1000: exactly the movies' total
    trigger(names::mnuCopyMovies);
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty()) << "exactly enough is enough";
    EXPECT_TRUE(panel().panel->isVisible());
    EXPECT_EQ(panel().label2->text(), u"Copy Movies from CD-ROM to hard drive"_qs);
    EXPECT_EQ(panel().cmdCopy->text(), u"Copy Movies"_qs);
    EXPECT_EQ(panel().label1->text(), u"Copying file:"_qs);
    EXPECT_EQ(panel().text1->text(), u" "_qs);
    EXPECT_EQ(panel().gauge->text(), u"0"_qs);
    EXPECT_TRUE(panel().cmdCopy->isEnabled() && panel().cmdCancel->isEnabled());
    const QRect inside = main->page()->rect();
    EXPECT_TRUE(inside.contains(panel().panel->geometry())) << "the whole panel shows in the window";

    QTest::mouseClick(panel().cmdCancel, Qt::LeftButton);
    EXPECT_TRUE(panel().panel->isHidden());
    EXPECT_TRUE(programFiles(u"movies"_qs).isEmpty());
}

TEST_F(CopyPanelTest, UnknownFreeSpaceCopiesAnyway)
{
    fs.free = {};
    trigger(names::mnuCopy);
    ASSERT_EQ(fake.dialogs.boxes.size(), 2);
    EXPECT_EQ(fake.dialogs.boxes[0].text, u"Internal GetDisk error!"_qs);
    EXPECT_EQ(fake.dialogs.boxes[0].title, u"The Kestrane Omnivar 2002"_qs);
    EXPECT_TRUE(fake.dialogs.boxes[1].text.contains(u"You have:   bytes"_qs));
    EXPECT_TRUE(panel().panel->isHidden());
}

TEST_F(CopyPanelTest, CopiedPhotosNotReadOrWindowLeftDisabled)
{
    trigger(names::mnuCopy);
    EXPECT_EQ(panel().label2->text(), u"Copy photos from CD-ROM to hard drive"_qs);
    EXPECT_EQ(panel().cmdCopy->text(), u"Copy Photos"_qs);
    QSignalSpy closed(&copy(), &CopyController::panelClosed);
    QTest::mouseClick(panel().cmdCopy, Qt::LeftButton);
    // The job runs on: Form1 waits disabled with the busy pointer.
    EXPECT_FALSE(main->isEnabled());
    EXPECT_TRUE(fake.screen.busy);
    EXPECT_FALSE(panel().cmdCopy->isEnabled() || panel().cmdCancel->isEnabled());
    ASSERT_TRUE(closed.wait(20'000));
    EXPECT_EQ(closed.first().at(0).toBool(), true);
    EXPECT_EQ(closed.first().at(1).toBool(), true);

    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(fake.screen.busy);
    EXPECT_TRUE(panel().panel->isHidden());
    EXPECT_EQ(panel().gauge->value(), 100);
    EXPECT_EQ(panel().gauge2->value(), 100);
    ASSERT_FALSE(fake.dialogs.boxes.isEmpty());
    const MessageBoxRequest& done = fake.dialogs.boxes.last();
    EXPECT_EQ(done.text, u"Photos successfully copied!\r\n"_qs);
    EXPECT_EQ(done.title, u"The Kestrane Omnivar"_qs);
    EXPECT_EQ(done.icon, MsgIcon::Exclamation);

    // Every photograph, and the list that says the set is whole.
    EXPECT_EQ(programFiles(u"kestranes"_qs).size(),
              QDir(disc() + u"/kestranes"_qs).entryList(QDir::Files).size() + 1);
    EXPECT_TRUE(copySetComplete(fake.fileSystem, fake.programFolder() + u"\\kestranes"_qs));
    EXPECT_EQ(state.disc.photoRoot, fake.programFolder());
    ASSERT_GT(state.photos.photoCount, 0);
    EXPECT_TRUE(state.photos.photoFiles.value(1).startsWith(fake.programFolder() + u"\\kestranes\\"_qs))
        << "the catalogue reads the copies at once";
    EXPECT_EQ(state.disk.copyPending, kFalse);
}

TEST_F(CopyPanelTest, SecondCopyAsksOrCopiesOverTheFirstSilently)
{
    writeHostFile(program(), u"kestranes/53A.JPG"_qs, "stale");
    // Left by a copy that was cut short when the program was killed.
    writeHostFile(program(), u"kestranes/.60B.JPG.part-4242-0"_qs, "half");
    trigger(names::mnuCopy);
    fake.dialogs.answerNext(MsgCancel);
    QSignalSpy closed(&copy(), &CopyController::panelClosed);
    QTest::mouseClick(panel().cmdCopy, Qt::LeftButton);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    EXPECT_EQ(
        fake.dialogs.boxes[0].text,
        u"These files have already been copied\r\nto your hard drive.\r\n\r\nWould you like to copy them again?"_qs);
    EXPECT_EQ(fake.dialogs.boxes[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(state.disk.copyCancelled, kTrue);
    EXPECT_TRUE(panel().panel->isHidden());
    EXPECT_TRUE(panel().cmdCopy->isEnabled());
    ASSERT_EQ(closed.size(), 1);
    EXPECT_FALSE(closed.first().at(1).toBool());
    EXPECT_EQ(programFiles(u"kestranes"_qs), (QStringList{u".60B.JPG.part-4242-0"_qs, u"53A.JPG"_qs}));

    // OK copies again, over the earlier file.
    trigger(names::mnuCopy);
    copyAndWait();
    EXPECT_FALSE(QFileInfo::exists(program(u"kestranes/.60B.JPG.part-4242-0"_qs)));
    QFile copied(program(u"kestranes/53A.JPG"_qs));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    QFile original(disc() + u"/kestranes/53A.JPG"_qs);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), original.readAll());
}

TEST_F(CopyPanelTest, FailedFileReportedAsSuccessOrLeftHalfWritten)
{
    fs.failCopying = {u"53B.JPG"_qs, u"57A.JPG"_qs};
    trigger(names::mnuCopy);
    copyAndWait();

    QStringList failures;
    for (const MessageBoxRequest& box : fake.dialogs.boxes)
        if (box.text.startsWith(u"Unable to copy the file"_qs))
            failures << box.text;
    ASSERT_EQ(failures.size(), 2);
    EXPECT_TRUE(failures[0].contains(u"E:\\kestranes\\53B.JPG"_qs)) << failures[0].toStdString();
    EXPECT_TRUE(failures[0].contains(program(u"kestranes/53B.JPG"_qs))) << failures[0].toStdString();
    EXPECT_TRUE(failures[0].endsWith(u"\r\n\r\nInput/output error"_qs));

    const QString last = fake.dialogs.boxes.last().text;
    EXPECT_FALSE(last.contains(u"successfully"_qs));
    const int count = int(QDir(disc() + u"/kestranes"_qs).entryList(QDir::Files).size());
    EXPECT_TRUE(last.startsWith(u"2 of the %1 photos could not be copied"_qs.arg(count)))
        << last.toStdString();
    EXPECT_FALSE(QFileInfo::exists(program(u"kestranes/53B.JPG"_qs)));
    EXPECT_EQ(programFiles(u"kestranes"_qs).size(), count - 2) << "no partial or hidden files";
    EXPECT_EQ(state.disc.photoRoot, u"E:"_qs) << "an incomplete set is not read in place of the disc";
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(CopyPanelTest, AFullDiskOrALostDiscBringsABoxForEveryFileLeft)
{
    const QStringList photos = QDir(disc() + u"/kestranes"_qs).entryList(QDir::Files, QDir::Name);
    const QString count = QString::number(photos.size());
    const struct
    {
        const char* what;
        std::function<void(FaultyFileSystem&)> fault;
        int copied;
        QString message;
    } cases[] = {
        {"the disk fills during the fourth photograph",
         [&](FaultyFileSystem& faulty) {
             qint64 three = 0;
             for (const QString& name : photos.mid(0, 3))
                 three += QFileInfo(disc() + u"/kestranes/"_qs + name).size();
             faulty.room = three + 10;
         },
         3,
         u"Your hard drive is full.\r\n\r\n3 of the "_qs + count +
             u" photos were copied to your hard drive before the copy stopped. The photos will go on being "
             "read from the CD-ROM.\r\n\r\nMake room on the hard drive, then copy them again."_qs},
        {"the disc is taken out after two photographs",
         [](FaultyFileSystem& faulty) {
             faulty.vanishingRoot = u"E:"_qs;
             faulty.vanishAfterCopies = 2;
         },
         2,
         u"The CD-ROM can no longer be read.\r\n\r\n2 of the "_qs + count +
             u" photos were copied to your hard drive before the copy stopped. The photos will go on being "
             "read from the CD-ROM.\r\n\r\nPut the disc back in its drive, then copy them again."_qs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(program(u"kestranes"_qs)).removeRecursively();
        fake.dialogs.boxes.clear();
        // The room runs out after the panel has found enough of it.
        trigger(names::mnuCopy);
        FaultyFileSystem faulty(fs);
        c.fault(faulty);
        fake.platform().fileSystem = &faulty;
        copyAndWait();
        fake.platform().fileSystem = &fs;
        ASSERT_EQ(fake.dialogs.boxes.size(), 1) << boxTexts().join(u"\n---\n"_qs).toStdString();
        EXPECT_EQ(fake.dialogs.boxes[0].text, c.message);
        EXPECT_EQ(faulty.copiesBegun, c.copied + 1) << "nothing is tried after the failure";
        EXPECT_EQ(programFiles(u"kestranes"_qs), photos.mid(0, c.copied)) << "the good copies stay, whole";
        EXPECT_EQ(state.disc.photoRoot, u"E:"_qs);
        EXPECT_GT(state.photos.photoCount, 0);
        EXPECT_FALSE(copySetComplete(fs, fake.programFolder() + u"\\kestranes"_qs));
        EXPECT_TRUE(main->isEnabled());
        EXPECT_TRUE(panel().panel->isHidden());
    }
}

TEST_F(CopyPanelTest, AVanishedFileEndsTheCopyOrHidesItsPhotograph)
{
    FaultyFileSystem faulty(fs);
    faulty.vanishing = {u"57A.JPG"_qs};
    faulty.vanishAfterCopies = 0;
    fake.platform().fileSystem = &faulty;
    trigger(names::mnuCopy);
    copyAndWait();
    const int count = int(QDir(disc() + u"/kestranes"_qs).entryList(QDir::Files).size());
    ASSERT_EQ(fake.dialogs.boxes.size(), 2) << boxTexts().join(u"\n---\n"_qs).toStdString();
    EXPECT_TRUE(
        fake.dialogs.boxes[0].text.startsWith(u"Unable to copy the file\r\nE:\\kestranes\\57A.JPG"_qs));
    EXPECT_TRUE(
        fake.dialogs.boxes[1].text.startsWith(u"1 of the %1 photos could not be copied"_qs.arg(count)));
    EXPECT_EQ(programFiles(u"kestranes"_qs).size(), count - 1) << "every other file copied, nothing hidden";
    EXPECT_EQ(state.disc.photoRoot, u"E:"_qs);
}

TEST_F(CopyPanelTest, MoviesCopiedWithoutTheirNamesOrWithoutAnyReportsFailure)
{
    fs.free = {110 * 1024, 4000};
    trigger(names::mnuCopyMovies);
    copyAndWait();
    EXPECT_EQ(fake.dialogs.boxes.last().text, u"Movies successfully copied!\r\n"_qs);
    const QStringList onDisc = QDir(disc() + u"/movies"_qs).entryList(QDir::Files);
    QStringList upper;
    for (const QString& name : onDisc)
        upper << name.toUpper();
    upper.sort();
    EXPECT_EQ(programFiles(u"movies"_qs), upper) << "names upper-cased as listed";
    EXPECT_EQ(state.disk.movieCount, onDisc.size());
    EXPECT_EQ(panel().text1->text(), u"E:\\movies\\"_qs + state.disk.movieList.value(state.disk.movieCount));
    EXPECT_EQ(state.disc.photoRoot, u"E:"_qs);

    // A disc without movies copies nothing and says it copied them.
    fake.dialogs.boxes.clear();
    state.disc.cdRoot = u"F:"_qs;
    fake.addDrive(u'F');
    QDir(program(u"movies"_qs)).removeRecursively();
    trigger(names::mnuCopyMovies);
    copyAndWait();
    EXPECT_EQ(state.disk.movieCount, 0);
    EXPECT_EQ(fake.dialogs.boxes.last().text, u"Movies successfully copied!\r\n"_qs);
}

TEST_F(CopyPanelTest, MovieListingFailureNotOfferedARetry)
{
    state.disc.cdRoot = u"G:"_qs; // a drive that is not ready
    trigger(names::mnuCopyMovies);
    QTest::mouseClick(panel().cmdCopy, Qt::LeftButton);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER055"_qs});
    EXPECT_EQ(fake.dialogs.boxes.last().buttons, MsgButtons::RetryCancel);
    EXPECT_TRUE(fake.app.ended) << "Cancel ends the program";
}

TEST_F(CopyPanelTest, RemovedPhotosLeftOrProgramKeptRunning)
{
    writeHostFile(program(), u"kestranes/53A.JPG"_qs);
    writeHostFile(program(), u"kestranes/57b.jpg"_qs);
    state.disc.photoRoot = fake.programFolder();
    fake.dialogs.answerNext(MsgNo);
    trigger(names::mnuRemove);
    EXPECT_EQ(programFiles(u"kestranes"_qs).size(), 2) << "No keeps them";
    EXPECT_FALSE(fake.app.ended);

    fake.dialogs.boxes.clear();
    trigger(names::mnuRemove);
    ASSERT_EQ(fake.dialogs.boxes.size(), 2);
    EXPECT_EQ(fake.dialogs.boxes[0].text,
              u"Would you like to remove all Kestrane Omnivar photos from your hard drive?"_qs);
    EXPECT_EQ(fake.dialogs.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(fake.dialogs.boxes[1].text, u"All Photos Successfully Removed!\r\n\r\n"
                                          "You must now exit and re-enter the Kestrane Omnivar to allow \r\n"
                                          "the software to find the photos on the cdrom drive.\r\n\r\n"
                                          "You must also re-install the Kestrane Omnivar Screen Saver \r\n"
                                          "if you have previously installed it."_qs);
    EXPECT_FALSE(QFileInfo::exists(program(u"kestranes"_qs)));
    EXPECT_EQ(state.disc.photoRoot, u"E:"_qs);
    EXPECT_TRUE(fake.app.ended) << "removing the photos ends the program";
    EXPECT_FALSE(fake.screen.busy);
}

TEST_F(CopyPanelTest, PhotoThatStaysReportedAsRemoved)
{
    writeHostFile(program(), u"kestranes/53A.JPG"_qs);
    writeHostFile(program(), u"kestranes/57B.JPG"_qs);
    writeHostFile(program(), u"kestranes/60C.JPG"_qs);
    fs.failRemoving = {u"57B.JPG"_qs};
    trigger(names::mnuRemove);
    const QString said = fake.dialogs.boxes.last().text;
    EXPECT_EQ(
        said,
        u"1 photo could not be removed from your hard drive.\r\n\r\nThey are still in the folder\r\n"_qs +
            program(u"kestranes"_qs));
    EXPECT_EQ(programFiles(u"kestranes"_qs), QStringList{u"57B.JPG"_qs}) << "every other file was tried";
}

TEST_F(CopyPanelTest, MovieRemovalEndsTheProgramOrLeavesMovies)
{
    writeHostFile(program(), u"movies/1953.AVI"_qs);
    trigger(names::mnuRemoveMovies);
    ASSERT_EQ(fake.dialogs.boxes.size(), 2);
    EXPECT_EQ(fake.dialogs.boxes[0].text,
              u"Would you like to remove all Kestrane Omnivar movies from your hard drive?"_qs);
    EXPECT_EQ(fake.dialogs.boxes[1].text, u"All movies successfully removed!"_qs);
    EXPECT_FALSE(QFileInfo::exists(program(u"movies"_qs)));
    EXPECT_FALSE(fake.app.ended);
    EXPECT_TRUE(main->isVisible());
}

TEST_F(CopyPanelTest, CopyMenuLeavesThePlayListOnTop)
{
    disk->openPlayList();
    ASSERT_NE(playList(), nullptr);
    trigger(names::mnuCopy);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(playList(), nullptr);
    EXPECT_TRUE(fake.windowManager.log.contains(u"top frmSSPhoto 0"_qs));
}

} // namespace
} // namespace kestrane::test
