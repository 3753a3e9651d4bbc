#include "common/ui/shared_routines.h"

#include "common/ui/rich_text_box.h"
#include "platform/platform.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "rtf/paginate.h"
#include "state/app_context.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <QWidget>

namespace kestrane {

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
    if (!printer.begin(name))
        return 0;
    QPagedPaintDevice* device = printer.device();
    QPainter painter;
    if (!device || !painter.begin(device)) {
        printer.abort();
        return 0;
    }
    const QMarginsF margins(leftMargin, topMargin, rightMargin, bottomMargin);
    const int pages =
        rtf::printPages(*box.document(), painter, margins, [&printer] { return printer.newPage(); });
    painter.end();
    if (pages == 0) {
        printer.abort();
        return 0;
    }
    return printer.end() ? pages : 0;
}

} // namespace kestrane
