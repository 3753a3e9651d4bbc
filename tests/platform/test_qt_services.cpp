#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_video_player.h"

#include <QCoreApplication>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kestrane;

TEST(SingleInstance, ASecondCopyIsRefusedAndADeadCopysLockIsTakenOver)
{
    QTemporaryDir dir;
    const QString lock = dir.path() + u"/omnivar.lock"_qs;
    QtAppControl first(lock);
    ASSERT_TRUE(first.acquireSingleInstance());
    QtAppControl second(lock);
    EXPECT_FALSE(second.acquireSingleInstance());

    // A copy that crashed leaves its lock behind, naming a process that no longer exists.
    QTemporaryDir dir2;
    const QString stale = dir2.path() + u"/omnivar.lock"_qs;
    QFile file(stale);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("999999\nkestrane-omnivar\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    file.close();
    QtAppControl third(stale);
    EXPECT_TRUE(third.acquireSingleInstance());
}

TEST(SettingsStore, ValuesSurviveInTheUsersConfigurationFolder)
{
    // XDG_CONFIG_HOME is read once per process; this test owns it for this binary.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QtSettingsStore store;
    const QString app = u"The Kestrane Omnivar 2002"_qs;
    EXPECT_EQ(store.value(app, u"Settings"_qs, u"MainLeft"_qs, u"0"_qs), u"0"_qs);
    store.setValue(app, u"Settings"_qs, u"MainLeft"_qs, u"1500"_qs);
    EXPECT_EQ(QtSettingsStore().value(app, u"Settings"_qs, u"MainLeft"_qs, u"0"_qs), u"1500"_qs);
    EXPECT_TRUE(QFile::exists(config.path() + u"/The Kestrane Omnivar 2002.ini"_qs));
    store.remove(app, u"Settings"_qs, u"MainLeft"_qs);
    EXPECT_EQ(store.value(app, u"Settings"_qs, u"MainLeft"_qs, u"7"_qs), u"7"_qs);

    // A file cut short in the middle of a line, or damaged by stray bytes: what is whole is still
    // read, the rest reads as the default, and reading changes nothing.
    const QString path = config.path() + u"/The Kestrane Omnivar 2002.ini"_qs;
    for (const QByteArray& damaged : {QByteArray("[Settings]\nMainTop=900\nMainLe"),
                                      QByteArray("[Settings]\nMainTop=900\n\0\xff\xfe[\n=\nMainLeft", 32)}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
        file.close();
        EXPECT_EQ(store.value(app, u"Settings"_qs, u"MainTop"_qs, u"0"_qs), u"900"_qs);
        EXPECT_EQ(store.value(app, u"Settings"_qs, u"MainLeft"_qs, u"0"_qs), u"0"_qs);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), damaged);
    }
}

TEST(PrinterFallback, FileNamesFromCaptionsAreSafe)
{
    EXPECT_EQ(pdfFileNameFor(u"The Kestrane Omnivar     1957 Statistics"_qs),
              u"The Kestrane Omnivar 1957 Statistics.pdf"_qs);
    EXPECT_EQ(pdfFileNameFor(u"a/b\\c:d*e?"_qs), u"a b c d e.pdf"_qs);
    EXPECT_EQ(pdfFileNameFor(u"  "_qs), u"Printout.pdf"_qs);
}

TEST(PrinterFallback, WithoutAPrinterAJobBecomesAPdfThatNeverOverwrites)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QtPrinter printer;
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(printer.begin(u"The Kestrane Omnivar     Test"_qs));
        QPainter painter(printer.device());
        painter.drawText(100, 100, u"page one"_qs);
        ASSERT_TRUE(printer.newPage());
        painter.drawText(100, 100, u"page two"_qs);
        painter.end();
        ASSERT_TRUE(printer.end());
        EXPECT_EQ(printer.pagesPrinted(), 2);
        ASSERT_FALSE(printer.outputFile().isEmpty());
        EXPECT_TRUE(QFile::exists(printer.outputFile()));
        EXPECT_TRUE(printer.outputFile().startsWith(home.path()));
    }
    EXPECT_TRUE(printer.outputFile().endsWith(u"Test (2).pdf"_qs));
}

TEST(PrinterFallback, AbortedPdfJobLeavesItsHalfDrawnFile)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QtPrinter printer;
    ASSERT_TRUE(printer.begin(u"Aborted"_qs));
    const QString aborted = printer.outputFile();
    QPainter painter(printer.device());
    painter.drawText(100, 100, u"half a page"_qs);
    painter.end();
    ASSERT_TRUE(QFile::exists(aborted)) << "the writer made no file: the abort below would prove nothing";
    printer.abort();
    EXPECT_FALSE(QFile::exists(aborted));
}

TEST(VideoPlayer, AMissingOrUnreadableMovieFailsToOpenAndNothingPlays)
{
    QTemporaryDir dir;
    QtVideoPlayer player;
    EXPECT_NE(player.surface(), nullptr);
    EXPECT_FALSE(player.open(QString()));
    EXPECT_FALSE(player.open(dir.path() + u"/none.avi"_qs));
    EXPECT_FALSE(player.open(dir.path())); // a folder is no movie
    player.play();                         // nothing open: nothing happens
    EXPECT_FALSE(player.isPlaying());
    player.close();
    player.close(); // closing twice is harmless
}

TEST(RunAndWait, AProgramThatCannotStartCountsAsRunOrTheWaitFreezesTheWindow)
{
    QtProcesses processes;
    int exitCode = -1;
    EXPECT_FALSE(processes.runAndWait(u"/nonexistent/helper"_qs, {}, &exitCode));
    EXPECT_FALSE(processes.runAndWait(u"kestrane-no-such-program"_qs, {}, &exitCode));

    // A program that reads its input is not left waiting for it.
    ASSERT_TRUE(processes.runAndWait(u"/bin/sh"_qs, {u"-c"_qs, u"read line; exit 4"_qs}, &exitCode));
    EXPECT_EQ(exitCode, 4);

    // Events go on while the program runs: the program ends only when a timer of ours, set before
    // the wait, has fired and told it to through a pipe.
    QTemporaryDir dir;
    const QString go = dir.path() + u"/go"_qs;
    ASSERT_EQ(::mkfifo(QFile::encodeName(go).constData(), 0600), 0);
    bool firedDuringWait = false;
    QTimer::singleShot(0, [&] {
        firedDuringWait = true;
        QFile pipe(go);
        if (pipe.open(QIODevice::WriteOnly))
            pipe.write("go\n");
    });
    ASSERT_TRUE(
        processes.runAndWait(u"/bin/sh"_qs, {u"-c"_qs, u"read line < \"$0\"; exit 3"_qs, go}, &exitCode));
    EXPECT_TRUE(firedDuringWait);
    EXPECT_EQ(exitCode, 3);
}
