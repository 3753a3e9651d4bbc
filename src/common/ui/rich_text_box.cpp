#include "common/ui/rich_text_box.h"

#include "platform/file_system.h"
#include "rtf/paginate.h"
#include "rtf/rtf_reader.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>

#include <memory>

namespace kestrane {

RichTextBox::RichTextBox(const FileSystem& fs, QWidget* parent) : QTextEdit(parent), m_fs(fs)
{
    setReadOnly(true);
    // Selectable by mouse only: without keyboard interaction no caret is drawn. It still takes the
    // focus, so that Page Down and the arrow keys scroll a long document (the scroll area's keys).
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::StrongFocus);
    setUndoRedoEnabled(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    // A printed page whatever the desktop's colours are; text without a colour of its own is black.
    QPalette page = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        page.setColor(group, QPalette::Base, Qt::white);
        page.setColor(group, QPalette::Text, Qt::black);
        page.setColor(group, QPalette::Window, Qt::white);
    }
    setPalette(page);
    viewport()->setAutoFillBackground(true);
}

bool RichTextBox::setFileName(const QString& discPath)
{
    QByteArray data;
    if (discPath.isEmpty() || !m_fs.readAll(discPath, &data))
        return false;
    // Read into a document of its own: the box then lays out only the first screen and the rest
    // while it waits for input, where an edit of the shown document is laid out whole at once.
    // A file that cannot be read leaves the shown document as it was.
    auto document = std::make_unique<QTextDocument>(this);
    if (!rtf::readRtf(data, document.get()).ok)
        return false;
    // Taking a document, the box lays it out for Qt's default page size and then again for its own
    // width; a null page size holds the first of them (a sixth of the whole opening).
    document->setPageSize(QSizeF(0, 0));
    // The first document belongs to the box's text control, which deletes it; ours go here.
    const QPointer<QTextDocument> previous = QTextEdit::document();
    setDocument(document.release());
    if (previous && previous->parent() == this)
        delete previous;
    m_fileName = discPath;
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    return true;
}

int RichTextBox::textLength() const
{
    return rtf::textLength(*document());
}

void RichTextBox::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    m_pressPos = event->position().toPoint();
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QTextEdit::mouseReleaseEvent(event);
    const bool click =
        m_pressed && event->button() == Qt::LeftButton &&
        (event->position().toPoint() - m_pressPos).manhattanLength() < QApplication::startDragDistance();
    m_pressed = false;
    if (click)
        Q_EMIT clicked();
}

} // namespace kestrane
