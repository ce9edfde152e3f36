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
const char* letterOf(CycleKind kind);   // "P", "E", "I", "A"

double CycleValue(double days, std::int16_t period, std::int16_t amplitude);

// On equal values MinOf gives b and MaxOf gives a.
template <class T>
T MinOf(T a, T b) {
  return a < b ? a : b;
}
template <class T>
T MaxOf(T a, T b) {
  return a < b ? b : a;
}

enum AgeFormat : std::int16_t { AgeDays = 0, AgeWeeks = 1, AgeYears = 2 };

// "12,345 days", ".4 weeks", "10.00 years"; an unknown format gives "".
std::string AgeToString(double days, int ageFormat, const Locale& locale);

// VB-style conversions the charts rely on.
std::int16_t roundToEvenInt16(double v);  // halves to the even number, saturating
std::int32_t roundToEvenInt32(double v);

}  // namespace tw
