#pragma once
// Oracle from the periods alone: two critical whole days a period (mod 23 in {0,11},
// mod 28 in {0,14}, mod 33 in {0,16}), high before the second one, low after it.
#include <array>

inline int rulePhase(long long days, int period, int second) {
  const long long r = ((days % period) + period) % period;
  return r == 0 || r == second ? 0 : r < second ? 1 : -1;
}
inline std::array<int, 3> rulePhases(long long d) {
  return {rulePhase(d, 23, 11), rulePhase(d, 28, 14), rulePhase(d, 33, 16)};
}
