#pragma once
// The entry window: a name and a birthday, shown modally over the people list.
#include <optional>
#include <string>

#include "app/ui.h"

namespace tw {

struct PersonEntryControls {
  ui::Window& window;
  ui::TextBox& nameBox;
  ui::DatePicker& birthdayPicker;
};

struct Person {
  std::string name;
  Date birthday = 0;
};

class PersonEntry {
 public:
  PersonEntry(PersonEntryControls controls, ui::Messages& messages);

  // Fills the fields and shows the window modally: the entry as the user left it on "OK",
  // nothing after the close box or Escape.
  std::optional<Person> edit(const Person& person);

  void accept();             // "OK"
  void nameReturnPressed();  // moves on to the birthday
  void cancel();             // close box or Escape

 private:
  PersonEntryControls controls_;
  ui::Messages& messages_;
  bool accepted_ = false;
};

}  // namespace tw
