// The demo disc as the program reads it: folders and names by the disc's rules, files that are
// missing on purpose, and contents that decode.
#include "demo_disc.h"
#include "riff_reader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The program matches disc names without regard to letter case; so does this lookup.
QString resolve(const QString& root, const QString& relative)
{
    QString current = root;
    for (const QString& part : relative.split(u'/')) {
        if (QFileInfo::exists(current + u'/' + part)) {
            current += u'/' + part;
            continue;
        }
        const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const auto hit = std::find_if(entries.begin(), entries.end(), [&](const QString& e) {
            return e.compare(part, Qt::CaseInsensitive) == 0;
        });
        if (hit == entries.end())
            return {};
        current += u'/' + *hit;
    }
    return current;
}

QStringList filesUnder(const QString& root, const QStringList& patterns = {})
{
    QStringList out;
    QDirIterator it(root, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        out.append(it.next());
    return out;
}

class DemoDisc : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        s_root = s_dir->path() + QStringLiteral("/disc");
        s_program = s_dir->path() + QStringLiteral("/program");
        QString error;
        s_written = kestrane::demo::writeDemoDisc(s_root, {true}, &error) &&
                    kestrane::demo::writeProgramFolder(s_program, &error);
        s_error = error;
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(s_written) << s_error.toStdString(); }

    static QString path(const QString& relative) { return resolve(s_root, relative); }

    static inline QTemporaryDir* s_dir = nullptr;
    static inline QString s_root;
    static inline QString s_program;
    static inline bool s_written = false;
    static inline QString s_error;
};

