#pragma once
// The main window: the whole application state and the handlers of its own controls.
#include <cstdint>
#include <string>

#include "app/ui.h"
#include "chart/chart_state.h"
#include "chart/drawing_surface.h"
#include "cycles/locale.h"

namespace tw {

// The check items of the menus that mirror the options.
struct Form1Menus {
  ui::MenuItem& MenuChartTypeBio;
  ui::MenuItem& MenuChartTypeComp;
  ui::MenuItem& MenuShowPhy;
  ui::MenuItem& MenuShowEmo;
  ui::MenuItem& MenuShowInt;
  ui::MenuItem& MenuShowAve;
  ui::MenuItem& MenuAgeDays;
  ui::MenuItem& MenuAgeWeeks;
  ui::MenuItem& MenuAgeYears;
  ui::MenuItem& MenuSettingWeekSeparators;
  ui::MenuItem& MenuSettingTodayMarker;
};

struct Form1Controls {
  ui::Window& window;  // the main window itself
  ui::Control& Toolbar1;
  ui::Control& Picture1;
  ui::Control& Command1;
  ui::DatePicker& DTPicker1;
  ui::Control& Command2;
  ui::DatePicker& DTPicker2;
  ui::Control& Label3;
  ui::DatePicker& DTPicker3;
  Form1Menus menus;
};

struct Form1Services {
  DrawingSurface& surface;  // Picture1's image
  const TextMeasure& measure;
  ui::MessageBoxes& messages;
  ui::SettingsStore& store;
  const ui::Clock& clock;
  ui::Program& program;
  Locale locale;
};

// The other windows the main window positions at start-up and closes at shut-down.
struct Form1Peers {
  ui::Window& Form5;  // people list
  ui::Window& Form6;  // person entry
  ui::Window& Form2;  // hidden print page
};

// Commands that live in other folders but are run from this window's buttons and toolbar.
class Form1Commands {
 public:
  virtual ~Form1Commands() = default;
  virtual void FilePrint_Click() = 0;
  virtual void FileSaveBMP_Click() = 0;
};

class Form1 : public ChartState {
 public:
  Form1(Form1Controls controls, Form1Services services, Form1Peers peers);

  std::int16_t CallPeople = 1;
  std::string HelpFile;

  void setCommands(Form1Commands* commands) { commands_ = commands; }

  // Start-up, shut-down.
  void Form_Load();
  void Form_Unload(int& cancel);
  void FileExit_Click();

  // Layout pass, run on every size or state change of the window.
  void Form_Resize();
  void drawchart();

  // Chart date navigation.
  void BirthdayError(Date date);
  void DTPicker1_Change();
  void DTPicker2_Change();
  void DTPicker3_Change();
  void MenuGoToday_Click();
  void MenuGoTomorrow_Click();
  void MenuGoNextWeek_Click();
  void MenuGoNextMonth_Click();
  void MenuGoYesterday_Click();
  void MenuGoLastWeek_Click();
  void MenuGoLastMonth_Click();

  // Opening the people list for birthday 1 or 2.
  void Command1_Click();
  void Command2_Click();

  void InterpretChart();
  void MenuChartInterpret_Click() { InterpretChart(); }
  void Toolbar1_ButtonClick(const std::string& key);

  // Check marks and the second-birthday controls from ChartOptions.
  void showOptions();

  Form1Controls& controls() { return c_; }
  Form1Services& services() { return s_; }
  Form1Peers& peers() { return p_; }

 private:
  void goForward(int days);
  void goBack(int days);

  Form1Controls c_;
  Form1Services s_;
  Form1Peers p_;
  Form1Commands* commands_ = nullptr;
};

}  // namespace tw
