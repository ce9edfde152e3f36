#include "app/chart_gestures.h"

#include <algorithm>
#include <cmath>

namespace tw {

Date stepWithin(Date from, long long days, Date earliest) {
  const long long lowest = std::min(from, earliest);
  return clampDate(std::max(lowest, static_cast<long long>(from) + days));
}

Date ChartGestures::turn(Date chartDate, int dx, int dy, bool byWeek, Date earliest) {
  wheelRest_ -= static_cast<long long>(dx) + dy;
  const long long notches = wheelRest_ / kWheelNotch;  // towards zero: the rest keeps its sign
  wheelRest_ -= notches * kWheelNotch;
  const Date to = stepWithin(chartDate, notches * (byWeek ? 7 : 1), earliest);
  // Turning on against the birthday must not store up days to spring back with.
  if (notches < 0 && to == chartDate) wheelRest_ = 0;
  return to;
}

void ChartGestures::press(double x, Date chartDate) {
  dragging_ = true;
  pressX_ = x;
  startDate_ = chartDate;
}

Date ChartGestures::dragTo(double x, double left, double width, Date earliest) const {
  if (!dragging_ || !(width > 0)) return startDate_;
  const auto column = [&](double at) { return std::floor((at - left) / width); };
  const double days = column(pressX_) - column(x);
  if (!std::isfinite(days)) return startDate_;
  return stepWithin(startDate_, static_cast<long long>(std::clamp(days, -1e7, 1e7)), earliest);
}

}  // namespace tw
