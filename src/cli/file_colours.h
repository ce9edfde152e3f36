#pragma once
// Passes a drawing on to another surface with system colours already fixed, so a PNG or PDF
// gets the same colours as an SVG, whatever the desktop's palette.
#include "chart/drawing_surface.h"
#include "chart/svg_surface.h"

namespace tw::cli {

class FileColourSurface : public DrawingSurface {
 public:
  explicit FileColourSurface(DrawingSurface& inner) : inner_(inner) {}

  float Width() const override { return inner_.Width(); }
  float Height() const override { return inner_.Height(); }
  void BackColor(Colour c) override { inner_.BackColor(fileColour(c)); }
  void Cls() override { inner_.Cls(); }
  void DrawWidth(std::int16_t pixels) override { inner_.DrawWidth(pixels); }
  void DrawStyle(std::int16_t style) override { inner_.DrawStyle(style); }
  void FontSize(float points) override { inner_.FontSize(points); }
  void FontBold(bool bold) override { inner_.FontBold(bold); }
  void CurrentX(float x) override { inner_.CurrentX(x); }
  void CurrentY(float y) override { inner_.CurrentY(y); }
  void Line(float x1, float y1, float x2, float y2) override { inner_.Line(x1, y1, x2, y2); }
  void Line(float x1, float y1, float x2, float y2, Colour c) override {
    inner_.Line(x1, y1, x2, y2, fileColour(c));
  }
  void Print(const std::string& text) override { inner_.Print(text); }

 private:
  DrawingSurface& inner_;
};

}  // namespace tw::cli
