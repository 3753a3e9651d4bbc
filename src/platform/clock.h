#pragma once

#include <QDateTime>

#include <functional>
#include <memory>

namespace kestrane {

// A timer of the original kind: an interval of 0 is idle, any other interval fires again and
// again; setting the interval starts the count afresh.
class Timer
{
public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    // Called on the user-interface thread each time the interval has passed.
    std::function<void()> onTimeout;
};

// The wall clock and the timers that count against it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual std::unique_ptr<Timer> makeTimer() = 0;
};

} // namespace kestrane