TEST_F(DemoDisc, aFileNamedByARuleIsMissingFromTheDisc)
{
    // A few rows of every naming rule, written here as the rules spell them.
    const QStringList expected = {
        // photographs: year codes, 2000-2002 as A0..A2, category codes, the emblem page's default
        "kestranes/53A.JPG", "kestranes/57A.JPG", "kestranes/84A.JPG", "kestranes/A0A.JPG",
        "kestranes/A2B.JPG", "kestranes/AZA.JPG", "kestranes/CVA.JPG", "kestranes/MNA.JPG",
        "kestranes/ZZB.JPG", "kestranes/EMB972.JPG",
        // scripts, the year rule and the special cars
        "scripts/scri53.jpg", "scripts/scri00.jpg", "scripts/scri02.jpg", "SCRIPTS/SCRIzr1.jpg",
        "SCRIPTS/SCRIsk.jpg", "SCRIPTS/SCRIC12.jpg", "SCRIPTS/SCRIhv.jpg", "SCRIPTS/SCRIvz.jpg",
        "SCRIPTS/SCRIob.jpg", "SCRIPTS/SCRIdm.jpg", "SCRIPTS/SCRIRace.jpg", "scripts/scrizr1.jpg",
        "scripts/scrisk.jpg",
        // emblems, including the files that several keys share
        "embfront/emb57f.jpg", "embfront/emb01f.jpg", "embfront/EMBZR1f.jpg", "embfront/EMB96f.jpg",
        "embfront/EMBc12f.jpg", "embfront/EMBhvf.jpg", "embfront/EMB99f.jpg", "embfront/EMBRacef.jpg",
        "embrear/emb56r.jpg", "embrear/emb73r.jpg", "embrear/emb75r.jpg", "embrear/emb00r.jpg",
        "embrear/embZR1r.jpg", "embrear/emb96r.jpg", "embrear/embc12r.jpg", "embrear/embhvr.jpg",
        "embrear/emb99r.jpg", "embside/emb53s.jpg", "embside/emb56s.jpg", "embside/emb91s.jpg",
        "embside/emb93s.jpg", "embside/emb02s.jpg", "embside/embzr1s.jpg", "embside/embc12s.jpg",
        "embside/embdrmls.jpg",
        // clip art: the whole year, also for 2000-2002
        "ClipArt/1953.jpg", "ClipArt/1957.jpg", "ClipArt/2002.jpg", "ClipArt/skkes.jpg", "ClipArt/hvkes.jpg",
        "ClipArt/ZRkes.jpg", "clipart/1953.jpg",
        // graphics: placeholders, slide-show titles, booklet cover, default print picture
        "graphics/nonose.jpg", "graphics/norear.jpg", "graphics/noside.jpg", "graphics/97emboss.jpg",
        "graphics/53tile.jpg", "graphics/insignia.jpg", "graphics/logoant2.jpg", "graphics/95white.jpg",
        "graphics/bklettxt.jpg", "graphics/quoxel3.jpg", "graphics/emb99.jpg",
        // year documents, with 2000-2002 as a0..a2 and the booklet's own spelling
        "richtext/57desc.rtf", "RichText/a1desc.rtf", "RichText/A1desc.rtf", "richtext/57stats.rtf",
        "RichText/a1stats.rtf", "RichText/57OPTS.rtf", "RichText/a2OPTS.rtf", "RichText/57colors.rtf",
        "RichText/a0colors.rtf", "richtext/nostalgia56.rtf", "RichText/57.rtf", "RichText/A2.rtf",
        "RichText/ZR.rtf", "RichText/ZRdesc.rtf",
        // category documents
        "richtext/intro.rtf", "richtext/desc.rtf", "richtext/zy002.rtf", "richtext/GrayWolf.rtf",
        "richtext/musamer.rtf", "richtext/franklin.rtf", "richtext/FMWatch.rtf", "richtext/ptdesc.rtf",
        "richtext/ZRDESC.rtf", "richtext/P5DESC.rtf", "richtext/skstats.rtf", "richtext/venzistats.rtf",
        "richtext/dromellfeatures.rtf", "RichText/vzOPTS.rtf", "RichText/ZROPTS.rtf", "RichText/zrcolors.rtf",
        "RichText/dmcolors.rtf",
        // per-photograph details; the emblem page uses five characters of the name
        "richtext/MSA.rtf", "richtext/TXB.rtf", "richtext/EMB97.rtf", "richtext/EMB53.rtf",
        // menu documents and help pages
        "richtext/WallPaper Instructions.rtf", "richtext/Ostrel.rtf", "RichText/books.rtf",
        "RichText/KestraneAds.rtf", "RichText/ENGINES.rtf", "richtext/glossary.rtf", "richtext/timeline.rtf",
        "RichText/idkesty.rtf", "richtext/whatsnew.rtf", "richtext/contrib.rtf", "richtext/wave.rtf",
        "RichText/lt4.rtf", "richtext/10second.rtf", "richtext/Z06CofY.rtf", "richtext/magcaprs.rtf",
        "richtext/magsweden.rtf", "richtext/magycar.rtf", "richtext/sshelp.rtf", "RichText/penrow.rtf",
        // advertisements, brochures, illustrated series
        "ads/53gmco00.jpg", "ads/65gmco00.jpg", "ads/00gmco00.jpg", "ads/01gmco00.jpg", "ads/xpbad00.jpg",
        "ads/zr1ad.jpg", "ads/C12.jpg", "ads/ACGMCO04.jpg", "ads/gtrad.jpg", "ads/dpadmako.jpg",
        "ads/dalworth.jpg", "Brochures/br1953.jpg", "Brochures/br1963.jpg", "Brochures/br2001.jpg",
        "OverSize/st001.jpg", "OverSize/st009.jpg", "OverSize/st010.jpg", "OverSize/st053.jpg",
        // movies, sounds, narrations, installer, dealer
        "movies/1953.avi", "movies/97C5Intro.avi", "movies/1990.avi", "movies/1992Commercial.avi",
        "movies/1992.avi", "movies/1995.avi", "movies/lemans.avi", "movies/ls1.avi", "wav/backfrng.wav",
        "wav/Track2.wav", "wav/62kesty.wav", "wav/passby.wav", "wav/goingby.wav", "wav/intro.wav",
        "wav/1957.wav", "wav/2002.wav", "wav/ZR1.wav", "wav/skboat.wav", "wav/halvard.wav",
        "IndeoVideo/iv5play.exe", "dalworth/dalworth.rtf", "dalworth/dalworth3.jpg"};
    for (const QString& relative : expected)
        EXPECT_FALSE(path(relative).isEmpty()) << relative.toStdString();
    EXPECT_TRUE(QFileInfo(path("IndeoVideo/iv5play.exe")).isExecutable());
}

