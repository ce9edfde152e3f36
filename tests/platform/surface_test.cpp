// The chart's Qt surface: sizes, colours, lines and text in pixels; the theme; the toolbar pictures.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>
#include <QPixmap>
#include <cmath>
#include <optional>

#include "chart/draw_chart.h"
#include "platform/icons.h"
#include "platform/program_style.h"
#include "platform/qt_surface.h"
#include "qt_app.h"

namespace tw::platform {
namespace {

QColor palette(QPalette::ColorRole role) { return QGuiApplication::palette().color(QPalette::Active, role); }

// Makes `s` a 1500-twip square cleared to `back`.
void clear(QtSurface& s, Colour back = kWhite) {
  s.setSizeTwips(1500, 1500);
  s.setBackground(back);
  s.clear();
}

// How many pixels of `img` within `area` (all of it by default) `pick` accepts.
template <typename Pick>
int countPixels(const QImage& img, Pick pick, QRect area = {}) {
  if (area.isNull()) area = img.rect();
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += pick(img.pixelColor(x, y)) ? 1 : 0;
  return n;
}

TEST(Surface, TwipsBecomeDevicePixels) {
  test::qtApp();
  const struct { double dpi, ratio, width, height; int pixelsWide, pixelsHigh; } cases[] = {
      {96, 1, 6735, 2895, 449, 193},  // the designed chart area
      {96, 1, 1440, 720, 96, 48}, {96, 2, 1440, 720, 192, 96}, {144, 1, 1440, 1440, 144, 144},
      {120, 1.5, 1440, 960, 180, 120},
      // 6670 twips make a 445-pixel view: its every device pixel is covered, none left unpainted.
      {96, 2, 6670, 2140, 890, 286}, {96, 1.5, 6670, 2140, 668, 215}, {96, 1.25, 6670, 2140, 557, 179},
  };
  for (const auto& c : cases) {
    QtSurface s(c.dpi, c.ratio);
    s.setSizeTwips(c.width, c.height);
    s.clear();
    EXPECT_EQ(s.image().size(), QSize(c.pixelsWide, c.pixelsHigh)) << c.dpi << " " << c.ratio;
    EXPECT_FLOAT_EQ(s.width(), c.width);
  }
}

TEST(Surface, SystemColoursComeFromThePaletteAndClearingUsesTheBackground) {
  test::qtApp();
  const std::pair<std::uint32_t, QPalette::ColorRole> cases[] = {
      {0x8000000F, QPalette::Button}, {0x80000005, QPalette::Base}, {0x80000008, QPalette::Text},
      {0x80000012, QPalette::ButtonText}, {0x8000000D, QPalette::Highlight},
      {0x8000000E, QPalette::HighlightedText}, {0x80000014, QPalette::Light}, {0x80000018, QPalette::ToolTipBase},
  };
  for (const auto& [colour, role] : cases)
    EXPECT_EQ(resolveColour(static_cast<Colour>(colour)), palette(role)) << std::hex << colour;
  EXPECT_EQ(resolveColour(rgb(10, 20, 30)), QColor(10, 20, 30));  // red in the low byte
  QtSurface s(96, 1);
  clear(s, kButtonFace);
  EXPECT_EQ(countPixels(s.image(), [](QColor c) { return c == palette(QPalette::Button); }), 100 * 100);
}

TEST(Surface, LineWidthsStylesAndDensity) {
  test::qtApp();
  // A black line across the middle: rows of pure black down the middle column, ink along its row.
  const struct { const char* what; double ratio; std::int16_t width, style; int rows, minInk, maxInk; } cases[] = {
      {"thin", 1, 1, 0, 1, 98, 100}, {"curve", 1, 2, 0, 2, 98, 100}, {"dotted", 1, 1, 2, 1, 20, 80},
      {"thin, dense screen", 2, 1, 0, 2, 196, 200}, {"curve, dense screen", 2, 2, 0, 4, 196, 200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QtSurface s(96, c.ratio);
    clear(s);
    s.setLineWidth(c.width);
    s.setLineStyle(c.style);
    s.line(0, 750, 1500, 750, kBlack);
    const QImage& img = s.image();
    int rows = 0, ink = 0;
    for (int y = 0; y < img.height(); ++y) {
      const int n = countPixels(img, [](QColor p) { return p == Qt::black; }, QRect(0, y, img.width(), 1));
      rows += n > 0, ink = std::max(ink, n);
    }
    EXPECT_EQ(rows, c.rows);
    EXPECT_GE(ink, c.minInk);
    EXPECT_LE(ink, c.maxInk);
  }
  QtSurface s(96, 1);  // no colour given: the ink, black on the light face
  s.setSizeTwips(1500, 1500);
  s.line(150, 0, 150, 1500);
  EXPECT_EQ(s.image().pixelColor(10, 50), QColor(Qt::black));
}

TEST(Surface, TextHangsBelowAndRightOfThePositionAndLabelsStayInTheirColumn) {
  test::qtApp();
  QtSurface s(96, 1);
  clear(s);
  s.setFontSize(10);
  s.moveTo(300, 300);  // 20 pixels
  s.text("W");
  s.text("W");  // next line, back at the left edge
  QRect first, second;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x)
      if (s.image().pixelColor(x, y) != QColor(Qt::white)) (x >= 18 ? first : second) |= QRect(x, y, 1, 1);
  EXPECT_GE(first.top(), 20);
  EXPECT_LT(first.top(), 26);
  EXPECT_GE(first.left(), 19);
  EXPECT_LT(second.left(), 4);
  // One 10-point line lower.
  EXPECT_GT(second.top(), first.top() + 8);
  EXPECT_LT(second.top(), first.top() + 24);
  s.setFontSize(8);
  s.setBold(true);
  for (const char* label : {"We", "Mo", " 28 "}) {
    s.clear();
    s.moveTo(30, 0);  // where a label starts in a 275-twip (18.3-pixel) column
    s.text(label);
    EXPECT_EQ(countPixels(s.image(), [](QColor p) { return p != Qt::white; }, QRect(18, 0, 12, 30)), 0) << label;
  }
}

const QColor kDarkFace(0x2b, 0x2b, 0x2b), kLightText(0xee, 0xee, 0xee);

QPalette themed(bool dark) {
  QPalette p = QGuiApplication::palette();
  for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) p.setColor(role, dark ? kDarkFace : QColor(0xf0, 0xf0, 0xf0));
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) p.setColor(role, dark ? kLightText : Qt::black);
  return p;
}

