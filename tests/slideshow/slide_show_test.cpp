// The slide-show engine over the platform doubles, driven by the fake clock: the automatic
// advance in both orders, the manual steps, the three series, failures and the hand-over.
#include "demo_disc.h"
#include "photos/photo_catalogue.h"
#include "photos/slide_random.h"
#include "photos/slide_show.h"
#include "platform/fakes/fake_platform.h"
#include "state/app_context.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace kestrane;

void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << '{' << list.join(u", "_qs).toStdString() << '}';
}

namespace {

QByteArray jpeg(int hue, QSize size = {64, 48})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv(hue % 360, 200, 200));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return data;
}

class SlideShowEngine : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (s_demo)
            return;
        s_demo = new QTemporaryDir; // lives as long as the test binary
        QString error;
        ASSERT_TRUE(demo::writeDemoDisc(s_demo->path(), {.small = true}, &error)) << error.toStdString();
    }

    // A disc of its own with these photographs (an empty name stands for a file that is no
    // picture) and the title pictures.
    void openDisc(const QStringList& photos, const QStringList& clips = {u"1953.jpg"_qs})
    {
        const QString disc = fake.addDrive(u'E');
        int hue = 0;
        for (const QString& name : photos)
            writeHostFile(disc, u"kestranes/"_qs + name,
                          name.contains(u'X') ? QByteArray("no picture") : jpeg(hue += 40));
        for (const QString& name : clips)
            writeHostFile(disc, u"clipart/"_qs + name,
                          name.contains(u'X') ? QByteArray("no picture") : jpeg(hue += 40));
        for (const char16_t* title : {u"97emboss.jpg", u"53tile.jpg", u"insignia.jpg"})
            writeHostFile(disc, u"graphics/"_qs + QString::fromUtf16(title), jpeg(hue += 40));
        start();
    }

    void openDemoDisc()
    {
        fake.mapDrive(u'E', s_demo->path());
        start();
    }

    void start()
    {
        state.disc.cdRoot = state.disc.photoRoot = u"E:"_qs;
        LoadPhotoArray(context);
        show = std::make_unique<SlideShow>(context, random, fake.clock);
        show->setHandOver([this](const QString& key, int photo) {
            handedKey = key;
            handedPhoto = photo;
            if (photo > 0)
                state.photos.shownIndex = qint16(photo);
            return true;
        });
        QObject::connect(show.get(), &SlideShow::photoShown,
                         [this](const QImage& picture, const QString& number) {
                             ASSERT_FALSE(picture.isNull());
                             shown << number.section(u' ', 0, 0);
                         });
        QObject::connect(show.get(), &SlideShow::clipArtShown,
                         [this](const QImage&) { shown << u"clip"_qs; });
        QObject::connect(show.get(), &SlideShow::insigniaShown, [this](const SlideInsigniaPictures& set) {
            insignia = set;
            shown << show->caption();
        });
        QObject::connect(show.get(), &SlideShow::captionVisible,
                         [this](bool visible) { captionShown = visible; });
        state.slides.startedFromMain = kTrue;
        show->start();
        shown.clear();
    }

    // One interval of the running timer.
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            fake.clock.advance(state.slides.slideInterval);
    }

    QStringList errorCodes() const
    {
        QStringList codes;
        for (const MessageBoxRequest& box : fake.dialogs.boxes)
            if (box.text.startsWith(u"Error number: "))
                codes << box.text.mid(14, 5);
        return codes;
    }

    static inline QTemporaryDir* s_demo = nullptr;
    FakePlatform fake;
    AppState state;
    AppContext context{state, fake.platform()};
    SlideRandom random;
    std::unique_ptr<SlideShow> show;
    QStringList shown; // photo numbers, "clip", or insignia captions, in the order shown
    SlideInsigniaPictures insignia;
    bool captionShown = false;
    QString handedKey;
    int handedPhoto = -1;
};

} // namespace

TEST_F(SlideShowEngine, ASequentialRunHoldsItsLastSlideForOneTickThenStartsAgain)
{
    openDisc({u"57A.JPG"_qs, u"57B.JPG"_qs, u"57C.JPG"_qs});
    show->play();
    fake.clock.advance(999);
    EXPECT_TRUE(shown.isEmpty());
    fake.clock.advance(1);
    tick(5);
    EXPECT_EQ(shown, (QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"1"_qs, u"2"_qs}));
    EXPECT_EQ(show->timerInterval(SlideMode::Photos), 1000);
    EXPECT_TRUE(errorCodes().isEmpty());
}

