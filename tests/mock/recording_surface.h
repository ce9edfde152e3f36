#pragma once
// A DrawingSurface that writes each call as one line of text, for comparing whole drawings:
//   BackColor -2147483633 | Cls | DrawWidth 1 | DrawStyle 2 | FontSize 8 | FontBold 1
//   CurrentX 230 | CurrentY 947.5 | Line 200 1147.5 6250 1147.5 [colour] | Print "Mo"
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

  float Width() const override { return width_; }
  float Height() const override { return height_; }
  void BackColor(Colour c) override { calls.push_back("BackColor " + std::to_string(c)); }
  void Cls() override { calls.push_back("Cls"); }
  void DrawWidth(std::int16_t px) override { calls.push_back("DrawWidth " + std::to_string(px)); }
  void DrawStyle(std::int16_t s) override { calls.push_back("DrawStyle " + std::to_string(s)); }
  void FontSize(float points) override { calls.push_back("FontSize " + number(points)); }
  void FontBold(bool bold) override { calls.push_back(bold ? "FontBold 1" : "FontBold 0"); }
  void CurrentX(float x) override { calls.push_back("CurrentX " + number(x)); }
  void CurrentY(float y) override { calls.push_back("CurrentY " + number(y)); }
  void Print(const std::string& text) override { calls.push_back("Print \"" + text + "\""); }
  void Line(float x1, float y1, float x2, float y2) override {
    calls.push_back("Line " + number(x1) + " " + number(y1) + " " + number(x2) + " " + number(y2));
  }
  void Line(float x1, float y1, float x2, float y2, Colour c) override {
    Line(x1, y1, x2, y2);
    calls.back() += " " + std::to_string(c);
  }

  // The recorded calls whose name is `op` ("Line", "Print", ...), in order.
  std::vector<std::string> only(std::string_view op) const;
  // The texts of the Print calls, without quotes.
  std::vector<std::string> printed() const;
  static std::string number(float v);

  std::vector<std::string> calls;

 private:
  float width_, height_;
};

// A text measure with a fixed width per character (UTF-8 characters, not bytes), so centred
// positions can be worked out by hand.
struct FixedWidthMeasure : TextMeasure {
  float TextWidth(const std::string& text) const override {
    int n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return static_cast<float>(n) * 90;
  }
};

}  // namespace tw::test
