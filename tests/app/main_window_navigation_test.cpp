#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mock/main_window_fixture.h"

namespace tw::test {
namespace {

// The dates in the refusal messages, in the order they were shown.
std::vector<std::string> refusals(const MainWindowFixture& f) {
  std::vector<std::string> out;
  const std::string tail = "Setting chart date to ";
  for (const auto& m : f.messages.shown) out.push_back(m.prompt.substr(m.prompt.find(tail) + tail.size()));
  return out;
}

TEST(MainWindowNavigation, GoCommandsMoveTheChartDateOrRefuse) {
  struct Step {
    const char* name;
    void (MainWindow::*command)();
    int chartType;
    Date birth1, birth2, chart, expected;
    std::vector<std::string> messages;
  };
  const Date b = fromYmd(1990, 1, 1);
  const std::string bText = "1/1/1990.";
  const Date b2 = b + 100;
  const std::string b2Text = dateText(b2) + ".";
  using F = MainWindow;
  const Step steps[] = {
      {"previous day on the birthday", &F::goPreviousDay, 0, b, b, b, b, {bText}},
      {"previous month 27 days after", &F::goPreviousMonth, 0, b, b, b + 27, b, {bText}},
      {"previous month 28 days after", &F::goPreviousMonth, 0, b, b, b + 28, b, {}},
      {"previous week", &F::goPreviousWeek, 0, b, b, b + 30, b + 23, {}},
      {"comparison, birthday 2 in the last week", &F::goPreviousWeek, 1, b, b2, b2 + 3, b2, {b2Text}},
      {"comparison, both refuse", &F::goPreviousMonth, 1, b + 10, b + 50, b + 20, b + 50,
       {dateText(b + 10) + ".", dateText(b + 50) + "."}},
      {"comparison allowed", &F::goPreviousDay, 1, b, b2, b2 + 1, b2, {}},
      {"next month across February", &F::goNextMonth, 0, b, b, fromYmd(2001, 1, 31), fromYmd(2001, 2, 28), {}},
      {"next month from 1 March", &F::goNextMonth, 0, b, b, fromYmd(2001, 3, 1), fromYmd(2001, 3, 29), {}},
      {"next week across the year end", &F::goNextWeek, 0, b, b, fromYmd(2000, 12, 28), fromYmd(2001, 1, 4), {}},
      {"next day", &F::goNextDay, 0, b, b, fromYmd(2000, 2, 28), fromYmd(2000, 2, 29), {}},
      {"next day at the last date", &F::goNextDay, 0, b, b, kLastDate, kLastDate, {}},
      {"previous day at the first date", &F::goPreviousDay, 2, kFirstDate, kFirstDate, kFirstDate, kFirstDate, {}},
      {"today with a future birthday", &F::goToday, 0, fromYmd(2030, 1, 1), b, b, fromYmd(2026, 12, 5), {}},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.name);
    MainWindowFixture f;
    f.main.options.chartType = static_cast<std::int16_t>(s.chartType);
    f.main.birthday = s.birth1, f.main.birthday2 = s.birth2, f.main.chartDate = s.chart;
    f.main.layOut();
    f.surface.calls.clear();
    (f.main.*s.command)();
    EXPECT_TRUE(f.main.chartDate == s.expected && f.chartDatePicker.value() == s.expected);
    EXPECT_EQ(refusals(f), s.messages);
    EXPECT_EQ(f.redraws(), s.chartType == 2 ? 0 : 1);
  }
}

TEST(MainWindowNavigation, TheRefusalMessageIsExact) {
  MainWindowFixture f;
  f.main.birthday = fromYmd(1990, 1, 1);
  f.main.chartDate = f.main.birthday;
  f.main.goPreviousDay();
  EXPECT_EQ(f.messages.shown, (Shown{{"You can't display a biorhythm chart with a\r\nchart date before they were born!"
                                      "\r\n\r\nSetting chart date to 1/1/1990.", ui::vbInformation, "Tidewell"}}));
}

TEST(MainWindowNavigation, PickerChanges) {
  const Date b = fromYmd(1990, 6, 15);
  MainWindowFixture f;
  f.main.options.chartType = 1;
  f.main.birthday = b, f.main.chartDate = b + 1000;
  f.main.name = "Ann", f.main.name2 = "Bo";
  f.main.layOut();

  f.birthdayPicker.setValue(b - 1);
  f.main.birthdayChanged();
  EXPECT_EQ(f.main.birthday, b - 1);
  EXPECT_EQ(f.main.name, "");  // a typed birthday belongs to nobody

  f.birthday2Picker.setValue(b + 500);
  f.main.birthday2Changed();
  EXPECT_TRUE(f.main.birthday2 == b + 500 && f.main.name2 == "Bo");
  EXPECT_TRUE(f.messages.shown.empty());  // birthdays are never checked against the chart date

  // Before both birthdays: two refusals, ending on the later second birthday.
  f.chartDatePicker.setValue(b - 10);
  f.main.chartDateChanged();
  EXPECT_EQ(refusals(f), (std::vector<std::string>{dateText(b - 1) + ".", dateText(b + 500) + "."}));
  EXPECT_TRUE(f.main.chartDate == b + 500 && f.chartDatePicker.value() == b + 500);
  EXPECT_EQ(f.redraws(), 4);
}

TEST(MainWindowNavigation, InterpretShowsThePromptForValidChartTypesOnly) {
  for (int type : {0, 1, 2}) {
    MainWindowFixture f;
    f.main.options.chartType = static_cast<std::int16_t>(type);
    f.main.interpret();
    ASSERT_EQ(f.messages.shown.size(), type == 2 ? 0u : 1u);
    if (type == 2) continue;
    const ShownMessage& m = f.messages.shown[0];
    EXPECT_TRUE(m.title == "Interpretation" && m.style == ui::vbOKOnly);
    EXPECT_TRUE(m.prompt.starts_with(type == 0 ? "Interpretation for " : "Comparison for "));
  }
}

}  // namespace
}  // namespace tw::test
