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
  void BackColor(Colour c) override;
  void Cls() override;
  void DrawWidth(std::int16_t pixels) override;
  void DrawStyle(std::int16_t style) override;
  void FontSize(float points) override;
  void FontBold(bool bold) override;
  void CurrentX(float x) override;
  void CurrentY(float y) override;
  void Line(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2, Colour c) override;
  void Print(const std::string& text) override;

  // The recorded calls whose name is `op` ("Line", "Print", ...), in order.
  std::vector<std::string> only(std::string_view op) const;
  // The texts of the Print calls, without quotes.
  std::vector<std::string> printed() const;

  static std::string number(float v);

  std::vector<std::string> calls;

 private:
  float width_;
  float height_;
};

// A text measure with a fixed width per character (UTF-8 characters, not bytes), so centred
// positions can be worked out by hand.
class FixedWidthMeasure : public TextMeasure {
 public:
  float TextWidth(const std::string& text) const override {
    int n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return static_cast<float>(n) * 90;
  }
};

}  // namespace tw::test
