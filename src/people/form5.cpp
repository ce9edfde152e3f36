#include "people/form5.h"

#include <utility>

namespace tw {

Form5::Form5(Form5Controls controls, Form1& form1, Form6& form6, ui::MessageBoxes& messages,
             ui::SettingsStore& store)
    : people(store), c_(std::move(controls)), form1_(form1), form6_(form6), messages_(messages) {}

void Form5::enableSelectionButtons(bool enabled) {
  c_.Command2.setEnabled(enabled);
  c_.Command3.setEnabled(enabled);
  c_.Command5.setEnabled(enabled);
}

// The rebuilt list has no selection, so the buttons that need one go grey.
void Form5::rebuild() {
  people.FillPeopleList(c_.List1);
  enableSelectionButtons(false);
}

int Form5::selectedSlot() const {
  const int index = c_.List1.listIndex();
  if (index < 0 || index >= c_.List1.listCount()) return 0;
  return people.FindPerson(c_.List1.list(index));
}

void Form5::Form_Load() {
  people.LoadPeople();
  rebuild();
  loaded_ = true;
}

void Form5::List1_Click() {
  if (c_.List1.listIndex() >= 0) enableSelectionButtons(true);
}

void Form5::List1_DblClick() {
  Date d = 0;
  if (const int slot = selectedSlot()) {
    d = people.peopledate[slot];
    const std::string& name = people.peoplename[slot];
    auto& main = form1_.controls();
    if (form1_.CallPeople == 1) {
      form1_.birthdate = d;
      form1_.birthname = name;
      main.DTPicker1.setValue(d);  // a program set: the name stays with the birthday
    } else if (form1_.CallPeople == 2) {
      form1_.birthdate2 = d;
      form1_.birthname2 = name;
      main.DTPicker2.setValue(d);
    }
    if (form1_.chartdate < d) form1_.BirthdayError(d);
  }
  form1_.drawchart();
  c_.window.hide();
}

void Form5::Command1_Click() {
  const int free = people.lowestFreeSlot();
  if (free == 0) {
    messages_.MsgBox("You have already entered the maximum\r\nnumber of people.",
                     ui::vbOKOnly | ui::vbInformation, "Tidewell");
    people.SavePeople();
    return;
  }
  // Always the first birthday, whichever birthday the list was opened for.
  if (form6_.edit("", form1_.birthdate)) {
    const std::string name = form6_.controls().Text1.text();
    people.peoplename[free] = name.empty() ? "(new)" : name;
    people.peopledate[free] = form6_.controls().DTPicker1.value();
    rebuild();
  }
  people.SavePeople();
}

void Form5::Command2_Click() {
  const int slot = selectedSlot();
  if (slot == 0) return;
  if (form6_.edit(people.peoplename[slot], people.peopledate[slot])) {
    const std::string name = form6_.controls().Text1.text();
    people.peoplename[slot] = name.empty() ? "(edited)" : name;
    people.peopledate[slot] = form6_.controls().DTPicker1.value();
    rebuild();
  }
  people.SavePeople();
}

void Form5::Command3_Click() {
  const int slot = selectedSlot();
  if (slot == 0) return;
  const int answer = messages_.MsgBox("Are you sure you want to delete the entry\r\nfor \"" +
                                          people.peoplename[slot] + "\"?",
                                      ui::vbYesNo, "Tidewell");
  if (answer == ui::vbYes) {
    people.peoplename[slot].clear();
    people.peopledate[slot] = 0;  // the zero date, 30 December 1899
    rebuild();
  }
  people.SavePeople();
}

void Form5::Command4_Click() { c_.window.hide(); }

}  // namespace tw
