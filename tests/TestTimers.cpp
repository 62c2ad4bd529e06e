// The timers as data: when ticks fall, in which order, and what a handler's changes do.

#include "core/Timers.h"

#include <QTest>

#include <utility>
#include <vector>

using tezzle::Millis;
using tezzle::TimerRole;
using tezzle::Timers;

namespace {

using Tick = std::pair<Millis, TimerRole>;

std::vector<Tick> run(Timers& timers, Millis ms, auto&& handler) {
    std::vector<Tick> ticks;
    timers.advance(ms, [&](TimerRole role) {
        ticks.emplace_back(timers.now(), role);
        handler(role);
    });
    return ticks;
}

std::vector<Tick> run(Timers& timers, Millis ms) {
    return run(timers, ms, [](TimerRole) {});
}

} // namespace

class TestTimers : public QObject {
    Q_OBJECT

private slots:
    void startsStoppedWithDesignIntervals() {
        const Timers timers;
        QVERIFY(!timers.anyRunning());
        QVERIFY(!timers.nextDue());
        QCOMPARE(timers.interval(TimerRole::ChangeOfTurn), 2000);
        QCOMPARE(timers.interval(TimerRole::CounterFlash), 200);
        QCOMPARE(timers.interval(TimerRole::DiceRoll), 250);
    }

    void ticksEveryIntervalFromItsStart() {
        Timers timers;
        timers.advance(30, [](TimerRole) {});
        timers.start(TimerRole::CounterFlash);
        QCOMPARE(*timers.nextDue(), Millis{230});
        const auto ticks = run(timers, 620);
        QCOMPARE(ticks, (std::vector<Tick>{{230, TimerRole::CounterFlash},
                                           {430, TimerRole::CounterFlash},
                                           {630, TimerRole::CounterFlash}}));
        QCOMPARE(timers.now(), Millis{650});
    }

    void startingOrSettingTheIntervalRestartsTheCountdown() {
        Timers timers;
        timers.start(TimerRole::Clock);
        timers.advance(700, [](TimerRole) {});
        timers.start(TimerRole::Clock);
        QCOMPARE(*timers.nextDue(), Millis{1700});
        timers.advance(500, [](TimerRole) {});
        timers.setInterval(TimerRole::Clock, 300);
        QCOMPARE(*timers.nextDue(), Millis{1500});
        // A stopped timer keeps its new interval and waits to be started.
        timers.stop(TimerRole::Clock);
        timers.setInterval(TimerRole::Clock, 50);
        QVERIFY(!timers.nextDue());
        QVERIFY(run(timers, 10000).empty());
    }

    void aHandlersChangesHoldFromTheNextTick() {
        Timers timers;
        timers.setInterval(TimerRole::DiceRoll, 100);
        timers.start(TimerRole::DiceRoll);
        timers.start(TimerRole::Clock);
        int rolls = 0;
        const auto ticks = run(timers, 1000, [&](TimerRole role) {
            if (role == TimerRole::DiceRoll) {
                timers.setInterval(TimerRole::DiceRoll, 5);
                if (++rolls == 3)
                    timers.stop(TimerRole::Clock); // due at 1000, never ticks
                if (rolls == 4)
                    timers.stop(TimerRole::DiceRoll);
            }
        });
        QCOMPARE(ticks, (std::vector<Tick>{{100, TimerRole::DiceRoll},
                                           {105, TimerRole::DiceRoll},
                                           {110, TimerRole::DiceRoll},
                                           {115, TimerRole::DiceRoll}}));
    }

    // Ticks due at one moment run in the order their countdowns started.
    void tiesGoToTheEarlierStartedCountdown() {
        Timers timers;
        timers.start(TimerRole::ComputerMove);
        timers.start(TimerRole::Clock);
        timers.setInterval(TimerRole::DiceReveal, 1000);
        timers.start(TimerRole::DiceReveal);
        timers.start(TimerRole::ChangeOfTurn); // 2000
        std::vector<TimerRole> order;
        timers.advance(1000, [&](TimerRole role) {
            order.push_back(role);
            if (role == TimerRole::ComputerMove)
                timers.stop(TimerRole::Clock);
            timers.stop(role);
        });
        QCOMPARE(order, (std::vector<TimerRole>{TimerRole::ComputerMove, TimerRole::DiceReveal}));
        QCOMPARE(*timers.nextDue(), Millis{2000});
    }

    void timeWithNoTimerRunningCostsNothing() {
        Timers timers;
        QVERIFY(run(timers, 1'000'000'000).empty());
        QCOMPARE(timers.now(), Millis{1'000'000'000});
        QVERIFY(run(timers, 0).empty());
        QVERIFY(run(timers, -5).empty());
        QCOMPARE(timers.now(), Millis{1'000'000'000});
    }

    void nextDueCanLookAtSomeTimersOnly() {
        Timers timers;
        timers.setInterval(TimerRole::DiceRoll, 5);
        timers.start(TimerRole::DiceRoll);
        timers.start(TimerRole::ChangeOfTurn);
        QCOMPARE(*timers.nextDue(), Millis{5});
        QCOMPARE(*timers.nextDue(tezzle::timerBit(TimerRole::ChangeOfTurn)), Millis{2000});
        QVERIFY(!timers.nextDue(tezzle::timerBit(TimerRole::Clock)));
    }
};

QTEST_APPLESS_MAIN(TestTimers)
#include "TestTimers.moc"
