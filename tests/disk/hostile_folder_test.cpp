// A program folder the program cannot write to, and a play-list folder that holds what the user
// or another program put there: the disk commands say what failed once and change nothing else.
#include "disk_fixture.h"

#include "disk/ui/copy_controller.h"
#include "disk/ui/disk_operations.h"
#include "disk/ui/play_list_window.h"
#include "disk/ui/saver_panel.h"
#include "platform/fakes/faulty_file_system.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace kestrane::test {
namespace {

class HostileFolder : public DiskFixture
{
protected:
    void SetUp() override { open(); }

    PlayListWindow& openPlayList()
    {
        clickYear(5);
        QTest::mouseClick(main->controls().image4, Qt::RightButton);
        PlayListWindow* window = playList();
        EXPECT_NE(window, nullptr);
        return *window;
    }

    // Every file and folder below the program folder with its contents, to compare before and after.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        QDir root(program());
        QStringList pending{program()};
        while (!pending.isEmpty()) {
            const QString folder = pending.takeFirst();
            for (const QFileInfo& entry :
                 QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
                const QString name = root.relativeFilePath(entry.filePath());
                if (entry.isDir()) {
                    files[name + u'/'] = {};
                    pending << entry.filePath();
                    continue;
                }
                QFile file(entry.filePath());
                files[name] = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
            }
        }
        return files;
    }
};

TEST_F(HostileFolder, AnUnwritableProgramFolderIsWrittenToOrItsFailureReportedAsSuccess)
{
    writeHostFile(program(), u"sskestys/notes.txt"_qs, "the user's");
    const auto before = snapshot();
    FaultyFileSystem locked(fs);
    locked.writable = false;
    fake.platform().fileSystem = &locked;

    trigger(names::mnuCopy);
    QSignalSpy closed(&copy(), &CopyController::panelClosed);
    QTest::mouseClick(copy().panel().cmdCopy, Qt::LeftButton);
    ASSERT_EQ(closed.size(), 1) << "nothing to wait for: the folder was refused";
    ASSERT_EQ(fake.dialogs.boxes.size(), 1) << boxTexts().join(u"\n---\n"_qs).toStdString();
    EXPECT_TRUE(boxTexts().first().startsWith(u"Unable to create the folder\r\n"_qs));
    EXPECT_EQ(locked.copiesBegun, 0);
    EXPECT_EQ(state.disc.photoRoot, u"E:"_qs);
    EXPECT_TRUE(main->isEnabled());

    fake.dialogs.boxes.clear();
    PlayListWindow& window = openPlayList();
    QTest::mouseClick(window.controls().add, Qt::LeftButton);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER060"_qs});
    EXPECT_FALSE(boxTexts().join(u' ').contains(u"Successfully"_qs));
    EXPECT_TRUE(window.controls().add->isEnabled()) << "the photo is not in the list";
    EXPECT_EQ(snapshot(), before);
}

TEST_F(HostileFolder, StrangeEntriesInThePlayListFolderAreRemovedOrBreakItsWindows)
{
    // What else may lie there: a folder with a photograph's name, an empty and a damaged picture,
    // the user's own notes.
    QDir().mkpath(program(u"sskestys/53A.JPG"_qs));
    writeHostFile(program(), u"sskestys/53A.JPG/inside.txt"_qs, "kept");
    writeHostFile(program(), u"sskestys/57A.JPG"_qs, "");
    writeHostFile(program(), u"sskestys/60B.jpg"_qs, "not a picture");
    writeHostFile(program(), u"sskestys/notes.txt"_qs, "the user's");

    trigger(names::mnuSaver);
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
    PlayListWindow& window = openPlayList();
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty()) << boxTexts().join(u"\n---\n"_qs).toStdString();
    EXPECT_FALSE(window.controls().picture1->pixmap().isNull()) << "the photograph comes from the disc";

    QTest::mouseClick(window.controls().removeAll, Qt::LeftButton);
    EXPECT_TRUE(errorCodesShown().isEmpty()) << boxTexts().join(u"\n---\n"_qs).toStdString();
    EXPECT_FALSE(QFileInfo::exists(program(u"sskestys/57A.JPG"_qs)));
    EXPECT_FALSE(QFileInfo::exists(program(u"sskestys/60B.jpg"_qs)));
    EXPECT_TRUE(QFileInfo::exists(program(u"sskestys/53A.JPG/inside.txt"_qs))) << "a folder is no photograph";
    QFile notes(program(u"sskestys/notes.txt"_qs));
    ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
    EXPECT_EQ(notes.readAll(), QByteArray("the user's"));
}

TEST_F(HostileFolder, APlayListFolderThatIsAFileIsReplacedOrItsPhotoReportedAdded)
{
    writeHostFile(program(), u"sskestys"_qs, "someone else's file");
    const auto before = snapshot();
    PlayListWindow& window = openPlayList();
    QTest::mouseClick(window.controls().add, Qt::LeftButton);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER060"_qs});
    EXPECT_EQ(snapshot(), before);
}

} // namespace
} // namespace kestrane::test
