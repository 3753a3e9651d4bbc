// The screen-saver panel's Help in the assembled program: the reader opens beside the panel.
#include "disk_fixture.h"

#include "disk/ui/disk_operations.h"
#include "disk/ui/saver_panel.h"
#include "documents/ui/reader_window.h"
#include "shell/ui/application.h"
#include "shell/ui/main_window.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>
#include <QTest>

namespace kestrane::test {
namespace {

class InstallHelpTest : public DiskFixture
{
protected:
    void SetUp() override
    {
        fake.mapDrive(u'E', disc());
        ASSERT_TRUE(app.start({}));
        app.openMainWindow();
        ASSERT_NE(app.disk(), nullptr);
        app.mainWindow()->controls().menuItem(names::mnuSaver)->trigger();
    }

    void TearDown() override
    {
        if (ReaderWindow* reader = findReader(app.context()))
            reader->unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QPushButton* help() { return app.disk()->saver().panel().help; }

    Application app{fake.platform()};
};

TEST_F(InstallHelpTest, HelpBlocksThePanelOrFailsSilently)
{
    QTest::mouseClick(help(), Qt::LeftButton);
    ReaderWindow* reader = findReader(app.context());
    ASSERT_NE(reader, nullptr);
    EXPECT_TRUE(reader->isVisible());
    EXPECT_FALSE(reader->isModal()) << "the panel stays usable";
    EXPECT_EQ(reader->windowTitle(), u"The Kestrane Omnivar     Install Screen Saver Help"_qs);
    EXPECT_TRUE(reader->playButton()->isHidden() && reader->stopButton()->isHidden());
    EXPECT_TRUE(app.disk()->saver().panel().panel->isVisible());
    EXPECT_TRUE(app.mainWindow()->isEnabled());
    reader->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    app.state().disc.cdRoot = fake.addDrive(u'F').isEmpty() ? QString() : u"F:"_qs;
    QTest::mouseClick(help(), Qt::LeftButton);
    EXPECT_EQ(errorCodesShown(), QStringList{u"ER052"_qs});
    EXPECT_EQ(findReader(app.context()), nullptr);
}

} // namespace
} // namespace kestrane::test
