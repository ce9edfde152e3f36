#pragma once
// A settings file in memory, as several running copies of the program would share it.
#include <optional>
#include <string>

#include "settings/merging_store.h"

namespace tw::test {

struct MemoryFile : SettingsFile {
  SettingsFileText read() override { return {text.has_value(), text.value_or(""), keepAsItIs}; }
  std::string replace(const std::string& t) override {
    text = t;
    ++replaced;
    return {};
  }
  std::optional<std::string> text;  // none: no file at all
  std::string keepAsItIs;           // a reason the file must not be written
  int replaced = 0;
};

}  // namespace tw::test
