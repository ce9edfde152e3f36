// The SVG file must show exactly what the chart draws: replaying the recording surface's calls
// with the file's own rules (15 twips a pixel, texts in the face's em, ascent, width and
// narrowing) gives every element it holds.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "chart/draw_chart.h"
#include "chart/svg_surface.h"
#include "mock/recording_surface.h"

namespace tw::test {
namespace {

std::string attr(const std::string& element, const std::string& name) {
  const std::regex re(" " + name + "=\"([^\"]*)\"");
  std::smatch m;
  return std::regex_search(element, m, re) ? m[1].str() : "<none>";
}

// Numbers are compared as floats, so the test does not depend on how they are spelled.
std::string num(const std::string& text) {
  return RecordingSurface::number(std::strtof(text.c_str(), nullptr));
}

// To a tenth of a twip: where a text starts and how wide it is drawn, after narrowing.
std::string tenth(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

// A face drawn in an em a little larger than the size asked for, as whole pixels make it.
struct FakeFace : TextFace {
  explicit FakeFace(float n = 1) : narrowBy(n) {}
  std::string family() const override { return "Face One, Face Two, sans-serif"; }
  float narrowing() const override { return narrowBy; }
  float em(float points, bool) const override { return points * 20 + 5; }
  float ascent(float points, bool bold) const override { return 0.9f * em(points, bold); }
  float width(const std::string& text, float, bool bold) const override {
    return static_cast<float>(text.size()) * (bold ? 60 : 50);
  }
  float narrowBy;
};

// One summary per <line> or <text> of the document, in order.
std::vector<std::string> fromSvg(const std::string& doc) {
  std::vector<std::string> out;
  const std::regex element(R"(<(line|text)\b[^>]*>([^<]*))");
  for (auto it = std::sregex_iterator(doc.begin(), doc.end(), element); it != std::sregex_iterator(); ++it) {
    const std::string e = (*it)[0].str();
    if ((*it)[1] == "line") {
      out.push_back("line " + num(attr(e, "x1")) + " " + num(attr(e, "y1")) + " " +
                    num(attr(e, "x2")) + " " + num(attr(e, "y2")) + " " + attr(e, "stroke") +
                    " w" + attr(e, "stroke-width") + " dash " + attr(e, "stroke-dasharray") +
                    (attr(e, "shape-rendering") == "crispEdges" ? " crisp" : " smooth"));
    } else {
      std::string text = (*it)[2].str();
      text = std::regex_replace(text, std::regex("&lt;"), "<");
      text = std::regex_replace(text, std::regex("&gt;"), ">");
      text = std::regex_replace(text, std::regex("&amp;"), "&");
      // Narrowed by matrix(a 0 0 1 e 0): drawn from a x + e, a times the textLength wide.
      float a = 1, b, c, d, shift = 0;
      std::sscanf(attr(e, "transform").c_str(), "matrix(%f %f %f %f %f", &a, &b, &c, &d, &shift);
      const float x = std::strtof(attr(e, "x").c_str(), nullptr);
      const float length = std::strtof(attr(e, "textLength").c_str(), nullptr);
      out.push_back("text " + tenth(a * x + shift) + " " + num(attr(e, "y")) + " dy " +
                    attr(e, "dy") + " size " + attr(e, "font-size") + " " +
                    attr(e, "font-weight") + " " + attr(e, "fill") + " [" + text + "] wide " +
                    tenth(a * length) + " " + attr(e, "lengthAdjust") + " " + attr(e, "xml:space"));
    }
  }
  return out;
}

// The same summaries, worked out from the recorded calls.
std::vector<std::string> fromRecording(const RecordingSurface& rec, const FakeFace& face) {
  std::vector<std::string> out;
  std::string x = "0", y = "0", width = "15", dash = "<none>", size = "<none>", bold = "<none>";
  for (const std::string& call : rec.calls) {
    std::istringstream in(call);
    std::string op;
    in >> op;
    if (op == "moveTo") in >> x >> y;
    else if (op == "setLineWidth") { int w; in >> w; width = std::to_string(w * 15); }
    else if (op == "setLineStyle") { int s; in >> s; dash = s == 2 ? "x" : "<none>"; }
    else if (op == "setFontSize") { float p; in >> p; size = RecordingSurface::number(face.em(p, 0)); }
    else if (op == "setBold") { int b; in >> b; bold = b ? "bold" : "<none>"; }
    else if (op == "line") {
      std::string x1, y1, x2, y2;
      long long colour = kBlack;  // the foreground
      in >> x1 >> y1 >> x2 >> y2 >> colour;
      const std::string d = dash == "x" ? width + " " + std::to_string(2 * std::stoi(width)) : dash;
      out.push_back("line " + x1 + " " + y1 + " " + x2 + " " + y2 + " " + hexColour(static_cast<Colour>(colour)) + " w" +
                    width + " dash " + d + (width == "15" ? " crisp" : " smooth"));
    } else if (op == "text") {
      const std::string text = call.substr(6, call.size() - 7);
      const float wide = face.width(text, 0, bold == "bold") * face.narrowing();
      out.push_back("text " + tenth(std::strtof(x.c_str(), nullptr)) + " " + y + " dy 0.9em size " +
                    size + " " + bold + " #000000 [" + text + "] wide " + tenth(wide) +
                    " spacingAndGlyphs preserve");
    }
  }
  return out;
}

ChartState state(int type, bool extras) {
  ChartState s;
  s.birthday = fromYmd(1990, 1, 31);
  s.birthday2 = fromYmd(1992, 6, 15);
  s.name = extras ? "Ann & <Bo>" : "";
  s.chartDate = fromYmd(2024, 3, 5);
  s.options.chartType = static_cast<ChartType>(type);
  s.options.todayMarker = extras;
  s.options.weekSeparators = extras;
  s.options.showAverage = extras;
  return s;
}

TEST(SvgSurface, HoldsTheRecordedLinesAndTextsInOrder) {
  const struct { const char* name; int type; bool extras; float w, h, narrowing; } cases[] = {
      {"bio, designed size", 0, false, 6735, 2895, 1},
      {"bio, marker, separators, average, named, narrowed", 0, true, 6735, 2895, 0.94f},
      {"comparison, narrowed", 1, true, 9000, 4000, 0.75f},
      {"too narrow for a column", 0, false, 300, 600, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const FakeFace face(c.narrowing);
    RecordingSurface rec(c.w, c.h);
    SvgSurface svg(c.w, c.h, face);
    drawChart(state(c.type, c.extras), rec, FixedWidthMeasure{}, Locale{});
    drawChart(state(c.type, c.extras), svg, FixedWidthMeasure{}, Locale{});
    const auto expected = fromRecording(rec, face);
    ASSERT_GE(expected.size(), 7u);  // even the narrowest has its zero line, header and letters
    EXPECT_EQ(fromSvg(svg.document()), expected);
  }
}

TEST(SvgSurface, DocumentFrameBackgroundAndColoursRedFirst) {
  const FakeFace face;
  SvgSurface svg(6735, 2895, face);
  svg.setBackground(kButtonFace);
  svg.clear();
  const std::string doc = svg.document();
  for (const char* part : {"viewBox=\"0 0 6735 2895\"", "width=\"449\" height=\"193\"",
                           "font-family=\"Face One, Face Two, sans-serif\"",
                           "<rect x=\"0\" y=\"0\" width=\"6735\" height=\"2895\" fill=\"#f0f0f0\"/>"})
    EXPECT_NE(doc.find(part), std::string::npos) << part;
  const std::pair<Colour, const char*> cases[] = {
      {rgb(0x12, 0x34, 0x56), "#123456"}, {static_cast<Colour>(0x80000005U), "#ffffff"},
      {static_cast<Colour>(0x80000008U), "#000000"}};
  for (const auto& [colour, text] : cases) EXPECT_EQ(hexColour(colour), text) << colour;
}

}  // namespace
}  // namespace tw::test
