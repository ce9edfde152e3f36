#include "commands/chart_key.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(ChartKey, OneLinePerShownCurveInTheChartsOrder) {
  const struct {
    bool p, e, i, a;
    const char* text;
  } cases[] = {
      {false, false, false, false, "You need to turn on some curves\r\nin the Settings menu!"},
      {true, false, false, false, "P=Physical"},
      {false, false, false, true, "A=Average"},
      {false, true, true, false, "E=Emotional\r\nI=Intellectual"},
      {true, true, true, true, "P=Physical\r\nE=Emotional\r\nI=Intellectual\r\nA=Average"},
  };
  for (const auto& c : cases) {
    const ChartOptions o{
        .showPhysical = c.p, .showEmotional = c.e, .showIntellectual = c.i, .showAverage = c.a};
    EXPECT_EQ(chartKeyText(o), c.text) << c.p << c.e << c.i << c.a;
  }
}

}  // namespace
}  // namespace tw
