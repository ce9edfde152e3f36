#pragma once
// A date field apart from its widget: the date it holds, the text it shows, and when a typed
// text becomes its date. Each call that "takes" a new date is one change for the field's
// handler; a date set by the program never is.
#include <cstddef>
#include <string>

#include "cycles/typed_date.h"

namespace tw {

class DateEntry {
 public:
  explicit DateEntry(DateForm form = {}, Date value = 0);

  const DateForm& form() const { return form_; }
  Date value() const { return value_; }
  const std::string& text() const { return text_; }
  // The text is no date, now or once left: the field shows it as such.
  bool showsNoDate() const;

  void setValue(Date d);
  // The user changed the text; the cursor now stands at `cursor`. True when a new date was taken.
  bool edit(std::string text, std::size_t cursor);
  // Leaving the field, Return or a command: a date that waited for it is taken, and the text
  // shows the field's date in its own form again. True when a new date was taken.
  bool commit();
  // Up/Down or the wheel on the part of the date at `cursor`. True when a new date was taken.
  bool step(std::size_t cursor, int delta);
  // A day chosen in the calendar.
  bool pick(Date d);

 private:
  bool take(Date d);

  DateForm form_;
  Date value_;
  std::string text_;
};

}  // namespace tw
