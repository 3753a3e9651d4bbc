#include "common/category_table.h"
#include "common/year_keys.h"
#include "disc_names.h"
#include "photos/slide_insignia.h"
#include "selection/insignia.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace kestrane;

namespace {

QString file(Insignia picture, const char16_t* key)
{
    return insigniaFile(picture, QString::fromUtf16(key));
}

// "\folder\name" in lower case for every insignia picture the disc holds.
QSet<QString> discInsignia()
{
    QSet<QString> files;
    const QList<QList<demo::NamedFile>> lists = {demo::scriptFiles(), demo::frontEmblemFiles(),
                                                 demo::rearEmblemFiles(), demo::sideEmblemFiles(),
                                                 demo::clipArtFiles()};
    for (const auto& list : lists)
        for (const demo::NamedFile& f : list)
            files.insert((u"\\"_qs + f.folder + u"\\"_qs + f.name).toLower());
    for (const char* placeholder : {"nonose.jpg", "norear.jpg", "noside.jpg"})
        files.insert(u"\\graphics\\"_qs + QString::fromLatin1(placeholder));
    return files;
}

} // namespace

TEST(InsigniaFiles, SharedFilesAndPlaceholdersFollowTheYearRanges)
{
    struct Row
    {
        Insignia picture;
        const char16_t* key;
        const char16_t* file;
    };
    const Row rows[] = {
        {kScriptPicture, u"1957", u"\\scripts\\scri57.jpg"},
        {kScriptPicture, u"Race Cars ", u"\\SCRIPTS\\SCRIRace.jpg"},
        {kFrontEmblem, u"1957", u"\\embfront\\emb57f.jpg"},
        {kFrontEmblem, u"Venzi Automotive Concepts ", u"\\graphics\\nonose.jpg"},
        {kFrontEmblem, u"Orbeck Cars ", u"\\embfront\\EMB99f.jpg"},
        {kFrontEmblem, u"Dromell Cars ", u"\\embfront\\EMB99f.jpg"},
        {kRearEmblem, u"1953", u"\\graphics\\norear.jpg"},
        {kRearEmblem, u"1955", u"\\graphics\\norear.jpg"},
        {kRearEmblem, u"1956", u"\\embrear\\emb56r.jpg"},
        {kRearEmblem, u"1974", u"\\graphics\\norear.jpg"},
        {kRearEmblem, u"Orbeck Cars ", u"\\embrear\\emb99r.jpg"},
        {kRearEmblem, u"Dromell Cars ", u"\\embrear\\emb99r.jpg"},
        {kSideEmblem, u"1953", u"\\embside\\emb53s.jpg"},
        {kSideEmblem, u"1954", u"\\embside\\emb53s.jpg"},
        {kSideEmblem, u"1955", u"\\embside\\emb53s.jpg"},
        {kSideEmblem, u"1981", u"\\graphics\\noside.jpg"},
        {kSideEmblem, u"1991", u"\\embside\\emb91s.jpg"},
        {kSideEmblem, u"1992", u"\\embside\\emb91s.jpg"},
        {kSideEmblem, u"1993", u"\\embside\\emb93s.jpg"},
        {kSideEmblem, u"1995", u"\\embside\\emb91s.jpg"},
        {kSideEmblem, u"Orbeck Cars ", u"\\graphics\\noside.jpg"},
        {kClipArtPicture, u"1957", u"\\ClipArt\\1957.jpg"},
        {kClipArtPicture, u"2002", u"\\ClipArt\\2002.jpg"},
        {kClipArtPicture, u"1990-1995 ZR-1 ", u"\\ClipArt\\ZRkes.jpg"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(file(r.picture, r.key), QString::fromUtf16(r.file))
            << QString::fromUtf16(r.key).toStdString();
}

TEST(InsigniaFiles, EveryFileAYearOrACategoryWithItsOwnRulesAsksForLiesOnTheDisc)
{
    const QSet<QString> disc = discInsignia();
    QStringList keys;
    for (int i = 1; i <= kYearButtonCount; ++i)
        keys << yearKeyForButton(i);
    for (const CategoryRow& row : categoryTable())
        keys << QString::fromUtf16(row.title);
    int checked = 0;
    for (const QString& key : keys)
        for (const InsigniaInfo& info : kInsigniaInfo)
            if (hasOwnInsigniaFile(info.picture, key)) {
                EXPECT_TRUE(disc.contains(insigniaFile(info.picture, key).toLower()))
                    << key.toStdString() << " " << insigniaFile(info.picture, key).toStdString();
                ++checked;
            }
    EXPECT_GT(checked, 49 * 5);
}

TEST(InsigniaFiles, LoadersPlaceTheirPicturesOnThePhotographsCorners)
{
    const QRect photo(8, 30, 600, 400);
    const int frameTop = 440;
    const QSize size(100, 40);
    const QPoint designed(7, 9);
    EXPECT_EQ(insigniaPosition(kScriptPicture, photo, frameTop, size, designed), QPoint(9, 80));
    EXPECT_EQ(insigniaPosition(kRearEmblem, photo, frameTop, size, designed), QPoint(9, 399));
    EXPECT_EQ(insigniaPosition(kSideEmblem, photo, frameTop, size, designed), QPoint(500, 399));
    EXPECT_EQ(insigniaPosition(kFrontEmblem, photo, frameTop, size, designed), QPoint(508, 399));
    EXPECT_EQ(insigniaPosition(kClipArtPicture, photo, frameTop, size, designed), designed);
}

TEST(SlideInsignia, YearsUseNoPlaceholdersAndTheirOwnSideRule)
{
    using A = SlidePicture::Action;
    struct Row
    {
        int y;
        A rear;
        A side;
        const char16_t* sideFile;
        const char16_t* caption;
    };
    const Row rows[] = {
        {53, A::Empty, A::Empty, u"", u"1953 "},
        {54, A::Empty, A::Empty, u"", u"1954 "},
        {56, A::Load, A::Empty, u"", u"1956 "},
        {57, A::Load, A::Load, u"E:\\embside\\emb57s.jpg", u"1957 "},
        {74, A::Empty, A::Load, u"E:\\embside\\emb74s.jpg", u"1974 "},
        {81, A::Load, A::Empty, u"", u"1981 "},
        {92, A::Load, A::Load, u"E:\\embside\\emb91s.jpg", u"1992 "},
        {93, A::Load, A::Load, u"E:\\embside\\emb93s.jpg", u"1993 "},
        {101, A::Load, A::Load, u"E:\\embside\\emb01s.jpg", u"2001 "},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.y);
        const SlideInsignia set = resolveSlideInsignia(r.y, u"E:"_qs);
        EXPECT_EQ(set.pictures[kSlideRear].action, r.rear);
        EXPECT_EQ(set.pictures[kSlideSide].action, r.side);
        EXPECT_EQ(set.pictures[kSlideSide].path, QString::fromUtf16(r.sideFile));
        EXPECT_EQ(set.pictures[kSlideFront].action, A::Load);
        EXPECT_EQ(set.pictures[kSlideScript].action, A::Load);
        EXPECT_EQ(set.caption, QString::fromUtf16(r.caption));
    }
    const SlideInsignia y2000 = resolveSlideInsignia(100, u"E:"_qs);
    EXPECT_EQ(y2000.pictures[kSlideRear].path, u"E:\\embrear\\emb00r.jpg");
    EXPECT_EQ(y2000.pictures[kSlideFront].path, u"E:\\embfront\\emb00f.jpg");
    EXPECT_EQ(y2000.pictures[kSlideScript].path, u"E:\\scripts\\scri00.jpg");
}

TEST(SlideInsignia, TheFourExtraSetsShowOnlyTheirOwnPictures)
{
    using A = SlidePicture::Action;
    struct Row
    {
        int y;
        const char16_t* caption;
        A rear, side, front;
        const char16_t* script;
    };
    const Row rows[] = {
        {103, u"1990-1995 ZR-1 ", A::Load, A::Load, A::Load, u"E:\\scripts\\scrizr1.jpg"},
        {104, u"Halvard Twin-Turbo ", A::KeepHidden, A::KeepHidden, A::Load, u"E:\\scripts\\scrihv.jpg"},
        {105, u"Venzi Automotive Concepts ", A::KeepHidden, A::KeepHidden, A::KeepHidden,
         u"E:\\scripts\\scrivz.jpg"},
        {106, u"Malibu Kestrane Ski Boat ", A::Load, A::KeepHidden, A::Load, u"E:\\scripts\\scrisk.jpg"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.y);
        const SlideInsignia set = resolveSlideInsignia(r.y, u"E:"_qs);
        EXPECT_EQ(set.caption, QString::fromUtf16(r.caption));
        EXPECT_EQ(set.pictures[kSlideRear].action, r.rear);
        EXPECT_EQ(set.pictures[kSlideSide].action, r.side);
        EXPECT_EQ(set.pictures[kSlideFront].action, r.front);
        EXPECT_EQ(set.pictures[kSlideScript].path, QString::fromUtf16(r.script));
    }
    EXPECT_EQ(resolveSlideInsignia(106, u"E:"_qs).pictures[kSlideRear].path, u"E:\\embrear\\emb96r.jpg");
}

TEST(SlideInsignia, TheScriptStandsCentredAboveTheCaptionAndTheSideAboveTheScript)
{
    SlideArrangementInput in;
    in.windowWidth = 12000;
    in.coStarLeft = 300;
    in.coStarTop = 8000;
    in.captionHeight = 400;
    in.sizes[kSlideRear] = QSize(2000, 1000);
    in.sizes[kSlideSide] = QSize(3001, 600);
    in.sizes[kSlideFront] = QSize(1500, 1500);
    in.sizes[kSlideScript] = QSize(5000, 900);
    const SlideArrangement a = arrangeSlideInsignia(in);
    EXPECT_EQ(a.captionLeft, 300);
    EXPECT_EQ(a.captionTop, 7500);
    EXPECT_EQ(a.rearLeft, 2000);   // (6000 - 2000) / 2
    EXPECT_EQ(a.frontLeft, 8250);  // 6000 + (6000 - 1500) / 2
    EXPECT_EQ(a.scriptTop, 6100);  // 7500 - 900 - 500
    EXPECT_EQ(a.scriptLeft, 3400); // (12000 - 5000) / 2 - 100
    EXPECT_EQ(a.sideTop, 5440);    // 6100 - 600 - 60
    EXPECT_EQ(a.sideLeft, 4500);   // 4499.5 rounded
}
