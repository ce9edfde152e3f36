#include "cycles/cycles.h"

#include <cmath>
#include <limits>

#include "catalogue/catalogue.h"

namespace tw {

std::int16_t periodOf(CycleKind kind) {
  switch (kind) {
    case CycleKind::Physical: return kPhysicalPeriod;
    case CycleKind::Emotional: return kEmotionalPeriod;
    case CycleKind::Intellectual: return kIntellectualPeriod;
    case CycleKind::Average: break;
  }
  return 0;
}

double cycleValue(double days, std::int16_t period, std::int16_t amplitude) {
  const double q = days / static_cast<double>(period);
  const double x = kFullTurn * q;
  return static_cast<double>(amplitude) * std::sin(x);
}

double matchValue(double days, std::int16_t period) { return cycleValue(days, period, 1) + 1; }

double matchDistance(double value, double value2) {
  return maxOf(value, value2) - minOf(value, value2);
}

std::string ageText(double days, AgeUnit unit, const Locale& locale) {
  switch (unit) {
    case AgeUnit::Days:
      // TRANSLATORS: an age in the chart's header; {1} is a whole number of days, grouped
      // ("12,345"). English writes "days" whatever the number.
      return fillIn(C_n("age", "{1} days", "{1} days", pluralCount(days)),
                    formatNumber(days, 0, true, locale));
    case AgeUnit::Weeks:
      // TRANSLATORS: an age in the chart's header; {1} has one decimal ("1,234.5").
      return fillIn(C_("age", "{1} weeks"), formatNumber(days / 7.0, 1, true, locale));
    case AgeUnit::Years:
      // TRANSLATORS: an age in the chart's header; {1} has two decimals ("33.52").
      return fillIn(C_("age", "{1} years"), formatNumber(days / 365.25, 2, false, locale));
    default: return {};
  }
}

namespace {
template <class Int>
Int roundToEven(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);  // default rounding mode: halves to even
  if (r <= static_cast<double>(std::numeric_limits<Int>::min()))
    return std::numeric_limits<Int>::min();
  if (r >= static_cast<double>(std::numeric_limits<Int>::max()))
    return std::numeric_limits<Int>::max();
  return static_cast<Int>(r);
}
}  // namespace

std::int16_t roundToEvenInt16(double v) { return roundToEven<std::int16_t>(v); }
std::int32_t roundToEvenInt32(double v) { return roundToEven<std::int32_t>(v); }

}  // namespace tw
