#include "FontWarmUp.h"

#ifdef TEZZLE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tezzle::frontend {

FontWarmUp::FontWarmUp() {
#ifdef TEZZLE_FONTCONFIG
    // Fontconfig keeps what it read for the whole process; Qt's font database finds it there.
    thread_ = std::thread([] { FcInit(); });
#endif
}

} // namespace tezzle::frontend
