#include "chart/ink.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(Ink, BlackOrWhiteWhicheverStandsOutMore) {
  const struct {
    const char* what;
    Colour background, ink;
  } cases[] = {
      {"white page", kWhite, kBlack},
      {"black", kBlack, kWhite},
      {"yellow", kYellow, kBlack},
      {"pure blue", kBlue, kWhite},
      // The two contrasts meet at luminance 0.179, between greys 117 and 118.
      {"grey 117", rgb(117, 117, 117), kWhite},
      {"grey 118", rgb(118, 118, 118), kBlack},
      // Colours either side of it tell the three weights and the curve of each channel apart.
      {"green 137", rgb(0, 137, 0), kWhite},
      {"green 138", rgb(0, 138, 0), kBlack},
      {"red 236", rgb(236, 0, 0), kWhite},
      {"red 237", rgb(237, 0, 0), kBlack},
      {"teal 131", rgb(0, 131, 131), kWhite},
      {"teal 132", rgb(0, 132, 132), kBlack},
      {"purple 207", rgb(207, 0, 207), kWhite},
      {"purple 208", rgb(208, 0, 208), kBlack},
  };
  for (const auto& c : cases) EXPECT_EQ(inkOn(c.background), c.ink) << c.what;
}

}  // namespace
}  // namespace tw
