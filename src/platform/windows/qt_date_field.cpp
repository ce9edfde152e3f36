#include "platform/windows/qt_date_field.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>

#include "platform/system/ui_text.h"
#include "platform/windows/date_note.h"
#include "platform/windows/qt_controls.h"

namespace tw::platform {

namespace {

constexpr int kButtonWidth = 13;  // pixels; the rest of the designed width is the date's

// Takes a text only as the entry judges it.
class DateCharacters : public QValidator {
 public:
  DateCharacters(const DateEntry& entry, QObject* parent) : QValidator(parent), entry_(entry) {}
  State validate(QString& text, int&) const override {
    switch (entry_.judge(text.toStdString())) {
      case DateEntry::Judged::Refused: return Invalid;
      case DateEntry::Judged::NoDate: return Intermediate;
      case DateEntry::Judged::Date: return Acceptable;
    }
    return Invalid;
  }

 private:
  const DateEntry& entry_;
};

// The calendar drops down below the field; Escape or a click elsewhere closes it.
class CalendarPopup : public QWidget {
 public:
  explicit CalendarPopup(QWidget* owner) : QWidget(owner, Qt::Popup) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape)
      close();
    else
      QWidget::keyPressEvent(event);
  }
};

}  // namespace

QtDateField::QtDateField(QWidget* parent, const QLocale& locale)
    : QLineEdit(parent),
      entry_(dateFormFor(locale.dateFormat(QLocale::ShortFormat).toStdString())) {
  setLocale(locale);
  setValidator(new DateCharacters(entry_, this));
  setText(QString::fromStdString(entry_.text()));
  button_ = new QToolButton(this);
  button_->setArrowType(Qt::DownArrow);
  button_->setAutoRaise(true);
  button_->setFocusPolicy(Qt::NoFocus);
  button_->setCursor(Qt::ArrowCursor);
  button_->setAccessibleName(qtText(C_("date field", "Calendar")));
  // TRANSLATORS: the date field's calendar button; "Alt+Down" is the key that opens it.
  button_->setToolTip(qtText(C_("date field", "Calendar (Alt+Down)")));
  setTextMargins(0, 0, kButtonWidth, 0);
  connect(button_, &QToolButton::clicked, this, &QtDateField::showCalendar);
  connect(this, &QLineEdit::textEdited, this, &QtDateField::typed);
}

void QtDateField::setDate(Date d) {
  entry_.setValue(d);
  showEntry(0);
}

void QtDateField::clearText() {
  entry_.clearText();
  showEntry(0);
}

void QtDateField::showEntry(int cursor) {
  const QString text = QString::fromStdString(entry_.text());
  if (text != this->text()) {
    setText(text);
    setCursorPosition(std::clamp(cursor, 0, static_cast<int>(text.size())));
  }
  // A screen reader hears what the zigzag line and the note show.
  const QString refused = refusal();
  const QString description = !refused.isEmpty()     ? refused
                              : entry_.showsNoDate() ? qtText(C_("date field", "not a date"))
                                                     : QString();
  if (description != accessibleDescription()) {
    setAccessibleDescription(description);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
  }
  showRefusal();
  update();
}

void QtDateField::showRefusal() {
  if (isVisible())
    showDateNote(note_, this, refusal());
  else if (note_)
    note_->hide();
}

void QtDateField::taken(bool isNew) {
  showEntry(cursorPosition());
  if (isNew) emit dateTaken();
}

void QtDateField::typed(const QString& text) {
  const bool isNew = entry_.edit(text.toStdString(), static_cast<std::size_t>(cursorPosition()));
  taken(isNew);
}

void QtDateField::commitTyping() {
  taken(entry_.commit());
  emit left();
}

void QtDateField::commitTypingIn(QWidget* window) {
  for (QtDateField* field : window->findChildren<QtDateField*>()) field->commitTyping();
}

void QtDateField::step(int delta) {
  const int cursor = cursorPosition();
  const int part = partAt(entry_.text(), static_cast<std::size_t>(cursor));
  const bool isNew = entry_.step(static_cast<std::size_t>(cursor), delta);
  showEntry(cursor);
  setCursorPosition(static_cast<int>(endOfPart(entry_.text(), part)));
  if (isNew) emit dateTaken();
}

void QtDateField::pick(const QDate& day) {
  if (popup_) popup_->close();
  setFocus(Qt::PopupFocusReason);
  taken(entry_.pick(fromQDate(day)));
}

