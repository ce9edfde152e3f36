#include "app/main_window.h"
#include "interpret/day_values.h"
#include "interpret/interpret.h"

namespace tw {

void MainWindow::chooseBirthday() {
  choosingFor_ = ChoosingFor::Birthday;
  peers_.peopleList.showModal();
}

void MainWindow::chooseBirthday2() {
  choosingFor_ = ChoosingFor::Birthday2;
  peers_.peopleList.showModal();
}

void MainWindow::takeChosenPerson(Date birthday, const std::string& name) {
  if (choosingFor_ == ChoosingFor::Birthday) {
    awaitingBirthday_ = false;
    state_.birthday = birthday;
    state_.name = name;
    controls_.birthdayPicker.setValue(birthday);  // a program set: the name stays with the birthday
  } else {
    state_.birthday2 = birthday;
    state_.name2 = name;
    controls_.birthday2Picker.setValue(birthday);
  }
  keepChartDateFrom(birthday);
}

void MainWindow::copyChart() {
  if (clipboard_) clipboard_->copy(chartDrawing(), chartText(state_, services_.locale));
}

void MainWindow::interpret() {
  if (auto prompt = interpretation(state_, services_.locale))
    services_.messages.show(*prompt, _(kInterpretationTitle));
}

void MainWindow::print() {
  if (fileCommands_) fileCommands_->print();
}

void MainWindow::save() {
  if (fileCommands_) fileCommands_->save();
}

}  // namespace tw
