#include "platform/drawing/qt_text_measure.h"

#include <QFontMetricsF>
#include <QString>

#include "platform/drawing/screen_twips.h"

namespace tw::platform {

float QtTextMeasure::textWidth(const std::string& text) const {
  const double pixels = QFontMetricsF(font_).horizontalAdvance(QString::fromStdString(text));
  return static_cast<float>(twipsFromPixels(pixels * scale_, screenDpi()));
}

}  // namespace tw::platform
