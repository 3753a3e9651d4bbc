#include "platform/fakes/fake_platform.h"
#include "rtf/rtf_reader.h"
#include "search/document_titles.h"
#include "search/search_catalogue.h"
#include "search/search_index.h"
#include "search/search_indexer.h"
#include "search/text_matches.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

// Documents in the disc's own form: RTF of the Windows code page, tables as rows of cells.
const QByteArray kStatsRtf =
    "{\\rtf1\\ansi\\ansicpg1252{\\info{\\title x}}\\pard 1957 Statistics\\par"
    "\\trowd\\cellx3000\\cellx6000\\intbl Engine\\cell\\intbl Ramjet fuel injection\\cell\\row"
    "\\trowd\\cellx3000\\cellx6000\\intbl Body\\cell\\intbl Fibreglass\\cell\\row"
    "\\pard Built in Flint.\\par}";
const QByteArray kDescRtf =
    "{\\rtf1\\ansi\\ansicpg1252\\pard The 1957 D\\'e9capotable: a convertible with a hardtop, "
    "sold from the Stra\\'dfe showroom. The DECAPOTABLE name stuck.\\par}";
const QByteArray kGlossaryRtf =
    "{\\rtf1\\ansi\\pard Hardtop: a removable roof. Convertible: a folding roof. Fuel: petrol.\\par}";
const QByteArray kUnknownRtf =
    "{\\rtf1\\ansi\\pard\\par \\pard   Dealer   notes of 1958\\par Nothing else.\\par}";

struct SearchDisc : ::testing::Test
{
    FakePlatform fake;
    QString disc = fake.addDrive(u'E');
    QTemporaryDir cache;

    SearchDisc()
    {
        writeHostFile(disc, u"RichText/57stats.rtf"_qs, kStatsRtf);
        writeHostFile(disc, u"RichText/57desc.rtf"_qs, kDescRtf);
        writeHostFile(disc, u"RichText/GLOSSARY.RTF"_qs, kGlossaryRtf);
        writeHostFile(disc, u"RichText/dealer.rtf"_qs, kUnknownRtf);
        writeHostFile(disc, u"RichText/broken.rtf"_qs, "not a document");
        writeHostFile(disc, u"RichText/readme.txt"_qs, "{\\rtf1 not listed}");
    }

    IndexBuild build(bool useCache = true)
    {
        return buildSearchIndex({&fake.fileSystem, u"E:"_qs, QString(), useCache ? cache.path() : QString()});
    }

    static QStringList captions(const SearchIndex& index, const QString& words)
    {
        QStringList found;
        for (const SearchHit& hit : index.query(words))
            found << index.document(hit.document).caption;
        return found;
    }
};

const QString kDesc = u"The Kestrane Omnivar     1957 Description"_qs;
const QString kStats = u"The Kestrane Omnivar     1957 Statistics"_qs;
const QString kGlossary = u"The Kestrane Omnivar     Kestrane Glossary"_qs;
const QString kDealer = u"The Kestrane Omnivar     Dealer notes of 1958"_qs;

} // namespace

TEST_F(SearchDisc, WordsAreMissedNeitherInTableCellsNorForTheirCaseOrAccents)
{
    const IndexBuild built = build();
    ASSERT_TRUE(built.index);
    EXPECT_FALSE(built.fromCache);
    EXPECT_EQ(built.unreadable, 1); // broken.rtf: skipped, not fatal
    const SearchIndex& index = *built.index;
    ASSERT_EQ(index.size(), 4);

    const struct
    {
        const char* words;
        QStringList found;
    } cases[] = {
        {"ramjet", {kStats}}, // a table cell
        {"FIBREGLASS", {kStats}},
        {"decapotable", {kDesc}},                    // "Décapotable" and "DECAPOTABLE"
        {"Décap", {kDesc}},                          // accent typed, prefix of a word
        {"strasse", {kDesc}},                        // "Straße"
        {"capotable", {}},                           // inside a word is no word
        {"hardtop convertible", {kGlossary, kDesc}}, // every word, in either document
        {"hardtop ramjet", {}},                      // no document holds both
        {"1957", {kStats, kDesc}},
        {"dealer 1958", {kDealer}},
        {"  ,;  ", {}},
    };
    for (const auto& c : cases) {
        QStringList found = captions(index, QString::fromUtf8(c.words));
        QStringList expected = c.found;
        if (expected.size() > 1) { // ranking is its own test
            found.sort();
            expected.sort();
        }
        EXPECT_EQ(found, expected) << c.words;
    }
}

