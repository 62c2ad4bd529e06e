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
// model timer is due or a frame waits to be drawn, and not at all while none runs. Each wake-up
// runs every tick that has come due up to the real time, in order, so a late wake-up never shifts
// later ones; only a gap far longer than any timer (the process was stopped, the machine slept) is
// cut short to one round of ticks, so the model resumes instead of running the minutes it missed.
//
// What the model asks for (sounds, windows) is carried out at each wake-up at once; drawing
// follows the screen: at most one render per display frame. Ticks that only change the picture
// (kDrawingOnlyTimers) are left to come due and run at the next frame they may be drawn in, a
// batch at a time.
class TimerDriver : public QObject {
    Q_OBJECT

public:
    struct Model {
        // Milliseconds until the next tick of any of the given timers, or none while none runs.
        std::function<std::optional<Millis>(std::uint16_t roles)> nextTickIn;
        std::function<void(Millis)> advance;
        std::function<void()> carryOut; // what the model asked for: at once
        std::function<void()> render;   // redraw from the model's state: paced to the screen
    };

    // Longer than any model timer: a gap this long is a stop, not a late wake-up.
    static constexpr Millis kLongestGap = 5000;

    // Ticks that only change the picture are drawn at most 30 times a second: a rolling face is
    // as much a blur at 30 changes a second as at 60, and on a busy machine each wake-up costs
    // more than what it draws.
    static constexpr Millis kDrawingOnlyFrame = 33;

    TimerDriver(const Clock& clock, Model model, QObject* parent = nullptr);

    // Brings the model up to now (as a wake-up does), then re-arms. Call it before forwarding
    // input, so a click lands at the moment it was made.
    void sync();

    // After input changed the model: carries out what it asks, renders at once (an answer to
    // the player does not wait for a frame) and re-arms.
    void afterInput();

    // Arms the timer for the next wake-up, or disarms it; call after input changed the model.
    void rearm();

    bool armed() const { return timer_.isActive(); }

    // When, on the clock, the driver wakes next; none while no model timer runs and nothing
    // waits to be drawn.
    std::optional<Millis> nextWakeAt() const;

    // The shortest time between two renders: one frame of the primary screen.
    Millis frameInterval() const { return frame_; }

signals:
    void rendered(); // a frame drawn, or found to change nothing on screen

private:
    void renderNow(Millis now);

    const Clock& clock_;
    Model model_;
    QTimer timer_;
    Millis frame_;
    Millis lastSync_ = 0;
    Millis lastRender_ = 0;
    bool renderDue_ = false;
};

} // namespace tezzle::ui
