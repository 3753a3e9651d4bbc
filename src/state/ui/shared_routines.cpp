#include "state/ui/shared_routines.h"

#include "platform/file_system.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "rtf/paginate.h"
#include "rtf/rtf_reader.h"
#include "shell/ui/rich_text_box.h"
#include "state/app_context.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QWidget>

#include <memory>

namespace kestrane {

namespace {

// The box's document as its file holds it, on its own: laying out the document that the box shows
// for pages lets the box's view lay it out again for the screen in between, which loses the pages.
std::unique_ptr<QTextDocument> documentToPrint(const FileSystem& fs, const RichTextBox& box)
{
    QByteArray data;
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(box.document()->defaultFont());
    if (box.fileName().isEmpty() || !fs.readAll(box.fileName(), &data) || !rtf::readRtf(data, doc.get()).ok)
        return nullptr;
    return doc;
}

} // namespace

void SetWindowOnTop(AppContext& context, QWidget* window, Flag flag)
{
    if (!window)
        return;
    if (flag == kTrue || flag == kFalse) {
        context.platform.windowManager->setAlwaysOnTop(window, flag == kTrue);
        return;
    }
    window->raise();
}

int PrintRichText(Platform& platform, RichTextBox& box, qint32 leftMargin, qint32 topMargin,
                  qint32 rightMargin, qint32 bottomMargin, const QString& documentName)
{
    Printer& printer = *platform.printer;
    const QString name = documentName.isEmpty() ? box.window()->windowTitle() : documentName;
    const std::unique_ptr<QTextDocument> own = documentToPrint(*platform.fileSystem, box);
    QTextDocument& doc = own ? *own : *box.document();
    if (!printer.begin(name))
        return 0;
    QPagedPaintDevice* device = printer.device();
    QPainter painter;
    if (!device || !painter.begin(device)) {
        printer.abort();
        return 0;
    }
    const QMarginsF margins(leftMargin, topMargin, rightMargin, bottomMargin);
    const int pages = rtf::printPages(doc, painter, margins, [&printer] { return printer.newPage(); });
    painter.end();
    if (pages == 0) {
        printer.abort();
        return 0;
    }
    return printer.end() ? pages : 0;
}

} // namespace kestrane
