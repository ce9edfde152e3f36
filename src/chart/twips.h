#pragma once
// Twips, the unit every chart and window size is kept in, and pixels at some dpi: the one
// place where the two are converted, for the screen, printers and files alike.
namespace tw {

inline constexpr int kTwipsPerInch = 1440;
// The screen the windows were laid out on, and the pixels of a file written without one.
inline constexpr int kDesignDpi = 96;
// An int, so float arithmetic with it stays in float.
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kDesignDpi;
static_assert(kTwipsPerPixel * kDesignDpi == kTwipsPerInch);

constexpr double pixelsFromTwips(double twips, double dpi) { return twips * dpi / kTwipsPerInch; }
constexpr double twipsFromPixels(double pixels, double dpi) { return pixels * kTwipsPerInch / dpi; }

}  // namespace tw
