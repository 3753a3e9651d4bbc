#include "print_fixture.h"

#include "common/control_names.h"
#include "printing/printer_choice.h"
#include "printing/ui/print_controller.h"
#include "shell/ui/main_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>

using namespace kestrane;
using namespace kestrane::test;

namespace {

QString caption(const QAbstractButton* button)
{
    return button ? button->text() : u"(missing)"_qs;
}

} // namespace

TEST_F(PrintFixture, PanelOpensWithWrongCaptionsOrAStaleSelection)
{
    // A selection left from an earlier visit must not survive the next opening.
    trigger(names::mnuPrnt);
    clickBox(0);
    selectYear(0, u"1960"_qs);
    button(names::cmdOK)->click();
    EXPECT_FALSE(panel()->isVisible());

    trigger(names::mnuPrnt);
    ASSERT_TRUE(panel()->isVisible());
    EXPECT_EQ(main->findChild<QLabel*>(names::name(names::Label3))->text(), u"Print Kestrane Booklet"_qs);
    EXPECT_EQ(
        main->findChild<QLabel*>(names::name(names::Text2))->text(),
        u"Choose the information you would like to print.\nThen select the years to include in the booklet."_qs);
    EXPECT_EQ(main->findChild<QGroupBox*>(names::name(names::Frame2))->title(), u" By year "_qs);

    const char16_t* captions[] = {u" Cover",   u" Introduction", u" Clip art", u" Description",
                                  u" Details", u" Engines",      u" Options",  u" Colors"};
    for (int i = 0; i < 8; ++i) {
        ASSERT_NE(box(i), nullptr) << i;
        EXPECT_EQ(box(i)->text(), QString::fromUtf16(captions[i])) << i;
        EXPECT_FALSE(box(i)->isChecked()) << i;
        const bool shown = i == 0 || i == 1 || i == 3 || i == 4;
        EXPECT_EQ(box(i)->isVisible(), shown) << i;
    }
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(list(i)->count(), 50);
        EXPECT_TRUE(list(i)->selectedItems().isEmpty()) << i;
    }
    EXPECT_FALSE(button(names::cmdPrint)->isEnabled());
    EXPECT_EQ(caption(button(names::cmdPrint)), u"Print"_qs);
    EXPECT_EQ(caption(button(names::cmdOK)), u"Cancel"_qs);
    EXPECT_EQ(caption(button(names::SSCommand9)), u"Clear"_qs);

    // Placed below the photograph's top, centred on the screen's width in pixels.
    const QLabel* image4 = main->findChild<QLabel*>(names::name(names::Image4));
    EXPECT_EQ(panel()->y(), image4->y() + 5);
    EXPECT_EQ(panel()->x(), (fake.screen.widthPixels - panel()->width()) / 2);

    // Screen readers hear the captions.
    QAccessibleInterface* print = QAccessible::queryAccessibleInterface(button(names::cmdPrint));
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(QAccessible::Name), u"Print"_qs);
}

TEST_F(PrintFixture, PrintButtonEnabledWithoutACheckedBoxOrDisabledWithOne)
{
    trigger(names::mnuPrnt);
    QAbstractButton* print = button(names::cmdPrint);
    for (int i : {0, 1, 3, 4}) {
        clickBox(i);
        EXPECT_TRUE(print->isEnabled()) << "box " << i << " checked alone";
        clickBox(i);
        EXPECT_FALSE(print->isEnabled()) << "box " << i << " unchecked again";
    }
    clickBox(0);
    clickBox(4);
    clickBox(0);
    EXPECT_TRUE(print->isEnabled()) << "Details still checked";
    clickBox(4);
    EXPECT_FALSE(print->isEnabled());
}

