#pragma once
// The screens as they are now, for fitting stored window geometry to them.
#include "app/ui.h"

namespace tw::platform {

class QtScreens : public ui::Screens {
 public:
  std::vector<ui::ScreenArea> areas() const override;
};

}  // namespace tw::platform
