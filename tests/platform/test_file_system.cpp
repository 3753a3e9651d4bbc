#include "platform/drive_map.h"
#include "platform/fakes/fake_platform.h"
#include "platform/host_file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace kestrane;

TEST(DriveMapText, LettersFoldersAndJunk)
{
    const DriveMap map = DriveMap::parse(u" d=/media/cd ; E=/other;bad;1=/x;F="_qs);
    EXPECT_EQ(map.folder(u'D'), u"/media/cd"_qs);
    EXPECT_EQ(map.folder(u'd'), u"/media/cd"_qs);
    EXPECT_EQ(map.folder(u'E'), u"/other"_qs);
    EXPECT_TRUE(map.folder(u'F').isEmpty());
    EXPECT_TRUE(map.folder(u'G').isEmpty());
}

TEST(DriveMapText, TwoLetterNameTakenAsItsFirstLetter)
{
    // "DE" must not become drive D (nor E): a letter is one character before the "=".
    const DriveMap map = DriveMap::parse(u"DE=/x;E=/e;FG =/y"_qs);
    EXPECT_TRUE(map.folder(u'D').isEmpty());
    EXPECT_EQ(map.folder(u'E'), u"/e"_qs);
    EXPECT_TRUE(map.folder(u'F').isEmpty());
    EXPECT_EQ(map.entries().size(), 1);
}

TEST(DriveLetters, AnUnmountedDriveWithADiscIsLetteredAfterTheMountedMediaAndNeverTwice)
{
    const QList<MountedVolume> mounted = {
        {u"/"_qs, u"ext4"_qs, u"/dev/vda1"_qs},
        {u"/media/user/KESTRANE"_qs, u"iso9660"_qs, u"/dev/sr0"_qs},
        {u"/home/user/iso"_qs, u"iso9660"_qs, u"/dev/loop0"_qs}, // not where media are mounted
        {u"/mnt/stick"_qs, u"vfat"_qs, u"/dev/sdb1"_qs},
    };
    const DriveMap map = DriveMap::lettered(mounted, {u"/dev/sr0"_qs, u"/dev/sr1"_qs});
    EXPECT_EQ(map.entries(),
              (QMap<QChar, QString>{
                  {u'D', u"/media/user/KESTRANE"_qs}, {u'E', u"/mnt/stick"_qs}, {u'F', u"/dev/sr1"_qs}}));

    // Z is the last letter, for drives as for mounted media.
    QList<MountedVolume> many;
    for (int i = 0; i < 22; ++i)
        many.append({u"/media/m"_qs + QString::number(i), u"udf"_qs, u"/dev/sd"_qs + QString::number(i)});
    const DriveMap full = DriveMap::lettered(many, {u"/dev/sr1"_qs, u"/dev/sr2"_qs});
    EXPECT_EQ(full.entries().size(), 23);
    EXPECT_EQ(full.folder(u'Z'), u"/dev/sr1"_qs);
}

struct Resolver : ::testing::Test
{
    FakePlatform fake;
    QString disc = fake.addDrive(u'E');
    HostFileSystem& fs = fake.fileSystem;
};

TEST(ListingPatterns, AnEndingAndAnyOtherWildcardMatchAsTheGlobDoes)
{
    const QStringList names = {u"57A.JPG"_qs,     u"57a.jpg"_qs,          u"57A.JPEG"_qs, u".jpg"_qs,
                               u"57A.JPG.TXT"_qs, u"m\u00e9lange.Jpg"_qs, u"JPG"_qs,      u"57[1].jpg"_qs};
    const QStringList patterns = {u"*.jpg"_qs,   u"*.JPG"_qs, u"*"_qs,        u"*.*"_qs,
                                  u"57*.jpg"_qs, u"*.j?g"_qs, u"*[1].jpg"_qs, u"57a.jpg"_qs};
    for (const QString& pattern : patterns) {
        const QRegularExpression glob(QRegularExpression::wildcardToRegularExpression(pattern),
                                      QRegularExpression::CaseInsensitiveOption);
        for (const QString& name : names)
            EXPECT_EQ(matchesPattern(name, pattern), glob.match(name).hasMatch())
                << pattern.toStdString() << " against " << name.toStdString();
    }
}

TEST_F(Resolver, NamesMatchWithoutRegardToLetterCase)
{
    const QString file = writeHostFile(disc, u"RichText/57DESC.rtf"_qs);
    EXPECT_EQ(fs.resolve(u"E:\\richtext\\57desc.rtf"_qs), file);
    EXPECT_EQ(fs.resolve(u"e:\\RICHTEXT\\57Desc.RTF"_qs), file);
    EXPECT_EQ(fs.resolve(u"E:/RichText/57DESC.rtf"_qs), file);
    EXPECT_TRUE(fs.resolve(u"E:\\richtext\\58desc.rtf"_qs).isEmpty());
    EXPECT_EQ(fs.fileLength(u"E:\\richtext\\57desc.rtf"_qs), 1);
    EXPECT_EQ(fs.fileLength(u"E:\\richtext"_qs), -1); // a folder is no file
}

TEST_F(Resolver, TheExactNameWinsOverAnotherCase)
{
    writeHostFile(disc, u"wav/A.wav"_qs, "upper");
    const QString lower = writeHostFile(disc, u"wav/a.wav"_qs, "lower");
    EXPECT_EQ(fs.resolve(u"E:\\wav\\a.wav"_qs), lower);
}

