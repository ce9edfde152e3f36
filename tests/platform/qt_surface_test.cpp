#include "platform/qt_surface.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

#include "qt_app.h"

namespace tw::platform {
namespace {

// Black, not a dark theme's light text, on a chosen yellow; in any theme black is readable there.
TEST(Surface, UncolouredLinesAndTextTakeAReadableForegroundAndColouredLinesTheirColour) {
  test::qtApp();
  const QPalette kept = QGuiApplication::palette();  // shared by the whole program: put back after
  QPalette dark = kept;
  dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
  QGuiApplication::setPalette(dark);
  QtSurface s(96, 1);
  s.setSizeTwips(1500, 1500);
  s.setBackground(kYellow);
  s.clear();
  s.line(0, 150, 1500, 150);
  s.line(0, 300, 1500, 300, kBlue);
  s.setFontSize(10);
  s.setBold(true);
  s.moveTo(150, 450);
  s.text("WHM");
  QGuiApplication::setPalette(kept);
  EXPECT_EQ(s.image().pixelColor(50, 10), QColor(Qt::black));
  EXPECT_EQ(s.image().pixelColor(50, 20), QColor(0, 0, 255));
  int glyph = 0;  // the text's pixels in the foreground's full colour
  for (int y = 25; y < 60; ++y)
    for (int x = 5; x < 95; ++x) glyph += s.image().pixelColor(x, y) == QColor(Qt::black);
  EXPECT_GT(glyph, 20);
}

}  // namespace
}  // namespace tw::platform
