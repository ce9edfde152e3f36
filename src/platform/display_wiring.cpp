#include "platform/display_wiring.h"

#include <QAction>

namespace tw::platform {

namespace {
template <typename Target>
void connectItem(MainWindow& window, const char* name, Target& target, void (Target::*handler)()) {
  QAction* action = window.action(QString::fromLatin1(name));
  if (!action) return;
  QObject::connect(action, &QAction::triggered, &window, [&target, handler] { (target.*handler)(); });
}
}  // namespace

DisplayWiring::DisplayWiring(MainWindow& window, Form1& form, QtWindow& form2)
    : dialog_(&window, printer_),
      chartPicture_(window.surface()),
      page_(form2, printer_),
      settings_(form, dialog_),
      printSave_(form, dialog_, chartPicture_, page_, files_) {
  form.setCommands(&printSave_);  // the toolbar's "Print" and "Save"

  using D = DisplaySettings;
  const struct {
    const char* name;
    void (D::*handler)();
  } items[] = {
      {"MenuChartTypeBio", &D::MenuChartTypeBio_Click},
      {"MenuChartTypeComp", &D::MenuChartTypeComp_Click},
      {"MenuAgeDays", &D::MenuAgeDays_Click},
      {"MenuAgeWeeks", &D::MenuAgeWeeks_Click},
      {"MenuAgeYears", &D::MenuAgeYears_Click},
      {"MenuSettingWeekSeparators", &D::MenuSettingWeekSeparators_Click},
      {"MenuSettingTodayMarker", &D::MenuSettingTodayMarker_Click},
      {"MenuShowPhy", &D::MenuShowPhy_Click},
      {"MenuShowEmo", &D::MenuShowEmo_Click},
      {"MenuShowInt", &D::MenuShowInt_Click},
      {"MenuShowAve", &D::MenuShowAve_Click},
      {"MenuSettingPhysicalColour", &D::MenuSettingPhysicalColour_Click},
      {"MenuSettingEmotionalColour", &D::MenuSettingEmotionalColour_Click},
      {"MenuSettingIntellectualColour", &D::MenuSettingIntellectualColour_Click},
      {"MenuSettingAverageColour", &D::MenuSettingAverageColour_Click},
      {"MenuSettingBackgroundColour", &D::MenuSettingBackgroundColour_Click},
      {"MenuSettingResetColours", &D::MenuSettingResetColours_Click},
  };
  for (const auto& item : items) connectItem(window, item.name, settings_, item.handler);
  connectItem(window, "FilePrint", printSave_, &PrintSave::FilePrint_Click);
  connectItem(window, "FileSaveBMP", printSave_, &PrintSave::FileSaveBMP_Click);
}

}  // namespace tw::platform
