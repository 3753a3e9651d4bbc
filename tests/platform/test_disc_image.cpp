#include "platform/disc_image.h"
#include "platform/drive_map.h"
#include "platform/host_file_system.h"
#include "support/small_demo_disc.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

QTemporaryDir& imageFolder()
{
    static auto* folder = new QTemporaryDir; // lives as long as the test program
    return *folder;
}

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAll().toStdString();
        return false;
    }
    return true;
}

QByteArray hostBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The small demo disc as an image of one kind, made once per test program by Debian's tools.
QString demoImage(const QString& kind)
{
    static QHash<QString, QString> made;
    if (made.contains(kind))
        return made.value(kind);
    const QString disc = test::smallDemoDisc();
    const QString folder = imageFolder().path();
    QString image = folder + u'/' + kind + u".iso"_qs;
    bool ok = false;
    if (kind == u"plain"_qs) // ISO 9660 names only: upper case with ";1"
        ok = run(u"genisoimage"_qs, {u"-quiet"_qs, u"-iso-level"_qs, u"2"_qs, u"-o"_qs, image, disc});
    else if (kind == u"joliet"_qs)
        ok = run(u"genisoimage"_qs, {u"-quiet"_qs, u"-J"_qs, u"-o"_qs, image, disc});
    else if (kind == u"rockridge"_qs)
        ok = run(u"xorriso"_qs, {u"-as"_qs, u"mkisofs"_qs, u"-quiet"_qs, u"-R"_qs, u"-o"_qs, image, disc});
    else if (kind == u"both"_qs)
        ok = run(u"xorriso"_qs,
                 {u"-as"_qs, u"mkisofs"_qs, u"-quiet"_qs, u"-R"_qs, u"-J"_qs, u"-o"_qs, image, disc});
    else if (kind == u"udf"_qs)
        ok = run(u"genisoimage"_qs, {u"-quiet"_qs, u"-udf"_qs, u"-o"_qs, image, disc});
    else if (kind == u"cue"_qs) {
        // A CUE sheet that takes the Joliet image as its BIN, data track mode 1.
        const QString bin = demoImage(u"joliet"_qs);
        image = folder + u"/disc.cue"_qs;
        QFile cue(image);
        ok = !bin.isEmpty() && cue.open(QIODevice::WriteOnly) &&
             cue.write(
                 u"FILE \"%1\" BINARY\n  TRACK 01 MODE1/2048\n    INDEX 01 00:00:00\n"_qs.arg(bin).toUtf8()) >
                 0;
    } else if (kind.startsWith(u"raw"_qs)) {
        // The same as raw 2352-byte sectors: mode 1, or mode 2 form 1 as a CD-ROM XA disc has them.
        const int mode = kind.endsWith(u'2') ? 2 : 1;
        const QByteArray iso = hostBytes(demoImage(u"joliet"_qs));
        QByteArray raw;
        for (qsizetype at = 0; at + 2048 <= iso.size(); at += 2048) {
            const int lba = int(at / 2048) + 150;
            const auto bcd = [](int n) { return char(((n / 10) << 4) | (n % 10)); };
            raw += '\0' + QByteArray(10, '\xff') + '\0';
            raw += bcd(lba / 4500);
            raw += bcd(lba / 75 % 60);
            raw += bcd(lba % 75);
            raw += char(mode);
            if (mode == 2)
                raw += QByteArray("\0\0\x08\0\0\0\x08\0", 8);
            raw += iso.mid(at, 2048);
            raw += QByteArray(mode == 2 ? 280 : 288, '\0');
        }
        const QString bin = folder + u'/' + kind + u".bin"_qs;
        image = folder + u'/' + kind + u".cue"_qs;
        QFile binFile(bin), cue(image);
        ok = binFile.open(QIODevice::WriteOnly) && binFile.write(raw) == raw.size() &&
             cue.open(QIODevice::WriteOnly) &&
             cue.write(u"FILE \"%1.bin\" BINARY\n  TRACK 01 MODE%2/2352\n    INDEX 01 00:00:00\n"_qs.arg(kind)
                           .arg(mode)
                           .toUtf8()) > 0;
    }
    made.insert(kind, ok ? image : QString());
    return made.value(kind);
}

