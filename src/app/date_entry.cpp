#include "app/date_entry.h"

#include <utility>

namespace tw {

DateEntry::DateEntry(DateForm form, Date value)
    : form_(std::move(form)), value_(value), text_(showDate(value, form_)) {}

DateEntry::Judged DateEntry::judge(std::string_view text) const {
  if (text.size() > 20 || !onlyDateCharacters(text)) return Judged::Refused;
  return readTypedDate(text, text.size(), form_.order).counts == Counts::Never ? Judged::NoDate
                                                                               : Judged::Date;
}

bool DateEntry::showsNoDate() const {
  return readTypedDate(text_, text_.size(), form_.order).counts == Counts::Never;
}

void DateEntry::setValue(Date d) {
  refusal_.clear();
  typing_ = false;
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
  refusal_.clear();
  const TypedDate typed = readTypedDate(text_, cursor, form_.order);
  const bool taken = typed.counts == Counts::Now && take(typed.date);
  typing_ |= taken;
  return taken;
}

bool DateEntry::commit() {
  typing_ = false;
  const TypedDate typed = readTypedDate(text_, text_.size(), form_.order);
  if (typed.counts == Counts::Never) {
    refusal_ = whyNoDate(text_, form_);
    return false;
  }
  const bool taken = take(typed.date);
  text_ = showDate(value_, form_);
  return taken;
}

bool DateEntry::step(std::size_t cursor, int delta) {
  const int part = partAt(text_, cursor);
  bool taken = commit();
  refusal_.clear();
  taken |= take(stepDate(value_, part, delta, form_));
  text_ = showDate(value_, form_);
  return taken;
}

bool DateEntry::pick(Date d) {
  refusal_.clear();
  typing_ = false;
  const bool taken = take(d);
  text_ = showDate(value_, form_);
  return taken;
}

void DateEntry::clearText() {
  text_.clear();
  refusal_.clear();
}

DateFieldKey dateFieldKey(const KeyPress& key) {
  switch (key.key) {
    case Key::Down: return key.alt ? DateFieldKey::ShowCalendar : DateFieldKey::StepDown;
    case Key::Up: return DateFieldKey::StepUp;
    case Key::F4: return DateFieldKey::ShowCalendar;
    case Key::Return: return DateFieldKey::Commit;
    default: return DateFieldKey::PassOn;
  }
}

bool takesTypingFirst(Key key) {
  return key != Key::Modifier && key != Key::Up && key != Key::Down && key != Key::Return;
}

}  // namespace tw
