#include "settings/settings_schema.h"

#include "settings/text_forms.h"

namespace tw {

namespace {
std::string slotName(const SettingKey& key, int slot) {
  return std::string(key.name) + std::to_string(slot);
}

// A slot number as slotName writes it: plain digits without a leading zero, 1 ... kPeopleSlots.
bool isSlot(std::string_view text) {
  if (text.empty() || text.size() > 4 || text[0] == '0') return false;
  int n = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
  }
  return n <= kPeopleSlots;
}
}  // namespace

bool isSettingKey(std::string_view name) {
  for (const SettingKey* key : kSettingsSchema) {
    if (key == &setting::PersonName || key == &setting::PersonBirthday) {
      if (name.starts_with(key->name) && isSlot(name.substr(key->name.size()))) return true;
    } else if (name == key->name) {
      return true;
    }
  }
  return false;
}

std::string readSetting(const ui::SettingsStore& store, const SettingKey& key) {
  return store.read(std::string(key.name), std::string(key.defaultText));
}

std::int16_t readNumber(const ui::SettingsStore& store, const SettingKey& key) {
  const std::int16_t v = readSmallInt(readSetting(store, key));
  return v >= 0 && v <= key.highest ? v : readSmallInt(key.defaultText);
}

void writeSetting(ui::SettingsStore& store, const SettingKey& key, const std::string& text) {
  store.write(std::string(key.name), text);
}

std::string readSetting(const ui::SettingsStore& store, const SettingKey& key, int slot) {
  return store.read(slotName(key, slot), std::string(key.defaultText));
}

void writeSetting(ui::SettingsStore& store, const SettingKey& key, int slot,
                  const std::string& text) {
  store.write(slotName(key, slot), text);
}

}  // namespace tw
