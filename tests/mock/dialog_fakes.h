#pragma once
// A common dialog that answers from a script and keeps what each showing was given.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "commands/common_dialog.h"

namespace tw::test {

struct DialogShowing {
  std::string kind;  // "ShowColor", "ShowPrinter", "ShowSave"
  bool cancelError;
  std::int32_t flags;
  Colour color;
  std::string fileName, title, filter, defaultExt;
};

struct DialogAnswer {
  bool confirm = false;
  Colour color = 0;      // a confirmed colour dialog's choice
  std::string fileName;  // a confirmed save dialog's choice
};

class ScriptedCommonDialog : public CommonDialog {
 public:
  static DialogAnswer cancel() { return {}; }
  static DialogAnswer confirm() { return {true, 0, {}}; }
  static DialogAnswer colour(Colour c) { return {true, c, {}}; }
  static DialogAnswer file(std::string name) { return {true, 0, std::move(name)}; }

  std::deque<DialogAnswer> answers;  // Cancel once it runs dry
  std::vector<DialogShowing> shown;
  std::function<void()> onShow;  // runs while the dialog is up

 protected:
  bool pickColour() override {
    const auto a = next("ShowColor");
    if (a.confirm) Color = a.color;
    return a.confirm;
  }
  bool pickPrinter() override { return next("ShowPrinter").confirm; }
  bool pickSaveFile() override {
    const auto a = next("ShowSave");
    if (a.confirm) FileName = a.fileName;
    return a.confirm;
  }

 private:
  DialogAnswer next(const char* kind) {
    shown.push_back({kind, CancelError, Flags, Color, FileName, DialogTitle, Filter, DefaultExt});
    if (onShow) onShow();
    if (answers.empty()) return cancel();
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace tw::test
