#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

#include "platform/qt_surface.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

QColor palette(QPalette::ColorRole role) {
  return QGuiApplication::palette().color(QPalette::Active, role);
}

// 96 dpi and pixel ratio 1: 15 twips to a pixel.
class SurfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    surface.setSizeTwips(1500, 1500);  // 100 x 100 pixels
    surface.BackColor(kWhite);
    surface.Cls();
  }
  QColor at(int x, int y) const { return surface.image().pixelColor(x, y); }
  bool isWhite(int x, int y) const { return at(x, y) == QColor(Qt::white); }
  QtSurface surface{96, 1};
};

struct SizeCase {
  double dpi, ratio, width, height;
  int pixelsWide, pixelsHigh;
};

TEST(SurfaceSize, TwipsBecomeDevicePixels) {
  test::qtApp();
  const SizeCase cases[] = {
      {96, 1, 6735, 2895, 449, 193},  // the designed chart area
      {96, 1, 1440, 720, 96, 48},     // an inch is 96 pixels
      {96, 2, 1440, 720, 192, 96},    // twice the pixels on a dense screen
      {144, 1, 1440, 1440, 144, 144},
      {120, 1.5, 1440, 960, 180, 120},
  };
  for (const auto& c : cases) {
    QtSurface s(c.dpi, c.ratio);
    s.setSizeTwips(c.width, c.height);
    s.Cls();
    EXPECT_EQ(s.image().size(), QSize(c.pixelsWide, c.pixelsHigh)) << c.dpi << " " << c.ratio;
    EXPECT_FLOAT_EQ(s.Width(), c.width);
    EXPECT_FLOAT_EQ(s.Height(), c.height);
  }
}

TEST(SurfaceColour, SystemColoursComeFromThePalette) {
  test::qtApp();
  const std::pair<std::uint32_t, QPalette::ColorRole> cases[] = {
      {0x8000000F, QPalette::Button},     {0x80000005, QPalette::Base},
      {0x80000008, QPalette::Text},       {0x80000012, QPalette::ButtonText},
      {0x8000000D, QPalette::Highlight},  {0x8000000E, QPalette::HighlightedText},
      {0x80000014, QPalette::Light},      {0x80000018, QPalette::ToolTipBase},
  };
  for (const auto& [colour, role] : cases)
    EXPECT_EQ(resolveColour(static_cast<Colour>(colour)), palette(role)) << std::hex << colour;
  EXPECT_EQ(resolveColour(rgb(10, 20, 30)), QColor(10, 20, 30));  // red in the low byte
  EXPECT_EQ(resolveColour(kBlue), QColor(0, 0, 255));
}

TEST_F(SurfaceTest, ClearingFillsWithTheButtonFace) {
  surface.BackColor(kButtonFace);
  surface.Cls();
  for (auto [x, y] : {std::pair{0, 0}, {99, 0}, {0, 99}, {99, 99}, {50, 50}})
    EXPECT_EQ(at(x, y), palette(QPalette::Button)) << x << "," << y;
}

TEST_F(SurfaceTest, ThinLineCoversItsRowOnly) {
  surface.DrawWidth(1);
  surface.Line(0, 150, 1500, 150, kBlack);  // y = 10 pixels
  for (int x = 1; x < 99; ++x) ASSERT_EQ(at(x, 10), QColor(Qt::black)) << x;
  for (int x = 0; x < 100; ++x) {
    EXPECT_TRUE(isWhite(x, 8)) << x;
    EXPECT_TRUE(isWhite(x, 12)) << x;
  }
}

TEST_F(SurfaceTest, LineWithoutColourUsesTheForeground) {
  surface.Line(150, 0, 150, 1500);  // x = 10 pixels
  EXPECT_EQ(at(10, 50), palette(QPalette::WindowText));
}

TEST_F(SurfaceTest, DottedLineIsBroken) {
  surface.DrawStyle(2);
  surface.Line(0, 300, 1500, 300, kBlack);
  int ink = 0;
  for (int x = 0; x < 100; ++x) ink += isWhite(x, 20) ? 0 : 1;
  EXPECT_GT(ink, 20);  // visible
  EXPECT_LT(ink, 80);  // and not solid
}

TEST_F(SurfaceTest, CurveWidthIsTwoPixels) {
  surface.DrawWidth(2);
  surface.Line(0, 750, 1500, 750, kRed);  // y = 50 pixels
  int rows = 0;
  for (int y = 45; y < 56; ++y) rows += at(50, y).red() > 200 && at(50, y).green() < 128 ? 1 : 0;
  EXPECT_EQ(rows, 2);
}

TEST_F(SurfaceTest, TextHangsBelowAndRightOfThePosition) {
  surface.FontSize(10);
  surface.CurrentX(300);  // 20 pixels
  surface.CurrentY(300);
  surface.Print("W");
  surface.Print("W");  // next line, back at the left edge
  int firstTop = 100, firstLeft = 100, secondTop = 100, secondLeft = 100;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      if (isWhite(x, y)) continue;
      if (x >= 18) {
        firstTop = std::min(firstTop, y);
        firstLeft = std::min(firstLeft, x);
      } else {
        secondTop = std::min(secondTop, y);
        secondLeft = std::min(secondLeft, x);
      }
    }
  EXPECT_GE(firstTop, 20);
  EXPECT_LT(firstTop, 26);
  EXPECT_GE(firstLeft, 19);
  EXPECT_LT(secondLeft, 4);
  EXPECT_GT(secondTop, firstTop + 8);  // one 10-point line lower
  EXPECT_LT(secondTop, firstTop + 24);
}

TEST_F(SurfaceTest, BoldWeekdayLabelStaysInsideItsColumn) {
  surface.FontSize(8);
  surface.FontBold(true);
  for (const char* label : {"We", "Mo", " 28 "}) {
    surface.Cls();
    surface.CurrentX(30);  // where a label starts in a 275-twip (18.3-pixel) column
    surface.CurrentY(0);
    surface.Print(label);
    for (int y = 0; y < 30; ++y)
      for (int x = 18; x < 30; ++x) ASSERT_TRUE(isWhite(x, y)) << label << " at " << x << "," << y;
  }
}

TEST(SurfaceRatio, DenseScreenDrawsThickerLines) {
  test::qtApp();
  QtSurface s(96, 2);
  s.setSizeTwips(1500, 1500);
  s.BackColor(kWhite);
  s.Cls();
  s.Line(0, 150, 1500, 150, kBlack);  // 20 device pixels down, one logical pixel wide
  int rows = 0;
  for (int y = 16; y < 25; ++y) rows += s.image().pixelColor(100, y) == QColor(Qt::black) ? 1 : 0;
  EXPECT_EQ(rows, 2);
  s.DrawWidth(2);  // a curve: two logical pixels are four device pixels
  s.Line(0, 750, 1500, 750, kBlack);
  rows = 0;
  for (int y = 94; y < 106; ++y) rows += s.image().pixelColor(100, y) == QColor(Qt::black) ? 1 : 0;
  EXPECT_EQ(rows, 4);
}

}  // namespace
}  // namespace tw::platform
