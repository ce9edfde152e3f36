#pragma once
// The per-user store: an INI file of the "Tidewell" section, one text value per key.
#include <QSettings>
#include <QString>

#include "app/ui.h"

namespace tw::platform {

class QtSettingsStore : public ui::SettingsStore {
 public:
  QtSettingsStore();  // $XDG_CONFIG_HOME/Kestrelmoor/Tidewell.ini
  explicit QtSettingsStore(const QString& filePath);

  static QString defaultFilePath();
  QString filePath() const { return settings_.fileName(); }

  std::string read(const std::string& key, const std::string& defaultText) const override;
  void write(const std::string& key, const std::string& text) override;
  void sync() override;
  bool isNew() const override;  // no settings file at all

 private:
  mutable QSettings settings_;
};

}  // namespace tw::platform
