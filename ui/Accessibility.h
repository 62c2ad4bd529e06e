#pragma once

namespace tezzle::ui {

// Gives the shared controls their roles for screen readers: a text reads as text, a picture as
// a graphic (buttons are buttons already); and rings the control with the keyboard focus so it can
// be seen (FocusFrame.h). Call once, after the application object exists.
void installAccessibility();

} // namespace tezzle::ui
