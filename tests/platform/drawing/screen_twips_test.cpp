#include "platform/drawing/screen_twips.h"

#include <gtest/gtest.h>

#include "platform/qt_app.h"

namespace tw::platform {
namespace {

TEST(Twips, RoundToTheNearestPixel) {
  test::qtApp();
  if (screenDpi() != 96) GTEST_SKIP() << "the rows are for 96 dpi, the screen has " << screenDpi();
  const std::pair<double, int> rows[] = {{7, 0}, {8, 1}, {22, 1}, {23, 2}, {-8, -1}, {6735, 449}};
  for (const auto& [twips, pixels] : rows) EXPECT_EQ(twipsToPixels(twips), pixels) << twips;
  EXPECT_EQ(pixelsToTwips(449), 6735);
}

}  // namespace
}  // namespace tw::platform
