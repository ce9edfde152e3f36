#include "people/people_store.h"

#include "app/text_forms.h"

namespace tw {

std::string PeopleStore::nameKey(int slot) { return "PeopleName " + std::to_string(slot); }
std::string PeopleStore::dateKey(int slot) { return "PeopleDate " + std::to_string(slot); }

void PeopleStore::LoadPeople() {
  // A date text that cannot be read falls back to the same day as an absent key.
  static const Date kDefault = fromYmd(1990, 1, 1);
  for (int n = 1; n <= kSlots; ++n) {
    peoplename[n] = store_.read(nameKey(n), "");
    peopledate[n] = readDate(store_.read(dateKey(n), "1/1/90")).value_or(kDefault);
  }
}

void PeopleStore::SavePeople() {
  for (int n = 1; n <= kSlots; ++n) {
    store_.write(nameKey(n), peoplename[n]);
    store_.write(dateKey(n), DateToString(peopledate[n]));
  }
  // A crash right after a change must not lose it.
  store_.sync();
}

std::string PeopleStore::listLine(int slot) const {
  return peoplename[slot] + " (" + DateToString(peopledate[slot]) + ")";
}

void PeopleStore::FillPeopleList(ui::ListBox& list) const {
  list.clear();
  for (int n = 1; n <= kSlots; ++n)
    if (!peoplename[n].empty()) list.addItem(listLine(n));
  list.setListIndex(-1);
}

std::int16_t PeopleStore::FindPerson(const std::string& line) const {
  std::int16_t result = 0;
  // No early exit: of two identical lines the higher slot wins.
  for (int n = 1; n <= kSlots; ++n)
    if (!peoplename[n].empty() && listLine(n) == line) result = static_cast<std::int16_t>(n);
  return result;
}

int PeopleStore::lowestFreeSlot() const {
  for (int n = 1; n <= kSlots; ++n)
    if (peoplename[n].empty()) return n;
  return 0;
}

}  // namespace tw
