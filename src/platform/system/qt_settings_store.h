#pragma once
// The per-user store: the "Tidewell" section of one INI file, read once at start and saved by
// merging this program's changes into the file as it is at each save.
#include <QString>
#include <functional>

#include "platform/system/settings_file.h"
#include "settings/merging_store.h"

namespace tw::platform {

class QtSettingsStore : public ui::SettingsStore {
 public:
  QtSettingsStore();  // $XDG_CONFIG_HOME/Kestrelmoor/Tidewell.ini
  explicit QtSettingsStore(const QString& filePath);
  ~QtSettingsStore() override;  // a last try at anything not yet on disk, without a word

  static QString defaultFilePath();
  QString filePath() const { return path_; }

  // Told when the file cannot be written, with the reason; only once until a write succeeds.
  using WriteFailed = std::function<void(const QString& file, const QString& reason)>;
  void onWriteFailed(WriteFailed tell);
  // Why the file, found at start as it was, is left untouched this run; empty when it is not.
  QString leftUntouchedBecause() const;
  // Why the last save failed, while changes still wait for one; empty when none wait.
  QString unsavedBecause() const { return QString::fromStdString(store_.unsavedBecause()); }
  // Makes the file's folders now, for their owner alone, before anything else can make them.
  void makeFolder();

  std::string read(const std::string& key, const std::string& defaultText) const override;
  void write(const std::string& key, const std::string& text) override;
  // Puts everything written on disk; what cannot be written stays here for the next try.
  void sync() override;
  bool isNew() const override;  // no settings file at all
  void refresh() override;

 private:
  QString path_;
  LocalSettingsFile file_;
  MergingSettingsStore store_;
};

}  // namespace tw::platform
