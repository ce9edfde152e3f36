#include "app/date_entry.h"

#include <utility>

namespace tw {

DateEntry::DateEntry(DateForm form, Date value)
    : form_(std::move(form)), value_(value), text_(showDate(value, form_)) {}

bool DateEntry::showsNoDate() const {
  return readTypedDate(text_, text_.size(), form_.order).counts == Counts::Never;
}

void DateEntry::setValue(Date d) {
  value_ = clampDate(d);
  text_ = showDate(value_, form_);
}

bool DateEntry::take(Date d) {
  d = clampDate(d);
  if (d == value_) return false;
  value_ = d;
  return true;
}

bool DateEntry::edit(std::string text, std::size_t cursor) {
  text_ = std::move(text);
  const TypedDate typed = readTypedDate(text_, cursor, form_.order);
  return typed.counts == Counts::Now && take(typed.date);
}

bool DateEntry::commit() {
  const TypedDate typed = readTypedDate(text_, text_.size(), form_.order);
  const bool taken = typed.counts != Counts::Never && take(typed.date);
  text_ = showDate(value_, form_);
  return taken;
}

bool DateEntry::step(std::size_t cursor, int delta) {
  const int part = partAt(text_, cursor);
  bool taken = commit();
  taken |= take(stepDate(value_, part, delta, form_));
  text_ = showDate(value_, form_);
  return taken;
}

bool DateEntry::pick(Date d) {
  const bool taken = take(d);
  text_ = showDate(value_, form_);
  return taken;
}

}  // namespace tw
