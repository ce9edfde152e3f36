#include "chart/curves.h"

#include "catalogue/catalogue.h"

namespace tw {

namespace {

struct CurveWords {
  Message letter;
  Message name;
  Message title;
};

// Indexed as kChartCurves.
const std::array<CurveWords, 4> kCurveWords{{
    // TRANSLATORS: the letter beside the physical curve's end on the chart, one letter.
    {NC_("curve letter", "P"), NC_("cycle, within a sentence", "physical"),
     NC_("cycle, starting a line", "Physical")},
    // TRANSLATORS: the letter beside the emotional curve's end on the chart, one letter.
    {NC_("curve letter", "E"), NC_("cycle, within a sentence", "emotional"),
     NC_("cycle, starting a line", "Emotional")},
    // TRANSLATORS: the letter beside the intellectual curve's end on the chart, one letter.
    {NC_("curve letter", "I"), NC_("cycle, within a sentence", "intellectual"),
     NC_("cycle, starting a line", "Intellectual")},
    // TRANSLATORS: the letter beside the end of the curve of the three cycles' average.
    {NC_("curve letter", "A"), NC_("cycle, within a sentence", "average"),
     NC_("cycle, starting a line", "Average")},
}};

const CurveWords& wordsOf(const ChartCurve& curve) { return kCurveWords[indexOf(curve.kind)]; }

}  // namespace

const char* curveLetter(const ChartCurve& curve) { return _(wordsOf(curve).letter); }

std::string curveName(const ChartCurve& curve) { return _(wordsOf(curve).name); }

std::string curveTitle(const ChartCurve& curve) { return _(wordsOf(curve).title); }

}  // namespace tw
