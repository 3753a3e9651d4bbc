#include "disk_fixture.h"

#include "demo_disc.h"
#include "disk/ui/disk_operations.h"
#include "disk/ui/play_list_window.h"
#include "photos/photo_catalogue.h"
#include "selection/ui/year_page.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

namespace kestrane::test {

namespace {

QTemporaryDir* sharedDisc = nullptr;

} // namespace

void DiskFixture::SetUpTestSuite()
{
    // A test that runs this binary as a child of its own hands it the disc it made.
    if (sharedDisc || qEnvironmentVariableIsSet(kDiscVariable))
        return;
    sharedDisc = new QTemporaryDir; // lives as long as the test binary
    QString error;
    ASSERT_TRUE(demo::writeDemoDisc(sharedDisc->path(), {.small = true}, &error)) << error.toStdString();
}

QString DiskFixture::disc()
{
    return sharedDisc ? sharedDisc->path() : qEnvironmentVariable(kDiscVariable);
}

DiskFixture::DiskFixture()
{
    fake.platform().fileSystem = &fs;
}

DiskFixture::~DiskFixture()
{
    if (PlayListWindow* list = playList())
        delete list;
    disk.reset();
    page.reset();
    main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void DiskFixture::open()
{
    fake.mapDrive(u'E', disc());
    state.disc.cdRoot = u"E:"_qs;
    state.disc.photoRoot = u"E:"_qs;
    state.disc.initialSelectionFlag = kTrue;
    LoadPhotoArray(context);
    main = std::make_unique<MainWindow>(context);
    page = std::make_unique<YearPage>(context, main->controls());
    disk = std::make_unique<DiskOperations>(context, main->controls(), &page->photoPanel());
    main->load({});
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
}

CopyController& DiskFixture::copy()
{
    return disk->copy();
}

SaverPanel& DiskFixture::saver()
{
    return disk->saver();
}

PlayListWindow* DiskFixture::playList() const
{
    return findPlayList(context);
}

QAction* DiskFixture::action(const char16_t* name) const
{
    return main->controls().menuItem(name);
}

void DiskFixture::trigger(const char16_t* menuItem)
{
    QAction* item = action(menuItem);
    ASSERT_NE(item, nullptr);
    item->trigger();
}

void DiskFixture::clickYear(int index)
{
    QTest::mouseClick(main->controls().yearButton(index), Qt::LeftButton);
}

QString DiskFixture::program(const QString& relative) const
{
    return relative.isEmpty() ? fake.programFolder() : fake.programFolder() + u'/' + relative;
}

QStringList DiskFixture::boxTexts() const
{
    QStringList texts;
    for (const MessageBoxRequest& box : fake.dialogs.boxes)
        texts << box.text;
    return texts;
}

QStringList DiskFixture::errorCodesShown() const
{
    QStringList codes;
    for (const MessageBoxRequest& box : fake.dialogs.boxes)
        if (box.text.startsWith(u"Error number: "))
            codes << box.text.mid(14, 5);
    return codes;
}

} // namespace kestrane::test
