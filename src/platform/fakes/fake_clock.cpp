#include "platform/fakes/fake_clock.h"

#include <algorithm>

namespace kestrane {

class FakeClock::FakeTimer : public Timer
{
public:
    explicit FakeTimer(FakeClock& clock) : m_clock(&clock) { clock.m_timers.push_back(this); }
    ~FakeTimer() override
    {
        if (m_clock)
            std::erase(m_clock->m_timers, this);
    }

    void setInterval(int milliseconds) override
    {
        m_interval = std::max(0, milliseconds);
        if (m_clock)
            m_due = m_clock->m_elapsed + m_interval;
    }
    int interval() const override { return m_interval; }

    FakeClock* m_clock;
    int m_interval = 0;
    qint64 m_due = 0;
};

FakeClock::FakeClock() : m_start(QDate(2002, 6, 15), QTime(15, 4, 5)) {}

FakeClock::~FakeClock()
{
    for (FakeTimer* timer : m_timers)
        timer->m_clock = nullptr;
}

std::unique_ptr<Timer> FakeClock::makeTimer()
{
    return std::make_unique<FakeTimer>(*this);
}

void FakeClock::setNow(const QDateTime& when)
{
    m_start = when.addMSecs(-m_elapsed);
}

void FakeClock::advance(qint64 milliseconds)
{
    const qint64 end = m_elapsed + std::max<qint64>(0, milliseconds);
    for (;;) {
        // The running timer due first; the one made first wins a tie. A callback may create,
        // change or destroy timers, so the list is searched afresh every time.
        FakeTimer* next = nullptr;
        for (FakeTimer* timer : m_timers)
            if (timer->m_interval > 0 && timer->m_due <= end && (!next || timer->m_due < next->m_due))
                next = timer;
        if (!next)
            break;
        m_elapsed = next->m_due;
        next->m_due += next->m_interval;
        if (next->onTimeout)
            next->onTimeout();
    }
    m_elapsed = end;
}

int FakeClock::runningTimers() const
{
    return int(std::count_if(m_timers.begin(), m_timers.end(),
                             [](const FakeTimer* t) { return t->m_interval > 0; }));
}

} // namespace kestrane
