#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace tw::platform {

double screenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->logicalDotsPerInchY() : 96.0;
}

int twipsToPixels(double twips) { return static_cast<int>(std::lround(twips * screenDpi() / 1440.0)); }

double pixelsToTwips(int pixels) { return pixels * 1440.0 / screenDpi(); }

}  // namespace tw::platform
