#include "common/picture_file.h"

#include "platform/file_system.h"

#include <QBuffer>
#include <QImageReader>
#include <QThreadPool>

namespace kestrane {

QSize fittedSize(QSize original, QSize box)
{
    if (box.isEmpty() || original.isEmpty())
        return original;
    if (original.width() <= box.width() && original.height() <= box.height())
        return original;
    return original.scaled(box, Qt::KeepAspectRatio).expandedTo({1, 1});
}

QImage decodePicture(const QByteArray& data, QSize box, QSize* original)
{
    if (original)
        *original = {};
    if (data.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize own = reader.size();
    if (original)
        *original = own;
    if (!box.isEmpty()) {
        const QSize shown = fittedSize(own, box);
        if (own.isValid() && shown != own) {
            reader.setScaledSize(shown);
            // The decoder's own reduction is in eighths; what is left is scaled smoothly, as the
            // picture box would have scaled the full picture.
            reader.setQuality(100);
        }
    }
    return reader.read();
}

QImage readPicture(const FileSystem& fileSystem, const QString& discPath, QSize box)
{
    QByteArray data;
    if (discPath.isEmpty() || !fileSystem.readAll(discPath, &data))
        return {};
    return decodePicture(data, box);
}

std::future<QImage> readPictureAsync(const FileSystem& fileSystem, const QString& discPath, QSize box,
                                     std::shared_ptr<QSize> original)
{
    QByteArray data;
    if (discPath.isEmpty() || !fileSystem.readAll(discPath, &data)) {
        std::promise<QImage> none;
        none.set_value({});
        return none.get_future();
    }
    auto task = std::make_shared<std::packaged_task<QImage()>>(
        [data = std::move(data), box, original] { return decodePicture(data, box, original.get()); });
    std::future<QImage> result = task->get_future();
    QThreadPool::globalInstance()->start([task] { (*task)(); });
    return result;
}

} // namespace kestrane
