#include "chart/ink.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(Ink, BlackOrWhiteWhicheverStandsOutMore) {
  const struct { const char* what; Colour background, ink; } cases[] = {
      {"white page", kWhite, kBlack}, {"light button face", rgb(0xf0, 0xf0, 0xf0), kBlack},
      {"Adwaita dark face", rgb(0x35, 0x35, 0x35), kWhite}, {"black", kBlack, kWhite},
      {"yellow", kYellow, kBlack}, {"pure blue", kBlue, kWhite}, {"pure red", kRed, kBlack},
      {"navy", rgb(0, 0, 128), kWhite}, {"mid grey 128", rgb(128, 128, 128), kBlack},
      // The two contrasts meet at luminance 0.179, between greys 117 and 118.
      {"grey 117", rgb(117, 117, 117), kWhite}, {"grey 118", rgb(118, 118, 118), kBlack},
  };
  for (const auto& c : cases) EXPECT_EQ(inkOn(c.background), c.ink) << c.what;
}

}  // namespace
}  // namespace tw
