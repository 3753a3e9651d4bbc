// The screen-saver program: what it draws, the order and pace of its photographs, and the
// settings it reads from the installer's store.
#include "disk/saver_rules.h"
#include "platform/host_file_system.h"
#include "platform/qt/qt_settings_store.h"
#include "saver_canvas.h"
#include "saver_show.h"
#include "saver_window.h"

#include <QDir>
#include <QKeyEvent>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace kestrane::saver {
namespace {

QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(SaverCanvas, PhotoStretchedOrCroppedInsteadOfBordered)
{
    SaverCanvas canvas;
    canvas.showPhoto(filled({200, 100}, Qt::red));
    const QImage frame = canvas.frame({100, 100});
    EXPECT_EQ(frame.pixelColor(50, 10), QColor(Qt::black)) << "border above";
    EXPECT_EQ(frame.pixelColor(50, 90), QColor(Qt::black)) << "border below";
    EXPECT_EQ(frame.pixelColor(50, 50), QColor(Qt::red));
    EXPECT_EQ(frame.pixelColor(1, 50), QColor(Qt::red)) << "the width is used to the edge";
    EXPECT_EQ(fitted({200, 100}, {100, 100}), QRect(0, 25, 100, 50));
    EXPECT_EQ(fitted({100, 200}, {400, 300}), QRect(125, 0, 150, 300));
}

TEST(SaverCanvas, CrossFadeNeverEnds)
{
    SaverCanvas canvas;
    canvas.showPhoto(filled({40, 30}, Qt::red));
    EXPECT_FALSE(canvas.fading()) << "the first photograph simply appears";
    canvas.showPhoto(filled({40, 30}, Qt::blue));
    ASSERT_TRUE(canvas.fading());
    const QColor between = canvas.frame({40, 30}).pixelColor(20, 15);
    EXPECT_GT(between.red(), 0);
    EXPECT_GT(between.blue(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!canvas.fading(), 5000);
    EXPECT_EQ(canvas.frame({40, 30}).pixelColor(20, 15), QColor(Qt::blue));
}

TEST(SaverCanvas, NothingToShowLeftBlack)
{
    SaverCanvas canvas;
    canvas.showMessage(u"No photos"_qs);
    const QImage frame = canvas.frame({320, 200});
    bool lit = false;
    for (int y = 0; y < frame.height() && !lit; ++y)
        for (int x = 0; x < frame.width() && !lit; ++x)
            lit = frame.pixelColor(x, y) != QColor(Qt::black);
    EXPECT_TRUE(lit);
}

TEST(SaverShow, PhotoSkippedRepeatedOrUnreadableOneShown)
{
    const QStringList photos = {u"a"_qs, u"bad"_qs, u"b"_qs, u"c"_qs};
    SaverShow show(photos, 10, [](const QString& path) {
        return path == u"bad" ? QImage() : filled({4, 3}, Qt::green);
    });
    QSignalSpy shown(&show, &SaverShow::photoShown);
    show.start();
    while (shown.size() < 5)
        ASSERT_TRUE(shown.wait(5000));
    QStringList order;
    for (const QList<QVariant>& signal : std::as_const(shown))
        order << signal.at(0).toString();
    EXPECT_EQ(order, (QStringList{u"a"_qs, u"b"_qs, u"c"_qs, u"a"_qs, u"b"_qs}));
    EXPECT_EQ(show.interval(), 10);

    SaverShow none({u"bad"_qs}, 10, [](const QString&) { return QImage(); });
    QSignalSpy nothing(&none, &SaverShow::nothingToShow);
    none.start();
    EXPECT_EQ(nothing.size(), 1);
    EXPECT_TRUE(none.isEmpty());
}

TEST(SaverWindow, UserReturnMissedOrRestingPointerTakenForIt)
{
    SaverCanvas canvas;
    SaverWindow window(canvas);
    QSignalSpy returned(&window, &SaverWindow::userReturned);
    window.resize(200, 150);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseMove(&window, {100, 75});
    QTest::mouseMove(&window, {103, 76});
    EXPECT_TRUE(returned.isEmpty()) << "where the pointer rests, and a tremor";
    QTest::mouseMove(&window, {140, 90});
    EXPECT_EQ(returned.size(), 1);
    QTest::keyClick(&window, Qt::Key_Shift);
    EXPECT_EQ(returned.size(), 2);
}

// The program itself, offscreen: it reads the installer's two settings and shows the photographs
// of the recorded folder in turn, one each interval.
class SaverProgram : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_config = new QTemporaryDir;
        // Before any settings are read in this process: the store looks here from now on.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(s_config->path()));
    }

