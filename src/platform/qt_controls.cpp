#include "platform/qt_controls.h"

#include <QSet>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <cmath>

#include "platform/qt_locale.h"

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

void setUpDateEdit(QDateEdit* edit) {
  edit->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
  edit->setDisplayFormat(shortDateFormat());
  edit->setCalendarPopup(true);
  // Typing changes nothing until the edit is committed (Return or leaving the field); an
  // impossible date cannot be committed.
  edit->setKeyboardTracking(false);
}

namespace {

// The widest text a date edit shows: two-digit days in every month, on every weekday where
// the format names it. The digits are all made the widest one, so dates in digits alone come
// out as one text, measured once (each measurement shapes the text afresh).
struct Widest {
  QString text;
  double pixels = -1;
};

Widest widestDate(const QLocale& locale, const QString& format, const QFontMetricsF& metrics) {
  const QString zero = locale.zeroDigit();
  const char16_t first = zero.size() == 1 ? zero[0].unicode() : 0;
  char16_t widestDigit = first;
  for (char16_t d = first; first && d < first + 10; ++d)
    if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(QChar(widestDigit)))
      widestDigit = d;
  const bool weekdays = format.contains(QLatin1String("ddd"));
  QSet<QString> measured;
  Widest widest;
  for (int month = 1; month <= 12; ++month)
    for (int day = weekdays ? 22 : 28; day <= 28; ++day) {
      QString text = locale.toString(QDate(2024, month, day), format);
      for (QChar& c : text)
        if (first && c.unicode() >= first && c.unicode() < first + 10) c = QChar(widestDigit);
      if (measured.contains(text)) continue;
      measured.insert(text);
      const double w = metrics.horizontalAdvance(text);
      if (w > widest.pixels) widest = {text, w};
    }
  return widest;
}

}  // namespace

void fitDateFont(QDateEdit* edit, double points) {
  // A date edit with a calendar button is drawn as an editable combo box.
  QStyleOptionComboBox opt;
  opt.initFrom(edit);
  opt.editable = true;
  opt.frame = true;
  opt.subControls = QStyle::SC_All;
  const QRect field = edit->style()->subControlRect(QStyle::CC_ComboBox, &opt,
                                                    QStyle::SC_ComboBoxEditField, edit);
  const int room = field.width() - 4;  // the line edit's own margins
  // Measured in the face the edit has now, which is already loaded; each size tried below
  // loads the face afresh, so the first guess should be close.
  QFont font = edit->font();
  const double measuredAt = font.pointSizeF() > 0 ? font.pointSizeF() : points;
  font.setPointSizeF(measuredAt);
  const QFontMetricsF metrics(font);
  const auto [widest, widestPixels] = widestDate(edit->locale(), edit->displayFormat(), metrics);
  // Text width grows with the size, though not in proportion (each glyph's advance is rounded
  // to whole pixels): start a little above the proportional guess and step down to what fits.
  if (widestPixels > 0)
    points = std::min(points, std::floor(4 * measuredAt * room / widestPixels) / 4 + 0.5);
  for (; points > 6; points -= 0.25) {
    font.setPointSizeF(points);
    if (QFontMetrics(font).horizontalAdvance(widest) <= room) break;
  }
  font.setPointSizeF(points);
  edit->setFont(font);
}

void QtDatePicker::setValue(Date d) {
  const QSignalBlocker block(edit_);
  edit_->setDate(toQDate(d));
  committed_ = edit_->date();
}

void QtDatePicker::onUserChange(std::function<void()> handler) {
  QObject::connect(edit_, &QDateEdit::dateChanged, edit_,
                   [this, handler = std::move(handler)](QDate date) {
                     if (date == committed_) return;
                     committed_ = date;
                     handler();
                   });
}

void QtTextBox::setText(const std::string& text) {
  const QSignalBlocker block(edit_);
  edit_->setText(QString::fromStdString(text));
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
