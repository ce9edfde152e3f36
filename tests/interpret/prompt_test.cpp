#include <gtest/gtest.h>

#include "interpret/interpret.h"

static tw::ChartState stateFor(int chartType, int age, int age2) {
  tw::ChartState s;
  s.chartdate = tw::fromYmd(2026, 3, 9);
  s.birthdate = s.chartdate - age;
  s.birthdate2 = s.chartdate - age2;
  s.ChartOptions.chartType = static_cast<std::int16_t>(chartType);
  return s;
}

TEST(Prompt, LayoutPerChartType) {
  tw::Locale iso;
  iso.shortDatePattern = "yyyy-MM-dd";
  EXPECT_EQ(tw::InterpretationPrompt(stateFor(0, 11, 0), {}),
            "Interpretation for 9/3/2026:\r\n\r\nPhysical critical day!\r\n\r\nDon't overwork, and avoid\r\n"
            "alcohol and other\r\nindulgements. Possibility\r\nof headaches or depression.");
  EXPECT_EQ(tw::InterpretationPrompt(stateFor(1, 7, 21), iso),
            "Comparison for 2026-03-09:\r\n\r\nPhysical: 27%\r\nEmotional: 0%\r\nIntellectual: 14%\r\nOverall: 13%");
  for (int type : {2, -1}) EXPECT_FALSE(tw::InterpretationPrompt(stateFor(type, 11, 0), {})) << type;
}
