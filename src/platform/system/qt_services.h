#pragma once
// Message boxes, today's date and the running program, for the handlers.
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "app/ui.h"

namespace tw::platform {

class QtMessages : public ui::Messages {
 public:
  explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
  void show(const std::string& text, const std::string& title) override;
  void inform(const std::string& text, const std::string& title) override;
  void warn(const std::string& text, const std::string& title) override;
  ui::Answer ask(const std::string& question, const std::string& title) override;

 private:
  QMessageBox::StandardButton run(QMessageBox::Icon icon, const std::string& text,
                                  const std::string& title, QMessageBox::StandardButtons buttons);
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
  // The status the program ends with; 0 unless something went wrong on the way out.
  void setExitStatus(int status) { status_ = status; }
  std::string helpFilePath() const override;

 private:
  bool ended_ = false;
  int status_ = 0;
};

}  // namespace tw::platform
