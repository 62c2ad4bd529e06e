#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>
#include <functional>

namespace tezzle::frontend {

// The moment the program's first window has painted and sent its frame to the screen. Work that
// start-up can do without (loading the sound cues) waits for it, so the player sees the window
// first. With TEZZLE_REPORT_FIRST_PAINT set, the program also prints
// "first-paint <seconds> <window> <processor seconds>" on its standard output then: the
// monotonic clock's time and the processor time the program has used. bench/startup times
// start-up by it, and tests tell which window a start opened. Header only, so that bench/
// builds a bare Qt window that reports the same way.
class FirstPaint final : public QObject {
public:
    // Once, before the event loop runs.
    static void then(QCoreApplication& app, std::function<void()> work) {
        app.installEventFilter(new FirstPaint(&app, std::move(work)));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        const QString window = static_cast<QWidget*>(watched)->window()->objectName();
        // The paint and the flush of its frame end before the event loop turns again.
        QTimer::singleShot(0, this, [this, window] {
            if (qEnvironmentVariableIsSet("TEZZLE_REPORT_FIRST_PAINT"))
                report(window);
            if (work_)
                work_();
            deleteLater();
        });
        return false;
    }

private:
    FirstPaint(QObject* parent, std::function<void()> work)
        : QObject(parent)
        , work_(std::move(work)) {}

    static void report(const QString& window) {
        timespec now{};
        timespec used{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
        std::printf("first-paint %lld.%09ld %s %lld.%09ld\n", static_cast<long long>(now.tv_sec),
                    now.tv_nsec, qPrintable(window), static_cast<long long>(used.tv_sec),
                    used.tv_nsec);
        std::fflush(stdout);
    }

    std::function<void()> work_;
};

} // namespace tezzle::frontend
