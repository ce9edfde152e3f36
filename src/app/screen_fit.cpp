#include "app/screen_fit.h"

#include <algorithm>
#include <cmath>

namespace tw {

namespace {
double overlap(double from, double length, double areaFrom, double areaLength) {
  return std::max(0.0, std::min(from + length, areaFrom + areaLength) - std::max(from, areaFrom));
}

// How far a point lies outside an area, along the worse of the two directions.
double distance(double x, double y, const ui::ScreenArea& a) {
  const double dx = std::max({a.left - x, 0.0, x - (a.left + a.width)});
  const double dy = std::max({a.top - y, 0.0, y - (a.top + a.height)});
  return std::hypot(dx, dy);
}

const ui::ScreenArea& screenOf(const ui::Window& w, const std::vector<ui::ScreenArea>& screens) {
  const ui::ScreenArea* best = &screens.front();
  double most = 0;
  for (const ui::ScreenArea& s : screens) {
    const double shared = overlap(w.left(), w.width(), s.left, s.width) *
                          overlap(w.top(), w.height(), s.top, s.height);
    if (shared > most) most = shared, best = &s;
  }
  if (most > 0) return *best;
  for (const ui::ScreenArea& s : screens)
    if (distance(w.left(), w.top(), s) < distance(w.left(), w.top(), *best)) best = &s;
  return *best;
}

// The start within [from, from + length - size], or `from` when the size does not fit.
double within(double start, double size, double from, double length) {
  return std::max(from, std::min(start, from + length - size));
}
}  // namespace

void fitOnScreens(ui::Window& w, const std::vector<ui::ScreenArea>& screens) {
  if (screens.empty()) return;
  const ui::ScreenArea s = screenOf(w, screens);
  if (w.width() > s.width) w.setWidth(s.width);
  if (w.height() > s.height) w.setHeight(s.height);
  // The place follows the size as it stands: a layout pass may have kept its least size.
  const double left = within(w.left(), w.width(), s.left, s.width);
  const double top = within(w.top(), w.height(), s.top, s.height);
  if (left != w.left()) w.setLeft(left);
  if (top != w.top()) w.setTop(top);
}

}  // namespace tw
