// The clock service: the fake that slide-show tests drive, and the Qt timer behind it.
#include "platform/fakes/fake_clock.h"
#include "platform/qt/qt_clock.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace kestrane;

TEST(FakeClock, TimersFireInTheOrderTheyFallDueAndAnIdleOneNever)
{
    FakeClock clock;
    const QDateTime start = clock.now();
    QStringList log;
    std::unique_ptr<Timer> slow = clock.makeTimer();
    std::unique_ptr<Timer> fast = clock.makeTimer();
    std::unique_ptr<Timer> idle = clock.makeTimer();
    slow->onTimeout = [&] { log << u"slow"_qs; };
    fast->onTimeout = [&] { log << u"fast"_qs; };
    idle->onTimeout = [&] { log << u"idle"_qs; };
    slow->setInterval(1000);
    fast->setInterval(400);
    clock.advance(1200);
    EXPECT_EQ(log, (QStringList{u"fast"_qs, u"fast"_qs, u"slow"_qs, u"fast"_qs}));
    EXPECT_EQ(clock.now(), start.addMSecs(1200));
    EXPECT_EQ(clock.runningTimers(), 2);
}

TEST(FakeClock, ACallbackMayStopRestartOrDestroyTimersWithoutAStaleTick)
{
    FakeClock clock;
    int first = 0;
    int second = 0;
    std::unique_ptr<Timer> a = clock.makeTimer();
    std::unique_ptr<Timer> b = clock.makeTimer();
    a->onTimeout = [&] {
        ++first;
        b.reset();            // a window closing from a tick takes its other timers with it
        a->setInterval(3000); // and restarts its own count
    };
    b->onTimeout = [&] { ++second; };
    a->setInterval(1000);
    b->setInterval(1000);
    clock.advance(3999);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 0);
    clock.advance(1);
    EXPECT_EQ(first, 2);
    a->setInterval(0);
    clock.advance(10000);
    EXPECT_EQ(first, 2);
}

TEST(QtClock, ATimerFiresAgainUntilItsIntervalIsZero)
{
    QtClock clock;
    EXPECT_LE(qAbs(clock.now().secsTo(QDateTime::currentDateTime())), 1);
    std::unique_ptr<Timer> timer = clock.makeTimer();
    int ticks = 0;
    timer->onTimeout = [&] {
        if (++ticks == 3)
            timer->setInterval(0);
    };
    timer->setInterval(5);
    EXPECT_EQ(timer->interval(), 5);
    QTRY_COMPARE(ticks, 3);
    EXPECT_EQ(timer->interval(), 0);
}
