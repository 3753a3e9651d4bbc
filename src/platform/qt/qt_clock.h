#pragma once

#include "platform/clock.h"

namespace kestrane {

// The system clock, and timers on the Qt event loop.
class QtClock : public Clock
{
public:
    QDateTime now() const override;
    std::unique_ptr<Timer> makeTimer() override;
};

} // namespace kestrane
