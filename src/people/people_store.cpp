#include "people/people_store.h"

#include "settings/settings_schema.h"
#include "settings/text_forms.h"

namespace tw {

void PeopleStore::load() {
  // A date text that cannot be read falls back to the same day as an absent key.
  static const Date kDefault = *readDate(setting::PersonBirthday.defaultText);
  for (int n = 1; n <= kSlots; ++n) {
    names[n] = readName(readSetting(store_, setting::PersonName, n));
    dates[n] = readDate(readSetting(store_, setting::PersonBirthday, n)).value_or(kDefault);
  }
}

void PeopleStore::loadLatest() {
  store_.refresh();
  load();
}

void PeopleStore::save() {
  for (int n = 1; n <= kSlots; ++n) {
    writeSetting(store_, setting::PersonName, n, names[n]);
    writeSetting(store_, setting::PersonBirthday, n, dateText(dates[n]));
  }
  // A crash right after a change must not lose it.
  store_.sync();
}

std::string PeopleStore::listLine(int slot) const {
  return names[slot] + " (" + dateText(dates[slot]) + ")";
}

void PeopleStore::fill(ui::ListBox& list) const {
  list.clear();
  for (int n = 1; n <= kSlots; ++n)
    if (!names[n].empty()) list.addItem(listLine(n));
  list.select(-1);
}

std::int16_t PeopleStore::slotOf(const std::string& line) const {
  std::int16_t result = 0;
  // No early exit: of two identical lines the higher slot wins.
  for (int n = 1; n <= kSlots; ++n)
    if (!names[n].empty() && listLine(n) == line) result = static_cast<std::int16_t>(n);
  return result;
}

int PeopleStore::lowestFreeSlot() const {
  for (int n = 1; n <= kSlots; ++n)
    if (names[n].empty()) return n;
  return 0;
}

}  // namespace tw
