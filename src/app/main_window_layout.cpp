#include <cmath>
#include <cstdint>
#include <utility>

#include "app/main_window.h"
#include "chart/draw_chart.h"

namespace tw {

void MainWindow::layOut() {
  auto& w = c_.window;
  if (w.windowState() == ui::WindowState::Minimized) return;
  const double W = w.width();
  const double H = w.height();
  // Each correction ends the pass: the size change runs a new one.
  if (W < 5000) {
    w.setWidth(5000);
    return;
  }
  if (H < 2500) {
    w.setHeight(2500);
    return;
  }
  c_.chartView.setWidth(W - 350);
  c_.chartView.setHeight(H - 1775);
  c_.birthdayPicker.setTop(H - 1150);
  const double rowTop = c_.birthdayPicker.top();
  c_.birthdayButton.setTop(rowTop);
  c_.birthday2Picker.setLeft(W / 2 - 120);
  c_.birthday2Picker.setTop(rowTop);
  c_.birthday2Button.setLeft(W / 2 - 1080);
  c_.birthday2Button.setTop(rowTop);
  c_.chartDatePicker.setLeft(W - 1425);
  c_.chartDatePicker.setTop(rowTop);
  c_.chartDateLabel.setLeft(c_.chartDatePicker.left() - 840);
  c_.chartDateLabel.setTop(rowTop + 60);
  drawChart();
}

void MainWindow::drawChart() {
  tw::drawChart(state_, s_.surface, s_.measure, s_.locale);
  for (ChartWatcher* watcher : chartWatchers_) watcher->chartDrawn(state_, s_.locale);
}

ChartDrawing MainWindow::chartDrawing() const {
  auto draw = [state = state_, &measure = s_.measure, locale = s_.locale](DrawingSurface& s) {
    tw::drawChart(state, s, measure, locale);
  };
  return {std::move(draw), s_.surface.width(), s_.surface.height()};
}

bool MainWindow::drawForPrinting(double maxWidth, double maxHeight,
                                 const std::function<void(double, double)>& take) {
  auto& window = c_.window;
  const Colour keptBackground = state_.options.backgroundColour;
  const double keptWidth = window.width();
  // The height is kept as a 16-bit whole number of twips, rounded halves to even.
  const double keptHeight = std::nearbyint(window.height());
  if (!(keptHeight >= INT16_MIN && keptHeight <= INT16_MAX)) return false;

  state_.options.backgroundColour = kWhite;
  if (window.width() > maxWidth) window.setWidth(maxWidth);
  if (window.height() > maxHeight) window.setHeight(maxHeight);
  layOut();
  take(c_.chartView.width(), c_.chartView.height());

  window.setWidth(keptWidth);
  window.setHeight(keptHeight);
  state_.options.backgroundColour = keptBackground;
  layOut();
  return true;
}

}  // namespace tw
