#include "interpret/interpret.h"

namespace tw {

namespace {
bool critical(double days, std::int16_t period, CycleKind kind) {
  return cyclePhase(cycleValue(days, period, 1), kind) == 0;
}
}  // namespace

std::vector<CriticalDay> criticalDays(Date birthday, Date from, Date to) {
  std::vector<CriticalDay> out;
  if (from > to) return out;
  // Each cycle has two critical days per period, so this bounds the result and spares regrowth.
  const double span = static_cast<double>(to) - static_cast<double>(from) + 1;
  out.reserve(static_cast<std::size_t>(span * (2.0 / 23 + 2.0 / 28 + 2.0 / 33)) + 3);
  // A wide integer, so a range ending at the largest Date still terminates.
  for (long long d = from; d <= to; ++d) {
    const double days = static_cast<double>(d) - static_cast<double>(birthday);
    CriticalDay day;
    day.date = static_cast<Date>(d);
    day.physical = critical(days, kPhysicalPeriod, CycleKind::Physical);
    day.emotional = critical(days, kEmotionalPeriod, CycleKind::Emotional);
    day.intellectual = critical(days, kIntellectualPeriod, CycleKind::Intellectual);
    if (day.physical || day.emotional || day.intellectual) out.push_back(day);
  }
  return out;
}

std::string criticalCycleNames(const CriticalDay& day) {
  std::string names;
  const auto add = [&names](bool on, const char* name) {
    if (!on) return;
    if (!names.empty()) names += ", ";
    names += name;
  };
  add(day.physical, "physical");
  add(day.emotional, "emotional");
  add(day.intellectual, "intellectual");
  return names;
}

}  // namespace tw
