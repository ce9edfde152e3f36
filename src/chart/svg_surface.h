#pragma once
// A DrawingSurface that writes the chart as an SVG document in the chart's own twips:
// viewBox "0 0 W H", a background rect on clearing, then one <line> per line and one <text>
// per printed text, in drawing order. Each text keeps its top left corner as x and y and is
// drawn in the face it is given, at that face's ascent, width and narrowing.
#include <cstdint>
#include <string>
#include <vector>

#include "chart/drawing_surface.h"
#include "chart/ink.h"
#include "chart/text_face.h"

namespace tw {

// A file has no system palette, so system colours get fixed values: the button face (and any
// index without its own entry) is #f0f0f0, the window background white, window text black.
Colour fileColour(Colour c);

// "#rrggbb" of a direct colour; a system colour is resolved with fileColour first.
std::string hexColour(Colour c);

class SvgSurface : public DrawingSurface {
 public:
  // Size in twips; the document's width and height attributes are pixels at 96 dpi. The face
  // must outlive the surface.
  SvgSurface(float widthTwips, float heightTwips, const TextFace& face, Colour foreground = kBlack);

  float width() const override { return width_; }
  float height() const override { return height_; }
  // Text and uncoloured lines then take the ink that stands out from it.
  void setBackground(Colour c) override {
    back_ = fileColour(c);
    foreground_ = inkOn(back_);
  }
  void clear() override;
  void setLineWidth(std::int16_t pixels) override { drawWidth_ = pixels; }
  void setLineStyle(std::int16_t style) override { drawStyle_ = style; }
  void setFontSize(float points) override;
  void setBold(bool bold) override { bold_ = bold; }
  void moveTo(float x, float y) override { x_ = x, y_ = y; }
  void line(float x1, float y1, float x2, float y2) override;
  void line(float x1, float y1, float x2, float y2, Colour c) override;
  void text(const std::string& text) override;

  std::string document() const;

  // Shortest fixed-point text that reads back as the same float.
  static std::string number(float v);
  // Text with &, <, > and quotes written as entities.
  static std::string escape(const std::string& text);

 private:
  float width_;
  float height_;
  const TextFace& face_;
  Colour foreground_;
  Colour back_ = fileColour(kButtonFace);
  std::int16_t drawWidth_ = 1;
  std::int16_t drawStyle_ = 0;
  float fontSize_ = 8;
  bool bold_ = false;
  float x_ = 0;
  float y_ = 0;
  std::vector<std::string> elements_;
};

}  // namespace tw
