#include "cycles/cycles.h"

namespace tw {

namespace {
template <class T>
int phaseIn(T value, T lower, T upper) {
  if (value < lower) return -1;
  if (value > upper) return 1;
  return 0;
}
}  // namespace

int cyclePhase(double value, CycleKind kind) {
  switch (kind) {
    case CycleKind::Physical: return phaseIn(value, -0.12, 0.26);
    case CycleKind::Emotional: return phaseIn(value, -0.22, 0.22);
    // The intellectual bands have always been compared in single precision.
    case CycleKind::Intellectual:
      return phaseIn(static_cast<float>(value), static_cast<float>(-0.093),
                     static_cast<float>(0.18));
    case CycleKind::Average: break;
  }
  // The average has no critical band; only its sign means anything.
  return phaseIn(value, 0.0, 0.0);
}

int cyclePhaseAt(double days, CycleKind kind) {
  return cyclePhase(cycleValue(days, periodOf(kind), 1), kind);
}

bool isCritical(double days, CycleKind kind) {
  if (kind == CycleKind::Average || days < 0) return false;
  return cyclePhaseAt(days, kind) == 0;
}

}  // namespace tw