TEST_F(SearchDisc, ACaptionsWordAndMoreMatchesRankFirstAndTheSnippetMarksTheWords)
{
    const IndexBuild built = build(false);
    const SearchIndex& index = *built.index;
    // "Glossary" is in the glossary's caption only: it is found by it.
    EXPECT_EQ(captions(index, u"glossary"_qs), QStringList{kGlossary});
    // "Statistics" is in the statistics' caption and text; the description lacks it.
    EXPECT_EQ(captions(index, u"statistics"_qs), QStringList{kStats});
    // "roof" twice in the glossary.
    writeHostFile(disc, u"RichText/timeline.rtf"_qs, "{\\rtf1\\ansi\\pard One roof.\\par}");
    const IndexBuild again = build(false);
    EXPECT_EQ(captions(*again.index, u"roof"_qs),
              (QStringList{kGlossary, u"The Kestrane Omnivar     Kestrane Timeline"_qs}));

    const QList<SearchHit> hits = index.query(u"DÉCAPOTABLE showroom"_qs);
    ASSERT_EQ(hits.size(), 1);
    EXPECT_EQ(
        hits[0].snippet,
        u"The 1957 <b>Décapotable</b>: a convertible with a hardtop, sold from the Straße <b>showroom</b>. "
        "The <b>DECAPOTABLE</b> name stuck."_qs);
    EXPECT_EQ(
        hits[0].plainSnippet,
        u"The 1957 Décapotable: a convertible with a hardtop, sold from the Straße showroom. The DECAPOTABLE name stuck."_qs);
    // Text that looks like markup stays text.
    writeHostFile(disc, u"RichText/GLOSSARY.RTF"_qs, "{\\rtf1\\ansi\\pard <b>Hardtop</b> & roof\\par}");
    const QList<SearchHit> escaped = build(false).index->query(u"hardtop"_qs);
    ASSERT_EQ(escaped.size(), 2);
    bool sawEscaped = false;
    for (const SearchHit& hit : escaped)
        sawEscaped |= hit.snippet.contains(u"&lt;b&gt;<b>Hardtop</b>&lt;/b&gt; &amp; roof"_qs);
    EXPECT_TRUE(sawEscaped);
}

TEST_F(SearchDisc, TheCacheIsReusedAndRebuiltWhenADocumentChangesOrTheCacheIsDamaged)
{
    ASSERT_FALSE(build().fromCache);
    const IndexBuild second = build();
    EXPECT_TRUE(second.fromCache);
    EXPECT_EQ(captions(*second.index, u"ramjet"_qs), QStringList{kStats});

    // The same size, a new time: still another file.
    const QString stats = fake.fileSystem.resolve(u"E:\\richtext\\57stats.rtf"_qs);
    QByteArray changed = kStatsRtf;
    changed.replace("Ramjet", "Rochest");
    writeHostFile(disc, u"RichText/57stats.rtf"_qs, changed);
    QFile file(stats);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(3600), QFileDevice::FileModificationTime));
    file.close();
    const IndexBuild third = build();
    EXPECT_FALSE(third.fromCache);
    EXPECT_TRUE(captions(*third.index, u"ramjet"_qs).isEmpty());
    EXPECT_EQ(captions(*third.index, u"rochest"_qs), QStringList{kStats});

    // A new document changes the key as well.
    writeHostFile(disc, u"RichText/58desc.rtf"_qs, "{\\rtf1\\ansi\\pard Fuel\\par}");
    EXPECT_FALSE(build().fromCache);
    EXPECT_TRUE(build().fromCache);

    // A damaged cache is read as no cache.
    writeHostFile(cache.path(), u"search-index.dat"_qs, QByteArray(200, 'x'));
    const IndexBuild repaired = build();
    EXPECT_FALSE(repaired.fromCache);
    EXPECT_EQ(repaired.index->size(), 5);
    EXPECT_TRUE(build().fromCache);

    // A cache cut short (a full disk, a program killed while it wrote) at any length is no cache.
    QFile whole(cache.path() + u"/search-index.dat"_qs);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    whole.close();
    for (const qsizetype length : {bytes.size() - 1, bytes.size() / 2, qsizetype(9), qsizetype(0)}) {
        writeHostFile(cache.path(), u"search-index.dat"_qs, bytes.left(length));
        const IndexBuild rebuilt = build();
        EXPECT_FALSE(rebuilt.fromCache) << length;
        EXPECT_EQ(rebuilt.index->size(), 5) << length;
    }
}

