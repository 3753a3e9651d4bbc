// A copy whose process is killed (SIGKILL) in the middle of a file: this test binary runs itself as
// the child that copies with the real file system into this test's program folder, and the next
// start over that folder must leave no partial file and lose no photograph.
#include "disk_fixture.h"

#include "disk/copy_manifest.h"
#include "disk/ui/copy_controller.h"
#include "media/movie_table.h"
#include "photos/photo_catalogue.h"
#include "shell/startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>
#include <cstdlib>

namespace kestrane::test {
namespace {

constexpr char kProgramVariable[] = "KESTRANE_KILL_PROGRAM";
constexpr char kKindVariable[] = "KESTRANE_KILL_KIND";
constexpr char kAfterVariable[] = "KESTRANE_KILL_AFTER";
constexpr char kCopyingLine[] = "copying ";

class KilledCopy : public DiskFixture
{
protected:
    // Runs the copy of the photos or movies in a child process, kills it once `after` files are
    // copied and the next one is partly written, and returns the source it was copying.
    QString copyAndKill(bool photos, int after)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kProgramVariable), fake.programFolder());
        env.insert(QString::fromLatin1(kKindVariable), photos ? u"photos"_qs : u"movies"_qs);
        env.insert(QString::fromLatin1(kAfterVariable), QString::number(after));
        env.insert(QString::fromLatin1(kDiscVariable), disc());
        // The child cannot clean up after a SIGKILL: its temporary files go below ours.
        const QString temporary = fake.root() + u"/child"_qs;
        QDir().mkpath(temporary);
        env.insert(u"TMPDIR"_qs, temporary);
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {u"--gtest_filter=KilledCopy.DISABLED_CopiesUntilKilled"_qs,
                     u"--gtest_also_run_disabled_tests"_qs});
        QString copying;
        while (copying.isEmpty() && (child.canReadLine() || child.waitForReadyRead(120'000))) {
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (line.startsWith(kCopyingLine))
                    copying = QString::fromUtf8(line.mid(qsizetype(sizeof(kCopyingLine)) - 1));
            }
        }
        const QString folder = program(photos ? u"kestranes"_qs : u"movies"_qs);
        partialFiles = hiddenFiles(folder);
        child.kill();
        child.waitForFinished();
        EXPECT_EQ(child.exitStatus(), QProcess::CrashExit) << "killed in the middle, not ended";
        return copying;
    }

    static QStringList hiddenFiles(const QString& folder)
    {
        return QDir(folder)
            .entryList(QDir::Files | QDir::Hidden | QDir::System)
            .filter(QRegularExpression(u"^\\."_qs));
    }

    // The next start of the program over the same program folder, up to its photo catalogue.
    void startAgain()
    {
        fake.mapDrive(u'E', disc());
        StartupSteps steps;
        steps.loadPhotoCatalogue = [this] { LoadPhotoArray(context); };
        ASSERT_EQ(runStartupSequence(context, {}, steps), StartupResult::Ready);
        EXPECT_TRUE(boxTexts().isEmpty()) << boxTexts().join(u"\n---\n"_qs).toStdString();
    }

    static QStringList discFiles(const QString& folder)
    {
        return QDir(disc() + u'/' + folder).entryList(QDir::Files, QDir::Name);
    }

    QStringList partialFiles; // in the target folder when the child was killed
};

