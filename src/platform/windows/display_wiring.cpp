#include "platform/windows/display_wiring.h"

#include <QAction>

namespace tw::platform {

namespace {
template <typename Target>
void connectItem(QtMainWindow& window, const char* name, Target& target,
                 void (Target::*handler)()) {
  window.onMenuItem(name, [&target, handler] { (target.*handler)(); });
}
}  // namespace

DisplayWiring::DisplayWiring(QtMainWindow& window, MainWindow& main, QtWindow& printPageWindow)
    : dialogs_(&window, printer_),
      messages_(&window),
      chartImage_(window.surface()),
      page_(printPageWindow, printer_),
      files_(window.surface()),
      clipboard_(window.surface()),
      settings_(main, dialogs_),
      printAndSave_(main, dialogs_, messages_, chartImage_, page_, files_) {
  main.setFileCommands(&printAndSave_);  // the toolbar's "Print" and "Save"
  main.setChartClipboard(&clipboard_);

  using D = DisplaySettings;
  const struct {
    const char* name;
    void (D::*handler)();
  } items[] = {
      {"biorhythmChart", &D::showBiorhythmChart},
      {"comparisonChart", &D::showComparisonChart},
      {"ageInDays", &D::showAgeInDays},
      {"ageInWeeks", &D::showAgeInWeeks},
      {"ageInYears", &D::showAgeInYears},
      {"weekSeparators", &D::toggleWeekSeparators},
      {"todayMarker", &D::toggleTodayMarker},
      {"criticalDayMarks", &D::toggleCriticalDayMarks},
      {"physicalCurve", &D::togglePhysicalCurve},
      {"emotionalCurve", &D::toggleEmotionalCurve},
      {"intellectualCurve", &D::toggleIntellectualCurve},
      {"averageCurve", &D::toggleAverageCurve},
      {"physicalColour", &D::choosePhysicalColour},
      {"emotionalColour", &D::chooseEmotionalColour},
      {"intellectualColour", &D::chooseIntellectualColour},
      {"averageColour", &D::chooseAverageColour},
      {"backgroundColour", &D::chooseBackgroundColour},
      {"resetColours", &D::resetColours},
  };
  for (const auto& item : items) connectItem(window, item.name, settings_, item.handler);
  connectItem(window, "print", printAndSave_, &PrintAndSave::print);
  connectItem(window, "saveAsBmp", printAndSave_, &PrintAndSave::save);
}

}  // namespace tw::platform
