#pragma once
// A text measure with a fixed width per character, so centred positions can be worked by hand.
#include <string>

#include "chart/drawing_surface.h"

namespace tw::test {

class FixedWidthMeasure : public TextMeasure {
 public:
  explicit FixedWidthMeasure(float perChar = 90) : perChar_(perChar) {}

  // Counts UTF-8 characters, not bytes.
  float TextWidth(const std::string& text) const override {
    int n = 0;
    for (unsigned char c : text)
      if ((c & 0xC0) != 0x80) ++n;
    return static_cast<float>(n) * perChar_;
  }

 private:
  float perChar_;
};

}  // namespace tw::test
