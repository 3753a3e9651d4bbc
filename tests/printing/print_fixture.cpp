#include "print_fixture.h"

#include "common/control_names.h"
#include "demo_disc.h"
#include "photos/photo_catalogue.h"
#include "printing/ui/print_controller.h"
#include "selection/ui/year_page.h"
#include "shell/startup.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

namespace kestrane::test {

namespace {

QTemporaryDir* sharedDisc = nullptr;

} // namespace

void PrintFixture::SetUpTestSuite()
{
    if (sharedDisc)
        return;
    sharedDisc = new QTemporaryDir; // lives as long as the test binary
    QString error;
    ASSERT_TRUE(demo::writeDemoDisc(sharedDisc->path(), {.small = true}, &error)) << error.toStdString();
}

QString PrintFixture::disc()
{
    return sharedDisc->path();
}

PrintFixture::PrintFixture() = default;

PrintFixture::~PrintFixture()
{
    print.reset();
    page.reset();
    main.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void PrintFixture::SetUp()
{
    fake.mapDrive(u'E', disc());
    state.disc.cdRoot = u"E:"_qs;
    state.disc.photoRoot = u"E:"_qs;
    LoadPhotoArray(context);
    main = std::make_unique<MainWindow>(context);
    page = std::make_unique<YearPage>(context, main->controls());
    print = std::make_unique<PrintController>(context, main->controls());
    main->load({});
    main->show();
    main->fillYearLists(yearListEntries());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main.get()));
}

void PrintFixture::trigger(const char16_t* menuItem)
{
    QAction* item = main->controls().menuItem(menuItem);
    ASSERT_NE(item, nullptr);
    item->trigger();
}

QFrame* PrintFixture::panel() const
{
    return main->findChild<QFrame*>(names::name(names::pnlPrint));
}

QCheckBox* PrintFixture::box(int index) const
{
    return main->findChild<QCheckBox*>(names::indexed(names::Check1, index));
}

QListWidget* PrintFixture::list(int index) const
{
    return main->findChild<QListWidget*>(names::indexed(names::List1, index));
}

QAbstractButton* PrintFixture::button(const char16_t* name) const
{
    return main->findChild<QAbstractButton*>(names::name(name));
}

void PrintFixture::clickBox(int index)
{
    QCheckBox* target = box(index);
    ASSERT_NE(target, nullptr);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(8, target->height() / 2));
}

void PrintFixture::selectYear(int index, const QString& year)
{
    QListWidget* years = list(index);
    ASSERT_NE(years, nullptr);
    const QList<QListWidgetItem*> found = years->findItems(year, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << year.toStdString();
    years->scrollToItem(found.first());
    QTest::mouseClick(years->viewport(), Qt::LeftButton, {}, years->visualItemRect(found.first()).center());
    ASSERT_TRUE(found.first()->isSelected()) << year.toStdString();
}

void PrintFixture::printBooklet(std::initializer_list<int> boxes, const QString& from, const QString& to)
{
    trigger(names::mnuPrnt);
    for (int index : boxes)
        clickBox(index);
    if (!from.isEmpty())
        selectYear(0, from);
    if (!to.isEmpty())
        selectYear(1, to);
    QAbstractButton* printButton = button(names::cmdPrint);
    ASSERT_TRUE(printButton && printButton->isEnabled());
    QTest::mouseClick(printButton, Qt::LeftButton);
}

QStringList PrintFixture::errorCodesShown() const
{
    QStringList codes;
    for (const MessageBoxRequest& box : fake.dialogs.boxes) {
        if (box.text.startsWith(u"Error number: "_qs))
            codes << box.text.mid(14, 5);
    }
    return codes;
}

QStringList PrintFixture::boxTexts() const
{
    QStringList texts;
    for (const MessageBoxRequest& box : fake.dialogs.boxes)
        texts << box.text;
    return texts;
}

bool PrintFixture::toldBookletPrinted() const
{
    for (const MessageBoxRequest& box : fake.dialogs.boxes) {
        if (box.text.startsWith(u"Booklet printed!"_qs))
            return true;
    }
    return false;
}

} // namespace kestrane::test
