#pragma once
// Stored window geometry may come from another desktop, or be nonsense: a window is put back
// where the screens of today can show it.
#include <vector>

#include "app/ui.h"

namespace tw {

// Shrinks the window to the screen it is mostly on (of none, the nearest) and moves it wholly
// onto that screen; a window that fits already is left alone. No screens: nothing changes.
void fitOnScreens(ui::Window& window, const std::vector<ui::ScreenArea>& screens);

}  // namespace tw
