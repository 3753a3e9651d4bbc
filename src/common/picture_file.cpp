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

namespace {

// The decoder reduces a JPEG fast only by halves (its other eighths run transforms that cost more
// than a full decode): the largest halving that keeps at least the shown size and divides the
// picture exactly, so that the decoder's own output is that size.
int decoderReduction(QSize own, QSize shown)
{
    int factor = 1;
    while (factor < 8) {
        const int next = factor * 2;
        if (own.width() % next || own.height() % next || own.width() / next < shown.width() ||
            own.height() / next < shown.height())
            break;
        factor = next;
    }
    return factor;
}

} // namespace

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
    const QSize shown = box.isEmpty() || !own.isValid() ? own : fittedSize(own, box);
    if (shown != own && reader.format() == "jpeg")
        if (const int factor = decoderReduction(own, shown); factor > 1)
            reader.setScaledSize(own / factor);
    QImage image = reader.read();
    // What is left is scaled smoothly, as the picture box would have scaled the full picture.
    if (!image.isNull() && shown.isValid() && image.size() != shown)
        image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
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
