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
  ui::Control& okButton;
  ui::Control& welcome;  // the first run's line on what the window is for
};

struct Person {
  std::string name;
  Date birthday = 0;
};

class PersonEntry {
 public:
  PersonEntry(PersonEntryControls controls, ui::Messages& messages);

  // Fills the fields and shows the window modally: the entry as the user left it on "OK",
  // nothing after Cancel, the close box or Escape.
  std::optional<Person> edit(const Person& person);
  // The first run's question: the window says what it is for, the birthday starts empty and
  // OK waits for a date; Cancel, the close box or Escape give nothing.
  std::optional<Person> welcome();

  void birthdayEdited();  // OK follows whether the birthday reads as a date

  void accept();             // "OK"
  void nameReturnPressed();  // moves on to the birthday
  void cancel();             // Cancel, the close box or Escape

 private:
  PersonEntryControls controls_;
  ui::Messages& messages_;
  std::optional<Person> show();

  bool accepted_ = false;
};

}  // namespace tw