TEST_F(SlideShowEngine, AutomaticTicksLeaveSSCommand1BehindTheSlideInEveryMode)
{
    openDisc({u"57A.JPG"_qs, u"57B.JPG"_qs}, {u"1953.jpg"_qs, u"1954.jpg"_qs});
    int fronts = 0;
    QObject::connect(show.get(), &SlideShow::frontRequested, [&] { ++fronts; });
    for (const SlideMode mode : {SlideMode::Photos, SlideMode::ClipArt, SlideMode::Insignias}) {
        show->selectMode(mode);
        fronts = 0;
        show->play();
        tick(2);
        EXPECT_EQ(fronts, 2) << int(mode);
        show->pause();
    }
}

TEST_F(SlideShowEngine, RandomOrderDrawsTheSameRepeatingSequenceThatTheGeneratorGives)
{
    openDisc({u"57A.JPG"_qs, u"57B.JPG"_qs, u"57C.JPG"_qs});
    show->setOrder(SlideOrder::Random);
    show->play();
    tick(40);
    // The run as the rule draws it: a slide is drawn while the cursor is within the list, and the
    // tick after the last slide shows nothing.
    SlideRandom reference;
    QStringList expected;
    int cursor = 1;
    for (int i = 0; i < 40; ++i) {
        if (cursor > 3) {
            cursor = 1;
            continue;
        }
        cursor = reference.draw(3);
        expected << QString::number(cursor);
        cursor += 1;
    }
    EXPECT_EQ(shown, expected);
    bool repeated = false;
    for (qsizetype i = 1; i < shown.size(); ++i)
        repeated |= shown[i] == shown[i - 1];
    EXPECT_TRUE(repeated);
}

TEST_F(SlideShowEngine, TheNextSlideIsDecodedBeforeItsTickInEitherOrder)
{
    openDisc({u"57A.JPG"_qs, u"57B.JPG"_qs, u"57C.JPG"_qs, u"57D.JPG"_qs});
    show->play();
    EXPECT_TRUE(show->pictures().isPrefetched(state.photos.photoFiles.at(1)));
    tick();
    EXPECT_TRUE(show->pictures().isPrefetched(state.photos.photoFiles.at(2)));

    show->pause();
    show->setOrder(SlideOrder::Random);
    show->play();
    for (int i = 0; i < 10; ++i) {
        int prefetched = 0;
        for (int n = 1; n <= 4; ++n)
            prefetched += show->pictures().isPrefetched(state.photos.photoFiles.at(n)) ? n : 0;
        const qsizetype before = shown.size();
        tick();
        if (shown.size() > before) {
            EXPECT_EQ(shown.last(), QString::number(prefetched));
        }
    }
}

TEST_F(SlideShowEngine, PlayAndPauseSwitchTheControlsAndPauseLeavesTheCursorOnTheSlideShown)
{
    openDisc({u"57A.JPG"_qs, u"57B.JPG"_qs, u"57C.JPG"_qs});
    EXPECT_EQ(show->controls(), SlideControls{});
    show->play();
    const SlideControls playing = show->controls();
    EXPECT_TRUE(playing.pause);
    EXPECT_FALSE(playing.play || playing.spin || playing.steps || playing.modes || playing.jumps);
    EXPECT_EQ(state.slides.slideShowRunning, kTrue);
    tick(2);
    show->pause();
    EXPECT_EQ(show->controls(), SlideControls{});
    EXPECT_EQ(state.slides.slideShowRunning, kFalse);
    EXPECT_FALSE(show->isPlaying());
    EXPECT_EQ(state.photos.photoCursor, 2);
    tick(3);
    EXPECT_EQ(shown.size(), 2);

    // Paused after the empty tick that follows the last slide: the last slide is the one showing.
    show->play();
    tick(2);
    show->pause();
    EXPECT_EQ(shown.last(), u"3");
    EXPECT_EQ(state.photos.photoCursor, 3);
}

TEST_F(SlideShowEngine, TheIntervalSpinsOnlyWhilePausedAndCountsFromTheNextPlay)
{
    openDisc({u"57A.JPG"_qs, u"57B.JPG"_qs});
    QString panInterval;
    QObject::connect(show.get(), &SlideShow::intervalCaptionChanged,
                     [&](const QString& c) { panInterval = c; });
    show->play();
    show->spinInterval(true);
    EXPECT_EQ(state.slides.slideInterval, 1000);
    show->pause();
    show->spinInterval(false);
    EXPECT_EQ(state.slides.slideInterval, 60000);
    EXPECT_EQ(panInterval, u"60 seconds");
    show->spinInterval(true);
    show->spinInterval(true);
    EXPECT_EQ(panInterval, u"2 seconds");
    shown.clear();
    show->beginning();
    shown.clear();
    show->play();
    EXPECT_EQ(show->timerInterval(SlideMode::Photos), 2000);
    fake.clock.advance(1999);
    EXPECT_TRUE(shown.isEmpty());
    fake.clock.advance(1);
    EXPECT_EQ(shown, QStringList{u"2"_qs});
}

