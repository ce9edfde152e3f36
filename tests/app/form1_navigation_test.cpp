#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mock/form1_fixture.h"

namespace tw::test {
namespace {

// The dates in the refusal messages, in the order they were shown.
std::vector<std::string> refusals(const Form1Fixture& f) {
  std::vector<std::string> out;
  const std::string tail = "Setting chart date to ";
  for (const auto& m : f.messages.shown) out.push_back(m.prompt.substr(m.prompt.find(tail) + tail.size()));
  return out;
}

TEST(Form1Navigation, GoCommandsMoveTheChartDateOrRefuse) {
  struct Step {
    const char* name;
    void (Form1::*command)();
    int chartType;
    Date birth1, birth2, chart, expected;
    std::vector<std::string> messages;
  };
  const Date b = fromYmd(1990, 1, 1);
  const std::string bText = "1/1/1990.";
  const Date b2 = b + 100;
  const std::string b2Text = DateToString(b2) + ".";
  using F = Form1;
  const Step steps[] = {
      {"previous day on the birthday", &F::MenuGoYesterday_Click, 0, b, b, b, b, {bText}},
      {"previous month 27 days after", &F::MenuGoLastMonth_Click, 0, b, b, b + 27, b, {bText}},
      {"previous month 28 days after", &F::MenuGoLastMonth_Click, 0, b, b, b + 28, b, {}},
      {"previous week", &F::MenuGoLastWeek_Click, 0, b, b, b + 30, b + 23, {}},
      {"comparison, birthday 2 in the last week", &F::MenuGoLastWeek_Click, 1, b, b2, b2 + 3, b2, {b2Text}},
      {"comparison, both refuse", &F::MenuGoLastMonth_Click, 1, b + 10, b + 50, b + 20, b + 50,
       {DateToString(b + 10) + ".", DateToString(b + 50) + "."}},
      {"comparison allowed", &F::MenuGoYesterday_Click, 1, b, b2, b2 + 1, b2, {}},
      {"next month across February", &F::MenuGoNextMonth_Click, 0, b, b, fromYmd(2001, 1, 31), fromYmd(2001, 2, 28), {}},
      {"next month from 1 March", &F::MenuGoNextMonth_Click, 0, b, b, fromYmd(2001, 3, 1), fromYmd(2001, 3, 29), {}},
      {"next week across the year end", &F::MenuGoNextWeek_Click, 0, b, b, fromYmd(2000, 12, 28), fromYmd(2001, 1, 4), {}},
      {"next day", &F::MenuGoTomorrow_Click, 0, b, b, fromYmd(2000, 2, 28), fromYmd(2000, 2, 29), {}},
      {"next day at the last date", &F::MenuGoTomorrow_Click, 0, b, b, kLastDate, kLastDate, {}},
      {"previous day at the first date", &F::MenuGoYesterday_Click, 2, kFirstDate, kFirstDate, kFirstDate, kFirstDate, {}},
      {"today with a future birthday", &F::MenuGoToday_Click, 0, fromYmd(2030, 1, 1), b, b, fromYmd(2026, 12, 5), {}},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.name);
    Form1Fixture f;
    f.form.ChartOptions.chartType = static_cast<std::int16_t>(s.chartType);
    f.form.birthdate = s.birth1, f.form.birthdate2 = s.birth2, f.form.chartdate = s.chart;
    f.form.Form_Resize();
    f.surface.calls.clear();
    (f.form.*s.command)();
    EXPECT_TRUE(f.form.chartdate == s.expected && f.dt3.value() == s.expected);
    EXPECT_EQ(refusals(f), s.messages);
    EXPECT_EQ(f.redraws(), s.chartType == 2 ? 0 : 1);
  }
}

TEST(Form1Navigation, TheRefusalMessageIsExact) {
  Form1Fixture f;
  f.form.birthdate = fromYmd(1990, 1, 1);
  f.form.chartdate = f.form.birthdate;
  f.form.MenuGoYesterday_Click();
  EXPECT_EQ(f.messages.shown, (Shown{{"You can't display a biorhythm chart with a\r\nchart date before they were born!"
                                      "\r\n\r\nSetting chart date to 1/1/1990.", ui::vbInformation, "Tidewell"}}));
}

TEST(Form1Navigation, PickerChanges) {
  const Date b = fromYmd(1990, 6, 15);
  Form1Fixture f;
  f.form.ChartOptions.chartType = 1;
  f.form.birthdate = b, f.form.chartdate = b + 1000;
  f.form.birthname = "Ann", f.form.birthname2 = "Bo";
  f.form.Form_Resize();

  f.dt1.setValue(b - 1);
  f.form.DTPicker1_Change();
  EXPECT_EQ(f.form.birthdate, b - 1);
  EXPECT_EQ(f.form.birthname, "");  // a typed birthday belongs to nobody

  f.dt2.setValue(b + 500);
  f.form.DTPicker2_Change();
  EXPECT_TRUE(f.form.birthdate2 == b + 500 && f.form.birthname2 == "Bo");
  EXPECT_TRUE(f.messages.shown.empty());  // birthdays are never checked against the chart date

  // Before both birthdays: two refusals, ending on the later second birthday.
  f.dt3.setValue(b - 10);
  f.form.DTPicker3_Change();
  EXPECT_EQ(refusals(f), (std::vector<std::string>{DateToString(b - 1) + ".", DateToString(b + 500) + "."}));
  EXPECT_TRUE(f.form.chartdate == b + 500 && f.dt3.value() == b + 500);
  EXPECT_EQ(f.redraws(), 4);
}

TEST(Form1Navigation, InterpretShowsThePromptForValidChartTypesOnly) {
  for (int type : {0, 1, 2}) {
    Form1Fixture f;
    f.form.ChartOptions.chartType = static_cast<std::int16_t>(type);
    f.form.MenuChartInterpret_Click();
    ASSERT_EQ(f.messages.shown.size(), type == 2 ? 0u : 1u);
    if (type == 2) continue;
    const ShownMessage& m = f.messages.shown[0];
    EXPECT_TRUE(m.title == "Interpretation" && m.style == ui::vbOKOnly);
    EXPECT_TRUE(m.prompt.starts_with(type == 0 ? "Interpretation for " : "Comparison for "));
  }
}

}  // namespace
}  // namespace tw::test