void QtDateField::showCalendar() {
  commitTyping();
  if (!popup_) {
    popup_ = new CalendarPopup(this);
    calendar_ = new QCalendarWidget(popup_);
    calendar_->setObjectName(QStringLiteral("calendar"));
    calendar_->setDateRange(toQDate(kFirstDate), toQDate(kLastDate));
    calendar_->setLocale(locale());
    calendar_->setFirstDayOfWeek(locale().firstDayOfWeek());
    auto* layout = new QVBoxLayout(popup_);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->addWidget(calendar_);
    connect(calendar_, &QCalendarWidget::activated, this, &QtDateField::pick);
    connect(calendar_, &QCalendarWidget::clicked, this, &QtDateField::pick);
  }
  calendar_->setSelectedDate(toQDate(date()));
  popup_->adjustSize();
  // Below the field, kept on its screen.
  QPoint place = mapToGlobal(QPoint(0, height()));
  if (const QScreen* s = screen()) {
    const QRect room = s->availableGeometry();
    place.setX(
        std::clamp(place.x(), room.left(), std::max(room.left(), room.right() - popup_->width())));
    if (place.y() + popup_->height() > room.bottom())
      place.setY(mapToGlobal(QPoint(0, 0)).y() - popup_->height());
  }
  popup_->move(place);
  popup_->show();
  calendar_->setFocus(Qt::PopupFocusReason);
}

bool QtDateField::event(QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride) return QLineEdit::event(event);
  const bool result = QLineEdit::event(event);
  // A key the field does not keep may run a command (F1, Ctrl+I, Alt+C...): the command must
  // see the date typed so far.
  if (!event->isAccepted() && takesTypingFirst(keyPressOf(*static_cast<QKeyEvent*>(event)).key))
    commitTyping();
  return result;
}

void QtDateField::keyPressEvent(QKeyEvent* event) {
  switch (dateFieldKey(keyPressOf(*event))) {
    case DateFieldKey::StepUp: step(1); return;
    case DateFieldKey::StepDown: step(-1); return;
    case DateFieldKey::ShowCalendar: showCalendar(); return;
    case DateFieldKey::Commit: commitTyping(); break;  // and on to the window's default button
    case DateFieldKey::PassOn: break;
  }
  QLineEdit::keyPressEvent(event);
}

void QtDateField::wheelEvent(QWheelEvent* event) {
  const int dy = event->angleDelta().y();
  if (!hasFocus() || dy == 0) {
    QLineEdit::wheelEvent(event);
    return;
  }
  step(dy > 0 ? 1 : -1);
  event->accept();
}

void QtDateField::hideEvent(QHideEvent* event) {
  if (note_) note_->hide();
  QLineEdit::hideEvent(event);
}

void QtDateField::focusOutEvent(QFocusEvent* event) {
  commitTyping();
  QLineEdit::focusOutEvent(event);
}

void QtDateField::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  // An empty field waits for a date; it is not a wrong one.
  if (!entry_.showsNoDate() || text().isEmpty()) return;
  // A zigzag under the text, as under a misspelt word: its shape says it, not only its colour.
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0xd0, 0x10, 0x10), 1.2));
  const int room = textRoom();
  const double y = height() / 2.0 + fontMetrics().ascent() / 2.0 + 2.5;
  QPainterPath zigzag;
  const double left = 4;
  zigzag.moveTo(left, y);
  for (int i = 1; left + 2 * i <= left + room; ++i)
    zigzag.lineTo(left + 2 * i, y + (i % 2 ? 2 : 0));
  p.drawPath(zigzag);
}

void QtDateField::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
  button_->setGeometry(width() - frame - kButtonWidth, frame, kButtonWidth, height() - 2 * frame);
}

int QtDateField::textRoom() const {
  QStyleOptionFrame opt;
  initStyleOption(&opt);
  const QRect contents = style()
                             ->subElementRect(QStyle::SE_LineEditContents, &opt, this)
                             .marginsRemoved(textMargins());
  // The line edit keeps 2 pixels each side, and one more for the cursor after the last digit.
  return contents.width() - 2 * 2 - 1;
}

int QtDateField::widestTextIn(const QFont& face) const {
  const QFontMetrics metrics(face);
  QChar widest = u'0';
  for (char16_t d = u'0'; d <= u'9'; ++d)
    if (metrics.horizontalAdvance(QChar(d)) > metrics.horizontalAdvance(widest)) widest = QChar(d);
  QString text = QString::fromStdString(showDate(fromYmd(2028, 12, 28), entry_.form()));
  for (QChar& c : text)
    if (c.isDigit()) c = widest;
  return metrics.horizontalAdvance(text);
}

void QtDateField::fitFont(double points) {
  QFont face = font();
  for (; points > 6; points -= 0.25) {
    face.setPointSizeF(points);
    if (widestTextIn(face) <= textRoom()) break;
  }
  face.setPointSizeF(points);
  setFont(face);
}

}  // namespace tw::platform
