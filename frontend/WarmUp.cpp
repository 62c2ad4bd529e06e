#include "WarmUp.h"

#ifdef TEZZLE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tezzle::frontend {

WarmUp::WarmUp(const ui::DataFolder& data, std::string_view picture)
    : picture_(picture) {
    thread_ = std::thread([this, file = data.path(picture)] {
#ifdef TEZZLE_FONTCONFIG
        // Fontconfig keeps what it read for the whole process; Qt's font database finds it there.
        FcInit();
#endif
        fontsRead_.set_value();
        image_ = ui::DataFolder::readGameBmp(file);
    });
}

void WarmUp::keepPicture(const ui::DataFolder& data, std::string_view shown, qreal screenScale) {
    join();
    if (shown == picture_ && screenScale <= 1.0)
        data.keep(shown, std::move(image_));
    image_ = QImage();
}

} // namespace tezzle::frontend
