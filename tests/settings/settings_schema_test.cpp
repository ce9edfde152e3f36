#include "settings/settings_schema.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(SettingsSchema, TheKeysTheProgramReads) {
  const std::pair<const char*, bool> rows[] = {
      {"Chart type", true},     {"Chart typ", false},     {"PeopleName 1", true},
      {"PeopleDate 50", true},  {"PeopleName 51", false}, {"PeopleName 0", false},
      {"PeopleName 01", false}, {"PeopleName ", false},   {"PeopleDate 7x", false},
      {"PeopleName 1 ", false}, {"PeopleWin X", false},
  };
  for (const auto& [name, known] : rows) EXPECT_EQ(isSettingKey(name), known) << name;
}

}  // namespace
}  // namespace tw
