#include "platform/system/qt_screens.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/drawing/screen_twips.h"

namespace tw::platform {

std::vector<ui::ScreenArea> QtScreens::areas() const {
  std::vector<ui::ScreenArea> out;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect r = screen->availableGeometry();
    if (r.isEmpty()) continue;
    out.push_back({pixelsToTwips(r.x()), pixelsToTwips(r.y()), pixelsToTwips(r.width()),
                   pixelsToTwips(r.height())});
  }
  return out;
}

}  // namespace tw::platform
