#pragma once

#include "platform/clock.h"

#include <vector>

namespace kestrane {

// A clock that stands still until the test moves it on; its timers fire while it moves, in the
// order they fall due, so a test runs minutes of a slide show without waiting.
class FakeClock : public Clock
{
public:
    FakeClock();
    ~FakeClock() override;

    QDateTime now() const override { return m_start.addMSecs(m_elapsed); }
    std::unique_ptr<Timer> makeTimer() override;

    void setNow(const QDateTime& when);
    // Moves the clock on by `milliseconds`, firing every timer that falls due on the way.
    void advance(qint64 milliseconds);
    // Timers that exist and are running.
    int runningTimers() const;

private:
    class FakeTimer;
    friend class FakeTimer;

    QDateTime m_start;
    qint64 m_elapsed = 0;
    std::vector<FakeTimer*> m_timers;
};

} // namespace kestrane
