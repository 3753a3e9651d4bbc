// The copy job on its thread and the platform underneath it: what a failure leaves behind, what
// an earlier copy becomes, and what the job tells the window.
#include "disk/copy_job.h"
#include "platform/fakes/fake_platform.h"
#include "platform/host_component_installer.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrane {
namespace {

// The job's thread may emit before the test starts waiting: a signal already seen counts.
bool seenOrWait(QSignalSpy& spy)
{
    return !spy.isEmpty() || spy.wait(10'000);
}

class CopyJobTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        disc = fake.addDrive(u'E');
        QDir().mkpath(fake.programFolder() + u"/movies"_qs);
    }

    QString target(const QString& name) const { return fake.programFolder() + u"/movies/"_qs + name; }
    QStringList leftovers() const
    {
        return QDir(fake.programFolder() + u"/movies"_qs)
            .entryList(QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot);
    }

    FakePlatform fake;
    QString disc;
};

TEST_F(CopyJobTest, FailedFileLeavesAPartialCopyOrStopsTheJob)
{
    writeHostFile(disc, u"movies/A.AVI"_qs, QByteArray(180'000, 'a'));
    writeHostFile(disc, u"movies/B.AVI"_qs, QByteArray(90'000, 'b'));
    writeHostFile(disc, u"movies/C.AVI"_qs, QByteArray(10, 'c'));
    // A folder where B's copy would go: writing succeeds, taking the name cannot.
    writeHostFile(fake.programFolder(), u"movies/B.AVI/keep"_qs);
    const QString program = fake.programFolder();
    CopyJob job(fake.fileSystem,
                {{u"E:\\movies\\A.AVI"_qs, program + u"\\movies\\A.AVI"_qs},
                 {u"E:\\movies\\B.AVI"_qs, program + u"\\movies\\B.AVI"_qs},
                 {u"E:\\movies\\C.AVI"_qs, program + u"\\movies\\C.AVI"_qs}},
                440'000'000);
    QSignalSpy started(&job, &CopyJob::fileStarted);
    QSignalSpy finished(&job, &CopyJob::finished);
    QStringList failures;
    int startedWhenFailed = -1;
    QObject::connect(&job, &CopyJob::fileFailed, &job,
                     [&](const QString& source, const QString&, const QString& reason) {
                         failures << source + u": "_qs + reason;
                         startedWhenFailed = int(started.size());
                         job.resume();
                     });
    job.start();
    ASSERT_TRUE(seenOrWait(finished));

    EXPECT_EQ(finished.first().at(0).toInt(), 2);
    EXPECT_EQ(finished.first().at(1).toInt(), 1);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures.first().startsWith(u"E:\\movies\\B.AVI: "_qs)) << failures.first().toStdString();
    EXPECT_GT(failures.first().size(), 20) << "the system's reason is given";
    EXPECT_EQ(startedWhenFailed, 2) << "the next file waits until the failure has been seen";
    EXPECT_EQ(started.size(), 3);
    EXPECT_EQ(QFileInfo(target(u"A.AVI"_qs)).size(), 180'000);
    EXPECT_EQ(QFileInfo(target(u"C.AVI"_qs)).size(), 10);
    EXPECT_EQ(leftovers(), (QStringList{u"A.AVI"_qs, u"B.AVI"_qs, u"C.AVI"_qs}))
        << "no partial copy under any name";
    EXPECT_TRUE(QFileInfo(target(u"B.AVI"_qs)).isDir());
}

TEST_F(CopyJobTest, EarlierLongerCopyKeepsItsTail)
{
    const QByteArray fresh(60'000, 'n');
    writeHostFile(disc, u"movies/A.AVI"_qs, fresh);
    writeHostFile(fake.programFolder(), u"movies/A.AVI"_qs, QByteArray(400'000, 'o'));
    CopyJob job(fake.fileSystem, {{u"E:\\movies\\a.avi"_qs, fake.programFolder() + u"\\movies\\A.AVI"_qs}},
                120'000'000);
    QSignalSpy progress(&job, &CopyJob::progress);
    QSignalSpy finished(&job, &CopyJob::finished);
    job.start();
    ASSERT_TRUE(seenOrWait(finished));
    QFile copy(target(u"A.AVI"_qs));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), fresh);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().at(0).toInt(), 100) << "the file's gauge ends full";
    EXPECT_EQ(progress.last().at(2).toLongLong(), 120'000'000 - 50'000) << "two full chunks counted off";
}

TEST_F(CopyJobTest, StoppedJobLeavesItsFileBehind)
{
    writeHostFile(disc, u"movies/BIG.AVI"_qs, QByteArray(8'000'000, 'b'));
    auto job = std::make_unique<CopyJob>(
        fake.fileSystem,
        QList<CopyItem>{{u"E:\\movies\\BIG.AVI"_qs, fake.programFolder() + u"\\movies\\BIG.AVI"_qs}},
        440'000'000);
    QSignalSpy started(job.get(), &CopyJob::fileStarted);
    job->start();
    ASSERT_TRUE(seenOrWait(started));
    job.reset(); // the program ends while it copies
    const QStringList left = leftovers();
    EXPECT_TRUE(left.isEmpty() || left == QStringList{u"BIG.AVI"_qs}) << left.join(u' ').toStdString();
    if (!left.isEmpty()) {
        EXPECT_EQ(QFileInfo(target(u"BIG.AVI"_qs)).size(), 8'000'000) << "only a whole copy takes the name";
    }
}

TEST_F(CopyJobTest, MissingSourceReportedWithoutAReason)
{
    QString reason;
    EXPECT_FALSE(fake.fileSystem.copyFile(u"E:\\movies\\NONE.AVI"_qs,
                                          fake.programFolder() + u"\\movies\\X.AVI"_qs, {}, &reason));
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_TRUE(leftovers().isEmpty());
}

TEST(ComponentInstaller, ScreenSaverNotRunnableOrNotListed)
{
    FakePlatform fake;
    const QString program = writeHostFile(fake.root(), u"build dir/kestrane-saver"_qs, "#!/bin/sh\n");
    HostComponentInstaller installer(fake.root() + u"/data/system"_qs, fake.root() + u"/data/screensavers"_qs,
                                     fake.root() + u"/build dir"_qs);
    EXPECT_EQ(installer.bundledProgram(u"kestrane-saver"_qs), program);
    EXPECT_TRUE(installer.bundledProgram(u"Kestrane2002.scr"_qs).isEmpty());

    QString reason;
    const QString installed = installer.installScreenSaver(
        program, u"Kestrane2002.scr"_qs, {u"kestrane2002"_qs, u"Kestrane2002"_qs, u"Photos"_qs}, &reason);
    ASSERT_EQ(installed, fake.root() + u"/data/system/Kestrane2002.scr"_qs) << reason.toStdString();
    EXPECT_TRUE(QFileInfo(installed).isExecutable());
    QFile entry(fake.root() + u"/data/screensavers/kestrane2002.desktop"_qs);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.startsWith(u"[Desktop Entry]\nType=Application\nName=Kestrane2002\n"_qs))
        << text.toStdString();
    EXPECT_TRUE(text.contains(u"\nExec="_qs + installed + u" -root\n"_qs)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"\nCategories=Screensaver;\n"_qs));

    EXPECT_TRUE(installer.installScreenSaver(fake.root() + u"/none"_qs, u"Kestrane2002.scr"_qs, {}, &reason)
                    .isEmpty());
    EXPECT_FALSE(reason.isEmpty());
    EXPECT_TRUE(QFileInfo(installed).isExecutable()) << "a failed installation keeps the earlier one";
}

TEST(ComponentInstaller, ExecArgumentBreaksOnBlanksOrQuotes)
{
    const std::vector<std::pair<const char*, const char*>> rows = {
        {"/usr/bin/saver", "/usr/bin/saver"},
        {"/home/a b/saver", "\"/home/a b/saver\""},
        {"/x/$HOME\"q\"/s", "\"/x/\\$HOME\\\"q\\\"/s\""},
        {"/x/back\\slash", "\"/x/back\\\\slash\""},
    };
    for (const auto& [argument, quoted] : rows)
        EXPECT_EQ(desktopExecArgument(QString::fromLatin1(argument)), QString::fromLatin1(quoted))
            << argument;
}

} // namespace
} // namespace kestrane
