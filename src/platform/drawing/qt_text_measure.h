#pragma once
// The main window's own text width, in twips, by which the chart centres its headers.
#include <QFont>

#include "chart/drawing_surface.h"

namespace tw::platform {

class QtTextMeasure : public TextMeasure {
 public:
  // Widths in `font`, times `scale` where the text is drawn narrowed.
  explicit QtTextMeasure(const QFont& font, double scale = 1) : font_(font), scale_(scale) {}
  float textWidth(const std::string& text) const override;

 private:
  QFont font_;
  double scale_;
};

}  // namespace tw::platform
