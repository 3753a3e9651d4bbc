#include "platform/fakes/fake_platform.h"
#include "shell/startup.h"
#include "state/app_context.h"

#include <gtest/gtest.h>

#include <QDir>

using namespace kestrane;

namespace {

void putDisc(const QString& folder)
{
    writeHostFile(folder, u"kestranes/57A.JPG"_qs);
}

struct Startup : ::testing::Test
{
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform(), nullptr};
    QStringList calls;
    StartupSteps steps;

    Startup()
    {
        steps.unloadSplash = [this] { calls << u"unload"_qs; };
        steps.playStartupSound = [this](const QString& path) { calls << u"sound "_qs + path; };
        steps.startSplashTimer = [this] { calls << u"timer"_qs; };
        steps.loadPhotoCatalogue = [this] { calls << u"catalogue"_qs; };
    }

    StartupResult run(const QStringList& args = {}) { return runStartupSequence(context, args, steps); }
};

} // namespace

TEST_F(Startup, DriveDWinsOverALaterDriveAndPhotosComeFromTheDisc)
{
    putDisc(fake.addDrive(u'D'));
    putDisc(fake.addDrive(u'G'));
    ASSERT_EQ(run(), StartupResult::Ready);
    EXPECT_EQ(state.disc.cdRoot, u"D:"_qs);
    EXPECT_EQ(state.disc.photoRoot, u"D:"_qs);
    EXPECT_EQ(state.errors.currentErrorCode, u"ER055"_qs); // no passby.wav in the program folder
    EXPECT_EQ(state.disc.editionSwitch, 0);
    EXPECT_EQ(state.disc.initialSelectionFlag, kTrue);
    EXPECT_EQ(calls, (QStringList{u"timer"_qs, u"catalogue"_qs}));
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
}

TEST_F(Startup, DrivesThatAreNotReadyOrEmptyAreSkipped)
{
    fake.mapDrive(u'D', fake.root() + u"/no-such-folder"_qs);       // not ready
    fake.addDrive(u'E');                                            // ready, but another disc
    writeHostFile(fake.addDrive(u'F'), u"kestranes/readme.txt"_qs); // no photographs
    putDisc(fake.addDrive(u'K'));
    ASSERT_EQ(run(), StartupResult::Ready);
    EXPECT_EQ(state.disc.cdRoot, u"K:"_qs);
}

TEST_F(Startup, LettersBeforeDAreNeverProbed)
{
    putDisc(fake.addDrive(u'C'));
    putDisc(fake.addDrive(u'Z'));
    ASSERT_EQ(run(), StartupResult::Ready);
    EXPECT_EQ(state.disc.cdRoot, u"Z:"_qs);
}

TEST_F(Startup, PhotographsInTheProgramFolderAreUsedButTheDiscIsStillRequired)
{
    putDisc(fake.programFolder());
    fake.dialogs.answerNext(MsgCancel);
    EXPECT_EQ(run(), StartupResult::Ended);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    EXPECT_TRUE(
        fake.dialogs.boxes.first().text.contains(u" Unable to detect the Kestrane Omnivar CDROM."_qs));
    EXPECT_EQ(calls, QStringList{u"unload"_qs});
}

TEST_F(Startup, AnIncompleteCopyInTheProgramFolderHidesPhotographsOfTheDisc)
{
    // The program folder holds 57A.JPG; the list beside it decides whether that is the whole set.
    const struct
    {
        const char* list; // nullptr: no list at all (a copy cut short or failed)
        bool fromProgramFolder;
    } rows[] = {
        {nullptr, false},
        {"57A.JPG\t3\n", true},
        {"57A.JPG\t3\n57B.JPG\t3\n", false}, // names a photograph that never arrived
        {"57A.JPG\t999\n", false},           // the copy's length differs
        {"57A.JPG\t3", true},                // no newline at the end
        {"", false},
        {"\xff\xfe garbage", false},
        {"..\t3\n", false},
    };
    for (const auto& row : rows) {
        FakePlatform other;
        AppState s;
        AppContext c{s, other.platform(), nullptr};
        writeHostFile(other.programFolder(), u"kestranes/57A.JPG"_qs, "abc");
        if (row.list)
            writeHostFile(other.programFolder(), u"kestranes/copied.lst"_qs, row.list);
        putDisc(other.addDrive(u'E'));
        ASSERT_EQ(runStartupSequence(c, {}, {}), StartupResult::Ready);
        EXPECT_EQ(s.disc.cdRoot, u"E:"_qs);
        EXPECT_EQ(s.disc.photoRoot, row.fromProgramFolder ? other.programFolder() : u"E:"_qs)
            << (row.list ? row.list : "no list");
        EXPECT_TRUE(other.dialogs.boxes.isEmpty());
    }
}

