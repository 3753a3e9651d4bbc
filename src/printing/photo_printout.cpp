#include "printing/photo_printout.h"

#include "common/error_reporter.h"
#include "common/picture_file.h"
#include "platform/dialogs.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "printing/print_job.h"
#include "state/app_context.h"

#include <QDir>
#include <QFont>

namespace kestrane {

namespace {

constexpr int kBlankLinesAbove = 8;
const QString kIndent(12, u' ');

QFont photoFont()
{
    QFont font(u"DejaVu Sans"_qs, 10);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QString shownKey(const QString& selectionKey)
{
    // The design caption of panYear is no selection to print.
    return selectionKey == QStringView(kNoSelection) ? QString() : selectionKey;
}

QString jobName(const QString& selectionKey)
{
    return (QString::fromUtf16(kBoxTitle) + u"     Photograph "_qs + shownKey(selectionKey)).trimmed();
}

} // namespace

QStringList photoHeaderLines(const QString& selectionKey)
{
    QStringList lines;
    for (int i = 0; i < kBlankLinesAbove; ++i)
        lines << u" "_qs;
    lines << kIndent + QString::fromUtf16(kAppTitle) << u" "_qs << kIndent + shownKey(selectionKey)
          << u" "_qs;
    return lines;
}

bool ConfirmPhotoPrint(AppContext& context)
{
    MessageBoxRequest question;
    question.text = u"Would you like to print this photograph?"_qs;
    question.title = QString::fromUtf16(kAppTitle);
    question.buttons = MsgButtons::OkCancel;
    question.icon = MsgIcon::Question;
    return context.platform.dialogs->messageBox(question) == MsgOk;
}

bool printPhotoPage(Printer& printer, const QImage& picture, const QString& selectionKey)
{
    if (picture.isNull())
        return false;
    PrintJob job(printer, jobName(selectionKey));
    const bool drawn = job.startSection() && job.drawLines(photoHeaderLines(selectionKey), photoFont()) &&
                       job.drawPicture(picture, QPointF(0, kPhotoTopTwips));
    const bool ended = job.isOpen() && job.finish();
    return drawn && ended;
}

bool PrintPhoto(AppContext& context, const QImage& picture, const QString& selectionKey)
{
    Platform& platform = context.platform;
    setErrorCode(context, ErrorCode::ER040);
    platform.screen->setBusy(true);
    const bool printed = printPhotoPage(*platform.printer, picture, selectionKey);
    platform.screen->setBusy(false);
    if (!printed) {
        reportTrapped(context, ErrorCode::ER040);
        return false;
    }
    // With no printer installed the page went to a file: say where, or the printout is lost.
    if (const QString file = platform.printer->outputFile(); !file.isEmpty()) {
        MessageBoxRequest saved;
        saved.text =
            u"No printer is installed; the photograph was saved as "_qs + QDir::toNativeSeparators(file);
        saved.title = QString::fromUtf16(kAppTitle);
        saved.icon = MsgIcon::Information;
        platform.dialogs->messageBox(saved);
    }
    return true;
}

bool PrintPhoto(AppContext& context, const QString& photoPath, const QString& selectionKey)
{
    const QImage picture = readPicture(*context.platform.fileSystem, photoPath);
    if (picture.isNull()) {
        reportTrapped(context, ErrorCode::ER040);
        return false;
    }
    return PrintPhoto(context, picture, selectionKey);
}

} // namespace kestrane