TEST(Surface, InkIsBlackOrWhiteByTheBackgroundAsItShows) {
  test::qtApp();
  const QPalette kept = QGuiApplication::palette();  // shared by the whole program: put back after
  const struct { const char* what; bool dark; Colour background; std::optional<Colour> line; QColor expected; } cases[] = {
      {"dark face", true, kButtonFace, {}, Qt::white}, {"light face", false, kButtonFace, {}, Qt::black},
      {"printing on white", true, kWhite, {}, Qt::black}, {"chosen yellow", true, kYellow, {}, Qt::black},
      {"chosen navy, light theme", false, rgb(0, 0, 128), {}, Qt::white},
      {"chosen dark grey", false, rgb(0x40, 0x40, 0x40), {}, Qt::white},
      {"black line on the dark face", true, kButtonFace, kBlack, Qt::black},
      {"curve colour on white", true, kWhite, kGreen, QColor(0, 255, 0)},
  };
  QtSurface surface(96, 1);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QGuiApplication::setPalette(themed(c.dark));
    surface.setSizeTwips(1500, 1500);
    surface.setBackground(c.background);
    surface.clear();
    surface.setLineWidth(1);
    c.line ? surface.line(0, 150, 1500, 150, *c.line) : surface.line(0, 150, 1500, 150);
    EXPECT_EQ(surface.image().pixelColor(50, 10), c.expected);
    if (c.line) continue;
    // Text takes the same colour: its most contrasting pixel is the glyph's full colour.
    const QColor back = surface.image().pixelColor(0, 0);
    surface.setFontSize(10), surface.setBold(true), surface.moveTo(150, 450);
    surface.text("WHM");
    QColor strongest = back;
    for (int y = 25; y < 60; ++y)
      for (int x = 5; x < 95; ++x)
        if (test::contrast(surface.image().pixelColor(x, y), back) > test::contrast(strongest, back)) strongest = surface.image().pixelColor(x, y);
    EXPECT_EQ(strongest, c.expected);
  }
  // A whole chart under the dark theme: a white zero line, the curves in their own colours.
  ChartState state;
  state.birthday = fromYmd(1990, 1, 31), state.chartDate = fromYmd(2024, 3, 5);
  QGuiApplication::setPalette(themed(true));
  surface.setSizeTwips(6735, 2895);
  drawChart(state, surface, QtTextMeasure(programFont(8)), Locale{});
  const QImage& img = surface.image();
  QGuiApplication::setPalette(kept);
  EXPECT_EQ(img.pixelColor(1, 1), kDarkFace);
  EXPECT_GT(countPixels(img, [](QColor p) { return p == Qt::white; }, QRect(20, 75, 1, 3)), 0);
  for (QColor curve : {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)})
    EXPECT_GT(countPixels(img, [&](QColor p) { return p == curve; }), 0) << curve.name().toStdString();
}

