#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <optional>

namespace tezzle {

// Virtual time, in milliseconds since the board opened. The core never reads a clock.
using Millis = std::int64_t;

// The board's eleven timers, by what they do.
enum class TimerRole : std::uint8_t {
    ChangeOfTurn,
    TezzleFlash,
    GameOverFlash,
    DoubleFlash,
    DiceReveal,
    ComputerMove,
    Clock,
    DiceRoll,
    CounterFlash,
    PathBonus,
    FinalWinner,
};

inline constexpr int kTimerCount = 11;

// Intervals as the board is designed; some handlers change them while they run.
inline constexpr std::array<int, kTimerCount> kDesignIntervals{2000, 250, 250, 250,  1000, 1000,
                                                               1000, 250, 200, 2000, 2000};

constexpr std::uint16_t timerBit(TimerRole role) {
    return static_cast<std::uint16_t>(1U << static_cast<unsigned>(role));
}

inline constexpr std::uint16_t kAllTimers = 0xFFFF;

// Timers whose ticks change nothing but what is drawn (the rolling faces). A window may let them
// come due unseen and run them late, a screen frame at a time, since the catch-up runs every
// tick in order; every other tick may ask for a sound or a window, and is met on its time.
inline constexpr std::uint16_t kDrawingOnlyTimers = timerBit(TimerRole::DiceRoll);

// Timers kept as data. A timer with interval I that is started at t ticks at t + I, t + 2I, ...
// Starting it, or setting its interval while it runs, restarts the countdown from now.
//
// advance() runs the due ticks one at a time in due order; a handler's changes to the timers
// hold from the next tick on. Ticks due at the same moment run in the order their countdowns
// started (the earlier started first), so a timer started first in a handler also ticks first.
class Timers {
public:
    Timers() {
        for (int i = 0; i < kTimerCount; ++i)
            timers_[i].interval = kDesignIntervals[i];
    }

    void start(TimerRole role) {
        arm(timers_[index(role)]);
        running_ |= timerBit(role);
    }
    void stop(TimerRole role) { running_ &= static_cast<std::uint16_t>(~timerBit(role)); }
    void stopAll() { running_ = 0; }

    // Intervals below 1 ms are taken as 1 ms.
    void setInterval(TimerRole role, int ms) {
        Timer& t = timers_[index(role)];
        t.interval = ms < 1 ? 1 : ms;
        if (running(role))
            arm(t);
    }

    bool running(TimerRole role) const { return (running_ & timerBit(role)) != 0; }
    bool anyRunning() const { return running_ != 0; }
    int interval(TimerRole role) const { return timers_[index(role)].interval; }
    Millis now() const { return now_; }

    // When the next tick of any timer in `roles` is due (absolute), or none.
    std::optional<Millis> nextDue(std::uint16_t roles = kAllTimers) const {
        const int i = first(roles, INT64_MAX);
        if (i < 0)
            return std::nullopt;
        return timers_[i].due;
    }

    // Runs every tick due within the next `ms` milliseconds; onTick(role) handles one tick.
    template <class OnTick> void advance(Millis ms, OnTick&& onTick) {
        if (ms <= 0)
            return;
        const Millis until = now_ + ms;
        for (int i = first(kAllTimers, until); i >= 0; i = first(kAllTimers, until)) {
            Timer& t = timers_[i];
            now_ = t.due;
            arm(t);
            onTick(static_cast<TimerRole>(i));
        }
        now_ = until;
    }

private:
    struct Timer {
        Millis due = 0;
        std::uint64_t order = 0; // when its countdown started, for ties
        int interval = 0;
    };

    static constexpr int index(TimerRole role) { return static_cast<int>(role); }

    void arm(Timer& t) {
        t.due = now_ + t.interval;
        t.order = nextOrder_++;
    }

    // The running timer in `roles` that ticks first, if it is due by `until`; else -1.
    int first(std::uint16_t roles, Millis until) const {
        int best = -1;
        for (unsigned bits = running_ & roles; bits != 0; bits &= bits - 1) {
            const int i = std::countr_zero(bits);
            const Timer& t = timers_[i];
            if (t.due > until)
                continue;
            if (best < 0 || t.due < timers_[best].due ||
                (t.due == timers_[best].due && t.order < timers_[best].order))
                best = i;
        }
        return best;
    }

    std::array<Timer, kTimerCount> timers_{};
    std::uint16_t running_ = 0;
    std::uint64_t nextOrder_ = 0;
    Millis now_ = 0;
};

} // namespace tezzle
