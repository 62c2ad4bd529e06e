#pragma once

namespace tezzle::ui {

// From now on, whichever control has the keyboard focus, in any window, is ringed by a frame two
// pixels wide in a colour that stands out from the window behind it. Call once the application
// object exists; further calls change nothing.
void showKeyboardFocus();

} // namespace tezzle::ui
