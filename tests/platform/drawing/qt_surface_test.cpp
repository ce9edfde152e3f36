#include "platform/drawing/qt_surface.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>
#include <optional>

#include "chart/draw_chart.h"
#include "platform/drawing/qt_text_measure.h"
#include "platform/qt_app.h"

namespace tw::platform {
namespace {

const QColor kDarkFace(0x2b, 0x2b, 0x2b), kLightText(0xee, 0xee, 0xee);

QPalette themed(bool dark) {
  QPalette p = QGuiApplication::palette();
  for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
    p.setColor(role, dark ? kDarkFace : QColor(0xf0, 0xf0, 0xf0));
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
    p.setColor(role, dark ? kLightText : Qt::black);
  return p;
}

// The palette is the whole program's: every test puts it back.
struct Themed {
  explicit Themed(bool dark) { QGuiApplication::setPalette(themed(dark)); }
  ~Themed() { QGuiApplication::setPalette(kept); }
  QPalette kept = (test::qtApp(), QGuiApplication::palette());
};

int countPixels(const QImage& img, const QColor& colour, QRect area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += img.pixelColor(x, y) == colour;
  return n;
}

TEST(Surface, EveryDevicePixelOfTheViewIsCovered) {
  test::qtApp();
  // 6670 twips make a 445-pixel view; at any scale no sliver is left unpainted at its edges.
  const struct {
    double ratio;
    QSize pixels;
  } cases[] = {{1, {445, 143}}, {1.25, {557, 179}}, {1.5, {668, 215}}, {2, {890, 286}}};
  for (const auto& c : cases) {
    QtSurface s(96, c.ratio);
    s.setSizeTwips(6670, 2140);
    s.clear();
    EXPECT_EQ(s.image().size(), c.pixels) << c.ratio;
  }
}

TEST(Surface, InkIsBlackOrWhiteByTheBackgroundAsItShows) {
  const struct {
    const char* what;
    bool dark;
    Colour background;
    std::optional<Colour> line;
    QColor expected;
  } cases[] = {
      {"dark face", true, kButtonFace, {}, Qt::white},
      {"light face", false, kButtonFace, {}, Qt::black},
      {"printing on white", true, kWhite, {}, Qt::black},
      {"chosen navy, light theme", false, rgb(0, 0, 128), {}, Qt::white},
      {"chosen red", true, kRed, {}, Qt::black},
      {"curve colour on white", true, kWhite, kGreen, QColor(0, 255, 0)},
  };
  QtSurface surface(96, 1);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Themed theme(c.dark);
    surface.setSizeTwips(1500, 1500);
    surface.setBackground(c.background);
    surface.clear();
    c.line ? surface.line(0, 150, 1500, 150, *c.line) : surface.line(0, 150, 1500, 150);
    EXPECT_EQ(surface.image().pixelColor(50, 10), c.expected);
    if (c.line) continue;
    surface.setFontSize(10), surface.setBold(true), surface.moveTo(150, 450);
    surface.text("WHM");  // text takes the same ink: its glyphs' full colour
    EXPECT_GT(countPixels(surface.image(), c.expected, QRect(5, 25, 90, 35)), 20);
  }
}

// A line is as many device pixels thick as its width at the screen's scale (the curves' wide
// ones drawn as strands side by side), and a dotted one is broken along its length.
TEST(Surface, LinesAreAsThickAsTheirWidthAndDottedOnesBroken) {
  test::qtApp();
  const struct {
    double ratio;
    std::int16_t width, style;
    int thick;
    bool broken;
  } rows[] = {
      {1, 1, 0, 1, false}, {2, 1, 0, 2, false}, {1.5, 1, 0, 2, false},
      {1, 3, 0, 3, false}, {2, 3, 0, 6, false}, {1, 1, 2, 1, true},
  };
  for (const auto& r : rows) {
    QtSurface s(96, r.ratio);
    s.setSizeTwips(1500, 1500);
    s.setBackground(kWhite);
    s.clear();
    s.setLineWidth(r.width);
    s.setLineStyle(r.style);
    s.line(0, 750, 1500, 750, kBlack);
    const QImage img = s.image();
    int thick = 0, most = 0;
    for (int y = 0; y < img.height(); ++y) {
      int ink = 0;
      for (int x = 10; x < img.width() - 10; ++x) ink += qGray(img.pixel(x, y)) < 128;
      thick += ink > 0;
      most = std::max(most, ink);
    }
    const std::string row = "ratio " + std::to_string(r.ratio) + ", width " +
                            std::to_string(r.width) + ", style " + std::to_string(r.style);
    EXPECT_EQ(thick, r.thick) << row;
    EXPECT_EQ(most < img.width() - 20, r.broken)
        << row << ": " << most << " inked of " << img.width() - 20;
  }
}

// What the surface keeps from one chart to the next (pixels, shaped texts, pens) leaves no
// trace: after steps either way a chart is, pixel for pixel, a fresh surface's drawing of it.
TEST(Surface, AChartAfterStepsIsAFreshDrawingOfIt) {
  test::qtApp();
  const QtTextMeasure measure(programFont(8));
  const struct {
    const char* name;
    ChartType type;
    bool marks;
  } cases[] = {{"biorhythm, marker and separators", ChartType::Biorhythm, true},
               {"comparison, marker and separators", ChartType::Comparison, true},
               {"comparison, plain", ChartType::Comparison, false}};
  for (const auto& c : cases) {
    ChartState state{
        fromYmd(1990, 1, 1), fromYmd(1992, 5, 3), "Ann", "Bo", fromYmd(2026, 12, 5), {}};
    state.options.chartType = c.type;
    state.options.todayMarker = state.options.weekSeparators = state.options.showAverage = c.marks;
    QtSurface stepped(96, 1.5);
    stepped.setSizeTwips(20000, 5000);
    for (int step : {0, 1, 1, -1, 7, -3, -28}) {
      state.chartDate += step;
      drawChart(state, stepped, measure, Locale{});
      QtSurface fresh(96, 1.5);
      fresh.setSizeTwips(20000, 5000);
      drawChart(state, fresh, measure, Locale{});
      const QImage a = stepped.image(), b = fresh.image();
      int differing = 0;
      for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
      EXPECT_EQ(differing, 0) << c.name << ", after a step of " << step;
    }
  }
}

}  // namespace
}  // namespace tw::platform
