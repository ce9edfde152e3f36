#pragma once
// The people list and entry windows over fakes, joined to a faked main window as at start-up.
#include <string>

#include "mock/fakes.h"
#include "mock/form1_fixture.h"
#include "people/form5.h"
#include "people/form6.h"

namespace tw::test {

struct PeopleFixture : Form1Fixture {
  FakeListBox list;
  FakeControl newButton, editButton, deleteButton, closeButton, drawButton;
  FakeTextBox entryName;
  FakeDatePicker entryDate;
  Form6 entry{Form6Controls{form6, entryName, entryDate}, messages};
  Form5 people{Form5Controls{form5, list, newButton, editButton, deleteButton, closeButton,
                             drawButton},
               form, entry, messages, store};

  void storePerson(int slot, const std::string& name, const std::string& date) {
    store.values["PeopleName " + std::to_string(slot)] = name;
    store.values["PeopleDate " + std::to_string(slot)] = date;
  }
  // What the user does in the entry window: type, pick, press OK.
  void answerEntry(const std::string& name, Date date) {
    form6.onShowModal = [this, name, date] {
      entryName.setText(name);
      entryDate.userSets(date);
      entry.Command1_Click();
    };
  }
  void select(const std::string& line) {
    for (int i = 0; i < list.listCount(); ++i)
      if (list.list(i) == line) list.setListIndex(i);
    people.List1_Click();
  }
  bool selectionButtonsEnabled() const {
    return editButton.isEnabled() && deleteButton.isEnabled() && drawButton.isEnabled();
  }
  bool selectionButtonsDisabled() const {
    return !editButton.isEnabled() && !deleteButton.isEnabled() && !drawButton.isEnabled();
  }
};

}  // namespace tw::test
