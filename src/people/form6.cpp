#include "people/form6.h"

#include <utility>

namespace tw {

Form6::Form6(Form6Controls controls, ui::MessageBoxes& messages)
    : c_(std::move(controls)), messages_(messages) {}

bool Form6::edit(const std::string& name, Date date) {
  c_.Text1.setText(name);
  c_.DTPicker1.setValue(date);
  accepted = false;
  c_.window.showModal();
  return accepted;
}

void Form6::Command1_Click() {
  if (c_.Text1.text().empty()) {
    messages_.MsgBox("You must enter a name!", ui::vbOKOnly | ui::vbExclamation, "");
    return;
  }
  accepted = true;
  c_.window.hide();
}

void Form6::Text1_KeyPress(int& KeyAscii) {
  if (KeyAscii != 13) return;
  KeyAscii = 0;  // taken here, so the window does not also treat it as a default button
  c_.DTPicker1.setFocus();
}

void Form6::cancelEntry() {
  accepted = false;
  c_.window.hide();
}

}  // namespace tw
