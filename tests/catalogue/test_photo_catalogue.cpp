#include "photos/photo_catalogue.h"
#include "platform/fakes/fake_platform.h"
#include "state/app_context.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace kestrane;

namespace {

struct Catalogue : ::testing::Test
{
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform()};
    QString disc = fake.addDrive(u'E');

    Catalogue()
    {
        state.disc.cdRoot = u"E:"_qs;
        state.disc.photoRoot = u"E:"_qs;
        QDir().mkpath(disc + u"/clipart"_qs);
        QDir().mkpath(disc + u"/kestranes"_qs);
    }

    void photos(const QStringList& names, const QString& folder = {})
    {
        for (const QString& name : names)
            writeHostFile(folder.isEmpty() ? disc : folder, u"kestranes/"_qs + name);
    }
    void clipArt(const QStringList& names)
    {
        for (const QString& name : names)
            writeHostFile(disc, u"clipart/"_qs + name);
    }
    // Entries 1..count without their folder.
    static QStringList names(const QStringList& files, int count)
    {
        QStringList result;
        for (int i = 1; i <= count; ++i)
            result << files[i].mid(files[i].lastIndexOf(u'\\') + 1);
        return result;
    }
};

} // namespace

TEST_F(Catalogue, AnyListingOrderEndsSortedByCharacterCodeAndNumberedPerCode)
{
    const struct
    {
        QStringList onDisc;
        QStringList sorted;
        QStringList numbers;
    } cases[] = {
        {{u"MS10.JPG"_qs, u"57A.JPG"_qs, u"A0B.JPG"_qs, u"AZ1.JPG"_qs},
         {u"57A.JPG"_qs, u"A0B.JPG"_qs, u"AZ1.JPG"_qs, u"MS10.JPG"_qs},
         {u"1"_qs, u"1"_qs, u"1"_qs, u"1"_qs}},
        {{u"58A.JPG"_qs, u"57B.JPG"_qs, u"57A.JPG"_qs},
         {u"57A.JPG"_qs, u"57B.JPG"_qs, u"58A.JPG"_qs},
         {u"1"_qs, u"2"_qs, u"1"_qs}},
        // Digits before letters, A0 < A1 < AZ, and the running number restarts after each code.
        {{u"EMB972.JPG"_qs, u"A1X.JPG"_qs, u"99Z.JPG"_qs, u"A1A.JPG"_qs, u"53A.JPG"_qs, u"EMB971.JPG"_qs,
          u"A0Q.JPG"_qs},
         {u"53A.JPG"_qs, u"99Z.JPG"_qs, u"A0Q.JPG"_qs, u"A1A.JPG"_qs, u"A1X.JPG"_qs, u"EMB971.JPG"_qs,
          u"EMB972.JPG"_qs},
         {u"1"_qs, u"1"_qs, u"1"_qs, u"1"_qs, u"2"_qs, u"1"_qs, u"2"_qs}},
    };
    for (const auto& c : cases) {
        QDir(disc + u"/kestranes"_qs).removeRecursively();
        QDir().mkpath(disc + u"/kestranes"_qs);
        photos(c.onDisc);
        LoadPhotoArray(context);
        ASSERT_EQ(state.photos.photoCount, c.sorted.size());
        EXPECT_EQ(names(state.photos.photoFiles, state.photos.photoCount), c.sorted);
        EXPECT_EQ(state.photos.photoNumbers.mid(1, state.photos.photoCount), c.numbers);
        // Entry 0 is unused and the closing entry is empty, in both parallel lists.
        EXPECT_EQ(state.photos.photoFiles.size(), state.photos.photoCount + 2);
        EXPECT_TRUE(state.photos.photoFiles.front().isEmpty());
        EXPECT_TRUE(state.photos.photoFiles.back().isEmpty());
        EXPECT_EQ(state.photos.photoNumbers.size(), state.photos.photoFiles.size());
        EXPECT_TRUE(state.photos.photoNumbers.back().isEmpty());
        EXPECT_EQ(state.photos.photoFiles[1], u"E:\\kestranes\\"_qs + c.sorted.front());
    }
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
}

