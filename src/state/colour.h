#pragma once
// 0x00BBGGRR, or with the high bit set a system colour index in the low byte.
#include <cstdint>

namespace tw {

using Colour = std::int32_t;

inline constexpr Colour kButtonFace = static_cast<Colour>(0x8000000FU);
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kYellow = 0x00FFFF;

constexpr bool isSystemColour(Colour c) { return c < 0; }
constexpr int redOf(Colour c) { return c & 0xFF; }
constexpr int greenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Colour c) { return (c >> 16) & 0xFF; }
constexpr Colour rgb(int r, int g, int b) { return (b << 16) | (g << 8) | r; }

}  // namespace tw
