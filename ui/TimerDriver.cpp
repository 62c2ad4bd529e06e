#include "TimerDriver.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace tezzle::ui {

namespace {

// Whole milliseconds, rounded up, so that renders never come more often than the screen shows.
Millis screenFrame() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double hertz =
        screen != nullptr && screen->refreshRate() >= 1 ? screen->refreshRate() : 60;
    return std::max<Millis>(1, static_cast<Millis>(std::ceil(1000.0 / hertz)));
}

} // namespace

TimerDriver::TimerDriver(const Clock& clock, Model model, QObject* parent)
    : QObject(parent)
    , clock_(clock)
    , model_(std::move(model))
    , frame_(screenFrame())
    , lastSync_(clock.now())
    , lastRender_(lastSync_ - frame_) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TimerDriver::sync);
}

void TimerDriver::sync() {
    const Millis now = clock_.now();
    const Millis elapsed = now - lastSync_;
    lastSync_ = now;
    if (const std::optional<Millis> next = model_.nextTickIn(kAllTimers); next && elapsed > 0)
        model_.advance(elapsed > kLongestGap ? std::min(elapsed, *next) : elapsed);
    if (model_.carryOut)
        model_.carryOut();
    if (now - lastRender_ >= frame_)
        renderNow(now);
    else
        renderDue_ = true; // at the next frame
    rearm();
}

void TimerDriver::afterInput() {
    if (model_.carryOut)
        model_.carryOut();
    renderNow(clock_.now());
    rearm();
}

void TimerDriver::renderNow(Millis now) {
    renderDue_ = false;
    lastRender_ = now;
    if (model_.render)
        model_.render();
    // Painted in this wake-up rather than on a second pass through the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    emit rendered();
}

std::optional<Millis> TimerDriver::nextWakeAt() const {
    const Millis nextFrame = lastRender_ + frame_;
    std::optional<Millis> at;
    if (renderDue_)
        at = nextFrame;
    if (const std::optional<Millis> next = model_.nextTickIn(kAllTimers)) {
        const std::optional<Millis> event = model_.nextTickIn(kAllTimers & ~kDrawingOnlyTimers);
        const Millis eventAt = event ? lastSync_ + *event : INT64_MAX;
        // A tick that only changes the picture waits for the next frame it may be drawn in, or
        // for a tick that may do more, when that comes within the frame after.
        const Millis drawAt =
            std::max({lastSync_ + *next, nextFrame, lastRender_ + kDrawingOnlyFrame});
        const Millis wake = eventAt <= drawAt + frame_ ? eventAt : drawAt;
        at = at ? std::min(*at, wake) : wake;
    }
    return at;
}

void TimerDriver::rearm() {
    const std::optional<Millis> at = nextWakeAt();
    if (!at) {
        timer_.stop();
        return;
    }
    const Millis wait = *at - clock_.now();
    timer_.start(static_cast<int>(std::clamp<Millis>(wait, 0, 24 * 60 * 60 * 1000)));
}

} // namespace tezzle::ui
