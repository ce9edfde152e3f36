#pragma once
// The face the window draws the chart's texts in (the program's face, narrowed as on screen),
// measured as it draws on an image of the given dpi, for files that place each text themselves.
#include <QFont>
#include <QImage>

#include "chart/text_face.h"
#include "chart/twips.h"

namespace tw::platform {

class QtChartFace : public TextFace {
 public:
  explicit QtChartFace(double dpi = kDesignDpi);

  std::string family() const override;
  float narrowing() const override;
  float em(float points, bool bold) const override;
  float ascent(float points, bool bold) const override;
  float width(const std::string& text, float points, bool bold) const override;

 private:
  QFont font(float points, bool bold) const;  // resolved for the dpi

  double dpi_;
  QImage device_;  // only its dpi is used: metrics come out as an image of that dpi draws them
};

}  // namespace tw::platform
