#include "mock/recording_surface.h"

#include <charconv>

namespace tw::test {

std::string RecordingSurface::number(float v) {
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  return ec == std::errc{} ? std::string(buf, end) : "?";
}

void RecordingSurface::BackColor(Colour c) { calls.push_back("BackColor " + std::to_string(c)); }
void RecordingSurface::Cls() { calls.push_back("Cls"); }
void RecordingSurface::DrawWidth(std::int16_t px) { calls.push_back("DrawWidth " + std::to_string(px)); }
void RecordingSurface::DrawStyle(std::int16_t s) { calls.push_back("DrawStyle " + std::to_string(s)); }
void RecordingSurface::FontSize(float points) { calls.push_back("FontSize " + number(points)); }
void RecordingSurface::FontBold(bool bold) { calls.push_back(bold ? "FontBold 1" : "FontBold 0"); }
void RecordingSurface::CurrentX(float x) { calls.push_back("CurrentX " + number(x)); }
void RecordingSurface::CurrentY(float y) { calls.push_back("CurrentY " + number(y)); }
void RecordingSurface::Print(const std::string& text) { calls.push_back("Print \"" + text + "\""); }
void RecordingSurface::Line(float x1, float y1, float x2, float y2) {
  calls.push_back("Line " + number(x1) + " " + number(y1) + " " + number(x2) + " " + number(y2));
}
void RecordingSurface::Line(float x1, float y1, float x2, float y2, Colour c) {
  Line(x1, y1, x2, y2);
  calls.back() += " " + std::to_string(c);
}

std::vector<std::string> RecordingSurface::only(std::string_view op) const {
  std::vector<std::string> out;
  for (const std::string& c : calls)
    if (c.starts_with(op) && (c.size() == op.size() || c[op.size()] == ' ')) out.push_back(c);
  return out;
}

std::vector<std::string> RecordingSurface::printed() const {
  std::vector<std::string> out;
  for (const std::string& c : only("Print")) out.push_back(c.substr(7, c.size() - 8));
  return out;
}

}  // namespace tw::test
