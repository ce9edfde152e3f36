#pragma once
// Reading and writing the chart's options and the two people, shared by the main window and
// the command-line program.
#include "settings/settings_store.h"
#include "state/chart_state.h"

namespace tw {

// The option keys in their reading order; an absent or unreadable key gives its default.
ChartOptions readChartOptions(const ui::SettingsStore& store);
void writeChartOptions(ui::SettingsStore& store, const ChartOptions& options);
// The options of a store without any of their keys.
ChartOptions defaultChartOptions();

// Birthdays and names; an absent or unreadable birthday is `today`. The chart date is untouched.
void readPeople(const ui::SettingsStore& store, Date today, ChartState& state);
void writePeople(ui::SettingsStore& store, const ChartState& state);

}  // namespace tw
