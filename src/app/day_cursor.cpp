#include "app/day_cursor.h"

namespace tw {

void DayCursor::chartDrawn(Date chartDate, const chart::DayColumns& columns) {
  const bool dateMoved = !onChart_ || chartDate != chartDate_;
  onChart_ = true;
  chartDate_ = chartDate;
  if (dateMoved || !chart::columnLeft(columns, day_)) day_ = chartDate;
}

DayCursor::Answer DayCursor::press(const KeyPress& key, const chart::DayColumns& columns) {
  if (!key.plain) return Answer::NotMine;
  switch (key.key) {
    case Key::Left:
    case Key::Right: {
      // At the first or last column the key is spent and the cursor stays.
      const Date next = static_cast<Date>(day_ + (key.key == Key::Left ? -1 : 1));
      if (!onChart_ || !chart::columnLeft(columns, next)) return Answer::Stayed;
      day_ = next;
      return Answer::Moved;
    }
    case Key::Home:
      if (!onChart_) return Answer::Stayed;
      day_ = chartDate_;
      return Answer::Moved;
    case Key::Return:
    case Key::Space: return onChart_ ? Answer::Chosen : Answer::NotMine;
    default: return Answer::NotMine;
  }
}

}  // namespace tw
