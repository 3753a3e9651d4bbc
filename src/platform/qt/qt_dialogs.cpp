#include "platform/qt/qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

namespace kestrane {

namespace {

struct ButtonAnswer
{
    QMessageBox::StandardButton button;
    int answer;
};

QList<ButtonAnswer> buttonsFor(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return {{QMessageBox::Ok, MsgOk}};
    case MsgButtons::OkCancel:
        return {{QMessageBox::Ok, MsgOk}, {QMessageBox::Cancel, MsgCancel}};
    case MsgButtons::AbortRetryIgnore:
        return {
            {QMessageBox::Abort, MsgAbort}, {QMessageBox::Retry, MsgRetry}, {QMessageBox::Ignore, MsgIgnore}};
    case MsgButtons::YesNoCancel:
        return {{QMessageBox::Yes, MsgYes}, {QMessageBox::No, MsgNo}, {QMessageBox::Cancel, MsgCancel}};
    case MsgButtons::YesNo:
        return {{QMessageBox::Yes, MsgYes}, {QMessageBox::No, MsgNo}};
    case MsgButtons::RetryCancel:
        return {{QMessageBox::Retry, MsgRetry}, {QMessageBox::Cancel, MsgCancel}};
    }
    return {{QMessageBox::Ok, MsgOk}};
}

QMessageBox::Icon iconFor(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::None:
        return QMessageBox::NoIcon;
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// A file dialog that takes a selected folder as the choice instead of entering it, so that one
// dialog opens a disc image, a drive's device or a copied disc's folder.
class DiscLocationDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    QString folderChosen;

protected:
    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (chosen.size() == 1 && QFileInfo(chosen.first()).isDir()) {
            folderChosen = chosen.first();
            done(QDialog::Accepted);
            return;
        }
        QFileDialog::accept();
    }
};

// The box wraps any line wider than half a small screen; the program's lines are laid out line by
// line, so its text is given the width of the longest one (the screen still bounds the box).
void keepLinesWhole(QMessageBox& box, const QString& text)
{
    // Measured in the font the box shows, which it takes only once polished.
    box.ensurePolished();
    const QFontMetrics metrics(box.font());
    int widest = 0;
    for (const QStringView line : QStringView(text).split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line.toString()));
    // Past the screen's width a line wraps after all, rather than leave the screen.
    const int room = box.screen() ? box.screen()->availableGeometry().width() * 4 / 5 : widest;
    const int width = std::min(widest + metrics.averageCharWidth(), room);
    box.setStyleSheet(u"QLabel#qt_msgbox_label { min-width: %1px; }"_qs.arg(width));
}

} // namespace

QString QtDialogs::discLocation(const QString& title)
{
    DiscLocationDialog dialog(QApplication::activeWindow(), title);
    dialog.setObjectName(u"DiscLocationDialog"_qs);
    dialog.setOption(QFileDialog::DontUseNativeDialog); // the native one cannot take a folder and files
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({u"Disc images (*.iso *.ISO *.cue *.CUE *.nrg *.NRG *.img *.IMG *.udf *.bin)"_qs,
                           u"All files (*)"_qs});
    dialog.setLabelText(QFileDialog::Accept, u"&Open"_qs);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (!dialog.folderChosen.isEmpty())
        return dialog.folderChosen;
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

int QtDialogs::messageBox(const MessageBoxRequest& request)
{
    QMessageBox box(iconFor(request.icon), request.title, request.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setObjectName(u"MessageBox"_qs);
    // The texts use CR LF line breaks; the box wants plain line feeds.
    const QString text = QString(request.text).replace(u"\r\n"_qs, u"\n"_qs);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    const QList<ButtonAnswer> buttons = buttonsFor(request.buttons);
    for (const ButtonAnswer& b : buttons)
        box.addButton(b.button);
    box.setDefaultButton(buttons.first().button);
    if (request.systemModal)
        box.setWindowModality(Qt::ApplicationModal);
    QPushButton* extra = nullptr;
    if (!request.extraButton.isEmpty()) {
        extra = box.addButton(request.extraButton, QMessageBox::ActionRole);
        extra->setAccessibleName(QString(request.extraButton).remove(u"..."_qs));
    }
    keepLinesWhole(box, text);
    const int clicked = box.exec();
    if (extra && box.clickedButton() == extra)
        return MsgExtra;
    for (const ButtonAnswer& b : buttons) {
        if (b.button == clicked)
            return b.answer;
    }
    // Escape or the close box: the cancelling answer of the box.
    for (const ButtonAnswer& b : buttons) {
        if (b.answer == MsgCancel || b.answer == MsgNo)
            return b.answer;
    }
    return buttons.first().answer;
}

QString QtDialogs::saveFileName(const SaveFileRequest& request)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialFolder,
                       request.filters.join(u";;"_qs));
    dialog.setObjectName(u"SaveFileDialog"_qs);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

QString QtDialogs::picturesFolder() const
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    // A desktop without a pictures folder of its own: the home folder.
    return QDir(pictures).exists() ? pictures : QDir::homePath();
}

std::optional<PrinterChoice> QtDialogs::printerSetup(const QStringList& printers,
                                                     const PrinterChoice& current)
{
    QPrinter printer(QPrinter::HighResolution);
    if (printers.contains(current.printerName))
        printer.setPrinterName(current.printerName);
    if (!current.paperSize.isEmpty()) {
        for (int id = 0; id <= int(QPageSize::LastPageSize); ++id) {
            const QPageSize size{QPageSize::PageSizeId(id)};
            if (size.key() == current.paperSize) {
                printer.setPageSize(size);
                break;
            }
        }
    }
    printer.setPageOrientation(current.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);

    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setObjectName(u"PrintSetup"_qs);
    dialog.setWindowTitle(u"Print Setup"_qs);
    // Only the choice of printer and paper: the jobs themselves decide what they print, and a file
    // in place of a printer is the program's own fallback.
    dialog.setOptions(QAbstractPrintDialog::PrintDialogOptions());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QPageLayout layout = printer.pageLayout();
    return PrinterChoice{printer.printerName(), layout.pageSize().key(),
                         layout.orientation() == QPageLayout::Landscape};
}

} // namespace kestrane
