#include "rtf/rtf_reader.h"

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace rtf {

namespace {

QString blockText(const QTextBlock& block, QChar lineBreak)
{
    QString text = block.text();
    text.remove(QChar::ObjectReplacementCharacter); // pictures
    text.replace(QChar::LineSeparator, lineBreak);
    return text;
}

void appendFrame(const QTextFrame* frame, QStringList& lines);

// A cell is one field of its row: its paragraphs (and anything nested) joined by blanks.
QString cellText(const QTextTableCell& cell)
{
    QStringList parts;
    for (auto it = cell.begin(); !it.atEnd(); ++it) {
        if (const QTextFrame* child = it.currentFrame()) {
            QStringList nested;
            appendFrame(child, nested);
            for (QString& line : nested)
                parts.append(line.replace(u'\t', u' '));
        } else {
            parts.append(blockText(it.currentBlock(), u' '));
        }
    }
    parts.removeAll(QString());
    return parts.join(u' ');
}

void appendTable(const QTextTable* table, QStringList& lines)
{
    for (int r = 0; r < table->rows(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (cell.row() == r && cell.column() == c) // spanned places belong to their first cell
                cells.append(cellText(cell));
        }
        lines.append(cells.join(u'\t'));
    }
}

void appendFrame(const QTextFrame* frame, QStringList& lines)
{
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
        if (const QTextFrame* child = it.currentFrame()) {
            if (const auto* table = qobject_cast<const QTextTable*>(child))
                appendTable(table, lines);
            else
                appendFrame(child, lines);
        } else if (!it.currentBlock().blockFormat().boolProperty(kLeadingBlockProperty)) {
            lines.append(blockText(it.currentBlock(), u'\n'));
        }
    }
}

} // namespace

QString plainText(const QTextDocument& doc)
{
    QStringList lines;
    appendFrame(doc.rootFrame(), lines);
    return lines.join(u'\n');
}

} // namespace rtf
