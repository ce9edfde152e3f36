// The SVG file holds exactly what the chart draws: every line and text the recording surface
// records, in order, at its place in the chart's twips, and each element in the file's terms.
#include "chart/svg_surface.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "chart/draw_chart.h"
#include "mock/recording_surface.h"
#include "settings/settings_io.h"

namespace tw::test {
namespace {

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

// Numbers are compared as floats, so the test does not depend on how they are spelled.
std::string num(const std::string& text) {
  return RecordingSurface::number(std::strtof(text.c_str(), nullptr));
}

// One summary per <line> or <text> of the document, in order: its place, colour and text.
std::vector<std::string> fromSvg(const std::string& doc) {
  std::vector<std::string> out;
  const std::regex element(R"(<(line|text)\b([^>]*)>([^<]*))");
  for (auto it = std::sregex_iterator(doc.begin(), doc.end(), element);
       it != std::sregex_iterator(); ++it) {
    const std::string e = (*it)[2].str();
    const auto attr = [&e](const char* name) {
      std::smatch m;
      return std::regex_search(e, m, std::regex(std::string(" ") + name + "=\"([^\"]*)\""))
                 ? m[1].str()
                 : "<none>";
    };
    if ((*it)[1] == "line") {
      out.push_back("line " + num(attr("x1")) + " " + num(attr("y1")) + " " + num(attr("x2")) +
                    " " + num(attr("y2")) + " " + attr("stroke"));
    } else {
      std::string text = std::regex_replace((*it)[3].str(), std::regex("&lt;"), "<");
      text = std::regex_replace(std::regex_replace(text, std::regex("&gt;"), ">"),
                                std::regex("&amp;"), "&");
      out.push_back("text " + num(attr("x")) + " " + num(attr("y")) + " " + attr("fill") + " [" +
                    text + "]");
    }
  }
  return out;
}

// The same summaries, worked out from the recorded calls; ink is black on the chart's face.
std::vector<std::string> fromRecording(const RecordingSurface& rec) {
  std::vector<std::string> out;
  std::string x, y;
  for (const std::string& call : rec.calls) {
    std::istringstream in(call);
    std::string op, x1, y1, x2, y2;
    in >> op;
    long long colour = kBlack;
    if (op == "moveTo") in >> x >> y;
    if (op == "line" && in >> x1 >> y1 >> x2 >> y2) {
      in >> colour;
      out.push_back("line " + x1 + " " + y1 + " " + x2 + " " + y2 + " " +
                    hexColour(static_cast<Colour>(colour)));
    }
    if (op == "text")
      out.push_back("text " + x + " " + y + " #000000 [" + call.substr(6, call.size() - 7) + "]");
  }
  return out;
}

ChartState state(ChartType type, bool extras) {
  ChartState s;
  s.options = defaultChartOptions();
  s.birthday = fromYmd(1990, 1, 31);
  s.birthday2 = fromYmd(1992, 6, 15);
  s.name = extras ? "Ann & <Bo>" : "";
  s.chartDate = fromYmd(2024, 3, 5);
  s.options.chartType = type;
  s.options.todayMarker = s.options.weekSeparators = s.options.showAverage = extras;
  return s;
}

TEST(SvgSurface, HoldsTheRecordedLinesAndTextsInOrder) {
  const struct {
    const char* name;
    ChartType type;
    bool extras;
    float w, h;
  } cases[] = {
      {"bio, designed size", ChartType::Biorhythm, false, 6735, 2895},
      {"bio, marker, separators, average, named", ChartType::Biorhythm, true, 6735, 2895},
      {"comparison", ChartType::Comparison, true, 9000, 4000},
      {"too narrow for a column", ChartType::Biorhythm, false, 300, 600},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const FakeFace face;
    RecordingSurface rec(c.w, c.h);
    SvgSurface svg(c.w, c.h, face);
    drawChart(state(c.type, c.extras), rec, FixedWidthMeasure{}, Locale{});
    drawChart(state(c.type, c.extras), svg, FixedWidthMeasure{}, Locale{});
    const auto expected = fromRecording(rec);
    ASSERT_GE(expected.size(), 7u);  // even the narrowest has its zero line, header and letters
    EXPECT_EQ(fromSvg(svg.document()), expected);
  }
}

// A text keeps its top left corner as x and y; every viewer places its baseline by dy.
TEST(SvgSurface, WritesEachElementInTheFilesTerms) {
  const FakeFace face(0.75f);
  SvgSurface svg(6735, 2895, face);
  svg.setBackground(kButtonFace);
  svg.clear();
  svg.line(1, 2, 3, 4);
  svg.setLineWidth(2);
  svg.setLineStyle(2);
  svg.line(5, 6, 7, 8, kRed);
  svg.setFontSize(10);
  svg.setBold(true);
  svg.moveTo(400, 300);
  svg.text("A & <B>");
  const std::string doc = svg.document();
  for (const char* part :
       {"viewBox=\"0 0 6735 2895\"", "width=\"449\" height=\"193\"",
        "font-family=\"Face One, Face Two, sans-serif\"",
        "<rect x=\"0\" y=\"0\" width=\"6735\" height=\"2895\" fill=\"#f0f0f0\"/>",
        "<line x1=\"1\" y1=\"2\" x2=\"3\" y2=\"4\" stroke=\"#000000\" stroke-width=\"15\" "
        "stroke-linecap=\"butt\" "
        "shape-rendering=\"crispEdges\"/>",
        "<line x1=\"5\" y1=\"6\" x2=\"7\" y2=\"8\" stroke=\"#ff0000\" stroke-width=\"30\" "
        "stroke-linecap=\"round\" "
        "stroke-dasharray=\"30 60\"/>",
        "<text x=\"400\" y=\"300\" dy=\"0.9em\" font-size=\"205\" font-weight=\"bold\" "
        "fill=\"#000000\" textLength=\"420\" "
        "lengthAdjust=\"spacingAndGlyphs\" transform=\"matrix(0.75 0 0 1 100 0)\" "
        "xml:space=\"preserve\">A &amp; &lt;B&gt;</text>"})
    EXPECT_NE(doc.find(part), std::string::npos) << part << "\nnot in\n" << doc;
  const std::pair<Colour, const char*> cases[] = {{rgb(0x12, 0x34, 0x56), "#123456"},
                                                  {static_cast<Colour>(0x80000005U), "#ffffff"},
                                                  {static_cast<Colour>(0x80000008U), "#000000"}};
  for (const auto& [colour, text] : cases) EXPECT_EQ(hexColour(colour), text) << colour;
}

}  // namespace
}  // namespace tw::test
