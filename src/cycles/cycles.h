#pragma once
// The cycle arithmetic shared by the charts, the interpretation and the command line.
#include <cstdint>
#include <string>

#include "cycles/locale.h"

namespace tw {

enum class CycleKind { Physical, Emotional, Intellectual, Average };

inline constexpr std::int16_t kPhysicalPeriod = 23;
inline constexpr std::int16_t kEmotionalPeriod = 28;
inline constexpr std::int16_t kIntellectualPeriod = 33;
// Kept to the ten digits the charts have always used, not full-precision 2*pi.
inline constexpr double kFullTurn = 6.283185308;

std::int16_t periodOf(CycleKind kind);  // 0 for Average

double cycleValue(double days, std::int16_t period, std::int16_t amplitude);

// -1 low, 0 critical, +1 high. The bounds themselves count as critical.
int cyclePhase(double value, CycleKind kind);
// The phase of one of the three cycles at this age in days.
int cyclePhaseAt(double days, CycleKind kind);
// Whether the cycle is critical at this age in days: the one rule the list of critical days,
// the chart's marks, the day's description and the calendar file all ask. Nothing is critical
// before birth, and the average never is.
bool isCritical(double days, CycleKind kind);
// Two people's match on a cycle: each one's value lifted to 0..2, then the distance of the two,
// 0 (the same) to 2 (opposite). The comparison chart and its percentages both start here.
double matchValue(double days, std::int16_t period);
double matchDistance(double value, double value2);

// On equal values minOf gives b and maxOf gives a.
template <class T>
T minOf(T a, T b) {
  return a < b ? a : b;
}
template <class T>
T maxOf(T a, T b) {
  return a < b ? b : a;
}

// The unit of the age in the chart header; the settings file keeps it as 0, 1 or 2.
enum class AgeUnit : std::int16_t { Days = 0, Weeks = 1, Years = 2 };

// "12,345 days", ".4 weeks", "10.00 years"; an unknown unit gives "".
std::string ageText(double days, AgeUnit unit, const Locale& locale);

// Whole numbers as the charts round them.
std::int16_t roundToEvenInt16(double v);  // halves to the even number, saturating
std::int32_t roundToEvenInt32(double v);

}  // namespace tw
