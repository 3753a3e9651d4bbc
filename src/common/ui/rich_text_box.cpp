#include "common/ui/rich_text_box.h"

#include "platform/file_system.h"
#include "rtf/paginate.h"
#include "rtf/rtf_reader.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>

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
    // The reader leaves the document untouched when it cannot read the file.
    if (!rtf::readRtf(data, document()).ok)
        return false;
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
