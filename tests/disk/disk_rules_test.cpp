// The rules of the disk subsystem: free-space figures, the gauges' chunk arithmetic, the interval
// spin, the screen saver's folder and settings, and the play list's refusals.
#include "disk/copy_rules.h"
#include "disk/play_list_rules.h"
#include "disk/saver_rules.h"
#include "photos/slide_rules.h"
#include "platform/fakes/fake_services.h"
#include "state/app_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestrane {
namespace {

TEST(FreeSpaceMessage, FiguresMisgroupedOrZeroShownAsDigits)
{
    const std::vector<std::pair<qint64, const char*>> rows = {
        {0, ""},
        {7, "7"},
        {999, "999"},
        {1000, "1,000"},
        {120000000, "120,000,000"},
        {1234567890, "1,234,567,890"},
        {5000000000001, "5,000,000,000,001"},
    };
    for (const auto& [value, shown] : rows)
        EXPECT_EQ(formatFigure(value), QString::fromLatin1(shown)) << value;
}

TEST(FreeSpaceMessage, ExactlyEnoughRefusedOrUnknownSpaceAccepted)
{
    EXPECT_TRUE(enoughSpace(120'000'000, 120'000'000));
    EXPECT_FALSE(enoughSpace(119'999'999, 120'000'000));
    EXPECT_TRUE(enoughSpace(8'000'000'000, 440'000'000)) << "sizes beyond 32 bits";
    EXPECT_FALSE(enoughSpace(-1, 120'000'000)) << "an unknown free space is none";
}

TEST(FreeSpaceMessage, FreeSpaceReckonedInRawBytesOrCutAt32Bits)
{
    struct Row
    {
        qint64 clusters;
        qint64 clusterBytes;
        qint64 figure;
    };
    const Row rows[] = {
        {30'000, 4096, 118'784'000},               // 29 x 4096 x 1000, under the 122,880,000 bytes free
        {1023, 4096, 0},                           // less than 1024 clusters count as none
        {4'000'000'000, 4096, 16'000'000'000'000}, // 16 TB: 3,906,250 x 4096 x 1000
        {-1, 4096, -1},                            // unknown stays unknown
        {1'000'000, 0, -1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(freeSpaceFigure(row.clusters, row.clusterBytes), row.figure) << row.clusters;
}

TEST(FreeSpaceMessage, LinesOrBlanksOfTheRefusalChanged)
{
    EXPECT_EQ(notEnoughSpaceMessage(100'000'000, 120'000'000),
              u"Not enough available hard disk space to perform copy.\r\n\r\n"
              "Free some up and try again.\r\n\r\n"
              "You have:  100,000,000 bytes\r\n\r\n"
              "You need:   20,000,000 bytes more\r\n\r\n"
              "For a total of:   120,000,000 bytes free.\r\n"_qs);
    // The free space could not be read: "You have:" shows no digits at all.
    EXPECT_TRUE(notEnoughSpaceMessage(-1, 440'000'000).contains(u"You have:   bytes\r\n"_qs));
    EXPECT_TRUE(notEnoughSpaceMessage(-1, 440'000'000).contains(u"You need:   440,000,000 bytes more"_qs));
}

struct GaugeStep
{
    qint64 copied; // bytes of the file so far; -1 ends the file
    int file;
    int overall;
    qint64 remaining;
};

struct GaugeCase
{
    const char* name;
    qint64 total;
    qint64 length;
    std::vector<GaugeStep> steps;
};

TEST(CopyGauges, ChunkOrRemainderMiscounted)
{
    const std::vector<GaugeCase> cases = {
        // Shorter than one chunk: only the remainder, so the file gauge jumps from where it was to
        // 100 and the job's total does not move.
        {"shorter than a chunk", 100'000, 24'999, {{24'999, 0, 0, 100'000}, {-1, 100, 0, 100'000}}},
        // An exact multiple: the last full chunk already shows 100; no remainder.
        {"exact multiple",
         100'000,
         50'000,
         {{25'000, 50, 25, 75'000}, {50'000, 100, 50, 50'000}, {-1, 100, 50, 50'000}}},
        // Chunks reported in bigger steps count off every chunk completed in between.
        {"several chunks at once",
         1'000'000,
         60'000,
         {{40'000, 42, 2, 975'000}, {60'000, 83, 5, 950'000}, {-1, 100, 5, 950'000}}},
        // More content than the fixed total: the job's gauge stops at 100, the copy goes on.
        {"beyond the total", 50'000, 100'000, {{100'000, 100, 100, -50'000}, {-1, 100, 100, -50'000}}},
    };
    for (const GaugeCase& c : cases) {
        CopyGauges gauges(c.total);
        gauges.startFile(c.length);
        for (const GaugeStep& step : c.steps) {
            if (step.copied < 0)
                gauges.finishFile();
            else
                gauges.copied(step.copied);
            EXPECT_EQ(gauges.fileGauge(), step.file) << c.name << " at " << step.copied;
            EXPECT_EQ(gauges.overallGauge(), step.overall) << c.name << " at " << step.copied;
            EXPECT_EQ(gauges.remainingBytes(), step.remaining) << c.name << " at " << step.copied;
        }
    }
}

TEST(CopyGauges, NextFileResetsTheFileGaugeBeforeItsFirstChunk)
{
    CopyGauges gauges(120'000'000);
    gauges.startFile(10);
    gauges.copied(10);
    gauges.finishFile();
    gauges.startFile(100'000);
    gauges.copied(20'000);
    EXPECT_EQ(gauges.fileGauge(), 100) << "no full chunk of the new file yet: the gauge keeps its value";
    gauges.copied(25'000);
    EXPECT_EQ(gauges.fileGauge(), 25);
}

TEST(CopyStop, AFullDiskOrALostDiscLetsTheCopyGoOnFileByFile)
{
    // The system's own texts, as a failed write or copy gives them.
    EXPECT_EQ(stopAfterFailure(u"No space left on device"_qs, true), CopyStop::NoRoom);
    EXPECT_EQ(stopAfterFailure(u"Disk quota exceeded"_qs, true), CopyStop::NoRoom);
    EXPECT_EQ(stopAfterFailure(u"No space left on device"_qs, false), CopyStop::NoRoom);
    EXPECT_EQ(stopAfterFailure(u"No such file or directory"_qs, false), CopyStop::DiscGone);
    // One damaged or vanished file of a disc still there: the others are still worth copying.
    EXPECT_EQ(stopAfterFailure(u"Input/output error"_qs, true), CopyStop::None);
    EXPECT_EQ(stopAfterFailure(u"No such file or directory"_qs, true), CopyStop::None);

    EXPECT_EQ(
        copyStoppedMessage(copyJobKind(false), CopyStop::NoRoom, 1, 8),
        u"Your hard drive is full.\r\n\r\n1 of the 8 movies was copied to your hard drive before the copy "
        "stopped. The movies that were not copied will go on being played from the CD-ROM.\r\n\r\n"
        "Make room on the hard drive, then copy them again."_qs);
}

TEST(SaverInterval, SpinSkipsOrRepeatsAStep)
{
    std::vector<qint32> up = {1000};
    for (int i = 0; i < 16; ++i)
        up.push_back(spinSlideInterval(up.back(), true));
    const std::vector<qint32> expectedUp = {1000,  2000,  3000,  4000,  5000,  10000, 15000, 20000, 25000,
                                            30000, 35000, 40000, 45000, 50000, 55000, 60000, 1000};
    EXPECT_EQ(up, expectedUp);

    std::vector<qint32> down = {1000};
    for (int i = 0; i < 16; ++i)
        down.push_back(spinSlideInterval(down.back(), false));
    std::vector<qint32> expectedDown(expectedUp.rbegin(), expectedUp.rend());
    EXPECT_EQ(down, expectedDown);

    EXPECT_EQ(saverIntervalCaption(1000), u"1 Seconds"_qs);
    EXPECT_EQ(saverIntervalCaption(45000), u"45 Seconds"_qs);
}

TEST(SaverSettings, IntervalOrFolderWrittenWhereTheSaverDoesNotLook)
{
    FakeSettingsStore store;
    const std::vector<std::pair<qint32, const char*>> rows = {{1000, "1"}, {5000, "5"}, {60000, "60"}};
    for (const auto& [ms, text] : rows) {
        writeSaverSettings(store, ms, u"C:\\prog\\sskestys\\"_qs);
        EXPECT_EQ(store.values.value(u"SCRNSAVE: The Kestrane Omnivar 2002/Settings/Interval"_qs),
                  QString::fromLatin1(text));
        const SaverSettings read = readSaverSettings(store);
        EXPECT_EQ(read.intervalSeconds * 1000, ms);
        EXPECT_EQ(read.folder, u"C:\\prog\\sskestys\\"_qs);
    }
    EXPECT_EQ(store.values.value(u"SCRNSAVE: The Kestrane Omnivar 2002/Settings/KestranesDir"_qs),
              u"C:\\prog\\sskestys\\"_qs);

    const std::vector<std::pair<const char*, int>> odd = {
        {"", 5}, {"x", 5}, {"0", 1}, {"900", 60}, {" 7", 7}};
    for (const auto& [text, seconds] : odd) {
        store.setValue(saverApplicationName(), u"Settings"_qs, u"Interval"_qs, QString::fromLatin1(text));
        EXPECT_EQ(readSaverSettings(store).intervalSeconds, seconds) << text;
    }
}

TEST(SaverFolder, InstallRecordsTheWrongPhotos)
{
    EXPECT_EQ(chooseSaverFolder(true, false), SaverFolder::Selected);
    EXPECT_EQ(chooseSaverFolder(true, true), SaverFolder::Selected);
    EXPECT_EQ(chooseSaverFolder(false, true), SaverFolder::OnDisk);
    EXPECT_EQ(chooseSaverFolder(false, false), SaverFolder::AskToCopy);
    const QString program = u"/home/u/prog"_qs;
    EXPECT_EQ(saverFolderPath(SaverFolder::Selected, program, u"E:"_qs), u"/home/u/prog\\sskestys\\"_qs);
    EXPECT_EQ(saverFolderPath(SaverFolder::OnDisk, program, u"E:"_qs), u"/home/u/prog\\kestranes\\"_qs);
    EXPECT_EQ(saverFolderPath(SaverFolder::Disc, program, u"E:"_qs), u"E:\\kestranes\\"_qs);
}

TEST(PlayListRules, WrongPhotoTakenForThePage)
{
    AppState state;
    state.disc.cdRoot = u"E:"_qs;
    state.disc.photoRoot = u"/prog"_qs;
    state.photos.currentPhoto = u"/prog\\kestranes\\57B.jpg"_qs;
    EXPECT_EQ(playListSourcePhoto(state, u"Description"_qs), u"/prog\\kestranes\\EMB972.jpg"_qs)
        << "before any selection";
    state.selection.selectionKey = u"1957"_qs;
    EXPECT_EQ(playListSourcePhoto(state, u"Description"_qs), u"/prog\\kestranes\\57B.jpg"_qs);
    EXPECT_EQ(playListSourcePhoto(state, u"Hello!"_qs), u"E:\\dalworth\\dalworth3.jpg"_qs)
        << "the dealer's photograph is only on the disc";
    EXPECT_EQ(playListPath(u"/prog"_qs, u"/prog\\kestranes\\57B.jpg"_qs), u"/prog\\sskestys\\57B.jpg"_qs);
}

TEST(PlayListRules, CopyTargetOverTheSourceOrIntoThePhotosAccepted)
{
    const QString source = u"/disc/kestranes/57B.jpg"_qs;
    const QString photos = u"/disc/kestranes"_qs;
    const std::vector<std::pair<const char*, CopyTargetRefusal>> rows = {
        {"/disc/kestranes/57B.jpg", CopyTargetRefusal::SameFile},
        {"/DISC/Kestranes/57b.JPG", CopyTargetRefusal::SameFile},
        {"/disc/kestranes/../kestranes/57B.jpg", CopyTargetRefusal::SameFile},
        {"/disc/KESTRANES/mine.jpg", CopyTargetRefusal::PhotoFolder},
        {"/disc/kestranes2/57B.jpg", CopyTargetRefusal::None},
        {"/home/u/Pictures/57B.jpg", CopyTargetRefusal::None},
    };
    for (const auto& [chosen, refusal] : rows)
        EXPECT_EQ(refuseCopyTarget(QString::fromLatin1(chosen), source, photos), refusal) << chosen;
    EXPECT_TRUE(
        refusalMessage(CopyTargetRefusal::SameFile)
            .endsWith(u"\r\n\r\nPlease choose a different location and/or filename for this photo."_qs));
    EXPECT_TRUE(
        refusalMessage(CopyTargetRefusal::PhotoFolder)
            .startsWith(
                u"The target file directory location can not be the same as the Kestrane Omnivar photos!"_qs));
}

} // namespace
} // namespace kestrane