// One year page (photograph, insignia, description), one movie and one sound, as the disc names them.
const QStringList kYearPageFiles = {u"\\kestranes\\53A.JPG"_qs, u"\\embfront\\emb53f.jpg"_qs,
                                    u"\\richtext\\53desc.rtf"_qs, u"\\movies\\1953.avi"_qs,
                                    u"\\wav\\1978.wav"_qs};

} // namespace

class ImageFormats : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        image = demoImage(QString::fromLatin1(GetParam()));
        ASSERT_FALSE(image.isEmpty());
        fs.setDrives(DriveMap::parse(u"D="_qs + image));
    }
    QString image;
    HostFileSystem fs{DriveMap(), QDir::tempPath()};
};

TEST_P(ImageFormats, TheDiscInAnImageReadsAsTheFolderItWasMadeFrom)
{
    const QString disc = test::smallDemoDisc();
    // The probe that decides whether a location holds the disc, in another letter case.
    EXPECT_FALSE(fs.dir(u"D:\\KESTRANES\\*.jpg"_qs).isEmpty());
    for (const QString& name : kYearPageFiles) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray expected = hostBytes(disc + QString(name).replace(u'\\', u'/'));
        ASSERT_FALSE(expected.isEmpty());
        QByteArray read;
        EXPECT_TRUE(fs.readAll(u"D:"_qs + name.toUpper(), &read));
        EXPECT_EQ(read, expected);
        EXPECT_EQ(fs.fileLength(u"d:"_qs + name.toLower()), expected.size());
        EXPECT_TRUE(fs.exists(u"D:"_qs + name));
    }
    // The listing has every photograph the folder has, under names without a version suffix.
    QStringList fromImage = fs.list(u"D:\\kestranes\\*.JPG"_qs);
    QStringList fromFolder = QDir(disc + u"/kestranes"_qs).entryList({u"*.jpg"_qs}, QDir::Files);
    for (QString& name : fromImage)
        name = name.toLower();
    for (QString& name : fromFolder)
        name = name.toLower();
    fromImage.sort();
    fromFolder.sort();
    EXPECT_EQ(fromImage, fromFolder);
    EXPECT_TRUE(fs.list(u"D:\\nofolder\\*.jpg"_qs).isEmpty());
    EXPECT_TRUE(fs.resolve(u"D:\\kestranes\\missing.jpg"_qs).isEmpty());
}

TEST_P(ImageFormats, FilesCopyOutOfTheImageAndNothingIsWrittenIntoIt)
{
    QTemporaryDir target;
    const QString copy = target.path() + u"/1953.avi"_qs;
    qint64 reported = 0;
    ASSERT_TRUE(fs.copyFile(u"D:\\movies\\1953.avi"_qs, copy, [&](qint64 n) { return (reported = n) > 0; }));
    EXPECT_EQ(hostBytes(copy), hostBytes(test::smallDemoDisc() + u"/movies/1953.avi"_qs));
    EXPECT_EQ(reported, QFileInfo(copy).size());
    EXPECT_TRUE(QDir(target.path()).entryList(QDir::Hidden | QDir::Files).size() == 1); // no part left

    EXPECT_FALSE(fs.writeAll(u"D:\\kestranes\\new.jpg"_qs, "x"));
    EXPECT_FALSE(fs.makeFolder(u"D:\\newfolder"_qs));
    EXPECT_FALSE(fs.removeFile(u"D:\\kestranes\\53A.JPG"_qs));
    EXPECT_TRUE(fs.exists(u"D:\\kestranes\\53A.JPG"_qs));
}

TEST_P(ImageFormats, AMovieInAnImagePlaysFromACopyTheCallerRemoves)
{
    QString temporary;
    const QString file = fs.playableFile(u"D:\\movies\\1953.avi"_qs, &temporary);
    ASSERT_FALSE(temporary.isEmpty());
    EXPECT_EQ(file, temporary);
    EXPECT_EQ(hostBytes(file), hostBytes(test::smallDemoDisc() + u"/movies/1953.avi"_qs));
    QFile::remove(temporary);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImageFormats,
                         ::testing::Values("plain", "joliet", "rockridge", "both", "udf", "cue", "raw1",
                                           "raw2"));

