#pragma once
// The control interfaces of the windows' handlers over Qt widgets, in twips.
#include <QAction>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "app/keys.h"
#include "app/ui.h"
#include "platform/drawing/screen_twips.h"
#include "platform/windows/qt_date_field.h"
#include "platform/windows/text_room.h"

namespace tw::platform {

QDate toQDate(Date d);
Date fromQDate(const QDate& d);

// Which of the keys the windows' rules tell apart a key event is.
KeyPress keyPressOf(const QKeyEvent& event);

// The width a control's text needs: its caption without access-key marks plus what the style
// draws around it; 0 for a control that shows no caption of its own.
int textRoom(const QWidget* widget);

// Applies the designed places of a parent's children: each grown to fit its text (pushing its
// row and growing a fixed-size parent) and, in a window read right to left, mirrored. The
// designed places are what the handlers set and read back; in English, where every text fits,
// they are the widgets' geometry exactly.
class Placements : public QObject {
 public:
  static Placements& of(QWidget* parent);
  QRect designed(const QWidget* child) const;
  void setDesigned(QWidget* child, const QRect& rect);
  void apply();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit Placements(QWidget* parent);
  Fitted fitted() const;
  void growWindow();

  QWidget* parent_;
  struct Place {
    QPointer<QWidget> widget;
    QRect designed;
    QRect applied;  // what the last pass gave it: others (a toolbar made full width) may differ
  };
  std::vector<Place> places_;
  int grown_ = 0;  // what the last pass added to a fixed-size parent's width
  bool applying_ = false;
  bool growPending_ = false;
};

// A child widget's place in its window's client area.
class WidgetControl : public virtual ui::Control {
 public:
  explicit WidgetControl(QWidget* widget) : w_(widget) {}
  QWidget* widget() const { return w_; }

  double left() const override { return left_.read(designed().x()); }
  double top() const override { return top_.read(designed().y()); }
  double width() const override { return width_.read(designed().width()); }
  double height() const override { return height_.read(designed().height()); }
  void setLeft(double twips) override;
  void setTop(double twips) override;
  void setWidth(double twips) override;
  void setHeight(double twips) override;
  // As set, whether or not the window itself is showing yet.
  bool isVisible() const override { return w_->isVisibleTo(w_->window()); }
  void setVisible(bool visible) override { w_->setVisible(visible); }
  bool isEnabled() const override { return w_->isEnabledTo(w_->window()); }
  void setEnabled(bool enabled) override { w_->setEnabled(enabled); }
  void setFocus() override { w_->setFocus(Qt::OtherFocusReason); }

  // All four at once, as a window is designed.
  void place(double left, double top, double width, double height);

 private:
  QRect designed() const;
  void setDesigned(const QRect& rect);

  QWidget* w_;
  TwipsValue left_, top_, width_, height_;
};

class QtDatePicker : public WidgetControl, public ui::DatePicker {
 public:
  explicit QtDatePicker(QtDateField* field) : WidgetControl(field), field_(field) {}
  Date value() const override { return field_->date(); }
  void setValue(Date d) override { field_->setDate(d); }
  bool isBeingTyped() const override { return field_->isBeingTyped(); }
  bool showsDate() const override { return !field_->showsNoDate(); }
  void showEmpty() override { field_->clearText(); }
  // As tabbing into it does, the focus from the program selects the date to type over.
  void setFocus() override {
    field_->setFocus(Qt::TabFocusReason);
    field_->selectAll();
  }

  // Runs `handler` once for each new date the user gives.
  void onUserChange(std::function<void()> handler);
  // Runs `handler` each time what was typed is taken: Return, leaving the field, a command.
  void onLeft(std::function<void()> handler);

 private:
  QtDateField* field_;
};

class QtTextBox : public WidgetControl, public ui::TextBox {
 public:
  explicit QtTextBox(QLineEdit* edit) : WidgetControl(edit), edit_(edit) {}
  std::string text() const override { return edit_->text().toStdString(); }
  void setText(const std::string& text) override;
  // As tabbing into it does, the focus from the program selects the text to type over.
  void setFocus() override;

 private:
  QLineEdit* edit_;
};

class QtListBox : public WidgetControl, public ui::ListBox {
 public:
  explicit QtListBox(QListWidget* list) : WidgetControl(list), list_(list) {}
  void clear() override;
  void addItem(const std::string& line) override;
  int count() const override { return list_->count(); }
  std::string line(int index) const override;
  // The selected line, not the current one: Ctrl+click leaves a current line unselected.
  int selectedIndex() const override;
  void select(int index) override;

 private:
  QListWidget* list_;
};

class QtMenuItem : public ui::MenuItem {
 public:
  explicit QtMenuItem(QAction* action) : action_(action) {}
  bool isChecked() const override { return action_->isChecked(); }
  // toggled() is emitted, triggered() is not: no command runs.
  void setChecked(bool checked) override { action_->setChecked(checked); }

 private:
  QAction* action_;
};

}  // namespace tw::platform
