#include "platform/drawing/screen_twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace tw::platform {

double screenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchY() : kDesignDpi;
}

int twipsToPixels(double twips) {
  return static_cast<int>(std::lround(pixelsFromTwips(twips, screenDpi())));
}

double pixelsToTwips(int pixels) { return twipsFromPixels(pixels, screenDpi()); }

}  // namespace tw::platform