TEST(Icons, KeysTagsAndPicturesInImageListOrder) {
  test::qtApp();
  const QRgb silver = qRgb(192, 192, 192);
  const char* names[] = {"Disk", "Print", "Back3", "Back2", "Back1", "Forward1", "Forward2", "Forward3", "Calendar", "Speech"};
  for (int i = 1; i <= kImageCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(imageKey(i), QString(names[i - 1]) + "IconKey");
    EXPECT_EQ(imageTag(i), QString(names[i - 1]) + "IconTag");
    const QImage picture = imageListPicture(i);
    ASSERT_EQ(picture.size(), QSize(20, 20));
    EXPECT_EQ(picture.pixel(0, 0), silver);
    // On the toolbar the silver is see-through; the double-density picture is twice the size.
    const QImage small = toolbarImage(i).pixmap(QSize(20, 20), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        ASSERT_EQ(small.pixel(x, y), picture.pixel(x, y) == silver ? qRgba(0, 0, 0, 0) : picture.pixel(x, y));
    EXPECT_EQ(toolbarImage(i).pixmap(QSize(20, 20), 2.0).size(), QSize(40, 40));
  }
  EXPECT_TRUE(imageKey(11).isEmpty() && imageTag(0).isEmpty() && imageListPicture(-1).isNull() && toolbarImage(11).isNull());
  // On a dark toolbar the arrows turn white; the same icon draws them again.
  const QIcon forward = toolbarImage(6);
  const QPalette kept = QGuiApplication::palette();
  for (bool dark : {false, true, false}) {
    QGuiApplication::setPalette(themed(dark));
    for (qreal ratio : {1.0, 2.0})
      EXPECT_EQ(forward.pixmap(QSize(20, 20), ratio).toImage().pixelColor(QPoint(11, 10) * ratio),
                dark ? QColor(Qt::white) : QColor(Qt::black)) << dark << " " << ratio;
  }
  QGuiApplication::setPalette(kept);
  // The step pictures: as many triangles as steps, each back one the mirror of its forward one.
  const auto black = [](const QImage& img, int x, int y) { return img.pixel(x, y) == qRgb(0, 0, 0); };
  for (auto [back, forward, triangles] : {std::tuple{3, 8, 3}, {4, 7, 2}, {5, 6, 1}}) {
    const QImage img = imageListPicture(forward);
    EXPECT_EQ(imageListPicture(back).mirrored(true, false), img) << back;
    int runs = 0;
    for (int x = 0; x < 20; ++x) runs += black(img, x, 10) && (x == 0 || !black(img, x - 1, 10));
    EXPECT_EQ(runs, triangles) << forward;
  }
  for (int s : {16, 32, 48}) {
    const QImage img = programIconImage(s);
    ASSERT_EQ(img.size(), QSize(s, s));
    EXPECT_TRUE(qAlpha(img.pixel(0, 0)) == 0 && qAlpha(img.pixel(s / 2, s / 2)) == 255) << s;  // a rounded card
  }
}

// The overflow arrows are made only when drawn, and then are the desktop style's own; other
// pictures come straight from it.
TEST(Icons, TheProgramStyleMakesTheOverflowArrowsWhenFirstDrawn) {
  test::qtApp();
  ProgramStyle style;
  for (auto icon : {QStyle::SP_ToolBarHorizontalExtensionButton,
                    QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_DialogOkButton}) {
    SCOPED_TRACE(icon);
    const QIcon mine = style.standardIcon(icon);
    const QImage own = style.baseStyle()->standardIcon(icon).pixmap(16, 16).toImage();
    ASSERT_FALSE(own.isNull());
    EXPECT_EQ(mine.pixmap(16, 16).toImage(), own);
    EXPECT_EQ(QIcon(mine).pixmap(16, 16).toImage(), own);  // copies share what was made
  }
  int made = 0;
  const QIcon later = deferredIcon([&made] {
    ++made;
    return QIcon(QPixmap::fromImage(programIconImage(16)));
  });
  EXPECT_EQ(made, 0);
  const QIcon copy = later;
  EXPECT_EQ(copy.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32), programIconImage(16));
  EXPECT_FALSE(later.pixmap(16, 16).isNull());
  EXPECT_EQ(made, 1);
}

}  // namespace
}  // namespace tw::platform
