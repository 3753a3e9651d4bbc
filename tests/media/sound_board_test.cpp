#include "media_fixture.h"

#include "common/wave_player.h"
#include "media/sound_table.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

namespace kestrane::test {

class SoundBoardTest : public MediaWindowTest
{
protected:
    const SoundBoardControls& board() { return media->soundBoard().controls(); }

    void press(int index) { QTest::mouseClick(board().buttons[size_t(index)], Qt::LeftButton); }
};

TEST_F(SoundBoardTest, ABoardButtonPlaysAnotherFileThanItsLabelSays)
{
    trigger(names::mnuSound);
    ASSERT_NE(narration, nullptr);
    for (int i = 0; i < int(kSounds.size()); ++i) {
        SCOPED_TRACE(i);
        QAbstractButton* button = board().buttons[size_t(i)];
        QLabel* label = board().labels[size_t(i)];
        ASSERT_TRUE(button && label);
        EXPECT_EQ(button->objectName(), names::indexed(names::SSCommand2, i));
        EXPECT_EQ(label->objectName(), names::indexed(names::lblSound, i));
        EXPECT_TRUE(button->text().isEmpty());
        const QString caption = QString::fromUtf16(kSounds[size_t(i)].label);
        EXPECT_EQ(label->text(), caption);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), caption);
        EXPECT_EQ(accessible->role(), QAccessible::Button);
        // The label stands on its button's row.
        EXPECT_EQ(label->geometry().center().y(), button->geometry().center().y());

        narration->clearCalls();
        press(i);
        // The sound before (if any) is closed first, then the row's file opens and plays.
        const QStringList calls = narration->calls();
        ASSERT_GE(calls.size(), 2);
        EXPECT_EQ(calls.size(), i == 0 ? 2 : 3);
        EXPECT_TRUE(calls[calls.size() - 2].startsWith(u"open 22050 Hz 1 ch"_qs))
            << calls.join(u", ").toStdString();
        EXPECT_EQ(calls.last(), u"play"_qs);
        EXPECT_TRUE(narration->isPlaying());
        EXPECT_EQ(form1->mmControl1().deviceType(), u"WaveAudio"_qs);
        EXPECT_EQ(form1->mmControl1().fileName(), state.documents.wavePath);
        EXPECT_EQ(state.documents.wavePath, u"E:\\wav\\"_qs + QString::fromUtf16(kSounds[size_t(i)].file));
    }
    // Two pairs whose label and file name different cars.
    EXPECT_TRUE(state.documents.wavePath.endsWith(u"goingby.wav"_qs));
    EXPECT_EQ(soundPath(u"E:"_qs, 24), u"E:\\wav\\porche.wav"_qs);
    EXPECT_EQ(soundPath(u"E:"_qs, 15), u"E:\\wav\\62kesty.wav"_qs);
    EXPECT_TRUE(errorCodesShown().isEmpty());
}

TEST_F(SoundBoardTest, ButtonsStrayFromTheirThreeColumns)
{
    const int columns[] = {0, 13, 21, 29};
    for (int column = 0; column < 3; ++column) {
        const int left = board().buttons[size_t(columns[column])]->x();
        for (int i = columns[column]; i < columns[column + 1]; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(board().buttons[size_t(i)]->x(), left);
            if (i > columns[column]) {
                EXPECT_GT(board().buttons[size_t(i)]->y(), board().buttons[size_t(i) - 1]->y());
            }
        }
        if (column > 0) {
            EXPECT_GT(left, board().labels[size_t(columns[column]) - 1]->geometry().right());
        }
    }
    // Every control lies inside the panel.
    for (QWidget* child : board().panel->findChildren<QWidget*>())
        EXPECT_TRUE(board().panel->rect().contains(child->geometry())) << child->objectName().toStdString();
}

TEST_F(SoundBoardTest, ThePanelIsPlacedOffTheRuleOrBehindTheOthers)
{
    QWidget* panel = board().panel;
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isVisible());
    form1->resize(1024, 740);
    fake.screen.widthPixels = 1024;
    trigger(names::mnuSound);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(board().heading->text(), u"Automobile Sound Effects"_qs);
    EXPECT_EQ(panel->geometry(), QRect((1024 - 543) / 2, form1->controls().image4->y() + 5, 543, 401));
    EXPECT_EQ(panel->parentWidget()->children().last(), panel);
    EXPECT_EQ(panel->children().last(), board().close);
    EXPECT_EQ(board().close->text(), u"Close"_qs);
    EXPECT_EQ(board().stop->text(), u"Stop"_qs);

    // A window narrower than the screen keeps the whole panel, Close included.
    form1->resize(800, 600);
    fake.screen.widthPixels = 1600;
    trigger(names::mnuSound);
    EXPECT_LE(panel->geometry().right(), panel->parentWidget()->width() - 1);
    EXPECT_GE(panel->x(), 0);
}

TEST_F(SoundBoardTest, ASecondSoundPlaysOverTheFirstAndStopOrCloseMisbehave)
{
    trigger(names::mnuSound);
    press(0);
    ASSERT_TRUE(narration->isPlaying());
    narration->clearCalls();
    press(1);
    EXPECT_EQ(narration->calls().first(), u"close"_qs) << "the first sound stops before the second opens";
    EXPECT_TRUE(narration->isPlaying());

    QTest::mouseClick(board().stop, Qt::LeftButton);
    EXPECT_FALSE(narration->isOpen());
    EXPECT_FALSE(narration->isPlaying());
    // Stop with nothing playing: no box, no sound.
    QTest::mouseClick(board().stop, Qt::LeftButton);
    EXPECT_FALSE(narration->isPlaying());
    EXPECT_TRUE(fake.dialogs.boxes.isEmpty());

    // Close hides the board and leaves the sound playing.
    press(2);
    QTest::mouseClick(board().close, Qt::LeftButton);
    EXPECT_FALSE(board().panel->isVisible());
    EXPECT_TRUE(narration->isPlaying());
    EXPECT_TRUE(form1->isEnabled());
}

TEST_F(SoundBoardTest, AMissingOrUnplayableSoundIsNotER038)
{
    trigger(names::mnuSound);
    // The disc's sound is not there.
    const QString emptyDisc = fake.addDrive(u'E');
    Q_UNUSED(emptyDisc);
    press(5);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER038"_qs});
    EXPECT_TRUE(fake.dialogs.boxes.last().text.contains(u" Unable to load the 'Sound Effects' file."_qs));
    EXPECT_FALSE(narration->isPlaying());

    // It is there but the device cannot open it.
    fake.mapDrive(u'E', disc());
    narration->setFailOpen(true);
    press(6);
    EXPECT_EQ(errorCodesShown(), (QStringList{u"ER038"_qs, u"ER038"_qs}));
    EXPECT_FALSE(narration->isPlaying());
    EXPECT_TRUE(board().panel->isVisible());
}

} // namespace kestrane::test
