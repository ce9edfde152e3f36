#pragma once
// A date field apart from its widget: the date it holds, the text it shows, and when a typed
// text becomes its date. Each call that "takes" a new date is one change for the field's
// handler; a date set by the program never is.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/keys.h"
#include "cycles/typed_date.h"

namespace tw {

class DateEntry {
 public:
  explicit DateEntry(DateForm form = {}, Date value = 0);

  // What the field makes of a text before it takes it: nothing but digits and the separators a
  // date may be typed with, 20 characters at most, is taken at all; of that, whether it reads
  // as a date now or once left.
  enum class Judged { Refused, NoDate, Date };
  Judged judge(std::string_view text) const;

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

// What a key does in a date field: Up and Down step the part of the date under the cursor,
// Alt+Down and F4 open the calendar, Return takes what was typed and goes on to the window.
enum class DateFieldKey { PassOn, StepUp, StepDown, ShowCalendar, Commit };
DateFieldKey dateFieldKey(const KeyPress& key);

// A key the field does not keep may run a command (F1, Ctrl+I, Alt+C...), which must see the
// date typed so far: whether `key` takes the typing first.
bool takesTypingFirst(Key key);

}  // namespace tw
