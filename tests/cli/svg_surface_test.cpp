// The SVG file must show exactly what the chart draws: replaying the recording surface's calls
// with the file's own rules (15 twips a pixel, 20 twips a point) gives every element it holds.
#include <gtest/gtest.h>

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

std::string hex(long long c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", int(c & 0xFF), int((c >> 8) & 0xFF),
                int((c >> 16) & 0xFF));
  return buf;
}

// One summary per <line> or <text> of the document, in order.
std::vector<std::string> fromSvg(const std::string& doc) {
  std::vector<std::string> out;
  const std::regex element(R"(<(line|text)\b[^>]*>([^<]*))");
  for (auto it = std::sregex_iterator(doc.begin(), doc.end(), element); it != std::sregex_iterator(); ++it) {
    const std::string e = (*it)[0].str();
    if ((*it)[1] == "line") {
      out.push_back("line " + num(attr(e, "x1")) + " " + num(attr(e, "y1")) + " " +
                    num(attr(e, "x2")) + " " + num(attr(e, "y2")) + " " + attr(e, "stroke") +
                    " w" + attr(e, "stroke-width") + " dash " + attr(e, "stroke-dasharray"));
    } else {
      std::string text = (*it)[2].str();
      text = std::regex_replace(text, std::regex("&lt;"), "<");
      text = std::regex_replace(text, std::regex("&gt;"), ">");
      text = std::regex_replace(text, std::regex("&amp;"), "&");
      out.push_back("text " + num(attr(e, "x")) + " " + num(attr(e, "y")) + " size " +
                    attr(e, "font-size") + " " + attr(e, "font-weight") + " " + attr(e, "fill") +
                    " [" + text + "] " + attr(e, "dominant-baseline") + " " + attr(e, "xml:space"));
    }
  }
  return out;
}

// The same summaries, worked out from the recorded calls.
std::vector<std::string> fromRecording(const RecordingSurface& rec) {
  std::vector<std::string> out;
  std::string x = "0", y = "0", width = "15", dash = "<none>", size = "<none>", bold = "<none>";
  for (const std::string& call : rec.calls) {
    std::istringstream in(call);
    std::string op;
    in >> op;
    if (op == "moveTo") in >> x >> y;
    else if (op == "setLineWidth") { int w; in >> w; width = std::to_string(w * 15); }
    else if (op == "setLineStyle") { int s; in >> s; dash = s == 2 ? "x" : "<none>"; }
    else if (op == "setFontSize") { float p; in >> p; size = RecordingSurface::number(p * 20); }
    else if (op == "setBold") { int b; in >> b; bold = b ? "bold" : "<none>"; }
    else if (op == "line") {
      std::string x1, y1, x2, y2;
      long long colour = 0;  // the foreground is black
      in >> x1 >> y1 >> x2 >> y2 >> colour;
      const std::string d = dash == "x" ? width + " " + std::to_string(2 * std::stoi(width)) : dash;
      out.push_back("line " + x1 + " " + y1 + " " + x2 + " " + y2 + " " + hex(colour) + " w" +
                    width + " dash " + d);
    } else if (op == "text") {
      const std::string text = call.substr(6, call.size() - 7);
      out.push_back("text " + x + " " + y + " size " + size + " " + bold + " #000000 [" + text +
                    "] text-before-edge preserve");
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
  const struct { const char* name; int type; bool extras; float w, h; } cases[] = {
      {"bio, designed size", 0, false, 6735, 2895}, {"bio, marker, separators, average, named", 0, true, 6735, 2895},
      {"comparison", 1, true, 9000, 4000}, {"too narrow for a column", 0, false, 300, 600},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingSurface rec(c.w, c.h);
    SvgSurface svg(c.w, c.h);
    drawChart(state(c.type, c.extras), rec, FixedWidthMeasure{}, Locale{});
    drawChart(state(c.type, c.extras), svg, FixedWidthMeasure{}, Locale{});
    const auto expected = fromRecording(rec);
    ASSERT_GE(expected.size(), 7u);  // even the narrowest has its zero line, header and letters
    EXPECT_EQ(fromSvg(svg.document()), expected);
  }
}

TEST(SvgSurface, DocumentFrameBackgroundAndColoursRedFirst) {
  SvgSurface svg(6735, 2895);
  svg.setBackground(kButtonFace);
  svg.clear();
  const std::string doc = svg.document();
  for (const char* part : {"viewBox=\"0 0 6735 2895\"", "width=\"449\" height=\"193\"",
                           "<rect x=\"0\" y=\"0\" width=\"6735\" height=\"2895\" fill=\"#f0f0f0\"/>"})
    EXPECT_NE(doc.find(part), std::string::npos) << part;
  const std::pair<Colour, const char*> cases[] = {
      {rgb(0x12, 0x34, 0x56), "#123456"}, {static_cast<Colour>(0x80000005U), "#ffffff"},
      {static_cast<Colour>(0x80000008U), "#000000"}};
  for (const auto& [colour, text] : cases) EXPECT_EQ(hexColour(colour), text) << colour;
}

}  // namespace
}  // namespace tw::test
