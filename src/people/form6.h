#pragma once
// The entry window: a name and a birthday, shown modally over the people list.
#include <string>

#include "app/ui.h"

namespace tw {

struct Form6Controls {
  ui::Window& window;
  ui::TextBox& Text1;
  ui::DatePicker& DTPicker1;
};

class Form6 {
 public:
  Form6(Form6Controls controls, ui::MessageBoxes& messages);

  // True once "OK" has taken a name; false after the close box or Escape.
  bool accepted = false;

  // Fills the fields, shows the window modally and tells whether the entry was accepted.
  bool edit(const std::string& name, Date date);

  void Command1_Click();               // OK
  void Text1_KeyPress(int& KeyAscii);  // Enter moves on to the birthday
  void cancelEntry();                  // close box or Escape

  Form6Controls& controls() { return c_; }

 private:
  Form6Controls c_;
  ui::MessageBoxes& messages_;
};

}  // namespace tw
