#include "app/form1.h"
#include "interpret/interpret.h"

namespace tw {

void Form1::Command1_Click() {
  CallPeople = 1;
  p_.Form5.showModal();
}

void Form1::Command2_Click() {
  CallPeople = 2;
  p_.Form5.showModal();
}

void Form1::InterpretChart() {
  if (auto prompt = InterpretationPrompt(*this, s_.locale))
    s_.messages.MsgBox(*prompt, ui::vbOKOnly, "Interpretation");
}

void Form1::Toolbar1_ButtonClick(const std::string& key) {
  if (key == "Print") {
    if (commands_) commands_->FilePrint_Click();
  } else if (key == "Save") {
    if (commands_) commands_->FileSaveBMP_Click();
  } else if (key == "BackMonth") {
    MenuGoLastMonth_Click();
  } else if (key == "BackWeek") {
    MenuGoLastWeek_Click();
  } else if (key == "BackDay") {
    MenuGoYesterday_Click();
  } else if (key == "Today") {
    MenuGoToday_Click();
  } else if (key == "ForwardDay") {
    MenuGoTomorrow_Click();
  } else if (key == "ForwardWeek") {
    MenuGoNextWeek_Click();
  } else if (key == "ForwardMonth") {
    MenuGoNextMonth_Click();
  } else if (key == "Interpret") {
    InterpretChart();
  }
}

}  // namespace tw
