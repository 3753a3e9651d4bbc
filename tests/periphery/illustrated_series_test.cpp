#include "viewer_fixture.h"

#include "periphery/ui/illustrated_panel.h"
#include "periphery/ui/scroll_pictures.h"
#include "periphery/ui/scroll_window.h"
#include "shell/ui/main_window.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

using namespace kestrane;

namespace {

const QString kSeriesCaption = u"The Kestrane Omnivar    Penrow: The Illustrated Kestrane Series"_qs;

class IllustratedSeriesTest : public ViewerFixture
{
protected:
    QWidget* panel() const { return form1->findChild<QWidget*>(names::name(names::SSpnlPenrow)); }
    QAbstractButton* command1(int n) const { return form1->controls().command1[size_t(n)]; }
    QLabel* label12(int n) const { return form1->controls().label12[size_t(n)]; }
    void showPanel() { form1->findChild<QAction*>(names::name(names::mnuPenrow))->trigger(); }
};

} // namespace

TEST_F(IllustratedSeriesTest, IndexPanelOpensOffCentreOrWithCloseBehind)
{
    auto playList = std::make_unique<QWidget>();
    windows.enter(WindowRegistry::PlayList, playList.get());
    playList->show();

    showPanel();
    EXPECT_FALSE(playList->isVisible());
    QWidget* index = panel();
    ASSERT_NE(index, nullptr);
    EXPECT_TRUE(index->isVisible());
    const int frameWidth = form1->controls().frame1->width();
    EXPECT_EQ(index->geometry(), QRect((frameWidth - 800) / 2, 0, 800, 560));
    EXPECT_EQ(index->parentWidget()->children().last(), index);
    auto* close = index->findChild<QPushButton*>(names::name(names::SSCommand8));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), u"Close"_qs);
    EXPECT_EQ(index->children().last(), close);

    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(index->isVisible());
}

TEST_F(IllustratedSeriesTest, LabelCaptionLosesItsBlanksOrShowsADoubledAmpersand)
{
    const struct
    {
        int n;
        const char16_t* stored;
        const char16_t* shown;
    } rows[] = {
        {1, u"  1  1953 Kestrane", u"  1  1953 Kestrane"},
        {9, u"  9  1959 Kestrane", u"  9  1959 Kestrane"},
        {10, u"10  Q-Kestrane", u"10  Q-Kestrane"},
        {19, u"19  Grand Sport Roadster  I", u"19  Grand Sport Roadster  I"},
        {22, u"22  Acceptance && Refinement", u"22  Acceptance & Refinement"},
        {39, u"39  1969 Ferrand-Motion", u"39  1969 Ferrand-Motion"},
        {40, u"40 1970 XP-882 Mid-Engine", u"40 1970 XP-882 Mid-Engine"},
        {48, u"48 1972 Varlo && Tamsen", u"48 1972 Varlo & Tamsen"},
        {53, u"53 1973 Aluminum Kestrane", u"53 1973 Aluminum Kestrane"},
    };
    showPanel();
    for (const auto& row : rows) {
        QLabel* label = label12(row.n);
        ASSERT_NE(label, nullptr) << row.n;
        EXPECT_EQ(label->text(), QString::fromUtf16(row.stored)) << row.n;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(label);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf16(row.shown)) << row.n;
    }
    // Three columns, 1..20, 21..40 and 41..53, each top to bottom.
    EXPECT_EQ(label12(1)->x(), label12(20)->x());
    EXPECT_LT(label12(1)->y(), label12(20)->y());
    EXPECT_LT(label12(20)->x(), label12(21)->x());
    EXPECT_EQ(label12(21)->y(), label12(1)->y());
    EXPECT_LT(label12(40)->x(), label12(41)->x());
    EXPECT_EQ(label12(41)->y(), label12(1)->y());
}

TEST_F(IllustratedSeriesTest, IllustrationButtonOpensAnotherFileOrCaption)
{
    for (int n : {1, 9, 10, 53}) {
        const QString file = n < 10 ? u"st00%1.jpg"_qs.arg(n) : u"st0%1.jpg"_qs.arg(n);
        const QString path = u"E:\\OverSize\\"_qs + file;
        showPanel();
        QTest::mouseClick(command1(n), Qt::LeftButton);
        ScrollWindow* window = viewer();
        ASSERT_NE(window, nullptr) << n;
        EXPECT_EQ(window->picturePath(), path);
        EXPECT_EQ(window->windowTitle(), kSeriesCaption);
        EXPECT_EQ(window->picChild()->image(), discImage(path)) << n;
        EXPECT_FALSE(form1->isEnabled());
        EXPECT_FALSE(fake.screen.busy);
        window->unload();
        flush();
    }
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());
}

TEST_F(IllustratedSeriesTest, ButtonZeroFailsSilentlyOrLeavesTheHourglass)
{
    showPanel();
    QTest::mouseClick(command1(0), Qt::LeftButton);
    EXPECT_EQ(viewer(), nullptr);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER044"_qs});
    EXPECT_TRUE(fake.dialogs.boxes.first().text.contains(u" Unable to load image."_qs));
    EXPECT_TRUE(form1->isEnabled());
    EXPECT_FALSE(fake.screen.busy);
}

TEST_F(IllustratedSeriesTest, UnreadableIllustrationIsShownOrReportedWithAnotherCode)
{
    QTemporaryDir broken;
    writeHostFile(broken.path(), u"OverSize/st012.jpg"_qs, "truncated");
    fake.mapDrive(u'E', broken.path());
    series->command1Click(12);
    EXPECT_EQ(viewer(), nullptr);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER044"_qs});
}

TEST_F(IllustratedSeriesTest, IllustrationClickSwitchesViewsOrRightPressKeepsItOpen)
{
    state.selection.selectionKey = u"1965"_qs; // a key whose advertisement would have a whole-screen view
    series->command1Click(5);
    ScrollWindow* window = viewer();
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->picChild(), Qt::LeftButton);
    EXPECT_TRUE(window->image1()->isHidden());
    EXPECT_TRUE(window->picParent()->isVisible());
    EXPECT_TRUE(window->hScroll1()->isVisible());

    QTest::mousePress(window->picChild(), Qt::RightButton);
    EXPECT_EQ(viewer(), nullptr);
    EXPECT_TRUE(form1->isEnabled());
}
