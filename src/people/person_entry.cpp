#include "people/person_entry.h"

#include <utility>

#include "catalogue/catalogue.h"

namespace tw {

PersonEntry::PersonEntry(PersonEntryControls controls, ui::Messages& messages)
    : controls_(std::move(controls)), messages_(messages) {}

std::optional<Person> PersonEntry::edit(const Person& person) {
  controls_.welcome.setVisible(false);
  controls_.nameBox.setText(person.name);
  controls_.birthdayPicker.setValue(person.birthday);
  controls_.okButton.setEnabled(true);
  return show();
}

std::optional<Person> PersonEntry::welcome() {
  controls_.welcome.setVisible(true);
  controls_.nameBox.setText("");
  controls_.birthdayPicker.showEmpty();
  controls_.okButton.setEnabled(false);
  auto person = show();
  controls_.welcome.setVisible(false);
  controls_.okButton.setEnabled(true);
  return person;
}

std::optional<Person> PersonEntry::show() {
  controls_.nameBox.setFocus();  // and its text selected, to type over
  accepted_ = false;
  controls_.window.showModal();
  if (!accepted_) return std::nullopt;
  return Person{controls_.nameBox.text(), controls_.birthdayPicker.value()};
}

void PersonEntry::birthdayEdited() {
  if (controls_.welcome.isVisible())
    controls_.okButton.setEnabled(controls_.birthdayPicker.showsDate());
}

void PersonEntry::accept() {
  // The birthday field says itself what is wrong with its text.
  if (!controls_.birthdayPicker.showsDate()) return;
  if (controls_.nameBox.text().empty()) {
    messages_.warn(_("You must enter a name!"), "");
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
