#include "app/settings_schema.h"

#include "app/text_forms.h"

namespace tw {

namespace {
std::string slotName(const SettingKey& key, int slot) {
  return std::string(key.name) + std::to_string(slot);
}
}  // namespace

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
