#pragma once
// The chart key: which letter marks which curve, for the curves that are shown.
#include <string>

#include "catalogue/catalogue.h"
#include "state/chart_state.h"

namespace tw {

// English; shown through the catalogue.
inline constexpr const char* kChartKeyTitle = N_("Chart key");

// One line per shown curve, joined by CR LF with none after the last; a two-line hint when
// no curve is shown.
std::string chartKeyText(const ChartOptions& options);

}  // namespace tw
