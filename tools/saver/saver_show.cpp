#include "saver_show.h"

namespace kestrane::saver {

SaverShow::SaverShow(QStringList photos, int intervalMs, Loader load, QObject* parent)
    : QObject(parent), m_photos(std::move(photos)), m_load(std::move(load))
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &SaverShow::advance);
}

void SaverShow::start()
{
    advance();
    if (!isEmpty())
        m_timer.start();
}

void SaverShow::advance()
{
    const int count = int(m_photos.size());
    for (int tried = 0; tried < count; ++tried) {
        const int next = (m_current + 1 + tried) % count;
        QImage image = m_load(m_photos.at(next));
        if (image.isNull())
            continue;
        m_current = next;
        m_image = std::move(image);
        Q_EMIT photoShown(m_photos.at(m_current), m_image);
        return;
    }
    m_current = -1;
    m_image = {};
    m_timer.stop();
    Q_EMIT nothingToShow();
}

} // namespace kestrane::saver
