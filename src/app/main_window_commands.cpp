#include "app/main_window.h"
#include "interpret/day_values.h"
#include "interpret/interpret.h"

namespace tw {

void MainWindow::chooseBirthday() {
  choosingFor_ = ChoosingFor::Birthday;
  p_.peopleList.showModal();
}

void MainWindow::chooseBirthday2() {
  choosingFor_ = ChoosingFor::Birthday2;
  p_.peopleList.showModal();
}

void MainWindow::takeChosenPerson(Date birthday, const std::string& name) {
  if (choosingFor_ == ChoosingFor::Birthday) {
    state_.birthday = birthday;
    state_.name = name;
    c_.birthdayPicker.setValue(birthday);  // a program set: the name stays with the birthday
  } else {
    state_.birthday2 = birthday;
    state_.name2 = name;
    c_.birthday2Picker.setValue(birthday);
  }
  keepChartDateFrom(birthday);
}

void MainWindow::copyChart() {
  if (clipboard_) clipboard_->copy(chartDrawing(), chartText(state_, s_.locale));
}

void MainWindow::interpret() {
  if (auto prompt = interpretation(state_, s_.locale))
    s_.messages.show(*prompt, kInterpretationTitle);
}

void MainWindow::toolbarButton(const std::string& key) {
  if (key == "Print") {
    if (fileCommands_) fileCommands_->print();
  } else if (key == "Save") {
    if (fileCommands_) fileCommands_->save();
  } else if (key == "BackMonth") {
    goPreviousMonth();
  } else if (key == "BackWeek") {
    goPreviousWeek();
  } else if (key == "BackDay") {
    goPreviousDay();
  } else if (key == "Today") {
    goToday();
  } else if (key == "ForwardDay") {
    goNextDay();
  } else if (key == "ForwardWeek") {
    goNextWeek();
  } else if (key == "ForwardMonth") {
    goNextMonth();
  } else if (key == "Interpret") {
    interpret();
  }
}

}  // namespace tw
