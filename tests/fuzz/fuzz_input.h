#pragma once
// What a fuzz target makes of its bytes: "key=value" lines into a settings store, as a
// hand-edited settings file would hold them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "mock/fakes.h"

namespace tw::fuzz {

inline std::string_view bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

inline std::vector<std::string> split(std::string_view text, std::string_view separators) {
  std::vector<std::string> parts;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t end = std::min(text.find_first_of(separators, from), text.size());
    parts.emplace_back(text.substr(from, end - from));
    from = end + 1;
  }
  return parts;
}

// A line without "=" is skipped; the value runs to the end of the line, "=" and all.
inline test::MemoryStore storeFrom(std::string_view text) {
  test::MemoryStore store;
  for (const std::string& line : split(text, "\n")) {
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos) store.values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return store;
}

// A broken promise is a finding: libFuzzer keeps the input that broke it.
inline void require(bool holds) {
  if (!holds) std::abort();
}

}  // namespace tw::fuzz
