#pragma once

#include "ui/DataFolder.h"

#include <QImage>
#include <QString>

#include <future>
#include <string>
#include <string_view>
#include <thread>

namespace tezzle::frontend {

// What the first window needs and no application object: fontconfig's configuration and font
// lists, and the window's picture, read on a second thread while Qt connects to the display,
// where the first window would otherwise wait for them. Without fontconfig's headers at build
// time, only the picture.
class WarmUp {
public:
    WarmUp(const ui::DataFolder& data, std::string_view picture);
    ~WarmUp() { join(); }
    WarmUp(const WarmUp&) = delete;
    WarmUp& operator=(const WarmUp&) = delete;

    // Before Qt's font database is first asked for anything.
    void awaitFonts() { fonts_.wait(); }

    // Hands the picture to the data folder's pictures when the first window is to show it, at
    // the screen's scale of 1 (a finer screen's window reads the picture made for it itself).
    // A picture not in the build's own BMP form is left to the window, which says why.
    void keepPicture(const ui::DataFolder& data, std::string_view shown, qreal screenScale);

private:
    void join() {
        if (thread_.joinable())
            thread_.join();
    }

    std::promise<void> fontsRead_;
    std::future<void> fonts_ = fontsRead_.get_future();
    std::string picture_;
    QImage image_;
    std::thread thread_;
};

} // namespace tezzle::frontend
