#pragma once
// Apart from the window interfaces of app/ui.h, so the settings layer needs nothing of app/.
#include <string>

namespace tw::ui {

// The per-user store of text values (application "Kestrelmoor", section "Tidewell").
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string read(const std::string& key, const std::string& defaultText) const = 0;
  virtual void write(const std::string& key, const std::string& text) = 0;
  virtual void sync() = 0;         // put everything written on disk
  virtual bool isNew() const = 0;  // nothing was ever stored: the program's first run
  // Takes what is stored now, which another running copy may have changed; what this program
  // wrote and has not yet saved stays on top.
  virtual void refresh() = 0;
};

}  // namespace tw::ui
