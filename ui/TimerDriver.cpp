#include "TimerDriver.h"

#include <algorithm>

namespace tezzle::ui {

TimerDriver::TimerDriver(const Clock& clock, Model model, QObject* parent)
    : QObject(parent)
    , clock_(clock)
    , model_(std::move(model))
    , lastSync_(clock.now()) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TimerDriver::sync);
}

void TimerDriver::sync() {
    const Millis now = clock_.now();
    const Millis elapsed = now - lastSync_;
    lastSync_ = now;
    if (const std::optional<Millis> next = model_.nextTickIn(); next && elapsed > 0)
        model_.advance(std::min(elapsed, *next));
    if (model_.afterAdvance)
        model_.afterAdvance();
    rearm();
}

void TimerDriver::rearm() {
    const std::optional<Millis> next = model_.nextTickIn();
    if (!next) {
        timer_.stop();
        return;
    }
    // The model's clock stands at the last sync; time since then already counts.
    const Millis wait = *next - (clock_.now() - lastSync_);
    timer_.start(static_cast<int>(std::clamp<Millis>(wait, 0, 24 * 60 * 60 * 1000)));
}

} // namespace tezzle::ui
