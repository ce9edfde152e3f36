#include "settings/merging_store.h"

#include "settings/settings_schema.h"
#include "settings/text_forms.h"

namespace tw {

namespace {
// A name of kLongestName characters of four bytes each, and room for its key, quotes and
// escapes: no line the program writes is longer.
constexpr std::size_t kLongestLine = 4 * kLongestName + 320;
}  // namespace

ProgramKeys::ProgramKeys()
    : reader_(
          kSettingsSection, [](const std::string& key) { return isSettingKey(key); },
          kLongestLine) {}

std::string ProgramKeys::text() { return withChanges("", kSettingsSection, reader_.values()); }

MergingSettingsStore::MergingSettingsStore(SettingsFile& file) : file_(file) {
  const SettingsFileText found = file_.read();
  existed_ = found.exists;
  untouched_ = found.keepAsItIs;
  stored_ = sectionValues(found.text, kSettingsSection);
}

std::string MergingSettingsStore::read(const std::string& key,
                                       const std::string& defaultText) const {
  if (auto it = unsaved_.find(key); it != unsaved_.end()) return it->second;
  const auto it = stored_.find(key);
  if (it == stored_.end()) return defaultText;  // an absent key is written whatever it gets
  known_[key] = it->second;
  return it->second;
}

void MergingSettingsStore::write(const std::string& key, const std::string& text) {
  const auto it = known_.find(key);
  if (it != known_.end() && it->second == text && !unsaved_.count(key)) return;
  known_[key] = text;
  unsaved_[key] = text;
}

void MergingSettingsStore::sync() {
  if (unsaved_.empty() || !untouched_.empty()) return;
  // Merged into the file as it is now, so that nobody else's change is undone.
  const SettingsFileText now = file_.read();
  std::string failed = now.keepAsItIs;
  if (failed.empty()) {
    const std::string merged = withChanges(now.text, kSettingsSection, unsaved_);
    failed = file_.replace(merged);
    if (failed.empty()) {
      stored_ = sectionValues(merged, kSettingsSection);
      unsaved_.clear();
      failing_ = false;
      unsavedBecause_.clear();
      return;
    }
  }
  unsavedBecause_ = failed;
  if (!failing_ && tell_) tell_(failed);
  failing_ = true;
}

void MergingSettingsStore::refresh() {
  const SettingsFileText now = file_.read();
  if (now.keepAsItIs.empty()) stored_ = sectionValues(now.text, kSettingsSection);
}

}  // namespace tw