TEST(DiscImageNames, EveryFormPrefersTheLongestNameAndDropsTheVersion)
{
    // Level 1 keeps 8.3 upper case names; Rock Ridge on the same image keeps the long one.
    QTemporaryDir tree;
    QDir(tree.path()).mkpath(u"kestranes"_qs);
    QFile(tree.path() + u"/kestranes/A Long Name Of A Photograph.jpg"_qs).open(QIODevice::WriteOnly);
    QFile short_(tree.path() + u"/kestranes/53A.JPG"_qs);
    ASSERT_TRUE(short_.open(QIODevice::WriteOnly));
    short_.write("jpeg");
    short_.close();
    const QString level1 = tree.path() + u"/level1.iso"_qs;
    const QString both = tree.path() + u"/both.iso"_qs;
    const QString source = tree.path() + u"/kestranes"_qs;
    ASSERT_TRUE(run(u"genisoimage"_qs,
                    {u"-quiet"_qs, u"-graft-points"_qs, u"-o"_qs, level1, u"/KESTRANE/="_qs + source}));
    ASSERT_TRUE(run(u"xorriso"_qs, {u"-as"_qs, u"mkisofs"_qs, u"-quiet"_qs, u"-R"_qs, u"-J"_qs,
                                    u"-graft-points"_qs, u"-o"_qs, both, u"/kestranes/="_qs + source}));

    std::unique_ptr<DiscImage> plain = DiscImage::open(level1);
    ASSERT_TRUE(plain);
    QStringList spelled;
    ASSERT_TRUE(plain->find({u"kestrane"_qs, u"53a.jpg"_qs}, &spelled));
    EXPECT_EQ(spelled, (QStringList{u"KESTRANE"_qs, u"53A.JPG"_qs}));
    QByteArray bytes(16, 0);
    EXPECT_EQ(plain->read({u"KESTRANE"_qs, u"53A.JPG"_qs}, 0, bytes.data(), bytes.size()), 4);
    EXPECT_EQ(bytes.left(4), "jpeg");

    std::unique_ptr<DiscImage> longNames = DiscImage::open(both);
    ASSERT_TRUE(longNames);
    ASSERT_TRUE(longNames->find({u"KESTRANES"_qs, u"a long name of a photograph.JPG"_qs}, &spelled));
    EXPECT_EQ(spelled.last(), u"A Long Name Of A Photograph.jpg"_qs);
}

TEST(DiscImageRead, AFileOpenedOnceReadsInPiecesAsTheWholeFileAndMissingOnesAreRefused)
{
    QTemporaryDir tree;
    QDir(tree.path()).mkpath(u"disc/movies"_qs);
    QByteArray movie(3 * 2048 + 1000, Qt::Uninitialized);
    for (qsizetype i = 0; i < movie.size(); ++i)
        movie[i] = char(i * 7 + i / 251);
    QFile file(tree.path() + u"/disc/movies/Large.avi"_qs);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(movie);
    file.close();
    const QString iso = tree.path() + u"/movie.iso"_qs;
    ASSERT_TRUE(run(u"xorriso"_qs, {u"-as"_qs, u"mkisofs"_qs, u"-quiet"_qs, u"-R"_qs, u"-J"_qs, u"-o"_qs, iso,
                                    tree.path() + u"/disc"_qs}));
    std::unique_ptr<DiscImage> image = DiscImage::open(iso);
    ASSERT_TRUE(image);

    const DiscImage::File opened = image->openFile({u"MOVIES"_qs, u"large.AVI"_qs});
    ASSERT_TRUE(opened.isValid());
    EXPECT_EQ(opened.size(), movie.size());
    // Pieces that straddle the image's sectors, the last one cut short by the end of the file.
    QByteArray read;
    QByteArray piece(1500, 0);
    for (qint64 n; (n = image->read(opened, read.size(), piece.data(), piece.size())) > 0;)
        read.append(piece.constData(), n);
    EXPECT_EQ(read, movie);
    EXPECT_EQ(image->read(opened, movie.size() + 5, piece.data(), piece.size()), 0);
    EXPECT_EQ(image->read(opened, -1, piece.data(), piece.size()), -1);

    EXPECT_FALSE(image->openFile({u"movies"_qs}).isValid());
    EXPECT_FALSE(image->openFile({u"movies"_qs, u"absent.avi"_qs}).isValid());
    EXPECT_EQ(image->read(DiscImage::File(), 0, piece.data(), piece.size()), -1);
}

