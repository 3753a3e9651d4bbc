#include "photos/photo_browser.h"
#include "state/app_state.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

// A catalogue as LoadPhotoArray leaves it: 1-based, sorted, closed by an empty entry.
AppState catalogue(const QStringList& names)
{
    AppState s;
    s.photos.photoFiles << QString();
    for (const QString& n : names)
        s.photos.photoFiles << u"E:\\kestranes\\"_qs + n;
    s.photos.photoFiles << QString();
    s.photos.photoCount = qint16(names.size());
    return s;
}

// What SelectKey leaves behind for a code.
void select(AppState& s, const QString& code)
{
    s.selection.categoryCode = code;
    s.photos.photoCursor = 0;
    s.photos.skipFirstMatch = kTrue;
    s.photos.lastStepNext = kFalse;
    s.photos.lastStepBack = kFalse;
}

int next(AppState& s)
{
    const auto j = stepNext(s);
    if (j)
        s.photos.shownIndex = qint16(*j);
    return j.value_or(-1);
}

int previous(AppState& s)
{
    const auto i = stepPrevious(s);
    if (!i)
        return -1;
    finishPreviousStep(s, *i);
    return *i;
}

// Photographs at indexes 10, 11, 12 for 57, others around them.
const QStringList kNames = {u"53A.JPG"_qs, u"53B.JPG"_qs, u"54A.JPG"_qs, u"54B.JPG"_qs,
                            u"55A.JPG"_qs, u"55B.JPG"_qs, u"56A.JPG"_qs, u"56B.JPG"_qs,
                            u"56C.JPG"_qs, u"57A.JPG"_qs, u"57B.JPG"_qs, u"57C.JPG"_qs,
                            u"58A.JPG"_qs, u"A1A.JPG"_qs, u"A1B.JPG"_qs, u"MSA.JPG"_qs};

} // namespace

TEST(PhotoSteps, ThreePhotographsWrapBothWays)
{
    AppState s = catalogue(kNames);
    select(s, u"57"_qs);
    EXPECT_EQ(next(s), 11);
    EXPECT_EQ(next(s), 12);
    EXPECT_EQ(next(s), 10);

    select(s, u"57"_qs);
    EXPECT_EQ(previous(s), 12);
    EXPECT_EQ(previous(s), 11);
    EXPECT_EQ(previous(s), 10);
    EXPECT_EQ(previous(s), 12);
    EXPECT_EQ(next(s), 10);
}

TEST(PhotoSteps, AlternatingStepsNeverShowTheSamePhotographTwiceInARow)
{
    for (const QString& code : {u"57"_qs, u"A1"_qs, u"53"_qs, u"MS"_qs}) {
        AppState s = catalogue(kNames);
        select(s, code);
        // After selecting, the selection's first photograph is on show.
        int shown = s.photos.photoFiles.indexOf(u"E:\\kestranes\\"_qs + code + u"A.JPG"_qs);
        const bool single = code == u"MS";
        QRandomGenerator random(7);
        for (int step = 0; step < 200; ++step) {
            const int now = random.bounded(2) ? next(s) : previous(s);
            ASSERT_GT(now, 0);
            EXPECT_EQ(s.photos.photoFiles.at(now).mid(13, 2), code);
            if (single)
                EXPECT_EQ(now, shown);
            else
                ASSERT_NE(now, shown) << code.toStdString() << " step " << step;
            shown = now;
        }
    }
}

TEST(PhotoSteps, TheYear2001FindsTheA1Photographs)
{
    AppState s = catalogue(kNames);
    select(s, u"01"_qs);
    EXPECT_EQ(next(s), 15);
    EXPECT_EQ(s.selection.categoryCode, u"A1");
    EXPECT_EQ(next(s), 14);
}

TEST(PhotoSteps, ACodeWithoutPhotographsChangesNothingAndEnds)
{
    AppState s = catalogue(kNames);
    select(s, u"59"_qs);
    s.photos.photoCursor = 5;
    EXPECT_FALSE(stepNext(s).has_value());
    EXPECT_FALSE(stepPrevious(s).has_value());
    EXPECT_EQ(s.photos.photoCursor, 5);
    EXPECT_EQ(s.photos.skipFirstMatch, kTrue);
    EXPECT_EQ(s.photos.lastStepNext, kFalse);

    AppState empty = catalogue({});
    select(empty, u"57"_qs);
    EXPECT_FALSE(stepNext(empty).has_value());
    EXPECT_FALSE(stepPrevious(empty).has_value());
}

TEST(PhotoSteps, ACursorLeftPastTheCatalogueBySlideShowStillFindsTheSelection)
{
    AppState s = catalogue(kNames);
    select(s, u"57"_qs);
    s.photos.skipFirstMatch = kFalse;
    s.photos.photoCursor = 400; // the clip-art mode's index
    EXPECT_EQ(next(s), 10);
    s.photos.photoCursor = 400;
    s.photos.lastStepNext = kFalse;
    EXPECT_EQ(previous(s), 12);
}

