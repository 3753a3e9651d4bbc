#include "common/ui/shown_picture.h"

#include "common/picture_file.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

namespace kestrane {

QSize pictureBox(const QWidget* box)
{
    return (QSizeF(box->contentsRect().size()) * box->devicePixelRatioF()).toSize();
}

namespace {

// Set on a box while it shows a smaller decode: the file its full-size picture comes from, and
// the pixmap it was decoded into (a picture set by other code is not from that file).
constexpr char kReducedFrom[] = "kestraneReducedFrom";
constexpr char kReducedPixmap[] = "kestraneReducedPixmap";

} // namespace

QImage fullSizePicture(const FileSystem& fileSystem, const QLabel* box)
{
    if (!box || box->pixmap().isNull())
        return {};
    const QString path = box->property(kReducedFrom).toString();
    if (!path.isEmpty() && box->property(kReducedPixmap).toLongLong() == box->pixmap().cacheKey())
        if (QImage full = readPicture(fileSystem, path); !full.isNull())
            return full;
    return box->pixmap().toImage();
}

ShownPicture::ShownPicture(const FileSystem& fileSystem, QLabel* box, bool fitToBox)
    : QObject(box), m_fileSystem(fileSystem), m_box(box), m_fitToBox(fitToBox)
{
    if (m_box && m_fitToBox)
        m_box->installEventFilter(this);
}

PendingPicture ShownPicture::prepare(const QString& path) const
{
    PendingPicture pending;
    pending.path = path;
    if (m_box && m_fitToBox)
        pending.box = pictureBox(m_box);
    pending.image = readPictureAsync(m_fileSystem, path, pending.box, pending.original);
    return pending;
}

bool ShownPicture::show(PendingPicture&& pending, QSize* shownSize)
{
    if (!pending.image.valid())
        return false;
    QImage image = pending.image.get();
    if (shownSize)
        *shownSize = image.size();
    if (!m_box || image.isNull())
        return false;
    const bool reduced = pending.original->isValid() && image.size() != *pending.original;
    // The pixmap takes the decoded pixels over rather than copying them.
    m_box->setPixmap(QPixmap::fromImage(std::move(image)));
    m_path = reduced ? pending.path : QString();
    m_box->setProperty(kReducedFrom, m_path);
    m_box->setProperty(kReducedPixmap, m_box->pixmap().cacheKey());
    m_decodedBox = pending.box;
    return true;
}

void ShownPicture::clear()
{
    m_path.clear();
    if (m_box) {
        m_box->setProperty(kReducedFrom, QString());
        m_box->clear();
    }
}

bool ShownPicture::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_box || event->type() != QEvent::Resize || m_path.isEmpty())
        return false;
    const QSize box = pictureBox(m_box);
    if (box.width() > m_decodedBox.width() || box.height() > m_decodedBox.height())
        show(prepare(m_path));
    return false;
}

} // namespace kestrane
