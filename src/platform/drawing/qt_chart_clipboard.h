#pragma once
// Copy chart: the system clipboard gets the chart as PNG, as SVG and as text at once, so each
// program a user pastes into takes its best form.
#include "app/main_window.h"
#include "platform/drawing/qt_surface.h"

namespace tw::platform {

class QtChartClipboard : public ChartClipboard {
 public:
  explicit QtChartClipboard(const QtSurface& screen) : screen_(screen) {}
  void copy(const ChartDrawing& chart, const std::string& text) override;

 private:
  const QtSurface& screen_;
};

}  // namespace tw::platform
