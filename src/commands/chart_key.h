#pragma once
// The chart key: which letter marks which curve, for the curves that are shown.
#include <string>

#include "state/chart_state.h"

namespace tw {

inline constexpr const char* kChartKeyTitle = "Chart key";

// One line per shown curve, joined by CR LF with none after the last; a two-line hint when
// no curve is shown.
std::string chartKeyText(const ChartOptions& options);

}  // namespace tw