TEST_F(Catalogue, PhotoNamesAreUpperCasedWhileClipArtKeepsItsCaseAndItsDisc)
{
    photos({u"57a.jpg"_qs, u"57B.Jpg"_qs});
    clipArt({u"b1957.jpg"_qs, u"1957.jpg"_qs, u"C1958.JPG"_qs});
    // Photographs on the hard drive; clip art is still read from the disc.
    const QString program = fake.programFolder();
    photos({u"57a.jpg"_qs, u"57B.Jpg"_qs}, program);
    state.disc.photoRoot = program;
    LoadPhotoArray(context);
    EXPECT_EQ(state.photos.photoFiles.mid(1, 2),
              (QStringList{program + u"\\kestranes\\57A.JPG"_qs, program + u"\\kestranes\\57B.JPG"_qs}));
    ASSERT_EQ(state.photos.clipCount, 3);
    // Character-code order: upper-case letters sort before lower-case ones.
    EXPECT_EQ(state.photos.clipFiles.mid(1, 3),
              (QStringList{u"E:\\clipart\\1957.jpg"_qs, u"E:\\clipart\\C1958.JPG"_qs,
                           u"E:\\clipart\\b1957.jpg"_qs}));
    EXPECT_TRUE(state.photos.clipFiles.back().isEmpty());
    EXPECT_EQ(state.photos.clipFiles.size(), 5);
}

TEST_F(Catalogue, EmptyFoldersGiveEmptyArraysAndNoError)
{
    state.photos.photoCursor = 7;
    LoadPhotoArray(context);
    EXPECT_EQ(state.photos.photoCount, 0);
    EXPECT_EQ(state.photos.clipCount, 0);
    EXPECT_EQ(state.photos.photoFiles, (QStringList{QString(), QString()}));
    EXPECT_EQ(state.photos.clipFiles, (QStringList{QString(), QString()}));
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
    // A reload leaves the shared cursor to its users.
    EXPECT_EQ(state.photos.photoCursor, 7);
}

TEST_F(Catalogue, AReloadReplacesEverythingAndFollowsThePhotoRoot)
{
    const QStringList disc1 = {u"58A.JPG"_qs, u"57B.JPG"_qs, u"57A.JPG"_qs, u"EM1.JPG"_qs};
    photos(disc1);
    LoadPhotoArray(context);
    const QStringList numbersOnDisc = state.photos.photoNumbers;
    const QStringList namesOnDisc = names(state.photos.photoFiles, state.photos.photoCount);

    // The photographs are copied to the program folder and the root moves there.
    const QString program = fake.programFolder();
    photos(disc1, program);
    state.disc.photoRoot = program;
    LoadPhotoArray(context);
    EXPECT_EQ(names(state.photos.photoFiles, state.photos.photoCount), namesOnDisc);
    EXPECT_EQ(state.photos.photoNumbers, numbersOnDisc);
    for (int i = 1; i <= state.photos.photoCount; ++i)
        EXPECT_TRUE(state.photos.photoFiles[i].startsWith(program + u"\\kestranes\\"_qs))
            << state.photos.photoFiles[i].toStdString();

    // Fewer photographs after a reload: nothing of the longer array survives.
    QFile::remove(program + u"/kestranes/EM1.JPG"_qs);
    LoadPhotoArray(context);
    EXPECT_EQ(state.photos.photoCount, 3);
    EXPECT_EQ(state.photos.photoFiles.size(), 5);
    EXPECT_EQ(state.photos.photoNumbers.size(), 5);
}

TEST_F(Catalogue, AFailedListingAsksRetryOrCancelAndRetryRepeatsOnlyThatStep)
{
    photos({u"57A.JPG"_qs});
    QDir(disc + u"/clipart"_qs).removeRecursively();
    // While the box is up the user puts the clip art back, and a photograph appears that the
    // repeated step must not pick up: only the failed listing is repeated.
    fake.dialogs.onBox = [&](const MessageBoxRequest&) {
        clipArt({u"1957.jpg"_qs});
        photos({u"58A.JPG"_qs});
    };
    fake.dialogs.answerNext(MsgRetry);
    LoadPhotoArray(context);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    EXPECT_EQ(fake.dialogs.boxes[0].buttons, MsgButtons::RetryCancel);
    EXPECT_TRUE(fake.dialogs.boxes[0].text.contains(u" Unable to load the photo array."_qs));
    EXPECT_EQ(state.errors.currentErrorCode, u"ER037"_qs);
    EXPECT_EQ(state.photos.photoCount, 1);
    EXPECT_EQ(state.photos.clipCount, 1);
    EXPECT_FALSE(fake.app.ended);
}

