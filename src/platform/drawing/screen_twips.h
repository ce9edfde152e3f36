#pragma once
// Twips and the primary screen's pixels, for widgets.
#include <climits>

#include "chart/twips.h"

namespace tw::platform {

double screenDpi();  // logical dots per inch of the primary screen, kDesignDpi without one

int twipsToPixels(double twips);  // to the nearest pixel
double pixelsToTwips(int pixels);

// Keeps the exact twips last set while the widget still has the pixels they gave, so a value
// reads back as set: a pass that asks for 5000 twips must see 5000, not the 4995 of 333 pixels.
class TwipsValue {
 public:
  double read(int pixels) const { return pixels == pixels_ ? twips_ : pixelsToTwips(pixels); }
  int set(double twips) {
    twips_ = twips;
    pixels_ = twipsToPixels(twips);
    return pixels_;
  }

 private:
  double twips_ = 0;
  int pixels_ = INT_MIN;
};

}  // namespace tw::platform
