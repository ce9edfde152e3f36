#pragma once
// The few things a window's handlers need from the outside world. The Qt side implements
// them over real widgets; tests implement them with fakes.
#include <string>
#include <vector>

#include "cycles/date.h"
#include "settings/settings_store.h"

namespace tw::ui {

// A control's place in its window's client area, in twips, and its flags.
class Control {
 public:
  virtual ~Control() = default;
  virtual double left() const = 0;
  virtual double top() const = 0;
  virtual double width() const = 0;
  virtual double height() const = 0;
  virtual void setLeft(double twips) = 0;
  virtual void setTop(double twips) = 0;
  virtual void setWidth(double twips) = 0;
  virtual void setHeight(double twips) = 0;
  virtual bool isVisible() const = 0;
  virtual void setVisible(bool visible) = 0;
  virtual bool isEnabled() const = 0;
  virtual void setEnabled(bool enabled) = 0;
  virtual void setFocus() = 0;
};

// Setting the value from the program never runs the user-change handler.
class DatePicker : public virtual Control {
 public:
  virtual Date value() const = 0;
  virtual void setValue(Date d) = 0;
  // The value was taken from a date as it is typed; the field has not been left since.
  virtual bool isBeingTyped() const = 0;
  // The text shown reads as a date, now or once the field is left.
  virtual bool showsDate() const = 0;
  // Shows no text until the user types a date; the value stays.
  virtual void showEmpty() = 0;
};

class TextBox : public virtual Control {
 public:
  virtual std::string text() const = 0;
  virtual void setText(const std::string& text) = 0;
};

// A caption shown by the program; its lines are joined by CR LF.
class Label {
 public:
  virtual ~Label() = default;
  virtual std::string text() const = 0;
  virtual void setText(const std::string& text) = 0;
};

class ListBox : public virtual Control {
 public:
  virtual void clear() = 0;
  virtual void addItem(const std::string& line) = 0;
  virtual int count() const = 0;
  virtual std::string line(int index) const = 0;
  virtual int selectedIndex() const = 0;  // -1 when no line is selected
  virtual void select(int index) = 0;     // -1 clears the selection
};

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  virtual bool isChecked() const = 0;
  virtual void setChecked(bool checked) = 0;
};

// The settings file keeps it as 0, 1 or 2.
enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

// A top-level window: outer position and size in twips, state, showing.
class Window {
 public:
  virtual ~Window() = default;
  virtual WindowState windowState() const = 0;
  virtual void setWindowState(WindowState state) = 0;
  virtual double left() const = 0;
  virtual double top() const = 0;
  virtual double width() const = 0;
  virtual double height() const = 0;
  virtual void setLeft(double twips) = 0;
  virtual void setTop(double twips) = 0;
  virtual void setWidth(double twips) = 0;  // a size change runs the window's layout pass
  virtual void setHeight(double twips) = 0;
  virtual bool isVisible() const = 0;
  virtual void showModal() = 0;  // returns once the window is hidden or closed
  virtual void hide() = 0;
  virtual void close() = 0;
};

// The part of a screen windows may take (less panels and docks), in twips of the desktop.
struct ScreenArea {
  double left = 0, top = 0, width = 0, height = 0;
};

class Screens {
 public:
  virtual ~Screens() = default;
  virtual std::vector<ScreenArea> areas() const = 0;  // none when not known
};

enum class Answer { Yes, No };

// Modal message boxes; each returns once the user has closed it. An empty title shows the
// program's own.
class Messages {
 public:
  virtual ~Messages() = default;
  virtual void show(const std::string& text, const std::string& title) = 0;       // no icon
  virtual void inform(const std::string& text, const std::string& title) = 0;     // information
  virtual void warn(const std::string& text, const std::string& title) = 0;       // exclamation
  virtual Answer ask(const std::string& question, const std::string& title) = 0;  // Yes or No
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date today() const = 0;
};

// The running program itself.
class Program {
 public:
  virtual ~Program() = default;
  virtual void end() = 0;                        // ends at once, no further window events
  virtual std::string helpFilePath() const = 0;  // the help file shipped beside the program
};

}  // namespace tw::ui
