#include "people/person_entry.h"

#include <utility>

namespace tw {

PersonEntry::PersonEntry(PersonEntryControls controls, ui::Messages& messages)
    : c_(std::move(controls)), messages_(messages) {}

std::optional<Person> PersonEntry::edit(const Person& person) {
  c_.nameBox.setText(person.name);
  c_.birthdayPicker.setValue(person.birthday);
  c_.nameBox.setFocus();  // and its text selected, to type over
  accepted_ = false;
  c_.window.showModal();
  if (!accepted_) return std::nullopt;
  return Person{c_.nameBox.text(), c_.birthdayPicker.value()};
}

void PersonEntry::accept() {
  if (c_.nameBox.text().empty()) {
    messages_.warn("You must enter a name!", "");
    return;
  }
  accepted_ = true;
  c_.window.hide();
}

void PersonEntry::nameReturnPressed() { c_.birthdayPicker.setFocus(); }

void PersonEntry::cancel() {
  accepted_ = false;
  c_.window.hide();
}

}  // namespace tw