TEST_F(Catalogue, CancelEndsTheProgramWhenThePhotoFolderCannotBeListed)
{
    for (const bool driveGone : {false, true}) {
        SCOPED_TRACE(driveGone ? "drive not ready" : "missing photo folder");
        FakePlatform local;
        AppState s;
        AppContext ctx{s, local.platform()};
        s.disc.cdRoot = s.disc.photoRoot = u"E:"_qs;
        QDir().mkpath(local.addDrive(u'E') + u"/clipart"_qs);
        if (driveGone)
            local.removeDrive(u'E');
        local.dialogs.answerNext(MsgRetry);
        local.dialogs.answerNext(MsgCancel);
        LoadPhotoArray(ctx);
        EXPECT_EQ(local.dialogs.boxes.size(), 2);
        EXPECT_TRUE(local.app.ended);
        EXPECT_EQ(s.errors.lastErrorAnswer, u"2"_qs);
        EXPECT_EQ(s.photos.photoCount, 0);
        EXPECT_TRUE(s.photos.photoFiles.isEmpty());
    }
}

TEST_F(Catalogue, MoreThan32766PicturesKeepTheFirst32766InSortedOrder)
{
    // The pure rule, over a shuffled listing well beyond the 16-bit limit.
    QStringList listing;
    for (int i = 0; i < 40000; ++i)
        listing << u"%1%2.JPG"_qs.arg(i % 2 ? u"MS"_qs : u"57"_qs).arg(i, 5, 10, QChar(u'0'));
    QStringList expected = listing;
    std::sort(expected.begin(), expected.end());
    expected.resize(kMaxPictures);
    std::shuffle(listing.begin(), listing.end(), std::mt19937(7));
    EXPECT_EQ(sortedPictureNames(listing), expected);

    // Names alike in their first eight characters, prefixes of others, and characters at and
    // past the end of Latin-1 still sort by their characters' codes.
    const QStringList unusual = {u"X\u0200A"_qs,  u"ABCDEFGHZ"_qs, u"X\u00FFB"_qs, u"X"_qs,
                                 u"ABCDEFGHA"_qs, u"X\u0100A"_qs,  u"AB"_qs,       u"X\u00FEZ"_qs};
    EXPECT_EQ(sortedPictureNames(unusual),
              (QStringList{u"AB"_qs, u"ABCDEFGHA"_qs, u"ABCDEFGHZ"_qs, u"X"_qs, u"X\u00FEZ"_qs,
                           u"X\u00FFB"_qs, u"X\u0100A"_qs, u"X\u0200A"_qs}));

    // The whole load over a folder of 32,768 photographs: the count stays positive and the
    // closing entry is still there.
    const QString folder = disc + u"/kestranes/"_qs;
    for (int i = 0; i < kMaxPictures + 2; ++i) {
        QFile file(folder + u"%1%2.JPG"_qs.arg(i < 2 ? u"00"_qs : u"ZZ"_qs).arg(i, 5, 10, QChar(u'0')));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    LoadPhotoArray(context);
    EXPECT_EQ(state.photos.photoCount, kMaxPictures);
    EXPECT_EQ(state.photos.photoFiles.size(), kMaxPictures + 2);
    EXPECT_EQ(state.photos.photoFiles[1], u"E:\\kestranes\\0000000.JPG"_qs);
    EXPECT_EQ(state.photos.photoFiles[kMaxPictures], u"E:\\kestranes\\ZZ32765.JPG"_qs);
    EXPECT_TRUE(state.photos.photoFiles.back().isEmpty());
    EXPECT_EQ(state.photos.photoNumbers[kMaxPictures], QString::number(kMaxPictures - 2));
}
