#pragma once
// The people list window: choose, add, edit and delete people, and chart a chosen birthday.
#include "app/form1.h"
#include "app/ui.h"
#include "people/form6.h"
#include "people/people_store.h"

namespace tw {

struct Form5Controls {
  ui::Window& window;
  ui::ListBox& List1;
  ui::Control& Command1;  // New...
  ui::Control& Command2;  // Edit...
  ui::Control& Command3;  // Delete
  ui::Control& Command4;  // Close
  ui::Control& Command5;  // Draw chart
};

class Form5 {
 public:
  Form5(Form5Controls controls, Form1& form1, Form6& form6, ui::MessageBoxes& messages,
        ui::SettingsStore& store);

  PeopleStore people;

  void Form_Load();
  // The close box destroys the window; the next opening loads it anew.
  void Form_Unload() { loaded_ = false; }
  bool isLoaded() const { return loaded_; }

  void List1_Click();
  void List1_DblClick();
  void Command1_Click();  // New...
  void Command2_Click();  // Edit...
  void Command3_Click();  // Delete
  void Command4_Click();  // Close
  void Command5_Click() { List1_DblClick(); }  // Draw chart

  Form5Controls& controls() { return c_; }

 private:
  void enableSelectionButtons(bool enabled);
  void rebuild();
  int selectedSlot() const;  // 0 when no line is selected

  Form5Controls c_;
  Form1& form1_;
  Form6& form6_;
  ui::MessageBoxes& messages_;
  bool loaded_ = false;
};

}  // namespace tw
