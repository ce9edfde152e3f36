#include "platform/windows/qt_controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOption>

#include "platform/windows/text_room.h"

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

namespace {
// The caption as drawn: "&&" shows one "&", a single "&" marks the access key.
QString withoutAccessKeys(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

int widestLine(const QFontMetrics& fm, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split(u'\n'))
    widest = std::max(widest, fm.horizontalAdvance(line));
  return widest;
}
}  // namespace

int textRoom(const QWidget* widget) {
  const QFontMetrics fm = widget->fontMetrics();
  const QStyle* style = widget->style();
  if (const auto* label = qobject_cast<const QLabel*>(widget)) {
    if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
      return 0;
    const QMargins m = label->contentsMargins();
    const int indent = std::max(label->indent(), 0);
    return widestLine(fm, withoutAccessKeys(label->text())) + m.left() + m.right() +
           2 * label->margin() + indent;
  }
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
    if (button->text().isEmpty()) return 0;
    return widestLine(fm, withoutAccessKeys(button->text())) +
           style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, widget) +
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, widget);
  }
  const bool check = qobject_cast<const QCheckBox*>(widget);
  if (check || qobject_cast<const QRadioButton*>(widget)) {
    const auto* button = static_cast<const QAbstractButton*>(widget);
    if (button->text().isEmpty()) return 0;
    const auto indicator = check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth;
    const auto spacing =
        check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing;
    return widestLine(fm, withoutAccessKeys(button->text())) +
           style->pixelMetric(indicator, nullptr, widget) +
           style->pixelMetric(spacing, nullptr, widget) + 4;
  }
  return 0;
}

Placements::Placements(QWidget* parent) : QObject(parent), parent_(parent) {
  setObjectName(QStringLiteral("placements"));
  parent->installEventFilter(this);
}

Placements& Placements::of(QWidget* parent) {
  for (QObject* child : parent->children())
    if (auto* p = dynamic_cast<Placements*>(child)) return *p;
  return *new Placements(parent);
}

QRect Placements::designed(const QWidget* child) const {
  for (const Place& p : places_)
    if (p.widget == child) return p.designed;
  return child->geometry();
}

void Placements::setDesigned(QWidget* child, const QRect& rect) {
  auto found = std::find_if(places_.begin(), places_.end(),
                            [child](const Place& p) { return p.widget == child; });
  if (found == places_.end()) {
    places_.push_back({child, rect, QRect()});
    // Shown or hidden, it needs its room or gives it back.
    child->installEventFilter(this);
  } else {
    found->designed = rect;
  }
  apply();
}

Fitted Placements::fitted() const {
  std::vector<PlacedBox> boxes;
  for (const Place& p : places_) {
    if (p.widget.isNull()) continue;
    const QRect& r = p.designed;
    boxes.push_back({r.x(), r.y(), r.width(), r.height(),
                     p.widget->isHidden() ? 0 : textRoom(p.widget),
                     p.widget->property("growsLeft").toBool()});
  }
  return fitToText(boxes);
}

void Placements::growWindow() {
  growPending_ = false;
  const int wider = fitted().wider;
  if (wider <= 0) return;
  QWidget* window = parent_->window();
  window->setMinimumWidth(std::max(window->minimumWidth(), window->width() + wider));
}

void Placements::apply() {
  if (applying_) return;
  applying_ = true;
  std::erase_if(places_, [](const Place& p) { return p.widget.isNull(); });
  const Fitted fitted = this->fitted();
  // A fixed-size window grows to hold what grew.
  const bool fixed = parent_->isWindow() && parent_->minimumWidth() == parent_->maximumWidth();
  if (fixed && fitted.wider != grown_) {
    parent_->setFixedWidth(parent_->width() - grown_ + fitted.wider);
    grown_ = fitted.wider;
  } else if (!fixed && fitted.wider > 0 && !growPending_) {
    // A resizable window may be no narrower than its rows need. Its own layout pass spreads
    // the rows once it is wider, so it is widened once the passes now running are done (and
    // again if that is not yet enough); a row half placed may look too wide for a moment.
    growPending_ = true;
    QMetaObject::invokeMethod(
        this, [this] { growWindow(); }, Qt::QueuedConnection);
  }
  const bool mirrored = parent_->layoutDirection() == Qt::RightToLeft;
  for (std::size_t i = 0; i < places_.size(); ++i) {
    const PlacedBox& b = fitted.boxes[i];
    const int left = mirrored ? mirroredLeft(b.left, b.width, parent_->width()) : b.left;
    QRect target(left, b.top, b.width, b.height);
    // A bar its parent holds across its whole width has nothing to mirror.
    if (mirrored && places_[i].widget->property("spansParent").toBool())
      target = QRect(0, b.top, parent_->width(), b.height);
    // Only what changed, so a widget its parent sizes itself keeps that size.
    if (target == places_[i].applied) continue;
    places_[i].applied = target;
    places_[i].widget->setGeometry(target);
  }
  applying_ = false;
}

bool Placements::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == parent_ ? type == QEvent::Resize || type == QEvent::LayoutDirectionChange
                         : type == QEvent::ShowToParent || type == QEvent::HideToParent)
    apply();
  return false;
}

QRect WidgetControl::designed() const {
  QWidget* parent = w_->parentWidget();
  return parent ? Placements::of(parent).designed(w_) : w_->geometry();
}

void WidgetControl::setDesigned(const QRect& rect) {
  if (QWidget* parent = w_->parentWidget())
    Placements::of(parent).setDesigned(w_, rect);
  else
    w_->setGeometry(rect);
}

void WidgetControl::setLeft(double twips) {
  QRect r = designed();
  r.moveLeft(left_.set(twips));
  setDesigned(r);
}

void WidgetControl::setTop(double twips) {
  QRect r = designed();
  r.moveTop(top_.set(twips));
  setDesigned(r);
}

void WidgetControl::setWidth(double twips) {
  QRect r = designed();
  r.setWidth(width_.set(twips));
  setDesigned(r);
}

void WidgetControl::setHeight(double twips) {
  QRect r = designed();
  r.setHeight(height_.set(twips));
  setDesigned(r);
}

void WidgetControl::place(double left, double top, double width, double height) {
  setDesigned(QRect(left_.set(left), top_.set(top), width_.set(width), height_.set(height)));
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
