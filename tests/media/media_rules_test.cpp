#include "media/movie_table.h"
#include "media/sound_table.h"
#include "platform/codec_installer.h"
#include "platform/fakes/fake_platform.h"

#include <gtest/gtest.h>

using namespace kestrane;

TEST(CodecInstaller, TheHelperIsAskedForAnotherDecoderOrIsNotTheOneNamed)
{
    struct Case
    {
        const char* helperVariable; // nullptr: unset
        quintptr transientFor;
        QString program;
        QStringList arguments;
    };
    const QString detail = u"gstreamer|1.0|kestrane-omnivar|Intel Indeo Video 5 decoder|"
                           u"decoder-video/x-indeo, indeoversion=(int)5"_qs;
    const Case cases[] = {
        {nullptr, 0, u"/usr/libexec/gst-install-plugins-helper"_qs, {detail}},
        {nullptr, 4242, u"/usr/libexec/gst-install-plugins-helper"_qs, {u"--transient-for=4242"_qs, detail}},
        {"/opt/helper", 0, u"/opt/helper"_qs, {detail}},
    };
    const QByteArray saved = qgetenv("GST_INSTALL_PLUGINS_HELPER");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program.toStdString());
        if (c.helperVariable)
            qputenv("GST_INSTALL_PLUGINS_HELPER", c.helperVariable);
        else
            qunsetenv("GST_INSTALL_PLUGINS_HELPER");
        const CodecInstallerCommand command = codecInstallerCommand(
            QString::fromUtf16(kApplicationId), QString::fromUtf16(kMovieDecoderDescription),
            QString::fromUtf16(kMovieDecoderCaps), c.transientFor);
        EXPECT_EQ(command.program, c.program);
        EXPECT_EQ(command.arguments, c.arguments);
    }
    if (saved.isNull())
        qunsetenv("GST_INSTALL_PLUGINS_HELPER");
    else
        qputenv("GST_INSTALL_PLUGINS_HELPER", saved);
}

TEST(MediaTables, AnIndexOffTheTablesReadsPastThem)
{
    for (int index : {-1, int(kMovies.size())})
        EXPECT_TRUE(moviePath(u"E:\\movies\\"_qs, index).isEmpty()) << index;
    for (int index : {-1, int(kSounds.size())})
        EXPECT_TRUE(soundPath(u"E:"_qs, index).isEmpty()) << index;
    EXPECT_EQ(moviePath(u"E:\\movies\\"_qs, 1), u"E:\\movies\\97C5Intro.avi"_qs);
}

TEST(MovieFolder, AProgramFolderCopyIsIgnoredOrAnEmptyOneIsUsed)
{
    FakePlatform fake;
    fake.addDrive(u'E');
    const QString copies = fake.programFolder() + u"\\movies\\"_qs;
    EXPECT_EQ(movieFolder(fake.fileSystem, u"E:"_qs), u"E:\\movies\\"_qs);
    writeHostFile(fake.programFolder(), u"movies/notes.txt"_qs);
    EXPECT_EQ(movieFolder(fake.fileSystem, u"E:"_qs), u"E:\\movies\\"_qs);
    // Names are matched without regard to case, as on the disc's own file system.
    writeHostFile(fake.programFolder(), u"movies/LS1.AVI"_qs);
    EXPECT_EQ(movieFolder(fake.fileSystem, u"E:"_qs), copies);

    // A copy cut short holds only some movies: the others still play from the disc.
    EXPECT_EQ(movieSource(fake.fileSystem, copies, u"E:"_qs, 7), copies + u"ls1.avi"_qs);
    EXPECT_EQ(movieSource(fake.fileSystem, copies, u"E:"_qs, 6), u"E:\\movies\\lemans.avi"_qs);
}
