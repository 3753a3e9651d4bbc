#pragma once

#include <QImage>
#include <QString>

namespace kestrane {

class FileSystem;

// Reads and decodes a picture at a disc-form path; a null image when it is missing or unreadable.
QImage readPicture(const FileSystem& fileSystem, const QString& discPath);

} // namespace kestrane
