#pragma once

#include <QImage>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace kestrane::saver {

// The photographs one after another at a fixed interval, wrapping at the end. A photograph that
// cannot be read is passed over; when none can, the show has nothing to show.
class SaverShow : public QObject
{
    Q_OBJECT

public:
    using Loader = std::function<QImage(const QString& path)>;

    SaverShow(QStringList photos, int intervalMs, Loader load, QObject* parent = nullptr);

    // Shows the first photograph now and the next one at every interval.
    void start();
    // Shows the photograph after the current one.
    void advance();

    bool isEmpty() const { return m_current < 0; }
    QString currentPhoto() const { return m_current < 0 ? QString() : m_photos.at(m_current); }
    QImage currentImage() const { return m_image; }
    int interval() const { return m_timer.interval(); }

Q_SIGNALS:
    void photoShown(const QString& path, const QImage& image);
    // No photograph could be read.
    void nothingToShow();

private:
    QStringList m_photos;
    Loader m_load;
    QTimer m_timer;
    int m_current = -1;
    QImage m_image;
};

} // namespace kestrane::saver
