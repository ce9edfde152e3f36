#pragma once
// Message boxes, today's date and the running program, for the handlers.
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "app/ui.h"

namespace tw::platform {

// What a message box style asks for, and what the pressed button answers.
QMessageBox::StandardButtons buttonsFor(int style);
QMessageBox::Icon iconFor(int style);
int resultFor(QMessageBox::StandardButton button, int style);

class QtMessageBoxes : public ui::MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }
  int MsgBox(const std::string& prompt, int style, const std::string& title) override;

 private:
  QPointer<QWidget> parent_;
};

class QtClock : public ui::Clock {
 public:
  Date today() const override;
};

class QtProgram : public ui::Program {
 public:
  // Leaves the event loop without closing any window: shut-down has already run.
  void end() override;
  bool ended() const { return ended_; }
  std::string helpFilePath() const override;

 private:
  bool ended_ = false;
};

}  // namespace tw::platform
