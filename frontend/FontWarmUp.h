#pragma once

#include <thread>

namespace tezzle::frontend {

// Reads fontconfig's configuration and font lists on a second thread while Qt connects to the
// display: the first window's first text would otherwise wait for them, a few milliseconds of
// every start. Built without fontconfig's headers, it does nothing.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp() { wait(); }
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Before Qt's font database is first asked for anything.
    void wait() {
        if (thread_.joinable())
            thread_.join();
    }

private:
    std::thread thread_;
};

} // namespace tezzle::frontend