TEST_F(SlideShowEngine, ManualStepsWrapAtBothEndsWithoutAnErrorBox)
{
    openDisc({u"57A.JPG"_qs, u"57B.JPG"_qs, u"57C.JPG"_qs, u"57D.JPG"_qs, u"57E.JPG"_qs});
    state.slides.slideShowRunning = kTrue;
    show->step(SlideStep::Bkwd); // from the title: the last slide
    EXPECT_EQ(state.slides.slideShowRunning, kFalse);
    show->step(SlideStep::Fwd); // from the last slide: the first
    show->step(SlideStep::Fwd);
    show->step(SlideStep::JumpBkwd);
    show->middle();
    show->beginning();
    show->step(SlideStep::JumpFwd);
    EXPECT_EQ(shown, (QStringList{u"5"_qs, u"1"_qs, u"2"_qs, u"5"_qs, u"2"_qs, u"1"_qs, u"1"_qs}));
    EXPECT_TRUE(captionShown);
    EXPECT_EQ(show->caption(), u"1957");
    EXPECT_TRUE(errorCodes().isEmpty());
}

TEST_F(SlideShowEngine, ClipArtYearsAreCaptionedWithABlankByAStepAndWithoutByATick)
{
    openDemoDisc();
    show->selectMode(SlideMode::ClipArt);
    EXPECT_EQ(show->caption(), u"1953");
    EXPECT_FALSE(captionShown);
    show->step(SlideStep::Fwd);
    EXPECT_EQ(show->caption(), u" 1953");
    show->step(SlideStep::Bkwd); // the last clip art: the ZR-1's
    EXPECT_EQ(show->caption(), u"1990-1995 ZR-1 ");
    show->beginning();
    EXPECT_EQ(show->caption(), u"1953");
    show->pause();
    show->selectMode(SlideMode::ClipArt);
    show->play();
    tick();
    EXPECT_EQ(show->caption(), u"1953");
    tick();
    EXPECT_EQ(show->caption(), u"1954");
    EXPECT_TRUE(errorCodes().isEmpty());
}

TEST_F(SlideShowEngine, InsigniaStepsSkip1983AndWrapAndEverySetOfAYearHasItsPictures)
{
    openDemoDisc();
    show->selectMode(SlideMode::Insignias);
    struct Step
    {
        std::function<void()> action;
        const char16_t* caption;
    };
    const Step steps[] = {
        {[&] { show->step(SlideStep::Fwd); }, u"1953 "},
        {[&] { show->step(SlideStep::Bkwd); }, u"2002 "},
        {[&] { show->beginning(); }, u"1953 "},
        {[&] { show->middle(); }, u"1978 "},
        {[&] { show->step(SlideStep::JumpFwd); }, u"1984 "},
        {[&] { show->step(SlideStep::Bkwd); }, u"1982 "},
        {[&] { show->step(SlideStep::Fwd); }, u"1984 "},
        {[&] { show->step(SlideStep::JumpBkwd); }, u"1979 "},
    };
    for (const Step& s : steps) {
        s.action();
        EXPECT_EQ(show->caption(), QString::fromUtf16(s.caption));
    }
    for (const QImage& picture : insignia.pictures)
        EXPECT_FALSE(picture.isNull());
    // 1953 has no rear and no side emblem in the slide show.
    show->beginning();
    EXPECT_TRUE(insignia.pictures[0].isNull());
    EXPECT_TRUE(insignia.pictures[1].isNull());
    EXPECT_FALSE(insignia.pictures[3].isNull());
    EXPECT_TRUE(errorCodes().isEmpty());
}

TEST_F(SlideShowEngine, OnlyRandomInsigniaReachTheFourExtraSets)
{
    openDemoDisc();
    const QStringList extra = {u"1990-1995 ZR-1 "_qs, u"Halvard Twin-Turbo "_qs,
                               u"Venzi Automotive Concepts "_qs, u"Malibu Kestrane Ski Boat "_qs};
    for (const SlideOrder order : {SlideOrder::Sequential, SlideOrder::Random}) {
        SCOPED_TRACE(int(order));
        show->selectMode(SlideMode::Insignias);
        show->setOrder(order);
        shown.clear();
        show->play();
        tick(250);
        show->pause();
        EXPECT_EQ(shown.size(), 250);
        int extraSets = 0;
        for (const QString& set : extra)
            extraSets += shown.contains(set);
        EXPECT_EQ(extraSets, order == SlideOrder::Random ? 4 : 0);
        if (order == SlideOrder::Sequential) {
            EXPECT_EQ(shown.mid(0, 3), (QStringList{u"1953 "_qs, u"1954 "_qs, u"1955 "_qs}));
        }
    }
    EXPECT_TRUE(errorCodes().isEmpty());
}

