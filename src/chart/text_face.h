#pragma once
// The face the chart's texts are drawn in, for writers that place every text themselves (SVG):
// with its ascent and widths they draw each text where and as wide as the window does.
#include <string>

namespace tw {

class TextFace {
 public:
  virtual ~TextFace() = default;
  // A font-family list: the face, then faces with its widths, then a generic family.
  virtual std::string family() const = 0;
  // Across, how much the texts are narrowed (1 = not at all).
  virtual float narrowing() const = 0;
  // The em, in twips, the face really draws a text of this size and weight in: the window
  // rounds it to whole pixels.
  virtual float em(float points, bool bold) const = 0;
  // Twips from a text's top to its baseline at this size and weight.
  virtual float ascent(float points, bool bold) const = 0;
  // The text's width in twips at this size and weight, before narrowing.
  virtual float width(const std::string& text, float points, bool bold) const = 0;
};

}  // namespace tw
