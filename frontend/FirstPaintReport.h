#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace tezzle::frontend {

// For measuring start-up (bench/startup) and for telling which window a start opened: with
// TEZZLE_REPORT_FIRST_PAINT set, the program prints "first-paint <seconds> <window>" on its
// standard output once its first window has painted and sent its frame to the screen, in seconds
// of the monotonic clock. Unset, it costs nothing. Header only, so bench/ can build a bare Qt
// window that reports the same way.
class FirstPaintReport final : public QObject {
public:
    static void install(QCoreApplication& app) {
        if (qEnvironmentVariableIsSet("TEZZLE_REPORT_FIRST_PAINT"))
            app.installEventFilter(new FirstPaintReport(&app));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        const QString window = static_cast<QWidget*>(watched)->window()->objectName();
        // The paint and the flush of its frame end before the event loop turns again.
        QTimer::singleShot(0, this, [this, window] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("first-paint %lld.%09ld %s\n", static_cast<long long>(now.tv_sec),
                        now.tv_nsec, qPrintable(window));
            std::fflush(stdout);
            deleteLater();
        });
        return false;
    }

private:
    using QObject::QObject;
};

} // namespace tezzle::frontend
