#pragma once
// The per-user store: an INI file of the "Tidewell" section, one text value per key.
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <functional>

#include "app/ui.h"

namespace tw::platform {

// Values are kept in a private working copy of what is read of the file (settings_file.h); the
// file itself is only replaced, whole, when the store is synced, and only ever read otherwise.
class QtSettingsStore : public ui::SettingsStore {
 public:
  QtSettingsStore();  // $XDG_CONFIG_HOME/Kestrelmoor/Tidewell.ini
  explicit QtSettingsStore(const QString& filePath);
  ~QtSettingsStore() override;  // a last try at anything not yet on disk, without a word

  static QString defaultFilePath();
  QString filePath() const { return path_; }

  // Told when the file cannot be written, with the reason; only once until a write succeeds.
  using WriteFailed = std::function<void(const QString& file, const QString& reason)>;
  void onWriteFailed(WriteFailed tell) { tell_ = std::move(tell); }
  // Makes the file's folders now, for their owner alone, before anything else can make them.
  void makeFolder();

  std::string read(const std::string& key, const std::string& defaultText) const override;
  void write(const std::string& key, const std::string& text) override;
  // Puts everything written on disk; what cannot be written stays here for the next try.
  void sync() override;
  bool isNew() const override;  // no settings file at all

 private:
  QString path_;
  QTemporaryDir workDir_;
  mutable QSettings settings_;  // over the working copy
  bool unsaved_ = false;
  bool failing_ = false;
  WriteFailed tell_;
};

}  // namespace tw::platform
