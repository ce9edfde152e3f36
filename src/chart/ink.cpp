#include "chart/ink.h"

#include <cmath>

namespace tw {

namespace {

// Relative luminance as WCAG defines it, 0 (black) to 1 (white).
double luminance(Colour c) {
  const auto linear = [](int channel) {
    const double v = channel / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(redOf(c)) + 0.7152 * linear(greenOf(c)) + 0.0722 * linear(blueOf(c));
}

}  // namespace

Colour inkOn(Colour background) {
  // Contrast with black is (L + 0.05) / 0.05, with white 1.05 / (L + 0.05); black wins ties.
  const double l = luminance(background) + 0.05;
  return l / 0.05 >= 1.05 / l ? kBlack : kWhite;
}

}  // namespace tw