// The child's part: the copy as the program runs it, held in the middle of the chosen file until
// the parent kills it.
TEST_F(KilledCopy, DISABLED_CopiesUntilKilled)
{
    const QString programFolder = qEnvironmentVariable(kProgramVariable);
    ASSERT_FALSE(programFolder.isEmpty()) << "run only by the tests below";
    const bool photos = qEnvironmentVariable(kKindVariable) == u"photos"_qs;
    const int after = qEnvironmentVariableIntValue(kAfterVariable);
    fake.fileSystem = HostFileSystem(DriveMap(), programFolder, fake.fileSystem.systemFolder());
    int begun = 0;
    fs.beforeCopy = [&](const QString&) { ++begun; };
    fs.duringCopy = [&](const QString& from, qint64 bytes) {
        if (begun <= after || bytes <= 0)
            return;
        std::printf("%s%s\n", kCopyingLine, qPrintable(from));
        std::fflush(stdout);
        // The parent never writes: this waits for its SIGKILL, or ends when the parent has gone.
        std::getchar();
        std::_Exit(3);
    };
    open();
    trigger(photos ? names::mnuCopy : names::mnuCopyMovies);
    QSignalSpy closed(&copy(), &CopyController::panelClosed);
    QTest::mouseClick(copy().panel().cmdCopy, Qt::LeftButton);
    closed.wait(120'000);
    FAIL() << "the copy ended before it was killed";
}

TEST_F(KilledCopy, PhotographsLeaveAPartialFileOrAreHiddenAtTheNextStart)
{
    const QStringList photos = discFiles(u"kestranes"_qs);
    ASSERT_GT(photos.size(), 4);
    for (const bool earlierCopy : {false, true}) {
        SCOPED_TRACE(earlierCopy ? "copying again over a complete copy" : "the first copy");
        if (earlierCopy) {
            // A whole set with its list, as a finished copy leaves it: copying again makes it no set.
            QList<CopyItem> items;
            QDir().mkpath(program(u"kestranes"_qs));
            for (const QString& name : photos) {
                QFile::copy(disc() + u"/kestranes/"_qs + name, program(u"kestranes/"_qs + name));
                items.append(
                    {u"E:\\kestranes\\"_qs + name, fake.programFolder() + u"\\kestranes\\"_qs + name});
            }
            ASSERT_TRUE(writeCopyManifest(fake.fileSystem, fake.programFolder() + u"\\kestranes"_qs, items));
        }
        const QString copying = copyAndKill(true, 3);
        ASSERT_EQ(copying, u"E:\\kestranes\\"_qs + photos.at(3));
        ASSERT_FALSE(partialFiles.isEmpty()) << "the kill came in the middle of a file";

        state = AppState();
        fake.dialogs.boxes.clear();
        startAgain();
        EXPECT_TRUE(hiddenFiles(program(u"kestranes"_qs)).isEmpty()) << partialFiles.join(u' ').toStdString();
        EXPECT_EQ(state.disc.photoRoot, u"E:"_qs) << "a copy cut short is not the set";
        ASSERT_EQ(state.photos.photoCount, photos.size()) << "every photograph is in the catalogue";
        for (int i = 1; i <= state.photos.photoCount; ++i)
            EXPECT_TRUE(state.photos.photoFiles.value(i).startsWith(u"E:\\kestranes\\"_qs)) << i;
        for (const QString& name : photos.mid(0, 3))
            EXPECT_EQ(QFileInfo(program(u"kestranes/"_qs + name)).size(),
                      QFileInfo(disc() + u"/kestranes/"_qs + name).size())
                << "the files copied before the kill are whole";
    }
}

TEST_F(KilledCopy, MoviesLeaveAPartialFileOrStopPlayingFromTheDisc)
{
    const QStringList movies = discFiles(u"movies"_qs);
    ASSERT_GT(movies.size(), 2);
    ASSERT_FALSE(copyAndKill(false, 1).isEmpty());
    ASSERT_FALSE(partialFiles.isEmpty()) << "the kill came in the middle of a file";
    startAgain();
    EXPECT_TRUE(hiddenFiles(program(u"movies"_qs)).isEmpty()) << partialFiles.join(u' ').toStdString();
    const QString folder = movieFolder(fs, state.disc.cdRoot);
    EXPECT_EQ(folder, fake.programFolder() + u"\\movies\\"_qs) << "the one movie copied plays from the copy";
    for (int i = 0; i < int(kMovies.size()); ++i) {
        const QString file = QString::fromUtf16(kMovies[size_t(i)].file);
        if (!movies.contains(file, Qt::CaseInsensitive))
            continue;
        const QString source = movieSource(fs, folder, state.disc.cdRoot, i);
        EXPECT_EQ(fs.fileLength(source), QFileInfo(disc() + u"/movies/"_qs + file).size())
            << "whole, from the copy or the disc: " << source.toStdString();
    }
}

} // namespace
} // namespace kestrane::test
