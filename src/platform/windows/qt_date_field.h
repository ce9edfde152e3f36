#pragma once
// A date field: a line edit that reads dates as people type them (DateEntry), a calendar to
// pick from, and Up/Down or the wheel stepping the part under the cursor. One Tab stop.
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QToolButton>

#include "app/date_entry.h"

class QCalendarWidget;
class QLabel;

namespace tw::platform {

class QtDateField : public QLineEdit {
  Q_OBJECT
 public:
  explicit QtDateField(QWidget* parent = nullptr, const QLocale& locale = QLocale());

  Date date() const { return entry_.value(); }
  void setDate(Date d);  // from the program: dateTaken() is not emitted
  bool showsNoDate() const { return entry_.showsNoDate(); }
  // Why the text left in the field is no date, as the note under it says; empty when it is one.
  QString refusal() const { return QString::fromStdString(entry_.refusal()); }
  bool isBeingTyped() const { return entry_.isBeingTyped(); }
  void clearText();  // empty until the user types a date

  // Takes a date that waits for the field to be left; commands run it before they read dates.
  void commitTyping();
  // commitTyping on every date field in `window`.
  static void commitTypingIn(QWidget* window);

  void showCalendar();
  QCalendarWidget* calendar() const { return calendar_; }

  // The largest size up to `points` at which the widest date fits beside the button.
  void fitFont(double points);
  int textRoom() const;  // pixels for the text

 signals:
  void dateTaken();  // once for each new date the user gives
  void left();       // Return, leaving the field or a command took what was typed

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void typed(const QString& text);
  void showRefusal();
  void step(int delta);
  void showEntry(int cursor);
  void taken(bool isNew);
  void pick(const QDate& day);
  int widestTextIn(const QFont& face) const;

  DateEntry entry_;
  QToolButton* button_ = nullptr;
  QPointer<QWidget> popup_;
  QCalendarWidget* calendar_ = nullptr;
  QPointer<QLabel> note_;  // over the window, under the field: what was wrong with the date
};

}  // namespace tw::platform