TEST_F(Startup, HiddenPartialCopiesOfAnEndedProgramStayInTheProgramFolder)
{
    putDisc(fake.addDrive(u'E'));
    writeHostFile(fake.programFolder(), u"kestranes/.57A.JPG.part-4242-0"_qs, "half");
    writeHostFile(fake.programFolder(), u"movies/.CAR.AVI.part-4242-1"_qs, "half");
    writeHostFile(fake.programFolder(), u"kestranes/57B.JPG"_qs, "kept");
    ASSERT_EQ(run(), StartupResult::Ready);
    EXPECT_EQ(QDir(fake.programFolder() + u"/kestranes"_qs).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"57B.JPG"_qs});
    EXPECT_TRUE(QDir(fake.programFolder() + u"/movies"_qs).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(Startup, RetryAfterTheDiscAppearsGoesOn)
{
    const QString drive = fake.addDrive(u'E');
    int boxes = 0;
    fake.dialogs.onBox = [&](const MessageBoxRequest& box) {
        EXPECT_EQ(box.buttons, MsgButtons::RetryCancel);
        if (++boxes == 2)
            putDisc(drive); // the user inserts the disc before the second Retry
    };
    fake.dialogs.answerNext(MsgRetry);
    fake.dialogs.answerNext(MsgRetry);
    ASSERT_EQ(run(), StartupResult::Ready);
    EXPECT_EQ(boxes, 2);
    EXPECT_EQ(state.disc.cdRoot, u"E:"_qs);
    EXPECT_EQ(state.errors.lastErrorAnswer, u"4"_qs);
    EXPECT_FALSE(fake.app.ended);
    EXPECT_EQ(calls, (QStringList{u"unload"_qs, u"unload"_qs, u"timer"_qs, u"catalogue"_qs}));
}

TEST_F(Startup, OnlyTheExactArgumentHwiSkipsTheSearch)
{
    ASSERT_EQ(run({u"HWI"_qs}), StartupResult::Ready);
    EXPECT_EQ(state.disc.cdRoot, fake.programFolder());
    EXPECT_EQ(state.disc.photoRoot, fake.programFolder());
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());

    for (const QStringList& args :
         {QStringList{u"hwi"_qs}, QStringList{u"HWI "_qs}, QStringList{u"HWI"_qs, u"x"_qs}}) {
        FakePlatform other;
        AppState s;
        AppContext c{s, other.platform(), nullptr};
        other.dialogs.answerNext(MsgCancel);
        EXPECT_EQ(runStartupSequence(c, args, {}), StartupResult::Ended) << args.join(u'|').toStdString();
        EXPECT_EQ(other.dialogs.boxes.size(), 1);
    }
}

TEST_F(Startup, StartupSoundPlaysFromTheProgramFolderWhenPresent)
{
    putDisc(fake.addDrive(u'D'));
    writeHostFile(fake.programFolder(), u"PassBy.WAV"_qs); // any letter case
    ASSERT_EQ(run(), StartupResult::Ready);
    const QString sound = fake.programFolder() + u"\\passby.wav"_qs;
    EXPECT_EQ(state.disc.currentSoundFile, sound);
    EXPECT_EQ(state.errors.currentErrorCode, u"ER001"_qs);
    EXPECT_EQ(calls.first(), u"sound "_qs + sound);
}

TEST_F(Startup, AnInstalledProgramFindsItsStartupSoundInItsDataFolder)
{
    putDisc(fake.addDrive(u'D'));
    const QString data = fake.root() + u"/share"_qs;
    fake.fileSystem.setDataFolder(data);
    writeHostFile(data, u"passby.wav"_qs);
    ASSERT_EQ(run(), StartupResult::Ready);
    EXPECT_EQ(state.disc.currentSoundFile, data + u"\\passby.wav"_qs);
    EXPECT_EQ(calls.first(), u"sound "_qs + data + u"\\passby.wav"_qs);

    // The program folder's own copy wins, as it always did.
    writeHostFile(fake.programFolder(), u"passby.wav"_qs);
    EXPECT_EQ(startupSoundFile(fake.fileSystem), fake.programFolder() + u"\\passby.wav"_qs);
}

