#include "common/picture_file.h"

#include "platform/file_system.h"

namespace kestrane {

QImage readPicture(const FileSystem& fileSystem, const QString& discPath)
{
    QByteArray data;
    if (discPath.isEmpty() || !fileSystem.readAll(discPath, &data))
        return {};
    return QImage::fromData(data);
}

} // namespace kestrane
