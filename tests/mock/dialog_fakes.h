#pragma once
// A common dialog that answers from a script and keeps the settings each showing was given.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "commands/common_dialog.h"

namespace tw::test {

struct DialogAnswer {
  bool confirm = false;
  Colour color = 0;      // a confirmed colour dialog's choice
  std::string fileName;  // a confirmed save dialog's choice
};

class ScriptedCommonDialog : public CommonDialog {
 public:
  struct Showing {
    std::string kind;  // "ShowColor", "ShowPrinter", "ShowSave"
    DialogSettings settings;
  };
  std::deque<DialogAnswer> answers;  // Cancel once it runs dry
  std::vector<Showing> shown;
  std::function<void()> onShow;

 protected:
  bool pickColour() override { return answer("ShowColor", [&](auto& a) { Color = a.color; }); }
  bool pickPrinter() override { return answer("ShowPrinter", [](auto&) {}); }
  bool pickSaveFile() override {
    return answer("ShowSave", [&](auto& a) { FileName = a.fileName; });
  }

 private:
  template <typename Take>
  bool answer(const char* kind, Take take) {
    shown.push_back({kind, static_cast<const DialogSettings&>(*this)});
    if (onShow) onShow();
    const DialogAnswer a = answers.empty() ? DialogAnswer{} : answers.front();
    if (!answers.empty()) answers.pop_front();
    if (a.confirm) take(a);
    return a.confirm;
  }
};

}  // namespace tw::test