TEST_F(Startup, ASecondCopyIsRefused)
{
    fake.app.otherCopyRunning = true;
    putDisc(fake.addDrive(u'D'));
    EXPECT_EQ(run(), StartupResult::AlreadyRunning);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    const MessageBoxRequest& box = fake.dialogs.boxes.first();
    EXPECT_EQ(box.text, u"The Kestrane Omnivar is already running!"_qs);
    EXPECT_EQ(box.title, u"The Kestrane Omnivar 2002"_qs);
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_TRUE(box.systemModal);
    EXPECT_EQ(calls, QStringList{u"unload"_qs});
    EXPECT_TRUE(state.disc.cdRoot.isEmpty());
}

TEST(YearLists, FiftyEntriesWithoutNineteenEightyThreeEndingInZr1)
{
    QStringList years = yearListEntries();
    ASSERT_EQ(years.size(), 50);
    EXPECT_EQ(years.first(), u"1953"_qs);
    EXPECT_EQ(years.at(29), u"1982"_qs);
    EXPECT_EQ(years.at(30), u"1984"_qs);
    EXPECT_EQ(years.at(45), u"1999"_qs);
    EXPECT_EQ(years.at(46), u"2000"_qs);
    EXPECT_EQ(years.at(48), u"2002"_qs);
    EXPECT_EQ(years.last(), u"ZR-1"_qs);
    EXPECT_FALSE(years.contains(u"1983"_qs));
    EXPECT_EQ(years.removeDuplicates(), 0);
}

TEST(ScreenResolution, OnlyExactlyEightHundredBySixHundredSmallFontsIsOptimum)
{
    const struct
    {
        int w, h, twips;
        bool optimum;
    } rows[] = {
        {800, 600, 15, true},
        {800, 600, 12, false}, // large fonts
        {1024, 768, 15, false},
        {640, 480, 15, false},
    };
    for (const auto& row : rows) {
        FakeScreen screen;
        screen.widthPixels = row.w;
        screen.heightPixels = row.h;
        screen.twipsPerPixel = row.twips;
        EXPECT_EQ(IsScreenResolution(screen, 800, 600), row.optimum)
            << row.w << 'x' << row.h << '@' << row.twips;
        const MainWindowSizing sizing = mainWindowSizing(screen);
        EXPECT_EQ(sizing.optimumScreen, row.optimum);
        EXPECT_EQ(sizing.widthTwips, 11994);
        EXPECT_EQ(sizing.heightTwips, 9100);
    }
    FakeScreen screen;
    EXPECT_FALSE(IsScreenResolution(screen, 2147483647, 600)); // no overflow into a false match
}

TEST_F(Startup, NoDiscOffersToOpenOneAndTheChoiceThatHoldsItIsTriedFirstNextTime)
{
    const QString other = fake.root() + u"/other-disc"_qs;
    writeHostFile(other, u"readme.txt"_qs);
    const QString disc = fake.root() + u"/copied-disc"_qs;
    putDisc(disc);
    // First a folder of another disc (ER001 again), then the disc itself.
    fake.dialogs.answerNext(MsgExtra);
    fake.dialogs.answerNext(MsgExtra);
    fake.dialogs.discLocations = {other, disc};
    ASSERT_EQ(run(), StartupResult::Ready);
    ASSERT_EQ(fake.dialogs.boxes.size(), 2);
    EXPECT_EQ(fake.dialogs.boxes.first().extraButton, u"Open Disc Image or Folder..."_qs);
    EXPECT_EQ(fake.dialogs.boxes.first().buttons, MsgButtons::RetryCancel);
    EXPECT_EQ(state.disc.cdRoot, disc);
    EXPECT_EQ(state.disc.photoRoot, disc);

    // The next start finds it without a box, even with a drive that holds the disc too.
    putDisc(fake.addDrive(u'D'));
    AppState next;
    AppContext nextContext{next, fake.platform(), nullptr};
    ASSERT_EQ(runStartupSequence(nextContext, {}, {}), StartupResult::Ready);
    EXPECT_EQ(next.disc.cdRoot, disc);
    EXPECT_EQ(fake.dialogs.boxes.size(), 2);
}
