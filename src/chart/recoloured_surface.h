#pragma once
// Passes a drawing on to another surface with every colour put through `recolour`: a file has no
// system palette, so its system colours must be fixed before they reach it.
#include "chart/drawing_surface.h"

namespace tw {

class RecolouredSurface : public DrawingSurface {
 public:
  RecolouredSurface(DrawingSurface& inner, Colour (*recolour)(Colour))
      : inner_(inner), recolour_(recolour) {}

  float width() const override { return inner_.width(); }
  float height() const override { return inner_.height(); }
  void setBackground(Colour c) override { inner_.setBackground(recolour_(c)); }
  void clear() override { inner_.clear(); }
  void setLineWidth(std::int16_t pixels) override { inner_.setLineWidth(pixels); }
  void setLineStyle(std::int16_t style) override { inner_.setLineStyle(style); }
  void setFontSize(float points) override { inner_.setFontSize(points); }
  void setBold(bool bold) override { inner_.setBold(bold); }
  void moveTo(float x, float y) override { inner_.moveTo(x, y); }
  void line(float x1, float y1, float x2, float y2) override { inner_.line(x1, y1, x2, y2); }
  void line(float x1, float y1, float x2, float y2, Colour c) override {
    inner_.line(x1, y1, x2, y2, recolour_(c));
  }
  void text(const std::string& text) override { inner_.text(text); }

 private:
  DrawingSurface& inner_;
  Colour (*recolour_)(Colour);
};

}  // namespace tw
