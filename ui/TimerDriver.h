#pragma once

#include "core/Timers.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace tezzle::ui {

// Where the windows read the time: the steady clock in the program, a hand-moved one in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Millis now() const = 0;
};

class SteadyClock final : public Clock {
public:
    SteadyClock() { started_.start(); }
    Millis now() const override { return started_.elapsed(); }

private:
    QElapsedTimer started_;
};

// Turns the timers a model keeps as data into one single-shot QTimer. It wakes only when a
// model timer is due, and not at all while none runs. Each wake-up lets the time that passed
// go by in the model, but never past its next tick: after a stall or a suspend the model goes
// on with one round of ticks instead of running the minutes it missed.
class TimerDriver : public QObject {
    Q_OBJECT

public:
    struct Model {
        std::function<std::optional<Millis>()> nextTickIn;
        std::function<void(Millis)> advance;
        std::function<void()> afterAdvance; // carry out what the model asks, redraw
    };

    TimerDriver(const Clock& clock, Model model, QObject* parent = nullptr);

    // Brings the model up to now (as a wake-up does), then re-arms. Call it before forwarding
    // input, so a click lands at the moment it was made.
    void sync();

    // Arms the timer for the model's next tick, or disarms it; call after input changed it.
    void rearm();

    bool armed() const { return timer_.isActive(); }

    // When, on the clock, the model's next tick is due; none while no model timer runs.
    std::optional<Millis> nextWakeAt() const {
        const std::optional<Millis> next = model_.nextTickIn();
        return next ? std::optional<Millis>(lastSync_ + *next) : std::nullopt;
    }

private:
    const Clock& clock_;
    Model model_;
    QTimer timer_;
    Millis lastSync_ = 0;
};

} // namespace tezzle::ui
