#pragma once
// The settings store over a file that a second copy of the program, or the user's editor, may
// change while this one runs: read once at start, and saved by merging only this program's
// changes into the file as it is at that moment.
#include <functional>
#include <map>
#include <string>

#include "settings/settings_document.h"
#include "settings/settings_store.h"

namespace tw {

// What reading the settings file found.
struct SettingsFileText {
  bool exists = false;  // something is at the file's place, readable or not
  std::string text;     // what could be read of it
  // Why the file must be left as it is this time (not read whole, not a plain file of the
  // user's own); empty when it may be replaced.
  std::string keepAsItIs;
};

// The file itself, as the platform reaches it.
class SettingsFile {
 public:
  virtual ~SettingsFile() = default;
  virtual SettingsFileText read() = 0;
  // Puts `text` in the file's place whole; empty on success, else why the old file stayed.
  virtual std::string replace(const std::string& text) = 0;
};

inline constexpr std::string_view kSettingsSection = "Tidewell";

// A settings file too large to be read whole, given a piece at a time: of it only this
// program's keys of its section are kept, the last of each, and of a line no more than any
// value the program writes takes.
class ProgramKeys {
 public:
  ProgramKeys();
  void read(std::string_view piece) { reader_.read(piece); }
  // What was kept, as the text of a settings file.
  std::string text();

 private:
  SectionReader reader_;
};

class MergingSettingsStore : public ui::SettingsStore {
 public:
  explicit MergingSettingsStore(SettingsFile& file);

  std::string read(const std::string& key, const std::string& defaultText) const override;
  // A text equal to what this program last read or wrote for the key is no change.
  void write(const std::string& key, const std::string& text) override;
  void sync() override;
  bool isNew() const override { return !existed_; }
  void refresh() override;

  // Why the file is left untouched for the whole run, as found at start; empty when it is
  // saved to. Nothing is written to such a file, so nothing in it can be lost.
  const std::string& leftUntouchedBecause() const { return untouched_; }
  // Told when a save fails, with the reason; once, until a save succeeds.
  void onSaveFailed(std::function<void(const std::string& reason)> tell) {
    tell_ = std::move(tell);
  }
  // Why the last save failed, while changes still wait for one; empty when none wait.
  const std::string& unsavedBecause() const { return unsavedBecause_; }

 private:
  SettingsFile& file_;
  std::map<std::string, std::string> stored_;         // the section as last read or saved
  mutable std::map<std::string, std::string> known_;  // what this program last read or wrote
  std::map<std::string, std::string> unsaved_;
  bool existed_ = false;
  bool failing_ = false;
  std::string untouched_;
  std::string unsavedBecause_;
  std::function<void(const std::string&)> tell_;
};

}  // namespace tw
