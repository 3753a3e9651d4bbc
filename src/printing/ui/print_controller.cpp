#include "printing/ui/print_controller.h"

#include "common/picture_file.h"
#include "common/ui/rich_text_box.h"
#include "common/ui/shown_picture.h"
#include "common/ui/window_registry.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "printing/booklet_printout.h"
#include "printing/photo_printout.h"
#include "printing/printer_choice.h"
#include "state/app_context.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>

namespace kestrane {

PrintController::PrintController(AppContext& context, const MainWindowControls& controls)
    : m_context(context), m_w(controls)
{
    restorePrinterChoice(context.platform);

    const std::pair<const char16_t*, void (PrintController::*)()> items[] = {
        {names::mnuPrnt, &PrintController::mnuPrntClick},
        {names::mnuPrint, &PrintController::mnuPrintClick},
        {names::mnuPrintPhoto, &PrintController::mnuPrintPhotoClick},
    };
    for (const auto& [name, handler] : items) {
        if (QAction* item = m_w.menuItem(name))
            connect(item, &QAction::triggered, this, handler);
    }

    if (!m_w.pnlPrint)
        return;
    m_panel = buildPrintPanel(m_w.pnlPrint, m_w.list1, *context.platform.fileSystem);
    for (QCheckBox* box : m_panel.check1)
        connect(box, &QCheckBox::toggled, this, [this] { updatePrintButton(m_panel); });
    connect(m_panel.cmdPrint, &QAbstractButton::clicked, this, &PrintController::cmdPrintClick);
    connect(m_panel.cmdOK, &QAbstractButton::clicked, this, &PrintController::cmdOKClick);
    connect(m_panel.ssCommand9, &QAbstractButton::clicked, this, &PrintController::SSCommand9Click);
    resetPrintPanel(m_panel);
}

void PrintController::placePanel()
{
    QFrame* panel = m_panel.panel;
    const Screen& screen = *m_context.platform.screen;
    const int top = (m_w.image4 ? m_w.image4->y() : 0) + 5;
    int left = (screen.widthTwips() / 15 - panel->width()) / 2;
    // A main window narrower than the screen must still show the whole panel.
    if (QWidget* page = panel->parentWidget())
        left = qBound(0, left, qMax(0, page->width() - panel->width()));
    panel->move(left, top);
    panel->raise();
}

void PrintController::mnuPrntClick()
{
    if (!m_panel.panel)
        return;
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    placePanel();
    resetPrintPanel(m_panel);
    m_panel.panel->show();
    m_panel.cmdOK->raise();
}

void PrintController::SSCommand9Click()
{
    resetPrintPanel(m_panel);
}

void PrintController::cmdOKClick()
{
    m_panel.panel->hide();
    if (m_context.mainWindow)
        m_context.mainWindow->setMainWindowEnabled(true);
}

void PrintController::cmdPrintClick()
{
    BookletChoice choice;
    choice.cover = m_panel.check1[0]->isChecked();
    choice.introduction = m_panel.check1[1]->isChecked();
    choice.description = m_panel.check1[3]->isChecked();
    choice.details = m_panel.check1[4]->isChecked();
    choice.firstYear = selectedYear(m_panel.list1[0]);
    choice.lastYear = selectedYear(m_panel.list1[1]);

    Platform& platform = m_context.platform;
    const QString cdRoot = m_context.state.disc.cdRoot;
    BookletSources sources;
    sources.loadPicture = [this, &platform](const QString& path) {
        const QImage picture = readPicture(*platform.fileSystem, path);
        m_panel.picture3->setPixmap(QPixmap::fromImage(picture));
        return picture;
    };
    sources.loadDocument = [this](const QString& path) -> QTextDocument* {
        return m_panel.rtbText->setFileName(path) ? m_panel.rtbText->document() : nullptr;
    };

    platform.screen->setBusy(true);
    setErrorCode(m_context, ErrorCode::ER040);
    const BookletOutcome outcome =
        printBooklet(*platform.printer, planBooklet(choice, cdRoot), sources, cdRoot);
    platform.screen->setBusy(false);

    if (outcome.error == ErrorCode::ER040) {
        reportTrapped(m_context, outcome.error);
        return;
    }
    if (outcome.error != ErrorCode::None) {
        report(m_context, outcome.error);
        return;
    }
    if (!outcome.printed)
        return;
    tellBookletPrinted();
    m_panel.cmdPrint->setText(QString::fromUtf16(kPrintAgainCaption));
    m_panel.cmdOK->setText(QString::fromUtf16(kExitCaption));
}

void PrintController::tellBookletPrinted()
{
    MessageBoxRequest done;
    done.text = u"Booklet printed!\r\n"_qs;
    // With no printer installed the booklet went to a file: say where, or the printout is lost.
    if (const QString file = m_context.platform.printer->outputFile(); !file.isEmpty())
        done.text +=
            u"\r\nNo printer is installed; the booklet was saved as "_qs + QDir::toNativeSeparators(file);
    done.title = QString::fromUtf16(kBoxTitle);
    done.icon = MsgIcon::Exclamation;
    m_context.platform.dialogs->messageBox(done);
}

void PrintController::mnuPrintClick()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    PrintSetup(m_context);
}

void PrintController::mnuPrintPhotoClick()
{
    if (m_context.windows)
        m_context.windows->closePlayList(m_context);
    if (!ConfirmPhotoPrint(m_context))
        return;
    QLabel* image4 = m_w.image4;
    QImage picture =
        image4 && !image4->isHidden() ? fullSizePicture(*m_context.platform.fileSystem, image4) : QImage();
    if (picture.isNull()) {
        // Nothing on show yet: the default emblem stands in, on the page and in Image4.
        picture = readPicture(*m_context.platform.fileSystem,
                              m_context.state.disc.cdRoot + QString::fromUtf16(kDefaultPhotoPicture));
        if (picture.isNull()) {
            reportTrapped(m_context, ErrorCode::ER040);
            return;
        }
        if (image4)
            image4->setPixmap(QPixmap::fromImage(picture));
    }
    PrintPhoto(m_context, picture, m_context.state.selection.selectionKey);
}

} // namespace kestrane