TEST_F(SlideShowEngine, AnUnreadableSlideIsReportedWithTheCodeOfItsStepAndPassedOver)
{
    // "X" names stand for files that are no pictures.
    openDisc({u"57A.JPG"_qs, u"57B.JPG"_qs, u"57X.JPG"_qs, u"XXA.JPG"_qs}, {u"1953.jpg"_qs, u"XX.jpg"_qs});
    state.photos.photoCursor = 2;
    show->step(SlideStep::Fwd);      // 3
    show->step(SlideStep::Bkwd);     // 2
    show->step(SlideStep::Bkwd);     // 1
    show->step(SlideStep::Bkwd);     // 4
    show->step(SlideStep::JumpFwd);  // 1
    show->step(SlideStep::JumpBkwd); // 4
    EXPECT_EQ(errorCodes(), (QStringList{u"ER014"_qs, u"ER015"_qs, u"ER013"_qs}));

    fake.dialogs.boxes.clear();
    state.photos.photoCursor = 2;
    show->play();
    tick(3); // 3 fails, 4 fails, then the run starts again
    EXPECT_EQ(errorCodes(), (QStringList{u"ER016"_qs, u"ER016"_qs}));
    tick();
    EXPECT_EQ(shown.last(), u"1");

    fake.dialogs.boxes.clear();
    show->pause();
    show->selectMode(SlideMode::ClipArt);
    show->play();
    tick(3);
    EXPECT_EQ(errorCodes(), (QStringList{u"ER019"_qs}));
}

TEST_F(SlideShowEngine, TicksWhileAnErrorBoxIsOpenWaitInsteadOfStackingBoxes)
{
    openDisc({u"56X.JPG"_qs, u"57A.JPG"_qs, u"57B.JPG"_qs});
    int open = 0;
    int deepest = 0;
    fake.dialogs.onBox = [&](const MessageBoxRequest&) {
        deepest = std::max(deepest, ++open);
        fake.clock.advance(5000); // the user reads the box for a while
        --open;
    };
    show->play();
    tick();
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(errorCodes(), QStringList{u"ER016"_qs});
}

TEST_F(SlideShowEngine, AMissingTitlePictureIsReportedAsEr039)
{
    openDisc({u"57A.JPG"_qs});
    QFile::remove(fake.fileSystem.resolve(u"E:\\graphics\\insignia.jpg"_qs));
    show->selectMode(SlideMode::Insignias);
    EXPECT_EQ(errorCodes(), QStringList{u"ER039"_qs});
    // The sets themselves fail quietly: this disc has no insignia at all.
    show->step(SlideStep::Fwd);
    EXPECT_EQ(show->caption(), u"1953 ");
    EXPECT_EQ(errorCodes(), QStringList{u"ER039"_qs});
}

TEST_F(SlideShowEngine, ExitHandsTheMuseumsSlideOverByTheMainWindowsKey)
{
    openDisc({u"57A.JPG"_qs, u"MNA.JPG"_qs, u"MNB.JPG"_qs});
    show->step(SlideStep::Bkwd);
    ASSERT_EQ(show->caption(), u"The National Kestrane Museum ");
    show->play();
    tick(2); // nothing after the last slide, then slide 1; Exit ends the play and hands slide 1 over
    show->exitShow();
    EXPECT_FALSE(show->isPlaying());
    EXPECT_EQ(handedKey, u"1957");
    EXPECT_EQ(handedPhoto, 1);
    show->step(SlideStep::Bkwd);
    show->exitShow();
    EXPECT_EQ(handedKey, u"National Kestrane Museum ");
    EXPECT_EQ(handedPhoto, 3);
    EXPECT_EQ(state.photos.photoCursor, 2);
    EXPECT_EQ(state.slides.startedFromMain, kFalse);
    EXPECT_TRUE(errorCodes().isEmpty());

    show->setHandOver({});
    show->exitShow();
    EXPECT_EQ(errorCodes(), QStringList{u"ER017"_qs});
}

TEST_F(SlideShowEngine, TheShowStartsPausedInPhotosAtTheMainWindowsPhotograph)
{
    state.photos.shownIndex = 2;
    state.slides.slideInterval = 30000;
    openDisc({u"57A.JPG"_qs, u"58A.JPG"_qs});
    EXPECT_EQ(show->mode(), SlideMode::Photos);
    EXPECT_FALSE(show->isPlaying());
    EXPECT_EQ(show->shownPhoto(), 2);
    EXPECT_EQ(show->caption(), u"1958");
    EXPECT_FALSE(captionShown);
    EXPECT_EQ(state.photos.photoCursor, 2);
    EXPECT_EQ(state.slides.slideInterval, 1000);
    EXPECT_EQ(errorCodes(), QStringList());
}
