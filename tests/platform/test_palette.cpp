#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <optional>

#include "chart/drawchart.h"
#include "cycles/date.h"
#include "platform/qt_surface.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

const QColor kDarkFace(0x2b, 0x2b, 0x2b);
const QColor kLightText(0xee, 0xee, 0xee);

QPalette darkPalette() {
  QPalette p = QGuiApplication::palette();
  for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
    p.setColor(role, kDarkFace);
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    p.setColor(role, kLightText);
  return p;
}

QPalette lightPalette() {
  QPalette p = darkPalette();
  for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
    p.setColor(role, QColor(0xf0, 0xf0, 0xf0));
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    p.setColor(role, Qt::black);
  return p;
}

// WCAG's measure, written out here so the test does not lean on the surface's own.
double contrast(const QColor& a, const QColor& b) {
  auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
  auto lum = [&](const QColor& c) {
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
  };
  const double x = lum(a), y = lum(b);
  return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The application palette is shared by the whole test program: put it back afterwards.
class PaletteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::qtApp();
    kept = QGuiApplication::palette();
    QGuiApplication::setPalette(darkPalette());
  }
  void TearDown() override { QGuiApplication::setPalette(kept); }

  int countIn(const QImage& img, QRect area, auto&& pred) const {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) n += pred(img.pixelColor(x, y));
    return n;
  }
  QPalette kept;
  QtSurface surface{96, 1};
};

TEST_F(PaletteTest, DefaultChartUnderADarkThemeHasReadableTextAndKeepsItsOwnColours) {
  ChartState state;
  state.birthdate = fromYmd(1990, 1, 31);
  state.chartdate = fromYmd(2024, 3, 5);
  state.ChartOptions.todayMarker = true;
  surface.setSizeTwips(6735, 2895);  // 449 x 193 pixels
  drawchart(state, surface, QtTextMeasure(classicFont(8)), Locale{});
  const QImage& img = surface.image();

  EXPECT_EQ(img.pixelColor(1, 1), kDarkFace);  // the button face follows the theme
  // Text is grey-scale (antialiased); the saturated curves crossing the bands do not count.
  auto readable = [](const QColor& c) {
    return c.red() == c.green() && c.green() == c.blue() && contrast(c, kDarkFace) >= 4.5;
  };
  const QRect labels(0, 62, 449, 8), header(0, 145, 449, 48);  // above the zero line; the header
  EXPECT_GT(countIn(img, labels, readable), 100);
  EXPECT_GT(countIn(img, header, readable), 300);

  // Colours of the chart's own stay: the black zero line and the user's curve colours.
  EXPECT_GT(countIn(img, QRect(20, 75, 1, 3), [](QColor c) { return c == Qt::black; }), 0);
  for (QColor curve : {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)})
    EXPECT_GT(countIn(img, img.rect(), [&](QColor c) { return c == curve; }), 0)
        << curve.name().toStdString();
  // The dotted today marker, at x = 3362.5 twips, above the labels, in the theme's text colour.
  EXPECT_GT(countIn(img, QRect(223, 14, 3, 40), [](QColor c) { return c == kLightText; }), 10);
}

struct ForegroundCase {
  const char* what;
  bool dark;
  Colour background;
  std::optional<Colour> lineColour;  // none: the surface's foreground
  QColor expected;
};

TEST_F(PaletteTest, ForegroundFollowsTheThemeUnlessAChosenBackgroundWouldSwallowIt) {
  const ForegroundCase cases[] = {
      {"dark face", true, kButtonFace, {}, kLightText},
      {"printing on white", true, kWhite, {}, Qt::black},
      {"chosen yellow", true, kYellow, {}, Qt::black},
      {"chosen navy", true, rgb(0, 0, 128), {}, kLightText},
      {"light theme, chosen navy", false, rgb(0, 0, 128), {}, Qt::black},
      {"light theme face", false, kButtonFace, {}, Qt::black},
      {"black line on the dark face", true, kButtonFace, kBlack, Qt::black},
      {"curve colour on white", true, kWhite, kGreen, QColor(0, 255, 0)},
  };
  for (const auto& c : cases) {
    QGuiApplication::setPalette(c.dark ? darkPalette() : lightPalette());
    surface.setSizeTwips(1500, 1500);
    surface.BackColor(c.background);
    surface.Cls();
    surface.DrawWidth(1);
    if (c.lineColour)
      surface.Line(0, 150, 1500, 150, *c.lineColour);
    else
      surface.Line(0, 150, 1500, 150);
    EXPECT_EQ(surface.image().pixelColor(50, 10), c.expected) << c.what;

    if (c.lineColour) continue;
    // Text takes the same colour: its most contrasting pixel is the glyph's full colour.
    const QColor back = surface.image().pixelColor(0, 0);
    surface.FontSize(10);
    surface.FontBold(true);
    surface.CurrentX(150);
    surface.CurrentY(450);
    surface.Print("WHM");
    const QImage& img = surface.image();
    QColor strongest = back;
    for (int y = 25; y < 60; ++y)
      for (int x = 5; x < 95; ++x)
        if (contrast(img.pixelColor(x, y), back) > contrast(strongest, back))
          strongest = img.pixelColor(x, y);
    EXPECT_EQ(strongest, c.expected) << c.what << " text";
  }
}

}  // namespace
}  // namespace tw::platform
