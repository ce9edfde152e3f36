#pragma once
// The stored list of up to 50 people: two parallel arrays indexed by slot 1..50 (slot 0 unused),
// kept in the settings store under one name key and one date key per slot.
#include <array>
#include <cstdint>
#include <string>

#include "app/ui.h"
#include "cycles/date.h"
#include "settings/settings_schema.h"

namespace tw {

class PeopleStore {
 public:
  static constexpr int kSlots = kPeopleSlots;

  explicit PeopleStore(ui::SettingsStore& store) : store_(store) {}

  // A slot is free when its name is empty; free slots still keep a date.
  std::array<std::string, kSlots + 1> names{};
  std::array<Date, kSlots + 1> dates{};

  void load();
  // The list as it is stored now, which another running copy may have changed since.
  void loadLatest();
  // Every slot, free ones included, so a freed slot overwrites its old values; then on disk.
  void save();
  // One line per person in slot order; the rebuilt list has no selection.
  void fill(ui::ListBox& list) const;
  // The highest slot whose list line is `line`, or 0.
  std::int16_t slotOf(const std::string& line) const;

  std::string listLine(int slot) const;  // "Ann (25/12/1990)"
  int lowestFreeSlot() const;            // 0 when all 50 are in use

 private:
  ui::SettingsStore& store_;
};

}  // namespace tw
