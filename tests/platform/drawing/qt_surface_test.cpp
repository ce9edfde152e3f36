#include "platform/drawing/qt_surface.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QTransform>
#include <cmath>
#include <optional>
#include <vector>

#include "chart/draw_chart.h"
#include "platform/drawing/qt_text_measure.h"
#include "platform/qt_app.h"
#include "settings/settings_io.h"

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

// On screen a day column is a whole number of device pixels, of logical ones too where that is
// near, so a day step moves the drawing by whole pixels.
TEST(Surface, ScreenColumnsAreWholeDevicePixels) {
  test::qtApp();
  const struct {
    double ratio;
    int devicePixels;
  } rows[] = {{1, 18}, {1.25, 23}, {1.5, 27}, {2, 36}};
  for (const auto& r : rows) {
    QtSurface s(96, r.ratio);
    s.setScreen(true);
    EXPECT_DOUBLE_EQ(s.screenColumnWidth() * r.ratio, r.devicePixels) << r.ratio;
    EXPECT_DOUBLE_EQ(s.twipsAtScreenX(s.screenX(3000)), 3000) << r.ratio;
  }
}

// The screen as the chart view keeps it: moved by whole device pixels, then painted where the
// surface says, clipped there.
struct Screen {
  QImage pixels;
  double ratio;
  int moves = 0;  // updates that moved what was shown

  void paint(const QtSurface& s, const QRegion& device) {
    QPainter p(&pixels);
    p.setClipRegion(device);
    p.setTransform(QTransform::fromScale(ratio, ratio));
    QRegion logical;
    for (const QRect& r : device)
      logical += QTransform::fromScale(1 / ratio, 1 / ratio).mapRect(QRectF(r)).toAlignedRect();
    s.paint(p, logical);
  }
  void show(QtSurface& s) {
    const ScreenUpdate u = s.takeScreenUpdate();
    if (pixels.size() != s.pixelSize()) pixels = QImage(s.pixelSize(), QImage::Format_RGB32);
    if (u.all) return paint(s, QRegion(pixels.rect()));
    moves += u.shift != 0;
    const QImage before = pixels.copy();
    QPainter(&pixels).drawImage(QPoint(u.shift, 0), before);
    paint(s, u.dirty);
  }
};

int differing(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return -1;
  int n = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) n += p[x] != q[x];
  }
  return n;
}

// After any run of steps, drags and wheel turns at any scale, the screen, moved and painted in
// part, is pixel for pixel a fresh drawing of the chart; and a day step moves it, not repaints it.
TEST(Surface, AScreenAfterStepsDragsAndWheelTurnsIsAFreshDrawing) {
  test::qtApp();
  const QtTextMeasure measure(programFont(8));
  const struct {
    const char* name;
    ChartType type;
    bool marks;
  } charts[] = {{"biorhythm, marker and separators", ChartType::Biorhythm, true},
                {"comparison, marker and separators", ChartType::Comparison, true},
                {"biorhythm, plain", ChartType::Biorhythm, false}};
  // Day steps, a drag a column or two a frame either way, wheel turns of days and of weeks.
  const struct {
    const char* name;
    std::vector<int> moves;
  } runs[] = {{"day steps", {1, 1, -1, 1}},
              {"drag", {1, 2, 1, 1, 3, -1, -2, -4, 0, 1}},
              {"wheel", {3, -7, 14, -2, 60, -61}}};
  for (double ratio : {1.0, 1.25, 1.5, 2.0}) {
    for (const auto& c : charts) {
      ChartState state{
          fromYmd(1990, 1, 1), fromYmd(1992, 5, 3), "Ann", "Bo", fromYmd(2026, 12, 5), {}};
      state.options = defaultChartOptions();
      state.options.chartType = c.type;
      state.options.todayMarker = state.options.weekSeparators = state.options.showAverage =
          state.options.criticalMarks = c.marks;
      QtSurface shown(96, ratio);
      shown.setScreen(true);
      shown.setSizeTwips(20000, 8000);
      Screen screen{{}, ratio};
      drawChart(state, shown, measure, Locale{});
      screen.show(shown);
      for (const auto& run : runs) {
        for (int move : run.moves) {
          state.chartDate += move;
          drawChart(state, shown, measure, Locale{});
          screen.show(shown);
          QtSurface fresh(96, ratio);
          fresh.setScreen(true);
          fresh.setSizeTwips(20000, 8000);
          drawChart(state, fresh, measure, Locale{});
          Screen whole{QImage(fresh.pixelSize(), QImage::Format_RGB32), ratio};
          whole.paint(fresh, QRegion(whole.pixels.rect()));
          EXPECT_EQ(differing(screen.pixels, whole.pixels), 0)
              << "ratio " << ratio << ", " << c.name << ", " << run.name << ", after " << move;
        }
      }
      EXPECT_GE(screen.moves, 10) << "ratio " << ratio << ", " << c.name;
    }
  }
}

// A day step moves what is shown by a column and paints a small part of it.
TEST(Surface, ADayStepMovesTheScreenByAColumn) {
  test::qtApp();
  const QtTextMeasure measure(programFont(8));
  for (double ratio : {1.0, 1.25, 1.5, 2.0}) {
    ChartState state{fromYmd(1990, 1, 1), {}, "Ann", {}, fromYmd(2026, 12, 5), {}};
    state.options = defaultChartOptions();
    state.options.todayMarker = state.options.weekSeparators = state.options.criticalMarks = true;
    QtSurface s(96, ratio);
    s.setScreen(true);
    s.setSizeTwips(20000, 5000);
    drawChart(state, s, measure, Locale{});
    s.takeScreenUpdate();
    state.chartDate += 1;
    drawChart(state, s, measure, Locale{});
    const ScreenUpdate u = s.takeScreenUpdate();
    const QSize size = s.pixelSize();
    long long painted = 0;
    for (const QRect& r : u.dirty) painted += static_cast<long long>(r.width()) * r.height();
    EXPECT_FALSE(u.all) << ratio;
    EXPECT_EQ(u.shift, -static_cast<int>(std::lround(s.screenColumnWidth() * ratio))) << ratio;
    EXPECT_LT(painted * 5, static_cast<long long>(size.width()) * size.height())
        << ratio << ": " << painted << " of " << size.width() * size.height() << " pixels painted";
  }
}

}  // namespace
}  // namespace tw::platform