TEST(DiscImageNames, AFileNameLongerThanJolietTakesIsReadInFullWhereTheRootsNamesAreAlike)
{
    // The roots of both trees read alike; only deeper down do Joliet's 64 characters cut a name.
    QTemporaryDir tree;
    const QString longName =
        u"A photograph of the 1957 convertible with its hardtop, taken at the plant.jpg"_qs;
    ASSERT_GT(longName.size(), 64);
    QDir(tree.path()).mkpath(u"disc/kestranes"_qs);
    QFile(tree.path() + u"/disc/kestranes/"_qs + longName).open(QIODevice::WriteOnly);
    const QString iso = tree.path() + u"/long.iso"_qs;
    ASSERT_TRUE(run(u"xorriso"_qs, {u"-as"_qs, u"mkisofs"_qs, u"-quiet"_qs, u"-R"_qs, u"-J"_qs, u"-o"_qs, iso,
                                    tree.path() + u"/disc"_qs}));
    std::unique_ptr<DiscImage> image = DiscImage::open(iso);
    ASSERT_TRUE(image);
    QList<DiscImageEntry> entries;
    ASSERT_TRUE(image->list({u"KESTRANES"_qs}, &entries));
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.front().name, longName);
}

TEST(DiscImageDamage, ABrokenImageIsNoImageAndADamagedFileFailsAlone)
{
    QTemporaryDir folder;
    const QString good = demoImage(u"joliet"_qs);
    const QByteArray bytes = hostBytes(good);
    const auto write = [&](const QString& name, const QByteArray& data) {
        QFile file(folder.path() + u'/' + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return file.fileName();
    };
    // Nothing of an image, a text file, and an image cut short before its directories.
    EXPECT_FALSE(DiscImage::open(write(u"empty.iso"_qs, {})));
    EXPECT_FALSE(DiscImage::open(write(u"text.iso"_qs, QByteArray(40000, 'x'))));
    EXPECT_FALSE(DiscImage::open(write(u"short.iso"_qs, bytes.left(17 * 2048))));
    EXPECT_FALSE(DiscImage::open(folder.path()));

    // Cut in the middle of the files: the directories read, the files past the cut fail alone.
    std::unique_ptr<DiscImage> cut = DiscImage::open(write(u"cut.iso"_qs, bytes.left(bytes.size() / 2)));
    ASSERT_TRUE(cut);
    QList<DiscImageEntry> folders, files;
    ASSERT_TRUE(cut->list({}, &folders));
    int failed = 0, read = 0;
    for (const DiscImageEntry& folder : std::as_const(folders)) {
        if (!folder.folder || !cut->list({folder.name}, &files))
            continue;
        for (const DiscImageEntry& file : std::as_const(files)) {
            QByteArray data(int(file.size), Qt::Uninitialized);
            const qint64 n = cut->read({folder.name, file.name}, 0, data.data(), file.size);
            if (n < 0) {
                ++failed;
            } else {
                ++read;
                EXPECT_EQ(n, file.size);
            }
        }
    }
    EXPECT_GT(failed, 0);
    EXPECT_GT(read, 0);

    // A file that is not an image has no names below it.
    HostFileSystem host(DriveMap::parse(u"D="_qs + folder.path()), QDir::tempPath());
    EXPECT_TRUE(host.resolve(u"D:\\text.iso\\kestranes"_qs).isEmpty());
}

TEST(DiscImageNames, NamesThatLeadOutOfTheirFolderAreNotListed)
{
    for (const char* name : {"", ".", "..", "a/b", "a\\b"})
        EXPECT_FALSE(isSafeImageName(QString::fromLatin1(name))) << name;
    EXPECT_TRUE(isSafeImageName(u"53A.JPG"_qs));
}

namespace {

// The Joliet demo image with the root's directory record (in every tree) given another extent
// length, or with its first subfolder's record so changed when `subfolder` is set.
QByteArray withFolderLength(QByteArray iso, quint32 length, bool subfolder)
{
    const auto le32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(iso.constData() + at); };
    for (qsizetype vd = 16 * 2048; quint8(iso.at(vd)) != 255; vd += 2048) {
        if (iso.at(vd) != 1 && iso.at(vd) != 2)
            continue;
        qsizetype record = vd + 156;
        if (subfolder) {
            record = qsizetype(le32(record + 2)) * 2048;
            record += quint8(iso.at(record)); // past "."
            record += quint8(iso.at(record)); // past ".."
        }
        qToLittleEndian(length, iso.data() + record + 10);
        qToBigEndian(length, iso.data() + record + 14);
    }
    return iso;
}

QString writeTemporary(const QTemporaryDir& folder, const QString& name, const QByteArray& data)
{
    QFile file(folder.path() + u'/' + name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
    return file.fileName();
}

} // namespace

TEST(DiscImageDamage, AFolderExtentPastTheEndOfTheImageIsNeverRead)
{
    // Read, such a length would have the image library allocate four gigabytes at once.
    QTemporaryDir folder;
    const QByteArray iso = hostBytes(demoImage(u"joliet"_qs));
    ASSERT_FALSE(iso.isEmpty());
    EXPECT_FALSE(
        DiscImage::open(writeTemporary(folder, u"root.iso"_qs, withFolderLength(iso, 0xfffff000, false))));

    std::unique_ptr<DiscImage> image =
        DiscImage::open(writeTemporary(folder, u"sub.iso"_qs, withFolderLength(iso, 0xfffff000, true)));
    ASSERT_TRUE(image);
    QList<DiscImageEntry> root;
    ASSERT_TRUE(image->list({}, &root));
    QList<DiscImageEntry> full;
    ASSERT_TRUE(DiscImage::open(demoImage(u"joliet"_qs))->list({}, &full));
    EXPECT_EQ(root.size(), full.size() - 1) << "only the damaged folder is left out";
}

TEST(DiscImageDamage, AnNrgImageWhoseChunksLeaveTheFileIsRefusedBeforeTheLibrarySeesIt)
{
    const auto nrg = [](const QByteArray& chunks, bool version2) {
        QByteArray image(4096, '\0');
        const qsizetype start = image.size();
        image += chunks;
        if (version2) {
            image += "NER5";
            QByteArray offset(8, '\0');
            qToBigEndian(quint64(start), offset.data());
            image += offset;
        } else {
            QByteArray offset(4, '\0');
            qToBigEndian(quint32(start), offset.data());
            image += QByteArray(4, '\0') + "NERO" + offset;
        }
        return image;
    };
    const auto chunk = [](const char* name, quint32 length, const QByteArray& contents) {
        QByteArray bytes(name);
        QByteArray size(4, '\0');
        qToBigEndian(length, size.data());
        return bytes + size + contents;
    };
    const QByteArray sinf = chunk("SINF", 4, QByteArray(4, '\0'));
    const QByteArray end = chunk("END!", 0, {});
    const struct
    {
        const char* what;
        QByteArray image;
        bool sound;
    } cases[] = {
        {"a whole list, version 2", nrg(sinf + end, true), true},
        {"a whole list, version 1", nrg(sinf + end, false), true},
        {"no end", nrg(sinf, true), false},
        {"a chunk longer than the file", nrg(chunk("SINF", 0xfffffff0, {}) + end, true), false},
        {"a table shorter than its fixed part", nrg(chunk("DAOX", 2, "ab") + end, true), false},
        {"no footer", QByteArray(8192, '\0'), false},
    };
    for (const auto& c : cases) {
        QBuffer buffer;
        buffer.setData(c.image);
        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        EXPECT_EQ(hasSoundNrgChunks(buffer), c.sound) << c.what;
    }
}

TEST(DiscImageNames, ABridgeDiscWithoutJolietReadsTheLongUdfNames)
{
    // The dots of an ISO 9660 listing once outweighed the longer UDF names.
    QTemporaryDir tree;
    QDir(tree.path()).mkpath(u"disc/kestranes"_qs);
    QFile photo(tree.path() + u"/disc/kestranes/A Long Name Of A Photograph.jpg"_qs);
    ASSERT_TRUE(photo.open(QIODevice::WriteOnly));
    photo.close();
    const QString image = tree.path() + u"/bridge.iso"_qs;
    ASSERT_TRUE(
        run(u"genisoimage"_qs, {u"-quiet"_qs, u"-udf"_qs, u"-o"_qs, image, tree.path() + u"/disc"_qs}));
    std::unique_ptr<DiscImage> bridge = DiscImage::open(image);
    ASSERT_TRUE(bridge);
    QStringList spelled;
    ASSERT_TRUE(bridge->find({u"kestranes"_qs, u"a long name of a photograph.jpg"_qs}, &spelled));
    EXPECT_EQ(spelled, (QStringList{u"kestranes"_qs, u"A Long Name Of A Photograph.jpg"_qs}));
}

TEST(DiscImageProbe, OnlyAnImageWithUdfsRecognitionSequenceReachesTheUdfLibrary)
{
    for (const char* kind : {"plain", "joliet", "udf"}) {
        QFile file(demoImage(QString::fromLatin1(kind)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(hasUdfRecognitionSequence(file), qstrcmp(kind, "udf") == 0) << kind;
    }
    // The library's complaint about a non-UDF image used to reach the terminal on every start.
    testing::internal::CaptureStderr();
    EXPECT_TRUE(DiscImage::open(demoImage(u"joliet"_qs)));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(DiscImageDamage, AUdfFileSetAreaPastTheEndOfTheImageNeverReachesTheUdfLibrary)
{
    // A bridge disc whose logical volume puts its file set area at block 50, a gigabyte long: the
    // library read it block by block to the end, with a complaint on the terminal for each.
    QFile file(demoImage(u"udf"_qs));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    const auto le = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    ASSERT_EQ(le(256 * 2048) & 0xFFFF, 2u);
    qsizetype volume = -1;
    for (qint64 sector = le(256 * 2048 + 20); sector < le(256 * 2048 + 20) + 16 && volume < 0; ++sector)
        if ((le(qsizetype(sector) * 2048) & 0xFFFF) == 6)
            volume = qsizetype(sector) * 2048;
    ASSERT_GE(volume, 0);
    QTemporaryDir folder;
    const auto write = [&](const QString& name, quint32 length, quint32 block) {
        qToLittleEndian<quint32>(length, bytes.data() + volume + 248);
        qToLittleEndian<quint32>(block, bytes.data() + volume + 252);
        QFile out(folder.path() + u'/' + name);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        return out.fileName();
    };
    const QString whole = write(u"whole.iso"_qs, le(volume + 248), le(volume + 252));
    const QString hostile = write(u"hostile.iso"_qs, 0x3FFFF000, 50);

    EXPECT_TRUE(openUdfImage(whole));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(openUdfImage(hostile));
    // The image still reads through its ISO 9660 names.
    std::unique_ptr<DiscImage> image = DiscImage::open(hostile);
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(image);
    QList<DiscImageEntry> root;
    EXPECT_TRUE(image->list({}, &root));
    EXPECT_FALSE(root.isEmpty());
    EXPECT_EQ(said.find("udfread"), std::string::npos) << said.substr(0, 200);
}

TEST(DiscImageDamage, AFolderThatHoldsItselfEndsAtTheDepthLimitWithEveryListedNameFound)
{
    QTemporaryDir folder;
    QByteArray iso = hostBytes(demoImage(u"joliet"_qs));
    // The root's first subfolder points back at the root, in every tree.
    for (qsizetype vd = 16 * 2048; quint8(iso.at(vd)) != 255; vd += 2048) {
        if (iso.at(vd) != 1 && iso.at(vd) != 2)
            continue;
        const quint32 root = qFromLittleEndian<quint32>(iso.constData() + vd + 158);
        qsizetype record = qsizetype(root) * 2048;
        record += quint8(iso.at(record));
        record += quint8(iso.at(record));
        qToLittleEndian(root, iso.data() + record + 2);
        qToBigEndian(root, iso.data() + record + 6);
    }
    std::unique_ptr<DiscImage> image = DiscImage::open(writeTemporary(folder, u"loop.iso"_qs, iso));
    ASSERT_TRUE(image);
    QList<DiscImageEntry> entries;
    ASSERT_TRUE(image->list({}, &entries));
    const QString looping = entries.first().name;
    QStringList path;
    while (image->list(path, &entries)) {
        ASSERT_LT(path.size(), 100);
        path << looping;
        ASSERT_TRUE(image->find(path)) << path.size();
    }
    EXPECT_GT(path.size(), 8);
}
