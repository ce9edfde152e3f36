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
  // shows the field's date in its own form again. A text that is no date stays as typed, the
  // field keeping its last date, and refusal() says why. True when a new date was taken.
  bool commit();
  // Why the text left in the field is no date; empty once it is one or is typed over.
  const std::string& refusal() const { return refusal_; }
  // Up/Down or the wheel on the part of the date at `cursor`. True when a new date was taken.
  bool step(std::size_t cursor, int delta);
  // A day chosen in the calendar.
  bool pick(Date d);
  // No text until the user types one; the date stays.
  void clearText();
  // The date was taken from the text as it is typed, and the field not yet left.
  bool isBeingTyped() const { return typing_; }

 private:
  bool take(Date d);

  DateForm form_;
  Date value_;
  std::string text_;
  std::string refusal_;
  bool typing_ = false;
};

}  // namespace tw