TEST(DocumentTitles, EachDocumentOpensUnderItsOpenersCaptionAndCode)
{
    const DocumentTitles titles;
    const struct
    {
        const char* file;
        const char* caption;
        ErrorCode code;
    } cases[] = {
        {"57desc.rtf", "1957 Description", ErrorCode::ER002},
        {"A1DESC.RTF", "2001 Description", ErrorCode::ER002},
        {"a1stats.rtf", "2001 Statistics", ErrorCode::ER027},
        {"57OPTS.rtf", "1957 Options", ErrorCode::ER026},
        {"57colors.rtf", "1957 Colors", ErrorCode::ER029},
        {"nostalgia56.rtf", "Nostalgia 1956", ErrorCode::ER002},
        {"ptdesc.rtf", "Prototypes ", ErrorCode::ER002}, // shared with Race Cars: the first rule
        {"dromellfeatures.rtf", "Dromell Cars  Features", ErrorCode::ER027},
        {"intro.rtf", "Introduction", ErrorCode::ER007},
        {"magKF.rtf", "Magazines", ErrorCode::ER008},
        {"moment.rtf", "Sometimes You Just Get Caught Up In The Moment", ErrorCode::ER008},
        {"WallPaper Instructions.rtf", "Wallpaper Instructions", ErrorCode::ER008},
        {"sshelp.rtf", "Install Screen Saver Help", ErrorCode::ER052},
    };
    for (const auto& c : cases) {
        const DocumentTitle* title = titles.find(QString::fromUtf8(c.file));
        ASSERT_NE(title, nullptr) << c.file;
        EXPECT_EQ(title->caption, u"The Kestrane Omnivar     "_qs + QString::fromUtf8(c.caption)) << c.file;
        EXPECT_EQ(title->errorCode, c.code) << c.file;
    }
    EXPECT_EQ(titles.find(u"57.rtf"_qs), nullptr);
    EXPECT_EQ(DocumentTitles::fromFirstLine(u"\n \n"_qs, u"TIA.rtf"_qs).caption,
              u"The Kestrane Omnivar     TIA"_qs);
    EXPECT_EQ(DocumentTitles::fromFirstLine(QString(200, u'x'), u"x.rtf"_qs).caption.size(), 25 + 80);
}

TEST(WordMatches, PositionsSelectTheWordsInTheShownDocumentTablesIncluded)
{
    QTextDocument document;
    ASSERT_TRUE(rtf::readRtf(kStatsRtf, &document).ok);
    const std::vector<TextMatch> matches =
        findWordMatches(document, {u"fibreglass"_qs, u"fli"_qs, u"fuel"_qs});
    QStringList words;
    for (const TextMatch& m : matches) {
        QTextCursor cursor(&document);
        cursor.setPosition(m.position);
        cursor.setPosition(m.position + m.length, QTextCursor::KeepAnchor);
        words << cursor.selectedText();
    }
    EXPECT_EQ(words, (QStringList{u"fuel"_qs, u"Fibreglass"_qs, u"Flint"_qs}));
    EXPECT_TRUE(findWordMatches(document, {}).empty());
}
