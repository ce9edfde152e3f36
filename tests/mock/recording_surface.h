#pragma once
// A DrawingSurface that writes each call as one line of text, for comparing whole drawings:
//   setBackground -2147483633 | clear | setLineWidth 1 | setLineStyle 2 | setFontSize 8 | setBold 1
//   moveTo 230 947.5 | line 200 1147.5 6250 1147.5 [colour] | text "Mo"
// Numbers are the shortest fixed-point text that reads back as the same float.
#include <string>
#include <string_view>
#include <vector>

#include "chart/drawing_surface.h"

namespace tw::test {

class RecordingSurface : public DrawingSurface {
 public:
  RecordingSurface(float width = 6735, float height = 2895) : width_(width), height_(height) {}
  void setSize(float width, float height) { width_ = width, height_ = height; }

  float width() const override { return width_; }
  float height() const override { return height_; }
  void setBackground(Colour c) override { calls.push_back("setBackground " + std::to_string(c)); }
  void clear() override { calls.push_back("clear"); }
  void setLineWidth(std::int16_t px) override {
    calls.push_back("setLineWidth " + std::to_string(px));
  }
  void setLineStyle(std::int16_t s) override {
    calls.push_back("setLineStyle " + std::to_string(s));
  }
  void setFontSize(float points) override { calls.push_back("setFontSize " + number(points)); }
  void setBold(bool bold) override { calls.push_back(bold ? "setBold 1" : "setBold 0"); }
  void moveTo(float x, float y) override {
    calls.push_back("moveTo " + number(x) + " " + number(y));
  }
  void text(const std::string& text) override { calls.push_back("text \"" + text + "\""); }
  void line(float x1, float y1, float x2, float y2) override {
    calls.push_back("line " + number(x1) + " " + number(y1) + " " + number(x2) + " " + number(y2));
  }
  void line(float x1, float y1, float x2, float y2, Colour c) override {
    line(x1, y1, x2, y2);
    calls.back() += " " + std::to_string(c);
  }

  // The recorded calls whose name is `op` ("line", "text", ...), in order.
  std::vector<std::string> only(std::string_view op) const;
  // The texts of the text calls, without quotes.
  std::vector<std::string> printed() const;
  static std::string number(float v);

  std::vector<std::string> calls;

 private:
  float width_, height_;
};

// A text measure with a fixed width per character (UTF-8 characters, not bytes), so centred
// positions can be worked out by hand.
struct FixedWidthMeasure : TextMeasure {
  float textWidth(const std::string& text) const override {
    int n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return static_cast<float>(n) * 90;
  }
};

}  // namespace tw::test
