#include "platform/windows/qt_controls.h"

#include <QSignalBlocker>

namespace tw::platform {

namespace {
// Day 0 of the program's dates, 30 December 1899.
qint64 dayZero() {
  static const qint64 jd = QDate(1899, 12, 30).toJulianDay();
  return jd;
}
}  // namespace

QDate toQDate(Date d) { return QDate::fromJulianDay(dayZero() + d); }

Date fromQDate(const QDate& d) { return static_cast<Date>(d.toJulianDay() - dayZero()); }

void WidgetControl::place(double left, double top, double width, double height) {
  w_->setGeometry(left_.set(left), top_.set(top), width_.set(width), height_.set(height));
}

void QtDatePicker::onUserChange(std::function<void()> handler) {
  QObject::connect(field_, &QtDateField::dateTaken, field_, std::move(handler));
}

void QtDatePicker::onLeft(std::function<void()> handler) {
  QObject::connect(field_, &QtDateField::left, field_, std::move(handler));
}

void QtTextBox::setText(const std::string& text) {
  const QSignalBlocker block(edit_);
  edit_->setText(QString::fromStdString(text));
}

void QtTextBox::setFocus() {
  edit_->setFocus(Qt::TabFocusReason);
  edit_->selectAll();
}

int QtListBox::selectedIndex() const {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  return selected.isEmpty() ? -1 : list_->row(selected.first());
}

void QtListBox::clear() {
  const QSignalBlocker block(list_);
  list_->clear();
}

void QtListBox::addItem(const std::string& line) {
  const QSignalBlocker block(list_);
  list_->addItem(QString::fromStdString(line));
}

std::string QtListBox::line(int index) const {
  const QListWidgetItem* item = list_->item(index);
  return item ? item->text().toStdString() : std::string();
}

void QtListBox::select(int index) {
  const QSignalBlocker block(list_);
  list_->setCurrentRow(index);
}

}  // namespace tw::platform
