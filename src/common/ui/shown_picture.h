#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <future>
#include <memory>

class QLabel;
class QWidget;

namespace kestrane {

class FileSystem;

// The pixels a picture box shows its picture in: its contents at the screen's pixel ratio.
QSize pictureBox(const QWidget* box);

// The picture a box shows, at its own full size: what is copied or printed from the box. A box
// that shows a smaller decode has its picture read again; any other box gives its pixmap.
QImage fullSizePicture(const FileSystem& fileSystem, const QLabel* box);

// A picture on its way into a box: read already, perhaps still decoding on a worker thread.
struct PendingPicture
{
    QString path;
    QSize box; // the pixels it is decoded for (empty: full size)
    std::future<QImage> image;
    std::shared_ptr<QSize> original = std::make_shared<QSize>();
};

// Shows pictures in one picture box decoded at the size the box shows them, not at full size, and
// keeps no other copy. When the box grows past what was decoded, the picture is decoded again for
// the new size, so it stays sharp.
class ShownPicture : public QObject
{
public:
    // `fitToBox` false: the box takes the picture's own size (nothing to gain from a smaller decode).
    ShownPicture(const FileSystem& fileSystem, QLabel* box, bool fitToBox = true);

    // Reads the file and starts its decode; `show` finishes it.
    PendingPicture prepare(const QString& path) const;
    // Waits for the decode and puts the picture into the box; false (box untouched) when the file
    // is missing or is not a picture.
    bool show(PendingPicture&& pending, QSize* shownSize = nullptr);
    bool load(const QString& path) { return show(prepare(path)); }
    // Drops the picture (the box is hidden and will load a new one before it shows again).
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const FileSystem& m_fileSystem;
    QLabel* m_box;
    bool m_fitToBox;
    QString m_path;     // what the box shows, decoded smaller than its own size; else empty
    QSize m_decodedBox; // the box it was decoded for
};

} // namespace kestrane
