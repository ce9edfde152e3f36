#pragma once
// The "Chart type" submenu and the "Settings" menu: each command changes the chart options,
// brings the check marks and the second-birthday controls into step, and redraws once.
#include "app/main_window.h"
#include "commands/dialogs.h"

namespace tw {

class DisplaySettings {
 public:
  DisplaySettings(MainWindow& main, Dialogs& dialogs) : main_(main), dialogs_(dialogs) {}

  void showBiorhythmChart();
  void showComparisonChart();

  void showAgeInDays() { setAgeUnit(AgeUnit::Days); }
  void showAgeInWeeks() { setAgeUnit(AgeUnit::Weeks); }
  void showAgeInYears() { setAgeUnit(AgeUnit::Years); }

  void toggleWeekSeparators() { toggle(&ChartOptions::weekSeparators); }
  void toggleTodayMarker() { toggle(&ChartOptions::todayMarker); }
  void toggleCriticalDayMarks() { toggle(&ChartOptions::criticalMarks); }
  void togglePhysicalCurve() { toggle(&ChartOptions::showPhysical); }
  void toggleEmotionalCurve() { toggle(&ChartOptions::showEmotional); }
  void toggleIntellectualCurve() { toggle(&ChartOptions::showIntellectual); }
  void toggleAverageCurve() { toggle(&ChartOptions::showAverage); }

  void choosePhysicalColour() { chooseColour(&ChartOptions::physicalColour); }
  void chooseEmotionalColour() { chooseColour(&ChartOptions::emotionalColour); }
  void chooseIntellectualColour() { chooseColour(&ChartOptions::intellectualColour); }
  void chooseAverageColour() { chooseColour(&ChartOptions::averageColour); }
  void chooseBackgroundColour() { chooseColour(&ChartOptions::backgroundColour); }
  void resetColours();

 private:
  void setAgeUnit(AgeUnit unit);
  void toggle(bool ChartOptions::*field);
  void chooseColour(Colour ChartOptions::*field);
  void apply(const ChartOptions& options);  // and redraw

  MainWindow& main_;
  Dialogs& dialogs_;
};

}  // namespace tw
