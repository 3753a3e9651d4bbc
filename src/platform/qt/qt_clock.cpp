#include "platform/qt/qt_clock.h"

#include <QTimer>

namespace kestrane {

namespace {

class QtTimer : public Timer
{
public:
    QtTimer()
    {
        // Slides follow each other at whole seconds: a coarse timer would let them drift by 5%.
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (onTimeout)
                onTimeout();
        });
    }

    void setInterval(int milliseconds) override
    {
        m_interval = qMax(0, milliseconds);
        if (m_interval == 0)
            m_timer.stop();
        else
            m_timer.start(m_interval);
    }
    int interval() const override { return m_interval; }

private:
    QTimer m_timer;
    int m_interval = 0;
};

} // namespace

QDateTime QtClock::now() const
{
    return QDateTime::currentDateTime();
}

std::unique_ptr<Timer> QtClock::makeTimer()
{
    return std::make_unique<QtTimer>();
}

} // namespace kestrane
