#include "platform/fakes/fake_platform.h"
#include "platform/file_system.h"
#include "platform/qt/qt_platform.h"
#include "shell/command_line.h"
#include "shell/startup.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kestrane;
using Action = CommandLineRequest::Action;

namespace {

CommandLineRequest parse(const QStringList& arguments)
{
    return parseCommandLine(QStringList{u"/usr/bin/kestrane-omnivar"_qs} + arguments);
}

} // namespace

TEST(CommandLine, MistakesEndWithStatusTwoAndSayWhatWasWrong)
{
    QTemporaryDir dir;
    const QString file = writeHostFile(dir.path(), u"disc.iso"_qs);
    const struct
    {
        QStringList arguments;
        const char* says;
    } cases[] = {
        {{u"--disc"_qs, dir.path() + u"/missing"_qs}, "does not exist"},
        {{u"--disc"_qs, file}, "is neither a folder nor a disc image"},
        {{file}, "is neither a folder nor a disc image"},
        {{u"--disc"_qs, QString()}, "does not exist"},
        {{u"--disc"_qs}, "Missing value after '--disc'"},
        {{u"--dsic"_qs, dir.path()}, "Unknown option 'dsic'"},
    };
    for (const auto& c : cases) {
        const CommandLineRequest request = parse(c.arguments);
        const std::string what = c.arguments.join(u' ').toStdString();
        EXPECT_EQ(request.action, Action::Fail) << what;
        EXPECT_EQ(request.exitCode, 2) << what;
        EXPECT_TRUE(request.output.startsWith(u"kestrane-omnivar: "_qs)) << what;
        EXPECT_TRUE(request.output.contains(QString::fromLatin1(c.says))) << request.output.toStdString();
    }
}

TEST(CommandLine, HwiAndTheToolkitsOwnOptionsAreLeftAlone)
{
    const QStringList runs[] = {
        {},
        {u"HWI"_qs},
        {u"hwi"_qs},
        {u"HWI "_qs},
        {u"-platform"_qs, u"offscreen"_qs},
        {u"-style"_qs, u"fusion"_qs, u"-reverse"_qs},
    };
    for (const QStringList& arguments : runs) {
        const CommandLineRequest request = parse(arguments);
        EXPECT_EQ(request.action, Action::Run) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(request.discFolder.isEmpty());
    }
    // The whole-command-line rule still decides HWI: an option beside it is no HWI.
    EXPECT_TRUE(isHwiCommandLine({u"HWI"_qs}));
    EXPECT_FALSE(isHwiCommandLine({u"--disc"_qs, u"/d"_qs, u"HWI"_qs}));
}

TEST(CommandLine, ARelativeDiscFolderBecomesDriveDOfTheQtPlatform)
{
    QTemporaryDir dir;
    writeHostFile(dir.path(), u"KESTRANES/57A.JPG"_qs);
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const CommandLineRequest request = parse({u"--disc"_qs, u"."_qs});
    QDir::setCurrent(cwd);
    ASSERT_EQ(request.action, Action::Run);
    EXPECT_EQ(request.discFolder, QDir(dir.path()).canonicalPath());

    qputenv("KESTRANE_DRIVES", "D=/nowhere;E=/elsewhere");
    QtPlatform platform(request.discFolder);
    qunsetenv("KESTRANE_DRIVES");
    EXPECT_EQ(platform.platform().fileSystem->dir(QString::fromUtf16(kPhotoProbe).prepend(u"D:"_qs)),
              u"57A.JPG"_qs);
    bool notReady = false;
    platform.platform().fileSystem->dir(u"E:\\kestranes\\*.jpg"_qs, &notReady);
    EXPECT_TRUE(notReady); // --disc replaces the whole drive map
}

// The installed binary, as a user runs it from a terminal.
struct Terminal
{
    int exitCode = -1;
    QString out;
    QString err;
};

Terminal runProgram(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"QT_QPA_PLATFORM"_qs); // none of these may need a display
    env.remove(u"DISPLAY"_qs);
    env.remove(u"WAYLAND_DISPLAY"_qs);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KESTRANE_EXECUTABLE), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(CommandLineProcess, HelpVersionAndABadDiscAnswerOnTheTerminalWithoutADisplay)
{
    const Terminal help = runProgram({u"--help"_qs});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(u"Usage: kestrane-omnivar [options] [HWI] [path]"_qs))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains(u"--disc <path>"_qs));
    EXPECT_FALSE(help.out.contains(u"platform"_qs)); // the toolkit's options stay out of the help

    const Terminal version = runProgram({u"--version"_qs});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, u"kestrane-omnivar "_qs + QStringLiteral(KESTRANE_VERSION) + u'\n');

    const Terminal bad = runProgram({u"--disc"_qs, u"/no/such/disc"_qs});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_TRUE(bad.err.startsWith(u"kestrane-omnivar: --disc: \"/no/such/disc\" does not exist."_qs))
        << bad.err.toStdString();
}

TEST(CommandLine, ABareDiscImageOpensAsDriveD)
{
    // What the file manager's "Open With" and the desktop entry pass: the image's path alone.
    QTemporaryDir dir;
    writeHostFile(dir.path(), u"disc/KESTRANES/57A.JPG"_qs);
    const QString image = dir.path() + u"/disc.iso"_qs;
    ASSERT_EQ(QProcess::execute(u"genisoimage"_qs,
                                {u"-quiet"_qs, u"-J"_qs, u"-o"_qs, image, dir.path() + u"/disc"_qs}),
              0);
    const CommandLineRequest request = parse({image});
    ASSERT_EQ(request.action, Action::Run);
    EXPECT_EQ(request.discFolder, image);
    EXPECT_TRUE(parse({u"no-such-word"_qs}).discFolder.isEmpty()); // other words are ignored as before

    QtPlatform platform(request.discFolder);
    EXPECT_EQ(platform.platform().fileSystem->dir(QString::fromUtf16(kPhotoProbe).prepend(u"D:"_qs)),
              u"57A.JPG"_qs);
}
