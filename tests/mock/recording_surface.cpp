#include "mock/recording_surface.h"

#include <charconv>

namespace tw::test {

std::string RecordingSurface::number(float v) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  return ec == std::errc{} ? std::string(buf, end) : "?";
}

std::vector<std::string> RecordingSurface::only(std::string_view op) const {
  std::vector<std::string> out;
  for (const std::string& c : calls)
    if (c.starts_with(op) && (c.size() == op.size() || c[op.size()] == ' ')) out.push_back(c);
  return out;
}

std::vector<std::string> RecordingSurface::printed() const {
  std::vector<std::string> out;
  for (const std::string& c : only("text")) out.push_back(c.substr(6, c.size() - 7));
  return out;
}

}  // namespace tw::test
