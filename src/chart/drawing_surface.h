#pragma once
// What the chart draws on: the screen's chart area, an off-screen image, a recording in tests.
// Coordinates are twips (1/1440 inch) from the top left corner, y downwards.
#include <cstdint>
#include <string>

#include "chart/colour.h"

namespace tw {

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual float Width() const = 0;
  virtual float Height() const = 0;

  virtual void BackColor(Colour c) = 0;  // system colours are resolved by the surface
  virtual void Cls() = 0;                // fill with the background colour, position to (0, 0)
  virtual void DrawWidth(std::int16_t pixels) = 0;
  virtual void DrawStyle(std::int16_t style) = 0;  // 0 solid, 2 dotted
  virtual void FontSize(float points) = 0;
  virtual void FontBold(bool bold) = 0;
  virtual void CurrentX(float x) = 0;
  virtual void CurrentY(float y) = 0;
  // In the foreground colour.
  virtual void Line(float x1, float y1, float x2, float y2) = 0;
  virtual void Line(float x1, float y1, float x2, float y2, Colour c) = 0;
  // Top left corner of the text at the current position; moves the position to the next line.
  virtual void Print(const std::string& text) = 0;
};

// The main window's own text measure (its default font, not the surface's), in twips.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual float TextWidth(const std::string& text) const = 0;
};

}  // namespace tw