TEST_F(DemoDisc, aYearPageOrBookletWouldFindAFileMissing)
{
    // Every model year through the rules of the year page, its documents, pictures and narration.
    for (int y = 1953; y <= 2002; ++y) {
        if (y == 1983)
            continue;
        const QString year = QString::number(y);
        const QString yy = year.mid(2); // characters 3 and 4 of the key
        const QString docPart = y >= 2000 ? QStringLiteral("a") + year.at(3) : yy;
        const QString bookletCode = y >= 2000 ? QStringLiteral("A") + year.at(3) : yy;
        QStringList files = {"scripts/scri" + yy + ".jpg",
                             "embfront/emb" + yy + "f.jpg",
                             "ClipArt/" + year + ".jpg",
                             "richtext/" + docPart + "desc.rtf",
                             "richtext/" + docPart + "stats.rtf",
                             "RichText/" + docPart + "OPTS.rtf",
                             "RichText/" + docPart + "colors.rtf",
                             "RichText/" + bookletCode + "desc.rtf",
                             "RichText/" + bookletCode + ".rtf",
                             "Brochures/br" + year + ".jpg",
                             "wav/" + year + ".wav"};
        if (y < 1953 + 3 || y == 1974)
            files << "graphics/norear.jpg";
        else
            files << "embrear/emb" + yy + "r.jpg";
        if (y == 1954 || y == 1955)
            files << "embside/emb53s.jpg";
        else if (y == 1981)
            files << "graphics/noside.jpg";
        else if (y == 1991 || y == 1992 || y == 1994 || y == 1995)
            files << "embside/emb91s.jpg";
        else
            files << "embside/emb" + yy + "s.jpg";
        if (y != 1976 && y != 1996)
            files << "ads/" + yy + "gmco00.jpg";
        for (const QString& f : files)
            EXPECT_FALSE(path(f).isEmpty()) << year.toStdString() << ": " << f.toStdString();
    }
    for (int n = 1; n <= 53; ++n)
        EXPECT_FALSE(path(QStringLiteral("OverSize/st%1.jpg").arg(n, 3, 10, QChar(u'0'))).isEmpty()) << n;
}

