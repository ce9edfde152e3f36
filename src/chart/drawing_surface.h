#pragma once
// What the chart draws on: the screen's chart area, an off-screen image, a recording in tests.
// Coordinates are twips (chart/twips.h) from the top left corner, y downwards.
#include <cstdint>
#include <string>

#include "state/colour.h"

namespace tw {

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual float width() const = 0;
  virtual float height() const = 0;

  virtual void setBackground(Colour c) = 0;  // system colours are resolved by the surface
  virtual void clear() = 0;                  // fill with the background colour, position to (0, 0)
  virtual void setLineWidth(std::int16_t pixels) = 0;
  virtual void setLineStyle(std::int16_t style) = 0;  // 0 solid, 2 dotted
  virtual void setFontSize(float points) = 0;
  virtual void setBold(bool bold) = 0;
  virtual void moveTo(float x, float y) = 0;  // where the next text's top left corner goes
  // In the foreground colour.
  virtual void line(float x1, float y1, float x2, float y2) = 0;
  virtual void line(float x1, float y1, float x2, float y2, Colour c) = 0;
  // Top left corner of the text at the current position; moves the position to the next line.
  virtual void text(const std::string& text) = 0;
};

// The main window's own text measure (its default font, not the surface's), in twips.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual float textWidth(const std::string& text) const = 0;
};

}  // namespace tw
