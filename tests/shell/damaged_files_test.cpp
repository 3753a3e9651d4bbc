// The whole program started over files it finds damaged: its settings, its search cache, the
// about file, the play-list folder and a copy cut short. It starts, falls back or rebuilds without a
// word, and leaves alone every file it did not write itself.
#include "disk/ui/disk_operations.h"
#include "platform/fakes/fake_platform.h"
#include "search/ui/search_controller.h"
#include "shell/ui/application.h"
#include "shell/ui/main_window.h"
#include "shell/ui/splash_window.h"
#include "support/small_demo_disc.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

// Every file below a folder with its contents.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    const QDir root(folder);
    QStringList pending{folder};
    while (!pending.isEmpty()) {
        for (const QFileInfo& entry :
             QDir(pending.takeFirst())
                 .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            if (entry.isDir()) {
                pending << entry.filePath();
                continue;
            }
            QFile file(entry.filePath());
            files[root.relativeFilePath(entry.filePath())] =
                file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
        }
    }
    return files;
}

} // namespace

TEST(DamagedFiles, AProgramThatFindsItsFilesDamagedFailsToStartOrChangesWhatItDidNotWrite)
{
    // This test owns the user's cache folder of this binary.
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
    static const char kBroken[] = "KSIX\x01\x00\x00\x00\xff\xff\xff\x7f truncated";
    const QByteArray brokenCache(kBroken, sizeof(kBroken) - 1);
    const QString cacheFile =
        writeHostFile(cache.path(), u"kestrane-omnivar/search-index.dat"_qs, brokenCache);

    FakePlatform fake;
    fake.mapDrive(u'E', test::smallDemoDisc());
    // The one screen on which the saved placement is used.
    fake.screen.widthPixels = 800;
    fake.screen.heightPixels = 600;
    const QString settings = u"The Kestrane Omnivar 2002/Settings/"_qs;
    fake.settings.values[settings + u"MainLeft"_qs] = u"1e300"_qs;
    fake.settings.values[settings + u"MainTop"_qs] = u"nan"_qs;
    fake.settings.values[settings + u"MainWidth"_qs] = u"-40"_qs;
    fake.settings.values[settings + u"MainHeight"_qs] = u"\xff\xfe"_qs;
    const QString program = fake.programFolder();
    writeHostFile(program, u"about/about.ini"_qs, "[Maker]\nName=\"cut off in the mid");
    writeHostFile(program, u"sskestys/53A.JPG"_qs, "");
    writeHostFile(program, u"sskestys/57A.JPG/inside"_qs, "a folder by a photograph's name");
    writeHostFile(program, u"sskestys/notes.txt"_qs, "the user's");
    // A copy cut short: some photographs, no list of the set, a partial file.
    writeHostFile(program, u"kestranes/53A.JPG"_qs, "an earlier copy");
    writeHostFile(program, u"kestranes/.57A.JPG.part-77-0"_qs, "half");
    const auto before = snapshot(program);

    Application app(fake.platform());
    ASSERT_TRUE(app.start({}));
    app.splash()->timer()->setInterval(0);
    app.splash()->timer()->start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.mainWindow() != nullptr; }));
    MainWindow& main = *app.mainWindow();
    EXPECT_EQ(app.state().disc.photoRoot, u"E:"_qs) << "a copy without its list is not the photographs";
    EXPECT_GT(app.state().photos.photoCount, 1);
    const QRect placed = main.geometry();
    EXPECT_TRUE(placed.width() > 0 && placed.width() <= 800 && placed.height() > 0 && placed.height() <= 600)
        << placed.width() << " x " << placed.height();
    EXPECT_TRUE(QRect(0, 0, 800, 600).contains(placed.topLeft()));

    // The search rebuilds its index over the damaged cache, which is the program's own file.
    app.search()->showSearch();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            QFile file(cacheFile);
            return file.open(QIODevice::ReadOnly) && file.readAll() != brokenCache;
        },
        60'000));
    main.controls().menuItem(names::mnuSaver)->trigger();
    app.disk()->openPlayList();

    EXPECT_TRUE(fake.dialogs.boxes.isEmpty()) << fake.dialogs.boxes.first().text.toStdString();
    main.close();
    auto after = snapshot(program);
    auto expected = before;
    expected.remove(u"kestranes/.57A.JPG.part-77-0"_qs); // the program's own, left by its end
    EXPECT_EQ(after.keys(), expected.keys());
    EXPECT_TRUE(after == expected) << "no file it did not write is changed";
}
