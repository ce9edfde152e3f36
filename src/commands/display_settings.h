#pragma once
// The "Chart type" submenu and the "Settings" menu: each command changes the chart options,
// brings the check marks and the second-birthday controls into step, and redraws once.
#include "app/form1.h"
#include "commands/common_dialog.h"

namespace tw {

class DisplaySettings {
 public:
  DisplaySettings(Form1& form, CommonDialog& dialog) : form_(form), dialog_(dialog) {}

  void MenuChartTypeBio_Click();
  void MenuChartTypeComp_Click();

  void MenuAgeDays_Click() { setAgeFormat(0); }
  void MenuAgeWeeks_Click() { setAgeFormat(1); }
  void MenuAgeYears_Click() { setAgeFormat(2); }

  void MenuSettingWeekSeparators_Click();
  void MenuSettingTodayMarker_Click();
  void MenuShowPhy_Click();
  void MenuShowEmo_Click();
  void MenuShowInt_Click();
  void MenuShowAve_Click();

  void MenuSettingPhysicalColour_Click();
  void MenuSettingEmotionalColour_Click();
  void MenuSettingIntellectualColour_Click();
  void MenuSettingAverageColour_Click();
  void MenuSettingBackgroundColour_Click();
  void MenuSettingResetColours_Click();

 private:
  void setAgeFormat(std::int16_t format);
  void toggle(bool ChartOptionsRecord::*field, ui::MenuItem& item);
  void chooseColour(Colour ChartOptionsRecord::*field);

  Form1& form_;
  CommonDialog& dialog_;
};

}  // namespace tw
