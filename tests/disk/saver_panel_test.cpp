// pnlSSaver on Form1: the interval, the choice of photos and the installation.
#include "disk_fixture.h"

#include "platform/fakes/faulty_file_system.h"

#include "common/ui/spin_button.h"
#include "disk/ui/copy_controller.h"
#include "disk/ui/copy_panel.h"
#include "disk/ui/saver_panel.h"
#include "shell/ui/main_window.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace kestrane::test {
namespace {

constexpr char16_t kSettings[] = u"SCRNSAVE: The Kestrane Omnivar 2002/Settings/";

class SaverPanelTest : public DiskFixture
{
protected:
    void SetUp() override
    {
        open();
        // The product's screen-saver program in the program folder.
        writeHostFile(program(), u"Kestrane2002.scr"_qs, "#!/bin/sh\nexit 0\n");
    }

    const SaverPanelControls& panel() { return saver().panel(); }
    QString setting(const char16_t* key) const
    {
        return fake.settings.values.value(QString::fromUtf16(kSettings) + QString::fromUtf16(key));
    }
    void install() { QTest::mouseClick(panel().install, Qt::LeftButton); }
    QString installedProgram() const { return fake.fileSystem.systemFolder() + u"/Kestrane2002.scr"_qs; }
};

TEST_F(SaverPanelTest, IntervalCaptionOrSettingOutOfStep)
{
    writeHostFile(program(), u"kestranes/57A.jpg"_qs);
    trigger(names::mnuSaver);
    EXPECT_EQ(panel().panInterval->text(), u"1 Second"_qs);
    EXPECT_EQ(state.slides.slideInterval, 1000);
    EXPECT_EQ(panel().spinInterval->toolTip(), u"Set Slide Show Delay"_qs);

    const std::vector<std::pair<bool, const char*>> steps = {
        {true, "2"},  {true, "3"},  {true, "4"},  {true, "5"},   {true, "10"},  {false, "5"}, {false, "4"},
        {false, "3"}, {false, "2"}, {false, "1"}, {false, "60"}, {false, "55"}, {true, "60"}, {true, "1"},
    };
    for (const auto& [up, seconds] : steps) {
        QTest::mouseClick(up ? panel().spinInterval->upButton() : panel().spinInterval->downButton(),
                          Qt::LeftButton);
        EXPECT_EQ(panel().panInterval->text(), QString::fromLatin1(seconds) + u" Seconds"_qs);
        install();
        EXPECT_EQ(setting(u"Interval"), QString::fromLatin1(seconds));
    }

    // Opened again, the interval starts at one second and says so.
    QTest::mouseClick(panel().spinInterval->upButton(), Qt::LeftButton);
    QTest::mouseClick(panel().cancel, Qt::LeftButton);
    EXPECT_TRUE(panel().panel->isHidden());
    trigger(names::mnuSaver);
    EXPECT_EQ(state.slides.slideInterval, 1000);
    EXPECT_EQ(panel().panInterval->text(), u"1 Second"_qs);
}

TEST_F(SaverPanelTest, EmptyPlayListOfferedForSelection)
{
    trigger(names::mnuSaver);
    EXPECT_TRUE(panel().panel->isVisible());
    EXPECT_FALSE(panel().option1[1]->isEnabled());
    EXPECT_TRUE(panel().option1[0]->isChecked());
    EXPECT_EQ(panel().option1[0]->text(), u"All Photos"_qs);
    EXPECT_EQ(panel().option1[1]->text(), u"Selected Photos"_qs);
    EXPECT_EQ(panel().cancel->text(), u"Cancel"_qs);
    EXPECT_TRUE(main->page()->rect().contains(panel().panel->geometry()));

    writeHostFile(program(), u"sskestys/57A.jpg"_qs);
    trigger(names::mnuSaver);
    ASSERT_TRUE(panel().option1[1]->isEnabled());
    panel().option1[1]->click();

    QFile::remove(program(u"sskestys/57A.jpg"_qs));
    trigger(names::mnuSaver);
    EXPECT_FALSE(panel().option1[1]->isEnabled());
    EXPECT_TRUE(panel().option1[1]->isChecked()) << "a choice made stays made";
}

TEST_F(SaverPanelTest, InstallRecordsAnotherFolderThanChosen)
{
    writeHostFile(program(), u"sskestys/57A.jpg"_qs);
    writeHostFile(program(), u"kestranes/57A.jpg"_qs);
    trigger(names::mnuSaver);
    panel().option1[1]->click();
    install();
    EXPECT_EQ(setting(u"KestranesDir"), fake.programFolder() + u"\\sskestys\\"_qs);

    fake.dialogs.boxes.clear();
    panel().option1[0]->click();
    install();
    EXPECT_EQ(setting(u"KestranesDir"), fake.programFolder() + u"\\kestranes\\"_qs);
    ASSERT_EQ(fake.dialogs.boxes.size(), 1) << "photos on the hard drive: no question";
    EXPECT_TRUE(
        fake.dialogs.boxes[0].text.startsWith(u"The Kestrane Omnivar Screen Saver has been installed!"_qs));
}

TEST_F(SaverPanelTest, InstalledMessageOrProgramMissing)
{
    fake.dialogs.answerNext(MsgNo);
    trigger(names::mnuSaver);
    install();
    ASSERT_EQ(fake.dialogs.boxes.size(), 2);
    EXPECT_EQ(fake.dialogs.boxes[0].text,
              u"To improve performance, the Kestrane photos may be copied from\r\n"
              "the Kestrane Omnivar CDROM to your hard drive before you install\r\n"
              "the Kestrane Omnivar Screen Saver.\r\n\r\nWould you like to copy the photos now?"_qs);
    EXPECT_EQ(fake.dialogs.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(fake.dialogs.boxes[0].icon, MsgIcon::Question);
    EXPECT_EQ(setting(u"KestranesDir"), disc() + u"\\kestranes\\"_qs)
        << "No records the disc, by the folder behind its drive letter";

    const MessageBoxRequest& done = fake.dialogs.boxes[1];
    EXPECT_EQ(done.title, u"The Kestrane Omnivar 2002"_qs);
    EXPECT_EQ(done.text, u"The Kestrane Omnivar Screen Saver has been installed!\r\n\r\n"
                         "If you have not already done so, you must now activate \r\n"
                         "the Kestrane Omnivar Screen Saver.\r\n\r\n"
                         "To do this follow these steps:\r\n"
                         "    1) Click the Start button on the Windows desktop \r\n"
                         "    2) Click the Settings button                    \r\n"
                         "    3) Click on Control Panel                       \r\n"
                         "    4) Double click on the Display icon             \r\n"
                         "    5) Select the Screen Saver tab                  \r\n"
                         "    6) Click the dropdown arrow to the left of the Settings button\r\n"
                         "    7) Select Kestrane2002                              \r\n"
                         "    8) Click OK                            "_qs);
    EXPECT_EQ(panel().cancel->text(), u"Exit"_qs);
    EXPECT_TRUE(panel().panel->isVisible());
    EXPECT_TRUE(QFileInfo(installedProgram()).isExecutable());
    EXPECT_TRUE(QFileInfo::exists(fake.root() + u"/screensavers/kestrane2002.desktop"_qs));

    // Without the program in the program folder: ER049, the settings already written.
    QFile::remove(program(u"Kestrane2002.scr"_qs));
    fake.dialogs.boxes.clear();
    fake.settings.values.clear();
    fake.dialogs.answerNext(MsgNo);
    install();
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER049"_qs});
    // The box says why, not only that it failed.
    EXPECT_TRUE(fake.dialogs.boxes.last().text.endsWith(
        u"\r\n\r\nThe screen saver program Kestrane2002.scr is missing."_qs))
        << fake.dialogs.boxes.last().text.toStdString();
    EXPECT_EQ(setting(u"Interval"), u"1"_qs);
}

TEST_F(SaverPanelTest, InstallWaitsForeverOrRecordsPhotosNotCopied)
{
    // Yes: the copy panel opens; cancelling it ends the wait with the disc's photos.
    fake.dialogs.answerNext(MsgYes);
    trigger(names::mnuSaver);
    install();
    const CopyPanelControls& copyPanel = copy().panel();
    ASSERT_TRUE(copyPanel.panel->isVisible());
    EXPECT_EQ(state.disk.copyPending, kTrue);
    EXPECT_EQ(copyPanel.cmdCopy->text(), u"Copy Photos"_qs);
    EXPECT_TRUE(setting(u"KestranesDir").isEmpty()) << "nothing recorded while the copy is pending";
    EXPECT_FALSE(panel().install->isEnabled());
    QTest::mouseClick(copyPanel.cmdCancel, Qt::LeftButton);
    EXPECT_EQ(state.disk.copyPending, kFalse);
    EXPECT_EQ(setting(u"KestranesDir"), disc() + u"\\kestranes\\"_qs);
    EXPECT_TRUE(panel().install->isEnabled());

    // Yes again, and the copy runs to its end: the photos on the hard drive are recorded.
    fake.dialogs.boxes.clear();
    fake.dialogs.answerNext(MsgYes);
    install();
    QSignalSpy closed(&copy(), &CopyController::panelClosed);
    QTest::mouseClick(copyPanel.cmdCopy, Qt::LeftButton);
    ASSERT_TRUE(closed.wait(20'000));
    EXPECT_EQ(setting(u"KestranesDir"), fake.programFolder() + u"\\kestranes\\"_qs);
    EXPECT_TRUE(fake.dialogs.boxes.last().text.startsWith(
        u"The Kestrane Omnivar Screen Saver has been installed!"_qs));
}

TEST_F(SaverPanelTest, ADiskThatFillsDuringItsCopyLeavesTheInstallWaitingOrRecordsTheCopies)
{
    fake.dialogs.answerNext(MsgYes);
    trigger(names::mnuSaver);
    install();
    FaultyFileSystem full(fs);
    full.room = 10; // the panel found room; then another program took it
    fake.platform().fileSystem = &full;
    QSignalSpy closed(&copy(), &CopyController::panelClosed);
    QTest::mouseClick(copy().panel().cmdCopy, Qt::LeftButton);
    ASSERT_TRUE(closed.wait(20'000));
    fake.platform().fileSystem = &fs;
    EXPECT_EQ(state.disk.copyPending, kFalse);
    EXPECT_EQ(setting(u"KestranesDir"), disc() + u"\\kestranes\\"_qs);
    const QStringList texts = boxTexts();
    ASSERT_EQ(texts.size(), 3) << texts.join(u"\n---\n"_qs).toStdString();
    EXPECT_TRUE(texts[1].startsWith(u"Your hard drive is full."_qs));
    EXPECT_TRUE(texts[2].startsWith(u"The Kestrane Omnivar Screen Saver has been installed!"_qs));
}

TEST_F(SaverPanelTest, ShortSpaceLeavesTheInstallWaiting)
{
    fs.free = {1000, 4096};
    fake.dialogs.answerNext(MsgYes);
    trigger(names::mnuSaver);
    install();
    EXPECT_TRUE(copy().panel().panel->isHidden());
    EXPECT_EQ(setting(u"KestranesDir"), disc() + u"\\kestranes\\"_qs);
    EXPECT_EQ(state.disk.copyPending, kFalse);
    EXPECT_TRUE(fake.dialogs.boxes.last().text.startsWith(
        u"The Kestrane Omnivar Screen Saver has been installed!"_qs));
}

} // namespace
} // namespace kestrane::test
