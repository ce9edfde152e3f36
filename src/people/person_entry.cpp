#include "people/person_entry.h"

#include <utility>

namespace tw {

PersonEntry::PersonEntry(PersonEntryControls controls, ui::Messages& messages)
    : controls_(std::move(controls)), messages_(messages) {}

std::optional<Person> PersonEntry::edit(const Person& person) {
  controls_.nameBox.setText(person.name);
  controls_.birthdayPicker.setValue(person.birthday);
  controls_.nameBox.setFocus();  // and its text selected, to type over
  accepted_ = false;
  controls_.window.showModal();
  if (!accepted_) return std::nullopt;
  return Person{controls_.nameBox.text(), controls_.birthdayPicker.value()};
}

void PersonEntry::accept() {
  if (controls_.nameBox.text().empty()) {
    messages_.warn("You must enter a name!", "");
    return;
  }
  accepted_ = true;
  controls_.window.hide();
}

void PersonEntry::nameReturnPressed() { controls_.birthdayPicker.setFocus(); }

void PersonEntry::cancel() {
  accepted_ = false;
  controls_.window.hide();
}

}  // namespace tw
