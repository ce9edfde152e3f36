#pragma once
// The stored list of up to 50 people: two parallel arrays indexed by slot 1..50 (slot 0 unused),
// kept in the settings store under "PeopleName n" and "PeopleDate n".
#include <array>
#include <cstdint>
#include <string>

#include "app/ui.h"
#include "cycles/date.h"

namespace tw {

class PeopleStore {
 public:
  static constexpr int kSlots = 50;

  explicit PeopleStore(ui::SettingsStore& store) : store_(store) {}

  // A slot is free when its name is empty; free slots still keep a date.
  std::array<std::string, kSlots + 1> peoplename{};
  std::array<Date, kSlots + 1> peopledate{};

  void LoadPeople();
  // Every slot, free ones included, so a freed slot overwrites its old values; then on disk.
  void SavePeople();
  // One line per person in slot order; the rebuilt list has no selection.
  void FillPeopleList(ui::ListBox& list) const;
  // The highest slot whose list line is `line`, or 0.
  std::int16_t FindPerson(const std::string& line) const;

  std::string listLine(int slot) const;  // "Ann (25/12/1990)"
  int lowestFreeSlot() const;           // 0 when all 50 are in use

  static std::string nameKey(int slot);
  static std::string dateKey(int slot);

 private:
  ui::SettingsStore& store_;
};

}  // namespace tw
