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

KeyPress keyPressOf(const QKeyEvent& event) {
  KeyPress press;
  press.alt = event.modifiers() & Qt::AltModifier;
  press.plain = event.modifiers() == Qt::NoModifier;
  switch (event.key()) {
    case Qt::Key_Left: press.key = Key::Left; break;
    case Qt::Key_Right: press.key = Key::Right; break;
    case Qt::Key_Up: press.key = Key::Up; break;
    case Qt::Key_Down: press.key = Key::Down; break;
    case Qt::Key_Home: press.key = Key::Home; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: press.key = Key::Return; break;
    case Qt::Key_Space: press.key = Key::Space; break;
    case Qt::Key_F4: press.key = Key::F4; break;
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R: press.key = Key::Modifier; break;
    default: break;
  }
  return press;
}

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