TEST_F(Resolver, UnknownAndUnreadyLettersResolveToNothing)
{
    writeHostFile(disc, u"kestranes/57A.JPG"_qs);
    bool notReady = false;
    EXPECT_TRUE(fs.dir(u"Q:\\kestranes\\*.jpg"_qs, &notReady).isEmpty());
    EXPECT_TRUE(notReady);
    fake.mapDrive(u'R', fake.root() + u"/gone"_qs);
    EXPECT_TRUE(fs.dir(u"R:\\kestranes\\*.jpg"_qs, &notReady).isEmpty());
    EXPECT_TRUE(notReady);
    EXPECT_TRUE(fs.resolve(u"Q:\\kestranes\\57A.JPG"_qs).isEmpty());
    EXPECT_EQ(fs.dir(u"E:\\kestranes\\*.jpg"_qs, &notReady), u"57A.JPG"_qs);
    EXPECT_FALSE(notReady);
}

TEST_F(Resolver, PatternsIgnoreLetterCaseAndMatchWholeNames)
{
    for (const char16_t* name : {u"57a.jpg", u"57B.JPG", u"58c.Jpg", u"notes.txt", u"x.jpgx"})
        writeHostFile(disc, u"kestranes/"_qs + QString::fromUtf16(name));
    QStringList all = fs.list(u"E:\\KESTRANES\\*.jpg"_qs);
    all.sort();
    EXPECT_EQ(all, (QStringList{u"57B.JPG"_qs, u"57a.jpg"_qs, u"58c.Jpg"_qs}));
    QStringList fiftySeven = fs.list(u"E:\\kestranes\\57*.JPG"_qs);
    fiftySeven.sort();
    EXPECT_EQ(fiftySeven, (QStringList{u"57B.JPG"_qs, u"57a.jpg"_qs}));
    // An exact path works as a pattern: the missing-file test by listing.
    EXPECT_EQ(fs.dir(u"E:\\kestranes\\57A.JPG"_qs), u"57a.jpg"_qs);
    EXPECT_TRUE(fs.dir(u"E:\\kestranes\\99Z.JPG"_qs).isEmpty());
    EXPECT_TRUE(fs.list(u"E:\\nofolder\\*.jpg"_qs).isEmpty());
    // A "folder" that is a file cannot be listed: a failure, unlike a missing folder.
    bool failed = false;
    EXPECT_TRUE(fs.list(u"E:\\nofolder\\*.jpg"_qs, &failed).isEmpty());
    EXPECT_FALSE(failed);
    EXPECT_TRUE(fs.list(u"E:\\kestranes\\57a.jpg\\*.jpg"_qs, &failed).isEmpty());
    EXPECT_TRUE(failed);
}

TEST_F(Resolver, WriteIgnoresAFileNamedInAnotherCaseAndAddsASecond)
{
    const QString upper = writeHostFile(fake.programFolder(), u"movies/ONE.AVI"_qs, "old");
    ASSERT_TRUE(fs.writeAll(fake.programFolder() + u"\\movies\\one.avi"_qs, "new contents"));
    EXPECT_EQ(QDir(fake.programFolder() + u"/movies"_qs).entryList(QDir::Files), QStringList{u"ONE.AVI"_qs});
    QFile file(upper);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new contents");

    // A copy to that name replaces it the same way.
    writeHostFile(disc, u"movies/one.avi"_qs, "from the disc");
    ASSERT_TRUE(fs.copyFile(u"E:\\movies\\one.avi"_qs, fake.programFolder() + u"\\MOVIES\\One.Avi"_qs));
    EXPECT_EQ(QDir(fake.programFolder() + u"/movies"_qs).entryList(QDir::Files), QStringList{u"ONE.AVI"_qs});
    EXPECT_EQ(fs.fileLength(fake.programFolder() + u"\\movies\\one.avi"_qs), 13);
}

TEST_F(Resolver, TheProgramFolderIsARootLikeADrive)
{
    const QString file = writeHostFile(fake.programFolder(), u"Kestranes/57A.JPG"_qs);
    EXPECT_EQ(fs.resolve(fake.programFolder() + u"\\kestranes\\57a.jpg"_qs), file);
    EXPECT_EQ(fs.dir(fake.programFolder() + u"\\kestranes\\*.jpg"_qs), u"57A.JPG"_qs);
}

TEST_F(Resolver, WritesAndCopiesLeaveNothingHalfWritten)
{
    ASSERT_TRUE(fs.makeFolder(fake.programFolder() + u"\\movies"_qs));
    const QString target = fake.programFolder() + u"\\movies\\one.avi"_qs;
    writeHostFile(disc, u"movies/ONE.AVI"_qs, QByteArray(200000, 'm'));

    int calls = 0;
    EXPECT_FALSE(fs.copyFile(u"E:\\movies\\one.avi"_qs, target, [&](qint64) { return ++calls < 2; }));
    EXPECT_TRUE(fs.resolve(target).isEmpty()) << "a stopped copy leaves no partial file";

    qint64 last = 0;
    ASSERT_TRUE(fs.copyFile(u"E:\\movies\\one.avi"_qs, target, [&](qint64 n) {
        last = n;
        return true;
    }));
    EXPECT_EQ(last, 200000);
    EXPECT_EQ(fs.fileLength(target), 200000);

    EXPECT_FALSE(fs.copyFile(u"E:\\movies\\none.avi"_qs, target));
    EXPECT_EQ(fs.fileLength(target), 200000) << "a failed copy keeps the earlier file";
    EXPECT_FALSE(fs.writeAll(fake.programFolder() + u"\\nofolder\\x.txt"_qs, "x"));

    EXPECT_EQ(fs.removeMatching(fake.programFolder() + u"\\movies\\*.AVI"_qs), 1);
    EXPECT_TRUE(fs.removeFolder(fake.programFolder() + u"\\movies"_qs));
    EXPECT_FALSE(QFileInfo::exists(fake.programFolder() + u"/movies"_qs));
}
