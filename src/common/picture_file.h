#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <future>
#include <memory>

namespace kestrane {

class FileSystem;

// The size a picture of `original` pixels takes in a box of `box` pixels: fitted with its
// proportions, never enlarged. An empty box leaves the picture as it is.
QSize fittedSize(QSize original, QSize box);

// Decodes picture bytes at the size they are shown in `box` (see fittedSize): a photograph shown
// at half its size costs a fraction of its full decode, and no full-size copy is kept. A null image
// when the bytes are not a picture. `original` (when given) gets the picture's own size.
QImage decodePicture(const QByteArray& data, QSize box = {}, QSize* original = nullptr);

// Reads and decodes a picture at a disc-form path; a null image when it is missing or unreadable.
QImage readPicture(const FileSystem& fileSystem, const QString& discPath, QSize box = {});

// Reads the bytes here (the file system need not be thread-safe) and decodes them on a worker
// thread, so that several pictures of one page decode at once.
// `original` gets the picture's own size once the future is ready.
std::future<QImage> readPictureAsync(const FileSystem& fileSystem, const QString& discPath, QSize box = {},
                                     std::shared_ptr<QSize> original = {});

} // namespace kestrane
