#pragma once

#include <QPoint>
#include <QTextEdit>

namespace kestrane {

class FileSystem;

// The rich-text box (rtbText, rtbDetails): shows one RTF document of the disc as a read-only
// white page. Assigning a file name loads it and replaces the whole previous content.
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(const FileSystem& fs, QWidget* parent = nullptr);

    // Loads the document at a disc-form path. A missing or unreadable file keeps the previous
    // content and returns false: the caller reports its own error code.
    bool setFileName(const QString& discPath);
    QString fileName() const { return m_fileName; }

    // Length of the plain text, in the positions that rtf::formatRange returns.
    int textLength() const;

Q_SIGNALS:
    // A single click of the left button (not the end of a selection drag).
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const FileSystem& m_fs;
    QString m_fileName;
    QPoint m_pressPos;
    bool m_pressed = false;
};

} // namespace kestrane