TEST_F(DemoDisc, aFolderIsSpelledOtherwiseThanTheDiscSpellsIt)
{
    const QStringList folders = QDir(s_root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    EXPECT_EQ(folders, QStringList({"Brochures", "IndeoVideo", "OverSize", "ads", "clipart", "dalworth",
                                    "embfront", "embrear", "embside", "graphics", "kestranes", "movies",
                                    "richtext", "scripts", "wav"}));
}

TEST_F(DemoDisc, aFileThatIsMissingOnPurposeWasWritten)
{
    const QStringList absent = {
        "ads/76gmco00.jpg", "ads/96gmco00.jpg", // years without an advertisement
        "embrear/emb53r.jpg", "embrear/emb54r.jpg", "embrear/emb55r.jpg", "embrear/emb74r.jpg",
        "embside/emb54s.jpg", "embside/emb55s.jpg", "embside/emb81s.jpg", "embside/emb92s.jpg",
        "embside/emb94s.jpg", "embside/emb95s.jpg", "OverSize/st000.jpg", "scripts/scri83.jpg",
        "richtext/83desc.rtf",
        // a category title or the dealer key that no rule names falls through to a name that must not exist
        "RichText/stOPTS.rtf", "richtext/stdesc.rtf", "ads/stgmco00.jpg", "ads/lwgmco00.jpg",
        "ClipArt/Kest.jpg"};
    for (const QString& relative : absent)
        EXPECT_TRUE(path(relative).isEmpty()) << relative.toStdString();

    EXPECT_EQ(QDir(path("richtext")).entryList({"nostalgia*"}, QDir::Files), QStringList{"nostalgia56.rtf"});
    const QRegularExpression yearCover(QStringLiteral("^br(19[5-9]\\d|200[0-2])\\.jpg$"));
    for (const QString& name : QDir(path("Brochures")).entryList(QDir::Files))
        EXPECT_TRUE(yearCover.match(name).hasMatch()) << "brochure for a category: " << name.toStdString();
    EXPECT_TRUE(QDir(path("kestranes")).entryList({"83*"}, QDir::Files).isEmpty());
}

TEST_F(DemoDisc, aSelectionCodeHasNoPhotographOrANameIsNotEightDotThree)
{
    QStringList codes;
    for (int y = 1953; y <= 1999; ++y)
        if (y != 1983)
            codes.append(QString::number(y).mid(2));
    codes << "A0"
          << "A1"
          << "A2"
          << "AZ"
          << "BC"
          << "CC"
          << "FL"
          << "GS"
          << "FM"
          << "DP"
          << "DR"
          << "CV"
          << "GT"
          << "EM"
          << "ES"
          << "CA"
          << "G6"
          << "GB"
          << "GD"
          << "GF"
          << "GH"
          << "GL"
          << "MS"
          << "TT"
          << "MA"
          << "MN"
          << "TC"
          << "TX"
          << "US"
          << "TE"
          << "TD"
          << "TF"
          << "TI"
          << "TW"
          << "TP"
          << "VM"
          << "VR"
          << "XP"
          << "ZW"
          << "ZX"
          << "ZY"
          << "ZZ";
    const QStringList photos = QDir(path("kestranes")).entryList({"*.jpg"}, QDir::Files); // ignores case
    const QRegularExpression eightDotThree(QStringLiteral("^[A-Za-z0-9]{3,8}\\.(jpg|JPG)$"));
    for (const QString& name : photos)
        EXPECT_TRUE(eightDotThree.match(name).hasMatch()) << name.toStdString();
    for (const QString& code : codes) {
        const auto n = std::count_if(photos.begin(), photos.end(),
                                     [&](const QString& p) { return p.left(2).toUpper() == code; });
        EXPECT_EQ(n, 2) << code.toStdString();
    }
    EXPECT_EQ(photos.size(), codes.size() * 2) << "a photograph with a code of no selection";
    // Lower-case names make the program's case-blind matching necessary.
    EXPECT_TRUE(photos.contains("57b.jpg"));
    EXPECT_TRUE(photos.contains("a1b.jpg"));
}

TEST_F(DemoDisc, twoFilesDifferOnlyInLetterCase)
{
    // On the product disc's case-blind file system the second would overwrite the first.
    QSet<QString> seen;
    for (const QString& f : filesUnder(s_root)) {
        const QString key = f.toLower();
        EXPECT_FALSE(seen.contains(key)) << f.toStdString();
        seen.insert(key);
    }
}

TEST_F(DemoDisc, aPictureDoesNotDecodeOrIsBiggerThanTheSmallDiscAllows)
{
    const QStringList pictures = filesUnder(s_root, {"*.jpg", "*.JPG"});
    EXPECT_GT(pictures.size(), 600);
    for (const QString& f : pictures) {
        const QImage img(f);
        ASSERT_FALSE(img.isNull()) << f.toStdString();
        EXPECT_LE(img.width(), 160) << f.toStdString();
        EXPECT_LE(img.height(), 120) << f.toStdString();
    }
}

TEST_F(DemoDisc, aSoundIsNotPcm16BitMonoOrIsSilent)
{
    QStringList sounds = filesUnder(s_root, {"*.wav"});
    sounds.append(s_program + QStringLiteral("/passby.wav"));
    EXPECT_EQ(sounds.size(), 29 + 4 + 49 + 1);
    for (const QString& f : sounds) {
        const QByteArray wav = readAll(f);
        QList<RiffChunk> top;
        ASSERT_TRUE(parseChunks(wav, 0, wav.size(), &top)) << f.toStdString();
        const RiffChunk* riff = findChunk(top, "RIFF", "WAVE");
        ASSERT_NE(riff, nullptr) << f.toStdString();
        const RiffChunk* fmt = findChunk(riff->children, "fmt ");
        const RiffChunk* data = findChunk(riff->children, "data");
        ASSERT_TRUE(fmt && data) << f.toStdString();
        EXPECT_EQ(le16(fmt->data, 0), 1); // PCM
        EXPECT_EQ(le16(fmt->data, 2), 1); // mono
        EXPECT_EQ(le32(fmt->data, 4), 22050u);
        EXPECT_EQ(le32(fmt->data, 8), 44100u); // bytes per second
        EXPECT_EQ(le16(fmt->data, 14), 16);
        EXPECT_GT(data->data.size(), 1000);
        EXPECT_NE(data->data.count('\0'), data->data.size()) << "silent: " << f.toStdString();
    }
}

TEST_F(DemoDisc, aMovieIsNotAWellFormedMotionJpegAvi)
{
    for (const QString& f : filesUnder(s_root, {"*.avi"})) {
        SCOPED_TRACE(f.toStdString());
        const QByteArray avi = readAll(f);
        QList<RiffChunk> top;
        ASSERT_TRUE(parseChunks(avi, 0, avi.size(), &top));
        const RiffChunk* riff = findChunk(top, "RIFF", "AVI ");
        ASSERT_NE(riff, nullptr);
        const RiffChunk* hdrl = findChunk(riff->children, "LIST", "hdrl");
        const RiffChunk* movi = findChunk(riff->children, "LIST", "movi");
        const RiffChunk* idx1 = findChunk(riff->children, "idx1");
        ASSERT_TRUE(hdrl && movi && idx1);
        const RiffChunk* avih = findChunk(hdrl->children, "avih");
        const RiffChunk* strl = findChunk(hdrl->children, "LIST", "strl");
        ASSERT_TRUE(avih && strl);
        const RiffChunk* strh = findChunk(strl->children, "strh");
        ASSERT_TRUE(strh && findChunk(strl->children, "strf"));
        EXPECT_EQ(strh->data.left(8), QByteArray("vidsMJPG"));
        EXPECT_EQ(le32(avih->data, 32), 320u);
        EXPECT_EQ(le32(avih->data, 36), 240u);

        const quint32 frames = le32(avih->data, 16);
        EXPECT_EQ(frames, 10u); // one second at ten frames a second
        EXPECT_EQ(qsizetype(frames), movi->children.size());
        ASSERT_EQ(idx1->data.size(), qsizetype(frames) * 16);
        for (quint32 i = 0; i < frames; ++i) {
            const RiffChunk& chunk = movi->children[i];
            EXPECT_EQ(chunk.id, QByteArray("00dc"));
            const QImage frame = QImage::fromData(chunk.data, "JPG");
            EXPECT_EQ(frame.size(), QSize(320, 240));
            // Index offsets count from the 'movi' type code and must land on the chunk.
            EXPECT_EQ(movi->offset + 8 + le32(idx1->data, i * 16 + 8), chunk.offset);
            EXPECT_EQ(le32(idx1->data, i * 16 + 12), quint32(chunk.data.size()));
        }
    }
}

TEST_F(DemoDisc, aDocumentIsNotRichTextOrLacksItsFormatting)
{
    const QStringList docs = filesUnder(s_root, {"*.rtf"});
    EXPECT_GT(docs.size(), 350);
    for (const QString& f : docs) {
        const QByteArray rtf = readAll(f);
        EXPECT_TRUE(rtf.startsWith("{\\rtf1")) << f.toStdString();
        EXPECT_TRUE(rtf.contains("\\fonttbl") && rtf.contains("\\colortbl")) << f.toStdString();
        int depth = 0;
        for (qsizetype i = 0; i < rtf.size(); ++i) {
            if (rtf[i] == '\\')
                ++i; // an escaped brace or backslash
            else if (rtf[i] == '{')
                ++depth;
            else if (rtf[i] == '}' && --depth == 0 && rtf.indexOf('{', i) >= 0)
                ADD_FAILURE() << "text after the closing brace: " << f.toStdString();
        }
        EXPECT_EQ(depth, 0) << f.toStdString();
    }
    EXPECT_TRUE(readAll(path("richtext/57stats.rtf")).contains("\\trowd"));
    EXPECT_TRUE(readAll(path("richtext/57desc.rtf")).contains("\\pngblip"));
    EXPECT_TRUE(readAll(path("richtext/timeline.rtf")).contains("\\jpegblip"));
    EXPECT_TRUE(readAll(path("richtext/glossary.rtf")).contains("\\b "));
    EXPECT_TRUE(readAll(path("richtext/magsweden.rtf")).contains("\\'e4"));
}

TEST(DemoDiscFailure, aFolderThatCannotBeMadeIsReportedAsAFailure)
{
    QTemporaryDir dir;
    QFile blocker(dir.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(kestrane::demo::writeDemoDisc(blocker.fileName() + QStringLiteral("/disc"), {true}, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