TEST_F(PrintFixture, ClearOrANewOpeningKeepsThePrintAgainCaptions)
{
    printBooklet({0}, {}, {});
    ASSERT_TRUE(toldBookletPrinted());
    EXPECT_EQ(caption(button(names::cmdPrint)), u"Print Again"_qs);
    EXPECT_EQ(caption(button(names::cmdOK)), u"Exit"_qs);
    EXPECT_TRUE(panel()->isVisible()) << "the panel stays open after a printout";

    button(names::SSCommand9)->click();
    EXPECT_EQ(caption(button(names::cmdPrint)), u"Print"_qs);
    EXPECT_EQ(caption(button(names::cmdOK)), u"Cancel"_qs);
    EXPECT_FALSE(box(0)->isChecked());
    EXPECT_FALSE(button(names::cmdPrint)->isEnabled());
    EXPECT_TRUE(panel()->isVisible());

    printBooklet({0}, {}, {});
    button(names::cmdOK)->click(); // "Exit"
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(main->isEnabled());
    trigger(names::mnuPrnt);
    EXPECT_EQ(caption(button(names::cmdPrint)), u"Print"_qs);
    EXPECT_EQ(caption(button(names::cmdOK)), u"Cancel"_qs);
}

TEST_F(PrintFixture, PlayListLeftOnTopOverAPrintingWindow)
{
    for (const char16_t* item : {names::mnuPrnt, names::mnuPrint, names::mnuPrintPhoto}) {
        QWidget playList;
        playList.setObjectName(names::name(names::frmSSPhoto));
        playList.show();
        windows.enter(WindowRegistry::PlayList, &playList);
        fake.windowManager.log.clear();
        if (item == names::mnuPrintPhoto)
            fake.dialogs.answerNext(MsgCancel); // the photograph's question
        trigger(item);
        EXPECT_FALSE(playList.isVisible()) << QString::fromUtf16(item).toStdString();
        EXPECT_TRUE(fake.windowManager.log.contains(u"top frmSSPhoto 0"_qs))
            << QString::fromUtf16(item).toStdString();
        windows.leave(WindowRegistry::PlayList, &playList);
    }
}

TEST_F(PrintFixture, PrinterChoiceIgnoredByLaterPrintoutsOrForgottenNextRun)
{
    // Cancel changes nothing.
    trigger(names::mnuPrint);
    ASSERT_EQ(fake.dialogs.printerSetups.size(), 1);
    EXPECT_EQ(fake.dialogs.printerSetupList, fake.printer.installed);
    EXPECT_EQ(fake.printer.choice(), PrinterChoice());
    EXPECT_TRUE(fake.settings.writes.isEmpty());

    const PrinterChoice chosen{u"Second Printer"_qs, u"A4"_qs, false};
    fake.dialogs.nextPrinterChoice = chosen;
    trigger(names::mnuPrint);
    EXPECT_EQ(fake.printer.choice(), chosen);
    EXPECT_EQ(readPrinterChoice(fake.settings), chosen);
    trigger(names::mnuPrint);
    EXPECT_EQ(fake.dialogs.printerSetups.last(), chosen) << "the dialog starts from the current choice";

    // The next run: a new printer service takes the remembered choice when the controller starts.
    FakePrinter nextRun(fake.printer.pdfPath());
    fake.platform().printer = &nextRun;
    PrintController again(context, main->controls());
    EXPECT_EQ(nextRun.choice(), chosen);
    fake.platform().printer = &fake.printer;
}

TEST_F(PrintFixture, NoPrinterInstalledLeavesTheUserWithAnEmptyDialog)
{
    fake.printer.installed.clear();
    trigger(names::mnuPrint);
    EXPECT_TRUE(fake.dialogs.printerSetups.isEmpty());
    ASSERT_EQ(fake.dialogs.boxes.size(), 1);
    const MessageBoxRequest& box = fake.dialogs.boxes.first();
    EXPECT_TRUE(box.text.startsWith(
        u"No printer is installed.\r\n\r\nPrintouts are saved as PDF files in the folder "_qs))
        << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(fake.printer.fallbackFolder()));
    EXPECT_EQ(box.title, u"The Kestrane Omnivar 2002"_qs);
}
