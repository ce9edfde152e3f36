#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "catalogue/catalogue.h"
#include "chart/draw_chart.h"

namespace tw {

void MainWindow::layOut() {
  auto& w = controls_.window;
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
  controls_.chartView.setWidth(W - 350);
  controls_.chartView.setHeight(H - 1775);
  controls_.birthdayPicker.setTop(H - 1150);
  const double rowTop = controls_.birthdayPicker.top();
  controls_.birthdayButton.setTop(rowTop);
  controls_.birthday2Picker.setLeft(W / 2 - 120);
  controls_.birthday2Picker.setTop(rowTop);
  controls_.birthday2Button.setLeft(W / 2 - 1080);
  controls_.birthday2Button.setTop(rowTop);
  controls_.chartDatePicker.setLeft(W - 1425);
  controls_.chartDatePicker.setTop(rowTop);
  controls_.chartDateLabel.setLeft(controls_.chartDatePicker.left() - 840);
  controls_.chartDateLabel.setTop(rowTop + 60);
  drawChart();
}

void MainWindow::drawChart() {
  if (awaitingBirthday_) {
    const std::string text =
        // TRANSLATORS: shown on the chart, one line under another, until a birthday is chosen;
        // "Birthday" is the button's and field's name.
        _("No birthday has been chosen yet.\n"
          "Type one in the Birthday field below,\n"
          "or press Birthday to choose a person.");
    std::vector<std::string> hint;
    std::string spoken;
    for (std::size_t at = 0; at <= text.size();) {
      const std::size_t end = std::min(text.find('\n', at), text.size());
      hint.push_back(text.substr(at, end - at));
      spoken += (spoken.empty() ? "" : " ") + hint.back();
      at = end + 1;
    }
    tw::drawHint(hint, state_.options.backgroundColour, services_.surface, services_.measure);
    for (ChartWatcher* watcher : chartWatchers_) watcher->hintShown(spoken);
    return;
  }
  tw::drawChart(state_, services_.surface, services_.measure, services_.locale);
  for (ChartWatcher* watcher : chartWatchers_) watcher->chartDrawn(state_, services_.locale);
}

ChartDrawing MainWindow::chartDrawing() const {
  auto draw = [state = state_, &measure = services_.measure, locale = services_.locale](
                  DrawingSurface& s) { tw::drawChart(state, s, measure, locale); };
  return {std::move(draw), services_.surface.width(), services_.surface.height()};
}

bool MainWindow::drawForPrinting(double maxWidth, double maxHeight,
                                 const std::function<void(double, double)>& take) {
  auto& window = controls_.window;
  const Colour keptBackground = state_.options.backgroundColour;
  const double keptWidth = window.width();
  // The height is kept as a 16-bit whole number of twips, rounded halves to even.
  const double keptHeight = std::nearbyint(window.height());
  if (!(keptHeight >= INT16_MIN && keptHeight <= INT16_MAX)) return false;

  state_.options.backgroundColour = kWhite;
  if (window.width() > maxWidth) window.setWidth(maxWidth);
  if (window.height() > maxHeight) window.setHeight(maxHeight);
  layOut();
  take(controls_.chartView.width(), controls_.chartView.height());

  window.setWidth(keptWidth);
  window.setHeight(keptHeight);
  state_.options.backgroundColour = keptBackground;
  layOut();
  return true;
}

}  // namespace tw