TEST(PhotoSteps, FirstPhotoSearchTakesTheFirstInCatalogueOrder)
{
    const AppState s = catalogue(kNames);
    EXPECT_EQ(findFirstPhoto(s, u"57"_qs), 10);
    EXPECT_EQ(findFirstPhoto(s, u"A1"_qs), 14);
    EXPECT_FALSE(findFirstPhoto(s, u"01"_qs).has_value());
    EXPECT_FALSE(findFirstPhoto(catalogue({}), u"57"_qs).has_value());
}

TEST(PhotoPaths, DescriptionsUseTheNameUpToTheDotOrFiveCharactersForEmblems)
{
    EXPECT_EQ(photoDescriptionPath(u"E:"_qs, u"C:\\prog\\kestranes\\57B.JPG"_qs, u"1957"_qs),
              u"E:\\richtext\\57B.rtf");
    EXPECT_EQ(photoDescriptionPath(u"E:"_qs, u"E:\\kestranes\\EMB972.JPG"_qs, u"Kestrane Emblems "_qs),
              u"E:\\richtext\\EMB97.rtf");
    EXPECT_EQ(photoDescriptionPath(u"E:"_qs, u"E:\\kestranes\\EMB972.JPG"_qs, u"Miscellany "_qs),
              u"E:\\richtext\\EMB972.rtf");
}

TEST(PhotoPaths, ThePlayListCandidateFollowsThePage)
{
    const QString prog = u"/opt/k"_qs;
    EXPECT_EQ(saverPhotoCandidate(prog, u"panYear"_qs, u"Description"_qs, {}),
              u"/opt/k\\sskestys\\EMB972.jpg");
    EXPECT_EQ(saverPhotoCandidate(prog, u"Dalworth"_qs, u"Hello!"_qs, u"E:\\kestranes\\57A.JPG"_qs),
              u"/opt/k\\sskestys\\dalworth3.jpg");
    EXPECT_EQ(saverPhotoCandidate(prog, u"1957"_qs, u"Description"_qs, u"E:\\kestranes\\57A.JPG"_qs),
              u"/opt/k\\sskestys\\57A.JPG");
}

TEST(PhotoTour, YearsRunWithout1983ThenThroughTheChainAndBack)
{
    struct Row
    {
        const char16_t* caption;
        int button;
        const char16_t* key;
        int k;
        bool page;
        int before;
        int after;
    };
    const Row rows[] = {
        {u"1953", 1, u"1954", 2, false, 2, 3},
        {u"1982", 30, u"1984", 31, false, 31, 32},
        {u"1999", 46, u"2000", 47, false, 47, 48},
        {u"2001", 48, u"2002", 49, false, 49, 1},
        {u"2002", 49, u"1990-1995 ZR-1 ", 49, false, 2, 1},
        {u"1990-1995 ZR-1 ", 49, u"Halvard C12 ", 49, false, 2, 1},
        {u"Custom Kestranes", 49, u"Additional Clip Art ", 49, true, 2, 1},
        {u"Kestrane Emblems ", 49, u"Miscellany ", 49, true, 2, 1},
        {u"Top Ten Kestrane People ", 49, u"1953", 1, false, 2, 2},
        // Entered from a menu (button 0) rather than from the tour.
        {u"Miscellany ", 0, u"Top Ten Kestrane People ", 49, true, 1, 1},
        {u"Kestrane Americana ", 0, u"1953", 1, false, 1, 2},
        {u"Race Cars ", 0, u"Malibu Kestrane Ski Boat ", 49, false, 1, 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QString::fromUtf16(r.caption).toStdString());
        const TourStep t = tourStep(QString::fromUtf16(r.caption), r.button);
        EXPECT_EQ(t.key, QString::fromUtf16(r.key));
        EXPECT_EQ(t.yearButton, r.k);
        EXPECT_EQ(t.categoryPage, r.page);
        EXPECT_EQ(t.frontBefore, r.before);
        EXPECT_EQ(t.frontAfter, r.after);
    }
}

TEST(PhotoTour, AFullRoundVisitsEveryYearAndChainEntryOnce)
{
    QString caption = u"1953"_qs;
    int button = 1;
    QStringList seen{caption};
    for (int i = 0; i < 200; ++i) {
        const TourStep t = tourStep(caption, button);
        caption = t.key;
        button = t.yearButton;
        if (caption == u"1953")
            break;
        seen << caption;
    }
    EXPECT_EQ(seen.size(), 49 + 34);
    EXPECT_EQ(seen.removeDuplicates(), 0);
    EXPECT_FALSE(seen.contains(u"1983"_qs));
}
