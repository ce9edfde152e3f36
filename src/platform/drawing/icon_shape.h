#pragma once
// The program's icon as plain shapes: a chart card with a faint mid line and three coloured
// cycle curves. The program paints it (icons.cpp) and data/icons/make_icons.cpp writes the
// installed SVG from the same numbers.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace tw::platform {

struct IconRgb {
  int r, g, b;
};

struct IconCurve {
  IconRgb colour;
  double periods;  // across the card
  double phase;
};

inline constexpr IconRgb kIconCardFill{255, 253, 244};
inline constexpr IconRgb kIconCardLine{40, 48, 72};
inline constexpr IconRgb kIconMidLine{170, 170, 180};
// Physical, emotional and intellectual cycles: three periods, three phases.
inline constexpr std::array<IconCurve, 3> kIconCurves{{
    {{220, 30, 30}, 0.9, 0.2},
    {{20, 160, 40}, 0.7, 2.3},
    {{30, 70, 230}, 0.55, 4.3},
}};
inline constexpr int kIconCurveSteps = 64;  // straight pieces a curve is drawn in

// The icon's places in pixels at one size. Pens scale with the size but never go under one
// pixel, and the card's frame lands on whole pixels.
struct IconShape {
  explicit IconShape(int size)
      : frame(std::max(1.0, std::round(size / 32.0))),
        margin(std::max(0.0, std::round(size * 0.04))),
        cardLeft(margin + frame / 2),
        cardSide(size - 2 * margin - frame),
        radius(size * 0.12),
        inset(frame + std::max(1.0, size * 0.06)),
        plotLeft(cardLeft + inset),
        plotSide(cardSide + -inset - inset),
        mid(plotLeft + plotSide / 2),
        amp(plotSide * 0.4),
        midLineWidth(std::max(1.0, size / 48.0)),
        showsMidLine(size >= 24),
        curveWidth(std::max(1.4, size / 18.0)) {}

  double frame;  // the card's line, centred on its edge
  double margin;
  double cardLeft;  // and top: the card is square
  double cardSide;
  double radius;    // of the card's corners
  double inset;     // from the card's edge to the curves
  double plotLeft;  // and top
  double plotSide;
  double mid;  // the mid line's height
  double amp;  // how far the curves swing about it
  double midLineWidth;
  bool showsMidLine;  // at the smallest sizes it only blurs the curves
  double curveWidth;

  // Point `step` of the kIconCurveSteps pieces of curve `c`.
  double curveX(int step) const { return plotLeft + along(step) * plotSide; }
  double curveY(const IconCurve& c, int step) const {
    return mid - amp * std::sin(2 * std::numbers::pi * c.periods * along(step) + c.phase);
  }
  static double along(int step) { return static_cast<double>(step) / kIconCurveSteps; }
};

}  // namespace tw::platform