    QStringList run(int lines)
    {
        QProcess saver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
        env.remove(u"XSCREENSAVER_WINDOW"_qs);
        // None of the program's drive letters: what was recorded must hold on its own.
        env.insert(u"KESTRANE_DRIVES"_qs, QString());
        saver.setProcessEnvironment(env);
        saver.start(QString::fromUtf8(KESTRANE_SAVER_PROGRAM), {u"-trace"_qs});
        EXPECT_TRUE(saver.waitForStarted(10'000));
        QStringList seen;
        while (seen.size() < lines) {
            if (!saver.canReadLine() && !saver.waitForReadyRead(15'000))
                break;
            while (saver.canReadLine() && seen.size() < lines)
                seen << QString::fromUtf8(saver.readLine()).trimmed();
        }
        saver.kill();
        saver.waitForFinished(5000);
        return seen;
    }

    static inline QTemporaryDir* s_config = nullptr;
    QtSettingsStore store;
};

TEST_F(SaverProgram, InstalledFolderOrIntervalIgnored)
{
    QTemporaryDir photos;
    QDir().mkpath(photos.path() + u"/sskestys"_qs);
    const std::pair<const char*, QColor> files[] = {
        {"A1C.jpg", Qt::blue}, {"57A.jpg", Qt::red}, {"60B.JPG", Qt::green}};
    for (const auto& [name, colour] : files)
        ASSERT_TRUE(filled({64, 48}, colour)
                        .save(photos.path() + u"/sskestys/"_qs + QString::fromLatin1(name), "JPG"));
    const QString folder = photos.path() + u"\\sskestys\\"_qs;
    writeSaverSettings(store, 1000, folder);

    const QStringList seen = run(5);
    ASSERT_EQ(seen.size(), 5) << seen.join(u" | "_qs).toStdString();
    EXPECT_EQ(seen[0], u"settings interval=1 folder="_qs + folder);
    EXPECT_EQ(seen.mid(1),
              (QStringList{u"show 57A.jpg"_qs, u"show 60B.JPG"_qs, u"show A1C.jpg"_qs, u"show 57A.jpg"_qs}))
        << "one photograph after another, by name, starting again after the last";
}

TEST_F(SaverProgram, PhotographsInADiscImageTheProgramWasGivenStillShow)
{
    QTemporaryDir work;
    QDir().mkpath(work.path() + u"/disc/kestranes"_qs);
    ASSERT_TRUE(filled({64, 48}, Qt::red).save(work.path() + u"/disc/kestranes/57A.jpg"_qs, "JPG"));
    ASSERT_TRUE(filled({64, 48}, Qt::blue).save(work.path() + u"/disc/kestranes/60B.JPG"_qs, "JPG"));
    const QString image = work.path() + u"/disc.iso"_qs;
    ASSERT_EQ(QProcess::execute(u"genisoimage"_qs,
                                {u"-quiet"_qs, u"-J"_qs, u"-o"_qs, image, work.path() + u"/disc"_qs}),
              0);
    // The program ran with the image as its drive D (--disc); the saver knows nothing of that.
    const HostFileSystem program(DriveMap::parse(u"D="_qs + image), work.path());
    const QString folder = program.lastingLocation(u"D:\\kestranes\\"_qs);
    EXPECT_EQ(folder, image + u"\\kestranes\\"_qs);
    writeSaverSettings(store, 1000, folder);

    const QStringList seen = run(3);
    ASSERT_EQ(seen.size(), 3) << seen.join(u" | "_qs).toStdString();
    EXPECT_EQ(seen.mid(1), (QStringList{u"show 57A.jpg"_qs, u"show 60B.JPG"_qs}));
}

TEST_F(SaverProgram, EmptyFolderShowsABlackScreen)
{
    QTemporaryDir empty;
    writeSaverSettings(store, 60000, empty.path() + u"/"_qs);
    const QStringList seen = run(2);
    ASSERT_EQ(seen.size(), 2) << seen.join(u" | "_qs).toStdString();
    EXPECT_EQ(seen[0], u"settings interval=60 folder="_qs + empty.path() + u"/"_qs);
    EXPECT_EQ(seen[1], u"message"_qs);
}

} // namespace
} // namespace kestrane::saver
